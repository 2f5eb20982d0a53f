// The XML layer: safe loading, the path forms the program uses, text handling and XSL processing.
#include "platform/xml/XmlDocument.h"
#include "platform/xml/XmlShape.h"
#include "platform/xml/XslTemplate.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <libxml/globals.h>
#include <libxml/tree.h>

#include <set>

using Xml::XmlDocument;
using Xml::XmlNode;
using Xml::XslTemplate;

namespace {

const char* kData = R"(<data>
  <phases><phase><phase_id>3</phase_id><phase_desc>Design</phase_desc></phase>
          <phase><phase_id>30</phase_id><phase_desc>Handover</phase_desc></phase></phases>
  <survey>
    <section><section_id>2</section_id>
      <category><category_id>7</category_id>
        <question><question_id>101</question_id><phase_id>3</phase_id></question>
        <question><question_id>102</question_id><phase_id>30</phase_id></question>
      </category>
    </section>
  </survey>
  <glossary><gloss_item><gloss_key>1A1</gloss_key><small_term>Scope</small_term></gloss_item></glossary>
</data>)";

XmlDocument loadData() {
    XmlDocument doc = XmlDocument::create();
    EXPECT_TRUE(doc.loadXML(QString::fromUtf8(kData)));
    return doc;
}

QString writeFile(QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

// Every libxml2 node made while it lives, until the node is freed.
class LiveNodes {
public:
    LiveNodes() {
        live().clear();
        m_register = xmlRegisterNodeDefault([](xmlNode* node) { live().insert(node); });
        m_deregister = xmlDeregisterNodeDefault([](xmlNode* node) { live().erase(node); });
    }
    ~LiveNodes() {
        xmlRegisterNodeDefault(m_register);
        xmlDeregisterNodeDefault(m_deregister);
    }
    LiveNodes(const LiveNodes&) = delete;
    LiveNodes& operator=(const LiveNodes&) = delete;
    static std::set<xmlNode*>& live() {
        static std::set<xmlNode*> nodes;
        return nodes;
    }

private:
    xmlRegisterNodeFunc m_register = nullptr;
    xmlDeregisterNodeFunc m_deregister = nullptr;
};

} // namespace

TEST(XmlPaths, IdsCompareAsNumbersAndAsText) {
    XmlDocument doc = loadData();
    EXPECT_EQ(doc.selectSingleNode("data/phases/phase[phase_id = 3]/phase_desc").text(), "Design");
    EXPECT_EQ(doc.selectSingleNode("data/phases/phase[phase_id = \"3\"]/phase_desc").text(), "Design");
    // A number comparison does not match 30 for 3, nor does a text comparison.
    EXPECT_EQ(doc.selectNodes("data/survey/section/category/question[phase_id = 3]").size(), 1);
    EXPECT_EQ(doc.selectNodes("data/survey/section/category/question[phase_id = \"3\"]").size(), 1);
    EXPECT_EQ(doc.selectNodes("data/survey/section/category/question[phase_id = 03]").size(), 1);
    EXPECT_EQ(doc.selectNodes("data/survey/section/category/question[phase_id = \"03\"]").size(), 0);
    XmlNode category = doc.selectSingleNode("data/survey/section/category[category_id = 7]");
    ASSERT_FALSE(category.isNull());
    EXPECT_EQ(category.selectNodes("question[phase_id = 30]").size(), 1);
    XmlNode section = doc.selectSingleNode("data/survey/section[section_id = 2]");
    EXPECT_EQ(section.selectNodes("category/question[phase_id = 3]").size(), 1);
    EXPECT_EQ(doc.selectSingleNode("data/glossary/gloss_item[gloss_key = \"1A1\"]/small_term").text(), "Scope");
    EXPECT_TRUE(doc.selectSingleNode("data/phases/phase[phase_id = 99]").isNull());
    // A malformed expression selects nothing instead of failing loudly.
    EXPECT_TRUE(doc.selectNodes("data/[[").isEmpty());
}

TEST(XmlText, MarkupInTextStaysText) {
    XmlDocument doc = XmlDocument::create();
    XmlNode root = doc.createElement("project");
    ASSERT_TRUE(doc.setDocumentElement(root));
    XmlNode name = doc.createElement("projectname", "<b>R&D</b> \"x\" &amp; 'y'");
    root.appendChild(name);
    root.appendChild(doc.createElement("empty"));
    root.setAttribute("ver", "2.0");

    XmlDocument copy = XmlDocument::create();
    ASSERT_TRUE(copy.loadXML(doc.xml()));
    EXPECT_EQ(copy.selectSingleNode("project/projectname").text(), "<b>R&D</b> \"x\" &amp; 'y'");
    EXPECT_EQ(copy.selectSingleNode("project/empty").text(), "");
    EXPECT_EQ(copy.documentElement().attribute("ver"), "2.0");
    EXPECT_EQ(copy.xml(), doc.xml());
    // A second root is refused.
    EXPECT_FALSE(doc.setDocumentElement(doc.createElement("other")));
}

TEST(XmlText, NonAsciiRoundTripsThroughFileBytes) {
    XmlDocument doc = XmlDocument::create();
    ASSERT_TRUE(doc.loadXML(QStringLiteral("<p><n>Zürich – ☂</n></p>")));
    XmlDocument again = XmlDocument::create();
    QTemporaryDir dir;
    const QString path = writeFile(dir, "p.xml", doc.toFileBytes());
    ASSERT_TRUE(again.load(path));
    EXPECT_EQ(again.selectSingleNode("p/n").text(), QStringLiteral("Zürich – ☂"));
}

TEST(XmlNodes, RemovedNodeStaysUsableAndCopiesAreIndependent) {
    XmlDocument doc = loadData();
    XmlNode phases = doc.selectSingleNode("data/phases");
    XmlNode first = phases.selectSingleNode("phase");
    phases.removeChild(first);
    EXPECT_EQ(doc.selectNodes("data/phases/phase").size(), 1);
    // A handle to the removed element may still be read.
    EXPECT_EQ(first.selectSingleNode("phase_desc").text(), "Design");

    XmlDocument copy = doc.clone();
    copy.documentElement().appendChild(copy.createElement("extra"));
    EXPECT_TRUE(doc.selectSingleNode("data/extra").isNull());
    EXPECT_FALSE(copy.selectSingleNode("data/extra").isNull());
}

TEST(XmlLoading, BrokenAndHostileInputFails) {
    QTemporaryDir dir;
    const QList<QByteArray> bad = {
        "",
        "not xml at all",
        "<project><currentreview>1</currentreview>",
        "<?xml version=\"1.0\"?><!DOCTYPE p [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><p>&x;</p>",
        "<?xml version=\"1.0\"?><!DOCTYPE l [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
        "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d "
        "\"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]><l>&d;&d;&d;</l>",
        "<p xmlns:xi=\"http://www.w3.org/2001/XInclude\"><xi:include href=\"/etc/passwd\" parse=\"text\"/></p>",
    };
    int index = 0;
    for (const QByteArray& bytes : bad) {
        const QString path = writeFile(dir, QStringLiteral("bad%1.xml").arg(index++), bytes);
        XmlDocument doc = XmlDocument::create();
        QString error;
        const bool loaded = doc.load(path, &error);
        if (loaded) {
            // XInclude is never processed: the element stays as it is, nothing is read from outside.
            EXPECT_FALSE(doc.xml().contains("root:")) << bytes.constData();
            continue;
        }
        EXPECT_FALSE(error.isEmpty()) << bytes.constData();
        EXPECT_TRUE(doc.documentElement().isNull());
    }
    XmlDocument missing = XmlDocument::create();
    EXPECT_FALSE(missing.load(dir.filePath("nothing-here.xml")));
}

TEST(XmlLoading, OversizedFileIsRefusedBeforeParsing) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, "big.xml", "<p>" + QByteArray(2000, 'x') + "</p>");
    XmlDocument doc = XmlDocument::create();
    QString error;
    EXPECT_FALSE(doc.load(path, &error, 1000));
    EXPECT_TRUE(error.contains("larger"));
    EXPECT_TRUE(doc.load(path, &error, 10000));
}

TEST(XslProcessing, ParametersInputElementAndOutput) {
    QTemporaryDir dir;
    const QString sheet =
        writeFile(dir, "t.xsl", R"XSL(<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="UTF-8"/>
  <xsl:param name="projname"/>
  <xsl:param name="phase_id"/>
  <xsl:param name="score"/>
  <xsl:template match="/">
    <html><body>
      <h1><xsl:value-of select="$projname"/></h1>
      <p id="root"><xsl:value-of select="name(/*)"/></p>
      <p id="count"><xsl:value-of select="count(category/question[phase_id = $phase_id])"/></p>
      <p id="score"><xsl:value-of select="$score + 1"/></p>
      <p id="up"><xsl:value-of select="count(/data)"/></p>
    </body></html>
  </xsl:template>
</xsl:stylesheet>)XSL");
    XslTemplate xsl;
    QString error;
    ASSERT_TRUE(xsl.load(sheet, &error)) << error.toStdString();
    XmlDocument data = loadData();
    Xml::XslProcessor processor = xsl.createProcessor();
    processor.addParameter("projname", QStringLiteral("<b>R&D</b> \"it's\""));
    processor.addParameter("phase_id", QStringLiteral("3"));
    processor.addParameter("score", 72.0);
    processor.setInput(data.selectSingleNode("data/survey/section/category[category_id = 7]"));
    ASSERT_TRUE(processor.transform(&error)) << error.toStdString();
    const QString html = processor.output();
    EXPECT_TRUE(html.contains("&lt;b&gt;R&amp;D&lt;/b&gt; \"it's\"")) << html.toStdString();
    EXPECT_TRUE(html.contains("<p id=\"root\">category</p>")) << html.toStdString();
    EXPECT_TRUE(html.contains("<p id=\"count\">1</p>")) << html.toStdString();
    EXPECT_TRUE(html.contains("<p id=\"score\">73</p>")) << html.toStdString();
    // The style sheet sees nothing above its input element.
    EXPECT_TRUE(html.contains("<p id=\"up\">0</p>")) << html.toStdString();
}

TEST(XslProcessing, MissingOrInvalidStyleSheetFailsWithReason) {
    QTemporaryDir dir;
    XslTemplate xsl;
    QString error;
    EXPECT_FALSE(xsl.load(dir.filePath("missing.xsl"), &error));
    EXPECT_FALSE(error.isEmpty());
    const QString broken =
        writeFile(dir, "broken.xsl",
                  "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\"><xsl:template "
                  "match=\"/\"><xsl:bogus/></xsl:template>");
    EXPECT_FALSE(xsl.load(broken, &error));
    const QString notXsl = writeFile(dir, "plain.xsl", "<html/>");
    EXPECT_FALSE(xsl.load(notXsl, &error));
}

TEST(XslProcessing, WritingFilesFromAStyleSheetIsForbidden) {
    QTemporaryDir dir;
    const QString target = dir.filePath("written.txt");
    const QString sheet = writeFile(
        dir, "w.xsl",
        QStringLiteral(
            R"XSL(<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform" xmlns:exsl="http://exslt.org/common" extension-element-prefixes="exsl">
  <xsl:template match="/"><exsl:document href="%1">x</exsl:document><out/></xsl:template>
</xsl:stylesheet>)XSL")
            .arg(target)
            .toUtf8());
    XslTemplate xsl;
    ASSERT_TRUE(xsl.load(sheet));
    Xml::XslProcessor processor = xsl.createProcessor();
    XmlDocument data = loadData();
    processor.setInput(data);
    processor.transform();
    EXPECT_FALSE(QFile::exists(target));
}

TEST(XmlNodes, EveryElementGoesWithItsDocumentAttachedOrNot) {
    LiveNodes nodes;
    {
        XmlDocument doc = XmlDocument::create();
        XmlNode root = doc.createElement("project");
        ASSERT_TRUE(doc.setDocumentElement(root));
        doc.createElement("never-attached", "text");
        XmlNode parent = doc.createElement("detached-parent");
        parent.appendChild(doc.createElement("child-of-detached", "text"));
        XmlNode removed = doc.createElement("removed");
        root.appendChild(removed);
        root.removeChild(removed);
        EXPECT_EQ(doc.xml(), "<project/>");
        EXPECT_FALSE(LiveNodes::live().empty());
    }
    EXPECT_TRUE(LiveNodes::live().empty()) << LiveNodes::live().size() << " nodes were never freed";
}

// A removed element that is appended again belongs to the tree once more and is freed once.
TEST(XmlNodes, RemovedElementAppendedAgainIsFreedOnce) {
    LiveNodes nodes;
    {
        XmlDocument doc = XmlDocument::create();
        XmlNode root = doc.createElement("project");
        ASSERT_TRUE(doc.setDocumentElement(root));
        XmlNode back = doc.createElement("removed-then-back");
        root.appendChild(back);
        root.removeChild(back);
        root.appendChild(back);
        EXPECT_EQ(doc.xml(), "<project><removed-then-back/></project>");
    }
    EXPECT_TRUE(LiveNodes::live().empty());
}

TEST(XmlText, CharactersXmlCannotHoldBecomeBlanksOnTheWayIn) {
    XmlDocument doc = XmlDocument::create();
    XmlNode root = doc.createElement("r", QString("a\x0b") + QChar(0) + "b" + QChar(0xFFFF));
    ASSERT_TRUE(doc.setDocumentElement(root));
    root.setAttribute("v", QString("c\x01") + QChar(0xDC00) + "d");
    EXPECT_EQ(doc.xml(), "<r v=\"c  d\">a  b </r>");
    XmlDocument back = XmlDocument::create();
    EXPECT_TRUE(back.loadBytes(doc.toFileBytes()));
}

TEST(XmlLoading, AttributesAndNestingAreCountedOutsideQuotesCommentsAndCharacterData) {
    struct Case {
        QByteArray xml;
        int attributes, depth;
    };
    const Case cases[] = {
        {"<a x=\"1\" y='2'/>", 2, 1},
        {"<a x=\"a=b=c\" y='=>'>text = more</a>", 2, 1},
        {"<!-- <a x=1 y=2 z=3> --><a/>", 0, 1},
        {"<a><![CDATA[<b x=1 y=2 z=3>]]></a>", 0, 1},
        {"<?pi a=1 b=2 c=3?><a k=\"v\"/>", 1, 1},
        {"<a x='1'><b p='1' q='2' r='3'/></a>", 3, 2},
        {"<a><b><c/></b><b x=\"/\"><c><d /></c></b></a>", 1, 4},
        {"<a><b/><b/><b/><b/></a>", 0, 2},
    };
    for (const Case& c : cases) {
        const Xml::XmlShape shape = Xml::shapeOf(c.xml);
        EXPECT_EQ(shape.largestAttributeCount, c.attributes) << c.xml.constData();
        EXPECT_EQ(shape.deepestNesting, c.depth) << c.xml.constData();
    }
}

TEST(XslProcessing, AnyTextADocumentHoldsPassesAsATextParameter) {
    QTemporaryDir dir;
    const QString sheet =
        writeFile(dir, "t.xsl", R"XSL(<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="text" encoding="UTF-8"/>
  <xsl:param name="loc"/>
  <xsl:template match="/">[<xsl:value-of select="$loc"/>]</xsl:template>
</xsl:stylesheet>)XSL");
    XslTemplate xsl;
    QString error;
    ASSERT_TRUE(xsl.load(sheet, &error)) << error.toStdString();
    XmlDocument data = loadData();
    // Thousands of both quote marks once took one expression argument each.
    QString text;
    for (int i = 0; i < 5000; ++i)
        text += "it's \"x\" ";
    text += "concat($loc, ') & <b>";
    Xml::XslProcessor processor = xsl.createProcessor();
    processor.addParameter("loc", text);
    processor.setInput(data);
    ASSERT_TRUE(processor.transform(&error)) << error.left(300).toStdString();
    EXPECT_EQ(processor.output(), "[" + text + "]");
}

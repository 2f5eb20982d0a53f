// The shipped content against the rules the program relies on: the questionnaire database's ids,
// keys and numbers, the sample project's consistency with it, and the pages and style sheets whose
// names, links, forms and frames the windows depend on.
#include "platform/xml/XmlDocument.h"
#include "platform/xml/XslTemplate.h"

#include <QDate>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <map>
#include <set>

using Xml::XmlDocument;
using Xml::XmlNode;
using Xml::XslTemplate;

namespace {

QString contentPath(const QString& relative) {
    return QStringLiteral(TOVA_SOURCE_DIR "/content/") + relative;
}

XmlDocument loadContent(const QString& relative) {
    XmlDocument doc = XmlDocument::create();
    QString error;
    EXPECT_TRUE(doc.load(contentPath(relative), &error)) << relative.toStdString() << ": " << error.toStdString();
    return doc;
}

const XmlDocument& database() {
    static const XmlDocument doc = loadContent(QStringLiteral("database/data.xml"));
    return doc;
}

QString readText(const QString& relative) {
    QFile file(contentPath(relative));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative.toStdString();
    return QString::fromUtf8(file.readAll());
}

// Plain decimal digits, no sign, blank or leading zero, within a signed 16-bit integer.
bool isWhole16(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^(0|[1-9][0-9]{0,4})$"));
    return digits.match(text).hasMatch() && text.toInt() <= 32767;
}

// A number as the program reads it from XML: "." as decimal separator under every locale.
bool readNumber(const QString& text, double* value) {
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    if (!number.match(text).hasMatch())
        return false;
    *value = QLocale::c().toDouble(text);
    return true;
}

QString childText(const XmlNode& node, const QString& name) {
    return node.firstChildElement(name).text();
}

QStringList questionIdsOfPhase(const QString& phase) {
    QStringList ids;
    for (const XmlNode& q : database().selectNodes(
             QStringLiteral("data/survey/section/category/question[phase_id = \"%1\"]/question_id").arg(phase)))
        ids << q.text();
    return ids;
}

QString transform(const QString& stylesheet, const XmlNode& input, const std::map<QString, QString>& parameters) {
    XslTemplate xsl;
    QString error;
    EXPECT_TRUE(xsl.load(contentPath(stylesheet), &error)) << error.toStdString();
    Xml::XslProcessor processor = xsl.createProcessor();
    for (const auto& [name, value] : parameters)
        processor.addParameter(name, value);
    processor.setInput(input);
    EXPECT_TRUE(processor.transform(&error)) << stylesheet.toStdString() << ": " << error.toStdString();
    return processor.output();
}

QString transformWithNumbers(const QString& stylesheet, const XmlNode& input, const std::map<QString, QString>& strings,
                             const std::map<QString, double>& numbers) {
    XslTemplate xsl;
    QString error;
    EXPECT_TRUE(xsl.load(contentPath(stylesheet), &error)) << error.toStdString();
    Xml::XslProcessor processor = xsl.createProcessor();
    for (const auto& [name, value] : strings)
        processor.addParameter(name, value);
    for (const auto& [name, value] : numbers)
        processor.addParameter(name, value);
    processor.setInput(input);
    EXPECT_TRUE(processor.transform(&error)) << stylesheet.toStdString() << ": " << error.toStdString();
    return processor.output();
}

QStringList capture(const QString& text, const QString& pattern) {
    QStringList found;
    auto it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(1);
    return found;
}

// The names of the fields of the first form of a page, in page order.
QStringList firstFormFieldNames(const QString& html) {
    const int start = html.indexOf(QStringLiteral("<form"));
    const int end = html.indexOf(QStringLiteral("</form>"), start);
    if (start < 0 || end < 0)
        return {QStringLiteral("<no form>")};
    const QString form = html.mid(start, end - start);
    return capture(form.mid(form.indexOf(QLatin1Char('>'))),
                   QStringLiteral("<(?:input|select|textarea|button)\\b[^>]*\\bname=\"([^\"]*)\""));
}

} // namespace

// ---- questionnaire database ----

TEST(ContentDatabase, IdsAreUniqueWhole16BitNumbers) {
    const struct {
        const char* path;
        int minimum;
    } idLists[] = {
        {"data/phases/phase/phase_id", 5},
        {"data/survey/section/section_id", 5},
        {"data/survey/section/category/category_id", 5},
        {"data/survey/section/category/question/question_id", 120},
        {"data/acronyms/acronym/acronym_id", 20},
    };
    for (const auto& list : idLists) {
        SCOPED_TRACE(list.path);
        const QList<XmlNode> ids = database().selectNodes(QString::fromLatin1(list.path));
        EXPECT_GE(ids.size(), list.minimum);
        QSet<QString> seen;
        for (const XmlNode& id : ids) {
            EXPECT_TRUE(isWhole16(id.text())) << "id '" << id.text().toStdString() << "'";
            EXPECT_FALSE(seen.contains(id.text())) << "duplicate id " << id.text().toStdString();
            seen.insert(id.text());
        }
    }
}

TEST(ContentDatabase, SectionsZeroToFourWithNamesAndWeights) {
    std::set<QString> ids;
    for (const XmlNode& section : database().selectNodes(QStringLiteral("data/survey/section"))) {
        ids.insert(childText(section, QStringLiteral("section_id")));
        double weight = 0;
        EXPECT_TRUE(readNumber(childText(section, QStringLiteral("section_weight")), &weight));
        EXPECT_GT(weight, 0.0);
        EXPECT_FALSE(childText(section, QStringLiteral("section_desc")).isEmpty());
        const int categories = section.selectNodes(QStringLiteral("category")).size();
        EXPECT_GE(categories, 3);
        EXPECT_LE(categories, 6);
    }
    EXPECT_EQ(ids, (std::set<QString>{"0", "1", "2", "3", "4"}));
}

TEST(ContentDatabase, EveryQuestionIsCompleteAndScorable) {
    const QSet<QString> phases = [] {
        QSet<QString> ids;
        for (const XmlNode& id : database().selectNodes(QStringLiteral("data/phases/phase/phase_id")))
            ids.insert(id.text());
        return ids;
    }();
    // Weights of the questions of one category in one phase.
    std::map<std::pair<QString, QString>, double> weightSums;

    for (const XmlNode& section : database().selectNodes(QStringLiteral("data/survey/section"))) {
        const QString sectionId = childText(section, QStringLiteral("section_id"));
        for (const XmlNode& category : section.selectNodes(QStringLiteral("category"))) {
            EXPECT_FALSE(childText(category, QStringLiteral("small_cat_desc")).isEmpty());
            for (const XmlNode& q : category.selectNodes(QStringLiteral("question"))) {
                const QString id = childText(q, QStringLiteral("question_id"));
                SCOPED_TRACE("question " + id.toStdString());
                const QString number = childText(q, QStringLiteral("question_number"));
                EXPECT_TRUE(number.startsWith(sectionId + QLatin1Char('.'))) << number.toStdString();
                const QString key = number.section(QLatin1Char('.'), 1);
                EXPECT_FALSE(key.isEmpty());
                EXPECT_FALSE(database()
                                 .selectSingleNode(
                                     QStringLiteral("data/glossary/gloss_item[gloss_key = \"%1\"]/small_term").arg(key))
                                 .text()
                                 .isEmpty())
                    << "no glossary entry for key " << key.toStdString();
                EXPECT_FALSE(childText(q, QStringLiteral("question_keyword")).isEmpty());
                EXPECT_FALSE(childText(q, QStringLiteral("question_text")).isEmpty());
                const QString phase = childText(q, QStringLiteral("phase_id"));
                EXPECT_TRUE(phases.contains(phase)) << "unknown phase " << phase.toStdString();

                double weight = 0;
                EXPECT_TRUE(readNumber(childText(q, QStringLiteral("weight")), &weight));
                EXPECT_GT(weight, 0.0);
                weightSums[{childText(category, QStringLiteral("category_id")), phase}] += weight;

                for (int n = 1; n <= 5; ++n)
                    EXPECT_FALSE(childText(q, QStringLiteral("answer%1").arg(n)).isEmpty()) << "answer" << n;
                EXPECT_EQ(childText(q, QStringLiteral("answer5")), QStringLiteral("Not applicable"));
                EXPECT_TRUE(q.firstChildElement(QStringLiteral("answer5weight")).isNull())
                    << "\"Not applicable\" must never be scored";
                for (int n = 1; n <= 4; ++n) {
                    double risk = -1;
                    EXPECT_TRUE(readNumber(childText(q, QStringLiteral("answer%1weight").arg(n)), &risk)) << n;
                    EXPECT_GE(risk, 0.0);
                    EXPECT_LE(risk, 100.0);
                }
            }
        }
    }
    for (const auto& [categoryAndPhase, sum] : weightSums)
        EXPECT_NEAR(sum, 1.0, 1e-9) << "category " << categoryAndPhase.first.toStdString() << " phase "
                                    << categoryAndPhase.second.toStdString();
}

TEST(ContentDatabase, EveryPhaseHasQuestionsAndSomeCategoriesHaveNone) {
    const QList<XmlNode> phases = database().selectNodes(QStringLiteral("data/phases/phase"));
    int emptyCategoryPhases = 0;
    for (const XmlNode& phase : phases) {
        const QString id = childText(phase, QStringLiteral("phase_id"));
        EXPECT_FALSE(childText(phase, QStringLiteral("phase_desc")).isEmpty());
        // Both path forms the program uses: the id as a number and as quoted text.
        EXPECT_FALSE(questionIdsOfPhase(id).isEmpty()) << "phase " << id.toStdString();
        EXPECT_EQ(database()
                      .selectNodes(QStringLiteral("data/survey/section/category/question[phase_id = %1]").arg(id))
                      .size(),
                  questionIdsOfPhase(id).size());
        for (const XmlNode& category : database().selectNodes(QStringLiteral("data/survey/section/category")))
            if (category.selectNodes(QStringLiteral("question[phase_id = %1]").arg(id)).isEmpty())
                ++emptyCategoryPhases;
    }
    EXPECT_GT(emptyCategoryPhases, 0) << "no category shows as \"noquestions\" in any phase";
}

TEST(ContentDatabase, ReferenceEntriesTheMenusOpenExist) {
    const struct {
        const char* path;
        const char* child;
    } entries[] = {
        {"data/glossary/gloss_item[gloss_key = \"1A1\"]", "small_term"},
        {"data/acronyms/acronym[acronym_id = \"13\"]", "meaning"},
    };
    for (const auto& entry : entries) {
        const XmlNode node = database().selectSingleNode(QString::fromLatin1(entry.path));
        ASSERT_FALSE(node.isNull()) << entry.path;
        EXPECT_FALSE(childText(node, QString::fromLatin1(entry.child)).isEmpty()) << entry.path;
    }
    QSet<QString> keys;
    for (const XmlNode& key : database().selectNodes(QStringLiteral("data/glossary/gloss_item/gloss_key"))) {
        EXPECT_FALSE(keys.contains(key.text())) << "duplicate glossary key " << key.text().toStdString();
        EXPECT_FALSE(key.text().contains(QLatin1Char('"')));
        keys.insert(key.text());
    }
}

// ---- sample project ----

TEST(ContentSample, HeaderAndReviewsAreWellFormed) {
    const XmlDocument sample = loadContent(QStringLiteral("sample.tova"));
    const XmlNode project = sample.documentElement();
    ASSERT_FALSE(project.isNull());
    EXPECT_EQ(project.name(), QStringLiteral("project"));
    EXPECT_EQ(project.attribute(QStringLiteral("ver")), QStringLiteral("2.0"));

    QStringList order;
    for (const XmlNode& child : project.childElements())
        if (child.name() != QLatin1String("review"))
            order << child.name();
    EXPECT_EQ(order, (QStringList{"reference_num", "projectname", "subprojectname", "location", "owner",
                                  "projectmanager", "currentreview"}));

    QSet<QString> reviewIds;
    for (const XmlNode& review : sample.selectNodes(QStringLiteral("project/review"))) {
        const QString id = review.attribute(QStringLiteral("id"));
        EXPECT_TRUE(isWhole16(id)) << id.toStdString();
        EXPECT_FALSE(reviewIds.contains(id)) << "duplicate review id " << id.toStdString();
        reviewIds.insert(id);
        const QString date = childText(review, QStringLiteral("date"));
        EXPECT_TRUE(QLocale::c().toDate(date, QStringLiteral("MMM dd, yyyy")).isValid()) << date.toStdString();
    }
    EXPECT_TRUE(reviewIds.contains(childText(project, QStringLiteral("currentreview"))));
}

TEST(ContentSample, AnswersBelongToTheReviewPhaseAndCompletenessIsAsShipped) {
    const XmlDocument sample = loadContent(QStringLiteral("sample.tova"));
    const QString current = sample.selectSingleNode(QStringLiteral("project/currentreview")).text();
    int complete = 0;
    int incomplete = 0;
    int notApplicable = 0;
    QSet<QString> phases;
    QSet<QString> dates;
    bool currentComplete = false;
    for (const XmlNode& review : sample.selectNodes(QStringLiteral("project/review"))) {
        const QString phase = childText(review, QStringLiteral("phase"));
        SCOPED_TRACE("review " + review.attribute(QStringLiteral("id")).toStdString());
        phases.insert(phase);
        dates.insert(childText(review, QStringLiteral("date")));
        const QSet<QString> phaseQuestions = [&] {
            const QStringList ids = questionIdsOfPhase(phase);
            return QSet<QString>(ids.begin(), ids.end());
        }();
        ASSERT_FALSE(phaseQuestions.isEmpty()) << "unknown phase " << phase.toStdString();

        QSet<QString> answered;
        for (const XmlNode& response : review.selectNodes(QStringLiteral("response"))) {
            const QString question = childText(response, QStringLiteral("question_id"));
            const QString answer = childText(response, QStringLiteral("answer"));
            EXPECT_TRUE(phaseQuestions.contains(question)) << "question " << question.toStdString();
            EXPECT_FALSE(answered.contains(question)) << "two answers to " << question.toStdString();
            answered.insert(question);
            EXPECT_TRUE(QStringList({"1", "2", "3", "4", "5"}).contains(answer)) << answer.toStdString();
            notApplicable += answer == QLatin1String("5");
        }
        const bool isComplete = answered.contains(phaseQuestions);
        (isComplete ? complete : incomplete) += 1;
        if (review.attribute(QStringLiteral("id")) == current)
            currentComplete = isComplete;
    }
    EXPECT_GE(complete, 3);
    EXPECT_GE(incomplete, 1);
    EXPECT_TRUE(currentComplete);
    EXPECT_GE(phases.size(), 3);
    EXPECT_GE(dates.size(), 3);
    EXPECT_GT(notApplicable, 0);
}

// ---- pages and style sheets ----

TEST(ContentPages, EveryStyleSheetCompiles) {
    QDirIterator it(contentPath(QString()), {QStringLiteral("*.xsl")}, QDir::Files, QDirIterator::Subdirectories);
    int count = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        XslTemplate xsl;
        QString error;
        EXPECT_TRUE(xsl.load(path, &error)) << path.toStdString() << ": " << error.toStdString();
        ++count;
    }
    EXPECT_GE(count, 5);
}

TEST(ContentPages, FixedPagesCarryTheirContracts) {
    const struct {
        const char* file;
        QStringList required;
    } pages[] = {
        {"index/welcome.htm", {"name=\"side\"", "name=\"main\""}},
        {"index/side.htm",
         {"function findAndHighlight(", "href=\"introduction.htm\" target=\"main\"", "href=\"#SKP\""}},
        {"index/introduction.htm", {"href=\"#SKP\"", "href=\"#GLS\"", "href=\"#VUA\""}},
        {"index/started.htm", {"<h1>"}},
        {"misc/noproject.htm", {"href=\"#SKP\""}},
        {"misc/noreview.htm", {"href=\"#CLS\""}},
        {"misc/roadmap.htm", {"#CLS\"", "#INS\""}},
        {"misc/UAPP.htm", {"<h1>"}},
        {"misc/weightings.htm", {"Not applicable"}},
        {"misc/website.htm", {"<h1>"}},
        {"misc/feedback.doc", {"{\\rtf1"}},
        {"Library/Catalog.htm", {".pdf\""}},
        {"bookstore/bookstore.htm", {"<h1>"}},
        {"fishbone/fishbone.htm", {"<title>fishbone</title>", "name=\"main\" src=\"fish.htm\""}},
        {"survey/survey.htm",
         {"name=\"side\" src=\"side.htm\"", "name=\"main\" src=\"main.htm\"", "src=\"bottom.htm\""}},
        {"NewProj/Proj.htm", {"<form name=\"proj\" method=\"get\">", "href=\"#CLS\""}},
        {"definitions/definitions.htm", {"name=\"side\" src=\"side.htm\"", "name=\"main\" src=\"main.htm\""}},
        {"definitions/blank.htm", {"<body>"}},
        {"acronyms/acronyms.htm", {"name=\"side\" src=\"side.htm\"", "name=\"main\" src=\"main.htm\""}},
        {"Instructions/fishbone.htm", {"<h1>"}},
        {"Instructions/charts.htm", {"<h1>"}},
        // The program knows a report screen by its top page's title.
        {"tilechart/tilechart.htm", {"<title>tilechart</title>", "name=\"main\" src=\"main.htm\""}},
        {"dashboard1/dashboard1.htm", {"<title>dashboard1</title>", "name=\"main\" src=\"main.htm\""}},
        {"dashboard2/dashboard2.htm", {"<title>dashboard2</title>", "name=\"main\" src=\"main.htm\""}},
        {"scorecard/scorecard.htm", {"<title>scorecard</title>", "name=\"main\" src=\"main.htm\""}},
        {"projecttrendgraph/projecttrendgraph.htm", {"<title>projecttrendgraph</title>", "src=\"main.htm\""}},
        {"ProjectTrendDetail/ProjectTrendDetail.htm", {"<title>projecttrenddetail</title>", "src=\"main.htm\""}},
        {"element/element.htm", {"<title>element</title>", "src=\"main.htm\""}},
    };
    for (const auto& page : pages) {
        const QString text = readText(QString::fromLatin1(page.file));
        for (const QString& piece : page.required)
            EXPECT_TRUE(text.contains(piece)) << page.file << " lacks " << piece.toStdString();
        // Every page that links a style sheet links the shared one.
        if (text.contains(QStringLiteral("stylesheet")))
            EXPECT_TRUE(text.contains(QStringLiteral("css/tova.css"))) << page.file;
    }
    // The instructions window closes at the second navigation, so its pages must not be framesets.
    for (const char* page : {"Instructions/fishbone.htm", "Instructions/charts.htm"})
        EXPECT_FALSE(readText(QString::fromLatin1(page)).contains(QStringLiteral("<frame"))) << page;
    EXPECT_TRUE(QFile::exists(
        contentPath(capture(readText(QStringLiteral("Library/Catalog.htm")), QStringLiteral("href=\"([^\"]+\\.pdf)\""))
                        .value(0)
                        .prepend(QStringLiteral("Library/")))));
}

TEST(ContentPages, ProjectFormSendsExactlyTheSixHeaderFields) {
    EXPECT_EQ(firstFormFieldNames(readText(QStringLiteral("NewProj/Proj.htm"))),
              (QStringList{"refnum", "projname", "subprojname", "loc", "owner", "pm"}));
}

TEST(ContentPages, PicturesHaveTheirSizes) {
    const struct {
        const char* file;
        int width;
        int height;
    } pictures[] = {
        {"images/splash.jpg", 700, 440},   {"images/about.png", 544, 264},       {"images/icon_project32.png", 32, 32},
        {"images/icon_new32.png", 32, 32}, {"images/icon_sample32.png", 32, 32}, {"images/icon_project16.png", 16, 16},
        {"images/mark_c.png", 16, 16},     {"images/mark_i.png", 16, 16},        {"images/mark_nq.png", 16, 16},
        {"images/mark_none.png", 16, 16},  {"images/printheader.bmp", 0, 0},     {"images/logo.png", 0, 0},
    };
    for (const auto& picture : pictures) {
        const QImage image(contentPath(QString::fromLatin1(picture.file)));
        ASSERT_FALSE(image.isNull()) << picture.file;
        if (picture.width > 0)
            EXPECT_EQ(image.size(), QSize(picture.width, picture.height)) << picture.file;
    }
}

TEST(ContentStyleSheets, FishboneLinksEveryCategoryAndEscapesTheHeader) {
    XmlDocument marked = database().clone();
    const char* const states[] = {"complete", "incomplete", "noquestions"};
    int i = 0;
    for (XmlNode category : marked.selectNodes(QStringLiteral("data/survey/section/category")))
        category.appendChild(marked.createElement(QStringLiteral("status"), QString::fromLatin1(states[i++ % 3])));

    const QString hostile = QStringLiteral("<b>R&D</b> \"quoted\" 'single'");
    const QString html = transform(QStringLiteral("fishbone/fishbone.xsl"), marked.documentElement(),
                                   {{"phase_id", "2"},
                                    {"projname", hostile},
                                    {"subprojname", "Sub"},
                                    {"refnum", "R-17"},
                                    {"loc", "Site"},
                                    {"pm", "PM"},
                                    {"owner", "Owner"},
                                    {"reviewdate", "May 06, 2003"},
                                    {"phase", "Design"}});

    for (const XmlNode& id : database().selectNodes(QStringLiteral("data/survey/section/category/category_id")))
        EXPECT_TRUE(html.contains(QStringLiteral("href=\"#CAT%1\"").arg(id.text()))) << id.text().toStdString();
    for (const char* command : {"#BCK", "#NXT", "#HLP", "#PRT", "#CPY"})
        EXPECT_TRUE(html.contains(QStringLiteral("href=\"%1\"").arg(QLatin1String(command)))) << command;
    for (const char* state : states)
        EXPECT_TRUE(html.contains(QStringLiteral("status-%1").arg(QLatin1String(state)))) << state;
    EXPECT_TRUE(html.contains(QStringLiteral("&lt;b&gt;R&amp;D&lt;/b&gt;")));
    EXPECT_FALSE(html.contains(QStringLiteral("<b>R&D</b>")));
    for (const QString& text : {QStringLiteral("R-17"), QStringLiteral("May 06, 2003"), QStringLiteral("Design")})
        EXPECT_TRUE(html.contains(text)) << text.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("charset"), Qt::CaseInsensitive));
}

TEST(ContentStyleSheets, QuestionPageFormMatchesTheAnswerProtocol) {
    for (const XmlNode& category : database().selectNodes(QStringLiteral("data/survey/section/category"))) {
        for (const XmlNode& phase : database().selectNodes(QStringLiteral("data/phases/phase/phase_id"))) {
            const QList<XmlNode> questions =
                category.selectNodes(QStringLiteral("question[phase_id = \"%1\"]").arg(phase.text()));
            SCOPED_TRACE("category " + childText(category, QStringLiteral("category_id")).toStdString() + " phase " +
                         phase.text().toStdString());
            const QString html =
                transform(QStringLiteral("survey/questions.xsl"), category, {{"phase_id", phase.text()}});
            // The window submits document.forms[0] and ticks document.survey.R<id>[n].
            const int surveyForm = html.indexOf(QStringLiteral("<form name=\"survey\" method=\"get\">"));
            EXPECT_GE(surveyForm, 0);
            EXPECT_EQ(surveyForm, html.indexOf(QStringLiteral("<form")));
            EXPECT_FALSE(html.contains(QStringLiteral("action=")));

            QStringList expected;
            for (const XmlNode& q : questions) {
                const QString id = childText(q, QStringLiteral("question_id"));
                for (int n = 1; n <= 5; ++n)
                    expected << QStringLiteral("R%1=V%2").arg(id).arg(n);
                const QString key = childText(q, QStringLiteral("question_number")).section(QLatin1Char('.'), 1);
                EXPECT_TRUE(html.contains(QStringLiteral("href=\"#gls%1\"").arg(key))) << key.toStdString();
            }
            QStringList fields;
            for (const QString& tag : capture(html, QStringLiteral("(<(?:input|select|textarea|button)\\b[^>]*>)"))) {
                const QString name = capture(tag, QStringLiteral("\\bname=\"([^\"]*)\"")).value(0);
                const QString value = capture(tag, QStringLiteral("\\bvalue=\"([^\"]*)\"")).value(0);
                if (!name.isEmpty())
                    fields << name + QLatin1Char('=') + value;
            }
            EXPECT_EQ(fields, expected);
        }
    }
}

TEST(ContentStyleSheets, QuestionPrintoutListsThePhaseQuestions) {
    const QString html =
        transform(QStringLiteral("survey/questions.xsl"), database().documentElement(), {{"phase_id", "3"}});
    for (const XmlNode& q : database().selectNodes(QStringLiteral("data/survey/section/category/question"))) {
        const bool inPhase = childText(q, QStringLiteral("phase_id")) == QLatin1String("3");
        EXPECT_EQ(html.contains(childText(q, QStringLiteral("question_text")).toHtmlEscaped()), inPhase)
            << childText(q, QStringLiteral("question_id")).toStdString();
    }
}

TEST(ContentStyleSheets, TreeBottomAndReviewPagesCarryTheirContracts) {
    const QString tree =
        transform(QStringLiteral("survey/qtree.xsl"), database().selectSingleNode(QStringLiteral("data/survey")), {});
    for (const XmlNode& id : database().selectNodes(QStringLiteral("data/survey/section/category/category_id")))
        EXPECT_TRUE(tree.contains(QStringLiteral("href=\"#cat%1\"").arg(id.text()))) << id.text().toStdString();
    EXPECT_TRUE(tree.contains(QStringLiteral("function swapImageWithHref(")));
    EXPECT_TRUE(tree.contains(QStringLiteral("function findAndHighlight(")));
    for (const char* mark : {"mark_c.png", "mark_i.png", "mark_nq.png", "mark_none.png"}) {
        EXPECT_TRUE(tree.contains(QLatin1String(mark))) << mark;
        EXPECT_TRUE(QFile::exists(contentPath(QStringLiteral("images/") + QLatin1String(mark)))) << mark;
    }

    const XmlNode phase = database().selectSingleNode(QStringLiteral("data/phases/phase[phase_id = \"2\"]"));
    const QString bottom = transform(QStringLiteral("survey/bottom.xsl"), phase, {});
    EXPECT_TRUE(bottom.contains(QStringLiteral("href=\"#Back\"")));
    EXPECT_TRUE(bottom.contains(childText(phase, QStringLiteral("phase_desc")).toHtmlEscaped()));

    const QString review = transform(QStringLiteral("NewReview/Review.xsl"),
                                     database().selectSingleNode(QStringLiteral("data/phases")), {});
    EXPECT_EQ(firstFormFieldNames(review), QStringList{"phase"});
    EXPECT_TRUE(review.contains(QStringLiteral("method=\"get\"")));
    EXPECT_FALSE(review.contains(QStringLiteral("action=")));
    EXPECT_TRUE(review.contains(QStringLiteral("#CLS\"")));
    QStringList phaseIds;
    for (const XmlNode& id : database().selectNodes(QStringLiteral("data/phases/phase/phase_id")))
        phaseIds << id.text();
    EXPECT_EQ(capture(review, QStringLiteral("<option value=\"([^\"]*)\"")), phaseIds);
}

TEST(ContentStyleSheets, ReferenceIndexesLinkEveryEntry) {
    const struct {
        const char* indexSheet;
        const char* listPath;
        const char* idPath;
        const char* linkPrefix;
        const char* entrySheet;
        const char* entryPath;
        const char* entryText;
    } windows[] = {
        {"definitions/glossindex.xsl", "data/glossary", "data/glossary/gloss_item/gloss_key", "#gls",
         "definitions/glossdefs.xsl", "data/glossary/gloss_item[gloss_key = \"1A1\"]", "definition"},
        {"acronyms/acroindex.xsl", "data/acronyms", "data/acronyms/acronym/acronym_id", "#acr", "acronyms/acrodefs.xsl",
         "data/acronyms/acronym[acronym_id = \"13\"]", "meaning"},
    };
    for (const auto& window : windows) {
        SCOPED_TRACE(window.indexSheet);
        const QString index = transform(QString::fromLatin1(window.indexSheet),
                                        database().selectSingleNode(QString::fromLatin1(window.listPath)), {});
        EXPECT_TRUE(index.contains(QStringLiteral("function findAndHighlight(")));
        for (const XmlNode& id : database().selectNodes(QString::fromLatin1(window.idPath)))
            EXPECT_TRUE(
                index.contains(QStringLiteral("href=\"%1%2\"").arg(QLatin1String(window.linkPrefix), id.text())))
                << id.text().toStdString();

        const XmlNode entry = database().selectSingleNode(QString::fromLatin1(window.entryPath));
        const QString page = transform(QString::fromLatin1(window.entrySheet), entry, {});
        EXPECT_TRUE(page.contains(childText(entry, QString::fromLatin1(window.entryText)).toHtmlEscaped()));
        EXPECT_TRUE(page.contains(QStringLiteral("href=\"#PRT\"")));
        EXPECT_TRUE(page.contains(QStringLiteral("href=\"#BCK\"")));
    }
}

TEST(ContentStyleSheets, IndexPagesKeepTheirMarkInSight) {
    // Each index is written beside its style sheet; the shared script sits one folder up.
    const struct {
        const char* sheet;
        const char* input;
    } indexes[] = {
        {"definitions/glossindex.xsl", "data/glossary"},
        {"acronyms/acroindex.xsl", "data/acronyms"},
        {"survey/qtree.xsl", "data/survey"},
    };
    for (const auto& index : indexes) {
        SCOPED_TRACE(index.sheet);
        const QString page = transform(QString::fromLatin1(index.sheet),
                                       database().selectSingleNode(QString::fromLatin1(index.input)), {});
        // A script element needs its end tag, or the rest of the page would be read as script.
        EXPECT_TRUE(page.contains(QStringLiteral("<script src=\"../scripts/indexmark.js\"></script>")));
        EXPECT_TRUE(page.contains(QStringLiteral("keepMarkInSight(found)")));
    }
    EXPECT_TRUE(readText(QStringLiteral("scripts/indexmark.js")).contains(QStringLiteral("function keepMarkInSight(")));
}

// A scored copy as the report builders hand it over, with round numbers: every category risk 25,
// every section risk 40, the survey score 70, and four scorecard items per question of phase 2.
XmlDocument reportCopy() {
    XmlDocument copy = database().clone();
    for (XmlNode section : copy.selectNodes(QStringLiteral("data/survey/section"))) {
        for (XmlNode category : section.selectNodes(QStringLiteral("category"))) {
            category.appendChild(copy.createElement(QStringLiteral("status"), QStringLiteral("complete")));
            category.appendChild(copy.createElement(QStringLiteral("score"), QStringLiteral("25")));
            XmlNode scorecard = copy.createElement(QStringLiteral("scorecard"));
            category.appendChild(scorecard);
            for (const XmlNode& q : category.selectNodes(QStringLiteral("question[phase_id = 2]"))) {
                const QString id = childText(q, QStringLiteral("question_id"));
                for (const QString& item : {"T" + id, "A" + id, QStringLiteral("75%"), QStringLiteral("50%")})
                    scorecard.appendChild(copy.createElement(QStringLiteral("item"), item));
            }
        }
        section.appendChild(copy.createElement(QStringLiteral("score"), QStringLiteral("40")));
    }
    copy.selectSingleNode(QStringLiteral("data/survey"))
        .appendChild(copy.createElement(QStringLiteral("score"), QStringLiteral("70")));
    return copy;
}

TEST(ContentStyleSheets, ReportScreensShowTheirChartsScoresAndCommands) {
    const XmlDocument copy = reportCopy();
    QStringList sectionLinks;
    for (const XmlNode& id : database().selectNodes(QStringLiteral("data/survey/section/section_id")))
        sectionLinks << QStringLiteral("href=\"#DSH%1\"").arg(id.text())
                     << QStringLiteral("src=\"graph%1.png\"").arg(id.text());
    QStringList sectionTwoItems;
    for (const XmlNode& id : database().selectNodes(
             QStringLiteral("data/survey/section[section_id = 2]/category/question[phase_id = 2]/question_id")))
        sectionTwoItems << ">T" + id.text() + "<"
                        << ">A" + id.text() + "<";
    const QString otherSectionItem =
        ">T" +
        database()
            .selectSingleNode(
                QStringLiteral("data/survey/section[section_id = 0]/category/question[phase_id = 2]/question_id"))
            .text() +
        "<";

    const struct {
        const char* sheet;
        const char* input;
        QStringList required;
        QStringList forbidden;
    } screens[] = {
        {"tilechart/tilechart.xsl", "data/survey", {">75<", ">60<", "band-1", "band-2", "#NXT\"", "#BCK\""}, {}},
        {"dashboard1/dashboard1.xsl", "data", sectionLinks + QStringList{"#HLP\"", "#NXT\""}, {}},
        {"dashboard2/dashboard2.xsl", "data", sectionLinks + QStringList{"#HLP\"", "#NXT\""}, {}},
        {"scorecard/scorecard.xsl",
         "data/survey/section[section_id = 2]",
         sectionTwoItems + QStringList{">75%<", ">50%<"},
         {otherSectionItem}},
        {"projecttrendgraph/projecttrendgraph.xsl", "data", {"src=\"graph.png\"", "#NXT\"", "#BCK\""}, {}},
        {"ProjectTrendDetail/ProjectTrendDetail.xsl", "data", {"src=\"graph.png\"", "#NXT\"", "#BCK\""}, {}},
        {"element/element.xsl", "data", {"src=\"graph.png\"", "#BCK\"", "#HLP\""}, {}},
    };
    for (const auto& screen : screens) {
        SCOPED_TRACE(screen.sheet);
        const QString html = transformWithNumbers(
            QString::fromLatin1(screen.sheet), copy.selectSingleNode(QString::fromLatin1(screen.input)),
            {{"phase_id", "2"}, {"projname", "<b>R&D</b>"}, {"phase", "Design"}}, {{"score", 72}, {"sec_id", 3}});
        for (const QString& piece : screen.required + QStringList{"#PRT\"", "#CPY\"", "&lt;b&gt;R&amp;D&lt;/b&gt;"})
            EXPECT_TRUE(html.contains(piece)) << "lacks " << piece.toStdString();
        for (const QString& piece : screen.forbidden)
            EXPECT_FALSE(html.contains(piece)) << "holds " << piece.toStdString();
        EXPECT_FALSE(html.contains(QStringLiteral("<b>R&D</b>")));
    }
    // The scorecard lists its items in question order.
    const QString scorecard =
        transformWithNumbers(QStringLiteral("scorecard/scorecard.xsl"),
                             copy.selectSingleNode(QStringLiteral("data/survey/section[section_id = 2]")),
                             {{"phase_id", "2"}}, {{"score", 72}});
    int last = -1;
    for (const QString& item : sectionTwoItems) {
        const int at = scorecard.indexOf(item);
        EXPECT_GT(at, last) << item.toStdString();
        last = at;
    }
    const QString element = transformWithNumbers(QStringLiteral("element/element.xsl"), copy.documentElement(),
                                                 {{"phase_id", "2"}}, {{"score", 72}, {"sec_id", 3}});
    EXPECT_TRUE(
        element.contains(database()
                             .selectSingleNode(QStringLiteral("data/survey/section[section_id = 3]/section_desc"))
                             .text()
                             .toHtmlEscaped()));
}

TEST(ContentStyleSheets, PriorityOrderGivesScoredQuestionsHeaviestFirstAndTheElementTableFollowsIt) {
    // Section 3 in phase 4: answer each question with option 1, 2, 3, 4, 5, 1, ... in turn.
    XmlDocument copy = database().clone();
    XmlNode section = copy.selectSingleNode(QStringLiteral("data/survey/section[section_id = 3]"));
    const QList<XmlNode> questions = section.selectNodes(QStringLiteral("category/question[phase_id = 4]"));
    ASSERT_GE(questions.size(), 6);
    std::map<QString, std::pair<double, QString>> expected; // keyword -> weight, risk text
    QStringList notApplicable;
    int n = 0;
    for (XmlNode q : questions) {
        const QString answer = QString::number(n++ % 5 + 1);
        q.appendChild(copy.createElement(QStringLiteral("response"), answer));
        if (answer == QLatin1String("5"))
            notApplicable << childText(q, QStringLiteral("question_keyword"));
        else
            expected[childText(q, QStringLiteral("question_keyword"))] = {
                childText(q, QStringLiteral("weight")).toDouble(), childText(q, "answer" + answer + "weight")};
    }
    // One question of another phase answered, which must stay out.
    XmlNode otherPhase = section.selectSingleNode(QStringLiteral("category/question[phase_id = 5]"));
    otherPhase.appendChild(copy.createElement(QStringLiteral("response"), QStringLiteral("4")));

    XmlDocument sorted = XmlDocument::create();
    ASSERT_TRUE(
        sorted.loadXML(transform(QStringLiteral("dashboard2/sortbyqweight.xsl"), section, {{"phase_id", "4"}})));
    ASSERT_EQ(sorted.documentElement().name(), QStringLiteral("section"));
    const QList<XmlNode> rows = sorted.selectNodes(QStringLiteral("section/question"));
    ASSERT_EQ(rows.size(), static_cast<int>(expected.size()));
    double previousWeight = 2.0;
    for (const XmlNode& row : rows) {
        const QString keyword = childText(row, QStringLiteral("question_keyword"));
        ASSERT_EQ(expected.count(keyword), 1u) << keyword.toStdString();
        EXPECT_EQ(childText(row, QStringLiteral("score")), expected[keyword].second) << keyword.toStdString();
        EXPECT_LE(expected[keyword].first, previousWeight) << keyword.toStdString();
        previousWeight = expected[keyword].first;
    }

    // The element page's table: the chart's questions in the chart's order, numbered as its bars,
    // then those answered not applicable, marked so.
    const QString element = transformWithNumbers(QStringLiteral("element/element.xsl"), copy.documentElement(),
                                                 {{"phase_id", "4"}}, {{"score", 50}, {"sec_id", 3}});
    QStringList charted;
    QStringList marked;
    auto it = QRegularExpression(
                  QStringLiteral("<tr[^>]*>\\s*<td class=\"num\">([^<]*)</td>\\s*<td>[^<]*</td>\\s*<td>([^<]*)</td>"))
                  .globalMatch(element);
    while (it.hasNext()) {
        const QRegularExpressionMatch row = it.next();
        if (row.captured(1) == QLatin1String("N/A"))
            marked << row.captured(2);
        else
            charted << row.captured(1) + QLatin1Char(' ') + row.captured(2);
    }
    QStringList chartOrder;
    for (int i = 0; i < rows.size(); ++i)
        chartOrder << QString::number(i + 1) + QLatin1Char(' ') +
                          childText(rows.at(i), QStringLiteral("question_keyword"));
    EXPECT_EQ(charted, chartOrder);
    EXPECT_EQ(marked, notApplicable);
}

TEST(ContentStyleSheets, WholeNumberScoresTakeHalvesToTheEvenNeighbour) {
    // Risks 31.5, 30.5, 27.5 and 26.5 are shown as 68.5, 69.5, 72.5 and 73.5 before rounding.
    XmlDocument survey = XmlDocument::create();
    ASSERT_TRUE(survey.loadXML(
        QStringLiteral("<survey><score>50</score><section><section_id>2</section_id><section_desc>People</section_desc>"
                       "<score>31.5</score>"
                       "<category><small_cat_desc>Aa</small_cat_desc><score>30.5</score><scorecard/></category>"
                       "<category><small_cat_desc>Bb</small_cat_desc><score>27.5</score><scorecard/></category>"
                       "<category><small_cat_desc>Cc</small_cat_desc><score>26.5</score><scorecard/></category>"
                       "</section></survey>")));
    const QString tiles =
        transformWithNumbers(QStringLiteral("tilechart/tilechart.xsl"), survey.documentElement(), {}, {{"score", 50}});
    const QString card =
        transformWithNumbers(QStringLiteral("scorecard/scorecard.xsl"),
                             survey.selectSingleNode(QStringLiteral("survey/section")), {}, {{"score", 50}});
    for (const QString& html : {tiles, card}) {
        const QStringList shown = capture(html, QStringLiteral("[>:]\\s*(\\d+)\\s*<"));
        for (const char* figure : {"68", "70", "72", "74"})
            EXPECT_TRUE(shown.contains(QLatin1String(figure))) << figure << " not in " << shown.join(',').toStdString();
        for (const char* figure : {"69", "73"})
            EXPECT_FALSE(shown.contains(QLatin1String(figure))) << figure << " in " << shown.join(',').toStdString();
    }
}

TEST(ContentStyleSheets, TileBandsChangeAtTheScoreChartsEdges) {
    // Rework risks on either side of each edge, and the band each tile takes.
    const struct {
        const char* risk;
        const char* band;
    } edges[] = {{"32.99", "band-1"}, {"33", "band-2"},    {"66.99", "band-2"},
                 {"67", "band-3"},    {"89.99", "band-3"}, {"90", "band-4"}};
    QString categories;
    for (const auto& edge : edges)
        categories += QStringLiteral("<category><small_cat_desc>Risk %1</small_cat_desc><score>%1</score></category>")
                          .arg(QLatin1String(edge.risk));
    XmlDocument survey = XmlDocument::create();
    ASSERT_TRUE(survey.loadXML(QStringLiteral("<survey><score>50</score><section><section_id>2</section_id>"
                                              "<section_desc>People</section_desc><score>50</score>") +
                               categories + QStringLiteral("</section></survey>")));
    const QString tiles =
        transformWithNumbers(QStringLiteral("tilechart/tilechart.xsl"), survey.documentElement(), {}, {{"score", 50}});
    for (const auto& edge : edges) {
        const QStringList band = capture(tiles, QStringLiteral("class=\"tile ([^\"]*)\">Risk %1<")
                                                    .arg(QRegularExpression::escape(QString::fromLatin1(edge.risk))));
        EXPECT_EQ(band, QStringList{QLatin1String(edge.band)}) << "risk " << edge.risk;
    }
}

TEST(ContentPages, ChartInstructionsExplainEveryBandColourAndMark) {
    // The score charts' four band colours and the two not-applicable marks (the placeholder title and
    // the element table's rows), each shown as on the screens.
    const QString charts = readText(QStringLiteral("Instructions/charts.htm"));
    for (const char* piece : {"class=\"band-1\"", "class=\"band-2\"", "class=\"band-3\"", "class=\"band-4\"", "green",
                              "yellow", "orange", "red", "(N/A)", "<em>N/A</em>", "<em>Bar</em>"})
        EXPECT_TRUE(charts.contains(QLatin1String(piece))) << piece;
    // Every status mark the rework cause diagram can show.
    const QString fishbone = readText(QStringLiteral("Instructions/fishbone.htm"));
    for (const char* mark : {"mark_c.png", "mark_i.png", "mark_nq.png", "mark_none.png"})
        EXPECT_TRUE(fishbone.contains(QLatin1String(mark))) << mark;
}

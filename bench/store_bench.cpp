// Store timings: loading the questionnaire, refusing a flood of attributes hidden in UTF-7, copying
// the questionnaire from its XML text, completion marking with scoring for one fully answered
// review, and counting complete reviews, on the shipped questionnaire and on one ten times its size.
// Scoring must grow with the questionnaire, not with questions times answers, so the ten-times
// figures should be about ten times the shipped ones.
#include "RunBenchmarks.h"
#include "platform/xml/XmlDocument.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/Scoring.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using Xml::XmlDocument;
using Xml::XmlNode;

// A questionnaire of the shipped shape when the content is not laid out: 5 sections of 4
// categories of 6 questions over 5 phases.
QString generatedQuestionnaire() {
    QString xml = "<data><phases>";
    for (int p = 1; p <= 5; ++p)
        xml += QString("<phase><phase_id>%1</phase_id><phase_desc>Phase %1</phase_desc></phase>").arg(p);
    xml += "</phases><survey>";
    int category = 0;
    for (int s = 0; s < 5; ++s) {
        xml += QString("<section><section_id>%1</section_id><section_desc>Section %1</section_desc>"
                       "<section_weight>0.2</section_weight>")
                   .arg(s);
        for (int c = 0; c < 4; ++c, ++category) {
            xml += QString("<category><category_id>%1</category_id><small_cat_desc>C%1</small_cat_desc>").arg(category);
            for (int q = 1; q <= 6; ++q) {
                xml += QString("<question><question_id>%1%2</question_id><question_number>%1.%2</question_number>"
                               "<question_keyword>K</question_keyword><phase_id>%3</phase_id><weight>0.5</weight>"
                               "<question_text>Question text of some length to parse.</question_text>")
                           .arg(category)
                           .arg(q, 2, 10, QChar('0'))
                           .arg(1 + (q + c) % 5);
                for (int a = 1; a <= 5; ++a)
                    xml += QString("<answer%1>Option %1</answer%1>").arg(a);
                xml += "<answer1weight>0</answer1weight><answer2weight>30</answer2weight>"
                       "<answer3weight>70</answer3weight><answer4weight>100</answer4weight></question>";
            }
            xml += "</category>";
        }
        xml += "</section>";
    }
    xml += "</survey><glossary>";
    for (int g = 0; g < 250; ++g)
        xml += QString("<gloss_item><gloss_key>%1A%2</gloss_key><small_term>Term %2</small_term>"
                       "<definition>A definition of moderate length.</definition></gloss_item>")
                   .arg(g % 5)
                   .arg(g);
    return xml + "</glossary><acronyms/></data>";
}

void copyInto(XmlDocument& document, const XmlNode& source, const XmlNode& parent) {
    const QList<XmlNode> children = source.childElements();
    XmlNode element =
        XMLhelpers::AddElement(document, source.name(), children.isEmpty() ? source.text() : QString(), parent);
    for (const XmlNode& child : children)
        copyInto(document, child, element);
}

// Each section's categories and questions replicated ten times with fresh ids; same phases.
QString tenfold(const QString& shipped) {
    XmlDocument document = XmlDocument::create();
    document.loadXML(shipped);
    for (const XmlNode& section : document.selectNodes("data/survey/section")) {
        const QList<XmlNode> categories = section.selectNodes("category");
        for (int copy = 1; copy < 10; ++copy) {
            for (const XmlNode& category : categories) {
                copyInto(document, category, section);
                const XmlNode added = section.childElements().last();
                XmlNode id = added.selectSingleNode("category_id");
                id.setText(QString::number(id.text().toInt() + 1000 * copy));
                for (XmlNode questionId : added.selectNodes("question/question_id"))
                    questionId.setText(QString::number(questionId.text().toInt() + 100000 * copy));
            }
        }
    }
    return document.xml();
}

// A review of the given phase answering every question of the questionnaire.
QString fullReview(const XmlDocument& data, int phase) {
    QString xml = QString("<review id=\"1\"><phase>%1</phase><date>May 06, 2003</date>").arg(phase);
    int answer = 0;
    for (const XmlNode& id : data.selectNodes("data/survey/section/category/question/question_id"))
        xml += QString("<response><question_id>%1</question_id><answer>%2</answer></response>")
                   .arg(id.text())
                   .arg(1 + answer++ % 5);
    return xml + "</review>";
}

struct Questionnaires {
    QTemporaryDir dir;
    QString shippedPath;
    QString tenfoldPath;
    QString shippedXml;
    QString tenfoldXml;

    Questionnaires() {
        shippedPath = QStringLiteral(TOVA_APP_DIR) + "/database/data.xml";
        QFile shipped(shippedPath);
        if (shipped.open(QIODevice::ReadOnly)) {
            XmlDocument document = XmlDocument::create();
            document.loadXML(QString::fromUtf8(shipped.readAll()));
            shippedXml = document.xml();
        } else {
            shippedXml = generatedQuestionnaire();
            shippedPath = write("shipped.xml", shippedXml);
        }
        tenfoldXml = tenfold(shippedXml);
        tenfoldPath = write("tenfold.xml", tenfoldXml);
    }
    QString write(const QString& name, const QString& xml) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(xml.toUtf8());
        return file.fileName();
    }
    const QString& path(int which) const { return which == 0 ? shippedPath : tenfoldPath; }
    const QString& xml(int which) const { return which == 0 ? shippedXml : tenfoldXml; }
};

Questionnaires& questionnaires() {
    static Questionnaires instance;
    return instance;
}

const char* label(int which) {
    return which == 0 ? "shipped" : "tenfold";
}

void BM_LoadDatabase(benchmark::State& state) {
    const QString& path = questionnaires().path(int(state.range(0)));
    for (auto _ : state) {
        XmlDocument document = XmlDocument::create();
        benchmark::DoNotOptimize(document.load(path));
    }
    state.SetLabel(label(int(state.range(0))));
}
BENCHMARK(BM_LoadDatabase)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A questionnaire whose root carries count attributes, in UTF-7 with each "=" and quote in base64
// form: the bytes themselves hold no attribute syntax at all.
QByteArray utf7AttributeFlood(int count) {
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-7\"?><data";
    for (int i = 0; i < count; ++i)
        xml += " a" + QByteArray::number(i) + "+AD0AIg-v+ACI-";
    return xml + "/>";
}

// Refusing the flood: decoding and counting, never the parser's minutes.
void BM_RefuseUtf7AttributeFlood(benchmark::State& state) {
    const QByteArray flood = utf7AttributeFlood(int(state.range(0)));
    for (auto _ : state) {
        XmlDocument document = XmlDocument::create();
        benchmark::DoNotOptimize(document.loadBytes(flood));
    }
    state.SetLabel(QByteArray::number(flood.size() / 1024) + " KiB");
}
BENCHMARK(BM_RefuseUtf7AttributeFlood)->Arg(40000)->Arg(800000)->Unit(benchmark::kMillisecond);

void BM_CopyFromXmlText(benchmark::State& state) {
    XmlDocument data = XmlDocument::create();
    data.loadXML(questionnaires().xml(int(state.range(0))));
    for (auto _ : state) {
        XmlDocument copy = XmlDocument::create();
        benchmark::DoNotOptimize(copy.loadXML(data.xml()));
    }
    state.SetLabel(label(int(state.range(0))));
}
BENCHMARK(BM_CopyFromXmlText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_MarkAndScoreOneReview(benchmark::State& state) {
    const QString& xml = questionnaires().xml(int(state.range(0)));
    XmlDocument data = XmlDocument::create();
    data.loadXML(xml);
    XmlDocument review = XmlDocument::create();
    review.loadXML(fullReview(data, 1));
    XmlDocument copy;
    for (auto _ : state) {
        // Making the copy and freeing the previous one are not part of the measured work.
        state.PauseTiming();
        copy = XmlDocument::create();
        copy.loadXML(xml);
        state.ResumeTiming();
        benchmark::DoNotOptimize(Globals::MarkCategoryStatus(copy, 1, review));
        Globals::ComputeScores(copy, review, 1);
    }
    state.SetLabel(label(int(state.range(0))));
}
BENCHMARK(BM_MarkAndScoreOneReview)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_CountCompleteReviews(benchmark::State& state) {
    Globals::gDataDoc = XmlDocument::create();
    Globals::gDataDoc.loadXML(questionnaires().xml(0));
    QString project = "<project>";
    for (int i = 0; i < state.range(0); ++i)
        project += fullReview(Globals::gDataDoc, 1 + i % 5).replace("id=\"1\"", QString("id=\"%1\"").arg(i + 1));
    XmlDocument document = XmlDocument::create();
    document.loadXML(project + "</project>");
    const QList<XmlNode> reviews = document.selectNodes("project/review");
    for (auto _ : state)
        benchmark::DoNotOptimize(Globals::CountCompleteReviews(reviews));
    Globals::gDataDoc = XmlDocument();
}
BENCHMARK(BM_CountCompleteReviews)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QCoreApplication>(argc, argv);
}

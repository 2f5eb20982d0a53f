// Speed of the fishbone build (database copy, completion marks, style sheet, transformation and
// page file, without the browser) on the shipped questionnaire and on one ten times its size, side
// by side with the xsltproc program applying the same style sheet to the same marked copy.
// Also measures, once, how long start-up takes to show the main window (without the intro).
#include "platform/AppFolder.h"
#include "platform/NumberLocale.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "platform/browser/WebBrowser.h"
#include "platform/xml/XmlDocument.h"
#include "reports/Fishbone.h"
#include "reports/ReportPipeline.h"
#include "shell/ShellGlobals.h"
#include "shell/Startup.h"
#include "shell/ui/frmBrowser.h"
#include "store/Database.h"
#include "store/ProjectFiles.h"
#include "store/Reviews.h"
#include "store/Scoring.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// A browser that goes nowhere: the build is measured without the web engine.
class NullBrowser final : public tova::WebBrowser {
public:
    QString Name() const override { return QStringLiteral("bench"); }
    void Navigate2(const QString&, const QString&) override {}
    bool Busy() const override { return false; }
    int ReadyState() const override { return 4; }
    bool IsFrameComplete(const QString&) const override { return true; }
    QString LocationName() const override { return QString(); }
    QString LocationURL() const override { return QString(); }
    bool ExecScript(const QString&, const QString&) override { return true; }
};

QString shippedDatabaseText() {
    QFile file(tova::appPath(QStringLiteral("database/data.xml")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Nine more copies of every category, with ids moved out of the way of the originals.
QString tenTimesDatabase(const QString& shipped) {
    Xml::XmlDocument doc = Xml::XmlDocument::create();
    doc.loadXML(shipped);
    QString text = doc.xml();
    static const QRegularExpression categoryPattern(QStringLiteral("<category>.*?</category>"),
                                                    QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression categoryId(QStringLiteral("<category_id>(\\d+)</category_id>"));
    static const QRegularExpression questionId(QStringLiteral("<question_id>(\\d+)</question_id>"));
    QString result;
    qsizetype last = 0;
    auto it = categoryPattern.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        result += text.mid(last, match.capturedEnd() - last);
        last = match.capturedEnd();
        for (int k = 1; k < 10; ++k) {
            QString copy = match.captured();
            auto shift = [&copy](const QRegularExpression& pattern, const QString& tag, int by) {
                QString shifted;
                qsizetype from = 0;
                auto ids = pattern.globalMatch(copy);
                while (ids.hasNext()) {
                    const QRegularExpressionMatch id = ids.next();
                    shifted += copy.mid(from, id.capturedStart() - from);
                    shifted += QStringLiteral("<%1>%2</%1>").arg(tag).arg(id.captured(1).toInt() + by);
                    from = id.capturedEnd();
                }
                copy = shifted + copy.mid(from);
            };
            shift(categoryId, QStringLiteral("category_id"), k * 100);
            shift(questionId, QStringLiteral("question_id"), k * 3000);
            result += copy;
        }
    }
    return result + text.mid(last);
}

struct Scene {
    QString shipped;
    QString tenTimes;
    QTemporaryDir scratch;
};

Scene& scene() {
    static Scene s;
    return s;
}

void useDatabase(const QString& text) {
    Globals::gDataDoc = Xml::XmlDocument::create();
    Globals::gDataDoc.loadXML(text);
}

void BM_FishboneBuild(benchmark::State& state) {
    useDatabase(state.range(0) == 10 ? scene().tenTimes : scene().shipped);
    NullBrowser browser;
    for (auto _ : state)
        Reports::GoToFishbone(browser);
    state.counters["questions"] =
        static_cast<double>(Globals::gDataDoc.selectNodes(QStringLiteral("//question")).size());
}

// The same style sheet on the same marked copy, by xsltproc as a separate process.
void BM_XsltprocFishbone(benchmark::State& state) {
    useDatabase(state.range(0) == 10 ? scene().tenTimes : scene().shipped);
    Xml::XmlDocument marked = Reports::CopyDatabase();
    Globals::MarkCategoryStatus(marked, Globals::GetCurrentPhase().toShort(), Globals::GetCurrentReviewDoc());
    const QString input = scene().scratch.filePath(QStringLiteral("marked%1.xml").arg(state.range(0)));
    QFile file(input);
    file.open(QIODevice::WriteOnly);
    file.write(marked.toFileBytes());
    file.close();
    const QString output = scene().scratch.filePath(QStringLiteral("fish.htm"));
    QStringList arguments{QStringLiteral("-o"), output};
    for (const Reports::ReportParameter& parameter : Reports::HeaderParameters())
        arguments << QStringLiteral("--stringparam") << parameter.name << std::get<QString>(parameter.value);
    arguments << tova::appPath(QStringLiteral("fishbone/fishbone.xsl")) << input;
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral("xsltproc"), arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            state.SkipWithError("xsltproc failed");
            break;
        }
    }
}

BENCHMARK(BM_FishboneBuild)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XsltprocFishbone)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// Start-up as the program runs it (no intro program is shipped): database, splash, main window
// with its browser, the welcome page loaded and its introduction entry highlighted, window shown.
void measureStartUp() {
    QElapsedTimer timer;
    timer.start();
    Globals::Main();
    std::printf("start-up to the main window shown: %lld ms\n", static_cast<long long>(timer.elapsed()));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    tova::useCNumbersInCLibrary();
    tova::services().appFolder = QStringLiteral(TOVA_APP_DIR);
    // The recent-files list of this run stays out of the user's own settings.
    tova::SettingsStore settings(scene().scratch.filePath(QStringLiteral("settings.ini")));
    tova::services().settings = &settings;
    measureStartUp();

    scene().shipped = shippedDatabaseText();
    scene().tenTimes = tenTimesDatabase(scene().shipped);
    Globals::OpenProject(tova::appPath(QStringLiteral("sample.tova")));

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete frmBrowser::existingInstance();
    return 0;
}

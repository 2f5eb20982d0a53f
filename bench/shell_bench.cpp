// Speed of the fishbone build (database copy, completion marks, style sheet, transformation and
// page file, without the browser) on the shipped questionnaire and on one ten times its size, side
// by side with the xsltproc program applying the same style sheet to the same marked copy.
// Also measures, once, how long start-up takes to show the main window (without the intro), and
// how long opening a file of millions of empty elements takes in that window.
#include "LargeInputs.h"
#include "NullBrowser.h"
#include "Xsltproc.h"
#include "platform/AppFolder.h"
#include "platform/NumberLocale.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "platform/xml/XmlDocument.h"
#include "reports/Fishbone.h"
#include "reports/ReportPipeline.h"
#include "shell/ShellGlobals.h"
#include "shell/Startup.h"
#include "shell/ui/frmBrowser.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"
#include "store/Reviews.h"
#include "store/Scoring.h"
#include "support/AppFolderCopy.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

QString shippedDatabaseText() {
    QFile file(tova::appPath(QStringLiteral("database/data.xml")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
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
    bench::NullBrowser browser;
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
    bench::runXsltprocEachIteration(state, arguments);
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

// Opening a file of millions of empty elements as Sample Project or Load Project does, in the
// main window of the start-up above: the file, the fishbone screen in the real browser, the title
// and the menus; then the events that follow until the window is idle. Printed next to one parse.
void measureOpenOfEmptyElements() {
    for (int kind : {0, 2}) {
        const QString path = scene().scratch.filePath(QStringLiteral("empty%1.tova").arg(kind));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bench::emptyElementsProject(kind)) < 0)
            return;
        file.close();
        QElapsedTimer timer;
        timer.start();
        Xml::XmlDocument parsed = Xml::XmlDocument::create();
        parsed.load(path, nullptr, 16LL * 1024 * 1024);
        const qint64 parse = timer.restart();
        parsed = Xml::XmlDocument();
        timer.restart();
        Globals::OpenProjectAndShow(path);
        const qint64 open = timer.elapsed();
        for (int i = 0; i < 50; ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        std::printf("empty elements %d: parse %lld ms, open and show %lld ms, with the events that follow %lld ms\n",
                    kind, static_cast<long long>(parse), static_cast<long long>(open),
                    static_cast<long long>(timer.elapsed()));
        Globals::ResetProjectState();
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    tova::useCNumbersInCLibrary();
    // Pages and pictures are written into a copy: the built folder is the one the program starts from.
    const QString appFolder = scene().scratch.filePath(QStringLiteral("app"));
    tova::test::copyAppFolderWithoutProgram(QStringLiteral(TOVA_APP_DIR), QStringLiteral(TOVA_APP_DIR "/tova"),
                                            appFolder);
    tova::services().appFolder = appFolder;
    // The recent-files list of this run stays out of the user's own settings.
    tova::SettingsStore settings(scene().scratch.filePath(QStringLiteral("settings.ini")));
    tova::services().settings = &settings;
    measureStartUp();
    measureOpenOfEmptyElements();

    scene().shipped = shippedDatabaseText();
    scene().tenTimes = bench::tenTimesDatabase(scene().shipped);
    Globals::OpenProject(tova::appPath(QStringLiteral("sample.tova")));

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete frmBrowser::existingInstance();
    return 0;
}

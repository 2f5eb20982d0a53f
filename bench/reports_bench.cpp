// Report screens built as the program builds them (questionnaire copy, marks and scores, the chart
// pictures drawn and saved, style sheet, transformation, page file; no browser) side by side with the
// same page without its pictures and with libxslt alone doing what xsltproc does with the same style
// sheet, the same prepared input file and the same parameters (parse both, transform, serialise), on
// the shipped questionnaire and on one ten times its size.
// Also: both trend screens of projects of 10 to 9,000 complete reviews (9,000 fill the size limit),
// each review's share of them read against one load of the questionnaire timed in the same run;
// opening a project at the size limit made of complete reviews and building its fishbone, and opening
// a file of that size made of millions of empty elements.
#include "LargeInputs.h"
#include "NullBrowser.h"
#include "Xsltproc.h"
#include "platform/AppFolder.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "platform/browser/WebBrowser.h"
#include "platform/xml/XmlDocument.h"
#include "reports/Dashboards.h"
#include "reports/Fishbone.h"
#include "reports/ReportPipeline.h"
#include "reports/Scorecard.h"
#include "reports/ScreenSupport.h"
#include "reports/TileChart.h"
#include "reports/TrendScreens.h"
#include "reports/charts/ui/TrendCharts.h"
#include "reports/charts/ui/frmGraphs.h"
#include "reports/charts/ui/frmProjectTrendDetail.h"
#include "reports/charts/ui/frmProjectTrendGraph.h"
#include "shell/MenuState.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"
#include "store/Reviews.h"
#include "store/Scoring.h"
#include "support/AppFolderCopy.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <libxslt/transform.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <ctime>
#include <memory>
#include <vector>

namespace {

enum Screen { Fishbone, TileChart, Scorecard, Dashboard, PriorityDashboard, TrendGraph, TrendDetail };
const char* const kScreenNames[] = {"fishbone",           "tilechart",   "scorecard",   "dashboard",
                                    "priority dashboard", "trend graph", "trend detail"};

bool hasCharts(int screen) {
    return screen >= Dashboard;
}

struct Scene {
    QTemporaryDir scratch;
    QString shipped;
    QString tenTimes;
};

Scene& scene() {
    static Scene s;
    return s;
}

// Arguments: screen, questionnaire size (1 or 10), and for the program's screens whether the chart
// pictures are drawn (1) or left out (0: the page alone).
void setLabel(benchmark::State& state) {
    std::string label = std::string(kScreenNames[state.range(0)]) + (state.range(1) == 10 ? " tenfold" : " shipped");
    if (hasCharts(int(state.range(0))) && state.range(2) == 0)
        label += " page alone";
    state.SetLabel(label);
}

// The questionnaire of the given size and a project of one complete review of phase 1, open.
bool openScene(benchmark::State& state) {
    Globals::gDataDoc = Xml::XmlDocument::create();
    Globals::gDataDoc.loadXML(state.range(1) == 10 ? scene().tenTimes : scene().shipped);
    const QString path = scene().scratch.filePath(QStringLiteral("one%1.tova").arg(state.range(1)));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bench::projectOfCompleteReviews(Globals::gDataDoc, 1, 1 << 30)) < 0) {
        state.SkipWithError("cannot write the project");
        return false;
    }
    file.close();
    if (!Globals::OpenProject(path)) {
        state.SkipWithError("the project did not open");
        return false;
    }
    return true;
}

qint16 firstSectionId() {
    return qint16(
        Globals::gDataDoc.selectSingleNode(QStringLiteral("data/survey/section/section_id")).text().toShort());
}

// The screen's page and the chart drawer the program gives it; no drawer for the page alone.
void buildChartScreen(int screen, bool charts, tova::WebBrowser& browser) {
    switch (screen) {
    case Dashboard:
        Reports::GoToDashboard(Reports::dashboardRow(),
                               charts ? &frmGraphs::GenerateSectionGraphs : Reports::ChartDrawer(), browser);
        break;
    case PriorityDashboard:
        Reports::GoToDashboard(Reports::priorityDashboardRow(),
                               charts ? &frmGraphs::GeneratePriorityGraphs : Reports::ChartDrawer(), browser);
        break;
    case TrendGraph:
        Reports::GoToProjectTrend(Reports::projectTrendGraphRow(),
                                  charts ? &frmProjectTrendGraph::GenerateProjectTrendGraph : Reports::ChartDrawer(),
                                  browser);
        break;
    default:
        Reports::GoToProjectTrend(Reports::projectTrendDetailRow(),
                                  charts ? &frmProjectTrendDetail::GenerateProjectTrendDetail : Reports::ChartDrawer(),
                                  browser);
        break;
    }
}

void BM_ProgramScreen(benchmark::State& state) {
    if (!openScene(state))
        return;
    bench::NullBrowser browser;
    const qint16 section = firstSectionId();
    for (auto _ : state) {
        switch (state.range(0)) {
        case Fishbone:
            Reports::GoToFishbone(browser);
            break;
        case TileChart:
            Reports::GoToTileChart(browser, {});
            break;
        case Scorecard:
            Reports::GoToScoreCard(section, browser);
            break;
        default:
            buildChartScreen(int(state.range(0)), state.range(2) != 0, browser);
            break;
        }
    }
    setLabel(state);
}

QString writeScratch(const QString& name, const QByteArray& bytes) {
    QFile file(scene().scratch.filePath(name));
    if (file.exists() || (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()))
        return file.fileName();
    return QString();
}

// The document each screen's style sheet is applied to, prepared as the program prepares it.
Xml::XmlDocument preparedInput(int screen, const Reports::ReportRow** row) {
    const qint16 phase = Reports::CurrentPhaseId();
    const Xml::XmlDocument review = Globals::GetCurrentReviewDoc();
    Xml::XmlDocument copy = Reports::CopyDatabase();
    Xml::XmlNode input = copy.documentElement();
    switch (screen) {
    case Fishbone:
        *row = &Reports::fishboneRow();
        Globals::MarkCategoryStatus(copy, phase, review);
        break;
    case TileChart:
        *row = &Reports::tileChartRow();
        Globals::MarkCategoryStatus(copy, phase, review);
        Globals::ComputeScores(copy, review, phase);
        input = copy.selectSingleNode(QStringLiteral("data/survey"));
        break;
    case Scorecard:
        *row = &Reports::scorecardRow();
        Globals::ComputeScores(copy, review, phase);
        Reports::AddScoreCards(copy, phase, Globals::gDataDoc);
        input = copy.selectSingleNode(QStringLiteral("data/survey/section[section_id = %1]").arg(firstSectionId()));
        break;
    case Dashboard:
        *row = &Reports::dashboardRow();
        break;
    case PriorityDashboard:
        *row = &Reports::priorityDashboardRow();
        break;
    case TrendGraph:
        *row = &Reports::projectTrendGraphRow();
        break;
    default:
        *row = &Reports::projectTrendDetailRow();
        break;
    }
    Xml::XmlDocument prepared = Xml::XmlDocument::create();
    prepared.loadXML(input.xml());
    return prepared;
}

// Header parameters and the score, as XPath expressions for libxslt.
std::vector<QByteArray> parameterExpressions(int screen) {
    std::vector<QByteArray> texts;
    for (const Reports::ReportParameter& parameter : Reports::HeaderParameters()) {
        texts.push_back(parameter.name.toUtf8());
        texts.push_back("'" + std::get<QString>(parameter.value).toUtf8() + "'");
    }
    // The trend pages get no score.
    if (screen != Fishbone && screen != TrendGraph && screen != TrendDetail) {
        texts.push_back("score");
        texts.push_back(QByteArray::number(Reports::SurveyScoreParameter(Reports::ScoredCopy()), 'g', 17));
    }
    return texts;
}

void BM_LibxsltAlone(benchmark::State& state) {
    if (!openScene(state))
        return;
    const Reports::ReportRow* row = nullptr;
    const QByteArray input = preparedInput(int(state.range(0)), &row).toFileBytes();
    const QByteArray sheetPath = tova::appPath(row->styleSheet).toUtf8();
    const std::vector<QByteArray> texts = parameterExpressions(int(state.range(0)));
    std::vector<const char*> parameters;
    for (const QByteArray& text : texts)
        parameters.push_back(text.constData());
    parameters.push_back(nullptr);
    for (auto _ : state) {
        xsltStylesheet* sheet = xsltParseStylesheetFile(reinterpret_cast<const xmlChar*>(sheetPath.constData()));
        xmlDoc* document = xmlReadMemory(input.constData(), int(input.size()), nullptr, nullptr, 0);
        xmlDoc* result = xsltApplyStylesheet(sheet, document, parameters.data());
        xmlChar* text = nullptr;
        int length = 0;
        xsltSaveResultToString(&text, &length, result, sheet);
        benchmark::DoNotOptimize(length);
        xmlFree(text);
        xmlFreeDoc(result);
        xmlFreeDoc(document);
        xsltFreeStylesheet(sheet);
    }
    setLabel(state);
}

// The xsltproc program itself on the same style sheet, prepared input file and parameters.
void BM_Xsltproc(benchmark::State& state) {
    if (!openScene(state))
        return;
    const Reports::ReportRow* row = nullptr;
    const QString input = writeScratch(QStringLiteral("input-%1-%2.xml").arg(state.range(0)).arg(state.range(1)),
                                       preparedInput(int(state.range(0)), &row).toFileBytes());
    QStringList arguments{QStringLiteral("-o"), scene().scratch.filePath(QStringLiteral("out.htm"))};
    const std::vector<QByteArray> texts = parameterExpressions(int(state.range(0)));
    for (size_t i = 0; i + 1 < texts.size(); i += 2)
        arguments << QStringLiteral("--param") << QString::fromUtf8(texts.at(i)) << QString::fromUtf8(texts.at(i + 1));
    arguments << tova::appPath(row->styleSheet) << input;
    bench::runXsltprocEachIteration(state, arguments);
    setLabel(state);
}

void screensAndSizes(benchmark::internal::Benchmark* b) {
    for (int size : {1, 10})
        for (int screen = Fishbone; screen <= TrendDetail; ++screen)
            b->Args({screen, size, 0});
}
void screensWithChartsAndSizes(benchmark::internal::Benchmark* b) {
    screensAndSizes(b);
    for (int size : {1, 10})
        for (int screen = Dashboard; screen <= TrendDetail; ++screen)
            b->Args({screen, size, 1});
}
BENCHMARK(BM_ProgramScreen)->Apply(screensWithChartsAndSizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibxsltAlone)->Apply(screensAndSizes)->Unit(benchmark::kMillisecond);
// The work is in a child process: only the wall-clock time says how long it took.
BENCHMARK(BM_Xsltproc)->Apply(screensAndSizes)->UseRealTime()->Unit(benchmark::kMillisecond);

constexpr qint64 kProjectLimit = 16LL * 1024 * 1024;

void useShippedQuestionnaire() {
    Globals::gDataDoc = Xml::XmlDocument::create();
    Globals::gDataDoc.loadXML(scene().shipped);
}

QString projectAtLimit() {
    useShippedQuestionnaire();
    return writeScratch(QStringLiteral("limit.tova"),
                        bench::projectOfCompleteReviews(Globals::gDataDoc, 32767, kProjectLimit - 1024));
}

// CPU time of this thread, the clock the benchmarks' own CPU column reads.
double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// One load of the questionnaire as the program loads it at start, in CPU seconds: the mean of as
// many loads as take a tenth of a second.
double questionnaireLoadSeconds() {
    const QString path = tova::appPath(QStringLiteral("database/data.xml"));
    int loads = 0;
    double spent = 0.0;
    while (loads < 5 || spent < 0.1) {
        const double start = threadSeconds();
        Xml::XmlDocument document = Xml::XmlDocument::create();
        benchmark::DoNotOptimize(document.load(path));
        spent += threadSeconds() - start;
        ++loads;
    }
    return spent / loads;
}

void BM_LoadQuestionnaire(benchmark::State& state) {
    const QString path = tova::appPath(QStringLiteral("database/data.xml"));
    for (auto _ : state) {
        Xml::XmlDocument document = Xml::XmlDocument::create();
        benchmark::DoNotOptimize(document.load(path));
    }
}
BENCHMARK(BM_LoadQuestionnaire)->Unit(benchmark::kMillisecond);

// Both trend screens as a click on them builds them (busy cursor, judging and scoring every review,
// the picture drawn and saved, the page), of a project of that many complete reviews (as many as fit
// within the size limit), answered alike or with varied answers whose scores spread over the plot.
// "pct_of_load" is one review's share of the screen in percent of one
// questionnaire load, timed before and after the screens in the same run so that a busy machine
// slows both alike.
void BM_TrendScreen(benchmark::State& state) {
    useShippedQuestionnaire();
    const QString path = writeScratch(QStringLiteral("trend%1-%2.tova").arg(state.range(1)).arg(state.range(2)),
                                      bench::projectOfCompleteReviews(Globals::gDataDoc, int(state.range(1)),
                                                                      kProjectLimit - 1024, state.range(2) != 0));
    if (!Globals::OpenProject(path)) {
        state.SkipWithError("the project did not open");
        return;
    }
    const Reports::TrendKind kind =
        state.range(0) == TrendGraph ? Reports::TrendKind::Overall : Reports::TrendKind::PerSection;
    bench::NullBrowser browser;
    const double loadBefore = questionnaireLoadSeconds();
    const double start = threadSeconds();
    for (auto _ : state)
        Reports::GoToTrendScreen(kind, browser);
    const double screen = (threadSeconds() - start) / double(state.iterations());
    const double load = (loadBefore + questionnaireLoadSeconds()) / 2;
    const double reviews = double(Globals::GetReviews().size());
    state.SetLabel(std::string(kScreenNames[state.range(0)]) + (state.range(2) != 0 ? " varied answers" : ""));
    state.counters["reviews"] = reviews;
    state.counters["load_ms"] = load * 1e3;
    state.counters["per_review_us"] = screen / reviews * 1e6;
    state.counters["pct_of_load"] = screen / reviews / load * 100;
    Globals::ResetProjectState();
}
BENCHMARK(BM_TrendScreen)
    ->ArgsProduct({{TrendGraph, TrendDetail}, {10, 100, 1000, 9000}, {0}})
    ->ArgsProduct({{TrendGraph, TrendDetail}, {1000, 9000}, {1}})
    ->Unit(benchmark::kMillisecond);

void BM_OpenProjectAtLimit(benchmark::State& state) {
    const QString path = projectAtLimit();
    for (auto _ : state)
        if (!Globals::OpenProject(path)) {
            state.SkipWithError("the project did not open");
            break;
        }
    state.counters["reviews"] = double(Globals::GetReviews().size());
    state.counters["bytes"] = double(QFile(path).size());
}
BENCHMARK(BM_OpenProjectAtLimit)->Unit(benchmark::kMillisecond);

void BM_FishboneAtLimit(benchmark::State& state) {
    if (!Globals::OpenProject(projectAtLimit())) {
        state.SkipWithError("the project did not open");
        return;
    }
    bench::NullBrowser browser;
    for (auto _ : state)
        Reports::GoToFishbone(browser);
}
BENCHMARK(BM_FishboneAtLimit)->Unit(benchmark::kMillisecond);

QString emptyElementsFile(int kind) {
    return writeScratch(QStringLiteral("empty%1.tova").arg(kind), bench::emptyElementsProject(kind));
}

// Opening as the program does: the file, then the fishbone screen and the menus' state.
void BM_OpenEmptyElements(benchmark::State& state) {
    const QString path = emptyElementsFile(int(state.range(0)));
    useShippedQuestionnaire();
    bench::NullBrowser browser;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Globals::OpenProject(path));
        Reports::GoToFishbone(browser);
        benchmark::DoNotOptimize(tova::MenuState::current());
    }
    Globals::ResetProjectState();
    state.counters["bytes"] = double(QFile(path).size());
}
BENCHMARK(BM_OpenEmptyElements)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1);

// One parse of the same file, for comparison.
void BM_ParseEmptyElements(benchmark::State& state) {
    const QString path = emptyElementsFile(int(state.range(0)));
    for (auto _ : state) {
        Xml::XmlDocument document = Xml::XmlDocument::create();
        benchmark::DoNotOptimize(document.load(path, nullptr, kProjectLimit));
    }
}
BENCHMARK(BM_ParseEmptyElements)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    // Drawing the chart pictures needs fonts, which need the application object.
    QApplication app(argc, argv);
    // Pages and pictures are written into a copy: the built folder is the one the program starts from.
    const QString appFolder = scene().scratch.filePath(QStringLiteral("app"));
    tova::test::copyAppFolderWithoutProgram(QStringLiteral(TOVA_APP_DIR), QStringLiteral(TOVA_APP_DIR "/tova"),
                                            appFolder);
    tova::services().appFolder = appFolder;
    // The recent-files list of this run stays out of the user's own settings.
    tova::SettingsStore settings(scene().scratch.filePath(QStringLiteral("settings.ini")));
    tova::services().settings = &settings;
    QFile shipped(tova::appPath(QStringLiteral("database/data.xml")));
    if (!shipped.open(QIODevice::ReadOnly))
        return 1;
    scene().shipped = QString::fromUtf8(shipped.readAll());
    scene().tenTimes = bench::tenTimesDatabase(scene().shipped);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Globals::ResetProjectState();
    Globals::gDataDoc = Xml::XmlDocument();
    return 0;
}

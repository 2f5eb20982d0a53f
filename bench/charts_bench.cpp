// Chart timings: drawing and saving one dashboard chart, and the trend charts of projects of 10, 100
// and 1,000 reviews (9,000 for gathering and drawing) on the shipped questionnaire: gathering (every review judged
// and scored), drawing, and both, side by side with one load of the questionnaire to compare the cost of
// one review with. "per_review" is the time of one run divided by the number of reviews; it should
// stay flat as the project grows.
#include "LargeInputs.h"
#include "RunBenchmarks.h"
#include "platform/chart/ChartControl.h"
#include "platform/chart/ui/ChartRenderer.h"
#include "reports/charts/ScoreChart.h"
#include "reports/charts/TrendData.h"
#include "store/Database.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_SaveDashboardChart(benchmark::State& state) {
    QTemporaryDir folder;
    tova::ChartControl chart(481, 278, Reports::ScoreChartDesign());
    Globals::FillScoreChart(
        {12.5, 40, 70, 95, 20}, chart, true,
        {"Scope definition", "Design reviews", "Constructability", "Document control", "Interface management"},
        "Design and documentation", 375, 107);
    const QString path = folder.filePath("graph.png");
    for (auto _ : state)
        benchmark::DoNotOptimize(chart.Save(path, state.range(0) != 0));
}
BENCHMARK(BM_SaveDashboardChart)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The drawing alone, at the saved pictures' density: what is left of a save is the encoding.
void BM_DrawDashboardChart(benchmark::State& state) {
    tova::ChartControl chart(481, 278, Reports::ScoreChartDesign());
    Globals::FillScoreChart(
        {12.5, 40, 70, 95, 20}, chart, true,
        {"Scope definition", "Design reviews", "Constructability", "Document control", "Interface management"},
        "Design and documentation", 375, 107);
    for (auto _ : state)
        benchmark::DoNotOptimize(tova::RenderChart(chart, nullptr, tova::kSavedPixelRatio));
}
BENCHMARK(BM_DrawDashboardChart)->Unit(benchmark::kMillisecond);

// A project of n reviews, each answering every question of its phase.
Xml::XmlDocument projectOf(int reviews) {
    Xml::XmlDocument project = Xml::XmlDocument::create();
    project.loadXML(QString::fromUtf8(bench::projectOfCompleteReviews(Globals::gDataDoc, reviews, 1LL << 40)));
    return project;
}

bool loadShippedQuestionnaire(benchmark::State& state) {
    Globals::gDataDoc = Xml::XmlDocument::create();
    if (Globals::gDataDoc.load(QStringLiteral(TOVA_APP_DIR "/database/data.xml")))
        return true;
    state.SkipWithError("the shipped questionnaire is not laid out");
    return false;
}

void perReview(benchmark::State& state) {
    state.counters["per_review"] = benchmark::Counter(
        double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_LoadQuestionnaire(benchmark::State& state) {
    for (auto _ : state) {
        Xml::XmlDocument document = Xml::XmlDocument::create();
        benchmark::DoNotOptimize(document.load(QStringLiteral(TOVA_APP_DIR "/database/data.xml")));
    }
}
BENCHMARK(BM_LoadQuestionnaire)->Unit(benchmark::kMillisecond);

void BM_TrendGather(benchmark::State& state) {
    if (!loadShippedQuestionnaire(state))
        return;
    const Xml::XmlDocument project = projectOf(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(Reports::GatherTrend(project, Reports::TrendKind::PerSection));
    perReview(state);
    Globals::gDataDoc = Xml::XmlDocument();
}

void BM_TrendDraw(benchmark::State& state) {
    if (!loadShippedQuestionnaire(state))
        return;
    QTemporaryDir folder;
    const Reports::TrendData data =
        Reports::GatherTrend(projectOf(int(state.range(0))), Reports::TrendKind::PerSection);
    const QString path = folder.filePath("graph.png");
    for (auto _ : state) {
        tova::ChartControl chart = Reports::TrendChart(Reports::TrendKind::PerSection);
        Reports::FillTrendChart(data, chart);
        benchmark::DoNotOptimize(chart.Save(path, true));
    }
    perReview(state);
    Globals::gDataDoc = Xml::XmlDocument();
}

void BM_TrendGatherAndDraw(benchmark::State& state) {
    if (!loadShippedQuestionnaire(state))
        return;
    QTemporaryDir folder;
    const Xml::XmlDocument project = projectOf(int(state.range(0)));
    const QString path = folder.filePath("graph.png");
    for (auto _ : state) {
        tova::ChartControl chart = Reports::TrendChart(Reports::TrendKind::PerSection);
        Reports::FillTrendChart(Reports::GatherTrend(project, Reports::TrendKind::PerSection), chart);
        benchmark::DoNotOptimize(chart.Save(path, true));
    }
    perReview(state);
    Globals::gDataDoc = Xml::XmlDocument();
}

BENCHMARK(BM_TrendGather)->Arg(10)->Arg(100)->Arg(1000)->Arg(9000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrendDraw)->Arg(10)->Arg(100)->Arg(1000)->Arg(9000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrendGatherAndDraw)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Drawing needs fonts and a graphics scene, which need the application object.
    return runBenchmarks<QApplication>(argc, argv);
}

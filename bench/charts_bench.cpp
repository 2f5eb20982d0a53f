// Chart timings: drawing and saving one dashboard chart and one per-section trend chart, and
// gathering the trend points of a project with many reviews on the shipped questionnaire. Every
// trend call judges and scores each review on fresh copies, so gathering grows with the number of
// reviews times the questionnaire's size.
#include "platform/chart/ChartControl.h"
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

void BM_SaveTrendChart(benchmark::State& state) {
    QTemporaryDir folder;
    Reports::TrendData data;
    data.seriesNames = QStringList{"Procurement", "Construction", "Design", "Client", "People"};
    for (int i = 0; i < state.range(0); ++i) {
        Reports::TrendPoint point;
        point.date = 40000 - i;
        point.label = QString("2003May%1 (2)").arg(10 + i % 20, 2, 10, QChar('0'));
        for (int s = 0; s < 5; ++s)
            point.values.append(20 + (i * 7 + s * 13) % 70);
        data.points.append(point);
    }
    tova::ChartControl chart = Reports::TrendChart(Reports::TrendKind::PerSection);
    Reports::FillTrendChart(data, chart);
    const QString path = folder.filePath("graph.png");
    for (auto _ : state)
        benchmark::DoNotOptimize(chart.Save(path, true));
}
BENCHMARK(BM_SaveTrendChart)->Arg(4)->Arg(20)->Unit(benchmark::kMillisecond);

// A project of n reviews, each answering every question of its phase.
Xml::XmlDocument projectOf(int reviews) {
    QString xml = "<project ver=\"2.0\"><currentreview>1</currentreview>";
    for (int i = 0; i < reviews; ++i) {
        const int phase = 1 + i % 5;
        xml += QString("<review id=\"%1\"><phase>%2</phase><date>Jan %3, 2004</date>")
                   .arg(i + 1)
                   .arg(phase)
                   .arg(1 + i % 28, 2, 10, QChar('0'));
        const auto ids = Globals::gDataDoc.selectNodes(
            QString("data/survey/section/category/question[phase_id = %1]/question_id").arg(phase));
        for (const Xml::XmlNode& id : ids)
            xml += QString("<response><question_id>%1</question_id><answer>2</answer></response>").arg(id.text());
        xml += "</review>";
    }
    Xml::XmlDocument project = Xml::XmlDocument::create();
    project.loadXML(xml + "</project>");
    return project;
}

void BM_GatherTrend(benchmark::State& state) {
    Globals::gDataDoc = Xml::XmlDocument::create();
    if (!Globals::gDataDoc.load(QStringLiteral(TOVA_APP_DIR "/database/data.xml"))) {
        state.SkipWithError("the shipped questionnaire is not laid out");
        return;
    }
    const Xml::XmlDocument project = projectOf(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(Reports::GatherTrend(project, Reports::TrendKind::PerSection));
    Globals::gDataDoc = Xml::XmlDocument();
}
BENCHMARK(BM_GatherTrend)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Drawing needs fonts and a graphics scene, which need the application object.
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

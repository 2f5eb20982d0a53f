// Saving chart pictures: exact pixel size and the drawn pixels, the placeholder's header alone, and
// failures that leave the previous picture in place.
#include "platform/chart/ui/ChartRenderer.h"
#include "reports/charts/ScoreChart.h"
#include "reports/charts/TrendData.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using tova::ChartControl;

namespace {

ChartControl filledScoreChart(qint16 width, qint16 height) {
    ChartControl chart(481, 278, Reports::ScoreChartDesign());
    Globals::FillScoreChart({12.5, 40, 70, 95}, chart, true, {"Scope", "Design", "Site", "Client"},
                            QStringLiteral("Design and documentation"), width, height);
    return chart;
}

// The rows that hold anything but white.
QPair<int, int> inkRows(const QImage& image) {
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
    return {first, last};
}

bool containsColour(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Pages show a saved picture at the chart's size, so it holds the chart's pixels several times over,
// exactly as drawn.
TEST(ChartRenderer, SavedPicturesHoldTheDrawnPixelsAtTheChartsSizeTimesTheRatio) {
    QTemporaryDir folder;
    const struct {
        qint16 width;
        qint16 height;
    } sizes[] = {{375, 107}, {370, 100}, {625, 297}, {1, 1}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(size.width);
        const ChartControl chart = filledScoreChart(size.width, size.height);
        const QImage drawn = tova::RenderChart(chart, nullptr, tova::kSavedPixelRatio);
        for (bool flag : {false, true}) {
            const QString path = folder.filePath(QStringLiteral("chart%1.png").arg(flag));
            ASSERT_TRUE(chart.Save(path, flag));
            const QImage image(path, "png");
            EXPECT_EQ(image.size(), QSize(size.width, size.height) * tova::kSavedPixelRatio);
            EXPECT_TRUE(image.convertToFormat(QImage::Format_RGB32) == drawn.convertToFormat(QImage::Format_RGB32));
        }
    }

    ChartControl trend = Reports::TrendChart(Reports::TrendKind::PerSection);
    const QString path = folder.filePath(QStringLiteral("trend.png"));
    ASSERT_TRUE(trend.Save(path, true));
    EXPECT_EQ(QImage(path).size(), QSize(665, 277) * tova::kSavedPixelRatio);
    EXPECT_TRUE(QImage(path).convertToFormat(QImage::Format_RGB32) ==
                tova::RenderChart(trend, nullptr, tova::kSavedPixelRatio));
}

TEST(ChartRenderer, ScoreChartShowsEachBandColour) {
    const QImage image = tova::RenderChart(filledScoreChart(375, 107));
    for (const tova::ChartRgb& band : Reports::ScoreChartDesign().seriesColours)
        EXPECT_TRUE(containsColour(image, qRgb(band.red, band.green, band.blue)))
            << band.red << "," << band.green << "," << band.blue;
}

TEST(ChartRenderer, PlaceholderIsItsHeaderAlone) {
    ChartControl chart = filledScoreChart(375, 107);
    Globals::FillNAChart(chart, 370, 100, QStringLiteral("Planning"));
    const QImage image = tova::RenderChart(chart);
    ASSERT_EQ(image.size(), QSize(370, 100));
    const QPair<int, int> rows = inkRows(image);
    // The header starts 10 pixels down and is one line high; no bar, axis or label shows.
    EXPECT_GE(rows.first, 10);
    EXPECT_LT(rows.second, 40);
    for (const tova::ChartRgb& band : Reports::ScoreChartDesign().seriesColours)
        EXPECT_FALSE(containsColour(image, qRgb(band.red, band.green, band.blue)));
}

TEST(ChartRenderer, FailedSaveReportsFalseAndLeavesTheOldPicture) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("graph.png"));
    ASSERT_TRUE(filledScoreChart(375, 107).Save(path, false));
    const QByteArray before = contents(path);

    // A chart without a size has no picture to write.
    const ChartControl empty = filledScoreChart(0, 0);
    EXPECT_FALSE(empty.Save(path, false));
    EXPECT_EQ(contents(path), before);

    // A folder that does not exist.
    EXPECT_FALSE(filledScoreChart(375, 107).Save(folder.filePath(QStringLiteral("missing/graph.png")), false));

    // A folder that cannot be written to (the superuser writes anywhere, so there is nothing to test).
    if (::geteuid() != 0) {
        ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        EXPECT_FALSE(filledScoreChart(370, 100).Save(path, false));
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(contents(path), before);
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"graph.png"}));
}

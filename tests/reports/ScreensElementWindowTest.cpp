// The dashboard element window itself: its chart and picture, and the links it keeps or passes on.
#include "ScreensFixture.h"

#include "platform/AppFolder.h"
#include "platform/Wait.h"
#include "platform/browser/WebBrowser.h"
#include "platform/chart/ui/ChartRenderer.h"
#include "reports/ScreenSupport.h"
#include "reports/ui/frmDashboardElement.h"
#include "support/PdfPrintOutput.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

const QString kGraph = QStringLiteral("element/graph.png");

// The window's browser goes before the web engine's profile does.
class ElementWindowTeardown final : public ::testing::Environment {
public:
    void TearDown() override { frmDashboardElement::destroyInstance(); }
};
[[maybe_unused]] ::testing::Environment* const elementWindowTeardown =
    ::testing::AddGlobalTestEnvironment(new ElementWindowTeardown);

} // namespace

TEST(ScreensElementWindow, ChartsTheOrderedQuestionsAtItsDesignSize) {
    ScreensScene scene;
    scene.answer(QStringLiteral("R101=V2&R102=V1&R104=V1&R105=V1"));
    QFile::remove(appPath(kGraph));
    frmDashboardElement& window = frmDashboardElement::instance();
    EXPECT_EQ(window.windowTitle(), "TOVA Dashboard Element");

    ASSERT_TRUE(window.GenerateDashBoardElement(Reports::ScoredCopy(), 2));

    EXPECT_TRUE(scene.environment.messages.asked().isEmpty())
        << scene.environment.messages.texts().join('\n').toStdString();
    // Heaviest first: 102 (weight 0.07, rework risk 0, drawn at 10), then 101 (0.05, 33.3).
    EXPECT_EQ(window.chart().pointLabels(), (QStringList{"Risks", "Plan"}));
    ASSERT_EQ(window.chart().numPoints(), 2);
    EXPECT_EQ(window.chart().value(1, 1), 10.0);
    EXPECT_EQ(window.chart().value(2, 2), 33.3);
    const QImage picture(appPath(kGraph));
    EXPECT_EQ(picture.size(), QSize(625, 297) * tova::kSavedPixelRatio);
    EXPECT_FALSE(window.isVisible()) << "the builder shows the window, not the chart";
}

TEST(ScreensElementWindow, NothingToDrawLeavesThePictureAndTellsTheUser) {
    struct Case {
        const char* name;
        QString answers;
        bool removeOrdering;
        QStringList messages;
    };
    const QList<Case> cases = {
        {"section answered only with 5", "R101=V5&R102=V5", false, {"No Graph To Display."}},
        {"ordering style sheet missing",
         "R101=V2&R102=V1",
         true,
         {"Error loading sort by weight xsl", "No Graph To Display."}},
    };
    for (const Case& c : cases) {
        ScreensScene scene;
        scene.answer(c.answers);
        scene.writePage(kGraph, QStringLiteral("previous picture"));
        if (c.removeOrdering)
            QFile::remove(appPath(QStringLiteral("dashboard2/sortbyqweight.xsl")));
        EXPECT_FALSE(frmDashboardElement::instance().GenerateDashBoardElement(Reports::ScoredCopy(), 2)) << c.name;
        EXPECT_EQ(scene.environment.messages.texts(), c.messages) << c.name;
        ASSERT_FALSE(scene.environment.messages.asked().isEmpty()) << c.name;
        EXPECT_EQ(scene.environment.messages.asked().last().icon, MsgIcon::Exclamation) << c.name;
        EXPECT_EQ(scene.page(kGraph), "previous picture") << c.name;
    }
}

TEST(ScreensElementWindow, LinksItDoesNotKeepGoToTheMainWindow) {
    ScreensScene scene;
    WebBrowser& browser = frmDashboardElement::instance().browser();
    const QString page = QStringLiteral("file:///app/element/main.htm");
    // Its own page loads go on and stay its own.
    EXPECT_FALSE(browser.fireBeforeNavigate(page));
    EXPECT_TRUE(scene.mainWindow.handledUrls.isEmpty());
    // Any other command is the main window's, which decides on the navigation.
    EXPECT_TRUE(browser.fireBeforeNavigate(page + QStringLiteral("#NXT")));
    EXPECT_TRUE(browser.fireBeforeNavigate(page + QStringLiteral("#top#dsh3")));
    EXPECT_EQ(scene.mainWindow.handledUrls, (QStringList{page + "#NXT", page + "#top#dsh3"}));
    // The window's own commands never reach the main window and let the navigation go on.
    for (const char* own : {"#BCK", "#bckX"}) {
        EXPECT_FALSE(browser.fireBeforeNavigate(page + QLatin1String(own))) << own;
    }
    EXPECT_EQ(scene.mainWindow.handledUrls.size(), 2);
}

TEST(ScreensElementWindow, PrintLinksPrintTheElementPageInLandscape) {
    ScreensScene scene;
    scene.writePage(QStringLiteral("element/main.htm"),
                    QStringLiteral("<html><body><p>Element page</p></body></html>"));
    PdfPrintOutput output(scene.environment.scratch.path());
    WebBrowser& browser = frmDashboardElement::instance().browser();
    const QString page = QStringLiteral("file:///app/element/main.htm");
    // The code is upper-cased and only its first three letters count.
    for (const char* link : {"#prt", "#PRTX"}) {
        const qsizetype before = output.jobs.size();
        EXPECT_FALSE(browser.fireBeforeNavigate(page + QLatin1String(link))) << link;
        EXPECT_TRUE(waitWhile([&] { return output.jobs.size() == before; }, 60000)) << link;
    }
    ASSERT_EQ(output.jobs.size(), 2);
    for (const PrintJob& job : output.jobs) {
        EXPECT_FALSE(job.preview);
        EXPECT_EQ(job.orientation, QPageLayout::Landscape);
        EXPECT_TRUE(job.pageText.contains(QStringLiteral("Element page"))) << job.pageText.toStdString();
    }
    EXPECT_TRUE(scene.mainWindow.handledUrls.isEmpty());
    EXPECT_TRUE(scene.environment.messages.asked().isEmpty())
        << scene.environment.messages.texts().join('\n').toStdString();
}

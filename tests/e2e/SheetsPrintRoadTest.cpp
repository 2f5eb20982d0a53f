// Printouts as they come off the printer: every report screen, the dashboard element window, a
// definition, an acronym and the question list printed from the real windows to a PDF file as the
// print dialog's print to file leaves the printer, each checked for its sheet orientation, its page
// count, how much of the printable width the report's own content fills, the text a reader can
// search in it, its size and the file name proposed for it; dashboard charts read on paper, and
// grayscale chosen in the dialog.
#include "RoadSupport.h"
#include "platform/Wait.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/chart/ui/ChartRenderer.h"
#include "reference/ui/frmAcronyms.h"
#include "reference/ui/frmGlossary.h"
#include "reports/ui/frmDashboardElement.h"
#include "shell/ui/frmBrowser.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "support/PdfPrintOutput.h"
#include "support/PrintedSheets.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMarginsF>
#include <QPointer>

#include <gtest/gtest.h>

#include <algorithm>

using namespace tova;
using namespace tova::test;

namespace {

constexpr int kScreenWaitMs = 60000;
const QString kMainFrame = QStringLiteral("main");

// A page of text and a few chart pictures, as the engine writes it, takes tens of kilobytes; the
// same page as a picture took most of a megabyte.
constexpr qint64 kMostBytesPerPage = 200 * 1024;

// What a printout must look like on paper.
struct Expected {
    const char* what;
    QPageLayout::Orientation orientation;
    int pages;         // 0: as many as the content needs, at least one
    const char* text;  // words a reader finds with the viewer's search
    const char* title; // the screen's part of the proposed file name
    // The least share of the printable width the content spans: a report fills it, a short
    // definition is as wide as its words.
    double width = 0.9;
    // The head of a table that runs over pages, which every sheet repeats.
    const char* tableHead = "";
};

// Printers cut the sheet's outer few millimetres: nothing is drawn within 10 mm of an edge (less
// one pixel of the sheets' coarse rendering).
constexpr double kLeastMarginPoints = 10.0 / 25.4 * 72.0 - 3.7;

// Texts that mean something on screen only.
const char* const kScreenOnlyTexts[] = {"Click a", "More background"};

// Checks the job's sheets and reports the measured figures with the test's output.
void expectSheets(const PrintJob& job, const Expected& expected) {
    const QList<PrintedSheet> sheets = printedSheets(job.pdfPath);
    ASSERT_FALSE(sheets.isEmpty()) << expected.what;
    const double share = widthShare(sheets, expected.orientation, &PrintedSheet::content);
    const qint64 bytesPerPage = QFileInfo(job.pdfPath).size() / sheets.size();
    QStringList texts;
    for (const PrintedSheet& sheet : sheets)
        texts.append(sheet.text);
    const QString text = texts.join(QLatin1Char(' '));
    std::cout << "[ printout ] " << expected.what << ": " << sheets.size() << " page(s), " << bytesPerPage
              << " bytes a page, content spans " << qRound(share * 100) << " % of the printable width, " << text.size()
              << " characters of text" << std::endl;
    EXPECT_EQ(job.orientation, expected.orientation) << expected.what;
    if (expected.pages > 0)
        EXPECT_EQ(sheets.size(), expected.pages) << expected.what;
    EXPECT_GE(share, expected.width) << expected.what;
    EXPECT_LE(bytesPerPage, kMostBytesPerPage) << expected.what;
    EXPECT_TRUE(text.contains(QLatin1String(expected.text))) << expected.what << ": " << text.toStdString();
    for (const char* screenOnly : kScreenOnlyTexts)
        EXPECT_FALSE(text.contains(QLatin1String(screenOnly))) << expected.what << ": " << screenOnly;
    // Named after the project and the screen, beside the project's file.
    EXPECT_EQ(job.proposedPdfFile, QFileInfo(Globals::gProjectPath).absolutePath() + QStringLiteral("/RWT-2031 ") +
                                       QLatin1String(expected.title) + QStringLiteral(".pdf"))
        << expected.what;
    for (qsizetype i = 0; i < sheets.size(); ++i) {
        const PrintedSheet& sheet = sheets[i];
        EXPECT_EQ(sheet.size.width() > sheet.size.height(), expected.orientation == QPageLayout::Landscape)
            << expected.what << " page " << i + 1;
        EXPECT_FALSE(sheet.content.isEmpty()) << expected.what << " page " << i + 1 << " is blank";
        // Content is never pushed past the printable area's right edge.
        EXPECT_LE(sheet.inked.right(), sheet.size.width() - jobMargins(expected.orientation).right() + 4)
            << expected.what << " page " << i + 1;
        const QMarginsF clear(sheet.inked.left(), sheet.inked.top(), sheet.size.width() - sheet.inked.right(),
                              sheet.size.height() - sheet.inked.bottom());
        EXPECT_GE(std::min({clear.left(), clear.top(), clear.right(), clear.bottom()}), kLeastMarginPoints)
            << expected.what << " page " << i + 1 << ": " << clear.left() << " " << clear.top() << " " << clear.right()
            << " " << clear.bottom() << " pt clear of the edges";
        // The head's words, each a word of the sheet (the reading order runs through the table's columns).
        const QStringList words = sheet.text.split(QLatin1Char(' '));
        for (const QString& head : QString::fromLatin1(expected.tableHead).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            EXPECT_TRUE(words.contains(head))
                << expected.what << " page " << i + 1 << " lacks the table's " << head.toStdString();
    }
}

// The dashboard's charts on paper: every section's chart placed once (a chart cut at a sheet's end
// is placed on both sheets), no chart text smaller than 9 pt (none is smaller than
// kSmallestTextPixels chart pixels, and a chart pixel is kSavedPixelRatio picture pixels, placed
// at the picture's resolution), at least 200 picture pixels to the inch, and at most 3 sheets.
void expectReadableCharts(const PrintJob& job, const char* what) {
    QList<PlacedPicture> charts;
    for (const PlacedPicture& picture : placedPictures(job.pdfPath)) {
        // The header picture and the marks are no charts.
        if (picture.pixels.width() >= 300 * kSavedPixelRatio)
            charts.append(picture);
    }
    EXPECT_EQ(charts.size(), Globals::gDataDoc.selectNodes(QStringLiteral("data/survey/section")).size()) << what;
    double leastPpi = 0.0;
    for (const PlacedPicture& chart : charts)
        leastPpi = leastPpi > 0 ? std::min(leastPpi, chart.pixelsPerInch) : chart.pixelsPerInch;
    const double smallest = leastPpi > 0 ? kSmallestTextPixels * kSavedPixelRatio * 72.0 / leastPpi : 0.0;
    std::cout << "[ printout ] " << what << ": chart text at least " << smallest << " pt on paper, " << leastPpi
              << " picture pixels to the inch" << std::endl;
    EXPECT_GE(smallest, 9.0) << what;
    EXPECT_GE(leastPpi, 200.0) << what;
    EXPECT_LE(printedSheets(job.pdfPath).size(), 3) << what;
}

class PrintedSheetsRoad : public StartedProgramRoad {
protected:
    void SetUp() override {
        StartedProgramRoad::SetUp();
        output = environment.printouts.get();
    }
    void TearDown() override {
        frmDashboardElement::destroyInstance();
        frmGlossary::destroyInstance();
        frmAcronyms::destroyInstance();
        StartedProgramRoad::TearDown();
        // The next road starts from a main window of its own, not from a report screen left here.
        delete frmBrowser::existingInstance();
    }

    // Shows a report screen from the Go To menu and waits until its page is complete.
    bool goTo(frmBrowser& window, const char* menuItem, const char* screen) {
        window.menuItem(QString::fromLatin1(menuItem))->trigger();
        WebBrowser& browser = *window.webMain();
        return waitWhile([&] { return browser.LocationName() != QLatin1String(screen); }, kScreenWaitMs) &&
               waitWhile([&] { return !browser.IsFrameComplete(kMainFrame) || browser.Busy(); }, kScreenWaitMs);
    }

    // The job that the step starts; null (with a failure) when none or more than one came.
    const PrintJob* onePrintJob(const std::function<void()>& step) {
        const qsizetype before = output->jobs.size();
        step();
        static_cast<void>(
            waitWhile([&] { return output->jobs.size() == before || !output->jobs.last().finished; }, kScreenWaitMs));
        if (output->jobs.size() != before + 1) {
            ADD_FAILURE() << "expected one print job, got " << output->jobs.size() - before;
            return nullptr;
        }
        return &output->jobs.last();
    }

    PdfPrintOutput* output = nullptr;
};

} // namespace

TEST_F(PrintedSheetsRoad, ReportScreensFillTheLandscapeSheetOnThePagesTheyNeed) {
    frmBrowser* window = showSample();
    struct Screen {
        const char* menuItem;
        const char* screen;
        Expected expected;
        bool charts = false; // a dashboard, whose chart labels are read on paper
    };
    const Screen screens[] = {
        {"mnuGotoFishbone",
         "fishbone",
         {"fishbone", QPageLayout::Landscape, 1, "Procurement and suppliers", "Fishbone"}},
        {"mnuGotoTileChart", "tilechart", {"tile chart", QPageLayout::Landscape, 1, "Team competence", "Tile Chart"}},
        {"mnuGotoDashboard",
         "dashboard1",
         {"dashboard", QPageLayout::Landscape, 0, "Riverside Water Treatment Upgrade", "Dashboard"},
         true},
        {"mnuGotoPriorityDashboard",
         "dashboard2",
         {"priority dashboard", QPageLayout::Landscape, 0, "Riverside Water Treatment Upgrade", "Priority Dashboard"},
         true},
        {"mnuGotoScoreCard",
         "scorecard",
         {"scorecard", QPageLayout::Landscape, 0, "Procurement and suppliers", "Scorecard Procurement and suppliers",
          0.9, "No. Question Term Answer Score Weight"}},
        {"mnuGotoTrendGraph",
         "projecttrendgraph",
         {"overall project trend", QPageLayout::Landscape, 1, "Review score by review date", "Project Trend"}},
        {"mnuGotoTrendDetail",
         "projecttrenddetail",
         {"project trend by section", QPageLayout::Landscape, 1, "Group scores by review date",
          "Project Trend by Section"}},
    };
    for (const Screen& screen : screens) {
        ASSERT_TRUE(goTo(*window, screen.menuItem, screen.screen)) << screen.screen;
        const PrintJob* job = onePrintJob([window] { window->menuItem(QStringLiteral("mnuFilePrint"))->trigger(); });
        ASSERT_NE(job, nullptr) << screen.screen;
        expectSheets(*job, screen.expected);
        if (screen.charts)
            expectReadableCharts(*job, screen.expected.what);
    }
    EXPECT_TRUE(environment.messages.asked().isEmpty()) << environment.messages.texts().join('\n').toStdString();
}

TEST_F(PrintedSheetsRoad, GrayscaleChosenInTheDialogLeavesNoColourAndKeepsTheText) {
    frmBrowser* window = showSample();
    struct Screen {
        const char* menuItem;
        const char* screen;
        const char* text;
    };
    // Coloured tiles, coloured chart pictures, and the coloured lines and marks of a drawing.
    const Screen screens[] = {
        {"mnuGotoTileChart", "tilechart", "Team competence"},
        {"mnuGotoDashboard", "dashboard1", "Riverside Water Treatment Upgrade"},
        {"mnuGotoFishbone", "fishbone", "Procurement and suppliers"},
    };
    for (const Screen& screen : screens) {
        ASSERT_TRUE(goTo(*window, screen.menuItem, screen.screen)) << screen.screen;
        for (const bool grayscale : {false, true}) {
            output->grayscale = grayscale;
            const PrintJob* job =
                onePrintJob([window] { window->menuItem(QStringLiteral("mnuFilePrint"))->trigger(); });
            ASSERT_NE(job, nullptr) << screen.screen;
            const QList<PrintedSheet> sheets = printedSheets(job->pdfPath);
            ASSERT_FALSE(sheets.isEmpty()) << screen.screen;
            bool coloured = false;
            QString text;
            for (const PrintedSheet& sheet : sheets) {
                coloured = coloured || sheet.coloured;
                text += sheet.text + QLatin1Char(' ');
            }
            EXPECT_EQ(coloured, !grayscale) << screen.screen << (grayscale ? " in grayscale" : " in colour");
            EXPECT_TRUE(text.contains(QLatin1String(screen.text))) << screen.screen << ": " << text.toStdString();
        }
    }
    EXPECT_TRUE(environment.messages.asked().isEmpty()) << environment.messages.texts().join('\n').toStdString();
}

TEST_F(PrintedSheetsRoad, QuestionListFillsThePortraitSheet) {
    frmBrowser* window = showSample();
    const PrintJob* job = onePrintJob([window] { window->menuItem(QStringLiteral("mnuPrintQuestions"))->trigger(); });
    ASSERT_NE(job, nullptr);
    expectSheets(*job, {"question list", QPageLayout::Portrait, 0, "Do the contracts clearly divide responsibilities",
                        "Questions"});
}

TEST_F(PrintedSheetsRoad, ElementWindowPrintsItsSectionOnLandscapeSheets) {
    frmBrowser* window = showSample();
    ASSERT_TRUE(goTo(*window, "mnuGotoDashboard", "dashboard1"));
    QPointer<frmDashboardElement> element = &frmDashboardElement::instance();
    const PrintJob* job = nullptr;
    bool driven = false;
    whenModal(
        element,
        [&] {
            WebBrowser& browser = element->browser();
            return browser.LocationName() == QLatin1String("element") && browser.IsFrameComplete(kMainFrame) &&
                   !browser.Busy();
        },
        [&] {
            job = onePrintJob([&] { clickLink(element->browser(), kMainFrame, QStringLiteral("#PRT")); });
            driven = true;
            element->reject();
        });
    ASSERT_TRUE(clickLink(*window->webMain(), kMainFrame, QStringLiteral("#DSH2")));
    static_cast<void>(waitWhile([&] { return !driven || (element && element->isVisible()); }, kScreenWaitMs));
    ASSERT_NE(job, nullptr);
    expectSheets(*job, {"element window", QPageLayout::Landscape, 0, "Questions of this group",
                        "Dashboard Element Procurement and suppliers", 0.9, "Bar No. Label Question"});
}

TEST_F(PrintedSheetsRoad, DefinitionAndAcronymEachPrintOnOnePortraitSheet) {
    frmBrowser* window = showSample();
    struct Window {
        const char* menuItem;
        std::function<reference::TwoFrameWindow*()> window;
        Expected expected;
    };
    const Window windows[] = {
        {"mnuGlossary",
         [] { return &frmGlossary::instance(); },
         {"definitions entry", QPageLayout::Portrait, 1, "Relevant experience", "Definition", 0.0}},
        {"mnuAcronyms",
         [] { return &frmAcronyms::instance(); },
         {"acronym entry", QPageLayout::Portrait, 1, "Quality assurance", "Acronym", 0.0}},
    };
    for (const Window& reference : windows) {
        QPointer<reference::TwoFrameWindow> shown = reference.window();
        const PrintJob* job = nullptr;
        whenModal(
            shown, [&] { return framesReady(shown->browser()); },
            [&] {
                job = onePrintJob([&] { clickLink(shown->browser(), kMainFrame, QStringLiteral("#PRT")); });
                shown->reject();
            });
        window->menuItem(QString::fromLatin1(reference.menuItem))->trigger();
        ASSERT_NE(job, nullptr) << reference.expected.what;
        expectSheets(*job, reference.expected);
    }
}

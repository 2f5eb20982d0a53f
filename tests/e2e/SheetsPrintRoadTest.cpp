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
#include "platform/printing/GrayPage.h"
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
#include <QPageSize>
#include <QPointer>
#include <QRegularExpression>

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

// Printers cut the sheet's outer few millimetres: nothing is drawn within 10 mm of an edge, measured
// at 600 dpi (a pixel is 0.04 mm; the edge of a letter may shade the next one).
constexpr double kLeastMarginMm = 10.0 - 0.1;

// A line of a printed table: a question's first line starts with its number (2.12B1).
bool isQuestionLine(const QString& line) {
    static const QRegularExpression number(QStringLiteral(R"(^\d+\.\d+[A-Z]+\d+ )"));
    return number.match(line).hasMatch();
}

// A category's row of a scorecard: its name, then its score (or N/A, or nothing).
bool isCategoryLine(const QString& line) {
    static const QRegularExpression score(QStringLiteral(R"(^( \d+| N/A)?$)"));
    for (const Xml::XmlNode& name :
         Globals::gDataDoc.selectNodes(QStringLiteral("data/survey/section/category/small_cat_desc")))
        if (line.startsWith(name.text()) && score.match(line.mid(name.text().size())).hasMatch())
            return true;
    return false;
}

// A table printed over sheets: no sheet but the last ends with the table's head, and a category's
// row shares its sheet with its first two questions (all of them when it has fewer).
void expectNoHeadingAtTheFoot(const QList<PrintedSheet>& sheets, const Expected& expected) {
    const QString head = QString::fromLatin1(expected.tableHead);
    struct Category {
        qsizetype sheet;
        int questionsOnItsSheet = 0;
        int questions = 0;
    };
    QList<Category> categories;
    for (qsizetype i = 0; i < sheets.size(); ++i) {
        const QStringList& lines = sheets[i].lines;
        if (i + 1 < sheets.size() && !lines.isEmpty())
            EXPECT_NE(lines.last(), head) << expected.what << " page " << i + 1 << " ends with the table's head";
        for (const QString& line : lines) {
            if (isCategoryLine(line)) {
                categories.append(Category{i, 0, 0});
            } else if (isQuestionLine(line) && !categories.isEmpty()) {
                Category& category = categories.last();
                ++category.questions;
                if (category.sheet == i)
                    ++category.questionsOnItsSheet;
            }
        }
    }
    for (const Category& category : categories)
        EXPECT_GE(category.questionsOnItsSheet, std::min(category.questions, 2))
            << expected.what << " page " << category.sheet + 1
            << " ends with a category's row: " << sheets[category.sheet].lines.join(QLatin1Char('|')).toStdString();
}

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
    bool tableStarted = false;
    for (qsizetype i = 0; i < sheets.size(); ++i) {
        const PrintedSheet& sheet = sheets[i];
        EXPECT_EQ(sheet.size.width() > sheet.size.height(), expected.orientation == QPageLayout::Landscape)
            << expected.what << " page " << i + 1;
        EXPECT_FALSE(sheet.content.isEmpty()) << expected.what << " page " << i + 1 << " is blank";
        // Content is never pushed past the printable area's right edge.
        EXPECT_LE(sheet.inked.right(), sheet.size.width() - jobMargins(expected.orientation).right() + 4)
            << expected.what << " page " << i + 1;
        // From the sheet where the table starts on, the head's words, each a word of the sheet (the
        // reading order runs through the table's columns).
        tableStarted = tableStarted || sheet.lines.contains(QLatin1String(expected.tableHead));
        const QStringList words = sheet.text.split(QLatin1Char(' '));
        for (const QString& head : QString::fromLatin1(expected.tableHead).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            EXPECT_TRUE(!tableStarted || words.contains(head))
                << expected.what << " page " << i + 1 << " lacks the table's " << head.toStdString();
    }
    EXPECT_EQ(tableStarted, expected.tableHead[0] != 0) << expected.what;
    const QList<QMarginsF> clear = clearOfEdgesMm(job.pdfPath);
    ASSERT_EQ(clear.size(), sheets.size()) << expected.what;
    for (qsizetype i = 0; i < clear.size(); ++i) {
        const QMarginsF& edges = clear[i];
        EXPECT_GE(std::min({edges.left(), edges.top(), edges.right(), edges.bottom()}), kLeastMarginMm)
            << expected.what << " page " << i + 1 << ": " << edges.left() << " " << edges.top() << " " << edges.right()
            << " " << edges.bottom() << " mm clear of the edges";
    }
    if (!expected.tableHead[0])
        return;
    expectNoHeadingAtTheFoot(sheets, expected);
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
        QPageSize::PageSizeId paper = QPageSize::A4;
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
        // Letter is wider than A4 in landscape but not as long: the charts must not shrink on it.
        {"mnuGotoDashboard",
         "dashboard1",
         {"dashboard on Letter", QPageLayout::Landscape, 0, "Riverside Water Treatment Upgrade", "Dashboard"},
         true,
         QPageSize::Letter},
        {"mnuGotoPriorityDashboard",
         "dashboard2",
         {"priority dashboard on Letter", QPageLayout::Landscape, 0, "Riverside Water Treatment Upgrade",
          "Priority Dashboard"},
         true,
         QPageSize::Letter},
        {"mnuGotoScoreCard",
         "scorecard",
         {"scorecard on Letter", QPageLayout::Landscape, 0, "Procurement and suppliers",
          "Scorecard Procurement and suppliers", 0.9, "No. Question Term Answer Score Weight"},
         false,
         QPageSize::Letter},
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
        output->paper = QPageSize(screen.paper);
        const PrintJob* job = onePrintJob([window] { window->menuItem(QStringLiteral("mnuFilePrint"))->trigger(); });
        ASSERT_NE(job, nullptr) << screen.screen;
        expectSheets(*job, screen.expected);
        if (screen.charts)
            expectReadableCharts(*job, screen.expected.what);
    }
    EXPECT_TRUE(environment.messages.asked().isEmpty()) << environment.messages.texts().join('\n').toStdString();
}

// A grayscale printout against the colour one of the same page, sheet by sheet at the same places:
// how much of the white stays white, and the grey that each of the colours reads as (the median at
// the places the colour print has it; -1 where it has too few of them).
struct GreyReading {
    double whiteKept = 0.0;
    QList<int> greys;
};

GreyReading readGreys(const QString& colourPdf, const QString& greyPdf, const QList<printing::GreyOfColour>& colours) {
    constexpr int kDpi = 60;
    const QList<QImage> colour = sheetPictures(colourPdf, kDpi);
    const QList<QImage> grey = sheetPictures(greyPdf, kDpi);
    GreyReading reading;
    if (colour.isEmpty() || colour.size() != grey.size())
        return reading;
    qint64 white = 0;
    qint64 whiteKept = 0;
    QList<QList<int>> found(colours.size());
    for (qsizetype s = 0; s < colour.size(); ++s) {
        if (colour[s].size() != grey[s].size())
            return reading;
        for (int y = 0; y < colour[s].height(); ++y) {
            const auto* colourRow = reinterpret_cast<const QRgb*>(colour[s].constScanLine(y));
            const auto* greyRow = reinterpret_cast<const QRgb*>(grey[s].constScanLine(y));
            for (int x = 0; x < colour[s].width(); ++x) {
                const QRgb c = colourRow[x];
                const int g = qGray(greyRow[x]);
                // Paper (pictures of pages carry faint compression noise).
                if (std::min({qRed(c), qGreen(c), qBlue(c)}) >= 252) {
                    ++white;
                    whiteKept += g >= 252 ? 1 : 0;
                }
                for (qsizetype i = 0; i < colours.size(); ++i) {
                    const printing::GreyOfColour& wanted = colours[i];
                    if (std::abs(qRed(c) - wanted.red) <= 4 && std::abs(qGreen(c) - wanted.green) <= 4 &&
                        std::abs(qBlue(c) - wanted.blue) <= 4)
                        found[i].append(g);
                }
            }
        }
    }
    reading.whiteKept = white > 0 ? double(whiteKept) / white : 0.0;
    for (QList<int>& greys : found) {
        std::sort(greys.begin(), greys.end());
        reading.greys.append(greys.size() >= 6 ? greys[greys.size() / 2] : -1);
    }
    return reading;
}

// The readings of the colours from first up to (not including) last, each at least 25 levels from
// the others; each must have been found.
void expectApart(const QList<int>& greys, int first, int last, const std::string& what) {
    for (int i = first; i < last; ++i) {
        ASSERT_GE(greys.value(i, -1), 0) << what << ": colour " << i - first + 1 << " not found";
        for (int j = first; j < i; ++j)
            EXPECT_GE(std::abs(greys[i] - greys[j]), 25)
                << what << ": colours " << j - first + 1 << " and " << i - first + 1;
    }
}

// Grayscale chosen in the print dialog, on the road of a PDF file and on the road of paper and the
// preview: no colour is left and the text stays; the sheet is as white as the colour print's; the
// risk bands keep their order, lighter for less risk, each 25 levels from the next and the lightest
// 25 from the paper, and "not applicable" 25 from every band; trend lines, and the fishbone's marks
// of answered and open categories, are 25 levels apart.
TEST_F(PrintedSheetsRoad, GrayscaleChosenInTheDialogKeepsThePaperWhiteAndTheBandsApart) {
    frmBrowser* window = showSample();
    struct Screen {
        const char* menuItem;
        const char* screen;
        const char* text;
        int bands;          // how many risk bands the screen shows at least; 5: all four and not applicable
        int lines = 0;      // how many trend lines it shows
        bool marks = false; // the marks of answered and open categories
    };
    // Tiles and legend chips, chart bars and lines, and the marks of a drawing.
    const Screen screens[] = {
        {"mnuGotoTileChart", "tilechart", "Team competence", 5},
        {"mnuGotoDashboard", "dashboard1", "Riverside Water Treatment Upgrade", 2},
        {"mnuGotoTrendDetail", "projecttrenddetail", "Group scores by review date", 0, 5},
        {"mnuGotoFishbone", "fishbone", "Procurement and suppliers", 0, 0, true},
    };
    for (const Screen& screen : screens) {
        ASSERT_TRUE(goTo(*window, screen.menuItem, screen.screen)) << screen.screen;
        for (const bool preview : {false, true}) {
            const std::string what = std::string(screen.screen) + (preview ? " previewed" : " printed to a file");
            QString pdfs[2];
            for (const bool grayscale : {false, true}) {
                output->grayscale = grayscale;
                const PrintJob* job = onePrintJob([window, preview] {
                    window->menuItem(QString::fromLatin1(preview ? "mnuPrintPreviewOpenScreen" : "mnuFilePrint"))
                        ->trigger();
                });
                ASSERT_NE(job, nullptr) << what;
                pdfs[grayscale] = job->pdfPath;
                const QList<PrintedSheet> sheets = printedSheets(job->pdfPath);
                ASSERT_FALSE(sheets.isEmpty()) << what;
                bool coloured = false;
                QString text;
                for (const PrintedSheet& sheet : sheets) {
                    coloured = coloured || sheet.coloured;
                    text += sheet.text + QLatin1Char(' ');
                }
                EXPECT_EQ(coloured, !grayscale) << what << (grayscale ? " in grayscale" : " in colour");
                // The preview draws pictures of the pages, without text to search.
                if (!preview)
                    EXPECT_TRUE(text.contains(QLatin1String(screen.text))) << what << ": " << text.toStdString();
            }
            const int bands = int(printing::bandGreys().size());
            const int lines = int(printing::lineGreys().size());
            const GreyReading reading =
                readGreys(pdfs[0], pdfs[1], printing::bandGreys() + printing::lineGreys() + printing::markGreys());
            std::cout << "[ printout ] " << what << " in grayscale: " << qRound(reading.whiteKept * 1000) / 10.0
                      << " % of the white kept, greys of bands, lines and marks:";
            for (const int grey : reading.greys)
                std::cout << " " << grey;
            std::cout << std::endl;
            EXPECT_GE(reading.whiteKept, 0.99) << what;
            ASSERT_EQ(reading.greys.size(), bands + lines + printing::markGreys().size()) << what;
            const QList<int> bandGreys = reading.greys.mid(0, bands);
            // The bands found, each darker than the one of less risk before it.
            int found = 0;
            int lighter = 255;
            for (int band = 0; band < 4; ++band) {
                const int grey = bandGreys[band];
                if (grey < 0)
                    continue;
                ++found;
                EXPECT_LE(grey, lighter - 25) << what << ": band " << band + 1;
                lighter = grey;
            }
            EXPECT_GE(found, std::min(screen.bands, 4)) << what;
            // Every band, not applicable included, apart from the others.
            if (screen.bands == 5)
                expectApart(reading.greys, 0, bands, what + " bands");
            expectApart(reading.greys, bands, bands + screen.lines, what + " lines");
            if (screen.marks)
                expectApart(reading.greys, bands + lines, int(reading.greys.size()), what + " marks");
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
        whenFramesReady(shown.data(), [&] {
            job = onePrintJob([&] { clickLink(shown->browser(), kMainFrame, QStringLiteral("#PRT")); });
            shown->reject();
        });
        window->menuItem(QString::fromLatin1(reference.menuItem))->trigger();
        ASSERT_NE(job, nullptr) << reference.expected.what;
        expectSheets(*job, reference.expected);
    }
}

// Printing and copying from the real main window over the shipped content: the report screen on
// display printed in landscape under the header picture, the question list printed in portrait
// while the screen stays, screens that cannot be printed, and the screen area on the clipboard.
#include "RoadSupport.h"
#include "platform/AppFolder.h"
#include "platform/Wait.h"
#include "platform/browser/WebBrowser.h"
#include "shell/Startup.h"
#include "shell/ui/frmBrowser.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"
#include "support/PdfPrintOutput.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSet>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

class PrintRoadTest : public StartedProgramRoad {
protected:
    void SetUp() override {
        StartedProgramRoad::SetUp();
        output = environment.printouts.get();
        // The first body element of the page each job prints.
        output->duringJob = [this](QWebEngineView& view) {
            view.page()->runJavaScript(QStringLiteral("document.body.firstElementChild.outerHTML"),
                                       [this](const QVariant& value) { firstElements.append(value.toString()); });
            static_cast<void>(waitWhile([this] { return firstElements.size() < output->jobs.size(); }, 10000));
        };
    }
    frmBrowser* showSample() {
        frmBrowser* window = StartedProgramRoad::showSample();
        environment.messages.clear();
        return window;
    }

    static QString headerFragment() {
        return QStringLiteral(R"(<p align="center"><img src="../images/printheader.bmp" align="center"></p>)");
    }

    PdfPrintOutput* output = nullptr;
    QStringList firstElements;
};

TEST_F(PrintRoadTest, WelcomePageIsNotPrintable) {
    frmBrowser* window = startProgram();
    for (const bool preview : {false, true}) {
        environment.messages.clear();
        window->CallPrinter(preview);
        ASSERT_EQ(environment.messages.asked().size(), 1);
        const AskedMessage& message = environment.messages.asked().first();
        EXPECT_EQ(message.text, "Current screen is not printable.");
        EXPECT_EQ(message.title, "Can't Print");
        EXPECT_EQ(message.icon, MsgIcon::Exclamation);
    }
    EXPECT_TRUE(output->jobs.isEmpty());
}

TEST_F(PrintRoadTest, FishboneScreenPrintsItsReportInLandscapeUnderTheHeader) {
    frmBrowser* window = showSample();
    window->menuItem(QStringLiteral("mnuFilePrint"))->trigger();
    window->menuItem(QStringLiteral("mnuPrintPreviewOpenScreen"))->trigger();

    ASSERT_EQ(output->jobs.size(), 2);
    EXPECT_FALSE(output->jobs[0].preview);
    EXPECT_TRUE(output->jobs[1].preview);
    // A print to file from the preview proposes what File > Print proposes.
    EXPECT_FALSE(output->jobs[0].proposedPdfFile.isEmpty());
    EXPECT_EQ(output->jobs[1].proposedPdfFile, output->jobs[0].proposedPdfFile);
    for (const PrintJob& job : output->jobs) {
        EXPECT_EQ(job.orientation, QPageLayout::Landscape);
        const QSizeF size = pdfPageSize(job.pdfPath);
        EXPECT_GT(size.width(), size.height());
    }
    // The report itself, without the screen's frameset: the project's name is on the page.
    const QString text = output->jobs[0].pageText;
    EXPECT_TRUE(text.contains(Globals::GetProjectName())) << text.left(400).toStdString();
    EXPECT_EQ(firstElements, QStringList(2, headerFragment()));
    // The printed file itself carries no header.
    QFile page(appPath(QStringLiteral("fishbone/fish.htm")));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_FALSE(QString::fromUtf8(page.readAll()).contains(QStringLiteral("printheader.bmp")));
    EXPECT_EQ(window->webMain()->LocationName(), "fishbone");
    EXPECT_TRUE(environment.messages.asked().isEmpty()) << environment.messages.texts().join('\n').toStdString();
}

TEST_F(PrintRoadTest, PrintQuestionsPrintsThePhasesListInPortraitAndKeepsTheScreen) {
    frmBrowser* window = showSample();
    const QString screenBefore = window->webMain()->LocationURL();
    const QString printout = appPath(QStringLiteral("survey/printout.htm"));
    QFile::remove(printout);

    // A question of the review's phase with a plain text, and one of another phase.
    const QString phase = Globals::GetCurrentPhase();
    QString ownQuestion;
    QString otherQuestion;
    for (const Xml::XmlNode& question :
         Globals::gDataDoc.selectNodes(QStringLiteral("data/survey/section/category/question"))) {
        const QString text = question.selectSingleNode(QStringLiteral("question_text")).text().trimmed();
        if (text.contains(QRegularExpression(QStringLiteral("[&<>\"']"))) || text.isEmpty())
            continue;
        const bool own = question.selectSingleNode(QStringLiteral("phase_id")).text().trimmed() == phase;
        (own ? ownQuestion : otherQuestion) = text;
    }
    ASSERT_FALSE(ownQuestion.isEmpty());

    window->menuItem(QStringLiteral("mnuPrintQuestions"))->trigger();

    QFile page(printout);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    EXPECT_TRUE(html.contains(ownQuestion)) << ownQuestion.toStdString();
    if (!otherQuestion.isEmpty() && otherQuestion != ownQuestion)
        EXPECT_FALSE(html.contains(otherQuestion)) << otherQuestion.toStdString();
    ASSERT_EQ(output->jobs.size(), 1);
    EXPECT_FALSE(output->jobs[0].preview);
    EXPECT_EQ(output->jobs[0].orientation, QPageLayout::Portrait);
    const QSizeF size = pdfPageSize(output->jobs[0].pdfPath);
    EXPECT_LT(size.width(), size.height());
    EXPECT_EQ(firstElements, QStringList{headerFragment()});
    EXPECT_EQ(window->webMain()->LocationURL(), screenBefore);
    EXPECT_TRUE(environment.messages.asked().isEmpty()) << environment.messages.texts().join('\n').toStdString();
}

TEST_F(PrintRoadTest, PrintQuestionsWithoutItsStyleSheetPrintsNothing) {
    frmBrowser* window = showSample();
    ASSERT_TRUE(QFile::remove(appPath(QStringLiteral("survey/questions.xsl"))));
    const QString printout = appPath(QStringLiteral("survey/printout.htm"));
    QFile::remove(printout);

    window->PrintQuestions(true);

    EXPECT_EQ(environment.messages.texts(), QStringList{"error loading questions.xsl"});
    EXPECT_EQ(environment.messages.asked().first().title, "TOVA2");
    EXPECT_TRUE(output->jobs.isEmpty());
    EXPECT_FALSE(QFile::exists(printout));
}

// Distinct colours on a coarse grid over the picture.
int colourCount(const QImage& picture) {
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 7)
        for (int x = 0; x < picture.width(); x += 7)
            colours.insert(picture.pixel(x, y));
    return colours.size();
}

TEST_F(PrintRoadTest, CopyPutsTheScreenAreaOnTheClipboard) {
    frmBrowser* window = startProgram();
    const QRect area = window->ScreenShotArea();
    // The welcome page has been painted once the area shows more than the window's background.
    ASSERT_TRUE(waitWhile([window, area] { return colourCount(window->grab(area).toImage()) <= 8; }));
    environment.messages.clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    window->menuItem(QStringLiteral("mnuCopyScreen"))->trigger();

    const QImage picture = QGuiApplication::clipboard()->image();
    EXPECT_EQ(picture.size(), area.size());
    // The page under the area, from the area's corner.
    EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32),
              window->grab(area).toImage().convertToFormat(QImage::Format_RGB32));
    EXPECT_GT(colourCount(picture), 8);
    EXPECT_NE(QGuiApplication::clipboard()->text(), "before");
    EXPECT_EQ(environment.messages.texts(), QStringList{"Screen Copied to Clipboard."});
}

} // namespace

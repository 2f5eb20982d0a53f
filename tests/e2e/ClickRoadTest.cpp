// Page links clicked as a user clicks them: real mouse events on the browser's input widget at the
// link's place on screen, and then no further event. Each click must act at once and once; several
// clicks act in order; windows opened from a modal window can be used beside it.
#include "QuestionnaireData.h"
#include "RoadSupport.h"
#include "platform/AppFolder.h"
#include "platform/ScriptLiteral.h"
#include "platform/Wait.h"
#include "platform/browser/WebBrowser.h"
#include "platform/browser/ui/BrowserWindow.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "reference/ui/frmGlossary.h"
#include "review/ui/frmSurvey.h"
#include "shell/ui/frmBrowser.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"
#include "store/Reviews.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QPointer>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

// A click acts within this bound even on a busy machine; a click left waiting for the next input
// event waits out the page-script bound of ten seconds.
constexpr int kActsWithinMs = 5000;
// How long a road watches after the expected screens came, to see that no further one follows.
constexpr int kSettleMs = 1500;

const QString kMain = QStringLiteral("main");
const QString kSide = QStringLiteral("side");

// Categories that list questions in the current review's phase, in questionnaire order.
QStringList categoriesWithQuestions() {
    QStringList ids;
    for (const Xml::XmlNode& id :
         Globals::gDataDoc.selectNodes(QStringLiteral("data/survey/section/category/category_id"))) {
        if (!questionsOf(id.text().trimmed(), Globals::GetCurrentPhase()).isEmpty())
            ids << id.text().trimmed();
    }
    return ids;
}

bool frameHas(WebBrowser& browser, const QString& frame, const QString& selector) {
    return browser.ExecScript(
        QStringLiteral("if (!document.querySelector(%1)) throw 0;").arg(tova::scriptLiteral(selector)), frame);
}

// The questionnaire shows the category's question page.
bool showsCategory(WebBrowser& browser, const QString& categoryId) {
    const QStringList questions = questionsOf(categoryId, Globals::GetCurrentPhase());
    return !questions.isEmpty() && framesReady(browser) &&
           frameHas(browser, kMain, QStringLiteral("[name=\"R%1\"]").arg(questions.first()));
}

// What a widget shows once its picture has stopped changing (a document viewer draws in steps).
QImage settledPicture(QWidget* widget) {
    QImage last = widget->grab().toImage();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kDriveTimeoutMs) {
        processEventsFor(250);
        const QImage now = widget->grab().toImage();
        if (now == last)
            break;
        last = now;
    }
    return last;
}

class ClickRoad : public MainWindowRoad {
protected:
    void showSample() {
        Globals::OpenProjectAndShow(appPath(QStringLiteral("sample.tova")));
        ASSERT_TRUE(Globals::IsProjectLoaded());
        ASSERT_TRUE(waitForScreen(QStringLiteral("fishbone"), kDriveTimeoutMs));
    }
    WebBrowser& browser() { return *mainWindow->webMain(); }

    bool waitForScreen(const QString& name, int timeoutMs) {
        QElapsedTimer clock;
        clock.start();
        return waitWhile([&] { return browser().LocationName() != name; }, timeoutMs) &&
               waitWhile([&] { return !browser().IsFrameComplete(kMain); },
                         std::max<int>(0, timeoutMs - static_cast<int>(clock.elapsed())));
    }

    // Waits (program state only) until the log holds count pages, then for the screen to be up, all
    // by the deadline (set before the click).
    bool screenComesBy(const TopPageLog& log, int count, const QString& name, const QDeadlineTimer& deadline) {
        const auto left = [&] { return static_cast<int>(std::max<qint64>(0, deadline.remainingTime())); };
        return waitWhile([&] { return log.pages().size() < count; }, left()) && waitForScreen(name, left()) &&
               !deadline.hasExpired();
    }
};

} // namespace

TEST_F(ClickRoad, NextAndBackFromTheFishboneActAtOnce) {
    showSample();
    TopPageLog log(browser());

    QDeadlineTimer deadline(kActsWithinMs);
    ASSERT_TRUE(clickLink(browser(), kMain, QStringLiteral("#BCK")));
    EXPECT_TRUE(waitWhile([&] { return env.messages.asked().isEmpty(); }, int(deadline.remainingTime())) &&
                !deadline.hasExpired());
    EXPECT_EQ(env.messages.texts(),
              QStringList{"You are already at first screen of TOVI - use Help to return to Introduction."});

    deadline.setRemainingTime(kActsWithinMs);
    ASSERT_TRUE(clickLink(browser(), kMain, QStringLiteral("#NXT")));
    EXPECT_TRUE(screenComesBy(log, 1, QStringLiteral("tilechart"), deadline));

    deadline.setRemainingTime(kActsWithinMs);
    ASSERT_TRUE(clickLink(browser(), kMain, QStringLiteral("#BCK")));
    EXPECT_TRUE(screenComesBy(log, 2, QStringLiteral("fishbone"), deadline));
    processEventsFor(kSettleMs);
    EXPECT_EQ(log.pages(), (QStringList{"tilechart.htm", "fishbone.htm"}));
    EXPECT_EQ(env.messages.texts().size(), 1);
}

TEST_F(ClickRoad, NextClickedTwiceQuicklyPassesExactlyTwoScreens) {
    showSample();
    TopPageLog log(browser());
    const QDeadlineTimer deadline(2 * kActsWithinMs);
    ASSERT_TRUE(clickLinksQuickly(browser(), kMain, {QStringLiteral("#NXT"), QStringLiteral("#NXT")}));
    EXPECT_TRUE(screenComesBy(log, 2, QStringLiteral("dashboard1"), deadline));
    processEventsFor(kSettleMs);
    EXPECT_EQ(log.pages(), (QStringList{"tilechart.htm", "dashboard1.htm"}));
    EXPECT_EQ(browser().LocationName(), QStringLiteral("dashboard1"));
    EXPECT_EQ(env.messages.texts(), QStringList());
}

TEST_F(ClickRoad, FishboneCategoryAndQuestionnaireCategoriesEachShowAtOnce) {
    showSample();
    const QStringList categories = categoriesWithQuestions();
    ASSERT_GE(categories.size(), 4);
    frmSurvey& survey = frmSurvey::instance();
    QElapsedTimer clock;
    qint64 opened = -1;
    qint64 moved = -1;
    bool lastWon = false;
    whenModal(
        &survey, [&] { return showsCategory(survey.browser(), categories[0]); },
        [&] {
            opened = clock.elapsed();
            // A category of the tree.
            clock.restart();
            ASSERT_TRUE(clickLink(survey.browser(), kSide, QStringLiteral("#cat") + categories[1]));
            if (waitWhile([&] { return !showsCategory(survey.browser(), categories[1]); }, kDriveTimeoutMs))
                moved = clock.elapsed();
            // A second category clicked while the first is still loading: the last click wins.
            ASSERT_TRUE(
                clickLinksQuickly(survey.browser(), kSide,
                                  {QStringLiteral("#cat") + categories[2], QStringLiteral("#cat") + categories[3]}));
            lastWon = waitWhile([&] { return !showsCategory(survey.browser(), categories[3]); }, 2 * kActsWithinMs);
            processEventsFor(kSettleMs);
            lastWon = lastWon && showsCategory(survey.browser(), categories[3]);
            // "Close and return to the diagram".
            clickLink(survey.browser(), QStringLiteral("bottom"), QStringLiteral("#Back"));
        });
    clock.start();
    ASSERT_TRUE(clickLink(browser(), kMain, QStringLiteral("#CAT") + categories[0]));
    EXPECT_TRUE(waitWhile([&] { return opened < 0 || survey.isVisible(); }, kDriveTimeoutMs));
    EXPECT_GE(opened, 0);
    EXPECT_LT(opened, kActsWithinMs);
    EXPECT_GE(moved, 0);
    EXPECT_LT(moved, kActsWithinMs);
    EXPECT_TRUE(lastWon);
    EXPECT_TRUE(waitForScreen(QStringLiteral("fishbone"), kDriveTimeoutMs));
    EXPECT_EQ(env.messages.texts(), QStringList());
}

TEST_F(ClickRoad, QuestionnaireOpensAtOnceTenTimesInARow) {
    showSample();
    const QStringList categories = categoriesWithQuestions();
    ASSERT_FALSE(categories.isEmpty());
    frmSurvey& survey = frmSurvey::instance();
    for (int round = 0; round < 10; ++round) {
        const QString category = categories[round % categories.size()];
        QElapsedTimer clock;
        qint64 shown = -1;
        whenModal(
            &survey, [&] { return showsCategory(survey.browser(), category); },
            [&] {
                shown = clock.elapsed();
                clickLink(survey.browser(), QStringLiteral("bottom"), QStringLiteral("#Back"));
            });
        ASSERT_TRUE(waitForScreen(QStringLiteral("fishbone"), kDriveTimeoutMs)) << "round " << round;
        clock.start();
        ASSERT_TRUE(clickLink(browser(), kMain, QStringLiteral("#CAT") + category)) << "round " << round;
        EXPECT_TRUE(waitWhile([&] { return shown < 0 || survey.isVisible(); }, kDriveTimeoutMs)) << "round " << round;
        EXPECT_GE(shown, 0) << "round " << round;
        EXPECT_LT(shown, kActsWithinMs) << "round " << round;
    }
    EXPECT_EQ(env.messages.texts(), QStringList());
}

TEST_F(ClickRoad, DefinitionsTermLinkShowsItsTermAtOnce) {
    QPointer<frmGlossary> glossary = &frmGlossary::instance();
    qint64 shown = -1;
    whenFramesReady(glossary.data(), [&] {
        WebBrowser& page = glossary->browser();
        QElapsedTimer clock;
        clock.start();
        ASSERT_TRUE(clickLink(page, kSide, QStringLiteral("#gls1B1")));
        if (waitWhile([&] { return !headingIs(page, kMain, term(QStringLiteral("1B1"))); }, kDriveTimeoutMs))
            shown = clock.elapsed();
        // The index's Close link.
        clickLink(page, kSide, QStringLiteral("#BCK"));
    });
    mainWindow->menuItem(QStringLiteral("mnuGlossary"))->trigger();
    EXPECT_GE(shown, 0);
    EXPECT_LT(shown, kActsWithinMs);
    EXPECT_TRUE(glossary.isNull());
    EXPECT_EQ(env.messages.texts(), QStringList());
}

TEST_F(ClickRoad, PdfFromTheDefinitionsWindowIsUsableBesideIt) {
    QPointer<frmGlossary> glossary = &frmGlossary::instance();
    bool used = false;
    bool scrolled = false;
    bool closed = false;
    bool definitionsStayed = false;
    whenFramesReady(glossary.data(), [&] {
        const QWidgetList before = QApplication::topLevelWidgets();
        ASSERT_TRUE(clickElement(glossary->browser(), kMain, QStringLiteral("a[href$=\".pdf\"]")));
        QPointer<BrowserWindow> pdf = awaitNewBrowserWindow(before, kActsWithinMs);
        ASSERT_FALSE(pdf.isNull());
        EXPECT_TRUE(waitWhile([&] { return pdf->browser()->Busy(); }, kDriveTimeoutMs));
        EXPECT_TRUE(pdf->browser()->LocationURL().endsWith(QStringLiteral(".pdf")));
        EXPECT_TRUE(whollyOnScreen(*pdf));
        // The mouse reaches it through the window system, and its wheel scrolls it.
        used = clickReachesPage(*pdf, kActsWithinMs);
        QWidget* input = inputWidget(*pdf->browser());
        ASSERT_NE(input, nullptr);
        const QImage unscrolled = settledPicture(input);
        turnWheel(*pdf->browser(), -3);
        scrolled = waitWhile([&] { return input->grab().toImage() == unscrolled; }, kActsWithinMs);
        // Its close box closes it; the definitions window stays.
        pdf->close();
        closed = waitWhile([&] { return !pdf.isNull(); }, kActsWithinMs);
        definitionsStayed = glossary && glossary->isVisible();
        clickLink(glossary->browser(), kSide, QStringLiteral("#BCK"));
    });
    mainWindow->menuItem(QStringLiteral("mnuGlossary"))->trigger();
    EXPECT_TRUE(used);
    EXPECT_TRUE(scrolled);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(definitionsStayed);
    EXPECT_TRUE(glossary.isNull());
}

// Escape typed inside the page of a window that shows one (a real key event sent to the browser's
// widget) closes the window the way its close box does, whichever window it is.
#include "QuestionnaireData.h"
#include "RoadSupport.h"
#include "platform/AppFolder.h"
#include "platform/PageServices.h"
#include "platform/Wait.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "reference/ui/frmGlossary.h"
#include "review/ui/frmNewProject.h"
#include "review/ui/frmNewReview.h"
#include "review/ui/frmRoadmap.h"
#include "review/ui/frmSurvey.h"
#include "shell/ui/frmBrowser.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"
#include "store/Reviews.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <QTest>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

constexpr int kCloseTimeoutMs = 15000;

struct QuestionRef {
    QString categoryId;
    QString questionId;
};

// A category of the sample's current phase with questions, and its first question.
QuestionRef firstQuestionOfThePhase() {
    const Xml::XmlNode question = Globals::gDataDoc.selectSingleNode(
        QStringLiteral("data/survey/section/category/question[phase_id = \"%1\"]").arg(Globals::GetCurrentPhase()));
    return {question.selectSingleNode(QStringLiteral("../category_id")).text().trimmed(),
            question.selectSingleNode(QStringLiteral("question_id")).text().trimmed()};
}

// The window with a page that came up since before was taken, once its page (and the named frame
// of it) has loaded.
QWidget* newWindowWithReadyPage(const QWidgetList& visibleBefore, const QString& frame) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || visibleBefore.contains(window))
            continue;
        auto* browser = window->findChild<WebEngineBrowser*>();
        if (browser && pageReady(*browser) && (frame.isEmpty() || browser->IsFrameComplete(frame)))
            return window;
    }
    return nullptr;
}

QWidgetList visibleTopLevels() {
    QWidgetList visible;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            visible << window;
    return visible;
}

using EscapeRoad = MainWindowRoad;

} // namespace

TEST_F(EscapeRoad, EscapeInsideThePageClosesTheWindowWithTheAnswersStored) {
    showSample();
    const QuestionRef question = firstQuestionOfThePhase();
    const QString& questionId = question.questionId;
    ASSERT_FALSE(questionId.isEmpty());
    // A choice other than the one the sample holds (stored as the option's number).
    const QString chosen = storedAnswer(questionId) == QLatin1String("2") ? QStringLiteral("3") : QStringLiteral("2");

    EXPECT_TRUE(driveQuestionnaire(question.categoryId, [&](frmSurvey& survey) {
        // The choice is clicked, which also puts the keys inside the page.
        const QString choice = QStringLiteral("input[name=\"R%1\"][value=\"V%2\"]").arg(questionId, chosen);
        ASSERT_TRUE(clickElement(survey.browser(), QStringLiteral("main"), choice));
        // The user sees the choice taken before pressing Escape; on a busy machine the page may
        // take its time over the click.
        ASSERT_TRUE(waitWhile([&] {
            return !survey.browser().ExecScript(
                QStringLiteral("if (!document.querySelector('%1').checked) throw 0;").arg(choice),
                QStringLiteral("main"));
        }));
        QWidget* page = inputWidget(survey.browser());
        ASSERT_NE(page, nullptr);
        QTest::keyClick(page, Qt::Key_Escape);
        EXPECT_TRUE(waitWhile([&] { return survey.isVisible(); }, kCloseTimeoutMs));
    }));
    EXPECT_EQ(storedAnswer(questionId), chosen);
    EXPECT_EQ(env.messages.texts(), QStringList());
}

TEST_F(EscapeRoad, EscapeInsideTheIndexClosesTheDefinitionsWindow) {
    QPointer<frmGlossary> glossary = &frmGlossary::instance();
    bool drove = false;
    whenFramesReady(glossary.data(), [&] {
        drove = true;
        // A click on the index's heading puts the keys inside the index.
        ASSERT_TRUE(clickElement(glossary->browser(), QStringLiteral("side"), QStringLiteral("h2")));
        QWidget* page = inputWidget(glossary->browser());
        ASSERT_NE(page, nullptr);
        QTest::keyClick(page, Qt::Key_Escape);
        EXPECT_TRUE(waitWhile([&] { return glossary && glossary->isVisible(); }, kCloseTimeoutMs));
    });
    mainWindow->gotoGlossary(QStringLiteral("1A1"));
    EXPECT_TRUE(drove);
    EXPECT_TRUE(glossary.isNull());
}

// The other windows that show a page: Escape with the focus inside the page (or a field of it)
// closes each as its close box does.
TEST_F(EscapeRoad, EscapeInsideThePageClosesEveryWindowThatShowsOne) {
    struct Case {
        const char* window;
        bool newProject;            // a new project's first review, not yet saved; else the sample
        std::function<void()> open; // returns once a modal window has closed again
        QString frame;              // where the page is shown; empty: the top page
        QString selector;           // what is clicked first; empty: the middle of the page
    };
    const Case cases[] = {
        // The road map is due on a new project's first review.
        {"road map", true, [] { frmRoadmap::instance().ShowRoadMap(); }, QString(), QStringLiteral("p")},
        {"element window", false, [this] { mainWindow->GotoDashboardElement(1); }, QStringLiteral("main"),
         QStringLiteral(".banner .title")},
        {"project details", false, [] { frmNewProject::instance().ViewDetails(); }, QString(),
         QStringLiteral("#owner")},
        {"new review", false, [] { frmNewReview::instance().AddReview(); }, QString(),
         QStringLiteral("label[for=phase]")},
        {"instructions", false, [this] { mainWindow->HandleURL(QStringLiteral("#INS")); }, QString(),
         QStringLiteral("h1")},
        {"PDF reader", false,
         [this] { mainWindow->OpenPDF(Globals::PathToURL(appPath(QStringLiteral("Library/ReworkPrimer.pdf")))); },
         QString(), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        if (c.newProject) {
            Globals::CreateProject(QStringLiteral("R"), QStringLiteral("P"), QString(), QString(),
                                   QStringLiteral("Owner"), QString());
            Globals::CreateReview(QStringLiteral("May 06, 2003"), 1);
        } else {
            showSample();
        }
        const QString owner = Globals::GetOwner();
        const int reviews = Globals::GetReviews().size();
        env.messages.clear();
        const QWidgetList before = visibleTopLevels();
        QPointer<QWidget> window;
        bool closed = false;
        QTimer driver;
        driver.setInterval(25);
        QObject::connect(&driver, &QTimer::timeout, [&] {
            QWidget* found = newWindowWithReadyPage(before, c.frame);
            if (!found)
                return;
            driver.stop();
            window = found;
            WebEngineBrowser& browser = *found->findChild<WebEngineBrowser*>();
            QWidget* page = inputWidget(browser);
            EXPECT_NE(page, nullptr);
            // A window manager gives the keys to a new window (or one clicked into); a bare X server
            // does not, so the road does it in its place.
            found->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(found));
            if (page && c.selector.isEmpty())
                QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, page->rect().center());
            if (page && (c.selector.isEmpty() || clickElement(browser, c.frame, c.selector))) {
                QTest::keyClick(page, Qt::Key_Escape);
                closed = waitWhile([&] { return window && window->isVisible(); }, kCloseTimeoutMs);
            }
            // A window that stayed is closed, so the road goes on.
            if (!closed && window)
                window->close();
        });
        driver.start();
        c.open();
        EXPECT_TRUE(waitWhile([&] { return window.isNull() && driver.isActive(); }, kDriveTimeoutMs))
            << "window never came up ready";
        driver.stop();
        EXPECT_TRUE(closed);
        EXPECT_EQ(env.messages.texts(), QStringList());
        // Closed as by its close box: nothing was submitted.
        EXPECT_EQ(Globals::GetOwner(), owner);
        EXPECT_EQ(Globals::GetReviews().size(), reviews);
    }
}

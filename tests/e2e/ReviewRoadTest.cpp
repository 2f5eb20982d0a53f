// The first half of the work in real windows over the shipped content: a new project through the
// details page, its first review, answers given by clicking the question page, the fishbone screen
// rebuilt, a second review added, chosen and deleted, and the project reopened from the recent
// list. Modal windows are driven from timers that wait (bounded) until the window is up.
#include "QuestionnaireData.h"
#include "RoadSupport.h"
#include "platform/Services.h"
#include "platform/Wait.h"
#include "platform/browser/ui/BrowserWindow.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "reference/ui/frmGlossary.h"
#include "review/ReviewClock.h"
#include "review/SurveyLinks.h"
#include "review/ui/ReviewDateBox.h"
#include "review/ui/ReviewWindows.h"
#include "review/ui/frmDeleteReview.h"
#include "review/ui/frmLoadReview.h"
#include "review/ui/frmNewLoad.h"
#include "review/ui/frmNewProject.h"
#include "review/ui/frmNewReview.h"
#include "review/ui/frmRoadmap.h"
#include "review/ui/frmSurvey.h"
#include "shell/WindowRegistry.h"
#include "shell/ui/frmBrowser.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"
#include "store/Reviews.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QWindow>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

// The button that sends a form.
const QString kSubmit = QStringLiteral("input[type=submit]");

class FixedClock final : public review::Clock {
public:
    explicit FixedClock(QDateTime moment) : m_moment(std::move(moment)) {}
    QDateTime now() const override { return m_moment; }

private:
    QDateTime m_moment;
};

using ReviewRoad = MainWindowRoad;

// The sample's current review and the row that lists it in the delete dialog.
constexpr qint16 kSampleCurrentReview = 3;
constexpr int kSampleCurrentDeleteRow = 2;

// The window is on the screen: the widget is shown and so is its window.
bool onScreen(QWidget& window) {
    return window.isVisible() && window.windowHandle() && window.windowHandle()->isVisible();
}

// The current review a project file names.
QString fileCurrentReview(const QString& path) {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("<currentreview>([^<]*)</currentreview>")).match(readFile(path));
    return match.hasMatch() ? match.captured(1) : QString();
}

bool fileHasReview(const QString& path, const QString& id) {
    return readFile(path).contains(QStringLiteral("<review id=\"%1\"").arg(id));
}

} // namespace

TEST_F(ReviewRoad, FromNewProjectToAnsweredReviewAndBack) {
    // --- A new project through the details page, with texts that need careful encoding.
    const QStringList typed{QStringLiteral("R&D + QA"), QStringLiteral("Zürich"),          QStringLiteral("100%"),
                            QStringLiteral("%2B"),      QStringLiteral("O'Brien \"Ltd\""), QStringLiteral("C:\\pm")};
    frmNewProject& details = frmNewProject::instance();
    frmNewReview& newReview = frmNewReview::instance();
    frmRoadmap& roadmap = frmRoadmap::instance();
    bool roadmapShown = false;
    bool instructionsUsable = false;
    bool instructionsClosed = false;
    whenPageReady(&details, [&] {
        // The first review: phase 2 chosen on the generated page.
        whenPageReady(&newReview, [&] {
            whenPageReady(&roadmap, [&] {
                roadmapShown = true;
                // The full instructions open in a window of their own that can be used
                // and closed while the road map is up; each one, the second too, lies
                // on the screen and leaves the road map's buttons free.
                QList<QPointer<BrowserWindow>> opened;
                for (int i = 0; i < 2; ++i) {
                    const QWidgetList before = QApplication::topLevelWidgets();
                    EXPECT_TRUE(clickLink(roadmap.browser(), QString(), QStringLiteral("#INS")));
                    opened << awaitNewBrowserWindow(before, kDriveTimeoutMs);
                    if (!opened.last())
                        continue;
                    EXPECT_TRUE(whollyOnScreen(*opened.last()));
                    const QStringList buttons{QStringLiteral("#CLS"), QStringLiteral("#INS")};
                    if (!roomClearOfLinks(roadmap.browser(), QString(), buttons, opened.last()->frameGeometry().size()))
                        continue;
                    for (const QString& link : buttons)
                        EXPECT_FALSE(coversLink(*opened.last(), roadmap.browser(), QString(), link))
                            << link.toStdString();
                }
                QPointer<BrowserWindow> instructions = opened.first();
                if (opened.last() && opened.last() != instructions)
                    opened.last()->close();
                if (instructions) {
                    instructionsUsable = clickReachesPage(*instructions, kDriveTimeoutMs);
                    instructions->close();
                    static_cast<void>(waitWhile([&] { return !instructions.isNull(); }, kDriveTimeoutMs));
                    instructionsClosed = instructions.isNull() && roadmap.isVisible();
                }
                clickLink(roadmap.browser(), QString(), QStringLiteral("#CLS"));
            });
            // The first phase is the one the list starts on.
            clickElement(newReview.browser(), QString(), kSubmit);
        });
        const QStringList fields{QStringLiteral("#refnum"), QStringLiteral("#projname"), QStringLiteral("#subprojname"),
                                 QStringLiteral("#loc"),    QStringLiteral("#owner"),    QStringLiteral("#pm")};
        for (int i = 0; i < fields.size(); ++i)
            typeInto(details.browser(), QString(), fields.at(i), typed.at(i));
        clickElement(details.browser(), QString(), kSubmit);
    });
    details.NewProject();

    ASSERT_TRUE(Globals::IsProjectLoaded());
    EXPECT_EQ((QStringList{Globals::GetReferenceNum(), Globals::GetProjectName(), Globals::GetSubProjectName(),
                           Globals::GetLocation(), Globals::GetOwner(), Globals::GetProjectManager()}),
              typed);
    ASSERT_FALSE(Globals::gCurrentReview.isNull());
    EXPECT_EQ(Globals::GetCurrentReviewID(), 1);
    EXPECT_EQ(Globals::GetCurrentPhase(), QStringLiteral("1"));
    EXPECT_TRUE(roadmapShown);
    EXPECT_TRUE(instructionsUsable);
    EXPECT_TRUE(instructionsClosed);
    EXPECT_FALSE(Globals::GetCurrentReviewDate().isEmpty());

    // --- Changing the details shows the stored texts unchanged; submitting without edits keeps them
    // byte for byte, also texts a one-line field cannot hold as they are (a file edited by hand).
    const QStringList stored{QString(QChar(0xFEFF)) + QStringLiteral("R-7"),
                             typed.at(1),
                             typed.at(2),
                             QStringLiteral("two\nlines"),
                             typed.at(4),
                             typed.at(5)};
    Globals::SetProjectDetails(stored.at(0), stored.at(1), stored.at(2), stored.at(3), stored.at(4), stored.at(5));
    whenPageReady(&details, [&] { clickElement(details.browser(), QString(), kSubmit); });
    details.ViewDetails();
    EXPECT_EQ((QStringList{Globals::GetReferenceNum(), Globals::GetProjectName(), Globals::GetSubProjectName(),
                           Globals::GetLocation(), Globals::GetOwner(), Globals::GetProjectManager()}),
              stored);

    // --- The questionnaire on category 1: every question answered by clicking, then category 2.
    const QStringList first = questionsOf(QStringLiteral("1"), QStringLiteral("1"));
    ASSERT_FALSE(first.isEmpty());
    frmSurvey& survey = frmSurvey::instance();
    QString fishBefore = readFile(appFolder + QStringLiteral("/fishbone/fish.htm"));
    bool markedComplete = false;
    EXPECT_TRUE(driveQuestionnaire(QStringLiteral("1"), [&](frmSurvey&) {
        for (int i = 0; i < first.size(); ++i) {
            EXPECT_TRUE(
                clickElement(survey.browser(), QStringLiteral("main"),
                             QStringLiteral("input[name=\"R%1\"][value=\"V%2\"]").arg(first.at(i)).arg(i % 4 + 1)));
        }
        // A definition link goes to the definitions window, not to the main window's commands. The
        // window may come up while the click's script call is still waiting, so watch for it first.
        QPointer<frmGlossary> glossary = &frmGlossary::instance();
        bool glossaryShown = false;
        whenModal(glossary, [&] {
            glossaryShown = true;
            glossary->close();
        });
        EXPECT_TRUE(clickElement(survey.browser(), QStringLiteral("main"), QStringLiteral("a.q-gls")));
        EXPECT_TRUE(waitWhile([&] { return !glossaryShown || !glossary.isNull(); }, kDriveTimeoutMs));
        EXPECT_EQ(env.messages.texts(), QStringList());
        EXPECT_TRUE(clickLink(survey.browser(), QStringLiteral("side"), QStringLiteral("#cat2")));
        EXPECT_TRUE(waitWhile([&] { return storedAnswer(first.last()).isEmpty(); }, 10000));
        // The tree's mark of category 1 turns to complete once the answers are stored.
        markedComplete = waitWhile(
            [&] {
                return !survey.browser().ExecScript(
                    QStringLiteral(
                        "if (linkWithHref('#cat1').getElementsByTagName('img')[0].src.indexOf('mark_c') < 0) "
                        "throw 0;"),
                    QStringLiteral("side"));
            },
            10000);
        // Category 2's page is up: answer its first question, then close through the bottom link.
        const QStringList second = questionsOf(QStringLiteral("2"), QStringLiteral("1"));
        static_cast<void>(waitWhile(
            [&] {
                return !survey.browser().ExecScript(
                    QStringLiteral("if (!document.survey.R%1) throw 0;").arg(second.first()), QStringLiteral("main"));
            },
            10000));
        clickElement(survey.browser(), QStringLiteral("main"),
                     QStringLiteral("input[name=\"R%1\"][value=\"V5\"]").arg(second.first()));
        clickLink(survey.browser(), QStringLiteral("bottom"), QStringLiteral("#Back"));
    }));
    EXPECT_FALSE(survey.isVisible());
    EXPECT_TRUE(markedComplete);
    for (int i = 0; i < first.size(); ++i)
        EXPECT_EQ(storedAnswer(first.at(i)), QString::number(i % 4 + 1)) << first.at(i).toStdString();
    // The answer on display when the window closed was stored before the fishbone was rebuilt.
    EXPECT_EQ(storedAnswer(questionsOf(QStringLiteral("2"), QStringLiteral("1")).first()), QStringLiteral("5"));
    const QString fish = readFile(appFolder + QStringLiteral("/fishbone/fish.htm"));
    EXPECT_NE(fish, fishBefore);
    EXPECT_TRUE(fish.contains(QRegularExpression(QStringLiteral("status-complete[^>]*>\\s*<a href=\"#CAT1\""))));
    EXPECT_TRUE(waitWhile([&] {
        return mainWindow->webMain()->LocationName() != QStringLiteral("fishbone.htm") &&
               mainWindow->webMain()->LocationName() != QStringLiteral("fishbone");
    }));

    // --- A second review through the main window's command: no road map this time.
    roadmapShown = false;
    whenPageReady(&newReview, [&] {
        // The label puts the keys on the phase list; one step down is the second phase.
        clickElement(newReview.browser(), QString(), QStringLiteral("label[for=phase]"));
        QTest::keyClick(inputWidget(newReview.browser()), Qt::Key_Down);
        clickElement(newReview.browser(), QString(), kSubmit);
    });
    FixedClock clock(QDateTime(QDate(2003, 5, 6), QTime(9, 30)));
    newReview.setClock(&clock);
    newReview.AddReview();
    newReview.setClock(nullptr);
    EXPECT_FALSE(roadmapShown);
    // The date left untouched is the moment the dialog was loaded, in the stored form.
    EXPECT_EQ(Globals::GetCurrentReviewDate(), QStringLiteral("May 06, 2003"));
    ASSERT_EQ(Globals::GetReviews().size(), 2);
    EXPECT_EQ(Globals::GetCurrentReviewID(), 2);
    EXPECT_EQ(Globals::GetCurrentPhase(), QStringLiteral("2"));

    // --- Choose the first review again.
    frmLoadReview& chooser = frmLoadReview::instance();
    whenModal(&chooser, [&] {
        QTreeWidget& list = chooser.reviewList();
        ASSERT_EQ(list.topLevelItemCount(), 3);
        EXPECT_EQ(list.topLevelItem(0)->text(0), QStringLiteral("Create New Review..."));
        clickRow(list, 1);
        pressButton(chooser.okButton());
    });
    chooser.AskLoadReview(false);
    EXPECT_EQ(Globals::GetCurrentReviewID(), 1);

    // --- Delete the second review; the project has no file yet, so the save asks for one.
    const QString projectFile = env.scratch.filePath(QStringLiteral("R&D-1 + QA road of the tunnel.tova"));
    env.fileDialogs.queue(projectFile);
    env.messages.queue(MsgAnswer::Yes);
    frmDeleteReview& deleter = frmDeleteReview::instance();
    whenModal(&deleter, [&] {
        QTreeWidget& list = deleter.reviewList();
        ASSERT_EQ(list.topLevelItemCount(), 2);
        clickRow(list, 1);
        pressButton(deleter.deleteButton());
    });
    deleter.ShowModal();
    ASSERT_EQ(Globals::GetReviews().size(), 1);
    EXPECT_EQ(Globals::gProjectPath, projectFile);
    EXPECT_TRUE(Globals::gProjectSaved);
    EXPECT_FALSE(readFile(projectFile).contains(QStringLiteral("id=\"2\"")));
    EXPECT_TRUE(env.messages.texts().contains(QStringLiteral("Are you sure you want to delete this review?")));

    // --- The start dialog: a press on empty space leaves no row to open; "More Files..." with the
    // file dialog cancelled opens nothing.
    frmNewLoad& start = frmNewLoad::instance();
    bool stillUp = false;
    whenModal(&start, [&] {
        QTreeWidget& list = start.recentList();
        ASSERT_EQ(list.selectedItems().size(), 1);
        EXPECT_EQ(list.selectedItems().first()->text(0), QStringLiteral("More Files..."));
        QWidget* viewport = list.viewport();
        const QPoint empty(5, viewport->height() - 3);
        ASSERT_EQ(list.itemAt(empty), nullptr);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(empty), viewport->mapToGlobal(QPointF(empty)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &press);
        EXPECT_TRUE(list.selectedItems().isEmpty());
        const QList<QPushButton*> opens = start.findChildren<QPushButton*>();
        for (QPushButton* button : opens) {
            if (button->text() == QStringLiteral("Open") && button->isVisible())
                pressButton(*button);
        }
        stillUp = start.isVisible();
        doubleClickItem(list, list.topLevelItem(0));
    });
    const int dialogsBefore = env.fileDialogs.requests().size();
    start.DoModal(1);
    EXPECT_TRUE(stillUp);
    ASSERT_EQ(env.fileDialogs.requests().size(), dialogsBefore + 1);
    EXPECT_EQ(env.fileDialogs.requests().last().filter, QStringLiteral("(*.tova) TOVA Project Files|*.tova"));
    EXPECT_EQ(Globals::GetReviews().size(), 1);

    // --- Reopen the project from the recent list.
    env.messages.queue(MsgAnswer::No); // "Save Project before closing?"
    Globals::CloseProject();
    ASSERT_FALSE(Globals::IsProjectLoaded());
    whenModal(&start, [&] {
        EXPECT_EQ(start.tabs().currentIndex(), 1);
        QTreeWidget& list = start.recentList();
        QTreeWidgetItem* row = nullptr;
        for (int i = 0; i < list.topLevelItemCount(); ++i) {
            if (list.topLevelItem(i)->text(0) == QStringLiteral("R&D-1 + QA road of the tunnel.tova"))
                row = list.topLevelItem(i);
        }
        ASSERT_NE(row, nullptr);
        // The name column shows the whole name beside its icon.
        EXPECT_GE(list.columnWidth(0), list.fontMetrics().horizontalAdvance(row->text(0)) + list.iconSize().width());
        doubleClickItem(list, row);
    });
    start.DoModal(1);
    ASSERT_TRUE(Globals::IsProjectLoaded());
    EXPECT_EQ(Globals::gProjectPath, projectFile);
    EXPECT_EQ(Globals::GetProjectName(), QStringLiteral("Zürich"));
    EXPECT_EQ(storedAnswer(first.first()), QStringLiteral("1"));

    // --- The file round trip: every answer given by clicking is ticked again on its question page.
    ASSERT_TRUE(waitWhile([&] {
        return !mainWindow->webMain()->ExecScript(
            QStringLiteral("if (!document.querySelector('a[href=\"#CAT2\"]')) throw 0;"), QStringLiteral("main"));
    }));
    const auto ticked = [&](const QString& question, int option) {
        const QString check =
            QStringLiteral("if (!document.querySelector('input[name=\"R%1\"][value=\"V%2\"]').checked) "
                           "throw 0;")
                .arg(question)
                .arg(option);
        return waitWhile([&] { return !survey.browser().ExecScript(check, QStringLiteral("main")); }, 10000);
    };
    // Category 1's page first, then category 2's through the questionnaire's own tree.
    env.messages.clear();
    EXPECT_TRUE(driveQuestionnaire(QStringLiteral("1"), [&](frmSurvey&) {
        for (int i = 0; i < first.size(); ++i)
            EXPECT_TRUE(ticked(first.at(i), i % 4 + 1)) << first.at(i).toStdString();
        EXPECT_TRUE(clickLink(survey.browser(), QStringLiteral("side"), QStringLiteral("#cat2")));
        EXPECT_TRUE(ticked(questionsOf(QStringLiteral("2"), QStringLiteral("1")).first(), 5));
        clickLink(survey.browser(), QStringLiteral("bottom"), QStringLiteral("#Back"));
    }));
    EXPECT_EQ(env.messages.texts(), QStringList());
}

TEST_F(ReviewRoad, ClosingWithoutAReviewAsksWhetherToStopAndARequiredChoiceCannotBeDismissed) {
    // A new project whose first review is not chosen: No keeps the dialog, then a cancel link and
    // Yes close the new project (after the close command's own save question).
    frmNewProject& details = frmNewProject::instance();
    frmNewReview& newReview = frmNewReview::instance();
    env.messages.queue(MsgAnswer::No);  // Stop creating new project?
    env.messages.queue(MsgAnswer::Yes); // Stop creating new project?
    env.messages.queue(MsgAnswer::No);  // Save Project before closing?
    bool stayedOpen = false;
    whenPageReady(&details, [&] {
        whenPageReady(&newReview, [&] {
            newReview.close();
            stayedOpen = newReview.isVisible() && Globals::IsProjectLoaded();
            clickLink(newReview.browser(), QString(), QStringLiteral("#CLS"));
        });
        typeInto(details.browser(), QString(), QStringLiteral("#projname"), QStringLiteral("Tunnel"));
        clickElement(details.browser(), QString(), kSubmit);
    });
    details.NewProject();
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(Globals::IsProjectLoaded());
    EXPECT_EQ(env.messages.texts(),
              QStringList({QStringLiteral("Stop creating new project?"), QStringLiteral("Stop creating new project?"),
                           QStringLiteral("Save Project before closing?")}));

    // The sample project, with a choice of review required: Cancel is unavailable, the close box is
    // refused with a message, and "Create New Review..." leads to the same stop question.
    env.messages.clear();
    // The sample project from the start dialog's "New" tab.
    frmNewLoad& start = frmNewLoad::instance();
    whenModal(&start, [&] {
        EXPECT_EQ(start.tabs().currentIndex(), 0);
        QListWidget& list = start.newList();
        ASSERT_EQ(list.count(), 2);
        EXPECT_EQ(list.item(0)->text(), QStringLiteral("New Project"));
        doubleClickItem(list, list.item(1));
    });
    start.DoModal(0);
    ASSERT_TRUE(Globals::IsProjectLoaded());
    const int reviews = Globals::GetReviews().size();
    frmLoadReview& chooser = frmLoadReview::instance();
    bool refused = false;
    env.messages.queue(MsgAnswer::Ok);  // A review must be selected in order to continue.
    env.messages.queue(MsgAnswer::Yes); // Stop creating new project?
    env.messages.queue(MsgAnswer::No);  // Save Project before closing?
    whenModal(&chooser, [&] {
        EXPECT_FALSE(chooser.cancelButton().isEnabled());
        EXPECT_EQ(chooser.reviewList().topLevelItemCount(), reviews + 1);
        chooser.close();
        refused = chooser.isVisible();
        whenPageReady(&newReview, [&] { newReview.close(); });
        clickRow(chooser.reviewList(), 0);
        pressButton(chooser.okButton());
    });
    chooser.AskLoadReview(true);
    EXPECT_TRUE(refused);
    EXPECT_FALSE(Globals::IsProjectLoaded());
    ASSERT_FALSE(env.messages.asked().isEmpty());
    EXPECT_EQ(env.messages.asked().first().title, QStringLiteral("Review selection required..."));
    EXPECT_EQ(env.messages.texts().mid(1), QStringList({QStringLiteral("Stop creating new project?"),
                                                        QStringLiteral("Save Project before closing?")}));
}

TEST_F(ReviewRoad, APhaseChosenAfterDecliningToStopCreatesTheReview) {
    // Declining to stop (No, or Yes whose save was cancelled) leaves the page at its cancel link's
    // address; the phase chosen and sent after that still creates the review. Right after a new
    // project's details, and through "Create New Review..." of the sample's required review choice.
    frmNewProject& details = frmNewProject::instance();
    frmNewReview& newReview = frmNewReview::instance();
    frmRoadmap& roadmap = frmRoadmap::instance();
    frmLoadReview& chooser = frmLoadReview::instance();
    frmNewLoad& start = frmNewLoad::instance();
    const QString stop = QStringLiteral("Stop creating new project?");
    const QString save = QStringLiteral("Save Project before closing?");
    bool askedToStop = false;
    // The answers that decline to stop, queued when the page's cancel link is clicked.
    QList<MsgAnswer> declining;
    const auto choosePhaseAfterDeclining = [&](bool roadMapFollows) {
        whenPageReady(&newReview, [&, roadMapFollows] {
            for (const MsgAnswer answer : declining)
                env.messages.queue(answer);
            clickLink(newReview.browser(), QString(), QStringLiteral("#CLS"));
            askedToStop = waitWhile([&] { return env.messages.texts().size() < declining.size(); }, kDriveTimeoutMs);
            if (roadMapFollows) {
                whenPageReady(&roadmap, [&] { clickLink(roadmap.browser(), QString(), QStringLiteral("#CLS")); });
            }
            clickElement(newReview.browser(), QString(), QStringLiteral("label[for=phase]"));
            QTest::keyClick(inputWidget(newReview.browser()), Qt::Key_Down);
            clickElement(newReview.browser(), QString(), kSubmit);
        });
    };
    // Gives the number of reviews the project had before the new one.
    const auto afterNewProjectDetails = [&] {
        whenPageReady(&details, [&] {
            choosePhaseAfterDeclining(true);
            typeInto(details.browser(), QString(), QStringLiteral("#projname"), QStringLiteral("Tunnel"));
            clickElement(details.browser(), QString(), kSubmit);
        });
        details.NewProject();
        return 0;
    };
    const auto throughCreateNewReview = [&] {
        whenModal(&start, [&] { doubleClickItem(start.newList(), start.newList().item(1)); });
        start.DoModal(0);
        const int before = Globals::GetReviews().size();
        whenModal(&chooser, [&] {
            choosePhaseAfterDeclining(false);
            clickRow(chooser.reviewList(), 0);
            pressButton(chooser.okButton());
        });
        chooser.AskLoadReview(true);
        return before;
    };
    const struct {
        const char* name;
        std::function<int()> road;
        QList<MsgAnswer> declining;
        QStringList asked;
    } roads[] = {
        {"No, after the new project's details", afterNewProjectDetails, {MsgAnswer::No}, {stop}},
        {"No, through Create New Review...", throughCreateNewReview, {MsgAnswer::No}, {stop}},
        {"Yes with Save As cancelled", afterNewProjectDetails, {MsgAnswer::Yes, MsgAnswer::Yes}, {stop, save}},
    };
    for (const auto& road : roads) {
        SCOPED_TRACE(road.name);
        env.messages.clear();
        askedToStop = false;
        declining = road.declining;
        const int before = road.road();
        EXPECT_TRUE(askedToStop);
        ASSERT_TRUE(Globals::IsProjectLoaded());
        EXPECT_EQ(Globals::GetReviews().size(), before + 1);
        EXPECT_EQ(Globals::GetCurrentPhase(), QStringLiteral("2"));
        EXPECT_EQ(env.messages.texts(), road.asked);
        env.messages.queue(MsgAnswer::No); // Save Project before closing?
        Globals::CloseProject();
    }
}

TEST_F(ReviewRoad, ADateTypedInTheDateBoxIsExactlyThatDateOrNoReview) {
    // Typed over the whole box with real keys and followed straight by a click on "Create review"
    // (no Tab): a date in the box's own form is saved as it reads; anything else creates no review,
    // and the dialog stays, says why and shows the date it would use.
    showSample();
    frmNewReview& newReview = frmNewReview::instance();
    FixedClock clock(QDateTime(QDate(2003, 5, 6), QTime(9, 30)));
    newReview.setClock(&clock);
    const struct {
        const char* typed;
        const char* stored; // null: no review
    } cases[] = {
        {"Aug 20, 2024", "Aug 20, 2024"},
        {"aug 2, 2024", "Aug 02, 2024"},
        {"08/20/2024", nullptr},
        {"Feb 30, 2024", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        env.messages.clear();
        const int reviewsBefore = Globals::GetReviews().size();
        bool stayed = false;
        QString shownAfterwards;
        whenPageReady(&newReview, [&] {
            QLineEdit& field = newReview.dateControl().textField();
            QTest::mouseClick(&field, Qt::LeftButton, Qt::NoModifier, field.rect().center());
            QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(&field, QString::fromUtf8(c.typed));
            clickElement(newReview.browser(), QString(), kSubmit);
            if (c.stored)
                return;
            static_cast<void>(waitWhile([&] { return env.messages.texts().isEmpty(); }, kDriveTimeoutMs));
            stayed = onScreen(newReview);
            shownAfterwards = field.text();
            clickLink(newReview.browser(), QString(), QStringLiteral("#CLS"));
        });
        newReview.AddReview();
        if (!c.stored) {
            EXPECT_TRUE(stayed);
            EXPECT_EQ(shownAfterwards, QStringLiteral("May 06, 2003"));
            EXPECT_EQ(
                env.messages.texts(),
                QStringList(QStringLiteral("The date \"%1\" could not be read, so no review was created. The date "
                                           "box reads dates in the form \"Aug 20, 2024\"; it now shows May 06, "
                                           "2003. Correct the date if needed and click \"Create review\" again.")
                                .arg(QString::fromUtf8(c.typed))));
            EXPECT_EQ(Globals::GetReviews().size(), reviewsBefore);
            continue;
        }
        EXPECT_EQ(env.messages.texts(), QStringList());
        ASSERT_EQ(Globals::GetReviews().size(), reviewsBefore + 1);
        const QString path = env.scratch.filePath(QStringLiteral("dated.tova"));
        ASSERT_TRUE(Globals::SaveProject(path));
        const QRegularExpressionMatch saved =
            QRegularExpression(QStringLiteral("<review id=\"%1\">\\s*<phase>[^<]*</phase>\\s*<date>([^<]*)</date>")
                                   .arg(Globals::GetCurrentReviewID()))
                .match(readFile(path));
        EXPECT_EQ(saved.captured(1), QString::fromUtf8(c.stored));
    }
    newReview.setClock(nullptr);
}

// A question page that stalls sends its form only after its window closed: the answers go to the
// review the window was opened for, never to the review made current since.
TEST_F(ReviewRoad, ALateSubmissionIsStoredInTheReviewItsWindowWasOpenedFor) {
    showSample();
    const Xml::XmlNode ownReview = Globals::gCurrentReview;
    const QString phase = Globals::GetCurrentPhase();
    const QString category =
        Globals::gDataDoc
            .selectSingleNode(
                QStringLiteral("data/survey/section/category[question/phase_id = \"%1\"]/category_id").arg(phase))
            .text()
            .trimmed();
    ASSERT_FALSE(category.isEmpty());
    const QString question = questionsOf(category, phase).first();
    frmSurvey& survey = frmSurvey::instance();
    ASSERT_TRUE(driveQuestionnaire(category, [&](frmSurvey&) {
        clickElement(survey.browser(), QStringLiteral("main"),
                     QStringLiteral("input[name=\"R%1\"][value=\"V2\"]").arg(question));
        clickLink(survey.browser(), QStringLiteral("bottom"), QStringLiteral("#Back"));
    }));
    ASSERT_EQ(storedAnswer(question), QStringLiteral("2"));
    Globals::SetCurrentReview(1);
    const QString otherBefore = Globals::gCurrentReview.xml();
    const auto ownAnswer = [&] {
        return ownReview.selectSingleNode(QStringLiteral("response[question_id = \"%1\"]/answer").arg(question)).text();
    };
    // The closed window's page, changed, sends its form now.
    ASSERT_TRUE(survey.browser().ExecScript(QStringLiteral("document.survey.R%1[0].checked = true").arg(question),
                                            QStringLiteral("main")));
    ASSERT_TRUE(survey.browser().ExecScript(review::submitFormScript(), QStringLiteral("main")));
    static_cast<void>(
        waitWhile([&] { return ownAnswer() != QLatin1String("1") && Globals::gCurrentReview.xml() == otherBefore; },
                  kDriveTimeoutMs));
    EXPECT_EQ(ownAnswer(), QStringLiteral("1"));
    EXPECT_EQ(Globals::gCurrentReview.xml(), otherBefore);
}

// Escape on the phase list that the mouse dropped down closes the list only, as it does for the
// date box's calendar; the next Escape, with the list closed, closes the dialog.
TEST_F(ReviewRoad, EscapeOnTheOpenPhaseListClosesTheListOnly) {
    showSample();
    const int reviews = Globals::GetReviews().size();
    frmNewReview& newReview = frmNewReview::instance();
    bool listOpened = false;
    bool listClosed = false;
    bool stayed = false;
    bool closedAfterwards = false;
    whenPageReady(&newReview, [&] {
        ASSERT_TRUE(clickElement(newReview.browser(), QString(), QStringLiteral("#phase")));
        listOpened = waitWhile([] { return !QApplication::activePopupWidget(); }, kDriveTimeoutMs);
        // The window system gives the key to the window that has the keyboard: the open list.
        ASSERT_TRUE(waitWhile([] { return !QGuiApplication::focusWindow(); }, kDriveTimeoutMs));
        QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Escape);
        listClosed = waitWhile([] { return QApplication::activePopupWidget(); }, kDriveTimeoutMs);
        stayed = onScreen(newReview);
        ASSERT_TRUE(stayed);
        // The window system hands the keyboard back to the window in its own time; the user sees
        // the window take it before pressing the next key.
        ASSERT_TRUE(
            waitWhile([&] { return QGuiApplication::focusWindow() != newReview.windowHandle(); }, kDriveTimeoutMs));
        QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Escape);
        closedAfterwards = waitWhile([&] { return newReview.isVisible(); }, kDriveTimeoutMs);
    });
    newReview.AddReview();
    EXPECT_TRUE(listOpened);
    EXPECT_TRUE(listClosed);
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(closedAfterwards);
    EXPECT_EQ(Globals::GetReviews().size(), reviews);
    EXPECT_EQ(env.messages.texts(), QStringList());
}

// The required chooser outlasts Escape, its message, and a close request to it while that message is
// up: it stays on the screen and usable, and afterwards the menu opens it again.
TEST_F(ReviewRoad, RequiredChooserOutlastsACloseRequestWhileItsMessageIsUp) {
    if (!closeRequestsReachWindows())
        GTEST_SKIP() << "close requests need a window system (run under an X server)";
    showSample();
    RealMessageBoxes boxes;
    frmDeleteReview& deleter = frmDeleteReview::instance();
    frmLoadReview& chooser = frmLoadReview::instance();
    bool stayedThroughTheRequest = false;
    bool usableAfterwards = false;
    whenModal(&deleter, [&] {
        whenMessageBox(QStringLiteral("Are you sure you want to delete this review?"), [&](QMessageBox& sure) {
            whenModal(&chooser, [&] {
                whenMessageBox(QStringLiteral("A review must be selected in order to continue."),
                               [&](QMessageBox& required) {
                                   requestClose(chooser);
                                   stayedThroughTheRequest = onScreen(chooser);
                                   pressButton(*required.button(QMessageBox::Ok));
                               });
                QTest::keyClick(&chooser, Qt::Key_Escape);
                usableAfterwards = onScreen(chooser) && QApplication::activeModalWidget() == &chooser;
                clickRow(chooser.reviewList(), 1);
                pressButton(chooser.okButton());
            });
            pressButton(*sure.button(QMessageBox::No));
        });
        clickRow(deleter.reviewList(), kSampleCurrentDeleteRow);
        pressButton(deleter.deleteButton());
    });
    deleter.ShowModal();
    EXPECT_TRUE(stayedThroughTheRequest);
    EXPECT_TRUE(usableAfterwards);
    EXPECT_EQ(Globals::GetCurrentReviewID(), 1);

    bool opened = false;
    whenModal(&chooser, [&] {
        opened = onScreen(chooser);
        pressButton(chooser.cancelButton());
    });
    mainWindow->menuItem(QStringLiteral("mnuFileLoadReview"))->trigger();
    EXPECT_TRUE(opened);
}

// Once the current review is deleted it is never shown or saved as current, however the required
// choice that follows is left: by choosing another review, or by beginning a new one and then
// stopping the project.
TEST_F(ReviewRoad, DeletedCurrentReviewIsGoneWhicheverWayTheChoiceIsLeft) {
    struct Case {
        const char* name;
        bool beginNewReview; // else the first review is chosen
    };
    for (const Case& c : {Case{"another review chosen", false}, Case{"new review begun, project stopped", true}}) {
        SCOPED_TRACE(c.name);
        // Each case deletes from a fresh copy of the shipped sample.
        const QString path = env.scratch.filePath(QString::fromLatin1(c.name) + QStringLiteral(".tova"));
        ASSERT_TRUE(QFile::copy(builtAppFolder() + QStringLiteral("/sample.tova"), path));
        showSample(path);
        env.messages.clear();
        env.messages.queue(MsgAnswer::Yes); // Are you sure you want to delete this review?
        env.messages.queue(MsgAnswer::Ok);  // A review must be selected in order to continue.
        env.messages.queue(MsgAnswer::Yes); // Stop creating new project?
        env.messages.queue(MsgAnswer::Yes); // Save Project before closing?
        frmDeleteReview& deleter = frmDeleteReview::instance();
        frmLoadReview& chooser = frmLoadReview::instance();
        frmNewReview& newReview = frmNewReview::instance();
        QString pageWhileChoosing;
        bool currentWhileChoosing = true;
        whenModal(&deleter, [&] {
            whenModal(&chooser, [&] {
                pageWhileChoosing = QUrl(mainWindow->webMain()->LocationURL()).fileName();
                currentWhileChoosing = !Globals::gCurrentReview.isNull();
                QTest::keyClick(&chooser, Qt::Key_Escape);
                if (c.beginNewReview) {
                    whenPageReady(&newReview, [&] {
                        clickElement(newReview.browser(), QString(), QStringLiteral("label[for=phase]"));
                        QTest::keyClick(inputWidget(newReview.browser()), Qt::Key_Escape);
                    });
                }
                clickRow(chooser.reviewList(), c.beginNewReview ? 0 : 1);
                pressButton(chooser.okButton());
            });
            clickRow(deleter.reviewList(), kSampleCurrentDeleteRow);
            pressButton(deleter.deleteButton());
        });
        deleter.ShowModal();

        EXPECT_EQ(pageWhileChoosing, QStringLiteral("noreview.htm")) << qPrintable(pageWhileChoosing);
        EXPECT_FALSE(currentWhileChoosing);
        const QString id = QString::number(kSampleCurrentReview);
        EXPECT_FALSE(fileHasReview(path, id));
        const QString saved = fileCurrentReview(path);
        EXPECT_TRUE(saved == QLatin1String("0") || fileHasReview(path, saved)) << qPrintable(saved);
        if (c.beginNewReview) {
            EXPECT_FALSE(Globals::IsProjectLoaded());
        } else {
            EXPECT_EQ(saved, QStringLiteral("1"));
            EXPECT_EQ(Globals::GetCurrentReviewID(), 1);
        }
        EXPECT_EQ(env.messages.texts().mid(0, 2).join(QLatin1Char('|')).toStdString(),
                  "Are you sure you want to delete this review?|A review must be selected in order to continue.");
    }
}

// Closing a changed project through the main window's menus: when the save the user asked for did
// not happen, or the question was not answered, the project stays open with its change and nothing
// else is started. A failed open leaves the screen of a closed project. And the project details
// form: when it cannot be shown filled, it is not shown at all.
#include "../shell/RecordingTargets.h"

#include "RoadSupport.h"
#include "platform/AppFolder.h"
#include "platform/Wait.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "review/ui/frmNewLoad.h"
#include "review/ui/frmNewProject.h"
#include "shell/ui/frmBrowser.h"
#include "store/ProjectDocument.h"

#include <QAction>
#include <QFile>
#include <QMessageBox>
#include <QPoint>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

const char kNeedsWindowSystem[] = "close requests need a window system (run under an X server)";

const QString kCouldNotSave = QStringLiteral("Could not save project.  Check if file is read only or disk is full.");

class ProjectClosingRoad : public MainWindowRoad {
protected:
    // Opens the sample from the Help menu and changes its owner.
    void openChangedSample() {
        mainWindow->menuItem(QStringLiteral("mnuSampleProject"))->trigger();
        ASSERT_TRUE(waitWhile([this] { return mainWindow->webMain()->LocationName() != QLatin1String("fishbone"); }));
        ASSERT_TRUE(Globals::IsProjectLoaded());
        Globals::SetProjectDetails(Globals::GetReferenceNum(), Globals::GetProjectName(), Globals::GetSubProjectName(),
                                   Globals::GetLocation(), QStringLiteral("Changed owner"),
                                   Globals::GetProjectManager());
        env.messages.clear();
    }
    void expectChangedProjectStillOpen(const QString& path) {
        EXPECT_TRUE(Globals::IsProjectLoaded());
        EXPECT_EQ(Globals::GetOwner(), QStringLiteral("Changed owner"));
        EXPECT_EQ(Globals::gProjectPath, path);
        EXPECT_FALSE(Globals::gProjectSaved);
        // A failed save may have the fishbone screen written again; it must settle on it.
        EXPECT_TRUE(waitWhile([this] { return mainWindow->webMain()->LocationName() != QLatin1String("fishbone"); }))
            << qPrintable(mainWindow->webMain()->LocationName());
    }
};

TEST_F(ProjectClosingRoad, MenusThatCloseTheProjectKeepItWhenItsSaveFails) {
    struct Case {
        const char* menuItem;
        QList<MsgAnswer> answers;
        QString firstQuestion;
        QString secondQuestion; // empty: the save follows the first answer
    };
    const Case cases[] = {
        {"mnuNewProject",
         {MsgAnswer::Yes, MsgAnswer::Yes},
         QStringLiteral("Close Current Project and Start a New Project?"),
         QStringLiteral("Save Project before closing?")},
        {"mnuLoadProject",
         {MsgAnswer::Yes, MsgAnswer::Yes},
         QStringLiteral("Close Current Project and Load a Project?"),
         QStringLiteral("Save Project before closing?")},
        {"mnuSampleProject",
         {MsgAnswer::Yes},
         QStringLiteral("Do you wish to Save your project before proceeding?"),
         QString()},
    };
    RecordingDialogs dialogs;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.menuItem);
        openChangedSample();
        // The project's folder has gone (a removed stick, a deleted share): the save must fail.
        const QString path = appFolder + QStringLiteral("/gone/sample.tova");
        Globals::gProjectPath = path;
        RegistryScope scope(nullptr, &dialogs);
        for (MsgAnswer answer : c.answers)
            env.messages.queue(answer);

        mainWindow->menuItem(QString::fromLatin1(c.menuItem))->trigger();

        QStringList expected{c.firstQuestion};
        if (!c.secondQuestion.isEmpty())
            expected << c.secondQuestion;
        const QStringList texts = env.messages.texts();
        ASSERT_GE(texts.size(), expected.size() + 1);
        EXPECT_EQ(texts.mid(0, expected.size()), expected);
        EXPECT_TRUE(texts.at(expected.size()).startsWith(kCouldNotSave));
        EXPECT_TRUE(dialogs.calls.isEmpty()) << dialogs.calls.join(' ').toStdString();
        expectChangedProjectStillOpen(path);
    }
}

TEST_F(ProjectClosingRoad, CancelledSaveAsKeepsANeverSavedProject) {
    openChangedSample();
    Globals::gProjectPath.clear();
    RecordingDialogs dialogs;
    RegistryScope scope(nullptr, &dialogs);
    env.messages.queue(MsgAnswer::Yes); // close and start a new project
    env.messages.queue(MsgAnswer::Yes); // save first; the Save As dialog is then cancelled
    mainWindow->menuItem(QStringLiteral("mnuNewProject"))->trigger();
    EXPECT_EQ(env.fileDialogs.requests().size(), 1);
    EXPECT_TRUE(dialogs.calls.isEmpty());
    expectChangedProjectStillOpen(QString());
}

// A question without Cancel is answered by its buttons alone: Escape and its close box leave it up
// with the project still open and changed, and the answer given afterwards is the one carried out.
TEST_F(ProjectClosingRoad, SaveQuestionWithoutCancelStaysThroughEscapeAndItsCloseBox) {
    openChangedSample();
    const QString path = Globals::gProjectPath;
    RealMessageBoxes boxes;
    bool stayed = false;
    frmNewLoad& start = frmNewLoad::instance();
    whenMessageBox(QStringLiteral("Close Current Project and Load a Project?"), [&](QMessageBox& close) {
        whenMessageBox(QStringLiteral("Save Project before closing?"), [&](QMessageBox& save) {
            QTest::keyClick(&save, Qt::Key_Escape);
            if (closeRequestsReachWindows())
                requestClose(save);
            stayed = save.isVisible() && Globals::IsProjectLoaded() &&
                     Globals::GetOwner() == QLatin1String("Changed owner") && !Globals::gProjectSaved;
            // The start dialog that follows the close is left with its Cancel button.
            whenModal(&start, [&] {
                for (QPushButton* button : start.findChildren<QPushButton*>())
                    if (button->text() == QLatin1String("Cancel") && button->isVisible())
                        return pressButton(*button);
            });
            pressButton(*save.button(QMessageBox::Yes));
        });
        pressButton(*close.button(QMessageBox::Yes));
    });
    mainWindow->menuItem(QStringLiteral("mnuLoadProject"))->trigger();
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(readFile(path).contains(QStringLiteral("Changed owner")));
}

// While the exit question is up, a close request to the main window (its close box) is refused: the
// program keeps running with the question open, and Cancel keeps the work.
TEST_F(ProjectClosingRoad, ExitQuestionOutlastsACloseRequestToTheMainWindow) {
    if (!closeRequestsReachWindows())
        GTEST_SKIP() << kNeedsWindowSystem;
    openChangedSample();
    const QString path = Globals::gProjectPath;
    RealMessageBoxes boxes;
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    bool stayed = false;
    whenMessageBox(QStringLiteral("Do you wish to save your Project before exiting?"), [&](QMessageBox& box) {
        requestClose(*mainWindow);
        stayed = box.isVisible() && mainWindow->windowHandle()->isVisible();
        pressButton(*box.button(QMessageBox::Cancel));
    });
    mainWindow->menuItem(QStringLiteral("mnuExit"))->trigger();
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(mainWindow->isVisible() && mainWindow->windowHandle()->isVisible());
    EXPECT_EQ(lastWindowClosed.count(), 0);
    expectChangedProjectStillOpen(path);
}

// An open that fails drops the open project: the screen is then the one a closed project shows, and
// a click where a category of the dropped project stood opens nothing.
TEST_F(ProjectClosingRoad, FailedOpenLeavesTheClosedProjectScreen) {
    RecordingSurvey survey;
    RecordingDialogs dialogs;
    RegistryScope scope(&survey, &dialogs);
    showSample();
    WebBrowser& browser = *mainWindow->webMain();
    const std::optional<QPoint> category =
        elementCentre(browser, QStringLiteral("main"), QStringLiteral("a[href=\"#CAT1\"]"));
    ASSERT_TRUE(category);
    QFile file(appPath(QStringLiteral("sample.tova")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("These are notes, not a project.\n");
    file.close();

    RealMessageBoxes boxes;
    bool failed = false;
    whenMessageBox(QStringLiteral("Do you wish to Save your project before proceeding?"), [&](QMessageBox& save) {
        whenMessageBox(QStringLiteral("Error Loading Project"), [&](QMessageBox& error) {
            failed = true;
            pressButton(*error.button(QMessageBox::Ok));
        });
        pressButton(*save.button(QMessageBox::No));
    });
    mainWindow->menuItem(QStringLiteral("mnuSampleProject"))->trigger();
    ASSERT_TRUE(failed);
    EXPECT_FALSE(Globals::IsProjectLoaded());
    EXPECT_EQ(mainWindow->windowTitle(), QStringLiteral("TOVA v2.0"));
    ASSERT_TRUE(waitWhile([&] { return !browser.LocationURL().endsWith(QLatin1String("/misc/noproject.htm")); }))
        << qPrintable(browser.LocationURL());
    ASSERT_TRUE(waitWhile([&] { return !pageReady(browser); }));
    EXPECT_FALSE(mainWindow->menuItem(QStringLiteral("mnuGotoFishbone"))->isEnabled());

    // Where the category stood, then the page's own link: once that link has been taken, the click
    // before it has been too.
    QWidget* input = inputWidget(browser);
    ASSERT_NE(input, nullptr);
    QTest::mouseClick(input, Qt::LeftButton, Qt::NoModifier, *category);
    ASSERT_TRUE(clickLink(browser, QString(), QStringLiteral("#SKP")));
    EXPECT_TRUE(waitWhile([&] { return dialogs.calls.isEmpty(); }, kDriveTimeoutMs));
    EXPECT_EQ(dialogs.calls, QStringList{"NewLoadDoModal(0)"});
    EXPECT_EQ(survey.calls, QStringList());
}

// A details form that cannot be filled with the stored texts would, on OK, replace them all with
// blanks: it is not offered, the user is told, and the project is unchanged.
TEST_F(ProjectClosingRoad, DetailsFormThatCannotBeFilledIsNotOffered) {
    openChangedSample();
    const QString xml = Globals::GetProjectXML();
    QFile page(appFolder + QStringLiteral("/NewProj/Proj.htm"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
    page.write("<html><body><p>No form here.</p></body></html>");
    page.close();

    frmNewProject& details = frmNewProject::instance();
    bool offered = false;
    QTimer watch;
    watch.setInterval(25);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (details.isVisible()) {
            offered = true;
            details.done(QDialog::Rejected);
        }
    });
    watch.start();
    details.ViewDetails();
    watch.stop();

    EXPECT_FALSE(offered);
    EXPECT_EQ(env.messages.texts(),
              QStringList{"The project details form could not be loaded. The project is unchanged."});
    EXPECT_EQ(Globals::GetProjectXML(), xml);
}

} // namespace

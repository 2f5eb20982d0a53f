// The main window's decisions that need no window: menu enabling, title, exit and save prompts.
#include "ProjectFixture.h"

#include "platform/SystemServices.h"
#include "shell/ExitPrompt.h"
#include "shell/MenuState.h"
#include "shell/SaveCommands.h"
#include "shell/ShellGlobals.h"
#include "shell/TitleBar.h"
#include "shell/WindowLayout.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"
#include "store/Reviews.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

using namespace tova;
using namespace tova::test;

TEST(MenuStateRules, EnablingFollowsProjectBrowserAndCompletion) {
    struct Case {
        bool loaded, ie6, complete;
        bool save, printQuestions, previewQuestions, previewScreen, projectItems, goTo;
    };
    const Case cases[] = {
        {false, true, false, false, false, false, true, false, false},
        {false, false, false, false, false, false, false, false, false},
        {true, true, false, true, true, true, true, true, false},
        {true, false, false, true, true, false, false, true, false},
        {true, true, true, true, true, true, true, true, true},
    };
    for (const Case& c : cases) {
        const MenuState s = MenuState::compute(c.loaded, c.ie6, c.complete);
        EXPECT_EQ(s.save, c.save);
        EXPECT_EQ(s.printQuestions, c.printQuestions);
        EXPECT_EQ(s.previewQuestions, c.previewQuestions);
        EXPECT_EQ(s.previewScreen, c.previewScreen);
        EXPECT_EQ(s.projectItems, c.projectItems);
        EXPECT_EQ(s.goToItems, c.goTo);
    }
}

TEST(MenuStateRules, GoToItemsNeedEveryQuestionOfThePhaseAnswered) {
    {
        TestEnvironment environment;
        ProjectFixture fixture;
        EXPECT_FALSE(currentReviewComplete()) << "no project";
        fixture.openProject(QStringLiteral("Bridge"), 3);
        EXPECT_FALSE(currentReviewComplete()) << "nothing answered";
        EXPECT_FALSE(MenuState::current().goToItems);
        fixture.answerAll();
        EXPECT_TRUE(currentReviewComplete());
        EXPECT_TRUE(MenuState::current().goToItems);
        EXPECT_TRUE(environment.messages.asked().isEmpty());
    }
    {
        // Without a questionnaire database nothing counts as complete, and nothing is reported.
        TestEnvironment environment;
        ProjectFixture fixture(false);
        fixture.openProject();
        EXPECT_FALSE(currentReviewComplete());
        EXPECT_TRUE(environment.messages.asked().isEmpty());
    }
}

TEST(TitleBar, ThreeForms) {
    TestEnvironment environment;
    ProjectFixture fixture;
    EXPECT_EQ(titleBarText(), "TOVA v2.0");
    fixture.openProject(QStringLiteral("Bridge <b>&</b>"));
    EXPECT_EQ(titleBarText(), "TOVA v2.0: Bridge <b>&</b> *(unsaved)");
    Globals::gProjectPath = QStringLiteral("/home/ann/R-17.tova");
    EXPECT_EQ(titleBarText(), "TOVA v2.0: Bridge <b>&</b> (/home/ann/R-17.tova)");
    // Unsaved changes to a project with a file do not show.
    Globals::gProjectSaved = false;
    EXPECT_EQ(titleBarText(), "TOVA v2.0: Bridge <b>&</b> (/home/ann/R-17.tova)");
}

TEST(ExitPrompt, AnswersDecideWhetherTheWindowCloses) {
    {
        // No project: the plain question.
        TestEnvironment environment;
        ProjectFixture fixture;
        environment.messages.queue(MsgAnswer::No);
        EXPECT_FALSE(confirmExit());
        environment.messages.queue(MsgAnswer::Yes);
        EXPECT_TRUE(confirmExit());
        ASSERT_EQ(environment.messages.asked().size(), 2);
        EXPECT_EQ(environment.messages.asked()[0].text, "Exit TOVA now?");
        EXPECT_EQ(environment.messages.asked()[0].buttons, MsgButtons::YesNo);
        EXPECT_EQ(environment.messages.asked()[0].icon, MsgIcon::Question);
        EXPECT_EQ(environment.messages.asked()[0].title, "TOVA2");
    }
    {
        // Unsaved project: Cancel keeps the window, No closes without saving or asking again.
        TestEnvironment environment;
        ProjectFixture fixture;
        fixture.openProject();
        environment.messages.queue(MsgAnswer::Cancel);
        EXPECT_FALSE(confirmExit());
        environment.messages.queue(MsgAnswer::No);
        EXPECT_TRUE(confirmExit());
        EXPECT_EQ(environment.messages.texts(), QStringList(2, "Do you wish to save your Project before exiting?"));
        EXPECT_EQ(environment.messages.asked()[0].title, "Exiting...");
        EXPECT_EQ(environment.messages.asked()[0].buttons, MsgButtons::YesNoCancel);
        EXPECT_TRUE(environment.fileDialogs.requests().isEmpty());
    }
    {
        // Yes on a never-saved project asks for a file; cancelling that keeps the window.
        TestEnvironment environment;
        ProjectFixture fixture;
        fixture.openProject();
        environment.messages.queue(MsgAnswer::Yes);
        EXPECT_FALSE(confirmExit());
        EXPECT_EQ(environment.fileDialogs.requests().size(), 1);
        EXPECT_TRUE(Globals::IsProjectLoaded());
    }
    {
        // Yes with a save that fails keeps the window and the project.
        TestEnvironment environment;
        ProjectFixture fixture;
        fixture.openProject();
        environment.messages.queue(MsgAnswer::Yes);
        environment.fileDialogs.queue(environment.scratch.filePath(QStringLiteral("no/such/folder/R-17.tova")));
        EXPECT_FALSE(confirmExit());
        EXPECT_TRUE(environment.messages.texts().last().startsWith(
            "Could not save project.  Check if file is read only or disk is full."));
        EXPECT_FALSE(Globals::gProjectSaved);
    }
    {
        // Yes with a save that works closes.
        TestEnvironment environment;
        ProjectFixture fixture;
        fixture.openProject();
        const QString file = environment.scratch.filePath(QStringLiteral("R-17.tova"));
        environment.messages.queue(MsgAnswer::Yes);
        environment.fileDialogs.queue(file);
        EXPECT_TRUE(confirmExit());
        EXPECT_TRUE(QFile::exists(file));
    }
}

TEST(ExitPrompt, ChangedDetailsOrAnotherReviewAreOfferedForSaving) {
    TestEnvironment environment;
    ProjectFixture fixture;
    fixture.openProject();
    ASSERT_TRUE(Globals::CreateReview(QStringLiteral("May 07, 2003"), 3));
    const QString file = environment.scratch.filePath(QStringLiteral("R-17.tova"));
    environment.fileDialogs.queue(file);
    ASSERT_TRUE(showSaveAsDialog());

    const std::function<void()> changes[] = {
        [] {
            Globals::SetProjectDetails(Globals::GetReferenceNum(), Globals::GetProjectName(),
                                       Globals::GetSubProjectName(), Globals::GetLocation(),
                                       QStringLiteral("New owner"), Globals::GetProjectManager());
        },
        [] { Globals::SetCurrentReview(1); },
    };
    for (const auto& change : changes) {
        change();
        environment.messages.clear();
        environment.messages.queue(MsgAnswer::Yes);
        EXPECT_TRUE(confirmExit());
        EXPECT_EQ(environment.messages.texts().first(), "Do you wish to save your Project before exiting?");
        Globals::ResetProjectState();
        ASSERT_TRUE(Globals::OpenProject(file));
    }
    EXPECT_EQ(Globals::GetOwner(), "New owner");
    EXPECT_EQ(Globals::GetCurrentReviewID(), 1);
}

TEST(SaveCommands, SaveAsProposesTheReferenceNumberInTheProjectsFolder) {
    TestEnvironment environment;
    ProjectFixture fixture;
    fixture.openProject();
    EXPECT_FALSE(showSaveAsDialog());
    ASSERT_EQ(environment.fileDialogs.requests().size(), 1);
    const FileDialogRequest& request = environment.fileDialogs.requests()[0];
    EXPECT_EQ(request.title, "Save TOVA Project As");
    EXPECT_EQ(request.filter, "(*.tova) TOVA Project Files|*.tova");
    EXPECT_EQ(request.defaultExtension, "tova");
    const QString folder = SystemFolderHelpers::GetMyDocumentsFolder() + QStringLiteral("My TOVA Projects/");
    EXPECT_EQ(request.initialFolder, folder);
    EXPECT_EQ(request.fileName, folder + QStringLiteral("R-17.tova"));
    EXPECT_TRUE(Globals::gProjectPath.isEmpty());
    EXPECT_FALSE(Globals::gProjectSaved);

    // An empty answer saves nothing and counts as a cancel.
    environment.fileDialogs.queue(QString());
    EXPECT_FALSE(showSaveAsDialog());
    EXPECT_TRUE(Globals::gProjectPath.isEmpty());

    const QString file = environment.scratch.filePath(QStringLiteral("chosen.tova"));
    environment.fileDialogs.queue(file);
    EXPECT_TRUE(showSaveAsDialog());
    EXPECT_EQ(Globals::gProjectPath, file);
    EXPECT_TRUE(Globals::gProjectSaved);

    // With a file, the dialog starts on it; Save writes without any dialog.
    EXPECT_FALSE(showSaveAsDialog());
    EXPECT_EQ(environment.fileDialogs.requests().last().fileName, file);
    const int dialogs = environment.fileDialogs.requests().size();
    QFile::remove(file);
    saveProject();
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(environment.fileDialogs.requests().size(), dialogs);
}

TEST(SaveCommands, AskSaveContinue) {
    struct Case {
        MsgAnswer answer;
        bool goOn;
        bool saved;
    };
    for (const Case& c :
         {Case{MsgAnswer::Yes, true, true}, Case{MsgAnswer::No, true, false}, Case{MsgAnswer::Cancel, false, false}}) {
        TestEnvironment environment;
        ProjectFixture fixture;
        fixture.openProject();
        const QString file = environment.scratch.filePath(QStringLiteral("p.tova"));
        environment.messages.queue(c.answer);
        environment.fileDialogs.queue(file);
        EXPECT_EQ(askSaveContinue(), c.goOn);
        EXPECT_EQ(QFile::exists(file), c.saved);
        ASSERT_FALSE(environment.messages.asked().isEmpty());
        EXPECT_EQ(environment.messages.asked()[0].text, "Do you wish to Save your project before proceeding?");
        EXPECT_EQ(environment.messages.asked()[0].title, "Save Project?");
        EXPECT_EQ(environment.messages.asked()[0].icon, MsgIcon::Information);
    }
}

// Yes asked for a save: when it fails or Save As is cancelled, the step does not go on.
TEST(SaveCommands, AskSaveContinueStopsWhenTheSaveDidNotHappen) {
    for (const bool cancelled : {true, false}) {
        TestEnvironment environment;
        ProjectFixture fixture;
        fixture.openProject();
        environment.messages.queue(MsgAnswer::Yes);
        if (!cancelled)
            environment.fileDialogs.queue(environment.scratch.filePath(QStringLiteral("missing/p.tova")));
        EXPECT_FALSE(askSaveContinue()) << (cancelled ? "cancelled" : "failed");
        EXPECT_TRUE(Globals::IsProjectLoaded());
    }
}

TEST(WindowLayoutRules, StartSizeFitsTheFishboneWhereTheScreenAllows) {
    // Wide enough for the diagram (1080 pixels and a scroll bar) inside the resize rule's browser.
    const QSize preferred = WindowLayout::startSize(QSize(1920, 1040));
    EXPECT_EQ(preferred, QSize(1140, 800));
    EXPECT_GE(WindowLayout::forOuterSize(preferred)->browser.width(), 1080 + 20 + 15);
    EXPECT_EQ(WindowLayout::startSize(QSize(1280, 1024)), preferred);
    // A small screen bounds it, frame included; an unknown screen leaves it as preferred.
    EXPECT_EQ(WindowLayout::startSize(QSize(1024, 740)), QSize(1008, 692));
    EXPECT_EQ(WindowLayout::startSize(QSize()), preferred);
}

// Closing the open project: when the user asked for a save first and it did not happen (it failed
// or Save As was cancelled), nothing is closed and no change is lost.
#include "StoreTestSupport.h"

#include "review/NewReviewRules.h"
#include "store/ProjectFiles.h"

using namespace tova::test;

namespace {

class Close : public StoreTest {
protected:
    // A changed project whose save cannot happen: either its file is in a folder that does not
    // exist, or it has no file and the user cancels Save As.
    void openProjectWhoseSaveFails(bool hasFile) {
        openNewProjectWithReview();
        Globals::SaveAnswers("file:///survey.htm?R101=V2");
        if (hasFile)
            Globals::gProjectPath = env.scratch.filePath("no/such/folder/p.tova");
        window.onSaveAs = nullptr;
    }
    void expectStillOpen(const QString& xml) {
        EXPECT_TRUE(Globals::IsProjectLoaded());
        EXPECT_EQ(Globals::GetProjectXML(), xml);
        EXPECT_FALSE(Globals::gCurrentReview.isNull());
        EXPECT_FALSE(Globals::gProjectSaved);
        EXPECT_TRUE(window.navigations.isEmpty()) << "the no-project page is not shown";
    }
};

TEST_F(Close, SaveAskedForThatDidNotHappenKeepsTheProjectOpen) {
    for (bool hasFile : {true, false}) {
        SCOPED_TRACE(hasFile ? "save fails" : "Save As cancelled");
        openProjectWhoseSaveFails(hasFile);
        const QString xml = Globals::GetProjectXML();
        env.messages.clear();
        env.messages.queue(tova::MsgAnswer::Yes);
        Globals::CloseProject();
        expectStillOpen(xml);
        EXPECT_EQ(env.messages.texts().first(), "Save Project before closing?");
        EXPECT_EQ(env.messages.texts().size(), hasFile ? 2 : 1) << "a failed save says so";
    }
}

TEST_F(Close, StoppingANewProjectKeepsItWhenItsSaveDidNotHappen) {
    for (bool hasFile : {true, false}) {
        SCOPED_TRACE(hasFile ? "save fails" : "Save As cancelled");
        openProjectWhoseSaveFails(hasFile);
        const QString xml = Globals::GetProjectXML();
        env.messages.clear();
        env.messages.queue(tova::MsgAnswer::Yes); // Stop creating new project?
        env.messages.queue(tova::MsgAnswer::Yes); // Save Project before closing?
        EXPECT_FALSE(tova::review::ConfirmQuit()) << "the new review dialog stays";
        expectStillOpen(xml);
    }
    // Answering No to the save closes as before.
    env.messages.clear();
    env.messages.queue(tova::MsgAnswer::Yes);
    env.messages.queue(tova::MsgAnswer::No);
    EXPECT_TRUE(tova::review::ConfirmQuit());
    EXPECT_FALSE(Globals::IsProjectLoaded());
}

} // namespace

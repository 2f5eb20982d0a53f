// The project document and its files: a new project's shape, header texts, opening, saving and
// closing with the state each leaves, broken and hostile files, saves that cannot complete, and
// the recent-files list.
#include "PermissionGuard.h"
#include "StoreTestSupport.h"

#include "platform/SettingsStore.h"
#include "store/ProjectFiles.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

using namespace tova::test;

namespace {

class Project : public StoreTest {
protected:
    QString scratch(const QString& name) { return env.scratch.filePath(name); }
    void setRecent(const QStringList& files) {
        env.settings->SaveSetting("TOVA2v2.0", "Recent", "RecentCount", QString::number(files.size()));
        for (int i = 0; i < files.size(); ++i)
            env.settings->SaveSetting("TOVA2v2.0", "Recent", QString("File%1").arg(i), files[i]);
    }
    void expectOneMessage(const QString& text, tova::MsgIcon icon, const QString& title = "TOVA2") {
        ASSERT_EQ(env.messages.texts(), QStringList{text});
        EXPECT_EQ(env.messages.asked().first().icon, icon);
        EXPECT_EQ(env.messages.asked().first().title, title);
        env.messages.clear();
    }
    // The save's failure is reported with the system's reason after our own sentence.
    void expectSaveFailure() {
        ASSERT_EQ(env.messages.asked().size(), 1);
        const QString text = env.messages.texts().first();
        EXPECT_TRUE(text.startsWith("Could not save project.  Check if file is read only or disk is full.\n\n"));
        EXPECT_GT(text.size(), 72) << "the reason follows";
        EXPECT_EQ(env.messages.asked().first().icon, tova::MsgIcon::None);
        env.messages.clear();
    }
};

TEST_F(Project, NewProjectShapeAndHeaderTextsStoredUnchanged) {
    EXPECT_EQ(Globals::GetProjectName(), "");
    expectOneMessage("No project to save, no project is loaded.", tova::MsgIcon::Exclamation, "No Project Loaded....");
    Globals::gProjectSaved = true;
    Globals::CreateProject("", "<b>Bold & \"quoted\"</b>", " blanks ", "Ærøy – 東京", "a\nb", "&amp;");
    EXPECT_EQ(Globals::GetProjectXML(),
              "<project ver=\"2.0\"><reference_num/><projectname>&lt;b&gt;Bold &amp; \"quoted\"&lt;/b&gt;</projectname>"
              "<subprojectname> blanks </subprojectname><location>Ærøy – 東京</location><owner>a\nb</owner>"
              "<projectmanager>&amp;amp;</projectmanager><currentreview/></project>");
    EXPECT_EQ(Globals::GetProjectName(), "<b>Bold & \"quoted\"</b>");
    EXPECT_EQ(Globals::gProjectPath, "");
    EXPECT_FALSE(Globals::gProjectSaved);
    EXPECT_TRUE(Globals::gCurrentReview.isNull());
    // Changing the details refreshes the title and is an unsaved change; the same texts again are none.
    Globals::gProjectSaved = true;
    Globals::SetProjectDetails("1", "2", "3", "4", "5", "6");
    EXPECT_EQ(Globals::GetProjectManager(), "6");
    EXPECT_FALSE(Globals::gProjectSaved);
    EXPECT_EQ(window.titleUpdates, 2);
    Globals::gProjectSaved = true;
    Globals::SetProjectDetails("1", "2", "3", "4", "5", "6");
    EXPECT_TRUE(Globals::gProjectSaved);
}

TEST_F(Project, OpeningSetsTheStateAndShowsTheCurrentReview) {
    const QString path = scratch("valid.tova");
    QFile::copy(testDataPath("projects/valid.tova"), path);
    Globals::OpenProjectAndShow(path);
    EXPECT_EQ(Globals::GetProjectName(), "Harbour & Quay");
    EXPECT_EQ(Globals::GetCurrentReviewID(), 2);
    EXPECT_EQ(Globals::gProjectPath, path);
    EXPECT_TRUE(Globals::gProjectSaved);
    EXPECT_EQ(Globals::GetRecentFiles(), QStringList{path});
    EXPECT_EQ(window.titleUpdates, 1);
    EXPECT_EQ(window.fishboneShown, 1);
    EXPECT_EQ(window.mainWindowShown, 1);
    // A current review that names no review opens without one; the screen decides what to show.
    Globals::OpenProjectAndShow(testDataPath("projects/no-such-review.tova"));
    EXPECT_EQ(Globals::GetProjectName(), "Compact");
    EXPECT_TRUE(Globals::gCurrentReview.isNull());
    EXPECT_EQ(window.fishboneShown, 2);
    EXPECT_EQ(window.mainWindowShown, 2);
}

// Every broken or hostile file fails alike and leaves no project open (the screen shows none); path,
// saved flag and recent list stay as they were.
TEST_F(Project, BrokenAndHostileFilesFailCleanly) {
    QStringList paths;
    for (const char* name : {"not-xml", "empty", "truncated", "binary", "no-currentreview", "empty-currentreview",
                             "currentreview-past-range", "currentreview-text", "currentreview-fraction", "wrong-root",
                             "external-entity", "billion-laughs"})
        paths.append(testDataPath(QString("projects/%1.tova").arg(name)));
    QDir(env.scratch.path()).mkdir("folder.tova");
    ASSERT_EQ(mkfifo(QFile::encodeName(scratch("pipe.tova")).constData(), 0600), 0);
    paths << scratch("missing.tova") << scratch("folder.tova") << scratch("pipe.tova");

    setRecent({"/x/a.tova"});
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        openNewProjectWithReview();
        Globals::gProjectPath = "/x/previous.tova";
        Globals::gProjectSaved = true;
        window.navigations.clear();
        Globals::OpenProjectAndShow(path);
        expectOneMessage("Error Loading Project", tova::MsgIcon::Critical);
        EXPECT_FALSE(Globals::IsProjectLoaded());
        // The screen of the dropped project goes with it.
        ASSERT_EQ(window.navigations.size(), 1);
        EXPECT_TRUE(window.navigations.first().endsWith("/misc/noproject.htm"));
        EXPECT_TRUE(Globals::gCurrentReview.isNull());
        EXPECT_EQ(Globals::gProjectPath, "/x/previous.tova");
        EXPECT_TRUE(Globals::gProjectSaved);
        EXPECT_EQ(Globals::GetRecentFiles(), QStringList{"/x/a.tova"});
    }
    EXPECT_EQ(window.fishboneShown + window.mainWindowShown, 0);
}

TEST_F(Project, SavedFileReadsBackAndSaveAsReportsOnlyRealSaves) {
    openNewProjectWithReview();
    Globals::SaveAnswers("file:///survey.htm?R101=V2&R102=V5");
    const QString xml = Globals::GetProjectXML();
    EXPECT_FALSE(Globals::SaveProject("")) << "Save As cancelled";
    // Save As chose a file that cannot be written: not saved, whatever the dialog answered.
    QDir(env.scratch.path()).mkdir("taken.tova");
    window.onSaveAs = [&] { return Globals::SaveProject(scratch("taken.tova")), true; };
    EXPECT_FALSE(Globals::SaveProject(""));
    expectSaveFailure();
    window.onSaveAs = [&] { return Globals::SaveProject(scratch("saved.tova")), true; };
    EXPECT_TRUE(Globals::SaveProject(""));
    EXPECT_EQ(window.saveAsDialogs, 3);
    EXPECT_EQ(Globals::gProjectPath, scratch("saved.tova"));
    EXPECT_TRUE(Globals::gProjectSaved);
    Globals::ResetProjectState();
    ASSERT_TRUE(Globals::OpenProject(scratch("saved.tova")));
    EXPECT_EQ(Globals::GetProjectXML(), xml);
}

// A save that cannot complete leaves the previous file byte for byte and changes neither the path,
// the saved flag nor the recent list.
TEST_F(Project, FailedSavesLeaveTheOldFileIntact) {
    const QByteArray old = readBytes(testDataPath("projects/valid.tova"));
    QDir().mkpath(scratch("readonly"));
    writeBytes(scratch("readonly/p.tova"), old);
    QFile(scratch("readonly")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    QDir().mkpath(scratch("dir.tova/inside"));
    for (const QString& path : {scratch("readonly/p.tova"), scratch("dir.tova"), scratch("no/folder/p.tova")}) {
        SCOPED_TRACE(path.toStdString());
        openNewProjectWithReview();
        Globals::gProjectPath = "/x/before.tova";
        setRecent({"/x/before.tova"});
        bool saved = true;
        {
            PermissionGuard guard;
            saved = Globals::SaveProject(path);
        }
        EXPECT_FALSE(saved);
        expectSaveFailure();
        EXPECT_EQ(Globals::gProjectPath, "/x/before.tova");
        EXPECT_FALSE(Globals::gProjectSaved);
        EXPECT_EQ(Globals::GetRecentFiles(), QStringList{"/x/before.tova"});
    }
    EXPECT_EQ(readBytes(scratch("readonly/p.tova")), old);
    EXPECT_EQ(QDir(scratch("readonly")).entryList(QDir::Files | QDir::Hidden), QStringList{"p.tova"});
    EXPECT_TRUE(QFileInfo(scratch("dir.tova/inside")).isDir());
    QFile(scratch("readonly")).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Without a project nothing is written over the file.
    Globals::ResetProjectState();
    EXPECT_FALSE(Globals::SaveProject(scratch("readonly/p.tova")));
    EXPECT_EQ(readBytes(scratch("readonly/p.tova")), old);
}

TEST_F(Project, ClosingAsksThenShowsTheNoProjectPage) {
    const QPair<bool, tova::MsgAnswer> cases[] = {
        {true, tova::MsgAnswer::No}, {true, tova::MsgAnswer::Yes}, {false, tova::MsgAnswer::Yes}};
    for (const auto& [open, answer] : cases) {
        Globals::ResetProjectState();
        if (open)
            openNewProjectWithReview();
        window = FakeMainWindow();
        window.onSaveAs = [&] { return Globals::SaveProject(scratch("closed.tova")); };
        env.messages.clear();
        env.messages.queue(answer);
        Globals::CloseProject();
        EXPECT_EQ(env.messages.texts(), open ? QStringList{"Save Project before closing?"} : QStringList());
        // Yes on a never saved project asks for a file through Save As, and closes once saved.
        EXPECT_EQ(window.saveAsDialogs, open && answer == tova::MsgAnswer::Yes ? 1 : 0);
        EXPECT_FALSE(Globals::IsProjectLoaded());
        EXPECT_EQ(window.navigations, QStringList{"file://" + tova::services().appFolder + "/misc/noproject.htm"});
        // The save's own title refresh, then the closing's.
        EXPECT_EQ(window.titleUpdates, open && answer == tova::MsgAnswer::Yes ? 2 : 1);
    }
}

TEST_F(Project, RecentListMovesToTheFrontAndGrows) {
    env.settings->SaveSetting("TOVA2v2.0", "Recent", "RecentCount", "many");
    EXPECT_TRUE(Globals::GetRecentFiles().isEmpty());
    setRecent({"a", "b", "c"});
    const QPair<const char*, QStringList> steps[] = {{"c", {"c", "a", "b"}},
                                                     {"d", {"d", "c", "a", "b"}},
                                                     {"d", {"d", "c", "a", "b"}},
                                                     {"A", {"A", "d", "c", "a", "b"}}};
    for (const auto& [path, expected] : steps) {
        Globals::gProjectPath = path;
        Globals::AddRecentFile();
        EXPECT_EQ(Globals::GetRecentFiles(), expected) << path;
        EXPECT_EQ(env.settings->GetSetting("TOVA2v2.0", "Recent", "RecentCount"), QString::number(expected.size()));
    }
}

} // namespace

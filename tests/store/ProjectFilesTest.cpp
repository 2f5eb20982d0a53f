// Opening, saving and closing project files: the state each leaves, the corpus of broken and hostile
// files, saves that cannot complete, and the recent-files list.
#include "PermissionGuard.h"
#include "StoreTestSupport.h"

#include "platform/SettingsStore.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"
#include "store/Reviews.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

using namespace tova::test;

namespace {

const QString kApp = "TOVA2v2.0";
const QString kSection = "Recent";

class ProjectFiles : public StoreTest {
protected:
    QString scratchFile(const QString& name) { return env.scratch.filePath(name); }
    QString copyOfCorpus(const QString& name)
    {
        const QString target = scratchFile(name);
        QFile::remove(target);
        EXPECT_TRUE(QFile::copy(testDataPath("projects/" + name), target));
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return target;
    }
    void setRecent(const QStringList& files)
    {
        env.settings->SaveSetting(kApp, kSection, "RecentCount", QString::number(files.size()));
        for (int i = 0; i < files.size(); ++i)
            env.settings->SaveSetting(kApp, kSection, QString("File%1").arg(i), files[i]);
    }
    void addRecent(const QString& path)
    {
        Globals::gProjectPath = path;
        Globals::AddRecentFile();
    }
};

TEST_F(ProjectFiles, OpeningAFileSetsTheProjectState)
{
    const QString path = copyOfCorpus("valid.tova");
    Globals::OpenProjectAndShow(path);
    ASSERT_TRUE(Globals::IsProjectLoaded());
    EXPECT_EQ(Globals::GetProjectName(), "Harbour & Quay");
    EXPECT_EQ(Globals::GetCurrentReviewID(), 2);
    EXPECT_EQ(Globals::GetCurrentPhase(), "2");
    EXPECT_EQ(Globals::gProjectPath, path);
    EXPECT_TRUE(Globals::gProjectSaved);
    EXPECT_EQ(Globals::GetRecentFiles(), QStringList{path});
    EXPECT_EQ(window.titleUpdates, 1);
    EXPECT_EQ(window.fishboneShown, 1);
    EXPECT_EQ(window.mainWindowShown, 1);
    EXPECT_TRUE(env.messages.asked().isEmpty());
}

TEST_F(ProjectFiles, CurrentReviewNamingNoReviewOpensWithoutOne)
{
    Globals::OpenProjectAndShow(copyOfCorpus("no-such-review.tova"));
    EXPECT_TRUE(Globals::IsProjectLoaded());
    EXPECT_TRUE(Globals::gCurrentReview.isNull());
    EXPECT_EQ(Globals::GetProjectName(), "Compact");
    // No review to show: the window comes up without the fishbone screen.
    EXPECT_EQ(window.fishboneShown, 0);
    EXPECT_EQ(window.mainWindowShown, 1);
}

// Every broken or hostile file fails the same way and leaves no project open, while the path, the
// saved flag and the recent list stay as they were.
TEST_F(ProjectFiles, BrokenAndHostileFilesFailCleanly)
{
    QStringList paths;
    for (const char* name : {"not-xml.tova", "empty.tova", "truncated.tova", "binary.tova", "no-currentreview.tova",
                             "empty-currentreview.tova", "currentreview-past-range.tova", "currentreview-text.tova",
                             "currentreview-fraction.tova", "wrong-root.tova", "external-entity.tova",
                             "billion-laughs.tova"})
        paths.append(testDataPath(QString("projects/") + name));
    // Too large to be a project: refused before it is parsed.
    const QString huge = scratchFile("huge.tova");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<project><currentreview>1</currentreview>");
        ASSERT_TRUE(file.resize(100LL * 1024 * 1024));
    }
    paths.append(huge);
    paths.append(scratchFile("missing.tova"));
    QDir(env.scratch.path()).mkdir("folder.tova");
    paths.append(scratchFile("folder.tova"));
    const QString fifo = scratchFile("pipe.tova");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    paths.append(fifo);

    setRecent({"/x/a.tova", "/x/b.tova"});
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        openNewProjectWithReview();
        Globals::gProjectPath = "/x/previous.tova";
        Globals::gProjectSaved = true;
        env.messages.clear();
        EXPECT_FALSE(Globals::OpenProject(path));
        EXPECT_FALSE(Globals::IsProjectLoaded());
        EXPECT_TRUE(Globals::gCurrentReview.isNull());
        EXPECT_EQ(Globals::gProjectPath, "/x/previous.tova");
        EXPECT_TRUE(Globals::gProjectSaved);
        EXPECT_EQ(Globals::GetRecentFiles(), QStringList({"/x/a.tova", "/x/b.tova"}));
        ASSERT_EQ(env.messages.asked().size(), 1);
        EXPECT_EQ(env.messages.asked().first().text, "Error Loading Project");
        EXPECT_EQ(env.messages.asked().first().icon, tova::MsgIcon::Critical);
        EXPECT_EQ(env.messages.asked().first().title, "TOVA2");
    }
    // A failed open from the start dialog shows nothing further.
    Globals::OpenProjectAndShow(paths.first());
    EXPECT_EQ(window.fishboneShown, 0);
    EXPECT_EQ(window.mainWindowShown, 0);
}

TEST_F(ProjectFiles, SavedFileReadsBackAsTheSameDocument)
{
    openNewProjectWithReview();
    Globals::SaveAnswers("file:///survey.htm?R101=V2&R102=V5");
    const QString xml = Globals::GetProjectXML();
    const QString path = scratchFile("saved.tova");
    ASSERT_TRUE(Globals::SaveProject(path));
    EXPECT_EQ(Globals::gProjectPath, path);
    EXPECT_TRUE(Globals::gProjectSaved);
    EXPECT_EQ(Globals::GetRecentFiles(), QStringList{path});
    Globals::ResetProjectState();
    ASSERT_TRUE(Globals::OpenProject(path));
    EXPECT_EQ(Globals::GetProjectXML(), xml);
    EXPECT_EQ(Globals::GetCurrentReviewID(), 1);
}

TEST_F(ProjectFiles, SavingANeverSavedProjectGoesThroughSaveAs)
{
    openNewProjectWithReview();
    const QString chosen = scratchFile("chosen.tova");
    // Cancelled: nothing saved.
    EXPECT_FALSE(Globals::SaveProject(""));
    EXPECT_EQ(window.saveAsDialogs, 1);
    EXPECT_FALSE(QFileInfo::exists(chosen));
    // A file chosen and written.
    window.onSaveAs = [&] {
        Globals::SaveProject(chosen);
        return true;
    };
    EXPECT_TRUE(Globals::SaveProject(""));
    EXPECT_EQ(Globals::gProjectPath, chosen);
    EXPECT_TRUE(QFileInfo::exists(chosen));
}

TEST_F(ProjectFiles, SaveAsThatCouldNotWriteIsNotReportedAsSaved)
{
    openNewProjectWithReview();
    QDir(env.scratch.path()).mkdir("taken.tova");
    window.onSaveAs = [&] {
        Globals::SaveProject(scratchFile("taken.tova"));
        return true; // a file was chosen and the save attempted
    };
    EXPECT_FALSE(Globals::SaveProject(""));
    EXPECT_EQ(Globals::gProjectPath, "");
    EXPECT_FALSE(Globals::gProjectSaved);
}

// A save that cannot complete leaves the previous file byte for byte, reports itself and changes
// neither the path, the saved flag nor the recent list.
TEST_F(ProjectFiles, FailedSavesLeaveTheOldFileIntact)
{
    struct Target {
        const char* name;
        std::function<QString()> prepare; // returns the path to save to
        bool dropOverride;
    };
    const QByteArray oldBytes = readBytes(testDataPath("projects/valid.tova"));
    const QString readOnlyFolder = scratchFile("readonly");
    const Target targets[] = {
        {"ReadOnlyFolder",
         [&] {
             QDir().mkpath(readOnlyFolder);
             const QString path = readOnlyFolder + "/project.tova";
             writeBytes(path, oldBytes);
             QFile(readOnlyFolder).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
             return path;
         },
         true},
        {"DirectoryAtThePath",
         [&] {
             QDir().mkpath(scratchFile("dir.tova/inside"));
             writeBytes(scratchFile("dir.tova/inside/keep.txt"), oldBytes);
             return scratchFile("dir.tova");
         },
         false},
        {"FolderMissing", [&] { return scratchFile("no/such/folder/project.tova"); }, false},
    };
    for (const Target& target : targets) {
        SCOPED_TRACE(target.name);
        openNewProjectWithReview();
        Globals::gProjectPath = "/x/before.tova";
        Globals::gProjectSaved = false;
        setRecent({"/x/before.tova"});
        env.messages.clear();
        const QString path = target.prepare();
        bool saved = true;
        {
            std::unique_ptr<PermissionGuard> guard;
            if (target.dropOverride)
                guard = std::make_unique<PermissionGuard>();
            saved = Globals::SaveProject(path);
        }
        EXPECT_FALSE(saved);
        ASSERT_EQ(env.messages.texts(), QStringList{"Could not save project.  Check if file is read only or disk is full."});
        EXPECT_EQ(env.messages.asked().first().icon, tova::MsgIcon::None);
        EXPECT_EQ(Globals::gProjectPath, "/x/before.tova");
        EXPECT_FALSE(Globals::gProjectSaved);
        EXPECT_EQ(Globals::GetRecentFiles(), QStringList{"/x/before.tova"});
        EXPECT_TRUE(Globals::IsProjectLoaded());
    }
    EXPECT_EQ(readBytes(readOnlyFolder + "/project.tova"), oldBytes);
    EXPECT_EQ(QDir(readOnlyFolder).entryList(QDir::Files | QDir::Hidden), QStringList{"project.tova"}) << "no temporary left";
    EXPECT_TRUE(QFileInfo(scratchFile("dir.tova")).isDir());
    EXPECT_EQ(readBytes(scratchFile("dir.tova/inside/keep.txt")), oldBytes);
    QFile(readOnlyFolder).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(ProjectFiles, SavingWithoutAProjectWritesNothing)
{
    const QString path = copyOfCorpus("valid.tova");
    const QByteArray before = readBytes(path);
    EXPECT_FALSE(Globals::SaveProject(path));
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(env.messages.asked().size(), 1);
}

TEST_F(ProjectFiles, ClosingAsksAndShowsTheNoProjectPage)
{
    struct CloseCase {
        const char* name;
        bool projectOpen;
        tova::MsgAnswer answer;
        int questions;
        int saveAsDialogs;
    };
    const CloseCase cases[] = {
        {"NoDiscards", true, tova::MsgAnswer::No, 1, 0},
        {"YesOnANeverSavedProjectAsksForAFile", true, tova::MsgAnswer::Yes, 1, 1},
        {"NothingOpen", false, tova::MsgAnswer::Yes, 0, 0},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.name);
        Globals::ResetProjectState();
        if (c.projectOpen)
            openNewProjectWithReview();
        window.saveAsDialogs = 0;
        window.navigations.clear();
        env.messages.clear();
        env.messages.queue(c.answer);
        const int titles = window.titleUpdates;
        Globals::CloseProject();
        ASSERT_EQ(env.messages.asked().size(), c.questions);
        if (c.questions) {
            EXPECT_EQ(env.messages.asked().first().text, "Save Project before closing?");
            EXPECT_EQ(env.messages.asked().first().title, "Save Changes?");
            EXPECT_EQ(env.messages.asked().first().buttons, tova::MsgButtons::YesNo);
            EXPECT_EQ(env.messages.asked().first().icon, tova::MsgIcon::Exclamation);
        }
        EXPECT_EQ(window.saveAsDialogs, c.saveAsDialogs);
        EXPECT_FALSE(Globals::IsProjectLoaded());
        EXPECT_TRUE(Globals::gCurrentReview.isNull());
        ASSERT_EQ(window.navigations.size(), 1);
        EXPECT_TRUE(window.navigations.first().startsWith("file:///"));
        EXPECT_TRUE(window.navigations.first().endsWith("/misc/noproject.htm"));
        EXPECT_EQ(window.titleUpdates, titles + 1);
    }
}

TEST_F(ProjectFiles, ClosingWithYesSavesAnOpenedProjectToItsFile)
{
    const QString path = copyOfCorpus("valid.tova");
    ASSERT_TRUE(Globals::OpenProject(path));
    Globals::SaveAnswers("survey.htm?R201=V1");
    env.messages.queue(tova::MsgAnswer::Yes);
    Globals::CloseProject();
    EXPECT_TRUE(readBytes(path).contains("<question_id>201</question_id>"));
}

// ---- recent files ----

TEST_F(ProjectFiles, RecentListMovesToTheFrontAndGrows)
{
    struct Step {
        const char* path;
        QStringList expected;
    };
    setRecent({"a", "b", "c"});
    const Step steps[] = {
        {"c", {"c", "a", "b"}},
        {"d", {"d", "c", "a", "b"}},
        {"d", {"d", "c", "a", "b"}},
        {"A", {"A", "d", "c", "a", "b"}},
        {"b", {"b", "A", "d", "c", "a"}},
    };
    for (const Step& step : steps) {
        addRecent(step.path);
        EXPECT_EQ(Globals::GetRecentFiles(), step.expected) << step.path;
        EXPECT_EQ(env.settings->GetSetting(kApp, kSection, "RecentCount"), QString::number(step.expected.size()));
    }
}

TEST_F(ProjectFiles, RecentListStartsEmptyOrFromAnUnreadableCount)
{
    EXPECT_TRUE(Globals::GetRecentFiles().isEmpty());
    addRecent("/p/one.tova");
    EXPECT_EQ(Globals::GetRecentFiles(), QStringList{"/p/one.tova"});
    env.settings->SaveSetting(kApp, kSection, "RecentCount", "many");
    EXPECT_TRUE(Globals::GetRecentFiles().isEmpty());
    addRecent("/p/two.tova");
    EXPECT_EQ(Globals::GetRecentFiles(), QStringList{"/p/two.tova"});
}

} // namespace

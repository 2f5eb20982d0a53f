// Saving the open project to its file: a save either writes a file that opens again or reports
// why it did not, and then the previous file is left byte for byte.
#include "StoreTestSupport.h"

#include "store/ProjectFiles.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

using namespace tova::test;

namespace {

const QString kCouldNotSave = "Could not save project.  Check if file is read only or disk is full.";

class Save : public StoreTest {
protected:
    QString scratch(const QString& name) { return env.scratch.filePath(name); }
    QString sampleProject() { return builtAppFolder() + "/sample.tova"; }

    // Opens a copy of the sample at path and changes the owner, so that there is something to save.
    void openChangedSample(const QString& path) {
        writeBytes(path, readBytes(sampleProject()));
        ASSERT_TRUE(Globals::OpenProject(path));
        Globals::SetProjectDetails(Globals::GetReferenceNum(), Globals::GetProjectName(), Globals::GetSubProjectName(),
                                   Globals::GetLocation(), QString(5000, 'O'), Globals::GetProjectManager());
        ASSERT_FALSE(Globals::gProjectSaved);
    }
    void expectNotSaved(const QString& path, const QByteArray& before) {
        EXPECT_FALSE(Globals::gProjectSaved);
        EXPECT_EQ(readBytes(path), before);
        EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden).filter(".tova"),
                  QStringList{QFileInfo(path).fileName()})
            << "no temporary file is left behind";
    }
    void setAllHeaderTexts(const QString& text) { Globals::SetProjectDetails(text, text, text, text, text, text); }
};

// The sample is smaller than the file layer's write buffer, so every byte is still waiting to be
// written when the save is about to replace the file. On a nearly full disk the first write takes
// part of the file (a page of it) and fails only at the next.
TEST_F(Save, OnAFullDiskFailsWithTheSystemsReasonAndKeepsTheOldFile) {
    for (const qint64 leftFree : {qint64(0), qint64(4096)}) {
        SCOPED_TRACE(leftFree);
        SmallDisk disk(scratch(QString("disk%1").arg(leftFree)));
        if (!disk.mounted())
            GTEST_SKIP() << "full-disk case not run: " << disk.whyNot().toStdString();
        const QString path = disk.filePath("p.tova");
        openChangedSample(path);
        const QByteArray before = readBytes(path);
        ASSERT_TRUE(disk.fill(leftFree));
        Globals::gProjectPath = "/x/before.tova";
        const QStringList recent = Globals::GetRecentFiles();
        env.messages.clear();

        EXPECT_FALSE(Globals::SaveProject(path));
        ASSERT_EQ(env.messages.asked().size(), 1);
        EXPECT_TRUE(env.messages.texts().first().startsWith(kCouldNotSave + "\n\n"));
        EXPECT_TRUE(env.messages.texts().first().contains("No space left on device"))
            << env.messages.texts().first().toStdString();
        expectNotSaved(path, before);
        EXPECT_EQ(Globals::gProjectPath, "/x/before.tova");
        EXPECT_EQ(Globals::GetRecentFiles(), recent) << "only the open is listed";
    }
}

TEST_F(Save, ReadOnlyProjectFileIsRefusedEvenForTheSuperuser) {
    const QString path = scratch("read-only.tova");
    openChangedSample(path);
    const QByteArray before = readBytes(path);
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0444), 0);

    EXPECT_FALSE(Globals::SaveProject(path));
    ASSERT_EQ(env.messages.texts().size(), 1);
    EXPECT_TRUE(env.messages.texts().first().startsWith(kCouldNotSave));
    expectNotSaved(path, before);
    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0444u);
}

// Texts pasted from elsewhere can hold characters that an XML file cannot; they are stored as
// blanks, so the file opens again and every report can be built from it.
TEST_F(Save, TextsWithCharactersXmlCannotHoldAreSavedAsBlanksAndOpenAgain) {
    const QString unpairedHigh(QChar(0xD800));
    const QString unpairedLow(QChar(0xDC00));
    const QPair<QString, QString> cases[] = {
        {QString("Tab\tline\nreturn\r kept"), QString("Tab\tline\nreturn\r kept")},
        {QString("vertical\vtab and \x01 and \x1f"), QString("vertical tab and   and  ")},
        {QString("nul") + QChar(0) + "inside", "nul inside"},
        {QString("non") + QChar(0xFFFE) + "char" + QChar(0xFFFF), "non char "},
        {"lone" + unpairedHigh + "high" + unpairedLow + "low", "lone high low"},
        {QString("pair ") + QChar(0xD83D) + QChar(0xDE00) + " kept",
         QString("pair ") + QChar(0xD83D) + QChar(0xDE00) + " kept"},
        {QChar(0xFEFF) + QString("leading mark kept"), QChar(0xFEFF) + QString("leading mark kept")},
    };
    for (const auto& [typed, stored] : cases) {
        SCOPED_TRACE(typed.toStdString());
        openNewProjectWithReview();
        setAllHeaderTexts(typed);
        EXPECT_EQ(Globals::GetOwner(), stored) << "the document holds what the file will";
        const QString path = scratch("texts.tova");
        ASSERT_TRUE(Globals::SaveProject(path));
        Globals::ResetProjectState();
        ASSERT_TRUE(Globals::OpenProject(path));
        for (const QString& text : {Globals::GetReferenceNum(), Globals::GetProjectName(), Globals::GetSubProjectName(),
                                    Globals::GetLocation(), Globals::GetOwner(), Globals::GetProjectManager()})
            EXPECT_EQ(text, stored);
    }
    EXPECT_TRUE(env.messages.asked().isEmpty()) << env.messages.texts().join('\n').toStdString();
}

// The saver writes only what its own reader accepts: a file too large to open again is refused
// with the reason, and so is a document that would not read back.
TEST_F(Save, FileThatWouldNotOpenAgainIsNotWritten) {
    const QString path = scratch("kept.tova");
    openChangedSample(path);
    const QByteArray before = readBytes(path);
    Globals::SetProjectDetails(Globals::GetReferenceNum(), Globals::GetProjectName(), Globals::GetSubProjectName(),
                               Globals::GetLocation(), QString(17 * 1024 * 1024, 'x'), Globals::GetProjectManager());
    EXPECT_FALSE(Globals::SaveProject(path));
    EXPECT_EQ(env.messages.texts(),
              QStringList{"Could not save project.  It is larger than the 16 MB that a project file may hold."});
    expectNotSaved(path, before);

    env.messages.clear();
    openChangedSample(path);
    XMLhelpers::AddElement(Globals::gProjectDoc, "not a name", "x", Globals::gProjectDoc.documentElement());
    EXPECT_FALSE(Globals::SaveProject(path));
    ASSERT_EQ(env.messages.texts().size(), 1);
    EXPECT_TRUE(env.messages.texts().first().startsWith("Could not save project.  It could not be read back: "));
    expectNotSaved(path, before);
}

// The size limit holds projects up to and including its last byte: a project of exactly 16 MB saves
// and opens again; one byte more is refused by the save, and as a file by the open.
TEST_F(Save, ProjectOfExactlyTheSizeLimitSavesAndOpensAndOneByteMoreIsRefused) {
    constexpr qint64 kLimit = 16LL * 1024 * 1024;
    const QString tooLarge = "It is larger than the 16 MB that a project file may hold.";
    const QString path = scratch("limit.tova");
    openChangedSample(path);
    // Two texts share the padding: the parser takes no single text of more than ten million bytes.
    const auto padTo = [](qint64 fileSize) {
        Globals::SetProjectDetails(Globals::GetReferenceNum(), Globals::GetProjectName(), Globals::GetSubProjectName(),
                                   QStringLiteral("L"), QStringLiteral("O"), Globals::GetProjectManager());
        const qint64 padding = fileSize - Globals::gProjectDoc.toFileBytes().size() + 2;
        Globals::SetProjectDetails(Globals::GetReferenceNum(), Globals::GetProjectName(), Globals::GetSubProjectName(),
                                   QString(padding / 2, 'L'), QString(padding - padding / 2, 'O'),
                                   Globals::GetProjectManager());
        ASSERT_EQ(Globals::gProjectDoc.toFileBytes().size(), fileSize);
    };
    padTo(kLimit);
    const QString owner = Globals::GetOwner();
    ASSERT_TRUE(Globals::SaveProject(path));
    ASSERT_EQ(QFileInfo(path).size(), kLimit);
    Globals::ResetProjectState();
    ASSERT_TRUE(Globals::OpenProject(path));
    EXPECT_EQ(Globals::GetOwner(), owner);
    EXPECT_TRUE(env.messages.asked().isEmpty()) << env.messages.texts().join('\n').toStdString();

    const QByteArray atLimit = readBytes(path);
    padTo(kLimit + 1);
    EXPECT_FALSE(Globals::SaveProject(path));
    EXPECT_EQ(env.messages.texts(), QStringList{"Could not save project.  " + tooLarge});
    expectNotSaved(path, atLimit);

    env.messages.clear();
    const QString oneMore = scratch("one-more.tova");
    writeBytes(oneMore, atLimit + "\n");
    EXPECT_FALSE(Globals::OpenProject(oneMore));
    EXPECT_EQ(env.messages.texts(), QStringList{"Error Loading Project\n\n" + tooLarge});
    EXPECT_FALSE(Globals::IsProjectLoaded());
}

} // namespace

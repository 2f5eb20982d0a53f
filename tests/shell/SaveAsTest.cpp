// Save As for a project that has never been saved: the proposed folder exists when the dialog
// opens, the proposed name is one file name, and a save that fails says why. A print to file is
// proposed beside the project, named after it and the screen.
#include "ProjectFixture.h"

#include "platform/SystemServices.h"
#include "shell/SaveCommands.h"
#include "store/ProjectDocument.h"
#include "store/ProposedFiles.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

TEST(SaveAs, FirstSaveGoesIntoTheProposedFolderWhichIsMadeWhenMissing) {
    TestEnvironment environment;
    ProjectFixture fixture;
    fixture.openProject();
    const QString folder = SystemFolderHelpers::GetMyDocumentsFolder() + QStringLiteral("My TOVA Projects/");
    ASSERT_FALSE(QFileInfo::exists(folder));

    // The user accepts the proposed name.
    environment.fileDialogs.queue(folder + QStringLiteral("R-17.tova"));
    EXPECT_TRUE(showSaveAsDialog());
    EXPECT_EQ(environment.fileDialogs.requests().first().initialFolder, folder);
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("R-17.tova")).isFile());
    EXPECT_TRUE(Globals::gProjectSaved);
    EXPECT_TRUE(environment.messages.asked().isEmpty()) << environment.messages.texts().join('\n').toStdString();
}

// Every proposed name is one file that the system can make: a long name is cut to the 255 bytes a
// file name may take, between two characters, the screen and section of a printout kept whole.
TEST(SaveAs, ProposedNameIsOneVisibleFileName) {
    struct Case {
        QString reference, projectName, proposed;
    };
    const QString smile = QStringLiteral("\U0001F600");
    const QString accented = QStringLiteral("e\u0301");
    const Case cases[] = {
        {"2024/017", "Bridge", "2024-017.tova"},
        {"a\\b:c*d?e\"f<g>h|i", "Bridge", "a-b-c-d-e-f-g-h-i.tova"},
        {"", "Bridge", "Bridge.tova"},
        {"  ", "Bridge", "Bridge.tova"},
        {"", "", "TOVA Project.tova"},
        {".hidden", "Bridge", "hidden.tova"},
        {"..", "Bridge", "TOVA Project.tova"},
        {"tab\there", "Bridge", "tab-here.tova"},
        {"Ærøy 東京", "Bridge", "Ærøy 東京.tova"},
        // Three bytes a character.
        {"", QString(84, QChar(0x6771)), QString(83, QChar(0x6771)) + ".tova"},
        // Four bytes a character, in two UTF-16 units.
        {"ab" + smile.repeated(62), "Bridge", "ab" + smile.repeated(62) + ".tova"},
        {"abc" + smile.repeated(62), "Bridge", "abc" + smile.repeated(61) + ".tova"},
        // A letter and its combining mark stay together.
        {accented.repeated(84), "Bridge", accented.repeated(83) + ".tova"},
        {QString(300, 'R'), "Bridge", QString(250, 'R') + ".tova"},
    };
    TestEnvironment environment;
    ProjectFixture fixture;
    const QString folder = SystemFolderHelpers::GetMyDocumentsFolder() + QStringLiteral("My TOVA Projects/");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reference.toStdString() + " " + c.projectName.toStdString());
        Globals::CreateProject(c.reference, c.projectName, QString(), QString(), QString(), QString());
        EXPECT_FALSE(showSaveAsDialog());
        const QString proposed = environment.fileDialogs.requests().last().fileName;
        EXPECT_EQ(proposed, folder + c.proposed);
        const QStringList printouts = {Globals::ProposedPrintoutFile(QStringLiteral("Fishbone")),
                                       Globals::ProposedSectionPrintoutFile(QStringLiteral("Scorecard"), 2)};
        EXPECT_TRUE(printouts[0].endsWith(" Fishbone.pdf")) << printouts[0].toStdString();
        EXPECT_TRUE(printouts[1].endsWith(" Scorecard People.pdf")) << printouts[1].toStdString();
        for (const QString& path : QStringList{proposed} + printouts) {
            const QString name = QFileInfo(path).fileName();
            EXPECT_LE(QFile::encodeName(name).size(), 255) << name.toStdString();
            EXPECT_EQ(QString::fromUtf8(name.toUtf8()), name) << "a character cut in two";
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << file.errorString().toStdString();
            file.remove();
        }
    }
}

TEST(SaveAs, PrintoutIsProposedBesideTheProjectOrInTheProjectsFolder) {
    TestEnvironment environment;
    ProjectFixture fixture;
    Globals::CreateProject(QStringLiteral("2024/017"), QStringLiteral("Bridge"), QString(), QString(), QString(),
                           QString());
    const QString projects = SystemFolderHelpers::GetMyDocumentsFolder() + QStringLiteral("My TOVA Projects/");
    EXPECT_EQ(Globals::ProposedPrintoutFile(QStringLiteral("Fishbone")),
              projects + QStringLiteral("2024-017 Fishbone.pdf"));
    // Made, so that the print can go there.
    EXPECT_TRUE(QFileInfo(projects).isDir());

    Globals::gProjectPath = environment.scratch.filePath(QStringLiteral("Bridge works/bridge.tova"));
    EXPECT_EQ(Globals::ProposedPrintoutFile(QStringLiteral("Tile Chart")),
              environment.scratch.filePath(QStringLiteral("Bridge works/2024-017 Tile Chart.pdf")));
}

TEST(SaveAs, FailedSaveGivesTheSystemsReason) {
    TestEnvironment environment;
    ProjectFixture fixture;
    fixture.openProject();
    environment.fileDialogs.queue(environment.scratch.filePath(QStringLiteral("no/such/folder/R-17.tova")));
    EXPECT_FALSE(showSaveAsDialog());
    ASSERT_EQ(environment.messages.texts().size(), 1);
    const QStringList parts = environment.messages.texts().first().split(QStringLiteral("\n\n"));
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(parts[0], "Could not save project.  Check if file is read only or disk is full.");
    EXPECT_TRUE(parts[1].contains(QStringLiteral("No such file or directory"))) << parts[1].toStdString();
}

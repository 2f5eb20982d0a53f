// A small questionnaire database and an open project with one review, for the shell tests.
#pragma once

#include "support/FakeMainWindow.h"
#include "support/HomeInScratch.h"

#include <QString>
#include <QTemporaryDir>

namespace tova::test {

// Phases 3 ("Design") and 4; category 7 has questions 101 (phase 3) and 102 (phase 4),
// category 8 has question 103 (phase 3).
QString smallDatabaseXml();

// Installs the small database as the questionnaire database (or none at all) and a main window
// whose Save As dialog is the real one (over a home folder of its own), and restores the empty
// state afterwards.
class ProjectFixture {
public:
    explicit ProjectFixture(bool withDatabase = true);
    ~ProjectFixture();
    ProjectFixture(const ProjectFixture&) = delete;
    ProjectFixture& operator=(const ProjectFixture&) = delete;

    // Creates a project with the given name and one review of the phase, made current.
    void openProject(const QString& projectName = QStringLiteral("Bridge"), qint16 phase = 3);
    // Answers every phase-3 question of the current review.
    void answerAll();

    FakeMainWindow mainWindow;

private:
    QTemporaryDir m_home;
    HomeInScratch m_homeScope{m_home.path()};
};

} // namespace tova::test

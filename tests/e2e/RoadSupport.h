// What the end-to-end roads share: driving modal windows from timers, waiting for pages, reading
// the files the program writes.
#pragma once

#include "support/HomeInScratch.h"
#include "support/TestEnvironment.h"

#include <QString>

#include <gtest/gtest.h>

#include <functional>

class QDialog;
class QWidget;
class frmBrowser;

namespace tova {
class WebBrowser;
class WebEngineBrowser;
}

namespace tova::test {

// How long a road waits for a window to come up before it fails instead of hanging.
constexpr int kDriveTimeoutMs = 30000;

// Runs action once dialog is the modal window on top and ready() holds. When that does not happen
// in time, or the dialog stays open after the action, the dialog is closed, so the test fails
// instead of hanging. Register it before the step that opens the dialog.
void whenModal(QDialog* dialog, std::function<bool()> ready, std::function<void()> action);

// The top page has loaded.
bool pageReady(WebBrowser& browser);
// The top page and its frames "main" and "side" have loaded.
bool framesReady(WebBrowser& browser);

QString readFile(const QString& path);

// A road through the real main window over a writable copy of the shipped content, with scripted
// message boxes and the questionnaire and review windows installed; every window goes at the end.
class MainWindowRoad : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the sample project of the application folder and waits for its fishbone screen.
    void showSample();

    TestEnvironment env;
    // Save As makes its proposed folder; it goes in the test's own documents folder.
    HomeInScratch home{env.scratch.filePath(QStringLiteral("home"))};
    QString appFolder;
    frmBrowser* mainWindow = nullptr;
};

// A road that starts the program as a user does (start-up, then the main window), over a writable
// copy of the shipped content with scripted message boxes.
class StartedProgramRoad : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs start-up and gives the main window.
    frmBrowser* startProgram();
    // Starts the program, opens the sample project from the Help menu and waits for its fishbone
    // screen.
    frmBrowser* showSample();

    TestEnvironment environment;
    HomeInScratch home{environment.scratch.filePath(QStringLiteral("home"))};
};

// Puts the focus inside the page of the browser's frame (empty: the top page), as a click there
// would, and gives the widget that then receives the user's keys.
QWidget* focusInsidePage(WebEngineBrowser& browser, const QString& frame = QString());

} // namespace tova::test

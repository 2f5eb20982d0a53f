// What the end-to-end roads share: driving modal windows from timers, waiting for pages, reading
// the files the program writes.
#pragma once

#include "support/HomeInScratch.h"
#include "support/TestEnvironment.h"

#include <QObject>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QDialog;
class QMessageBox;
class QWidget;
class frmBrowser;
class frmSurvey;

namespace tova {
class BrowserWindow;
class MessageBoxService;
class WebBrowser;
} // namespace tova

namespace tova::test {

// How long a road waits for a window to come up before it fails instead of hanging.
constexpr int kDriveTimeoutMs = 30000;

// Runs action once dialog is the modal window on top and ready() holds. When that does not happen
// in time, or the dialog stays open after the action, the dialog is closed, so the test fails
// instead of hanging. Register it before the step that opens the dialog.
void whenModal(QDialog* dialog, std::function<bool()> ready, std::function<void()> action);
// The same once dialog is the modal window on top.
void whenModal(QDialog* dialog, std::function<void()> action);

// Runs action once a message box with exactly this text is the modal window on top; fails (and
// ends the box) when none comes in time. Register it before the step that asks.
void whenMessageBox(const QString& text, std::function<void(QMessageBox&)> action);

// While it lives, messages are asked in real message boxes (the program's own service) instead of
// the scripted ones.
class RealMessageBoxes {
public:
    RealMessageBoxes();
    ~RealMessageBoxes();
    RealMessageBoxes(const RealMessageBoxes&) = delete;
    RealMessageBoxes& operator=(const RealMessageBoxes&) = delete;

private:
    std::unique_ptr<MessageBoxService> m_box;
    MessageBoxService* m_previous;
};

// Whether a window system runs that can send a window a close request (an X server; offscreen
// has none).
bool closeRequestsReachWindows();
// Sends the window the close request that a window manager sends when its close box is clicked
// (WM_DELETE_WINDOW through the X server) and waits, bounded, until the window has taken it.
bool requestClose(QWidget& window);

// The top page has loaded.
bool pageReady(WebBrowser& browser);
// The top page and its frames "main" and "side" have loaded.
bool framesReady(WebBrowser& browser);
// The first heading of the frame's page reads text.
bool headingIs(WebBrowser& browser, const QString& frame, const QString& text);

// whenModal for a window with a page: the action runs once its top page (whenPageReady) or its
// top page and frames (whenFramesReady) have loaded.
template <class Window> void whenPageReady(Window* window, std::function<void()> action) {
    whenModal(
        window, [window] { return pageReady(window->browser()); }, std::move(action));
}
template <class Window> void whenFramesReady(Window* window, std::function<void()> action) {
    whenModal(
        window, [window] { return framesReady(window->browser()); }, std::move(action));
}

QString readFile(const QString& path);

// A road through the real main window over a writable copy of the shipped content, with scripted
// message boxes and the questionnaire and review windows installed; every window goes at the end.
class MainWindowRoad : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the sample project of the application folder (or the project file at path) and waits
    // for its fishbone screen.
    void showSample(const QString& path = QString());
    // Clicks the category on the fishbone screen and runs drive once the questionnaire it opens has
    // loaded its frames; true when drive ran and the questionnaire has closed again.
    bool driveQuestionnaire(const QString& categoryId, const std::function<void(frmSurvey&)>& drive);

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

} // namespace tova::test

// ---- Real input ---------------------------------------------------------------------------------
// The user's own road into a page: mouse events sent to the browser's input widget (the
// view's focusProxy()) at the place where the page shows the element. Where that place is comes
// from the page's layout (read by script); nothing is clicked by script.

class QAbstractButton;
class QPoint;
class QListWidget;
class QListWidgetItem;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace tova::test {

// The browser's input widget; null when the browser is not a real view or has no page widget yet.
QWidget* inputWidget(WebBrowser& browser);

// The centre of the first element matching selector in the named frame (empty: the top window, nested
// frames are searched), in the input widget's coordinates, with the offsets of the frames around it.
// An element outside its frame's visible part is first scrolled into view, as a user would with the
// wheel. Nothing when there is no such element, it has no box, or the page does not answer.
std::optional<QPoint> elementCentre(WebBrowser& browser, const QString& frame, const QString& selector);

// The part of the first element matching selector (found as elementCentre finds it) that its frame
// shows as the page lies now (nothing is scrolled), in the input widget's coordinates. Nothing when
// there is no such element or the page does not answer.
std::optional<QRectF> visibleBox(WebBrowser& browser, const QString& frame, const QString& selector);

// Moves the pointer onto the element and clicks it with the left button, then sends nothing more.
// False (with a test failure naming it) when the element cannot be found on screen.
bool clickElement(WebBrowser& browser, const QString& frame, const QString& selector);
// The same for the link with exactly this href attribute.
bool clickLink(WebBrowser& browser, const QString& frame, const QString& href);
// Clicks the links with these hrefs in turn, each right after the one before, faster than the
// program can take them.
bool clickLinksQuickly(WebBrowser& browser, const QString& frame, const QStringList& hrefs);
// Clicks into the text field, selects what it holds and types text over it with real keys.
bool typeInto(WebBrowser& browser, const QString& frame, const QString& selector, const QString& text);

// The window, frame included, lies wholly inside the usable area of its screen.
::testing::AssertionResult whollyOnScreen(const QWidget& window);
// The window lies over the middle of the page's link with exactly this href (in the named frame).
bool coversLink(const QWidget& window, WebBrowser& browser, const QString& frame, const QString& href);
// The usable area has room for a window of this outer size clear of the middles of these links: above,
// below, left or right of them all.
bool roomClearOfLinks(WebBrowser& browser, const QString& frame, const QStringList& hrefs, const QSize& outer);

// Waits (bounded) for a browser window that is not among those given to come up; null when none.
BrowserWindow* awaitNewBrowserWindow(const QList<QWidget*>& before, int timeoutMs);
// Clicks the middle of the window through the window system's own road (where a window that a
// modal window blocks gets nothing) and tells whether the click reached its page.
bool clickReachesPage(BrowserWindow& window, int timeoutMs);
// Clicks a dialog's button, or a row of its list, with the mouse.
void pressButton(QAbstractButton& button);
void clickRow(QTreeWidget& list, int row);
void doubleClickItem(QTreeWidget& list, QTreeWidgetItem* item);
void doubleClickItem(QListWidget& list, QListWidgetItem* item);

// The file names of the addresses a browser's top page is sent to while the log lives, in order.
// Read from the program's side only, so watching asks nothing of the page.
class TopPageLog {
public:
    explicit TopPageLog(WebBrowser& browser);
    ~TopPageLog();
    TopPageLog(const TopPageLog&) = delete;
    TopPageLog& operator=(const TopPageLog&) = delete;
    const QStringList& pages() const { return m_pages; }

private:
    QStringList m_pages;
    // Ends the watch when the log goes.
    std::unique_ptr<QObject> m_watch;
};

// Turns the mouse wheel over the centre of the view by a number of notches (negative: down).
void turnWheel(WebBrowser& browser, int notches);

} // namespace tova::test

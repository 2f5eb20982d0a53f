#include "RoadSupport.h"

#include "platform/AppFolder.h"
#include "platform/ScriptLiteral.h"
#include "platform/Services.h"
#include "platform/Wait.h"
#include "platform/browser/WebBrowser.h"
#include "platform/browser/ui/BrowserPage.h"
#include "platform/browser/ui/BrowserWindow.h"
#include "platform/browser/ui/PageScripts.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/dialogs/ui/QtMessageBox.h"
#include "reference/ui/frmAcronyms.h"
#include "reference/ui/frmGlossary.h"
#include "reference/ui/frmHelp.h"
#include "review/ui/ReviewWindows.h"
#include "review/ui/frmSurvey.h"
#include "shell/Startup.h"
#include "shell/WindowRegistry.h"
#include "shell/ui/frmBrowser.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <QWheelEvent>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include <xcb/xcb.h>

namespace tova::test {

namespace {

// Runs action on the dialog that find gives once it gives one. When none comes in time (the
// dialog that pending gives is then ended), or the dialog stays open after the action (it is then
// ended), the test fails instead of hanging.
void whenFound(const std::function<QDialog*()>& find, const std::function<void(QDialog&)>& action,
               const std::function<QDialog*()>& pending) {
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(25);
    QObject::connect(timer, &QTimer::timeout, [=] {
        const QPointer<QDialog> dialog = find();
        if (!dialog) {
            if (clock->elapsed() <= kDriveTimeoutMs)
                return;
            ADD_FAILURE() << "window never came up ready";
            if (QDialog* late = pending ? pending() : nullptr)
                late->done(QDialog::Rejected);
        } else {
            timer->stop();
            action(*dialog);
            // A window the action failed to close is closed later, so a failure cannot hang the run.
            QTimer::singleShot(kDriveTimeoutMs, [dialog] {
                if (dialog && dialog->isVisible()) {
                    ADD_FAILURE() << "window stayed open";
                    dialog->done(QDialog::Rejected);
                }
            });
        }
        timer->stop();
        timer->deleteLater();
        delete clock;
    });
    timer->start();
}

} // namespace

void whenModal(QDialog* window, std::function<bool()> ready, std::function<void()> action) {
    const QPointer<QDialog> dialog(window);
    whenFound(
        [dialog, ready]() -> QDialog* {
            const bool up = dialog && QApplication::activeModalWidget() == dialog && dialog->isVisible();
            return up && ready() ? dialog.data() : nullptr;
        },
        [action](QDialog&) { action(); },
        [dialog]() -> QDialog* { return dialog && dialog->isVisible() ? dialog.data() : nullptr; });
}

void whenModal(QDialog* dialog, std::function<void()> action) {
    whenModal(
        dialog, [] { return true; }, std::move(action));
}

void whenMessageBox(const QString& text, std::function<void(QMessageBox&)> action) {
    whenFound(
        [text]() -> QDialog* {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            return box && box->isVisible() && box->text() == text ? box : nullptr;
        },
        [action](QDialog& box) { action(static_cast<QMessageBox&>(box)); }, nullptr);
}

RealMessageBoxes::RealMessageBoxes() : m_box(std::make_unique<QtMessageBox>()), m_previous(services().messageBox) {
    services().messageBox = m_box.get();
}

RealMessageBoxes::~RealMessageBoxes() {
    services().messageBox = m_previous;
}

namespace {

// The connection to the X server; null on any other platform.
xcb_connection_t* xConnection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

} // namespace

bool closeRequestsReachWindows() {
    return xConnection() != nullptr;
}

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection,
                              xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// Tells when a close request from the window system has reached a window.
class CloseRequestWatch final : public QObject {
public:
    explicit CloseRequestWatch(QWindow* window) : m_window(window) { qApp->installEventFilter(this); }
    bool arrived = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::Close && event->spontaneous())
            arrived = true;
        return false;
    }

private:
    QWindow* m_window;
};

} // namespace

bool requestClose(QWidget& window) {
    xcb_connection_t* connection = xConnection();
    QWindow* handle = window.windowHandle();
    if (!connection || !handle) {
        ADD_FAILURE() << "no window system to send a close request through";
        return false;
    }
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(handle->winId());
    message.type = internAtom(connection, "WM_PROTOCOLS");
    message.data.data32[0] = internAtom(connection, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    CloseRequestWatch watch(handle);
    xcb_send_event(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    const bool arrived = waitWhile([&] { return !watch.arrived; }, kDriveTimeoutMs);
    EXPECT_TRUE(arrived) << "the close request never reached the window";
    // Whatever the window does with the request happens before the test looks.
    QCoreApplication::processEvents();
    return arrived;
}

bool pageReady(WebBrowser& browser) {
    return !browser.Busy() && browser.ReadyState() == 4;
}

bool framesReady(WebBrowser& browser) {
    return pageReady(browser) && browser.IsFrameComplete(QStringLiteral("main")) &&
           browser.IsFrameComplete(QStringLiteral("side"));
}

bool headingIs(WebBrowser& browser, const QString& frame, const QString& text) {
    return browser.ExecScript(
        QStringLiteral("if (document.querySelector('h1').textContent !== %1) throw 0;").arg(tova::scriptLiteral(text)),
        frame);
}

QString readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void MainWindowRoad::SetUp() {
    appFolder = env.copyAppFolder();
    env.messages.setFallback(MsgAnswer::No);
    Globals::ResetProjectState();
    Globals::LoadDatabase();
    installReviewWindows();
    mainWindow = frmBrowser::instance();
    mainWindow->show();
}

void MainWindowRoad::showSample(const QString& path) {
    Globals::OpenProjectAndShow(path.isEmpty() ? appPath(QStringLiteral("sample.tova")) : path);
    ASSERT_TRUE(Globals::IsProjectLoaded());
    ASSERT_TRUE(waitWhile([this] { return mainWindow->webMain()->LocationName() != QLatin1String("fishbone"); }));
    ASSERT_TRUE(waitWhile([this] { return !mainWindow->webMain()->IsFrameComplete(QStringLiteral("main")); }));
}

bool MainWindowRoad::driveQuestionnaire(const QString& categoryId, const std::function<void(frmSurvey&)>& drive) {
    frmSurvey& survey = frmSurvey::instance();
    bool drove = false;
    whenFramesReady(&survey, [&] {
        drove = true;
        drive(survey);
    });
    // The program takes the link in a turn of its own, so the questionnaire may come up after the click.
    EXPECT_TRUE(clickLink(*mainWindow->webMain(), QStringLiteral("main"), QStringLiteral("#CAT") + categoryId));
    static_cast<void>(waitWhile([&] { return !drove || survey.isVisible(); }, kDriveTimeoutMs));
    return drove && !survey.isVisible();
}

void MainWindowRoad::TearDown() {
    Globals::ResetProjectState();
    windowRegistry() = WindowRegistry{};
    deleteReviewWindows();
    frmGlossary::destroyInstance();
    frmAcronyms::destroyInstance();
    frmHelp::destroyInstance();
    delete frmBrowser::existingInstance();
}

void StartedProgramRoad::SetUp() {
    environment.copyAppFolder();
    Globals::ResetProjectState();
    environment.messages.setFallback(MsgAnswer::No);
}

void StartedProgramRoad::TearDown() {
    if (frmBrowser* window = frmBrowser::existingInstance())
        window->hide();
    Globals::ResetProjectState();
}

frmBrowser* StartedProgramRoad::startProgram() {
    EXPECT_TRUE(Globals::Main());
    frmBrowser* window = frmBrowser::existingInstance();
    EXPECT_NE(window, nullptr);
    return window;
}

frmBrowser* StartedProgramRoad::showSample() {
    frmBrowser* window = startProgram();
    window->menuItem(QStringLiteral("mnuSampleProject"))->trigger();
    EXPECT_TRUE(waitWhile([window] { return window->webMain()->LocationName() != QLatin1String("fishbone"); }));
    EXPECT_TRUE(waitWhile([window] { return !window->webMain()->IsFrameComplete(QStringLiteral("main")); }));
    return window;
}

} // namespace tova::test

// ---- Real input ---------------------------------------------------------------------------------

namespace tova::test {

namespace {

// How long reading the page's layout may take.
constexpr int kLayoutReadMs = 10000;
// How long a click holds the button down.
constexpr int kButtonHoldMs = 60;

// Finds the frame (breadth first through nested frames), then the element, and gives the centre of
// its first box in the top window's coordinates: [x, y], or null. With scroll, an element outside
// its frame's visible part is scrolled into view first. After [x, y], whether the element is a link
// and its box's visible part in the top window's coordinates: [left, top, width, height].
const char* kLocateScript = R"JS(
(function (frameName, selector, scroll) {
  var target = null;
  if (frameName === '') {
    target = window;
  } else {
    var queue = [window];
    while (queue.length && !target) {
      var current = queue.shift();
      try { if (current !== window && current.name === frameName) { target = current; break; } } catch (e) { continue; }
      for (var i = 0; i < current.frames.length; i++) queue.push(current.frames[i]);
    }
  }
  if (!target) return null;
  var element = target.document.querySelector(selector);
  if (!element) return null;
  // The first box that shows: a link around a picture or a block may have empty boxes of its own.
  var box = function () {
    var candidates = [element].concat(Array.prototype.slice.call(element.querySelectorAll('*')));
    for (var i = 0; i < candidates.length; i++) {
      var rects = candidates[i].getClientRects();
      for (var j = 0; j < rects.length; j++) {
        if (rects[j].width > 0 && rects[j].height > 0) return rects[j];
      }
    }
    return element.getBoundingClientRect();
  };
  var rect = box();
  if (scroll && (rect.top < 0 || rect.bottom > target.innerHeight || rect.left < 0 || rect.right > target.innerWidth)) {
    element.scrollIntoView({block: 'center', inline: 'nearest'});
    rect = box();
  }
  if (rect.width <= 0 || rect.height <= 0) return null;
  var x = rect.left + rect.width / 2;
  var y = rect.top + rect.height / 2;
  var left = Math.max(rect.left, 0), top = Math.max(rect.top, 0);
  var right = Math.min(rect.right, target.innerWidth), bottom = Math.min(rect.bottom, target.innerHeight);
  for (var w = target; w !== window; w = w.parent) {
    var frame = w.frameElement;
    var outer = frame.getBoundingClientRect();
    x += outer.left + frame.clientLeft;
    y += outer.top + frame.clientTop;
    left += outer.left + frame.clientLeft;
    right += outer.left + frame.clientLeft;
    top += outer.top + frame.clientTop;
    bottom += outer.top + frame.clientTop;
  }
  return [x, y, /^(a|area)$/i.test(element.nodeName), left, top, Math.max(right - left, 0), Math.max(bottom - top, 0)];
})(%1, %2, %3)
)JS";

QWebEngineView* viewOf(WebBrowser& browser) {
    return dynamic_cast<QWebEngineView*>(&browser);
}

std::optional<QVariant> evaluateInPage(QWebEngineView& view, const QString& script) {
    auto result = std::make_shared<std::optional<QVariant>>();
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    view.page()->runJavaScript(script, QWebEngineScript::MainWorld, [result, waiting](const QVariant& value) {
        *result = value;
        if (waiting)
            waiting->quit();
    });
    if (!result->has_value()) {
        QTimer::singleShot(kLayoutReadMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return *result;
}

// Counts the events of one type that reach an object while the counter lives.
class EventCounter final : public QObject {
public:
    EventCounter(QObject* watched, QEvent::Type type, int* count) : m_type(type), m_count(count) {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == m_type)
            ++*m_count;
        return false;
    }

private:
    QEvent::Type m_type;
    int* m_count;
};

// The pointer arrives over the place, with no button down.
void movePointer(QWidget* input, QPoint position) {
    QMouseEvent move(QEvent::MouseMove, QPointF(position), input->mapToGlobal(QPointF(position)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(input, &move);
}

// What kLocateScript finds, scaled from the page's CSS pixels to the widget's (by the page's zoom);
// empty when nothing is found.
QList<qreal> located(WebBrowser& browser, const QString& frame, const QString& selector, bool scroll, bool* isLink) {
    QWebEngineView* view = viewOf(browser);
    if (!view)
        return {};
    const std::optional<QVariant> found =
        evaluateInPage(*view, QString::fromLatin1(kLocateScript)
                                  .arg(tova::scriptLiteral(frame), tova::scriptLiteral(selector),
                                       scroll ? QStringLiteral("true") : QStringLiteral("false")));
    const QVariantList values = found ? found->toList() : QVariantList();
    if (values.size() != 7)
        return {};
    if (isLink)
        *isLink = values.at(2).toBool();
    QList<qreal> scaled;
    for (const QVariant& value : values)
        scaled.append(value.toDouble() * view->zoomFactor());
    return scaled;
}

// The centre of the element (elementCentre), and whether it is a link.
std::optional<QPoint> locate(WebBrowser& browser, const QString& frame, const QString& selector, bool* isLink) {
    const QList<qreal> found = located(browser, frame, selector, true, isLink);
    if (found.isEmpty())
        return std::nullopt;
    return QPoint(qRound(found.at(0)), qRound(found.at(1)));
}

// Clicks the elements one after another. A single click holds the button down for a moment while
// the program goes on; clicks in a row come faster than the program can take them, so they reach it
// all at once.
bool clickInTurn(WebBrowser& browser, const QString& frame, const QStringList& selectors) {
    QWidget* input = inputWidget(browser);
    QList<QPoint> places;
    int links = 0;
    for (const QString& selector : selectors) {
        bool isLink = false;
        // A user waits for the link to show: a frame whose new page has not replaced its blank one yet
        // reads as complete, a busy engine lays the page out a moment later, and a question asked
        // while a frame changes its page may go unanswered once.
        std::optional<QPoint> centre;
        static_cast<void>(
            waitWhile([&] { return !(centre = locate(browser, frame, selector, &isLink)); }, 2 * kLayoutReadMs));
        links += isLink ? 1 : 0;
        if (!input || !centre) {
            ADD_FAILURE() << "not on screen: " << selector.toStdString() << " in frame '" << frame.toStdString() << "'";
            return false;
        }
        places << *centre;
    }
    // Links are handed to the program by the page once it has dispatched the click; until then a
    // question to the page (which the road's own waits ask) may go unanswered, so the road waits
    // for that hand-over first, reading program state only.
    int handedOver = 0;
    QObject watch;
    if (auto* page = qobject_cast<BrowserPage*>(viewOf(browser)->page()))
        QObject::connect(page->bridge(), &PageBridge::frameLinkClicked, &watch, [&] { ++handedOver; });
    // The window system gives the keyboard focus to the widget a press lands on.
    if (input)
        input->setFocus(Qt::MouseFocusReason);
    for (const QPoint& place : places) {
        movePointer(input, place);
        QTest::mousePress(input, Qt::LeftButton, Qt::NoModifier, place);
        if (places.size() == 1)
            processEventsFor(kButtonHoldMs);
        QTest::mouseRelease(input, Qt::LeftButton, Qt::NoModifier, place);
    }
    if (links == places.size())
        static_cast<void>(waitWhile([&] { return handedOver < links; }, kLayoutReadMs));
    return true;
}

QString linkSelector(const QString& href) {
    return QStringLiteral("a[href=%1]").arg(tova::scriptLiteral(href));
}

} // namespace

QWidget* inputWidget(WebBrowser& browser) {
    QWebEngineView* view = viewOf(browser);
    return view ? view->focusProxy() : nullptr;
}

std::optional<QRectF> visibleBox(WebBrowser& browser, const QString& frame, const QString& selector) {
    const QList<qreal> found = located(browser, frame, selector, false, nullptr);
    if (found.isEmpty())
        return std::nullopt;
    return QRectF(found.at(3), found.at(4), found.at(5), found.at(6));
}

std::optional<QPoint> elementCentre(WebBrowser& browser, const QString& frame, const QString& selector) {
    return locate(browser, frame, selector, nullptr);
}

bool clickElement(WebBrowser& browser, const QString& frame, const QString& selector) {
    return clickInTurn(browser, frame, {selector});
}

bool clickLink(WebBrowser& browser, const QString& frame, const QString& href) {
    return clickElement(browser, frame, linkSelector(href));
}

bool clickLinksQuickly(WebBrowser& browser, const QString& frame, const QStringList& hrefs) {
    QStringList selectors;
    for (const QString& href : hrefs)
        selectors << linkSelector(href);
    return clickInTurn(browser, frame, selectors);
}

bool typeInto(WebBrowser& browser, const QString& frame, const QString& selector, const QString& text) {
    if (!clickElement(browser, frame, selector))
        return false;
    QWidget* input = inputWidget(browser);
    QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
    for (const QChar c : text) {
        // A letter beyond ASCII comes from a key of its own, named by its capital as Qt names keys.
        if (c.unicode() < 0x80)
            QTest::keyClick(input, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, input, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
    return true;
}

::testing::AssertionResult whollyOnScreen(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect usable = window.screen() ? window.screen()->availableGeometry() : QRect();
    if (usable.contains(outer))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << window.windowTitle().toStdString() << " at (" << outer.x() << ", "
                                         << outer.y() << ") " << outer.width() << " x " << outer.height()
                                         << " outside the usable area " << usable.width() << " x " << usable.height();
}

bool coversLink(const QWidget& window, WebBrowser& browser, const QString& frame, const QString& href) {
    QWidget* input = inputWidget(browser);
    const std::optional<QPoint> centre = elementCentre(browser, frame, linkSelector(href));
    EXPECT_TRUE(input && centre) << "not on screen: " << href.toStdString();
    return input && centre && window.frameGeometry().contains(input->mapToGlobal(*centre));
}

bool roomClearOfLinks(WebBrowser& browser, const QString& frame, const QStringList& hrefs, const QSize& outer) {
    QWidget* input = inputWidget(browser);
    if (!input || !input->screen())
        return false;
    QRect links;
    for (const QString& href : hrefs)
        if (const std::optional<QPoint> centre = elementCentre(browser, frame, linkSelector(href)))
            links |= QRect(input->mapToGlobal(*centre), QSize(1, 1));
    const QRect usable = input->screen()->availableGeometry();
    return usable.top() + outer.height() <= links.top() || usable.bottom() - outer.height() >= links.bottom() ||
           usable.left() + outer.width() <= links.left() || usable.right() - outer.width() >= links.right();
}

BrowserWindow* awaitNewBrowserWindow(const QList<QWidget*>& before, int timeoutMs) {
    QPointer<BrowserWindow> found;
    static_cast<void>(waitWhile(
        [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* window = qobject_cast<BrowserWindow*>(widget);
                if (window && !before.contains(window) && window->isVisible())
                    found = window;
            }
            return found.isNull();
        },
        timeoutMs));
    return found;
}

bool clickReachesPage(BrowserWindow& window, int timeoutMs) {
    QWidget* input = inputWidget(*window.browser());
    QWindow* handle = window.windowHandle();
    if (!input || !handle)
        return false;
    int pressed = 0;
    EventCounter counter(input, QEvent::MouseButtonPress, &pressed);
    QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, QPoint(window.width() / 2, window.height() / 2));
    static_cast<void>(waitWhile([&] { return pressed == 0; }, timeoutMs));
    return pressed > 0;
}

void pressButton(QAbstractButton& button) {
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, button.rect().center());
}

void clickRow(QTreeWidget& list, int row) {
    QTreeWidgetItem* item = list.topLevelItem(row);
    ASSERT_NE(item, nullptr) << "no row " << row;
    list.scrollToItem(item);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, list.visualItemRect(item).center());
}

namespace {

// The window system sends a press and a release before the second press turns into a double click.
void doubleClickIn(QWidget* viewport, const QPoint& at) {
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
}

} // namespace

void doubleClickItem(QTreeWidget& list, QTreeWidgetItem* item) {
    ASSERT_NE(item, nullptr);
    list.scrollToItem(item);
    doubleClickIn(list.viewport(), list.visualItemRect(item).center());
}

void doubleClickItem(QListWidget& list, QListWidgetItem* item) {
    ASSERT_NE(item, nullptr);
    list.scrollToItem(item);
    doubleClickIn(list.viewport(), list.visualItemRect(item).center());
}

TopPageLog::TopPageLog(WebBrowser& browser) : m_watch(std::make_unique<QObject>()) {
    QWebEngineView* view = viewOf(browser);
    if (!view) {
        ADD_FAILURE() << "not a real browser";
        return;
    }
    QObject::connect(view->page(), &QWebEnginePage::loadingChanged, m_watch.get(),
                     [this](const QWebEngineLoadingInfo& loading) {
                         if (loading.status() == QWebEngineLoadingInfo::LoadStartedStatus)
                             m_pages.append(loading.url().fileName());
                     });
}

TopPageLog::~TopPageLog() = default;

void turnWheel(WebBrowser& browser, int notches) {
    QWidget* input = inputWidget(browser);
    if (!input)
        return;
    const QPointF centre = QRectF(input->rect()).center();
    QWheelEvent wheel(centre, input->mapToGlobal(centre), QPoint(),
                      QPoint(0, notches * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(input, &wheel);
}

} // namespace tova::test

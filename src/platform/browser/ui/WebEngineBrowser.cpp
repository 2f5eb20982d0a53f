#include "platform/browser/ui/WebEngineBrowser.h"

#include "platform/Wait.h"
#include "platform/browser/ui/BrowserPage.h"
#include "platform/browser/ui/BrowserWindow.h"
#include "platform/browser/ui/PageScripts.h"
#include "platform/browser/ui/ScriptValue.h"

#include <QPointer>
#include <QTimer>
#include <QWebEngineScript>

#include <memory>

// When the handler runs.
//
// The engine asks acceptNavigationRequest synchronously, and while that call is open no page of
// the process loads and no page script runs: a nested event loop or a modal dialog inside it works,
// but a handler that navigates (this or any other browser) and waits for the page, or runs a page
// script, waits in vain until its bound runs out. Page commands do
// exactly that (show a screen and wait for it, open a window whose pages must load), so the handler
// runs outside that call wherever the navigation can be carried out again afterwards:
// - Navigate2 asks the handler itself before it loads anything;
// - link clicks in any window of the page are held back by the injected link hook, handed over
//   once the page has finished dispatching the click, and reach the handler one at a time, in the
//   order they were made; the link is then followed in the window it was clicked in;
// - other top-level navigations (script location changes, form submissions in the top window)
//   are cancelled, handed to the handler on the next turn, and loaded again when it lets them go on.
// Each of these is carried out with a one-shot pass, so the handler sees every navigation once.
// Only navigations of frames that the page starts by itself (a frameset loading its frames, a form
// submitted in a frame, a frame's script changing its location) are asked about inside the engine's
// call, because the engine does not say which frame they belong to. Handlers for those may open
// modal dialogs but must neither wait for a page to load nor run page scripts.

namespace tova {

namespace {
// A pass outlives the engine's question by far; an unused one (a move within a document the engine
// does not ask about) must not let a later navigation to the same place through unasked.
constexpr int kPassLifetimeMs = 3000;

QString passKey(const QUrl& url) {
    return addressText(url.adjusted(QUrl::NormalizePathSegments));
}
} // namespace

QString addressText(const QUrl& url) {
    QString text = url.toString(QUrl::FullyEncoded | QUrl::RemoveFragment);
    // A "#" inside the fragment stays as it is (pages write "#top#NXT"; the text after the last "#"
    // is what counts), where full encoding would turn it into "%23".
    if (url.hasFragment())
        text += QLatin1Char('#') + url.fragment(QUrl::EncodeSpaces | QUrl::EncodeUnicode | QUrl::EncodeReserved);
    return text;
}

WebEngineBrowser::WebEngineBrowser(const QString& name, QWidget* parent)
    : QWebEngineView(parent), m_name(name), m_page(new BrowserPage(this)) {
    setPage(m_page);
    m_page->setNavigationFilter([this](const QUrl& url, QWebEnginePage::NavigationType type, bool isMainFrame) {
        return onNavigationRequest(url, type, isMainFrame);
    });
    connect(m_page->bridge(), &PageBridge::frameLinkClicked, this, &WebEngineBrowser::onLinkClicked,
            Qt::QueuedConnection);
    connect(m_page, &QWebEnginePage::loadStarted, this, [this] { m_loading = true; });
    connect(m_page, &QWebEnginePage::loadFinished, this, [this] { m_loading = false; });
}

WebEngineBrowser::~WebEngineBrowser() = default;

QUrl WebEngineBrowser::resolve(const QString& address) const {
    if (address.startsWith(QLatin1Char('/')))
        return QUrl::fromLocalFile(address);
    const QUrl url(address, QUrl::TolerantMode);
    return url.isRelative() ? m_page->url().resolved(url) : url;
}

void WebEngineBrowser::loadTop(const QUrl& url) {
    allowOnce(url);
    m_loading = true;
    m_page->load(url);
}

void WebEngineBrowser::Navigate2(const QString& url, const QString& targetFrame) {
    if (targetFrame.compare(QLatin1String("_blank"), Qt::CaseInsensitive) == 0) {
        BrowserWindow::open(resolve(url), this);
        return;
    }
    if (targetFrame.isEmpty()) {
        const QUrl target = resolve(url);
        if (!fireBeforeNavigate(addressText(target)))
            loadTop(target);
        return;
    }
    const auto resolved = evaluate(pagescripts::resolveInFrame(url, targetFrame));
    if (!resolved || resolved->toString().isEmpty())
        return;
    const QUrl target(resolved->toString());
    if (fireBeforeNavigate(addressText(target)))
        return;
    allowOnce(target);
    m_page->runJavaScript(pagescripts::navigateFrame(addressText(target), targetFrame));
}

bool WebEngineBrowser::Busy() const {
    return m_loading;
}

int WebEngineBrowser::ReadyState() const {
    return m_loading ? 1 : 4;
}

bool WebEngineBrowser::IsFrameComplete(const QString& frameName) const {
    // While the top page is replaced, the frames found would be the old page's.
    if (m_loading)
        return false;
    const auto complete = evaluate(pagescripts::frameComplete(frameName));
    return complete && complete->toBool();
}

QString WebEngineBrowser::LocationName() const {
    // The title the engine holds for the page, not asked of the page: commands read it first thing
    // after a click, when a page still busy with input may leave a script request unanswered. The
    // engine gives a local page without a title its file name.
    const QString title = m_page->title();
    return title.isEmpty() ? m_page->url().fileName() : title;
}

QString WebEngineBrowser::LocationURL() const {
    return addressText(m_page->url());
}

bool WebEngineBrowser::ExecScript(const QString& script, const QString& frameName) {
    const std::uint64_t before = beforeNavigateCount();
    QDeadlineTimer deadline(kScriptWaitMs);
    const auto outcome = evaluate(pagescripts::execLine(script, frameName));
    if (!outcome)
        return false;
    const QString result = outcome->toString();
    if (result == QLatin1String("submitted") && hasBeforeNavigate()) {
        // Callers rely on the submission having been handed to the handler when the call returns
        // (the answers it carries are stored before the page is rebuilt).
        waitForBeforeNavigate(
            before, [](const QString&) { return true; }, static_cast<int>(deadline.remainingTime()));
    }
    return result != QLatin1String("failed");
}

void WebEngineBrowser::allowOnce(const QUrl& url) {
    m_passes.append({passKey(url), QDeadlineTimer(kPassLifetimeMs)});
}

bool WebEngineBrowser::takePass(const QUrl& url) {
    m_passes.removeIf([](const Pass& pass) { return pass.expiry.hasExpired(); });
    const QString key = passKey(url);
    for (qsizetype i = 0; i < m_passes.size(); ++i) {
        if (m_passes.at(i).address == key) {
            m_passes.removeAt(i);
            return true;
        }
    }
    return false;
}

bool WebEngineBrowser::onNavigationRequest(const QUrl& url, QWebEnginePage::NavigationType, bool isMainFrame) {
    if (!hasBeforeNavigate() || takePass(url))
        return true;
    if (isMainFrame) {
        QTimer::singleShot(0, this, [this, url] {
            if (!fireBeforeNavigate(addressText(url)))
                loadTop(url);
        });
        return false;
    }
    const bool cancel = fireBeforeNavigate(addressText(url));
    if (cancel)
        m_page->runJavaScript(pagescripts::clearNavigationMarks());
    return !cancel;
}

void WebEngineBrowser::hideEvent(QHideEvent* event) {
    m_clicks.clear();
    QWebEngineView::hideEvent(event);
}

void WebEngineBrowser::onLinkClicked(const QString& href, const QString& token) {
    if (!isVisible())
        return;
    m_clicks.append({href, token});
    // A handler waits for pages and so processes events: a click arriving meanwhile is taken in
    // turn by the loop below instead of running inside the handler of the one before.
    if (m_followingClicks)
        return;
    m_followingClicks = true;
    // The clicks are followed in a turn of the event loop of their own. Run straight from the
    // delivery of the page's message, a handler's first question to a page now and then went
    // unanswered for seconds.
    QTimer::singleShot(0, this, &WebEngineBrowser::followClicks);
}

void WebEngineBrowser::followClicks() {
    const QPointer<WebEngineBrowser> alive(this);
    while (alive && !m_clicks.isEmpty()) {
        const Click click = m_clicks.takeFirst();
        // A click made while the page of an earlier one was still coming acts on that page: the
        // commands read which screen is showing. A page that never finishes loading does not swallow
        // the click: it is followed on what is shown.
        static_cast<void>(waitWhile([this] { return m_loading; }, kScriptWaitMs));
        // The window may have been closed meanwhile; the hide dropped the clicks after this one.
        if (alive && isVisible())
            followClick(click.href, click.token);
    }
    if (alive)
        m_followingClicks = false;
}

void WebEngineBrowser::followClick(const QString& href, const QString& token) {
    const QUrl url(href);
    if (fireBeforeNavigate(addressText(url)))
        return;
    allowOnce(url);
    m_page->runJavaScript(pagescripts::followLink(addressText(url), token));
}

std::optional<QVariant> WebEngineBrowser::evaluate(const QString& script, int timeoutMs) const {
    return evaluateScript(*m_page, script, timeoutMs);
}

} // namespace tova

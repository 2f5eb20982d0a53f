#include "UserClicks.h"

#include "platform/Wait.h"
#include "platform/browser/ui/PageScripts.h"
#include "platform/browser/ui/WebEngineBrowser.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWebEnginePage>

#include <memory>
#include <optional>

namespace tova::test {

namespace {

// The link's centre in the view, in CSS pixels: its box in its frame plus the frame's place in the
// top page. The link is scrolled into view first, as a user would.
std::optional<QPointF> linkCentre(QWebEngineView& view, const QString& frame, const QString& href) {
    const QString script =
        QStringLiteral(
            "(function () {"
            "  var name = %1, win = name ? window.frames[name] : window;"
            "  if (!win) return null;"
            "  var link = win.document.querySelector('a[href=' + JSON.stringify(%2) + ']');"
            "  if (!link) return null;"
            "  link.scrollIntoView({block: 'center'});"
            "  var box = link.getBoundingClientRect(), x = box.left + box.width / 2, y = box.top + box.height / 2;"
            "  if (name) { var at = win.frameElement.getBoundingClientRect(); x += at.left; y += at.top; }"
            "  return [x, y];"
            "})()")
            .arg(pagescripts::literal(frame), pagescripts::literal(href));
    auto answer = std::make_shared<std::optional<QVariant>>();
    view.page()->runJavaScript(script, [answer](const QVariant& value) { *answer = value; });
    waitWhile([answer] { return !answer->has_value(); }, 10000);
    if (!answer->has_value())
        return std::nullopt;
    const QVariantList point = (*answer)->toList();
    if (point.size() != 2)
        return std::nullopt;
    return QPointF(point[0].toDouble(), point[1].toDouble()) * view.page()->zoomFactor();
}

} // namespace

bool clickLinkOnScreen(WebBrowser& browser, const QString& frame, const QString& href) {
    auto* view = dynamic_cast<WebEngineBrowser*>(&browser);
    QWidget* input = view ? view->focusProxy() : nullptr;
    if (!input)
        return false;
    const std::optional<QPointF> centre = linkCentre(*view, frame, href);
    if (!centre)
        return false;
    const QPointF global = input->mapToGlobal(*centre);
    QMouseEvent move(QEvent::MouseMove, *centre, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(input, &move);
    QMouseEvent press(QEvent::MouseButtonPress, *centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(input, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, *centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(input, &release);
    return true;
}

} // namespace tova::test

#include "platform/browser/ui/PageScripts.h"

#include "platform/ScriptLiteral.h"

#include <QFile>

namespace tova::pagescripts {

namespace {

// Breadth-first search through the windows of a page, the top one and nested framesets included.
// Windows that cannot be reached (another origin, an error page) are skipped.
const char* kFrameSearch = R"JS(
function tovaFindWindow(accept) {
  var queue = [window];
  while (queue.length) {
    var current = queue.shift();
    try { if (accept(current)) return current; } catch (e) { continue; }
    var count = 0;
    try { count = current.frames.length; } catch (e) { count = 0; }
    for (var i = 0; i < count; i++) queue.push(current.frames[i]);
  }
  return null;
}
function tovaFindFrame(name) {
  if (name === '') return window;
  return tovaFindWindow(function (w) { return w !== window && w.name === name; });
}
)JS";

// The hook itself; qwebchannel.js is put in front of it.
const char* kLinkHook = R"JS(
(function () {
  'use strict';
  if (window === window.top) {
    // The web channel's transport exists only in the top window, so every window's hook ends here.
    var bridge = null;
    var queued = [];
    window.__tovaFrameLink = function (href, token) {
      if (bridge) bridge.frameLink(href, token);
      else queued.push([href, token]);
    };
    var open = function () {
      if (typeof qt === 'undefined' || !qt.webChannelTransport) return false;
      new QWebChannel(qt.webChannelTransport, function (channel) {
        bridge = channel.objects.tovaBridge;
        var waiting = queued;
        queued = [];
        waiting.forEach(function (item) { bridge.frameLink(item[0], item[1]); });
      });
      return true;
    };
    if (!open()) document.addEventListener('DOMContentLoaded', open);
  }
  window.__tovaFrameToken = Date.now().toString(36) + Math.random().toString(36).slice(2);
  // Plain link clicks are held back and asked about through the program, which then follows the
  // link itself: the engine does not ask before moving within a document, and while it asks about
  // a navigation no page can load. Links with a target, modifier keys, downloads and script links
  // are left to the engine.
  window.addEventListener('click', function (event) {
    if (event.button !== 0 || event.ctrlKey || event.shiftKey || event.altKey || event.metaKey) return;
    var link = event.target;
    while (link && !(link.nodeName && /^(a|area)$/i.test(link.nodeName))) link = link.parentNode;
    if (!link || typeof link.href !== 'string' || !/^(file|https?):/i.test(link.href)) return;
    if (link.target && link.target.toLowerCase() !== '_self') return;
    if (link.hasAttribute('download')) return;
    // Decided when the event reaches the link, after the page's own handlers on it: a link whose
    // onclick cancels it is not a navigation.
    var decide = function (late) {
      link.removeEventListener('click', decide, false);
      if (late !== event || late.defaultPrevented) return;
      var hook = null;
      try { hook = window.top.__tovaFrameLink; } catch (e) { hook = null; }
      if (typeof hook !== 'function') return;
      late.preventDefault();
      // Handed over in a task of its own, once this event's dispatch is over: a page still
      // dispatching a mouse click leaves the program's script requests unanswered until the next
      // input event comes, and the program asks the page at once (which screen is showing, whether
      // a frame is complete).
      var href = link.href;
      var token = window.__tovaFrameToken;
      setTimeout(function () { hook(href, token); }, 0);
    };
    link.addEventListener('click', decide, false);
    setTimeout(function () { link.removeEventListener('click', decide, false); }, 0);
  }, true);
})();
)JS";

QString program(const QString& body) {
    return QStringLiteral("(function () {\n") + QString::fromLatin1(kFrameSearch) + body + QStringLiteral("\n})()");
}

} // namespace

QString linkHook() {
    QFile channelScript(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    QString text;
    if (channelScript.open(QIODevice::ReadOnly))
        text = QString::fromUtf8(channelScript.readAll());
    return text + QStringLiteral("\n") + QString::fromLatin1(kLinkHook);
}

QString execLine(const QString& line, const QString& frameName) {
    // The line runs from a script element of the frame's own document, so relative addresses in it
    // resolve against that document, as for the page's own scripts. form.submit() and submit events
    // are watched so the caller can wait for the submission to be asked about.
    return program(QStringLiteral(R"JS(
var target = tovaFindFrame(%1);
if (!target) return 'failed';
var doc = null;
try { doc = target.document; } catch (e) { return 'failed'; }
if (!doc || !doc.documentElement) return 'failed';
var run = { line: %2, ok: false, submitted: false, event: null };
target.__tovaRun = run;
var proto = target.HTMLFormElement.prototype;
var nativeSubmit = proto.submit;
proto.submit = function () { run.submitted = true; return nativeSubmit.apply(this, arguments); };
var onSubmit = function (e) { run.event = e; };
target.addEventListener('submit', onSubmit, true);
try {
  var script = doc.createElement('script');
  script.text = 'window.__tovaRun.ok = (function () { try { window.eval(window.__tovaRun.line); return true; }' +
                ' catch (e) { return false; } })();';
  (doc.head || doc.documentElement).appendChild(script);
  if (script.parentNode) script.parentNode.removeChild(script);
} finally {
  proto.submit = nativeSubmit;
  target.removeEventListener('submit', onSubmit, true);
  delete target.__tovaRun;
}
if (!run.ok) return 'failed';
return run.submitted || (run.event && !run.event.defaultPrevented) ? 'submitted' : 'ran';
)JS")
                       .arg(scriptLiteral(frameName), scriptLiteral(line)));
}

QString frameComplete(const QString& frameName) {
    return program(QStringLiteral(R"JS(
var target = tovaFindFrame(%1);
if (!target) return false;
try { return !target.__tovaReplacing && target.document.readyState === 'complete'; } catch (e) { return false; }
)JS")
                       .arg(scriptLiteral(frameName)));
}

QString resolveInFrame(const QString& url, const QString& frameName) {
    return program(QStringLiteral(R"JS(
var target = tovaFindFrame(%1);
if (!target) return '';
try { return new URL(%2, target.document.baseURI).href; } catch (e) { return ''; }
)JS")
                       .arg(scriptLiteral(frameName), scriptLiteral(url)));
}

QString navigateFrame(const QString& address, const QString& frameName) {
    // Until the new document replaces it, the frame still shows the old, complete one: the mark
    // keeps readiness questions from answering for the wrong document.
    return program(QStringLiteral(R"JS(
var target = tovaFindFrame(%1);
if (!target) return false;
try {
  var address = %2;
  var hash = address.indexOf('#');
  var sameDocument = hash >= 0 && address.slice(0, hash) === target.location.href.split('#')[0];
  if (!sameDocument) target.__tovaReplacing = true;
  target.location.href = address;
  return true;
} catch (e) { return false; }
)JS")
                       .arg(scriptLiteral(frameName), scriptLiteral(address)));
}

QString followLink(const QString& address, const QString& token) {
    return program(QStringLiteral(R"JS(
var token = %1;
var target = tovaFindWindow(function (w) { return w.__tovaFrameToken === token; });
if (!target) return false;
target.location.href = %2;
return true;
)JS")
                       .arg(scriptLiteral(token), scriptLiteral(address)));
}

QString clearNavigationMarks() {
    return program(QStringLiteral("tovaFindWindow(function (w) { delete w.__tovaReplacing; return false; });"
                                  "\nreturn true;"));
}

} // namespace tova::pagescripts

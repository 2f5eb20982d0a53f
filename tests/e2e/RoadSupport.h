// What the end-to-end roads share: driving modal windows from timers, waiting for pages, reading
// the files the program writes.
#pragma once

#include <QString>

#include <functional>

class QDialog;

namespace tova {
class WebBrowser;
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

} // namespace tova::test

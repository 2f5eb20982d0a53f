// A main window for tests: counts what the rest of the program asked of it; the Save As dialog runs
// a function the test supplies (unset: the user cancels).
#pragma once

#include "platform/MainWindowCallbacks.h"

#include <QStringList>

#include <functional>

namespace tova::test {

class FakeMainWindow final : public MainWindowCallbacks {
public:
    void UpdateTitleBar() override { ++titleUpdates; }
    bool ShowSaveAsDialog() override { return ++saveAsDialogs, onSaveAs ? onSaveAs() : false; }
    void GoToFishbone() override { ++fishboneShown; }
    void ShowMainWindow() override { ++mainWindowShown; }
    void NavigateMain(const QString& url) override { navigations.append(url); }
    bool HandleURL(const QString& url) override { return handledUrls.append(url), true; }
    void mnuFileSave_Click() override { ++saveClicks; }
    WebBrowser* webMain() override { return browser; }

    std::function<bool()> onSaveAs;
    WebBrowser* browser = nullptr;
    int titleUpdates = 0, saveAsDialogs = 0, fishboneShown = 0, mainWindowShown = 0, saveClicks = 0;
    QStringList navigations, handledUrls;
};

} // namespace tova::test

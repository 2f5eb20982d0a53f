// A main window for tests: counts what the rest of the program asked of it and answers the Save As
// dialog through a function the test supplies.
#pragma once

#include "platform/MainWindowCallbacks.h"

#include <QStringList>

#include <functional>

namespace tova::test {

class FakeMainWindow final : public MainWindowCallbacks {
public:
    void UpdateTitleBar() override { ++titleUpdates; }
    bool ShowSaveAsDialog() override
    {
        ++saveAsDialogs;
        return onSaveAs ? onSaveAs() : false;
    }
    void GoToFishbone() override { ++fishboneShown; }
    void ShowMainWindow() override { ++mainWindowShown; }
    void NavigateMain(const QString& url) override { navigations.append(url); }
    bool HandleURL(const QString& url) override
    {
        handledUrls.append(url);
        return true;
    }
    void mnuFileSave_Click() override { ++saveClicks; }
    WebBrowser* webMain() override { return browser; }

    // What the Save As dialog does (choose a file and save there); unset means the user cancels.
    std::function<bool()> onSaveAs;
    WebBrowser* browser = nullptr;

    int titleUpdates = 0;
    int saveAsDialogs = 0;
    int fishboneShown = 0;
    int mainWindowShown = 0;
    int saveClicks = 0;
    QStringList navigations;
    QStringList handledUrls;
};

} // namespace tova::test

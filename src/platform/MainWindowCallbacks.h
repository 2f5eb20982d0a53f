// What the rest of the program asks of the main window. The main window implements it; tests use
// a fake. (The store refreshes the title, asks for a file name, shows the fishbone screen and the
// no-project page; the dialogs hand links on and save through it.)
#pragma once

#include <QString>

namespace tova {

class WebBrowser;

class MainWindowCallbacks {
public:
    virtual ~MainWindowCallbacks() = default;
    virtual void UpdateTitleBar() = 0;
    // Asks for a project file name and saves there; false when the user cancelled.
    virtual bool ShowSaveAsDialog() = 0;
    virtual void GoToFishbone() = 0;
    // Shows the main window without waiting.
    virtual void ShowMainWindow() = 0;
    // Sends the main window's browser to an address.
    virtual void NavigateMain(const QString& url) = 0;
    // Runs the page command an address carries; true when the navigation is to be cancelled.
    virtual bool HandleURL(const QString& url) = 0;
    // The File menu's Save command.
    virtual void mnuFileSave_Click() = 0;
    // The main window's browser control.
    virtual WebBrowser* webMain() = 0;
};

} // namespace tova

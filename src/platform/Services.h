// The platform services the program reaches from everywhere, installed once by start-up (or by a
// test): the message box and file dialog services, the settings store, the main window's callbacks
// and the application folder.
#pragma once

#include <QString>

#include <functional>

namespace tova {

class FileDialogService;
class MainWindowCallbacks;
class MessageBoxService;
class PrintOutput;
class SettingsStore;

struct Services {
    MessageBoxService* messageBox = nullptr;
    FileDialogService* fileDialogs = nullptr;
    SettingsStore* settings = nullptr;
    MainWindowCallbacks* mainWindow = nullptr;
    // The application folder: the executable's folder, holding the content.
    QString appFolder;
    // Whether the embedded browser shows PDF files itself (its PDF viewer setting). Unset means the
    // browser engine's default, which is on.
    std::function<bool()> embeddedPdfViewerEnabled;
    // Where print jobs go; unset means the print dialog and print preview window (tests install
    // an output that needs no dialog).
    PrintOutput* printOutput = nullptr;
};

Services& services();

} // namespace tova

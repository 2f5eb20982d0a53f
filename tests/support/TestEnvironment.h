// Installs test services (scripted message boxes and file dialogs, a settings store in a temporary
// file, print jobs written as PDF files instead of the print dialogs, the built application folder)
// for the duration of one test.
#pragma once

#include "platform/SettingsStore.h"
#include "support/PdfPrintOutput.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessageBox.h"

#include <QTemporaryDir>

#include <memory>

namespace tova::test {

class TestEnvironment {
public:
    // appFolder: the application folder to use; empty means a writable copy of the built one
    // (build/app) that the whole run shares.
    explicit TestEnvironment(const QString& appFolder = QString());
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

    ScriptedMessageBox messages;
    ScriptedFileDialogs fileDialogs;
    std::unique_ptr<SettingsStore> settings;
    QTemporaryDir scratch;
    // Print and preview jobs land here as PDF files, so no print dialog can hold a test up.
    std::unique_ptr<PdfPrintOutput> printouts;

    // A writable copy of the built application folder (without the program) at folder (relative
    // to the scratch folder), which becomes the application folder.
    QString copyAppFolder(const QString& folder = QStringLiteral("app"));
};

// The built application folder (with the shipped content).
QString builtAppFolder();
// A file of the test corpus under tests/data.
QString testDataPath(const QString& name);

} // namespace tova::test

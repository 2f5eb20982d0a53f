#include "store/ProjectFiles.h"

#include "platform/AppFolder.h"
#include "platform/MainWindowCallbacks.h"
#include "platform/PageServices.h"
#include "platform/Services.h"
#include "platform/WholeFile.h"
#include "platform/dialogs/MessageBox.h"
#include "store/ProjectDocument.h"
#include "store/TextValues.h"

#include <QFileInfo>

namespace Globals {
namespace {

// Real projects are a few hundred kilobytes; anything this large is not one of ours and is refused
// before it is parsed. Saving keeps to the same limit, so every saved project opens again.
constexpr qint64 kMaxProjectFileBytes = 16LL * 1024 * 1024;

const QString kCouldNotSave = QStringLiteral("Could not save project.  Check if file is read only or disk is full.");

tova::MainWindowCallbacks* mainWindow() {
    return tova::services().mainWindow;
}

void refreshTitle() {
    if (tova::MainWindowCallbacks* window = mainWindow())
        window->UpdateTitleBar();
}

QString noProjectPageUrl() {
    return PathToURL(tova::appPath(QStringLiteral("misc/noproject.htm")));
}

// With no project open, the screen and the title say so: a report of the dropped project left on
// screen would lead into a project that is gone.
void showNoProject() {
    if (tova::MainWindowCallbacks* window = mainWindow())
        window->NavigateMain(noProjectPageUrl());
    refreshTitle();
}

QString tooLargeText() {
    return QStringLiteral("It is larger than the %1 MB that a project file may hold.")
        .arg(kMaxProjectFileBytes / (1024 * 1024));
}

// A reason is given where the user can do something about it; a broken file is just broken.
bool failOpening(const QString& reason = QString()) {
    gProjectDoc = Xml::XmlDocument();
    gCurrentReview = Xml::XmlNode();
    showNoProject();
    QString text = QStringLiteral("Error Loading Project");
    if (!reason.isEmpty())
        text += QStringLiteral("\n\n") + reason;
    tova::MsgBox(text, tova::MsgButtons::Ok, tova::MsgIcon::Critical);
    return false;
}

// Why the bytes must not be written (empty when they may): a file that this program would refuse
// to open is never written over a project.
QString refusalToWrite(const QByteArray& bytes) {
    if (bytes.size() > kMaxProjectFileBytes)
        return QStringLiteral("Could not save project.  ") + tooLargeText();
    QString reason;
    if (!Xml::XmlDocument::create().loadBytes(bytes, &reason, kMaxProjectFileBytes))
        return QStringLiteral("Could not save project.  It could not be read back: %1").arg(reason.trimmed());
    return QString();
}

} // namespace

bool OpenProject(const QString& filePath) {
    gProjectDoc = Xml::XmlDocument();
    gCurrentReview = Xml::XmlNode();

    // Only a regular file: a folder, a pipe or a device is never a project (a pipe would block).
    const QFileInfo file(filePath);
    if (!file.isFile())
        return failOpening();
    if (file.size() > kMaxProjectFileBytes)
        return failOpening(tooLargeText());
    Xml::XmlDocument document = Xml::XmlDocument::create();
    QString reason;
    bool pastLimits = false;
    if (!document.load(filePath, &reason, kMaxProjectFileBytes, &pastLimits))
        return failOpening(pastLimits ? QStringLiteral("It goes past what a project file may hold: %1.").arg(reason)
                                      : QString());

    const Xml::XmlNode current = document.selectSingleNode(QStringLiteral("project/currentreview"));
    bool ok = false;
    const qint16 reviewId = current.isNull() ? qint16(0) : tova::store::toInt16(current.text(), &ok);
    if (!ok)
        return failOpening();

    gProjectDoc = document;
    gCurrentReview = document.selectSingleNode(QStringLiteral("project/review[@id = %1]").arg(reviewId));
    gProjectPath = filePath;
    AddRecentFile();
    refreshTitle();
    gProjectSaved = true;
    return true;
}

bool SaveProject(const QString& filePath) {
    if (filePath.isEmpty()) {
        tova::MainWindowCallbacks* window = mainWindow();
        if (!window)
            return false;
        const bool chosen = window->ShowSaveAsDialog();
        // The dialog answers true once a file was chosen, even when writing it failed; only a
        // project that now has a file and equals it was saved.
        return chosen && gProjectSaved && !gProjectPath.isEmpty();
    }
    if (gProjectDoc.isNull()) {
        // Writing nothing over a file would destroy it.
        tova::MsgBox(QStringLiteral("No project to save, no project is loaded."), tova::MsgButtons::Ok,
                     tova::MsgIcon::Exclamation, QStringLiteral("No Project Loaded...."));
        return false;
    }
    const QByteArray bytes = gProjectDoc.toFileBytes();
    const QString refusal = refusalToWrite(bytes);
    if (!refusal.isEmpty()) {
        tova::MsgBox(refusal);
        return false;
    }
    QString reason;
    if (!tova::writeFileWhole(filePath, bytes, &reason)) {
        tova::MsgBox(kCouldNotSave + QStringLiteral("\n\n") + reason);
        return false;
    }
    gProjectPath = filePath;
    AddRecentFile();
    refreshTitle();
    gProjectSaved = true;
    return true;
}

bool CloseProject() {
    if (IsProjectLoaded()) {
        const tova::MsgAnswer answer =
            tova::MsgBox(QStringLiteral("Save Project before closing?"), tova::MsgButtons::YesNo,
                         tova::MsgIcon::Exclamation, QStringLiteral("Save Changes?"));
        // The user asked for a save: when it failed (it has reported itself) or Save As was
        // cancelled, the project stays open with its changes.
        if (answer == tova::MsgAnswer::Yes && !SaveProject(gProjectPath))
            return false;
    }
    gProjectDoc = Xml::XmlDocument();
    gCurrentReview = Xml::XmlNode();
    showNoProject();
    return true;
}

void OpenProjectAndShow(const QString& filePath) {
    if (!OpenProject(filePath))
        return;
    tova::MainWindowCallbacks* window = mainWindow();
    if (!window)
        return;
    // A file whose current review names no review still opens: the fishbone screen then shows the
    // no-review page, from which the user chooses a review.
    window->GoToFishbone();
    window->ShowMainWindow();
}

} // namespace Globals

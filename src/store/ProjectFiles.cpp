#include "store/ProjectFiles.h"

#include "platform/AppFolder.h"
#include "platform/MainWindowCallbacks.h"
#include "platform/Services.h"
#include "platform/dialogs/MessageBox.h"
#include "store/ProjectDocument.h"
#include "platform/PageServices.h"
#include "store/TextValues.h"

#include <QFileInfo>
#include <QSaveFile>

namespace Globals {
namespace {

// Real projects are a few hundred kilobytes; anything this large is not one of ours and is refused
// before it is parsed.
constexpr qint64 kMaxProjectFileBytes = 16LL * 1024 * 1024;

tova::MainWindowCallbacks* mainWindow() { return tova::services().mainWindow; }

void refreshTitle()
{
    if (tova::MainWindowCallbacks* window = mainWindow())
        window->UpdateTitleBar();
}

bool failOpening()
{
    gProjectDoc = Xml::XmlDocument();
    gCurrentReview = Xml::XmlNode();
    // The dropped project must not stay named in the title.
    refreshTitle();
    tova::MsgBox(QStringLiteral("Error Loading Project"), tova::MsgButtons::Ok, tova::MsgIcon::Critical);
    return false;
}

// Writes through a temporary file in the same folder that replaces the target only once it is
// complete, so a failed save leaves the previous file exactly as it was.
bool writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString noProjectPageUrl()
{
    return PathToURL(tova::appPath(QStringLiteral("misc/noproject.htm")));
}

} // namespace

bool OpenProject(const QString& filePath)
{
    gProjectDoc = Xml::XmlDocument();
    gCurrentReview = Xml::XmlNode();

    // Only a regular file: a folder, a pipe or a device is never a project (a pipe would block).
    if (!QFileInfo(filePath).isFile())
        return failOpening();
    Xml::XmlDocument document = Xml::XmlDocument::create();
    if (!document.load(filePath, nullptr, kMaxProjectFileBytes))
        return failOpening();

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

bool SaveProject(const QString& filePath)
{
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
    if (!writeWhole(filePath, gProjectDoc.toFileBytes())) {
        tova::MsgBox(QStringLiteral("Could not save project.  Check if file is read only or disk is full."));
        return false;
    }
    gProjectPath = filePath;
    AddRecentFile();
    refreshTitle();
    gProjectSaved = true;
    return true;
}

void CloseProject()
{
    if (IsProjectLoaded()) {
        const tova::MsgAnswer answer = tova::MsgBox(QStringLiteral("Save Project before closing?"), tova::MsgButtons::YesNo,
                                                    tova::MsgIcon::Exclamation, QStringLiteral("Save Changes?"));
        // A failed save has reported itself; the project is closed all the same.
        if (answer == tova::MsgAnswer::Yes)
            SaveProject(gProjectPath);
    }
    gProjectDoc = Xml::XmlDocument();
    gCurrentReview = Xml::XmlNode();
    if (tova::MainWindowCallbacks* window = mainWindow())
        window->NavigateMain(noProjectPageUrl());
    refreshTitle();
}

void OpenProjectAndShow(const QString& filePath)
{
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

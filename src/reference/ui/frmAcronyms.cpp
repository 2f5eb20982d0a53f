#include "reference/ui/frmAcronyms.h"

#include "platform/AppFolder.h"
#include "platform/PageServices.h"
#include "platform/Wait.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/printing/ui/frmPrinter.h"
#include "reference/ReferenceLinks.h"
#include "reference/ReferencePages.h"
#include "store/Database.h"
#include "store/ProposedFiles.h"

#include <QFileInfo>

using namespace tova;
using namespace tova::reference;

namespace {

constexpr int kClientWidthTwips = 11820;
constexpr int kClientHeightTwips = 8865;

QString acronymsFile(const QString& name) {
    return appPath(QStringLiteral("acronyms/") + name);
}

} // namespace

frmAcronyms::frmAcronyms()
    : TwoFrameWindow(QStringLiteral("TOVA Acronym Glossary"), QStringLiteral("WebBrowser1"), kClientWidthTwips,
                     kClientHeightTwips) {
    WebBrowser1->setBeforeNavigate([this](const QString& url) { return WebBrowser1_BeforeNavigate2(url); });
}

void frmAcronyms::LoadAcroIndex(bool bNavigate) {
    // The frameset shows the entry page too: on the very first opening there is none yet, and a
    // frame left on an error page could not be refreshed later.
    if (bNavigate && !QFileInfo::exists(acronymsFile(QStringLiteral("main.htm"))) &&
        !WriteEmptyEntryPage(acronymsBook(), emptyPage(), *WebBrowser1))
        return;
    ShowIndexPage(acronymsBook(), *WebBrowser1, bNavigate);
}

void frmAcronyms::LoadAcros(const QString& id, bool bFramesShown) {
    // A frameset navigation started just before must have finished before its frame is replaced;
    // an entry sent to a frameset that never came would go nowhere.
    if (!waitWhile([this] { return WebBrowser1->ReadyState() != 4; }))
        return;
    const std::optional<QString> selection = acronymPath(id);
    const Xml::XmlNode entry = selection ? Globals::gDataDoc.selectSingleNode(*selection) : Xml::XmlNode();
    if (!ShowEntryPage(acronymsBook(), entry, emptyPage(), *WebBrowser1, bFramesShown))
        return;
    awaitEntryPage(bFramesShown);
}

void frmAcronyms::ShowModal() {
    if (isVisible())
        return;
    exec();
    destroyInstance();
}

bool frmAcronyms::WebBrowser1_BeforeNavigate2(const QString& url) {
    const AcronymLink link = acronymLink(url);
    switch (link.action) {
    case AcronymAction::ShowEntry:
        // The pages only make numeric ids; any other text after "acr" is only cancelled.
        if (!link.id.isEmpty())
            later([this, id = link.id] { LoadAcros(id, true); });
        return true;
    case AcronymAction::Close:
        later([this] { reject(); });
        return true;
    case AcronymAction::Print:
        // The entry on display, under the header picture, printed in portrait without preview.
        later([] {
            frmPrinter::PrintHTMLDoc(acronymsFile(QStringLiteral("main.htm")), true, false, false,
                                     Globals::ProposedPrintoutFile(QStringLiteral("Acronym")));
        });
        return true;
    case AcronymAction::PassOn:
        break;
    }
    return passOn(url);
}

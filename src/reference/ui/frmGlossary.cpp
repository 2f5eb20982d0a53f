#include "reference/ui/frmGlossary.h"

#include "platform/AppFolder.h"
#include "platform/PageServices.h"
#include "platform/ScriptLiteral.h"
#include "platform/Wait.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/printing/ui/frmPrinter.h"
#include "platform/ui/OpenPdf.h"
#include "reference/ReferenceLinks.h"
#include "reference/ReferencePages.h"
#include "store/Database.h"
#include "store/ProposedFiles.h"

using namespace tova;
using namespace tova::reference;

namespace {

constexpr int kClientWidthTwips = 11820;
constexpr int kClientHeightTwips = 8235;

const QString kSideFrame = QStringLiteral("side");
const QString kMainFrame = QStringLiteral("main");

QString definitionsFile(const QString& name) {
    return appPath(QStringLiteral("definitions/") + name);
}

// The page frame "main" shows for a key without a term: the folder's own empty page.
QString blankDefinition() {
    const QString blank = readContentFile(QStringLiteral("definitions/blank.htm"));
    return blank.isEmpty() ? emptyPage() : blank;
}

} // namespace

bool frmGlossary::showsFrameset() const {
    return WebBrowser1->LocationURL().endsWith(QStringLiteral("/definitions/definitions.htm"), Qt::CaseInsensitive);
}

frmGlossary::frmGlossary()
    : TwoFrameWindow(QStringLiteral("TOVA Defititions and Suggestions"), QStringLiteral("WebBrowser1"),
                     kClientWidthTwips, kClientHeightTwips) {
    WebBrowser1->setBeforeNavigate([this](const QString& url) { return WebBrowser1_BeforeNavigate2(url); });
}

QString frmGlossary::GetGlossKey(const QString& address) {
    return glossKey(address);
}

void frmGlossary::LoadIndex(bool bNavigate) {
    ShowIndexPage(definitionsBook(), *WebBrowser1, bNavigate);
}

void frmGlossary::LoadDefs(const QString& key, bool bFramesShown) {
    const std::optional<QString> selection = glossItemPath(key);
    const Xml::XmlNode item = selection ? Globals::gDataDoc.selectSingleNode(*selection) : Xml::XmlNode();
    if (!ShowEntryPage(definitionsBook(), item, blankDefinition(), *WebBrowser1, bFramesShown))
        return;
    awaitEntryPage(bFramesShown);
}

void frmGlossary::HighlightTreeNode(const QString& key) {
    // A frame that is neither loading nor part of the page on display never comes (the frameset
    // was not shown because its definition page could not be made): no wait for it.
    const bool indexUp = waitWhile([this] {
        return Globals::IsFrameLoading(*WebBrowser1, kSideFrame) && (WebBrowser1->Busy() || showsFrameset());
    });
    // An index without the script, or a frame that never came, leaves the index unmarked.
    if (indexUp)
        WebBrowser1->ExecScript(
            QStringLiteral("findAndHighlight(%1)").arg(tova::scriptLiteral(QStringLiteral("#gls") + key)), kSideFrame);
}

void frmGlossary::ShowModal() {
    if (isVisible())
        return;
    exec();
    destroyInstance();
}

bool frmGlossary::WebBrowser1_BeforeNavigate2(const QString& url) {
    switch (glossaryAction(url)) {
    case GlossaryAction::OpenPdf:
        later([this, url] { Globals::OpenPDF(url, *WebBrowser1, true, QString()); });
        return true;
    case GlossaryAction::ShowBlank:
        later([this] {
            WebBrowser1->Navigate2(Globals::PathToURL(definitionsFile(QStringLiteral("blank.htm"))), kMainFrame);
        });
        return true;
    case GlossaryAction::ShowTerm:
        later([this, url] { LoadDefs(GetGlossKey(url), true); });
        return true;
    case GlossaryAction::Close:
        later([this] { reject(); });
        return true;
    case GlossaryAction::Print:
        // The entry on display, under the header picture, printed in portrait without preview.
        later([] {
            frmPrinter::PrintHTMLDoc(definitionsFile(QStringLiteral("main.htm")), true, false, false,
                                     Globals::ProposedPrintoutFile(QStringLiteral("Definition")));
        });
        return true;
    case GlossaryAction::Find:
        later([this] { cmdFind_Click(); });
        return false;
    case GlossaryAction::PassOn:
        break;
    }
    return passOn(url);
}

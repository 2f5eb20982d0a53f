// The acronym window: the acronyms of the questionnaire as an index (frame "side") and the
// explanation of one acronym (frame "main").
#pragma once

#include "platform/ui/SingleInstance.h"
#include "reference/ui/TwoFrameWindow.h"

class frmAcronyms final : public tova::reference::TwoFrameWindow, public tova::SingleInstance<frmAcronyms> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAcronyms)

public:
    // Writes the index page; with bNavigate the frameset is shown too.
    void LoadAcroIndex(bool bNavigate);
    // Writes the explanation page of an acronym id, once the page on display has loaded. Without
    // bFramesShown the whole frameset is shown, with it only frame "main" is refreshed. An id that
    // names no acronym shows an empty page.
    void LoadAcros(const QString& id, bool bFramesShown);

    // Shows the window modally; once closed it is unloaded, so the next opening starts anew. Does
    // nothing while the window is already shown.
    void ShowModal();

private:
    friend class tova::SingleInstance<frmAcronyms>;
    frmAcronyms();

    bool WebBrowser1_BeforeNavigate2(const QString& url);
};

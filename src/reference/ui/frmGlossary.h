// The definitions window: the glossary of the questionnaire as an index of terms (frame "side")
// and the definition of one term (frame "main").
#pragma once

#include "platform/ui/SingleInstance.h"
#include "reference/ui/TwoFrameWindow.h"

class frmGlossary final : public tova::reference::TwoFrameWindow, public tova::SingleInstance<frmGlossary> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmGlossary)

public:
    // Writes the index page; with bNavigate the frameset is shown too.
    void LoadIndex(bool bNavigate);
    // Writes the definition page of a key. Without bFramesShown the whole frameset is shown, with
    // it only frame "main" is refreshed. A key that names no term shows the empty page.
    void LoadDefs(const QString& key, bool bFramesShown);
    // Marks the key's term in the index.
    void HighlightTreeNode(const QString& key);
    static QString GetGlossKey(const QString& address);

    // Shows the window modally; once closed it is unloaded, so the next opening starts anew. Does
    // nothing while the window is already shown (the caller's steps have refreshed it).
    void ShowModal();

private:
    friend class tova::SingleInstance<frmGlossary>;
    frmGlossary();

    bool WebBrowser1_BeforeNavigate2(const QString& url);
    bool showsFrameset() const;
};

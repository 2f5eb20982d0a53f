// The instructions window: a fixed page of advice for the report screen on display. Any
// navigation after the page's own closes it.
#pragma once

#include "platform/ui/SingleInstance.h"

#include <QDialog>

namespace tova {
class WebEngineBrowser;
}

class frmHelp final : public QDialog, public tova::SingleInstance<frmHelp> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmHelp)

public:
    // Shows the instructions for a screen's location name (".htm" is ignored) in a newly loaded
    // window, sized for its page; a screen without instructions gets the empty window. Returns when
    // the modal window has closed.
    static void showHelp(const QString& locationName);

    tova::WebEngineBrowser& browser() { return *WebBrowser1; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class tova::SingleInstance<frmHelp>;
    frmHelp();

    bool WebBrowser1_BeforeNavigate2(const QString& url);
    void Form_Resize();

    tova::WebEngineBrowser* WebBrowser1 = nullptr;
    // Set when a page is asked for; the navigation that follows loads it, the next one closes.
    bool m_firstNavigation = false;
};

// The road map window: a fixed page shown once to a user who has just started a new project.
#pragma once

#include "platform/ui/SingleInstance.h"

#include <QDialog>

namespace tova {
class WebEngineBrowser;
}

class frmRoadmap final : public QDialog, public tova::SingleInstance<frmRoadmap> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmRoadmap)

public:
    // Shows the road map modally after the first review of a project that has never been saved;
    // otherwise returns at once.
    void ShowRoadMap();

    // True when the road map is due: no project file yet and the current review is the first.
    static bool roadMapDue();

    tova::WebEngineBrowser& browser() { return *WebBrowser1; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class tova::SingleInstance<frmRoadmap>;
    explicit frmRoadmap(QWidget* parent = nullptr);
    bool WebBrowser1_BeforeNavigate2(const QString& url);

    tova::WebEngineBrowser* WebBrowser1 = nullptr;
};

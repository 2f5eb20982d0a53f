// The dashboard element window: one section of the current review as a chart of its questions and
// the element page around it. It handles the page's back, print, copy and help links itself and
// hands every other link to the main window.
#pragma once

#include "platform/chart/ChartControl.h"
#include "platform/ui/SingleInstance.h"
#include "reports/DashboardElement.h"
#include "reports/ElementLayout.h"

#include <QDialog>
#include <QRect>

namespace tova {
class WebEngineBrowser;
}

class frmDashboardElement final : public QDialog,
                                  public tova::SingleInstance<frmDashboardElement>,
                                  public Reports::ElementWindowOps {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmDashboardElement)

public:
    // Draws the section's questions in weight order and saves "element/graph.png". False, after
    // telling the user "No Graph To Display.", when the section has no score or nothing to chart.
    bool GenerateDashBoardElement(const Xml::XmlDocument& scoredCopy, qint16 sectionId) override;
    tova::WebBrowser& browser() override;
    void showModal() override;

    // The rectangle that Copy puts on the clipboard, in the window's coordinates.
    QRect ScreenShotArea() const { return m_layout.screenShotArea; }
    const tova::ChartControl& chart() const { return ReworkGraph; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class tova::SingleInstance<frmDashboardElement>;
    frmDashboardElement();

    bool WebBrowser1_BeforeNavigate2(const QString& url);
    void Form_Resize();

    tova::WebEngineBrowser* WebBrowser1 = nullptr;
    // Never shown: the window's content is the page, which shows the saved picture.
    tova::ChartControl ReworkGraph;
    Reports::ElementLayout m_layout;
    // The section on show, whose name its printout's file carries.
    qint16 m_sectionId = 0;
};

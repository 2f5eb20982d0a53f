// The main window's operations that page commands run: the report screens, the reference and
// instruction windows, printing and copying. The main window implements it; tests record calls.
#pragma once

#include <QString>

namespace tova {

class PageCommandTarget {
public:
    virtual ~PageCommandTarget() = default;

    virtual void GoToFishbone() = 0;
    virtual void GoToTileChart() = 0;
    virtual void GoToDashboard1() = 0;
    virtual void GoToDashboard2() = 0;
    virtual void GoToScoreCard(qint16 sectionId) = 0;
    virtual void GoToProjectTrendGraph() = 0;
    virtual void GoToProjectTrendDetail() = 0;
    virtual void GotoDashboardElement(qint16 sectionId) = 0;
    virtual void gotoGlossary(const QString& key) = 0;
    virtual void showHelp(const QString& locationName) = 0;
    virtual void CallPrinter(bool preview) = 0;
    virtual void mnuCopyScreen_Click() = 0;
    virtual void ShowMainWindow() = 0;
    // Opens a PDF link in a new browser window, or offers a reader when none is registered.
    virtual void OpenPDF(const QString& url) = 0;
};

} // namespace tova

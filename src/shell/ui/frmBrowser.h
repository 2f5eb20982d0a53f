// The main window: the browser that shows every screen, the menus, the title, the page command
// handler and the exit prompt. One instance for the whole run, created on first use.
#pragma once

#include "platform/MainWindowCallbacks.h"
#include "platform/ui/ModalCloseGuard.h"
#include "shell/PageCommandTarget.h"
#include "shell/PageCommands.h"

#include <QHash>
#include <QMainWindow>
#include <QRect>

#include <memory>

class QAction;
class QMenu;

namespace tova {
class WebBrowser;
}

class frmBrowser final : public QMainWindow, public tova::MainWindowCallbacks, public tova::PageCommandTarget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmBrowser)

public:
    // The one main window, created (and installed as the program's main window) on first use.
    static frmBrowser* instance();
    // The main window if it exists, else null.
    static frmBrowser* existingInstance();
    ~frmBrowser() override;

    // tova::MainWindowCallbacks
    void UpdateTitleBar() override;
    bool ShowSaveAsDialog() override;
    void GoToFishbone() override;
    void ShowMainWindow() override;
    void NavigateMain(const QString& url) override;
    bool HandleURL(const QString& url) override;
    void mnuFileSave_Click() override;
    tova::WebBrowser* webMain() override;

    // tova::PageCommandTarget: the report screens and windows that page commands open.
    void GoToTileChart() override;
    void GoToDashboard1() override;
    void GoToDashboard2() override;
    void GoToScoreCard(qint16 sectionId) override;
    void GoToProjectTrendGraph() override;
    void GoToProjectTrendDetail() override;
    void GotoDashboardElement(qint16 sectionId) override;
    void gotoGlossary(const QString& key) override;
    void showHelp(const QString& locationName) override;
    void CallPrinter(bool preview) override;
    void mnuCopyScreen_Click() override;
    void OpenPDF(const QString& url) override;

    void gotoAcroGlossary();
    void PrintQuestions(bool preview);

    // Shows the welcome page with its introduction entry highlighted.
    void GoToIntro();
    // Refreshes which menu items are enabled.
    void CheckState();
    bool currentReviewComplete();
    void RefreshScreen();
    void mnuFileSaveAs_Click();
    bool AskSaveContinue();

    qint16& ScoreCardIndex() { return m_commands->ScoreCardIndex; }
    // The rectangle over the browser that Copy puts on the clipboard, in window coordinates.
    QRect ScreenShotArea() const;

    // A menu item by its control name ("mnuSampleProject").
    QAction* menuItem(const QString& controlName) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    frmBrowser();
    void buildMenus();
    QAction* addItem(QMenu* menu, const QString& controlName, const QString& caption, void (frmBrowser::*slot)());
    void openInNewWindow(const QString& url);
    void applyLayout();

    void mnuNewProject_Click();
    void mnuLoadProject_Click();
    void mnuSampleProject_Click();
    void mnuChangeProject_Click();
    void mnuGotoScoreCard_Click();

    QWidget* m_client = nullptr;
    QWidget* m_browserWidget = nullptr;
    tova::WebBrowser* m_webMain = nullptr;
    std::unique_ptr<tova::PageCommands> m_commands;
    QRect m_screenShotArea;
    QHash<QString, QAction*> m_items;
    // The program's windows take no close request that would pass over an unanswered question.
    tova::ModalCloseGuard m_closeGuard;
};

#include "shell/ui/frmBrowser.h"

#include "platform/AppFolder.h"
#include "platform/PageServices.h"
#include "platform/Services.h"
#include "platform/browser/WebBrowser.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/printing/ui/frmPrinter.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/OpenPdf.h"
#include "platform/ui/WindowPlacer.h"
#include "reports/Fishbone.h"
#include "reports/SectionOrder.h"
#include "shell/DesktopDocuments.h"
#include "shell/ExitPrompt.h"
#include "shell/MenuState.h"
#include "shell/SaveCommands.h"
#include "shell/ShellGlobals.h"
#include "shell/TitleBar.h"
#include "shell/WindowLayout.h"
#include "shell/WindowRegistry.h"
#include "shell/ui/frmAbout.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>

namespace {

frmBrowser*& theInstance() {
    static frmBrowser* window = nullptr;
    return window;
}

} // namespace

frmBrowser* frmBrowser::instance() {
    frmBrowser*& window = theInstance();
    if (!window) {
        window = new frmBrowser;
        tova::services().mainWindow = window;
    }
    return window;
}

frmBrowser* frmBrowser::existingInstance() {
    return theInstance();
}

frmBrowser::frmBrowser() {
    setObjectName(QStringLiteral("frmBrowser"));
    setWindowTitle(QStringLiteral("TOVA Navigator"));

    m_client = new QWidget(this);
    setCentralWidget(m_client);
    auto* browser = new tova::WebEngineBrowser(QStringLiteral("webMain"), m_client);
    m_browserWidget = browser;
    m_webMain = browser;
    m_commands = std::make_unique<tova::PageCommands>(*this, *m_webMain);
    m_webMain->setBeforeNavigate([this](const QString& url) {
        // A page command refreshes the menus itself once it has run; a plain load does here.
        if (HandleURL(Globals::PathToURL(url)))
            return true;
        CheckState();
        return false;
    });

    buildMenus();
    tova::placeWindow(*this, tova::WindowLayout::startSize(screen() ? screen()->availableSize() : QSize()),
                      tova::SizeOf::Client);
    // The screens' own links (Back, Next, Instructions) run along the top of the page.
    tova::setButtonsEdge(*this, Qt::TopEdge);
    // Form_Load; the title bar's refresh sets the menus too.
    UpdateTitleBar();
}

frmBrowser::~frmBrowser() {
    if (theInstance() == this)
        theInstance() = nullptr;
    if (tova::services().mainWindow == this)
        tova::services().mainWindow = nullptr;
    // The browser's handler refers to this window; drop it before the members go.
    if (m_webMain)
        m_webMain->setBeforeNavigate({});
}

QAction* frmBrowser::addItem(QMenu* menu, const QString& controlName, const QString& caption,
                             void (frmBrowser::*slot)()) {
    auto* item = menu->addAction(caption);
    item->setObjectName(controlName);
    if (slot)
        connect(item, &QAction::triggered, this, slot);
    m_items.insert(controlName, item);
    return item;
}

void frmBrowser::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addItem(file, QStringLiteral("mnuNewProject"), QStringLiteral("New Project"), &frmBrowser::mnuNewProject_Click);
    addItem(file, QStringLiteral("mnuLoadProject"), QStringLiteral("Load Project"), &frmBrowser::mnuLoadProject_Click);
    file->addSeparator();
    addItem(file, QStringLiteral("mnuFileSave"), QStringLiteral("&Save Project"), &frmBrowser::mnuFileSave_Click);
    addItem(file, QStringLiteral("mnuFileSaveAs"), QStringLiteral("Save Project &As"),
            &frmBrowser::mnuFileSaveAs_Click);
    file->addSeparator();
    connect(addItem(file, QStringLiteral("mnuFilePrint"), QStringLiteral("Print Open Screen"), nullptr),
            &QAction::triggered, this, [this] { CallPrinter(false); });
    connect(addItem(file, QStringLiteral("mnuPrintPreviewOpenScreen"), QStringLiteral("Print Preview (Open Screen)"),
                    nullptr),
            &QAction::triggered, this, [this] { CallPrinter(true); });
    connect(addItem(file, QStringLiteral("mnuPrintQuestions"), QStringLiteral("Print Questions"), nullptr),
            &QAction::triggered, this, [this] { PrintQuestions(false); });
    connect(
        addItem(file, QStringLiteral("mnuPrintPreviewQuestions"), QStringLiteral("Print Preview (Questions)"), nullptr),
        &QAction::triggered, this, [this] { PrintQuestions(true); });
    file->addSeparator();
    connect(addItem(file, QStringLiteral("mnuExit"), QStringLiteral("Exit"), nullptr), &QAction::triggered, this,
            [this] { close(); });

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    addItem(edit, QStringLiteral("mnuCopyScreen"), QStringLiteral("Copy"), &frmBrowser::mnuCopyScreen_Click);

    QMenu* project = menuBar()->addMenu(QStringLiteral("&Project"));
    project->setObjectName(QStringLiteral("mnuProject"));
    addItem(project, QStringLiteral("mnuChangeProject"), QStringLiteral("Change Project Details"),
            &frmBrowser::mnuChangeProject_Click);
    connect(addItem(project, QStringLiteral("mnuFileNewReview"), QStringLiteral("&New Project Phase Review"), nullptr),
            &QAction::triggered, this, [] {
                if (tova::ReviewDialogOps* dialogs = tova::windowRegistry().reviewDialogs)
                    dialogs->AddReview();
                else
                    tova::showNotAvailable(QStringLiteral("New Review"));
            });
    connect(
        addItem(project, QStringLiteral("mnuFileLoadReview"), QStringLiteral("&Load Project Phase Review"), nullptr),
        &QAction::triggered, this, [] {
            if (tova::ReviewDialogOps* dialogs = tova::windowRegistry().reviewDialogs)
                dialogs->AskLoadReview(false);
            else
                tova::showNotAvailable(QStringLiteral("TOVA - Load Review"));
        });
    connect(addItem(project, QStringLiteral("mnudeletereview"), QStringLiteral("Delete Review"), nullptr),
            &QAction::triggered, this, [] {
                if (tova::ReviewDialogOps* dialogs = tova::windowRegistry().reviewDialogs)
                    dialogs->ShowDeleteReview();
                else
                    tova::showNotAvailable(QStringLiteral("Delete Review"));
            });

    QMenu* goTo = menuBar()->addMenu(QStringLiteral("&Go To"));
    goTo->setObjectName(QStringLiteral("mnuGoto"));
    addItem(goTo, QStringLiteral("mnuGotoFishbone"), QStringLiteral("Rework Cause Classifications"),
            &frmBrowser::GoToFishbone);
    addItem(goTo, QStringLiteral("mnuGotoTileChart"), QStringLiteral("Tile Chart"), &frmBrowser::GoToTileChart);
    addItem(goTo, QStringLiteral("mnuGotoDashboard"), QStringLiteral("Dashboard"), &frmBrowser::GoToDashboard1);
    addItem(goTo, QStringLiteral("mnuGotoPriorityDashboard"), QStringLiteral("Priority Dashboard"),
            &frmBrowser::GoToDashboard2);
    addItem(goTo, QStringLiteral("mnuGotoScoreCard"), QStringLiteral("Phase Review Scorecard"),
            &frmBrowser::mnuGotoScoreCard_Click);
    addItem(goTo, QStringLiteral("mnuGotoTrendGraph"), QStringLiteral("Overall Project Trend Graph"),
            &frmBrowser::GoToProjectTrendGraph);
    addItem(goTo, QStringLiteral("mnuGotoTrendDetail"), QStringLiteral("Project Trend Graph"),
            &frmBrowser::GoToProjectTrendDetail);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    connect(addItem(tools, QStringLiteral("mnuGlossary"), QStringLiteral("Definitions and Suggestions"), nullptr),
            &QAction::triggered, this, [this] { gotoGlossary(QStringLiteral("1A1")); });
    addItem(tools, QStringLiteral("mnuAcronyms"), QStringLiteral("Glossary"), &frmBrowser::gotoAcroGlossary);
    connect(addItem(tools, QStringLiteral("mnuLibrary"), QStringLiteral("TOVA Library"), nullptr), &QAction::triggered,
            this,
            [this] { openInNewWindow(Globals::PathToURL(tova::appPath(QStringLiteral("Library/Catalog.htm")))); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addItem(help, QStringLiteral("mnuSampleProject"), QStringLiteral("Sample Project"),
            &frmBrowser::mnuSampleProject_Click);
    help->addSeparator();
    addItem(help, QStringLiteral("mnuIntroduction"), QStringLiteral("Introduction"), &frmBrowser::GoToIntro);
    connect(addItem(help, QStringLiteral("mnuTutorial"), QStringLiteral("Getting Started/ Instructions"), nullptr),
            &QAction::triggered, this, [this] { openInNewWindow(tova::appPath(QStringLiteral("index/started.htm"))); });
    connect(addItem(help, QStringLiteral("mnuQuestionWeightings"), QStringLiteral("Question Weightings"), nullptr),
            &QAction::triggered, this,
            [this] { openInNewWindow(Globals::PathToURL(tova::appPath(QStringLiteral("misc/weightings.htm")))); });
    connect(addItem(help, QStringLiteral("mnuCopyright"), QStringLiteral("Copyright and Warranty"), nullptr),
            &QAction::triggered, this, [this] { openInNewWindow(tova::appPath(QStringLiteral("misc/UAPP.htm"))); });
    connect(addItem(help, QStringLiteral("mnuTOVAWebsite"), QStringLiteral("TOVA Website"), nullptr),
            &QAction::triggered, this,
            [this] { openInNewWindow(Globals::PathToURL(tova::appPath(QStringLiteral("misc/website.htm")))); });
    connect(addItem(help, QStringLiteral("mnuFeedback"), QStringLiteral("Feedback"), nullptr), &QAction::triggered,
            this, [this] { Globals::OpenDocument(tova::appPath(QStringLiteral("misc/feedback.doc")), *m_webMain); });
    connect(addItem(help, QStringLiteral("mnuBookstore"), QStringLiteral("TOVA Bookstore"), nullptr),
            &QAction::triggered, this,
            [this] { openInNewWindow(tova::appPath(QStringLiteral("bookstore/bookstore.htm"))); });
    help->addSeparator();
    connect(addItem(help, QStringLiteral("mnuAbout"), QStringLiteral("About TOVA"), nullptr), &QAction::triggered, this,
            [this] { frmAbout::showModal(this); });
}

QAction* frmBrowser::menuItem(const QString& controlName) const {
    return m_items.value(controlName);
}

void frmBrowser::openInNewWindow(const QString& url) {
    m_webMain->Navigate2(url, QStringLiteral("_blank"));
}

// ---- title, menu state, layout, exit -------------------------------------------------------

void frmBrowser::UpdateTitleBar() {
    setWindowTitle(tova::titleBarText());
    // The store reports every change of the open project here; the menus follow at once, also when
    // no page is shown afterwards (a screen whose build failed).
    CheckState();
}

void frmBrowser::CheckState() {
    const tova::MenuState state = tova::MenuState::current();
    auto enable = [this](const char* name, bool enabled) {
        if (QAction* item = m_items.value(QLatin1String(name)))
            item->setEnabled(enabled);
    };
    enable("mnuFileSave", state.save);
    enable("mnuFileSaveAs", state.save);
    enable("mnuPrintQuestions", state.printQuestions);
    enable("mnuPrintPreviewQuestions", state.previewQuestions);
    enable("mnuPrintPreviewOpenScreen", state.previewScreen);
    for (const char* name : {"mnuChangeProject", "mnuFileNewReview", "mnuFileLoadReview", "mnudeletereview"})
        enable(name, state.projectItems);
    for (const char* name : {"mnuGotoFishbone", "mnuGotoTileChart", "mnuGotoDashboard", "mnuGotoPriorityDashboard",
                             "mnuGotoScoreCard", "mnuGotoTrendGraph", "mnuGotoTrendDetail"})
        enable(name, state.goToItems);
}

bool frmBrowser::currentReviewComplete() {
    return tova::currentReviewComplete();
}

QRect frmBrowser::ScreenShotArea() const {
    return m_screenShotArea.translated(m_client->pos());
}

void frmBrowser::applyLayout() {
    const std::optional<tova::WindowLayout> layout = tova::WindowLayout::forOuterSize(frameGeometry().size());
    if (!layout)
        return;
    // The browser never reaches past the client area, whatever the frame around it measures.
    m_browserWidget->setGeometry(layout->browser.intersected(m_client->rect()));
    m_screenShotArea = layout->screenShotArea;
}

void frmBrowser::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    applyLayout();
}

void frmBrowser::closeEvent(QCloseEvent* event) {
    if (!tova::confirmExit()) {
        event->ignore();
        return;
    }
    event->accept();
    // A print job still under way ends with its hidden window.
    frmPrinter::Unload();
    // The browser windows opened from here close with the main window, so the program ends.
    for (QWidget* other : QApplication::topLevelWidgets())
        if (other != this && other->isVisible())
            other->close();
}

// ---- navigation ------------------------------------------------------------------------------

tova::WebBrowser* frmBrowser::webMain() {
    return m_webMain;
}

bool frmBrowser::HandleURL(const QString& url) {
    const bool cancel = m_commands->HandleURL(url);
    // A page command may have changed the project or the review (or failed to build its screen)
    // without any navigation that would refresh the menus. Plain page loads change nothing.
    if (cancel)
        CheckState();
    return cancel;
}

void frmBrowser::RefreshScreen() {
    m_commands->RefreshScreen();
}

void frmBrowser::NavigateMain(const QString& url) {
    m_webMain->Navigate2(url);
}

void frmBrowser::ShowMainWindow() {
    show();
}

void frmBrowser::GoToIntro() {
    m_webMain->Navigate2(Globals::PathToURL(Globals::gWelcomePage));
    Globals::FindAndHighlight(QStringLiteral("introduction.htm"), *m_webMain, QStringLiteral("side"));
}

void frmBrowser::GoToFishbone() {
    Reports::GoToFishbone(*m_webMain);
}

void frmBrowser::OpenPDF(const QString& url) {
    Globals::OpenPDF(url, *m_webMain, true, QString());
}

void frmBrowser::mnuGotoScoreCard_Click() {
    ScoreCardIndex() = 0;
    GoToScoreCard(Globals::gSectionOrder[0]);
}

// ---- project and save commands -------------------------------------------------------------

void frmBrowser::mnuFileSave_Click() {
    tova::saveProject();
}

void frmBrowser::mnuFileSaveAs_Click() {
    tova::showSaveAsDialog();
}

bool frmBrowser::ShowSaveAsDialog() {
    return tova::showSaveAsDialog();
}

bool frmBrowser::AskSaveContinue() {
    return tova::askSaveContinue();
}

namespace {

// Closes the open project when the user agrees; false when the user said No or the save asked
// for before closing did not happen.
bool closeOpenProject(const QString& question) {
    if (!Globals::IsProjectLoaded())
        return true;
    if (tova::MsgBox(question, tova::MsgButtons::YesNo, tova::MsgIcon::Exclamation,
                     QStringLiteral("Close Project...")) != tova::MsgAnswer::Yes)
        return false;
    return Globals::CloseProject();
}

void openStartDialog(qint16 tab) {
    if (tova::ReviewDialogOps* dialogs = tova::windowRegistry().reviewDialogs)
        dialogs->NewLoadDoModal(tab);
    else
        tova::showNotAvailable(QStringLiteral("New Project"));
}

} // namespace

void frmBrowser::mnuNewProject_Click() {
    if (closeOpenProject(QStringLiteral("Close Current Project and Start a New Project?")))
        openStartDialog(0);
}

void frmBrowser::mnuLoadProject_Click() {
    if (closeOpenProject(QStringLiteral("Close Current Project and Load a Project?")))
        openStartDialog(1);
}

void frmBrowser::mnuSampleProject_Click() {
    if (Globals::IsProjectLoaded() && !AskSaveContinue())
        return;
    const tova::BusyCursor busy;
    Globals::OpenProjectAndShow(tova::appPath(QStringLiteral("sample.tova")));
}

void frmBrowser::mnuChangeProject_Click() {
    tova::ReviewDialogOps* dialogs = tova::windowRegistry().reviewDialogs;
    if (!dialogs) {
        tova::showNotAvailable(QStringLiteral("Change Project Details"));
        return;
    }
    dialogs->ViewDetails();
    RefreshScreen();
}

#include "RoadSupport.h"

#include "platform/AppFolder.h"
#include "platform/Wait.h"
#include "platform/browser/WebBrowser.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/dialogs/MessageBox.h"
#include "reference/ui/frmAcronyms.h"
#include "reference/ui/frmGlossary.h"
#include "reference/ui/frmHelp.h"
#include "review/ui/ReviewWindows.h"
#include "shell/Startup.h"
#include "shell/WindowRegistry.h"
#include "shell/ui/frmBrowser.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

namespace tova::test {

void whenModal(QDialog* window, std::function<bool()> ready, std::function<void()> action)
{
    const QPointer<QDialog> dialog(window);
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(25);
    QObject::connect(timer, &QTimer::timeout, [=] {
        const bool up = dialog && QApplication::activeModalWidget() == dialog && dialog->isVisible();
        if (!up || !ready()) {
            if (clock->elapsed() <= kDriveTimeoutMs)
                return;
            ADD_FAILURE() << "window never came up ready";
            if (dialog && dialog->isVisible())
                dialog->done(QDialog::Rejected);
        } else {
            timer->stop();
            action();
            // A window the action failed to close is closed later, so a failure cannot hang the run.
            QTimer::singleShot(kDriveTimeoutMs, [dialog] {
                if (dialog && dialog->isVisible()) {
                    ADD_FAILURE() << "window stayed open";
                    dialog->done(QDialog::Rejected);
                }
            });
        }
        timer->stop();
        timer->deleteLater();
        delete clock;
    });
    timer->start();
}

bool pageReady(WebBrowser& browser) { return !browser.Busy() && browser.ReadyState() == 4; }

bool framesReady(WebBrowser& browser)
{
    return pageReady(browser) && browser.IsFrameComplete(QStringLiteral("main")) &&
           browser.IsFrameComplete(QStringLiteral("side"));
}

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void MainWindowRoad::SetUp()
{
    appFolder = env.copyAppFolder();
    env.messages.setFallback(MsgAnswer::No);
    Globals::ResetProjectState();
    Globals::LoadDatabase();
    installReviewWindows();
    mainWindow = frmBrowser::instance();
    mainWindow->show();
}

void MainWindowRoad::showSample()
{
    Globals::OpenProjectAndShow(appPath(QStringLiteral("sample.tova")));
    ASSERT_TRUE(Globals::IsProjectLoaded());
    ASSERT_TRUE(waitWhile([this] { return mainWindow->webMain()->LocationName() != QLatin1String("fishbone"); }));
    ASSERT_TRUE(waitWhile([this] { return !mainWindow->webMain()->IsFrameComplete(QStringLiteral("main")); }));
}

void MainWindowRoad::TearDown()
{
    Globals::ResetProjectState();
    windowRegistry() = WindowRegistry{};
    deleteReviewWindows();
    frmGlossary::destroyInstance();
    frmAcronyms::destroyInstance();
    frmHelp::destroyInstance();
    delete frmBrowser::existingInstance();
}

void StartedProgramRoad::SetUp()
{
    environment.copyAppFolder();
    Globals::ResetProjectState();
    environment.messages.setFallback(MsgAnswer::No);
}

void StartedProgramRoad::TearDown()
{
    if (frmBrowser* window = frmBrowser::existingInstance())
        window->hide();
    Globals::ResetProjectState();
}

frmBrowser* StartedProgramRoad::startProgram()
{
    EXPECT_TRUE(Globals::Main());
    frmBrowser* window = frmBrowser::existingInstance();
    EXPECT_NE(window, nullptr);
    return window;
}

frmBrowser* StartedProgramRoad::showSample()
{
    frmBrowser* window = startProgram();
    window->menuItem(QStringLiteral("mnuSampleProject"))->trigger();
    EXPECT_TRUE(waitWhile([window] { return window->webMain()->LocationName() != QLatin1String("fishbone"); }));
    EXPECT_TRUE(waitWhile([window] { return !window->webMain()->IsFrameComplete(QStringLiteral("main")); }));
    return window;
}

QWidget* focusInsidePage(WebEngineBrowser& browser, const QString& frame)
{
    QWidget* page = browser.focusProxy();
    if (!page)
        return nullptr;
    page->setFocus();
    EXPECT_TRUE(browser.ExecScript(QStringLiteral("window.focus();"), frame));
    return page;
}

} // namespace tova::test

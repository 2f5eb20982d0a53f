// Start-up's browser version check and the small windows of the shell: the about window and the
// reader installation window.
#include "platform/ui/frmInstallReader.h"
#include "shell/BrowserVersionCheck.h"
#include "shell/ShellGlobals.h"
#include "shell/ui/frmAbout.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

TEST(BrowserVersionCheck, OldEngineOffersAnUpgradeAndDisablesPreviews) {
    struct Case {
        qint16 version;
        std::optional<MsgAnswer> answer; // nothing: no question expected
        bool endProgram;
        bool ie6OrLater;
    };
    for (const Case& c : {Case{5, MsgAnswer::Yes, true, false}, Case{5, MsgAnswer::No, false, false},
                          Case{0, MsgAnswer::No, false, false}, Case{6, std::nullopt, false, true},
                          Case{108, std::nullopt, false, true}}) {
        TestEnvironment environment;
        environment.copyAppFolder();
        if (c.answer)
            environment.messages.queue(*c.answer);
        EXPECT_EQ(Globals::CheckBrowserVersion(c.version), c.endProgram) << c.version;
        EXPECT_EQ(Globals::gIE6OrLater, c.ie6OrLater) << c.version;
        ASSERT_EQ(environment.messages.asked().size(), c.answer ? 1 : 0) << c.version;
        if (c.answer) {
            const AskedMessage& message = environment.messages.asked()[0];
            EXPECT_TRUE(message.text.startsWith(
                QStringLiteral("You do not appear to have Microsoft Internet Explorer 6 or later on your machine.  ")));
            EXPECT_EQ(message.title, "Upgrade Intenet Explorer.");
            EXPECT_EQ(message.buttons, MsgButtons::YesNo);
            EXPECT_EQ(message.icon, MsgIcon::Exclamation);
        }
    }
    Globals::gIE6OrLater = true;
}

TEST(AboutWindow, AKeyToTypeOrActOrAClickOnThePictureClosesItAModifierAloneDoesNot) {
    struct Case {
        Qt::Key key;
        bool closes;
    };
    // A modifier alone starts a combination such as Alt+F4, meant for the window manager.
    for (const Case c : {Case{Qt::Key_Escape, true}, Case{Qt::Key_Return, true}, Case{Qt::Key_A, true},
                         Case{Qt::Key_F1, true}, Case{Qt::Key_Alt, false}, Case{Qt::Key_Shift, false},
                         Case{Qt::Key_Control, false}, Case{Qt::Key_AltGr, false}, Case{Qt::Key_Super_L, false}}) {
        QPointer<frmAbout> window = new frmAbout;
        window->show();
        QTest::sendKeyEvent(QTest::Click, window, c.key, c.key == Qt::Key_A ? QStringLiteral("a") : QString(),
                            Qt::NoModifier);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(window.isNull() || !window->isVisible(), c.closes) << c.key;
        delete window.data();
    }
    QPointer<frmAbout> window = new frmAbout;
    window->show();
    auto* picture = window->findChild<QLabel*>(QStringLiteral("Picture1"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->pixmap().size(), QSize(544, 264));
    QMouseEvent click(QEvent::MouseButtonRelease, QPointF(10, 10), picture->mapToGlobal(QPointF(10, 10)),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &click);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull() || !window->isVisible());
    delete window.data();
}

TEST(InstallReaderWindow, MissingInstallerIsReportedClearly) {
    TestEnvironment environment;
    environment.copyAppFolder();
    QPointer<frmInstallReader> window = new frmInstallReader;
    EXPECT_EQ(window->windowTitle(), "Install Acrobat Reader?");
    window->show();
    window->OKButton_Click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull() || !window->isVisible());
    ASSERT_EQ(environment.messages.asked().size(), 1);
    EXPECT_TRUE(environment.messages.asked()[0].text.startsWith("The PDF reader installer could not be started"));
    delete window.data();
}

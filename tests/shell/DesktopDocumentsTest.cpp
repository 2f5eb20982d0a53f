// Documents a menu opens: what the browser shows itself goes to a new browser window; anything else
// goes to the desktop's application for it, and without one the user is told where the file is.
// The desktop's own tools are stood in for by scripts earlier on the search path.
#include "shell/DesktopDocuments.h"
#include "support/FakeBrowser.h"
#include "support/FakeDesktop.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

QString makeFile(const TestEnvironment& env, const QString& name) {
    const QString path = env.scratch.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("content");
    return path;
}

} // namespace

TEST(DesktopDocuments, TheBrowserShowsPagesTextPicturesAndPdfOnly) {
    for (const char* shown : {"a.htm", "a.HTML", "a.txt", "a.pdf", "a.png", "a.jpg", "a.bmp", "a.gif"})
        EXPECT_TRUE(Globals::BrowserShowsFile(QStringLiteral("/app/misc/") + QLatin1String(shown))) << shown;
    for (const char* other : {"feedback.doc", "a.docx", "a.xls", "a.exe", "a.zip", "a.odt"})
        EXPECT_FALSE(Globals::BrowserShowsFile(QStringLiteral("/app/misc/") + QLatin1String(other))) << other;
}

TEST(DesktopDocuments, APageOpensInANewBrowserWindow) {
    TestEnvironment env;
    FakeBrowser browser;
    const QString page = makeFile(env, QStringLiteral("weightings.htm"));
    Globals::OpenDocument(page, browser);
    ASSERT_EQ(browser.navigations.size(), 1);
    EXPECT_EQ(browser.navigations.first().first, QStringLiteral("file://") + page);
    EXPECT_EQ(browser.navigations.first().second, QStringLiteral("_blank"));
    EXPECT_TRUE(env.messages.texts().isEmpty());
}

TEST(DesktopDocuments, ADocumentGoesToTheDesktopsApplicationNeverToTheBrowser) {
    TestEnvironment env;
    FakeDesktop desktop(env.scratch.filePath(QStringLiteral("desktop")), QStringLiteral("writer.desktop"));
    FakeBrowser browser;
    const QString document = makeFile(env, QStringLiteral("feedback.doc"));
    Globals::OpenDocument(document, browser);
    EXPECT_EQ(desktop.opened(), document);
    EXPECT_TRUE(browser.navigations.isEmpty());
    EXPECT_TRUE(env.messages.texts().isEmpty());
}

TEST(DesktopDocuments, WithoutAnApplicationTheUserIsToldWhereTheFileIs) {
    TestEnvironment env;
    FakeDesktop desktop(env.scratch.filePath(QStringLiteral("desktop")), QString());
    FakeBrowser browser;
    const QString document = makeFile(env, QStringLiteral("feedback.doc"));
    Globals::OpenDocument(document, browser);
    EXPECT_TRUE(browser.navigations.isEmpty());
    ASSERT_EQ(env.messages.texts().size(), 1);
    EXPECT_TRUE(env.messages.texts().first().contains(QStringLiteral("No program on this computer")));
    EXPECT_TRUE(env.messages.texts().first().contains(document));
    // The opener is never asked to guess.
    QThread::msleep(200);
    EXPECT_FALSE(QFileInfo::exists(desktop.openedFile()));

    // A file that is not there is named as missing.
    env.messages.clear();
    Globals::OpenDocument(env.scratch.filePath(QStringLiteral("gone.doc")), browser);
    ASSERT_EQ(env.messages.texts().size(), 1);
    EXPECT_TRUE(env.messages.texts().first().contains(QStringLiteral("cannot be found")));
    EXPECT_TRUE(browser.navigations.isEmpty());
}

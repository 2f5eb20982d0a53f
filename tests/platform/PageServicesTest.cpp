// Page services: addresses from paths, writing and showing generated pages, the highlight call and
// the PDF decision.
#include "platform/PageServices.h"
#include "support/FakeBrowser.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(PathToURL, TurnsPathsIntoFileAddresses) {
    const QList<QPair<QString, QString>> cases = {
        {"/opt/my app/index/welcome.htm", "file:///opt/my%20app/index/welcome.htm"},
        // Every character of a path names a file or folder, also those with a meaning in an address.
        {"/opt/tova #1/index/welcome.htm", "file:///opt/tova%20%231/index/welcome.htm"},
        {"/opt/tova%41/index/welcome.htm", "file:///opt/tova%2541/index/welcome.htm"},
        {"/opt/tova?x=1/index/welcome.htm", "file:///opt/tova%3Fx=1/index/welcome.htm"},
        {"/opt/app/fishbone/fish.htm#cat7", "file:///opt/app/fishbone/fish.htm%23cat7"},
        {"/opt/a\\b/Gr\u00fc\u00dfe.htm", "file:///opt/a%5Cb/Gr%C3%BC%C3%9Fe.htm"},
        // An address keeps its "#" and "?"; only blanks and backslashes change.
        {"file:///opt/my app\\x.htm", "file:///opt/my%20app/x.htm"},
        {"file:///opt/tova%20%231/fishbone/fish.htm#NXT", "file:///opt/tova%20%231/fishbone/fish.htm#NXT"},
        {"file:///opt/app/NewProj/Proj.htm?pm=x#CLS", "file:///opt/app/NewProj/Proj.htm?pm=x#CLS"},
        // Only the exact lower-case prefix counts; any other text is a path from the root.
        {"FILE:///opt/x.htm", "file:///FILE:///opt/x.htm"},
        {"", "file:///"},
    };
    for (const auto& [path, url] : cases)
        EXPECT_EQ(Globals::PathToURL(path), url) << path.toStdString();
}

TEST(WriteHTMLAndShow, WritesUtf8WithCrLfAndShowsTheRightPage) {
    TestEnvironment environment;
    const QString folder = environment.scratch.path();
    environment.copyAppFolder();
    const QString page = folder + QStringLiteral("/page.htm");
    const QString frameset = folder + QStringLiteral("/frame set.htm");
    QString html = QStringLiteral("<p>Gr\u00fc\u00dfe &amp; \u20ac</p>");

    FakeBrowser browser(QStringLiteral("WebBrowser1"));
    // With a navPath the browser is sent to its address.
    ASSERT_TRUE(Globals::WriteHTMLAndShow(html, browser, page, frameset, true));
    EXPECT_EQ(readAll(page), html.toUtf8() + "\r\n");
    ASSERT_EQ(browser.navigations.size(), 1);
    EXPECT_EQ(browser.navigations[0].first, Globals::PathToURL(frameset));

    // A second write replaces the file whole; without navPath the file itself is shown.
    ASSERT_TRUE(Globals::WriteHTMLAndShow(QStringLiteral("x"), browser, page, QString(), true));
    EXPECT_EQ(readAll(page), QByteArray("x\r\n"));
    EXPECT_EQ(browser.navigations[1].first, page);

    // Without a file name the page is the application folder's file named after the control.
    ASSERT_TRUE(Globals::WriteHTMLAndShow(QStringLiteral("y"), browser, QString(), QString(), false));
    EXPECT_EQ(readAll(folder + QStringLiteral("/app/WebBrowser1.html")), QByteArray("y\r\n"));
    EXPECT_EQ(browser.navigations.size(), 2);
}

TEST(WriteHTMLAndShow, UnwritablePageKeepsTheBrowserWhereItIs) {
    TestEnvironment environment;
    // A file where the page's folder should be: no user, not even the superuser, can write there.
    const QString blocker = environment.scratch.filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    FakeBrowser browser;
    EXPECT_FALSE(Globals::WriteHTMLAndShow(QStringLiteral("new"), browser, blocker + QStringLiteral("/main.htm"),
                                           QString(), true));
    EXPECT_TRUE(browser.navigations.isEmpty());
}

TEST(FindAndHighlight, CallsThePageScriptInTheRightWindow) {
    FakeBrowser browser;
    Globals::FindAndHighlight(QStringLiteral("introduction.htm"), browser, QStringLiteral("side"));
    Globals::FindAndHighlight(QStringLiteral("cat7"), browser, QStringLiteral("main"));
    Globals::FindAndHighlight(QStringLiteral("it's\\x"), browser, QStringLiteral("side"));
    ASSERT_EQ(browser.scripts.size(), 3);
    EXPECT_EQ(browser.scripts[0],
              qMakePair(QStringLiteral("side"), QStringLiteral("findAndHighlight(\"introduction.htm\")")));
    EXPECT_EQ(browser.scripts[1], qMakePair(QString(), QStringLiteral("findAndHighlight(\"#cat7\")")));
    // Quotes and backslashes in a key cannot break out of the script's string.
    EXPECT_EQ(browser.scripts[2].second, QStringLiteral("findAndHighlight(\"it's\\\\x\")"));
}

TEST(OpenPDF, NavigatesOnlyWhenAHandlerIsRegistered) {
    const QString url = QStringLiteral("file:///app/doc/guide.pdf");
    {
        FakeBrowser browser;
        int offers = 0;
        Globals::OpenPDFWith(url, browser, true, QString(), false, [&offers] { ++offers; });
        EXPECT_EQ(offers, 1);
        EXPECT_TRUE(browser.navigations.isEmpty());
    }
    {
        FakeBrowser browser;
        int offers = 0;
        Globals::OpenPDFWith(url, browser, true, QString(), true, [&offers] { ++offers; });
        Globals::OpenPDFWith(url, browser, false, QStringLiteral("main"), true, [&offers] { ++offers; });
        EXPECT_EQ(offers, 0);
        ASSERT_EQ(browser.navigations.size(), 2);
        EXPECT_EQ(browser.navigations[0], qMakePair(url, QStringLiteral("_blank")));
        EXPECT_EQ(browser.navigations[1], qMakePair(url, QStringLiteral("main")));
    }
}

// The browser control on the real web engine: readiness, frames, scripts, new windows, and the
// before-navigate handler for every kind of navigation the program's pages make.
#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/ScriptLiteral.h"
#include "platform/Wait.h"
#include "platform/browser/ui/BrowserProfile.h"
#include "platform/browser/ui/BrowserWindow.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWebEngineProfile>

#include <gtest/gtest.h>

#include <memory>

using tova::WebEngineBrowser;

namespace {

constexpr int kWaitMs = 5000;

QString fixture(const QString& name) {
    return QUrl::fromLocalFile(QDir(QStringLiteral(TOVA_TEST_DATA_DIR "/browser")).filePath(name))
        .toString(QUrl::FullyEncoded);
}

// Lets queued work (link hook messages, deferred handlers) run for a while.
void settle(int ms = 150) {
    tova::processEventsFor(ms);
}

void runModalDialog(int closeAfterMs) {
    QDialog dialog;
    QTimer::singleShot(closeAfterMs, &dialog, &QDialog::accept);
    dialog.exec();
}

QList<tova::BrowserWindow*> browserWindows() {
    QList<tova::BrowserWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<tova::BrowserWindow*>(widget))
            windows.append(window);
    }
    return windows;
}

class WebEngineBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        browser = std::make_unique<WebEngineBrowser>(QStringLiteral("WebBrowser1"));
        browser->resize(800, 600);
        browser->show();
        browser->setBeforeNavigate([this](const QString& url) {
            seen.append(url);
            return onNavigate ? onNavigate(url) : false;
        });
    }

    void TearDown() override {
        for (tova::BrowserWindow* window : browserWindows())
            delete window;
    }

    // Shows a fixture page and waits until it and the named frames have loaded.
    void show(const QString& page, const QStringList& frames = {}) {
        browser->Navigate2(fixture(page));
        ASSERT_TRUE(tova::waitWhile([&] { return browser->ReadyState() != 4; }, kWaitMs)) << page.toStdString();
        for (const QString& frame : frames)
            ASSERT_TRUE(frameComplete(frame)) << frame.toStdString();
        seen.clear();
    }

    bool frameComplete(const QString& frame) {
        return tova::waitWhile([&] { return !browser->IsFrameComplete(frame); }, kWaitMs);
    }

    // Whether the frame's (or, for "", the top window's) address ends with suffix.
    bool addressEndsWith(const QString& frame, const QString& suffix) {
        return browser->ExecScript(
            QStringLiteral("if (!location.href.endsWith(%1)) throw 0;").arg(tova::scriptLiteral(suffix)), frame);
    }

    bool waitSeen(const QString& suffix) {
        return tova::waitWhile(
            [&] {
                return std::none_of(seen.begin(), seen.end(), [&](const QString& u) { return u.endsWith(suffix); });
            },
            kWaitMs);
    }

    int countSeen(const QString& suffix) const {
        return static_cast<int>(
            std::count_if(seen.begin(), seen.end(), [&](const QString& u) { return u.endsWith(suffix); }));
    }

    std::unique_ptr<WebEngineBrowser> browser;
    QStringList seen;
    std::function<bool(const QString&)> onNavigate;
};

TEST_F(WebEngineBrowserTest, FramesetLoadsAndFramesAreFoundByName) {
    show(QStringLiteral("frames.htm"));
    EXPECT_EQ(browser->ReadyState(), 4);
    EXPECT_FALSE(browser->Busy());
    EXPECT_TRUE(frameComplete(QStringLiteral("side")));
    EXPECT_TRUE(frameComplete(QStringLiteral("main")));
    EXPECT_FALSE(browser->IsFrameComplete(QStringLiteral("nosuch")));
    EXPECT_TRUE(browser->LocationURL().endsWith(QLatin1String("/browser/frames.htm")));

    // Frames inside a frame are found too.
    show(QStringLiteral("nested.htm"));
    EXPECT_TRUE(frameComplete(QStringLiteral("outer")));
    EXPECT_TRUE(frameComplete(QStringLiteral("side")));
    EXPECT_TRUE(browser->ExecScript(QStringLiteral("findAndHighlight('#cat1')"), QStringLiteral("side")));
}

TEST_F(WebEngineBrowserTest, LocationNameIsTitleOrFileName) {
    const struct {
        const char* page;
        const char* name;
    } cases[] = {{"frames.htm", "Frames Title"}, {"notitle.htm", "notitle.htm"}, {"other.htm", "Other"}};
    for (const auto& c : cases) {
        show(QString::fromLatin1(c.page));
        EXPECT_EQ(browser->LocationName(), QString::fromLatin1(c.name)) << c.page;
    }
}

TEST_F(WebEngineBrowserTest, ExecScriptRunsInTheNamedFrame) {
    show(QStringLiteral("frames.htm"), {QStringLiteral("side"), QStringLiteral("main")});
    EXPECT_TRUE(browser->ExecScript(QStringLiteral("showResult('changed')"), QStringLiteral("main")));
    EXPECT_TRUE(
        browser->ExecScript(QStringLiteral("if (document.getElementById('out').textContent !== 'changed') throw 0;"),
                            QStringLiteral("main")));
    // The page function of another frame is not there.
    EXPECT_FALSE(browser->ExecScript(QStringLiteral("showResult('x')"), QStringLiteral("side")));
    EXPECT_TRUE(browser->ExecScript(QStringLiteral("javascript:findAndHighlight(\"#cat12\")"), QStringLiteral("side")));
    EXPECT_TRUE(
        browser->ExecScript(QStringLiteral("if (document.body.getAttribute('data-highlight') !== '#cat12') throw 0;"),
                            QStringLiteral("side")));

    const struct {
        const char* line;
        const char* frame;
        bool ran;
    } cases[] = {
        {"var quoted = 'it\\'s \"fine\"';", "main", true},
        {"throw new Error('no')", "main", false},
        {"this is not script", "main", false},
        {"1 + 1", "nosuch", false},
        {"document.title = 'Top'", "", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(browser->ExecScript(QString::fromUtf8(c.line), QString::fromLatin1(c.frame)), c.ran) << c.line;
    EXPECT_EQ(browser->LocationName(), QStringLiteral("Top"));
}

TEST_F(WebEngineBrowserTest, ScriptAddressesResolveAgainstTheFramesOwnDocument) {
    show(QStringLiteral("subframes.htm"), {QStringLiteral("inner")});
    onNavigate = [](const QString&) { return true; };
    EXPECT_TRUE(browser->ExecScript(QStringLiteral("location.href = 'page.htm'"), QStringLiteral("inner")));
    EXPECT_TRUE(waitSeen(QStringLiteral("/browser/sub/page.htm")));
}

// Link clicks in the top window and in frames: each reaches the handler once with its absolute
// address; a cancelled one leaves the window where it was, any other is followed.
TEST_F(WebEngineBrowserTest, LinkClicksReachTheHandlerOnce) {
    const struct {
        const char* page;
        const char* frame;
        const char* link;
        const char* address;
    } cases[] = {
        {"frames.htm", "side", "next", "/browser/side.htm#NXT"},
        {"frames.htm", "side", "twice", "/browser/side.htm#top#NXT"},
        {"frames.htm", "side", "catlabel", "/browser/side.htm#cat12"}, // click on the link's text
        {"frames.htm", "side", "region", "/browser/side.htm#cat7"},    // image map area
        {"frames.htm", "side", "other", "/browser/other.htm"},
        {"notitle.htm", "", "cmd", "/browser/notitle.htm#CMD"},
        {"notitle.htm", "", "page", "/browser/other.htm"},
    };
    for (const auto& c : cases) {
        for (const bool cancel : {true, false}) {
            SCOPED_TRACE(std::string(c.link) + (cancel ? " cancelled" : " followed"));
            const QString frame = QString::fromLatin1(c.frame);
            show(QString::fromLatin1(c.page), frame.isEmpty() ? QStringList() : QStringList{frame});
            const QString address = QString::fromLatin1(c.address);
            onNavigate = [&](const QString& url) { return cancel && url.endsWith(address); };

            ASSERT_TRUE(browser->ExecScript(
                QStringLiteral("document.getElementById('%1').click()").arg(QString::fromLatin1(c.link)), frame));
            ASSERT_TRUE(waitSeen(address));
            settle();
            EXPECT_EQ(countSeen(address), 1);
            EXPECT_TRUE(seen.first().startsWith(QLatin1String("file:///")));
            if (cancel) {
                EXPECT_TRUE(addressEndsWith(frame, QStringLiteral("/browser/") +
                                                       QString::fromLatin1(frame.isEmpty() ? c.page : "side.htm")));
            } else {
                EXPECT_TRUE(tova::waitWhile([&] { return !addressEndsWith(frame, address); }, kWaitMs));
            }
        }
    }
}

TEST_F(WebEngineBrowserTest, ALinkClickedWhileTheHandlerWaitsIsHandedOverAfterIt) {
    show(QStringLiteral("frames.htm"), {QStringLiteral("side")});
    QStringList order;
    onNavigate = [&](const QString& url) {
        const QString link = url.section(QLatin1Char('#'), -1);
        order << QStringLiteral("enter ") + link;
        if (link == QLatin1String("NXT")) {
            // The handler waits for a page as commands do; meanwhile the user clicks again.
            browser->ExecScript(QStringLiteral("document.getElementById('cat').click()"), QStringLiteral("side"));
            tova::processEventsFor(300);
        }
        order << QStringLiteral("leave ") + link;
        return true;
    };
    ASSERT_TRUE(browser->ExecScript(QStringLiteral("document.getElementById('next').click()"), QStringLiteral("side")));
    ASSERT_TRUE(waitSeen(QStringLiteral("#cat12")));
    settle();
    EXPECT_EQ(order, (QStringList{"enter NXT", "leave NXT", "enter cat12", "leave cat12"}));
}

TEST_F(WebEngineBrowserTest, AClickFromAClosedWindowNeverActsWhenItIsShownAgain) {
    // The window closes while a handler runs with a second click waiting, or before the page's
    // click is handed over; either click is gone once the window is shown again.
    for (const bool closedByHandler : {true, false}) {
        SCOPED_TRACE(closedByHandler ? "closed while a click waits" : "closed before the hand-over");
        show(QStringLiteral("frames.htm"), {QStringLiteral("side")});
        onNavigate = [&](const QString& url) {
            if (closedByHandler && url.endsWith(QLatin1String("#NXT"))) {
                browser->ExecScript(QStringLiteral("document.getElementById('cat').click()"), QStringLiteral("side"));
                tova::processEventsFor(300);
                browser->hide();
            }
            return true;
        };
        const QString first = closedByHandler ? QStringLiteral("next") : QStringLiteral("cat");
        ASSERT_TRUE(browser->ExecScript(QStringLiteral("document.getElementById('%1').click()").arg(first),
                                        QStringLiteral("side")));
        if (!closedByHandler)
            browser->hide();
        settle(500);
        browser->show();
        settle();
        EXPECT_EQ(countSeen(QStringLiteral("#cat12")), 0);
        // The window shown again takes its own clicks.
        ASSERT_TRUE(
            browser->ExecScript(QStringLiteral("document.getElementById('cat').click()"), QStringLiteral("side")));
        EXPECT_TRUE(waitSeen(QStringLiteral("#cat12")));
    }
}

TEST_F(WebEngineBrowserTest, AWindowOpenedWhileAModalWindowIsUpBelongsToIt) {
    show(QStringLiteral("notitle.htm"));
    QDialog modal;
    QList<tova::BrowserWindow*> opened;
    QTimer::singleShot(0, &modal, [&] {
        browser->Navigate2(fixture(QStringLiteral("other.htm")), QStringLiteral("_blank"));
        opened = browserWindows();
        modal.reject();
    });
    modal.exec();
    ASSERT_EQ(opened.size(), 1);
    // Its own window beside the modal one, which therefore does not block it.
    EXPECT_EQ(opened.first()->parentWidget(), &modal);
    EXPECT_TRUE(opened.first()->isWindow());
}

TEST_F(WebEngineBrowserTest, LinksThePageHandlesOrSendsElsewhereAreLeftAlone) {
    show(QStringLiteral("frames.htm"), {QStringLiteral("side")});
    ASSERT_TRUE(
        browser->ExecScript(QStringLiteral("document.getElementById('handled').click()"), QStringLiteral("side")));
    settle();
    EXPECT_EQ(countSeen(QStringLiteral("#SEC")), 0);
    EXPECT_TRUE(addressEndsWith(QStringLiteral("side"), QStringLiteral("side.htm")));

    // target="_blank": a window of our own.
    ASSERT_TRUE(browser->ExecScript(QStringLiteral("document.getElementById('away').click()"), QStringLiteral("side")));
    ASSERT_TRUE(tova::waitWhile([] { return browserWindows().isEmpty(); }, kWaitMs));
    tova::BrowserWindow* window = browserWindows().first();
    EXPECT_TRUE(tova::waitWhile([&] { return window->windowTitle() != QLatin1String("Other"); }, kWaitMs));
}

TEST_F(WebEngineBrowserTest, TopLevelNavigationsReachTheHandler) {
    show(QStringLiteral("notitle.htm"));
    onNavigate = [](const QString& url) { return url.contains(QLatin1String("#CMD")); };

    // Asked for by the program: the handler has answered before Navigate2 returns.
    browser->Navigate2(fixture(QStringLiteral("notitle.htm")) + QStringLiteral("#CMD"));
    EXPECT_EQ(countSeen(QStringLiteral("notitle.htm#CMD")), 1);
    browser->Navigate2(fixture(QStringLiteral("other.htm")) + QStringLiteral("#CMD"));
    EXPECT_EQ(browser->ReadyState(), 4);
    EXPECT_TRUE(browser->LocationURL().endsWith(QLatin1String("/notitle.htm")));

    // Started by the page's script.
    ASSERT_TRUE(browser->ExecScript(QStringLiteral("location.href = 'other.htm#CMD'")));
    ASSERT_TRUE(waitSeen(QStringLiteral("other.htm#CMD")));
    ASSERT_TRUE(browser->ExecScript(QStringLiteral("location.href = 'other.htm'")));
    ASSERT_TRUE(waitSeen(QStringLiteral("other.htm")));
    EXPECT_TRUE(tova::waitWhile([&] { return browser->LocationName() != QLatin1String("Other"); }, kWaitMs));
    EXPECT_EQ(countSeen(QStringLiteral("other.htm")), 1);
    EXPECT_TRUE(tova::waitWhile([&] { return browser->ReadyState() != 4; }, kWaitMs));
}

TEST_F(WebEngineBrowserTest, FormSubmittedInAFrameIsHandledBeforeTheScriptReturns) {
    show(QStringLiteral("frames.htm"), {QStringLiteral("main")});
    onNavigate = [](const QString& url) { return url.contains(QLatin1Char('?')); };
    ASSERT_TRUE(browser->ExecScript(QStringLiteral("javascript:document.forms[0].submit()"), QStringLiteral("main")));
    ASSERT_EQ(seen.size(), 1);
    EXPECT_TRUE(seen.first().endsWith(QLatin1String("/browser/main.htm?R101=V2")));
    settle();
    EXPECT_TRUE(addressEndsWith(QStringLiteral("main"), QStringLiteral("/browser/main.htm")));

    // Let through, the submission loads.
    onNavigate = nullptr;
    ASSERT_TRUE(browser->ExecScript(QStringLiteral("document.forms[0].submit()"), QStringLiteral("main")));
    EXPECT_TRUE(
        tova::waitWhile([&] { return !addressEndsWith(QStringLiteral("main"), QStringLiteral("?R101=V2")); }, kWaitMs));
}

TEST_F(WebEngineBrowserTest, Navigate2ToAFrameReloadsOnlyThatFrame) {
    show(QStringLiteral("frames.htm"), {QStringLiteral("side"), QStringLiteral("main")});
    ASSERT_TRUE(browser->ExecScript(QStringLiteral("window.kept = true"), QStringLiteral("side")));
    ASSERT_TRUE(browser->ExecScript(QStringLiteral("window.kept = true"), QStringLiteral("main")));

    // The same document again, resolved against the frame's own address: until the new document is
    // in, the frame does not count as loaded.
    browser->Navigate2(QStringLiteral("main.htm"), QStringLiteral("main"));
    ASSERT_TRUE(frameComplete(QStringLiteral("main")));
    EXPECT_TRUE(browser->ExecScript(QStringLiteral("if (window.kept) throw 0;"), QStringLiteral("main")));
    EXPECT_TRUE(browser->ExecScript(QStringLiteral("if (!window.kept) throw 0;"), QStringLiteral("side")));
    EXPECT_EQ(countSeen(QStringLiteral("/browser/main.htm")), 1);
    EXPECT_EQ(seen.size(), 1);

    // Cancelled by the handler: nothing moves, and the frame is complete.
    onNavigate = [](const QString& url) { return url.endsWith(QLatin1String("other.htm")); };
    browser->Navigate2(QStringLiteral("other.htm"), QStringLiteral("main"));
    EXPECT_TRUE(frameComplete(QStringLiteral("main")));
    EXPECT_TRUE(addressEndsWith(QStringLiteral("main"), QStringLiteral("/browser/main.htm")));

    // A frame that is not there: nothing happens.
    browser->Navigate2(QStringLiteral("other.htm"), QStringLiteral("nosuch"));
    EXPECT_EQ(browser->ReadyState(), 4);
    EXPECT_TRUE(browser->LocationURL().endsWith(QLatin1String("/frames.htm")));
}

TEST_F(WebEngineBrowserTest, Navigate2ToBlankOpensABrowserWindow) {
    show(QStringLiteral("notitle.htm"));
    browser->Navigate2(fixture(QStringLiteral("other.htm")), QStringLiteral("_blank"));
    ASSERT_EQ(browserWindows().size(), 1);
    QPointer<tova::BrowserWindow> window = browserWindows().first();
    EXPECT_TRUE(tova::waitWhile([&] { return window->windowTitle() != QLatin1String("Other"); }, kWaitMs));
    // The new window's navigation is not the opener's.
    EXPECT_TRUE(seen.isEmpty());
    EXPECT_TRUE(browser->LocationURL().endsWith(QLatin1String("/notitle.htm")));

    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(WebEngineBrowserTest, PdfOpensInTheBuiltInViewer) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    {
        QPdfWriter writer(path);
        QPainter painter(&writer);
        painter.drawText(100, 100, QStringLiteral("sheet"));
    }
    int downloads = 0;
    QObject guard;
    QObject::connect(tova::browserProfile(), &QWebEngineProfile::downloadRequested, &guard, [&] { ++downloads; });

    browser->Navigate2(QUrl::fromLocalFile(path).toString(), QStringLiteral("_blank"));
    ASSERT_EQ(browserWindows().size(), 1);
    WebEngineBrowser* shown = browserWindows().first()->browser();
    EXPECT_TRUE(tova::waitWhile([&] { return shown->ReadyState() != 4; }, kWaitMs));
    settle();
    EXPECT_EQ(downloads, 0);
    EXPECT_TRUE(shown->LocationURL().endsWith(QLatin1String("/sheet.pdf")));
}

// The handler runs page commands that open modal dialogs and wait for pages.
TEST_F(WebEngineBrowserTest, HandlerMayOpenDialogsAndWaitForPages) {
    show(QStringLiteral("notitle.htm"));
    int dialogs = 0;
    bool innerPageLoaded = false;
    onNavigate = [&](const QString& url) {
        if (url.endsWith(QLatin1String("#CMD"))) {
            // Like a command that shows another page and waits for it before asking the user.
            browser->Navigate2(fixture(QStringLiteral("frames.htm")));
            innerPageLoaded =
                tova::waitWhile([&] { return browser->ReadyState() != 4; }, kWaitMs) &&
                tova::waitWhile([&] { return !browser->IsFrameComplete(QStringLiteral("main")); }, kWaitMs);
            runModalDialog(100);
            ++dialogs;
            return true;
        }
        if (url.endsWith(QLatin1String("other.htm")) || url.contains(QLatin1Char('?'))) {
            runModalDialog(100);
            ++dialogs;
        }
        return url.contains(QLatin1Char('?'));
    };

    ASSERT_TRUE(browser->ExecScript(QStringLiteral("document.getElementById('cmd').click()")));
    ASSERT_TRUE(tova::waitWhile([&] { return dialogs < 1; }, kWaitMs));
    EXPECT_TRUE(innerPageLoaded);
    EXPECT_EQ(countSeen(QStringLiteral("#CMD")), 1);
    EXPECT_TRUE(browser->LocationURL().endsWith(QLatin1String("/frames.htm")));

    // A dialog while a frame's form submission is asked about.
    ASSERT_TRUE(browser->ExecScript(QStringLiteral("document.forms[0].submit()"), QStringLiteral("main")));
    EXPECT_EQ(dialogs, 2);

    // The navigation the handler lets go on after its dialog still happens.
    ASSERT_TRUE(
        browser->ExecScript(QStringLiteral("document.getElementById('other').click()"), QStringLiteral("side")));
    ASSERT_TRUE(tova::waitWhile([&] { return dialogs < 3; }, kWaitMs));
    EXPECT_TRUE(tova::waitWhile([&] { return !addressEndsWith(QStringLiteral("side"), QStringLiteral("/other.htm")); },
                                kWaitMs));
}

TEST_F(WebEngineBrowserTest, PagesThatDoNotFinishDoNotHangAWait) {
    // A frame whose file is missing: the page completes, the frame is never reachable.
    show(QStringLiteral("missingframe.htm"), {QStringLiteral("present")});
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(tova::waitWhile([&] { return !browser->IsFrameComplete(QStringLiteral("gone")); }, 500));
    EXPECT_FALSE(browser->ExecScript(QStringLiteral("1"), QStringLiteral("gone")));
    EXPECT_LT(timer.elapsed(), 3000);

    // A page whose script keeps it from finishing: the bounded wait gives up.
    browser->Navigate2(fixture(QStringLiteral("slow.htm")));
    timer.restart();
    EXPECT_FALSE(tova::waitWhile([&] { return browser->ReadyState() != 4; }, 300));
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_TRUE(tova::waitWhile([&] { return browser->ReadyState() != 4; }, kWaitMs));
}

// Submitted form fields travel in the address and are decoded once by the receiver: the address
// must reach the handler exactly as the engine encoded it.
TEST(AddressText, KeepsTheEnginesEncoding) {
    const char* addresses[] = {
        "file:///opt/my%20app/NewProj/Proj.htm?refnum=%2B1+a&projname=caf%C3%A9&loc=a%26b%3Dc",
        "file:///opt/app/survey/main.htm?R101=V2&R102=V5",
        "file:///opt/app/survey/side.htm#cat12",
        "file:///opt/app/fishbone/fish.htm#top#NXT",
        "file:///opt/my%20app/index/welcome.htm#two%20words#INS",
    };
    for (const char* address : addresses)
        EXPECT_EQ(tova::addressText(QUrl(QString::fromLatin1(address))).toStdString(), address);
}

// Report pages and their chart pictures are rewritten under the same names between visits.
TEST_F(WebEngineBrowserTest, RewrittenFilesAreReadAfresh) {
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("chart.htm"));
    const QString picture = dir.filePath(QStringLiteral("graph.png"));
    auto write = [&](int width, const char* text) {
        QImage(width, 10, QImage::Format_RGB32).save(picture);
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray("<html><body><p id=\"text\">") + text +
                   "</p><img id=\"chart\" src=\"graph.png\"></body></html>");
    };
    for (const auto& [width, text] : {std::pair{10, "first"}, std::pair{20, "second"}}) {
        write(width, text);
        browser->Navigate2(page);
        ASSERT_TRUE(tova::waitWhile([&] { return browser->ReadyState() != 4; }, kWaitMs));
        EXPECT_TRUE(browser->ExecScript(QStringLiteral("if (document.getElementById('text').textContent !== '%1' || "
                                                       "document.getElementById('chart').naturalWidth !== %2) throw 0;")
                                            .arg(QString::fromLatin1(text))
                                            .arg(width)))
            << text;
    }
}

TEST_F(WebEngineBrowserTest, WaitForBeforeNavigateSeesOnlyLaterMatches) {
    show(QStringLiteral("frames.htm"), {QStringLiteral("side")});
    const std::uint64_t before = browser->beforeNavigateCount();
    auto isNext = [](const QString& url) { return url.endsWith(QLatin1String("#NXT")); };
    EXPECT_FALSE(browser->waitForBeforeNavigate(before, isNext, 100));
    ASSERT_TRUE(browser->ExecScript(QStringLiteral("document.getElementById('next').click()"), QStringLiteral("side")));
    EXPECT_TRUE(browser->waitForBeforeNavigate(before, isNext, kWaitMs));
    EXPECT_FALSE(browser->waitForBeforeNavigate(browser->beforeNavigateCount(), isNext, 100));
}

} // namespace

// Copying a window area to the clipboard: the picture has the area's size and shows the window's
// pixels from the area's corner, replaces everything on the clipboard, and areas that hold nothing
// leave the clipboard alone.
#include "platform/Wait.h"
#include "platform/capture/ui/Clipboard.h"
#include "support/TestEnvironment.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace tova;
using namespace tova::test;

namespace {

// A grey window with a red block whose top-left corner is at (40, 30).
std::unique_ptr<QWidget> paintedWindow() {
    auto window = std::make_unique<QWidget>();
    window->resize(300, 200);
    window->setAutoFillBackground(true);
    window->setPalette(QPalette(Qt::gray));
    auto* block = new QWidget(window.get());
    block->setGeometry(40, 30, 120, 80);
    block->setAutoFillBackground(true);
    QPalette red;
    red.setColor(QPalette::Window, Qt::red);
    block->setPalette(red);
    window->show();
    static_cast<void>(waitWhile([&window] { return !window->isVisible(); }, 2000));
    return window;
}

TEST(CopyScreenToClipboard, AreaOfTheWindowReplacesTheClipboardContents) {
    TestEnvironment env;
    const std::unique_ptr<QWidget> window = paintedWindow();
    QGuiApplication::clipboard()->setText(QStringLiteral("old text"));

    clipboard::CopyScreenToClipboard(window.get(), QRect(40, 30, 100, 50));

    const QImage picture = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(100, 50));
    // The picture starts at the area's corner: red there, grey beyond the block.
    EXPECT_EQ(QColor(picture.pixel(0, 0)), QColor(Qt::red));
    EXPECT_EQ(QColor(picture.pixel(99, 49)), QColor(Qt::red));
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasText());
    ASSERT_EQ(env.messages.asked().size(), 1);
    EXPECT_EQ(env.messages.asked()[0].text, "Screen Copied to Clipboard.");
    EXPECT_EQ(env.messages.asked()[0].title, "Success");
    EXPECT_EQ(env.messages.asked()[0].icon, MsgIcon::Information);

    // An area that reaches past the window still gives a picture of the area's size.
    env.messages.clear();
    clipboard::CopyScreenToClipboard(window.get(), QRect(250, 150, 100, 100));
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(100, 100));
    EXPECT_EQ(QColor(QGuiApplication::clipboard()->image().pixel(10, 10)), QColor(Qt::gray));
    EXPECT_EQ(env.messages.texts(), QStringList{"Screen Copied to Clipboard."});
}

TEST(CopyScreenToClipboard, AreasThatHoldNothingLeaveTheClipboardAlone) {
    TestEnvironment env;
    const std::unique_ptr<QWidget> window = paintedWindow();
    struct Case {
        const char* name;
        bool withWindow;
        QRect area;
    };
    const Case cases[] = {
        {"null rectangle", true, QRect()},
        {"no width", true, QRect(10, 10, 0, 40)},
        {"negative size", true, QRect(50, 50, -30, -20)},
        {"outside the window", true, QRect(400, 300, 50, 50)},
        {"no window", false, QRect(0, 0, 50, 50)},
    };
    for (const Case& c : cases) {
        env.messages.clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        clipboard::CopyScreenToClipboard(c.withWindow ? window.get() : nullptr, c.area);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept") << c.name;
        EXPECT_EQ(env.messages.texts(), QStringList{"Nothing was copied: the screen area is empty."}) << c.name;
    }
}

} // namespace

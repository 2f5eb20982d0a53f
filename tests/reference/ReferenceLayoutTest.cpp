// The reference windows' resize rule: the browser gets the window's outer size less margins given
// in twips, a row of controls below it stays visible, and a window too small changes nothing.
#include "reference/ui/ReferenceLayout.h"

#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

using namespace tova::reference;

namespace {

TEST(ReferenceLayout, BrowserFollowsTheWindowLessItsMargins) {
    const struct {
        QSize window;
        int widthMarginTwips;
        int heightMarginTwips;
        bool withRow;
        QRect browser; // the browser's old place when the size cannot be set
    } cases[] = {
        {{788, 549}, 100, 500, false, {0, 0, 782, 516}},
        {{586, 566}, 100, 480, false, {0, 0, 580, 534}},
        {{594, 500}, 100, 480, false, {0, 0, 588, 468}},
        // Too small: left where it was.
        {{5, 400}, 100, 500, false, {1, 2, 3, 4}},
        {{400, 30}, 100, 500, false, {1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        QWidget window;
        QWidget* browser = new QWidget(&window);
        browser->setGeometry(1, 2, 3, 4);
        window.resize(c.window);
        layoutBrowser(window, *browser, nullptr, c.widthMarginTwips, c.heightMarginTwips);
        EXPECT_EQ(browser->geometry(), c.browser) << c.window.width() << "x" << c.window.height();
    }
}

TEST(ReferenceLayout, TheRowBelowTheBrowserStaysInsideTheWindow) {
    QWidget window;
    QWidget* browser = new QWidget(&window);
    QPushButton* row = new QPushButton(QStringLiteral("Find"), &window);
    for (const int height : {549, 300, 120}) {
        window.resize(788, height);
        layoutBrowser(window, *browser, row, 100, 500);
        EXPECT_LE(browser->geometry().bottom(), row->geometry().top()) << height;
        EXPECT_LE(row->geometry().bottom(), window.height() - 1) << height;
        EXPECT_EQ(row->height(), row->sizeHint().height()) << height;
        EXPECT_LE(browser->height(), height - 500 / kTwipsPerPixel) << height;
    }
}

TEST(ReferenceLayout, OuterSizeInTwips) {
    QWidget window;
    setOuterSize(window, 8910, 7500);
    EXPECT_EQ(window.frameGeometry().size(), QSize(594, 500));
}

} // namespace

// The report sequence end to end over the shipped content: the sample project's complete review
// walked with Next from the fishbone screen to the last trend screen and back again with Back, each
// screen's page and pictures written; and one section opened in the dashboard element window,
// copied to the clipboard, its instructions shown and closed through its own links.
#include "RoadSupport.h"
#include "platform/AppFolder.h"
#include "platform/ScriptLiteral.h"
#include "platform/Wait.h"
#include "platform/browser/WebBrowser.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/chart/ui/ChartRenderer.h"
#include "reference/ui/frmHelp.h"
#include "reports/SectionOrder.h"
#include "reports/ui/frmDashboardElement.h"
#include "review/PageWaits.h"
#include "shell/ui/frmBrowser.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <iterator>

using namespace tova;
using namespace tova::test;

namespace {

constexpr int kScreenWaitMs = 60000;
const QString kMainFrame = QStringLiteral("main");

struct Screen {
    QString name;        // the screen name once it is on display
    QStringList written; // files the screen writes, under the application folder
    QString sectionId;   // for a scorecard: the section it shows
};

QString readText(const QString& relative) {
    return readFile(appPath(relative));
}

QString sectionDescription(const QString& sectionId) {
    return Globals::gDataDoc
        .selectSingleNode(QStringLiteral("data/survey/section[section_id = %1]/section_desc").arg(sectionId))
        .text();
}

QStringList sectionGraphs(const QString& folder) {
    QStringList files;
    for (int id = 0; id <= 4; ++id)
        files << QStringLiteral("%1/graph%2.png").arg(folder).arg(id);
    return files;
}

// The screens after the fishbone screen, in the order Next shows them.
QList<Screen> sequence() {
    QList<Screen> screens = {
        {QStringLiteral("tilechart"), {QStringLiteral("tilechart/main.htm")}, {}},
        {QStringLiteral("dashboard1"),
         QStringList{QStringLiteral("dashboard1/main.htm")} + sectionGraphs("dashboard1"),
         {}},
        {QStringLiteral("dashboard2"),
         QStringList{QStringLiteral("dashboard2/main.htm")} + sectionGraphs("dashboard2"),
         {}},
    };
    for (const qint16 id : Globals::gSectionOrder)
        screens.append({QStringLiteral("scorecard"), {QStringLiteral("scorecard/main.htm")}, QString::number(id)});
    screens.append({QStringLiteral("projecttrendgraph"),
                    {QStringLiteral("projecttrendgraph/main.htm"), QStringLiteral("projecttrendgraph/graph.png")},
                    {}});
    screens.append({QStringLiteral("projecttrenddetail"),
                    {QStringLiteral("ProjectTrendDetail/main.htm"), QStringLiteral("projecttrenddetail/graph.png")},
                    {}});
    return screens;
}

// Clicks a link of the browser's screen frame with the mouse.
bool clickScreenLink(WebBrowser& browser, const QString& href) {
    return clickLink(browser, kMainFrame, href);
}

class ReportRoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        environment.copyAppFolder();
        environment.messages.setFallback(MsgAnswer::No);
        Globals::ResetProjectState();
        Globals::LoadDatabase();
        window = frmBrowser::instance();
        window->show();
        window->menuItem(QStringLiteral("mnuSampleProject"))->trigger();
        ASSERT_TRUE(waitForScreen(QStringLiteral("fishbone")));
        ASSERT_TRUE(environment.messages.asked().isEmpty()) << environment.messages.texts().join('\n').toStdString();
    }
    void TearDown() override {
        frmDashboardElement::destroyInstance();
        Globals::ResetProjectState();
        delete frmBrowser::existingInstance();
    }

    WebBrowser& browser() { return *window->webMain(); }

    bool waitForScreen(const QString& name) {
        return waitWhile([&] { return browser().LocationName() != name; }, kScreenWaitMs) &&
               waitWhile([&] { return !browser().IsFrameComplete(kMainFrame); }, kScreenWaitMs);
    }

    // Clicks a link of the screen on display and waits until a new screen page has loaded.
    bool clickAndWaitForNewPage(const QString& href, const QString& expectedScreen) {
        review::markDocumentStale(browser(), QString());
        if (!clickScreenLink(browser(), href))
            return false;
        return review::waitForFreshDocument(browser(), QString(), kScreenWaitMs) && waitForScreen(expectedScreen);
    }

    // Clicks a link that only answers with a message box, and gives the message.
    QString clickForMessage(const QString& href) {
        environment.messages.clear();
        clickScreenLink(browser(), href);
        static_cast<void>(waitWhile([this] { return environment.messages.asked().isEmpty(); }, kScreenWaitMs));
        return environment.messages.texts().join('\n');
    }

    void expectScreen(const Screen& screen, int position) {
        EXPECT_EQ(browser().LocationName(), screen.name) << position;
        for (const QString& file : screen.written)
            EXPECT_TRUE(QFile::exists(appPath(file))) << file.toStdString() << " at " << position;
        if (!screen.sectionId.isEmpty()) {
            EXPECT_TRUE(readText(QStringLiteral("scorecard/main.htm")).contains(sectionDescription(screen.sectionId)))
                << "scorecard of section " << screen.sectionId.toStdString();
        }
        EXPECT_TRUE(readText(screen.written[0]).contains(Globals::GetProjectName())) << screen.written[0].toStdString();
    }

    // Maximizes the main window, as a user does on a screen, and waits until the window fills the free
    // area of its screen and its page has taken that size. False when the window system does not.
    bool maximize() {
        window->showMaximized();
        auto* view = window->findChild<QWebEngineView*>();
        // The page's size in CSS pixels; under a scale factor the device's pixels round it by one.
        const auto pageTakesView = [&] {
            const QVariantList inner = evaluate(QStringLiteral("[window.innerWidth, window.innerHeight]")).toList();
            return inner.size() == 2 && qAbs(inner[0].toDouble() - view->width()) <= 1 &&
                   qAbs(inner[1].toDouble() - view->height()) <= 1;
        };
        const QRect area = window->screen()->availableGeometry();
        // The frame's own lines may lie past the screen's edge.
        return waitWhile([&] { return !(window->frameGeometry().contains(area) && area.contains(window->geometry())); },
                         kScreenWaitMs) &&
               view && waitWhile([&] { return !pageTakesView(); }, kScreenWaitMs);
    }

    // The picture inside the frame line of the first element matching selector in the screen's frame,
    // as the screen shows it now, in the screen's own pixels.
    QSizeF shownPicture(const QString& selector) {
        const QVariantList line = evaluate(QStringLiteral("(function (e) { return [e.offsetWidth - e.clientWidth,"
                                                          " e.offsetHeight - e.clientHeight]; })"
                                                          "(window.frames['main'].document.querySelector(%1))")
                                               .arg(scriptLiteral(selector)))
                                      .toList();
        const std::optional<QRectF> box = visibleBox(browser(), kMainFrame, selector);
        auto* view = window->findChild<QWebEngineView*>();
        if (line.size() != 2 || !box || !view)
            return {};
        return (box->size() - QSizeF(line[0].toDouble(), line[1].toDouble()) * view->zoomFactor()) *
               window->devicePixelRatio();
    }

    // The value of a script run in the screen's top page, once it answers.
    QVariant evaluate(const QString& script) {
        auto* view = window->findChild<QWebEngineView*>();
        if (!view)
            return {};
        bool answered = false;
        QVariant value;
        view->page()->runJavaScript(script, [&](const QVariant& result) {
            value = result;
            answered = true;
        });
        static_cast<void>(waitWhile([&] { return !answered; }, kScreenWaitMs));
        return value;
    }

    TestEnvironment environment;
    frmBrowser* window = nullptr;
};

} // namespace

TEST_F(ReportRoadTest, NextWalksTheWholeSequenceAndBackWalksItHome) {
    const QList<Screen> screens = sequence();
    for (int i = 0; i < screens.size(); ++i) {
        for (const QString& file : screens[i].written)
            QFile::remove(appPath(file));
        ASSERT_TRUE(clickAndWaitForNewPage(QStringLiteral("#NXT"), screens[i].name)) << "Next to " << i;
        expectScreen(screens[i], i);
        if (!screens[i].sectionId.isEmpty())
            EXPECT_EQ(Globals::gSectionOrder[window->ScoreCardIndex()], screens[i].sectionId.toShort());
    }
    EXPECT_EQ(QImage(appPath(QStringLiteral("projecttrenddetail/graph.png"))).isNull(), false);
    EXPECT_EQ(clickForMessage(QStringLiteral("#NXT")), "You are at the last screen.");
    EXPECT_EQ(browser().LocationName(), "projecttrenddetail");

    for (int i = screens.size() - 2; i >= 0; --i) {
        ASSERT_TRUE(clickAndWaitForNewPage(QStringLiteral("#BCK"), screens[i].name)) << "Back to " << i;
        expectScreen(screens[i], i);
    }
    ASSERT_TRUE(clickAndWaitForNewPage(QStringLiteral("#BCK"), QStringLiteral("fishbone")));
    EXPECT_EQ(clickForMessage(QStringLiteral("#BCK")),
              "You are already at first screen of TOVI - use Help to return to Introduction.");
}

TEST_F(ReportRoadTest, TileChartSectionTitlesShowTheirBandColour) {
    ASSERT_TRUE(clickAndWaitForNewPage(QStringLiteral("#NXT"), QStringLiteral("tilechart")));
    // Each section's title as the browser paints it: its band and its background colour.
    const QStringList titles =
        evaluate(QStringLiteral("Array.from(window.frames['main'].document.querySelectorAll('.row-title'))"
                                ".map(function (e) { var band = e.className.match(/band-\\w+/);"
                                " return (band ? band[0] : 'none') + '=' + getComputedStyle(e).backgroundColor; })"
                                ".join(';')"))
            .toString()
            .split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const QMap<QString, QString> colours = {{"band-1", "rgb(128, 255, 128)"},
                                            {"band-2", "rgb(255, 255, 128)"},
                                            {"band-3", "rgb(255, 128, 0)"},
                                            {"band-4", "rgb(255, 0, 0)"},
                                            {"band-na", "rgb(227, 232, 238)"}};
    ASSERT_EQ(titles.size(), 5) << titles.join(' ').toStdString();
    for (const QString& title : titles) {
        const QString band = title.section(QLatin1Char('='), 0, 0);
        EXPECT_EQ(title.section(QLatin1Char('='), 1), colours.value(band, QStringLiteral("?"))) << title.toStdString();
    }
}

TEST_F(ReportRoadTest, DashboardSectionOpensTheElementWindowUntilItsBackLink) {
    ASSERT_TRUE(clickAndWaitForNewPage(QStringLiteral("#NXT"), QStringLiteral("tilechart")));
    ASSERT_TRUE(clickAndWaitForNewPage(QStringLiteral("#NXT"), QStringLiteral("dashboard1")));
    QFile::remove(appPath(QStringLiteral("element/main.htm")));
    QFile::remove(appPath(QStringLiteral("element/graph.png")));

    // Drives the modal window: once its page is up, checks it and clicks its own Back link.
    bool seen = false;
    QElapsedTimer clock;
    clock.start();
    QTimer driver;
    driver.setInterval(50);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* element = qobject_cast<frmDashboardElement*>(modal);
        if (clock.elapsed() > kScreenWaitMs) {
            driver.stop();
            if (element)
                element->reject();
            return;
        }
        if (!element || element->browser().LocationName() != QLatin1String("element") ||
            !element->browser().IsFrameComplete(kMainFrame))
            return;
        driver.stop();
        seen = true;
        EXPECT_EQ(element->windowTitle(), "TOVA Dashboard Element");
        EXPECT_EQ(QImage(appPath(QStringLiteral("element/graph.png"))).size(), QSize(625, 297) * kSavedPixelRatio);
        EXPECT_TRUE(readText(QStringLiteral("element/main.htm")).contains(sectionDescription(QStringLiteral("2"))));
        // Copy takes the capture area of this window, not the main window's.
        const QRect area = element->ScreenShotArea();
        EXPECT_TRUE(area.isValid());
        clickScreenLink(element->browser(), QStringLiteral("#CPY"));
        EXPECT_TRUE(waitWhile([&] { return environment.messages.asked().isEmpty(); }, kScreenWaitMs));
        EXPECT_EQ(environment.messages.texts(), QStringList{"Screen Copied to Clipboard."});
        EXPECT_EQ(QGuiApplication::clipboard()->image().size(), area.size());
        // The copied picture holds the whole chart, its labels included, as the window first shows it.
        const QRect chartInWindow = visibleBox(element->browser(), kMainFrame, QStringLiteral(".chart img"))
                                        .value_or(QRectF())
                                        .toAlignedRect()
                                        .translated(inputWidget(element->browser())->mapTo(element, QPoint()));
        EXPECT_GE(chartInWindow.width(), 625);
        EXPECT_GE(chartInWindow.height(), 297);
        EXPECT_TRUE(area.contains(chartInWindow))
            << "chart " << chartInWindow.x() << "," << chartInWindow.y() << " " << chartInWindow.width() << "x"
            << chartInWindow.height() << " outside the copied " << area.x() << "," << area.y() << " " << area.width()
            << "x" << area.height();
        environment.messages.clear();
        // Instructions for the element screen come up over it; closing them returns to it.
        QString helpShown;
        QTimer helpCloser;
        helpCloser.setInterval(50);
        QObject::connect(&helpCloser, &QTimer::timeout, [&] {
            auto* help = qobject_cast<frmHelp*>(QApplication::activeModalWidget());
            if (!help || help->browser().Busy() || help->browser().ReadyState() != 4)
                return;
            helpCloser.stop();
            helpShown = help->browser().LocationURL();
            help->reject();
        });
        helpCloser.start();
        clickScreenLink(element->browser(), QStringLiteral("#HLP"));
        EXPECT_TRUE(waitWhile([&] { return helpShown.isEmpty(); }, kScreenWaitMs));
        helpCloser.stop();
        EXPECT_TRUE(helpShown.endsWith(QStringLiteral("/Instructions/charts.htm"))) << helpShown.toStdString();
        clickScreenLink(element->browser(), QStringLiteral("#BCK"));
    });
    driver.start();
    clickScreenLink(browser(), QStringLiteral("#DSH2"));
    EXPECT_TRUE(waitWhile([&] { return !seen || QApplication::activeModalWidget() != nullptr; }, kScreenWaitMs));
    EXPECT_TRUE(seen);
    EXPECT_FALSE(frmDashboardElement::instance().isVisible());
    EXPECT_EQ(browser().LocationName(), "dashboard1") << "the main window's screen is unchanged";
    EXPECT_TRUE(environment.messages.asked().isEmpty()) << environment.messages.texts().join('\n').toStdString();
}

TEST_F(ReportRoadTest, SectionAnsweredOnlyNotApplicableHasNoElementScreen) {
    // Every question of section 4 in the review's phase answered with the option that never scores.
    QStringList pairs;
    const QList<Xml::XmlNode> questions = Globals::gDataDoc.selectNodes(
        QStringLiteral("data/survey/section[section_id = 4]/category/question[phase_id = %1]/question_id")
            .arg(Globals::GetCurrentPhase()));
    ASSERT_FALSE(questions.isEmpty());
    for (const Xml::XmlNode& id : questions)
        pairs << QStringLiteral("R%1=V5").arg(id.text().trimmed());
    Globals::SaveAnswers(QStringLiteral("file:///survey/main.htm?") + pairs.join('&'));
    QFile page(appPath(QStringLiteral("element/main.htm")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
    page.write("previous page");
    page.close();

    ASSERT_TRUE(clickAndWaitForNewPage(QStringLiteral("#NXT"), QStringLiteral("tilechart")));
    ASSERT_TRUE(clickAndWaitForNewPage(QStringLiteral("#NXT"), QStringLiteral("dashboard1")));

    EXPECT_EQ(clickForMessage(QStringLiteral("#DSH4")), QStringLiteral("No Graph To Display."));
    EXPECT_EQ(readText(QStringLiteral("element/main.htm")), "previous page");
    EXPECT_FALSE(frmDashboardElement::instance().isVisible());
}

// The suite runs again under a locale that writes decimals with a comma (e2e.de_DE). There the
// files whose numbers pass through the style sheets (the fishbone's line coordinates, the priority
// order of the priority dashboard's charts and of the element window) must come out as they do with
// the C library's number format in its C form, which the second walk sets explicitly.
TEST_F(ReportRoadTest, PriorityScreensAndFishboneAreWrittenAsUnderTheCNumberFormat) {
    const auto bytes = [](const QString& relative) {
        QFile file(appPath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    // From the fishbone screen to the priority dashboard, each section opened in the element window
    // from there, and back to the fishbone screen, which is built anew. The files it passes, by name
    // (the element window's by the link too).
    const auto walk = [&] {
        QMap<QString, QByteArray> files;
        EXPECT_TRUE(clickAndWaitForNewPage(QStringLiteral("#NXT"), QStringLiteral("tilechart")));
        EXPECT_TRUE(clickAndWaitForNewPage(QStringLiteral("#NXT"), QStringLiteral("dashboard1")));
        EXPECT_TRUE(clickAndWaitForNewPage(QStringLiteral("#NXT"), QStringLiteral("dashboard2")));
        for (const qint16 id : Globals::gSectionOrder) {
            const QString chart = QStringLiteral("dashboard2/graph%1.png").arg(id);
            files[chart] = bytes(chart);
            const QString link = QStringLiteral("#DSH%1").arg(id);
            frmDashboardElement& element = frmDashboardElement::instance();
            bool shown = false;
            whenModal(
                &element,
                [&] {
                    return element.browser().LocationName() == QLatin1String("element") &&
                           element.browser().IsFrameComplete(kMainFrame);
                },
                [&] {
                    shown = true;
                    for (const QString& file :
                         {QStringLiteral("element/main.htm"), QStringLiteral("element/graph.png")})
                        files[link + QLatin1Char(' ') + file] = bytes(file);
                    clickScreenLink(element.browser(), QStringLiteral("#BCK"));
                });
            EXPECT_TRUE(clickScreenLink(browser(), link));
            EXPECT_TRUE(waitWhile([&] { return !shown || element.isVisible(); }, kScreenWaitMs)) << link.toStdString();
        }
        for (const QString& back :
             {QStringLiteral("dashboard1"), QStringLiteral("tilechart"), QStringLiteral("fishbone")})
            EXPECT_TRUE(clickAndWaitForNewPage(QStringLiteral("#BCK"), back));
        files[QStringLiteral("fishbone/fish.htm")] = bytes(QStringLiteral("fishbone/fish.htm"));
        return files;
    };

    const QMap<QString, QByteArray> underProcessLocale = walk();
    const QByteArray processNumbers = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "C");
    const QMap<QString, QByteArray> underC = walk();
    std::setlocale(LC_NUMERIC, processNumbers.constData());

    EXPECT_EQ(underC.size(), qsizetype(1 + 3 * Globals::gSectionOrder.size()));
    EXPECT_EQ(underProcessLocale.keys(), underC.keys());
    for (auto it = underC.cbegin(); it != underC.cend(); ++it) {
        EXPECT_FALSE(it.value().isEmpty()) << it.key().toStdString();
        EXPECT_TRUE(underProcessLocale.value(it.key()) == it.value()) << it.key().toStdString();
    }
    EXPECT_TRUE(environment.messages.asked().isEmpty()) << environment.messages.texts().join('\n').toStdString();
}

// The dashboards on the screens users have, each run on an X server of that size under a window
// manager (the roads' own server is smaller than an office screen): with the main window maximized,
// every chart is shown at least this many times its design size, in the screen's own pixels, and no
// page scrolls sideways. On an office screen the charts grow so that their labels can be read; on a
// laptop they never shrink. A QT_SCALE_FACTOR of the run holds on those servers too.
struct DashboardScreen {
    const char* size; // of the X server's screen
    double least;     // times the design size, at least
};
constexpr DashboardScreen kDashboardScreens[] = {{"1920x1080", 1.6}, {"1366x768", 1.0}};
// Names the screen of kDashboardScreens that a run is started on.
const char* const kDashboardScreenVariable = "TOVA_ROAD_DASHBOARD_SCREEN";

TEST(DashboardScreensRoad, ChartsGrowOnAnOfficeScreenAndNeverShrinkOnALaptop) {
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    ASSERT_FALSE(xvfbRun.isEmpty());
    for (const DashboardScreen& screen : kDashboardScreens) {
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kDashboardScreenVariable), QString::fromLatin1(screen.size));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        run.setProcessEnvironment(environment);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(xvfbRun, {QStringLiteral("-a"), QStringLiteral("-s"),
                            QStringLiteral("-screen 0 %1x24").arg(QString::fromLatin1(screen.size)),
                            QStringLiteral(TOVA_SOURCE_DIR "/tests/e2e/under-window-manager.sh"),
                            QCoreApplication::applicationFilePath(),
                            QStringLiteral("--gtest_filter=ReportRoadTest.DashboardChartsOnThisRunsScreen")});
        const bool ended = waitForProcessEnd(run, 5 * kScreenWaitMs);
        const QString output = QString::fromLocal8Bit(run.readAll());
        // A run that skipped the test passes nothing.
        EXPECT_TRUE(ended && run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0 &&
                    output.contains(QStringLiteral("[  PASSED  ] 1 test")))
            << screen.size << ":\n"
            << output.split(QLatin1Char('\n'))
                   .filter(QRegularExpression(QStringLiteral("Failure|Expected|Which is|actual|chart|scroll")))
                   .join(QLatin1Char('\n'))
                   .toStdString();
    }
}

// One screen of the road above, on the X server that road starts.
TEST_F(ReportRoadTest, DashboardChartsOnThisRunsScreen) {
    const QByteArray size = qgetenv(kDashboardScreenVariable);
    const auto screen = std::find_if(std::begin(kDashboardScreens), std::end(kDashboardScreens),
                                     [&](const DashboardScreen& known) { return size == known.size; });
    if (screen == std::end(kDashboardScreens))
        GTEST_SKIP() << "runs on an X server of its own, started by DashboardScreensRoad";
    // The charts' design sizes, by section.
    const QMap<qint16, QSize> design = {
        {0, QSize(370, 100)}, {1, QSize(375, 107)}, {2, QSize(375, 107)}, {3, QSize(375, 107)}, {4, QSize(370, 100)}};
    const qreal ratio = window->devicePixelRatio();
    const QSize screenPixels = (QSizeF(window->screen()->availableGeometry().size()) * ratio).toSize();
    ASSERT_EQ(QStringLiteral("%1x%2").arg(screenPixels.width()).arg(screenPixels.height()), QLatin1String(size));
    ASSERT_TRUE(maximize());

    ASSERT_TRUE(clickAndWaitForNewPage(QStringLiteral("#NXT"), QStringLiteral("tilechart")));
    for (const QString& dashboard : {QStringLiteral("dashboard1"), QStringLiteral("dashboard2")}) {
        ASSERT_TRUE(clickAndWaitForNewPage(QStringLiteral("#NXT"), dashboard));
        EXPECT_EQ(evaluate(QStringLiteral("(function (d) { return d.scrollWidth - d.clientWidth; })"
                                          "(window.frames['main'].document.documentElement)")),
                  QVariant(0))
            << "sideways scroll on " << dashboard.toStdString();
        for (auto chart = design.cbegin(); chart != design.cend(); ++chart) {
            const QString selector = QStringLiteral("a[href='#DSH%1'] img").arg(chart.key());
            // Each chart in turn brought into view, as a user scrolls to it, and measured there.
            ASSERT_TRUE(elementCentre(browser(), kMainFrame, selector)) << selector.toStdString();
            const QSizeF shown = shownPicture(selector);
            const QSizeF least = QSizeF(chart.value()) * screen->least;
            EXPECT_TRUE(shown.width() >= least.width() && shown.height() >= least.height())
                << dashboard.toStdString() << " chart " << chart.key() << " shown " << shown.width() << "x"
                << shown.height() << ", at least " << least.width() << "x" << least.height();
        }
    }
}

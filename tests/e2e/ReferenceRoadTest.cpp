// The reference windows in real windows over the shipped content: the definitions window from the
// Tools menu and from a question's definition link, the acronym window, and the instructions for
// the fishbone screen. Modal windows are driven from timers that wait (bounded) until they are up.
#include "QuestionnaireData.h"
#include "RoadSupport.h"
#include "platform/AppFolder.h"
#include "platform/ScriptLiteral.h"
#include "platform/Services.h"
#include "platform/Wait.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "reference/ui/FindBar.h"
#include "reference/ui/frmAcronyms.h"
#include "reference/ui/frmGlossary.h"
#include "reference/ui/frmHelp.h"
#include "review/ui/ReviewWindows.h"
#include "review/ui/frmSurvey.h"
#include "shell/WindowRegistry.h"
#include "shell/ui/frmBrowser.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"
#include "store/Reviews.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

using namespace tova;
using namespace tova::test;

namespace {
constexpr int kPageTimeoutMs = 15000;

// Waits until the frame's first heading reads text.
bool frameHeadingBecomes(WebBrowser& browser, const QString& frame, const QString& text) {
    return waitWhile([&] { return !headingIs(browser, frame, text); }, kPageTimeoutMs);
}

// True when the index marks exactly the link with this address.
bool indexMarks(WebBrowser& browser, const QString& href) {
    return browser.ExecScript(
        QStringLiteral("var marked = document.querySelectorAll('a.highlight');"
                       "if (marked.length !== 1 || marked[0].getAttribute('href') !== %1) throw 0;")
            .arg(tova::scriptLiteral(href)),
        QStringLiteral("side"));
}

bool click(WebBrowser& browser, const QString& frame, const QString& selector) {
    return clickElement(browser, frame, selector);
}

// Puts a link with this address into the frame's page and clicks it with the mouse: for commands
// that no shipped page links to.
bool clickNew(WebBrowser& browser, const QString& frame, const QString& href) {
    return browser.ExecScript(QStringLiteral("var a = document.createElement('a'); a.href = %1;"
                                             "a.textContent = 'link'; document.body.appendChild(a);")
                                  .arg(tova::scriptLiteral(href)),
                              frame) &&
           clickLink(browser, frame, href);
}

QString abbreviation(const QString& id) {
    return Globals::gDataDoc
        .selectSingleNode(QStringLiteral("data/acronyms/acronym[acronym_id = \"%1\"]/abbreviation").arg(id))
        .text();
}

using ReferenceRoad = MainWindowRoad;

} // namespace

TEST_F(ReferenceRoad, DefinitionsFromTheToolsMenu) {
    QPointer<frmGlossary> glossary = &frmGlossary::instance();
    bool drove = false;
    whenFramesReady(glossary.data(), [&] {
        drove = true;
        WebBrowser& browser = glossary->browser();
        EXPECT_EQ(glossary->windowTitle(), QStringLiteral("TOVA Defititions and Suggestions"));
        // Opened on 1A1, marked in the index.
        EXPECT_TRUE(frameHeadingBecomes(browser, QStringLiteral("main"), term(QStringLiteral("1A1"))));
        EXPECT_TRUE(indexMarks(browser, QStringLiteral("#gls1A1")));

        // Another term of the index shows in frame "main" and is what would be printed.
        EXPECT_TRUE(click(browser, QStringLiteral("side"), QStringLiteral("a[href=\"#gls1B1\"]")));
        EXPECT_TRUE(frameHeadingBecomes(browser, QStringLiteral("main"), term(QStringLiteral("1B1"))));
        EXPECT_TRUE(
            readFile(appFolder + QStringLiteral("/definitions/main.htm")).contains(term(QStringLiteral("1B1"))));
        // Print prints that page: portrait, no preview.
        EXPECT_TRUE(click(browser, QStringLiteral("main"), QStringLiteral("a[href=\"#PRT\"]")));
        EXPECT_TRUE(waitWhile([&] { return env.printouts->jobs.isEmpty(); }, kPageTimeoutMs));
        if (!env.printouts->jobs.isEmpty()) {
            EXPECT_FALSE(env.printouts->jobs.first().preview);
            EXPECT_EQ(env.printouts->jobs.first().orientation, QPageLayout::Portrait);
            EXPECT_TRUE(env.printouts->jobs.first().pageText.contains(term(QStringLiteral("1B1"))));
        }

        // "NUL" empties frame "main".
        EXPECT_TRUE(clickNew(browser, QStringLiteral("side"), QStringLiteral("#NUL")));
        EXPECT_TRUE(waitWhile(
            [&] {
                return !browser.ExecScript(QStringLiteral("if (document.querySelector('h1')) throw 0;"),
                                           QStringLiteral("main"));
            },
            kPageTimeoutMs));
        // Commands the window does not know go to the main window's handler.
        EXPECT_TRUE(clickNew(browser, QStringLiteral("side"), QStringLiteral("#NXT")));
        EXPECT_TRUE(waitWhile([&] { return env.messages.texts().isEmpty(); }, kPageTimeoutMs));
        EXPECT_EQ(env.messages.texts(), QStringList{QStringLiteral("Unknown Screen")});
        env.messages.clear();

        // The page's Find opens our find bar over the index and lets the navigation go on.
        EXPECT_TRUE(click(browser, QStringLiteral("side"), QStringLiteral("a[href=\"#FND\"]")));
        EXPECT_TRUE(waitWhile([&] { return !glossary->findBar().isVisible(); }, kPageTimeoutMs));
        EXPECT_TRUE(waitWhile(
            [&] {
                return !browser.ExecScript(QStringLiteral("if (location.hash !== '#FND') throw 0;"),
                                           QStringLiteral("side"));
            },
            kPageTimeoutMs));
        glossary->findBar().input()->setText(QStringLiteral("no such words anywhere"));
        glossary->findBar().findNext();
        EXPECT_TRUE(waitWhile([&] { return glossary->findBar().outcome().isEmpty(); }, kPageTimeoutMs));
        glossary->findBar().dismiss();
        EXPECT_TRUE(glossary->isVisible());

        // The index's Close link unloads the window.
        EXPECT_TRUE(click(browser, QStringLiteral("side"), QStringLiteral("a[href=\"#BCK\"]")));
    });
    mainWindow->menuItem(QStringLiteral("mnuGlossary"))->trigger();
    EXPECT_TRUE(drove);
    EXPECT_TRUE(glossary.isNull());
    EXPECT_EQ(env.messages.texts(), QStringList());
}

TEST_F(ReferenceRoad, AKeyWithoutATermShowsTheEmptyDefinition) {
    QPointer<frmGlossary> glossary = &frmGlossary::instance();
    const QString blank = readFile(appFolder + QStringLiteral("/definitions/blank.htm"));
    whenFramesReady(glossary.data(), [&] {
        EXPECT_TRUE(readFile(appFolder + QStringLiteral("/definitions/main.htm")).startsWith(blank.trimmed()));
        EXPECT_TRUE(glossary->browser().ExecScript(
            QStringLiteral("if (document.querySelector('a.highlight')) throw 0;"), QStringLiteral("side")));
        glossary->reject();
    });
    // A key holding a double quote cannot stand in the selection; it must not change it either.
    mainWindow->gotoGlossary(QStringLiteral("1A1\"] | //*[\""));
    EXPECT_TRUE(glossary.isNull());
    EXPECT_EQ(env.messages.texts(), QStringList());
}

TEST_F(ReferenceRoad, AMissingStyleSheetIsReportedAndTheWindowStillCloses) {
    ASSERT_TRUE(QFile::remove(appFolder + QStringLiteral("/definitions/glossdefs.xsl")));
    QPointer<frmGlossary> glossary = &frmGlossary::instance();
    whenModal(glossary, [&] { glossary->reject(); });
    mainWindow->gotoGlossary(QStringLiteral("1A1"));
    EXPECT_EQ(env.messages.texts(), QStringList{QStringLiteral("Error loading XSL")});
    EXPECT_TRUE(glossary.isNull());
}

TEST_F(ReferenceRoad, DefinitionLinkOfAQuestionOpensOnItsTerm) {
    showSample();
    ASSERT_FALSE(Globals::gCurrentReview.isNull());
    // The second question of a category in the review's phase links to its own term.
    QString categoryId;
    QString key;
    for (const Xml::XmlNode& category : Globals::gDataDoc.selectNodes(QStringLiteral("data/survey/section/category"))) {
        const QList<Xml::XmlNode> numbers = category.selectNodes(
            QStringLiteral("question[phase_id = \"%1\"]/question_number").arg(Globals::GetCurrentPhase()));
        if (numbers.size() >= 2) {
            categoryId = category.selectSingleNode(QStringLiteral("category_id")).text();
            key = numbers.at(1).text().section(QLatin1Char('.'), 1);
            break;
        }
    }
    ASSERT_FALSE(key.isEmpty());
    ASSERT_FALSE(term(key).isEmpty());

    QPointer<frmGlossary> glossary = &frmGlossary::instance();
    bool shownOverSurvey = false;
    EXPECT_TRUE(driveQuestionnaire(categoryId, [&](frmSurvey& survey) {
        whenFramesReady(glossary.data(), [&] {
            shownOverSurvey = survey.isVisible();
            EXPECT_TRUE(frameHeadingBecomes(glossary->browser(), QStringLiteral("main"), term(key)));
            EXPECT_TRUE(indexMarks(glossary->browser(), QStringLiteral("#gls") + key));
            glossary->close();
        });
        EXPECT_TRUE(clickElement(survey.browser(), QStringLiteral("main"),
                                 QStringLiteral("a.q-gls[href$=\"gls%1\"]").arg(key)));
        // Back in the questionnaire once the definitions window has closed.
        EXPECT_TRUE(waitWhile([&] { return !glossary.isNull(); }, kDriveTimeoutMs));
        EXPECT_TRUE(survey.isVisible());
        survey.close();
    }));
    EXPECT_TRUE(shownOverSurvey);
    EXPECT_TRUE(glossary.isNull());
    EXPECT_EQ(env.messages.texts(), QStringList());
}

TEST_F(ReferenceRoad, AcronymsFromTheToolsMenu) {
    QPointer<frmAcronyms> acronyms = &frmAcronyms::instance();
    bool drove = false;
    whenFramesReady(acronyms.data(), [&] {
        drove = true;
        WebBrowser& browser = acronyms->browser();
        EXPECT_EQ(acronyms->windowTitle(), QStringLiteral("TOVA Acronym Glossary"));
        EXPECT_TRUE(frameHeadingBecomes(browser, QStringLiteral("main"), abbreviation(QStringLiteral("13"))));
        // The index is not marked when the window opens.
        EXPECT_TRUE(browser.ExecScript(QStringLiteral("if (document.querySelector('a.highlight')) throw 0;"),
                                       QStringLiteral("side")));
        EXPECT_TRUE(click(browser, QStringLiteral("side"), QStringLiteral("a[href=\"#acr2\"]")));
        EXPECT_TRUE(frameHeadingBecomes(browser, QStringLiteral("main"), abbreviation(QStringLiteral("2"))));
        // A link written with leading zeros names the same entry.
        EXPECT_TRUE(clickNew(browser, QStringLiteral("side"), QStringLiteral("#acr007")));
        EXPECT_TRUE(frameHeadingBecomes(browser, QStringLiteral("main"), abbreviation(QStringLiteral("7"))));
        // Print prints the entry on display.
        EXPECT_TRUE(click(browser, QStringLiteral("main"), QStringLiteral("a[href=\"#PRT\"]")));
        EXPECT_TRUE(waitWhile([&] { return env.printouts->jobs.isEmpty(); }, kPageTimeoutMs));
        if (!env.printouts->jobs.isEmpty()) {
            EXPECT_TRUE(env.printouts->jobs.first().pageText.contains(abbreviation(QStringLiteral("7"))));
        }
        // The Find button opens the find bar.
        pressButton(acronyms->findButton());
        EXPECT_TRUE(acronyms->findBar().isVisible());
        // The index's Close link unloads the window.
        EXPECT_TRUE(click(browser, QStringLiteral("side"), QStringLiteral("a[href=\"#BCK\"]")));
    });
    mainWindow->menuItem(QStringLiteral("mnuAcronyms"))->trigger();
    EXPECT_TRUE(drove);
    EXPECT_TRUE(acronyms.isNull());
    EXPECT_EQ(env.messages.texts(), QStringList());
}

TEST_F(ReferenceRoad, InstructionsForTheFishboneScreen) {
    showSample();
    QPointer<frmHelp> help = &frmHelp::instance();
    bool drove = false;
    whenModal(
        help, [&] { return !help->browser().Busy() && help->browser().ReadyState() == 4; },
        [&] {
            drove = true;
            EXPECT_EQ(help->windowTitle(), QStringLiteral("Instructions"));
            EXPECT_TRUE(help->browser().LocationURL().endsWith(QStringLiteral("/Instructions/fishbone.htm")))
                << help->browser().LocationURL().toStdString();
            // Sized for the fishbone page: 8910 by 7500 twips.
            EXPECT_EQ(help->frameGeometry().size(), QSize(594, 500));
            // Beside the main window, clear of the screen's own links along its top.
            EXPECT_TRUE(whollyOnScreen(*help));
            const QStringList links{QStringLiteral("#BCK"), QStringLiteral("#NXT"), QStringLiteral("#HLP")};
            if (roomClearOfLinks(*mainWindow->webMain(), QStringLiteral("main"), links, help->frameGeometry().size()))
                for (const QString& link : links)
                    EXPECT_FALSE(coversLink(*help, *mainWindow->webMain(), QStringLiteral("main"), link))
                        << link.toStdString();
            // Any link in the page closes the window without showing its target.
            EXPECT_TRUE(clickElement(help->browser(), QString(), QStringLiteral("a")));
        });
    // The screen's own Instructions link, inside its frame.
    ASSERT_TRUE(clickLink(*mainWindow->webMain(), QStringLiteral("main"), QStringLiteral("#HLP")));
    EXPECT_TRUE(waitWhile([&] { return !drove || !help.isNull(); }, kDriveTimeoutMs));
    EXPECT_TRUE(help.isNull());
    EXPECT_EQ(mainWindow->webMain()->LocationName(), QStringLiteral("fishbone"));
}

TEST_F(ReferenceRoad, InstructionsForAScreenWithoutThemOpenEmpty) {
    QPointer<frmHelp> help = &frmHelp::instance();
    bool drove = false;
    whenModal(help, [&] {
        drove = true;
        EXPECT_TRUE(help->browser().LocationURL().isEmpty() ||
                    help->browser().LocationURL() == QLatin1String("about:blank"));
        EXPECT_EQ(help->size(), QSize(586, 566));
        EXPECT_TRUE(whollyOnScreen(*help));
        help->reject();
    });
    frmHelp::showHelp(QStringLiteral("tilechart.htm"));
    EXPECT_TRUE(drove);
    EXPECT_TRUE(help.isNull());
}

namespace {

// True when the frame's marked entry lies wholly inside the frame's visible part.
bool markInView(WebBrowser& browser, const QString& frame) {
    return browser.ExecScript(
        QStringLiteral("var m = document.querySelector('a.highlight'); if (!m) throw 0;"
                       "var r = m.getBoundingClientRect();"
                       "if (innerHeight < 50 || r.height <= 0 || r.top < 0 || r.bottom > innerHeight) throw 0;"),
        frame);
}

// The definition key whose term stands halfway down the index (the index sorts by term): out of
// sight in a frame scrolled as it was before the window had its size.
QString middleIndexedKey() {
    QList<std::pair<QString, QString>> terms;
    for (const Xml::XmlNode& item : Globals::gDataDoc.selectNodes(QStringLiteral("data/glossary/gloss_item")))
        terms.append({item.selectSingleNode(QStringLiteral("small_term")).text(),
                      item.selectSingleNode(QStringLiteral("gloss_key")).text().trimmed()});
    std::sort(terms.begin(), terms.end(),
              [](const auto& a, const auto& b) { return a.first.compare(b.first, Qt::CaseInsensitive) < 0; });
    return terms.isEmpty() ? QString() : terms.at(terms.size() / 2).second;
}

} // namespace

TEST_F(ReferenceRoad, TheMarkedTermIsInSightWhenTheDefinitionsWindowOpens) {
    const QString key = middleIndexedKey();
    ASSERT_FALSE(key.isEmpty());
    QPointer<frmGlossary> glossary = &frmGlossary::instance();
    bool drove = false;
    whenFramesReady(glossary.data(), [&] {
        drove = true;
        EXPECT_TRUE(indexMarks(glossary->browser(), QStringLiteral("#gls") + key));
        EXPECT_TRUE(
            waitWhile([&] { return !markInView(glossary->browser(), QStringLiteral("side")); }, kPageTimeoutMs));
        glossary->reject();
    });
    mainWindow->gotoGlossary(key);
    EXPECT_TRUE(drove);
    EXPECT_EQ(env.messages.texts(), QStringList());
}

TEST_F(ReferenceRoad, TheOpenCategoryIsInSightWhenTheQuestionnaireOpens) {
    showSample();
    // The tree lists the categories in the questionnaire's order; one a fifth down is out of
    // sight in a frame scrolled as it was before the window had its size.
    const QList<Xml::XmlNode> ids =
        Globals::gDataDoc.selectNodes(QStringLiteral("data/survey/section/category/category_id"));
    ASSERT_FALSE(ids.isEmpty());
    const QString categoryId = ids.at(ids.size() / 5).text().trimmed();
    EXPECT_TRUE(driveQuestionnaire(categoryId, [&](frmSurvey& survey) {
        EXPECT_TRUE(indexMarks(survey.browser(), QStringLiteral("#cat") + categoryId));
        EXPECT_TRUE(waitWhile([&] { return !markInView(survey.browser(), QStringLiteral("side")); }, kPageTimeoutMs));
        survey.close();
    }));
    EXPECT_EQ(env.messages.texts(), QStringList());
}

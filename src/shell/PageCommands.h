// The page command dispatcher of the main window: what a clicked link address asks for, and the
// Next/Back order of the report screens.
#pragma once

#include <QString>

namespace tova {

class PageCommandTarget;
class WebBrowser;
struct PageCommand;
struct ReportScreen;

class PageCommands {
public:
    PageCommands(PageCommandTarget& target, WebBrowser& webMain) : m_target(target), m_webMain(webMain) {}

    // Runs the command the address carries; true when the navigation is to be cancelled.
    bool HandleURL(const QString& url);
    // Rebuilds the report screen on display; other pages are left alone.
    void RefreshScreen();

    // The main browser's location name with every ".htm" removed.
    QString screenName() const;

    // Position in the section order of the scorecard on display (0 to 4).
    qint16 ScoreCardIndex = 0;
    // The section id of the scorecard at ScoreCardIndex.
    qint16 scoreCardSection() const;

private:
    struct LinkCode;
    // The entry of the link code table for a code; null for a code that is no command.
    static const LinkCode* findLinkCode(const QString& code);

    void Next();
    void Back();
    // Shows the screen; the scorecard at scoreCardIndex.
    void showScreen(const ReportScreen& screen, int scoreCardIndex);
    void skipIntroduction();
    void showHelp();
    void openQuestionnaire(const QString& commandText, qint16 categoryId);
    void chooseReviewOnNoReviewPage();
    void goToScoreCardAt(int index);

    PageCommandTarget& m_target;
    WebBrowser& m_webMain;
};

} // namespace tova

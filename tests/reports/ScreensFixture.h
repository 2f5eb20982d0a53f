// A small questionnaire, an open project with one review of phase 3 and an application folder of
// its own holding the report style sheets, for the report screen tests.
#pragma once

#include "support/FakeBrowser.h"
#include "support/FakeMainWindow.h"
#include "support/HomeInScratch.h"
#include "support/TestEnvironment.h"

#include <QString>

namespace tova::test {

// Phase 3. Section 2 "People": category 7 with questions 101 (12.1A3, weight 0.05, option 2 weighs
// 33.3) and 102 (4.2B1.7, weight 0.07); category 8 with question 103 of phase 4 only. Section 0
// "Process": category 9 with questions 104 (number without ".", no weight) and 105 (3.9Q9, weight
// 0.1). The glossary knows 1A3 (twice) and 2B1.
QString screensDatabaseXml();

class ScreensScene {
public:
    ScreensScene();
    ~ScreensScene();
    ScreensScene(const ScreensScene&) = delete;
    ScreensScene& operator=(const ScreensScene&) = delete;

    // Answers of the current review as the question form submits them ("R101=V2&R102=V5").
    void answer(const QString& pairs);
    // Every phase-3 question: 101 with option 2, 102 with 5, 104 and 105 with 1.
    void answerAll();

    // Replaces a style sheet of the application folder by one that prints what it receives.
    void printParametersIn(const QString& styleSheet);
    QString page(const QString& relative) const;
    void writePage(const QString& relative, const QString& text);

    TestEnvironment environment;
    // Save As makes its proposed folder; it goes in the test's own documents folder.
    HomeInScratch home{environment.scratch.filePath(QStringLiteral("home"))};
    FakeMainWindow mainWindow;
    FakeBrowser browser{QStringLiteral("webMain")};
    QString app;
};

// The text of one <p id="..."> of a page written by the printing style sheet.
QString printed(const QString& page, const QString& id);

} // namespace tova::test

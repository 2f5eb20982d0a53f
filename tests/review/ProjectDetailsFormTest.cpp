// The project details form: decoding what the browser submits and filling the form with stored
// texts.
#include "review/ProjectDetailsForm.h"

#include <gtest/gtest.h>

using namespace tova::review;

TEST(ProjectDetailsForm, FormValuesComeBackExactlyAsTyped) {
    const struct {
        const char* submitted;
        const char* expected;
    } cases[] = {
        {"Z%C3%BCrich", "Zürich"},
        {"Z%c3%bcrich", "Zürich"},
        {"Zürich", "Zürich"}, // a browser that hands the address over decoded
        {"R%26D+%2B+QA", "R&D + QA"},
        {"100%25", "100%"},
        {"%252B", "%2B"},
        {"a+b", "a b"},
        {"%27%22%5C%3C%2Fscript%3E", "'\"\\</script>"},
        {"line%0D%0Abreak", "line\r\nbreak"},
        {"Az09-_.*", "Az09-_.*"},
        {"50%", "50%"},
        {"%zz%4", "%zz%4"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatGetString(QString::fromUtf8(c.submitted)), QString::fromUtf8(c.expected)) << c.submitted;
    // A leading U+FEFF is a letter of the text, not a mark to drop.
    EXPECT_EQ(FormatGetString(QStringLiteral("%EF%BB%BFlead")), QString(QChar(0xFEFF)) + QStringLiteral("lead"));
}

TEST(ProjectDetailsForm, ValuesStandAtTheOddPositionsOfTheQuery) {
    const ProjectFields full = parseProjectSubmission(QStringLiteral(
        "file:///app/NewProj/Proj.htm?refnum=R-1&projname=R%26D+Lab&subprojname=&loc=Z%C3%BCrich&owner=O&pm=P"));
    EXPECT_EQ(full, (ProjectFields{QStringLiteral("R-1"), QStringLiteral("R&D Lab"), QString(),
                                   QStringLiteral("Zürich"), QStringLiteral("O"), QStringLiteral("P")}));

    // Fewer than twelve parts: what is missing is empty, nothing fails.
    const ProjectFields shortQuery = parseProjectSubmission(QStringLiteral("Proj.htm?refnum=7&projname"));
    EXPECT_EQ(shortQuery, (ProjectFields{QStringLiteral("7"), QString(), QString(), QString(), QString(), QString()}));
    EXPECT_EQ(parseProjectSubmission(QStringLiteral("Proj.htm?")), ProjectFields{});
    EXPECT_EQ(parseProjectSubmission(QStringLiteral("Proj.htm")), ProjectFields{});
    // Only the first "?" starts the query; a later one belongs to a value.
    EXPECT_EQ(parseProjectSubmission(QStringLiteral("a?refnum=x?y"))[0], QStringLiteral("x?y"));
    // A fragment left on the page's address is no part of the last value.
    EXPECT_EQ(
        parseProjectSubmission(QStringLiteral("Proj.htm?refnum=1&projname=2&subprojname=3&loc=4&owner=5&pm=P#CLS"))
            .back(),
        QStringLiteral("P"));
}

TEST(ProjectDetailsForm, TextsSubmittedAsShownKeepTheirStoredBytes) {
    const ProjectFields stored{QStringLiteral("two\r\nlines"),
                               QString(QChar(0xFEFF)) + QStringLiteral("P"),
                               QStringLiteral("S"),
                               QStringLiteral("L"),
                               QStringLiteral("O"),
                               QStringLiteral("M")};
    const ProjectFields submitted{QStringLiteral("twolines"), QString(QChar(0xFEFF)) + QStringLiteral("P"),
                                  QStringLiteral("S2"),       QStringLiteral("L"),
                                  QStringLiteral("O"),        QString()};
    EXPECT_EQ(keepUneditedTexts(submitted, stored),
              (ProjectFields{stored[0], stored[1], QStringLiteral("S2"), QStringLiteral("L"), QStringLiteral("O"),
                             QString()}));
}

TEST(ProjectDetailsForm, FillScriptsKeepHostileTextsInsideTheLiteral) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"plain", "document.proj.projname.value = 'plain';"},
        {"O'Brien", "document.proj.projname.value = 'O\\'Brien';"},
        {"C:\\temp\\new", "document.proj.projname.value = 'C:\\\\temp\\\\new';"},
        {"say \"hi\"", "document.proj.projname.value = 'say \\\"hi\\\"';"},
        {"</script><b>", "document.proj.projname.value = '\\x3C/script>\\x3Cb>';"},
        {"two\nlines\r", "document.proj.projname.value = 'two\\nlines\\r';"},
        {"\\'", "document.proj.projname.value = '\\\\\\'';"},
    };
    for (const auto& c : cases) {
        const QString line = fieldFillScript(QStringLiteral("projname"), QString::fromUtf8(c.text));
        EXPECT_EQ(line, QString::fromUtf8(c.expected)) << c.text;
        EXPECT_FALSE(line.contains(QLatin1Char('\n')));
    }
}

TEST(ProjectDetailsForm, CancelLinksEndInUpperCaseCls) {
    EXPECT_TRUE(isCancelLink(QStringLiteral("file:///app/NewProj/Proj.htm#CLS")));
    EXPECT_TRUE(isCancelLink(QStringLiteral("file:///app/NewProj/Proj.htm#top#CLS")));
    EXPECT_FALSE(isCancelLink(QStringLiteral("file:///app/NewProj/Proj.htm#cls")));
    EXPECT_FALSE(isCancelLink(QStringLiteral("file:///app/NewProj/Proj.htm#CLS?x")));
    // Folder letters are not a link.
    EXPECT_FALSE(isCancelLink(QStringLiteral("file:///home/NCLS")));
    EXPECT_FALSE(isCancelLink(QStringLiteral("file:///home/NCLS/NewProj/Proj.htm")));
    EXPECT_TRUE(isCancelLink(QStringLiteral("file:///home/NCLS/NewProj/Proj.htm#CLS")));
}

TEST(ProjectDetailsForm, ASubmissionWhoseLastTextEndsInClsIsStored) {
    // A project manager named "J. NCLS" ends the submitted address in "CLS".
    const QString url = QStringLiteral(
        "file:///home/NCLS/NewProj/Proj.htm?refnum=R1&projname=P&subprojname=S&loc=L&owner=O&pm=J.+NCLS");
    EXPECT_FALSE(isCancelLink(url));
    EXPECT_EQ(parseProjectSubmission(url).back(), QStringLiteral("J. NCLS"));
    // A fragment after the query still does not make it a link.
    EXPECT_FALSE(isCancelLink(url + QStringLiteral("#CLS")));
}

// The new review dialog's reading of the phase page's submission and the stored date text.
#include "review/NewReviewRules.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace tova::review;

TEST(NewReviewRules, PhaseIsThePartAfterTheFirstFieldName) {
    const struct {
        const char* url;
        std::optional<qint16> expected;
    } cases[] = {
        {"file:///app/WebBrowser1.html?phase=3", 3},
        {"file:///app/WebBrowser1.html?phase=V3", 3},
        {"file:///app/WebBrowser1.html?phase=V12&x=1", 12},
        {"file:///app/WebBrowser1.html?", std::nullopt},
        {"file:///app/WebBrowser1.html?phase", std::nullopt},
        {"file:///app/WebBrowser1.html?phase=", std::nullopt},
        {"file:///app/WebBrowser1.html?phase=abc", std::nullopt},
        {"file:///app/WebBrowser1.html?phase=-2", std::nullopt},
        {"file:///app/WebBrowser1.html?phase=40000", std::nullopt},
        {"file:///app/WebBrowser1.html", std::nullopt},
        // A page left at "#CLS" by a cancelled close submits with that fragment after the query.
        {"file:///app/WebBrowser1.html?phase=1#CLS", 1},
        {"file:///app/WebBrowser1.html#CLS?phase=1", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parsePhaseSubmission(QString::fromUtf8(c.url)), c.expected) << c.url;
}

TEST(NewReviewRules, ReviewDatesUseEnglishMonthsUnderEveryLocale) {
    const QLocale saved;
    for (const QLocale::Language language : {QLocale::German, QLocale::French, QLocale::Japanese}) {
        QLocale::setDefault(QLocale(language));
        EXPECT_EQ(formatReviewDate(QDate(2003, 5, 6)), QStringLiteral("May 06, 2003"));
        EXPECT_EQ(formatReviewDate(QDate(2026, 12, 31)), QStringLiteral("Dec 31, 2026"));
    }
    QLocale::setDefault(saved);
}

TEST(NewReviewRules, TypedDatesAreReadOnlyInTheBoxsOwnForm) {
    const struct {
        const char* typed;
        QDate expected;
    } cases[] = {
        {"Aug 20, 2024", QDate(2024, 8, 20)},
        {" aug 2, 2024 ", QDate(2024, 8, 2)},
        {"08/20/2024", QDate()},
        {"Feb 30, 2024", QDate()},
        {"Aug 20 2024", QDate()},
        {"", QDate()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseTypedReviewDate(QString::fromUtf8(c.typed)).value_or(QDate()), c.expected) << c.typed;
}

// What the two project trend charts plot: one point per complete review of the open project, newest
// first, labelled with its date and phase; the overall chart plots the review index, the
// per-section chart the rework risk of each section.
#pragma once

#include "platform/chart/ChartControl.h"
#include "platform/xml/XmlDocument.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace Reports {

struct TrendPoint {
    double date = 0.0; // days since 30 December 1899, as the chart's X value
    QString label;
    QVector<double> values; // one per series
};

struct TrendData {
    QStringList seriesNames; // empty when no review is complete
    QList<TrendPoint> points;
};

enum class TrendKind { Overall, PerSection };

// A review date as stored ("May 06, 2003"), read under the user's locale first (also in its short
// and long forms, as they are and with the year written in full), then in English.
std::optional<QDate> ReadReviewDate(const QString& text);
// The same for many dates, with the locales and their forms looked up once.
class ReviewDateReader {
public:
    ReviewDateReader();
    std::optional<QDate> read(const QString& text) const;

private:
    // The stored form, "May 06, 2003", in the user's month names, read without the general parser;
    // nothing when the text is in any other form.
    std::optional<QDate> readStoredForm(const QString& text) const;

    QLocale m_user;
    QStringList m_userMonths; // short names, January first
    QLocale m_english;
    QStringList m_stored;
    QStringList m_userFormats;
};
// Days since 30 December 1899.
double OleDate(const QDate& date);
// "2003May06 (2)": year, the month's short name in the user's locale, day, then the phase. A date
// that cannot be read shows its stored text instead.
QString TrendLabel(const QString& dateText, const QString& phaseText);

// A number to one decimal place, a value exactly halfway going to the even neighbour.
double RoundToTenth(double value);
// The overall value: the survey score of a scored copy, to one decimal place.
double ReviewIndex(const Xml::XmlDocument& scoredCopy);
// The per-section value: 100 less the section's score when that score, to one decimal place, is
// above 0; otherwise 100.
double SectionRisk(const Xml::XmlDocument& scoredCopy, qint16 sectionId);

// Newest first. Reviews of one day come in the order that exchanging, for each place in turn, its
// point with every later point that is newer leaves them.
void OrderNewestFirst(QList<TrendPoint>& points);

// Judges and scores every review of the project against its own phase and gathers the points of the
// complete ones, with the values a scored copy of the questionnaire would give. Without an open
// project there are no points.
TrendData GatherTrend(const Xml::XmlDocument& project, TrendKind kind);

// The design of each chart and its filling from gathered data.
tova::ChartControl TrendChart(TrendKind kind);
void FillTrendChart(const TrendData& data, tova::ChartControl& chart);

} // namespace Reports

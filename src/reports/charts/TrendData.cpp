#include "reports/charts/TrendData.h"

#include "reports/ReportPipeline.h"
#include "reports/SectionOrder.h"
#include "store/Database.h"
#include "store/Scoring.h"
#include "store/SurveyIndex.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <utility>
#include <vector>

namespace Reports {
namespace {

const QDate kOleEpoch(1899, 12, 30);

std::optional<QDate> readWith(const QLocale& locale, const QString& text, const QStringList& formats) {
    for (const QString& format : formats) {
        const QDate date = locale.toDate(text, format);
        if (date.isValid())
            return date;
    }
    return std::nullopt;
}

QString sectionDescription(const Xml::XmlDocument& data, qint16 sectionId) {
    return data.selectSingleNode(QStringLiteral("data/survey/section[section_id = %1]").arg(sectionId))
        .childText(QStringLiteral("section_desc"));
}

double indexOf(const QString& scoreText) {
    return RoundToTenth(Globals::ParseNumber(scoreText));
}

// No score at all plots as 100, as a score that rounds to nothing does.
double riskOf(const QString& scoreText) {
    if (scoreText.isNull())
        return 100.0;
    bool ok = false;
    const double value = Globals::ParseNumber(scoreText, &ok);
    return ok && RoundToTenth(value) > 0.0 ? 100.0 - value : 100.0;
}

// Reads each review's values from the scores it would add to the questionnaire, as they would
// stand in a scored copy, so that no review needs a copy of its own. The elements that hold the
// plotted scores are looked up once.
class TrendReader {
public:
    TrendReader(TrendKind kind, const Xml::XmlDocument& data) : m_kind(kind), m_survey(data) {
        const Xml::XmlNode root = data.documentElement();
        if (kind == TrendKind::Overall) {
            m_names = QStringList{QStringLiteral("Review Index")};
            m_holders = root.selectNodes(QStringLiteral("survey"));
            return;
        }
        for (qint16 id : Globals::gSectionOrder) {
            m_names.append(sectionDescription(data, id));
            m_holders.append(data.selectSingleNode(QStringLiteral("data/survey/section[section_id = %1]").arg(id)));
        }
    }

    const QStringList& seriesNames() const { return m_names; }
    const tova::store::SurveyIndex& survey() const { return m_survey; }

    QVector<double> values(const Globals::ReviewScores& scores) const {
        QVector<double> values;
        if (m_kind == TrendKind::Overall) {
            // The first score of any survey element, as "survey/score" below the root finds it.
            QString text;
            for (const Xml::XmlNode& survey : m_holders) {
                text = Globals::ScoreTextIn(m_survey, survey, scores);
                if (!text.isNull())
                    break;
            }
            values.append(indexOf(text));
            return values;
        }
        for (const Xml::XmlNode& section : m_holders)
            values.append(riskOf(Globals::ScoreTextIn(m_survey, section, scores)));
        return values;
    }

private:
    TrendKind m_kind;
    tova::store::SurveyIndex m_survey;
    QStringList m_names;
    QList<Xml::XmlNode> m_holders;
};

QString labelOf(const std::optional<QDate>& date, const QString& dateText, const QString& phaseText) {
    const QString shown = date ? QLocale().toString(*date, QStringLiteral("yyyyMMMdd")) : dateText.trimmed();
    return shown + QStringLiteral(" (") + phaseText + QStringLiteral(")");
}

// The phase a review was made for; nothing when its text is not a 16-bit whole number, and such a
// review cannot be judged complete.
std::optional<qint16> phaseOf(const Xml::XmlNode& review) {
    bool ok = false;
    const short phase = review.childText(QStringLiteral("phase")).trimmed().toShort(&ok);
    return ok ? std::optional<qint16>(qint16(phase)) : std::nullopt;
}

// How many of the places 0 to n - 1 have been added, over any range of them, each in log n steps.
class PlaceCounts {
public:
    explicit PlaceCounts(int n) : m_tree(size_t(n) + 1, 0) {}
    void add(int place) {
        for (size_t k = size_t(place) + 1; k < m_tree.size(); k += k & (~k + 1))
            ++m_tree[k];
    }
    // Those added among places from to to - 1.
    int between(int from, int to) const { return below(to) - below(from); }

private:
    int below(int place) const {
        int count = 0;
        for (size_t k = size_t(place); k > 0; k -= k & (~k + 1))
            count += m_tree[k];
        return count;
    }
    std::vector<int> m_tree;
};

} // namespace

ReviewDateReader::ReviewDateReader()
    : m_english(QLocale::English, QLocale::UnitedStates),
      m_stored({QStringLiteral("MMM dd, yyyy"), QStringLiteral("MMM d, yyyy"), QStringLiteral("MMMM d, yyyy")}) {
    m_userFormats = m_stored;
    for (int month = 1; month <= 12; ++month)
        m_userMonths << m_user.monthName(month, QLocale::ShortFormat);
    for (const QLocale::FormatType type : {QLocale::ShortFormat, QLocale::LongFormat}) {
        const QString format = m_user.dateFormat(type);
        m_userFormats << format;
        // A short form such as "dd.MM.yy" reads "14.03.2025" only with the year written in full.
        if (!format.contains(QLatin1String("yyyy")))
            m_userFormats << QString(format).replace(QLatin1String("yy"), QLatin1String("yyyy"));
    }
}

std::optional<QDate> ReviewDateReader::readStoredForm(const QString& text) const {
    // "dd, yyyy" after the month's name and a blank.
    const auto digitsAt = [&text](qsizetype from, qsizetype count) {
        int value = 0;
        for (qsizetype k = from; k < from + count; ++k) {
            if (text.at(k) < QLatin1Char('0') || text.at(k) > QLatin1Char('9'))
                return -1;
            value = value * 10 + text.at(k).digitValue();
        }
        return value;
    };
    for (int month = 1; month <= 12; ++month) {
        const QString& name = m_userMonths.at(month - 1);
        const qsizetype day = name.size() + 1;
        if (name.isEmpty() || text.size() != day + 8 || !text.startsWith(name) ||
            text.at(day - 1) != QLatin1Char(' ') || text.at(day + 2) != QLatin1Char(',') ||
            text.at(day + 3) != QLatin1Char(' '))
            continue;
        // A year of other than digits is no year here: QDate would take -1 as a year before Christ.
        const int year = digitsAt(day + 4, 4);
        const QDate date(year, month, digitsAt(day, 2));
        if (year > 0 && date.isValid())
            return date;
    }
    return std::nullopt;
}

std::optional<QDate> ReviewDateReader::read(const QString& text) const {
    const QString trimmed = text.trimmed();
    // The general parser reads the stored form first, as this does, and costs more than the rest of
    // a review's point.
    if (const std::optional<QDate> date = readStoredForm(trimmed))
        return date;
    if (const std::optional<QDate> date = readWith(m_user, trimmed, m_userFormats))
        return date;
    return readWith(m_english, trimmed, m_stored);
}

std::optional<QDate> ReadReviewDate(const QString& text) {
    return ReviewDateReader().read(text);
}

double OleDate(const QDate& date) {
    return double(kOleEpoch.daysTo(date));
}

QString TrendLabel(const QString& dateText, const QString& phaseText) {
    return labelOf(ReadReviewDate(dateText), dateText, phaseText);
}

double RoundToTenth(double value) {
    return RoundHalfEven(value * 10.0) / 10.0;
}

double ReviewIndex(const Xml::XmlDocument& scoredCopy) {
    return indexOf(scoredCopy.documentElement().selectSingleNode(QStringLiteral("survey/score")).text());
}

double SectionRisk(const Xml::XmlDocument& scoredCopy, qint16 sectionId) {
    const Xml::XmlNode score =
        scoredCopy.selectSingleNode(QStringLiteral("data/survey/section[section_id = %1]/score").arg(sectionId));
    return riskOf(score.isNull() ? QString() : score.text());
}

void OrderNewestFirst(QList<TrendPoint>& points) {
    // The exchange pass at i leaves the newest remaining point at i, and only reorders points of one
    // date among themselves where it moves the first of them past newer points. Followed through,
    // each date's points end up as this: take them in stored order, and after each one rotate those
    // taken so far left once for every newer point stored between it and the next of its date (or the
    // end). That needs only counts of newer points, which a running count tree gives, so the whole
    // order costs n log n instead of n * n / 2 exchanges.
    const int n = int(points.size());
    std::vector<int> byDate(size_t(n), 0);
    std::iota(byDate.begin(), byDate.end(), 0);
    std::stable_sort(byDate.begin(), byDate.end(),
                     [&points](int a, int b) { return points.at(a).date > points.at(b).date; });
    PlaceCounts newer(n);
    std::vector<int> order;
    order.reserve(size_t(n));
    for (int first = 0; first < n;) {
        int end = first;
        while (end < n && points.at(byDate[size_t(end)]).date == points.at(byDate[size_t(first)]).date)
            ++end;
        std::vector<int> sameDate;
        for (int k = first; k < end; ++k) {
            const int place = byDate[size_t(k)];
            sameDate.push_back(place);
            const int next = k + 1 < end ? byDate[size_t(k + 1)] : n;
            const int turns = newer.between(place + 1, next) % int(sameDate.size());
            std::rotate(sameDate.begin(), sameDate.begin() + turns, sameDate.end());
        }
        order.insert(order.end(), sameDate.begin(), sameDate.end());
        for (int k = first; k < end; ++k)
            newer.add(byDate[size_t(k)]);
        first = end;
    }
    QList<TrendPoint> ordered;
    ordered.reserve(points.size());
    for (int place : order)
        ordered.append(std::move(points[place]));
    points = std::move(ordered);
}

TrendData GatherTrend(const Xml::XmlDocument& project, TrendKind kind) {
    TrendData data;
    if (project.isNull() || project.documentElement().isNull() || Globals::gDataDoc.documentElement().isNull())
        return data;
    // Every review is judged and scored on the questionnaire itself, which stays untouched.
    const TrendReader reader(kind, Globals::gDataDoc);
    const ReviewDateReader dates;
    std::map<qint16, bool> phaseScores;
    QList<int> undated;
    for (const Xml::XmlNode& review : project.selectNodes(QStringLiteral("project/review"))) {
        const std::optional<qint16> phase = phaseOf(review);
        if (!phase)
            continue;
        // A review without questions has no score; it would plot as a perfect one.
        const auto known = phaseScores.find(*phase);
        const bool scores =
            known != phaseScores.end()
                ? known->second
                : phaseScores.emplace(*phase, !Globals::PhaseWithoutQuestions(QString::number(*phase))).first->second;
        if (!scores)
            continue;
        const tova::store::ResponseIndex answers(review);
        if (!Globals::IsReviewComplete(reader.survey(), *phase, answers))
            continue;

        TrendPoint point;
        const QString dateText = review.childText(QStringLiteral("date"));
        const std::optional<QDate> date = dates.read(dateText);
        if (date)
            point.date = OleDate(*date);
        else
            undated.append(int(data.points.size()));
        point.label = labelOf(date, dateText, review.childText(QStringLiteral("phase")));
        point.values = reader.values(Globals::ScoreReview(Globals::gDataDoc, reader.survey(), answers, *phase,
                                                          Globals::ScoreDetail::SectionsAndSurvey));
        if (data.points.isEmpty())
            data.seriesNames = reader.seriesNames();
        data.points.append(point);
    }
    // A review whose date cannot be read is kept, as the oldest: it stands a day before the oldest
    // readable one, so that the time axis is not stretched back to the start of the calendar.
    double oldest = 1.0;
    bool anyDated = false;
    for (int i = 0; i < data.points.size(); ++i)
        if (!undated.contains(i)) {
            oldest = anyDated ? std::min(oldest, data.points.at(i).date) : data.points.at(i).date;
            anyDated = true;
        }
    for (int i : undated)
        data.points[i].date = oldest - 1.0;
    OrderNewestFirst(data.points);
    return data;
}

tova::ChartControl TrendChart(TrendKind kind) {
    tova::ChartDesign design;
    design.type = tova::ChartType::Plot;
    design.showLegend = true;
    design.fontFamily = QStringLiteral("Verdana");
    if (kind == TrendKind::Overall)
        design.seriesColours = {{31, 94, 168}};
    else
        design.seriesColours = {{31, 94, 168}, {214, 96, 23}, {46, 139, 87}, {163, 45, 150}, {196, 30, 58}};
    tova::ChartControl chart(kind == TrendKind::Overall ? 641 : 665, 277, design);
    chart.axis1().title = QStringLiteral("Review Date");
    chart.axis1().annotation = tova::AxisAnnotation::PointLabels;
    chart.axis2().title = QStringLiteral("TOVI Index");
    return chart;
}

void FillTrendChart(const TrendData& data, tova::ChartControl& chart) {
    chart.setNumPoints(int(data.points.size()));
    chart.clearPointLabels();
    chart.clearSeriesLabels();
    for (const QString& name : data.seriesNames)
        chart.appendSeriesLabel(name);
    for (int k = 1; k <= data.points.size(); ++k) {
        const TrendPoint& point = data.points.at(k - 1);
        chart.appendPointLabel(point.label);
        chart.setXValue(k, point.date);
        for (int s = 1; s <= point.values.size(); ++s)
            chart.setValue(s, k, point.values.at(s - 1));
    }
}

} // namespace Reports

#include "reports/charts/TrendData.h"

#include "reports/ReportPipeline.h"
#include "reports/SectionOrder.h"
#include "store/Database.h"
#include "store/Scoring.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace Reports {
namespace {

const QDate kOleEpoch(1899, 12, 30);

QString childText(const Xml::XmlNode& node, const QString& name) {
    const Xml::XmlNode child = node.selectSingleNode(name);
    return child.isNull() ? QString() : child.text();
}

std::optional<QDate> readWith(const QLocale& locale, const QString& text, const QStringList& formats) {
    for (const QString& format : formats) {
        const QDate date = locale.toDate(text, format);
        if (date.isValid())
            return date;
    }
    return std::nullopt;
}

QString sectionDescription(const Xml::XmlDocument& copy, qint16 sectionId) {
    return childText(copy.selectSingleNode(QStringLiteral("data/survey/section[section_id = %1]").arg(sectionId)),
                     QStringLiteral("section_desc"));
}

QStringList seriesNames(TrendKind kind, const Xml::XmlDocument& scoredCopy) {
    if (kind == TrendKind::Overall)
        return {QStringLiteral("Review Index")};
    QStringList names;
    for (qint16 id : Globals::gSectionOrder)
        names.append(sectionDescription(scoredCopy, id));
    return names;
}

QVector<double> pointValues(TrendKind kind, const Xml::XmlDocument& scoredCopy) {
    if (kind == TrendKind::Overall)
        return {ReviewIndex(scoredCopy)};
    QVector<double> values;
    for (qint16 id : Globals::gSectionOrder)
        values.append(SectionRisk(scoredCopy, id));
    return values;
}

// The phase a review was made for; nothing when its text is not a 16-bit whole number, and such a
// review cannot be judged complete.
std::optional<qint16> phaseOf(const Xml::XmlNode& review) {
    bool ok = false;
    const short phase = childText(review, QStringLiteral("phase")).trimmed().toShort(&ok);
    return ok ? std::optional<qint16>(qint16(phase)) : std::nullopt;
}

} // namespace

std::optional<QDate> ReadReviewDate(const QString& text) {
    const QString trimmed = text.trimmed();
    const QStringList stored = {QStringLiteral("MMM dd, yyyy"), QStringLiteral("MMM d, yyyy"),
                                QStringLiteral("MMMM d, yyyy")};
    const QLocale user;
    QStringList userFormats = stored;
    for (const QLocale::FormatType type : {QLocale::ShortFormat, QLocale::LongFormat}) {
        const QString format = user.dateFormat(type);
        userFormats << format;
        // A short form such as "dd.MM.yy" reads "14.03.2025" only with the year written in full.
        if (!format.contains(QLatin1String("yyyy")))
            userFormats << QString(format).replace(QLatin1String("yy"), QLatin1String("yyyy"));
    }
    if (const std::optional<QDate> date = readWith(user, trimmed, userFormats))
        return date;
    return readWith(QLocale(QLocale::English, QLocale::UnitedStates), trimmed, stored);
}

double OleDate(const QDate& date) {
    return double(kOleEpoch.daysTo(date));
}

QString TrendLabel(const QString& dateText, const QString& phaseText) {
    const std::optional<QDate> date = ReadReviewDate(dateText);
    const QString shown = date ? QLocale().toString(*date, QStringLiteral("yyyyMMMdd")) : dateText.trimmed();
    return shown + QStringLiteral(" (") + phaseText + QStringLiteral(")");
}

double RoundToTenth(double value) {
    return RoundHalfEven(value * 10.0) / 10.0;
}

double ReviewIndex(const Xml::XmlDocument& scoredCopy) {
    return RoundToTenth(Globals::ParseNumber(childText(scoredCopy.documentElement(), QStringLiteral("survey/score"))));
}

double SectionRisk(const Xml::XmlDocument& scoredCopy, qint16 sectionId) {
    const Xml::XmlNode score =
        scoredCopy.selectSingleNode(QStringLiteral("data/survey/section[section_id = %1]/score").arg(sectionId));
    if (score.isNull())
        return 100.0;
    bool ok = false;
    const double value = Globals::ParseNumber(score.text(), &ok);
    return ok && RoundToTenth(value) > 0.0 ? 100.0 - value : 100.0;
}

void OrderNewestFirst(QList<TrendPoint>& points) {
    const int n = int(points.size());
    for (int i = 0; i < n - 1; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if (points.at(i).date < points.at(j).date)
                points.swapItemsAt(i, j);
        }
    }
}

TrendData GatherTrend(const Xml::XmlDocument& project, TrendKind kind) {
    TrendData data;
    if (project.isNull() || project.documentElement().isNull())
        return data;
    // Judging reads the project and the questionnaire only; scores are written into a copy of the
    // questionnaire, made only for a complete review.
    QList<int> undated;
    for (const Xml::XmlNode& review : project.selectNodes(QStringLiteral("project/review"))) {
        const std::optional<qint16> phase = phaseOf(review);
        // A review without questions has no score; it would plot as a perfect one.
        if (!phase || Globals::PhaseWithoutQuestions(QString::number(*phase)) || !Globals::IsReviewComplete(*phase, review))
            continue;
        Xml::XmlDocument scoredCopy = CopyDatabase();
        if (scoredCopy.documentElement().isNull())
            continue;
        Globals::ComputeScores(scoredCopy, Xml::XmlDocument::copyOf(review), *phase);

        TrendPoint point;
        const QString dateText = childText(review, QStringLiteral("date"));
        const std::optional<QDate> date = ReadReviewDate(dateText);
        if (date)
            point.date = OleDate(*date);
        else
            undated.append(int(data.points.size()));
        point.label = TrendLabel(dateText, childText(review, QStringLiteral("phase")));
        point.values = pointValues(kind, scoredCopy);
        if (data.points.isEmpty())
            data.seriesNames = seriesNames(kind, scoredCopy);
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

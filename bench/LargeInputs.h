// Inputs larger than anything shipped, made when a benchmark starts (never committed): the
// questionnaire ten times over, and projects whose reviews answer every question of their phase.
#pragma once

#include "platform/xml/XmlDocument.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QString>

namespace bench {

// Nine more copies of every category, with ids moved out of the way of the originals.
inline QString tenTimesDatabase(const QString& shipped) {
    Xml::XmlDocument doc = Xml::XmlDocument::create();
    doc.loadXML(shipped);
    const QString text = doc.xml();
    static const QRegularExpression categoryPattern(QStringLiteral("<category>.*?</category>"),
                                                    QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression categoryId(QStringLiteral("<category_id>(\\d+)</category_id>"));
    static const QRegularExpression questionId(QStringLiteral("<question_id>(\\d+)</question_id>"));
    QString result;
    qsizetype last = 0;
    auto it = categoryPattern.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        result += text.mid(last, match.capturedEnd() - last);
        last = match.capturedEnd();
        for (int k = 1; k < 10; ++k) {
            QString copy = match.captured();
            auto shift = [&copy](const QRegularExpression& pattern, const QString& tag, int by) {
                QString shifted;
                qsizetype from = 0;
                auto ids = pattern.globalMatch(copy);
                while (ids.hasNext()) {
                    const QRegularExpressionMatch id = ids.next();
                    shifted += copy.mid(from, id.capturedStart() - from);
                    shifted += QStringLiteral("<%1>%2</%1>").arg(tag).arg(id.captured(1).toInt() + by);
                    from = id.capturedEnd();
                }
                copy = shifted + copy.mid(from);
            };
            shift(categoryId, QStringLiteral("category_id"), k * 100);
            shift(questionId, QStringLiteral("question_id"), k * 3000);
            result += copy;
        }
    }
    return result + text.mid(last);
}

// One review element (id, phase, date ten days after the previous one) answering every question
// of its phase in the questionnaire: each with 2, or, varied, with answers whose mix (and so the
// review's scores) changes from review to review.
inline QString completeReview(const Xml::XmlDocument& data, int id, int phase, bool varied = false) {
    const QString date =
        QLocale(QLocale::English).toString(QDate(2004, 1, 1).addDays(10 * (id - 1)), QStringLiteral("MMM dd, yyyy"));
    QString xml = QStringLiteral("<review id=\"%1\"><phase>%2</phase><date>%3</date>").arg(id).arg(phase).arg(date);
    const auto ids =
        data.selectNodes(QStringLiteral("data/survey/section/category/question[phase_id = %1]/question_id").arg(phase));
    const int shareOfFours = (id * 37) % 101;
    for (const Xml::XmlNode& questionId : ids) {
        const int spread = (questionId.text().toInt() * 53 + id * 17) % 101;
        const int answer = !varied ? 2 : spread < shareOfFours ? 4 : 1 + spread % 3;
        xml += QStringLiteral("<response><question_id>%1</question_id><answer>%2</answer></response>")
                   .arg(questionId.text())
                   .arg(answer);
    }
    return xml + QStringLiteral("</review>");
}

// A project text of complete reviews (phases 1 to 5 in turn), the first current, as long as it
// stays within maxBytes or until it holds maxReviews.
inline QByteArray projectOfCompleteReviews(const Xml::XmlDocument& data, int maxReviews, qint64 maxBytes,
                                           bool varied = false) {
    QByteArray xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<project ver=\"2.0\"><reference_num>R-1</reference_num>"
        "<projectname>Large</projectname><subprojectname/><location/><owner/><projectmanager/>"
        "<currentreview>1</currentreview>";
    const QByteArray end = "</project>\n";
    for (int id = 1; id <= maxReviews; ++id) {
        const QByteArray review = completeReview(data, id, 1 + (id - 1) % 5, varied).toUtf8();
        if (xml.size() + review.size() + end.size() > maxBytes)
            break;
        xml += review;
    }
    return xml + end;
}

// About 14 MB that the reader accepts: 3.5 million unknown empty elements in the project (kind 0)
// or in its current review (kind 2), or 1.4 million empty reviews (kind 1).
inline QByteArray emptyElementsProject(int kind) {
    QByteArray bytes = "<project><currentreview>1</currentreview>";
    if (kind == 2)
        bytes += "<review id=\"1\"><phase>1</phase><date>May 06, 2003</date>";
    bytes += kind == 1 ? QByteArray("<review/>").repeated(1400000) : QByteArray("<x/>").repeated(3500000);
    bytes += kind == 2 ? "</review></project>" : "</project>";
    return bytes;
}

} // namespace bench

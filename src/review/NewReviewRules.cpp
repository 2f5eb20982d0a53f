#include "review/NewReviewRules.h"

#include "platform/FormQuery.h"
#include "review/ReviewClock.h"

#include <QLocale>
#include <QStringList>

namespace tova::review {

namespace {

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace

Clock& systemClock() {
    static SystemClock clock;
    return clock;
}

std::optional<qint16> parsePhaseSubmission(const QString& url) {
    const std::optional<QStringList> pieces = formQueryPieces(url);
    if (!pieces || pieces->size() < 2)
        return std::nullopt;
    QString part = pieces->at(1);
    part.remove(QLatin1Char('V'));
    if (part.isEmpty())
        return std::nullopt;
    for (const QChar c : part) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    bool ok = false;
    const short id = part.toShort(&ok);
    return ok ? std::optional<qint16>(id) : std::nullopt;
}

namespace {

QLocale reviewDateLocale() {
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

} // namespace

QString formatReviewDate(const QDate& date) {
    return reviewDateLocale().toString(date, QStringLiteral("MMM dd, yyyy"));
}

std::optional<QDate> parseTypedReviewDate(const QString& typed) {
    const QDate date = reviewDateLocale().toDate(typed.trimmed(), QStringLiteral("MMM d, yyyy"));
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

} // namespace tova::review

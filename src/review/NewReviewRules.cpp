#include "review/NewReviewRules.h"

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
    QString text = url;
    text.replace(QLatin1Char('='), QLatin1Char('&'));
    const int question = text.indexOf(QLatin1Char('?'));
    if (question < 0)
        return std::nullopt;
    text = text.mid(question + 1);
    text.remove(QLatin1Char('V'));
    const QStringList parts = text.split(QLatin1Char('&'));
    if (parts.size() < 2)
        return std::nullopt;
    const QString& part = parts.at(1);
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

QString formatReviewDate(const QDate& date) {
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(date, QStringLiteral("MMM dd, yyyy"));
}

} // namespace tova::review

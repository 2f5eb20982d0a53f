#include "platform/FormQuery.h"

namespace tova {

std::optional<QString> formQuery(const QString& address) {
    const qsizetype question = address.indexOf(QLatin1Char('?'));
    const qsizetype hash = address.indexOf(QLatin1Char('#'));
    if (question < 0 || (hash >= 0 && hash < question))
        return std::nullopt;
    const qsizetype end = hash < 0 ? address.size() : hash;
    return address.mid(question + 1, end - question - 1);
}

std::optional<QStringList> formQueryPieces(const QString& address) {
    const std::optional<QString> query = formQuery(address);
    if (!query)
        return std::nullopt;
    return queryPieces(*query);
}

QStringList queryPieces(QString query) {
    query.replace(QLatin1Char('='), QLatin1Char('&'));
    return query.split(QLatin1Char('&'));
}

} // namespace tova

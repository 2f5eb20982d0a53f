#include "platform/ScriptLiteral.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace tova {

QString scriptLiteral(const QString& text) {
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    // "[...]" around the one string.
    QString quoted = QString::fromUtf8(json.mid(1, json.size() - 2));
    quoted.replace(QChar(0x2028), QStringLiteral("\\u2028"));
    quoted.replace(QChar(0x2029), QStringLiteral("\\u2029"));
    return quoted;
}

} // namespace tova

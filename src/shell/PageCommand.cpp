#include "shell/PageCommand.h"

#include <QRegularExpression>

namespace tova {

PageCommand PageCommand::parse(const QString& url) {
    PageCommand command;
    if (url.right(4).toLower() == QLatin1String(".pdf")) {
        command.isPdf = true;
        return command;
    }
    const qsizetype hash = url.lastIndexOf(QLatin1Char('#'));
    if (hash < 0)
        return command;
    command.hasHash = true;
    command.text = url.mid(hash + 1).toUpper();
    if (command.text.size() >= 3)
        command.code = command.text.left(3);
    return command;
}

std::optional<qint16> PageCommand::numberArgument() const {
    if (code.isEmpty())
        return std::nullopt;
    QString argument = text;
    argument.remove(code);
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    if (!wholeNumber.match(argument).hasMatch())
        return std::nullopt;
    bool ok = false;
    const short value = argument.toShort(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace tova

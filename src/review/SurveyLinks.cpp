#include "review/SurveyLinks.h"

#include "platform/LinkFragment.h"

#include <QStringList>

#include <limits>

namespace tova::review {

namespace {

// A whole number written with an optional sign and decimal digits only.
std::optional<qint64> wholeNumber(const QString& text) {
    if (text.isEmpty() || text.size() > 12)
        return std::nullopt;
    int start = (text.front() == QLatin1Char('-') || text.front() == QLatin1Char('+')) ? 1 : 0;
    if (start == text.size())
        return std::nullopt;
    for (int i = start; i < text.size(); ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return std::nullopt;
    }
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

} // namespace

qint32 getCat(const QString& url) {
    const QStringList pieces = url.split(QStringLiteral("#cat"));
    if (pieces.size() < 2)
        return -1;
    const std::optional<qint64> value = wholeNumber(pieces.at(1));
    if (!value || *value < std::numeric_limits<qint32>::min() || *value > std::numeric_limits<qint32>::max())
        return -1;
    return static_cast<qint32>(*value);
}

std::optional<qint16> categoryLinkId(const QString& url) {
    const qint32 id = getCat(url);
    if (id < 0 || id > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(id);
}

SurveyLink classifySurveyLink(const QString& url) {
    const QString fragment = linkFragment(url);
    if (fragment.startsWith(QLatin1String("Back")))
        return SurveyLink::Close;
    if (url.contains(QLatin1Char('?')))
        return SurveyLink::StoreAnswers;
    if (fragment.contains(QLatin1String("gls")))
        return SurveyLink::Definition;
    if (categoryLinkId(url))
        return SurveyLink::Category;
    return SurveyLink::Other;
}

std::optional<QString> statusMark(const QString& status) {
    if (status == QLatin1String("complete"))
        return QStringLiteral("c");
    if (status == QLatin1String("incomplete"))
        return QStringLiteral("i");
    if (status == QLatin1String("noquestions"))
        return QStringLiteral("nq");
    return std::nullopt;
}

QString swapImageScript(const QString& categoryId, const QString& state) {
    return QStringLiteral("swapImageWithHref(\"#cat%1\",\"%2\")")
        .arg(escapeScriptString(categoryId), escapeScriptString(state));
}

QString highlightScript(const QString& key) {
    return QStringLiteral("findAndHighlight(\"#%1\")").arg(escapeScriptString(key.toLower()));
}

QString submitFormScript() {
    return QStringLiteral("javascript:document.forms[0].submit()");
}

QString escapeScriptString(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\'':
            out += QLatin1String("\\'");
            break;
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '<':
            out += QLatin1String("\\x3C");
            break;
        case 0x2028:
            out += QLatin1String("\\u2028");
            break;
        case 0x2029:
            out += QLatin1String("\\u2029");
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace tova::review

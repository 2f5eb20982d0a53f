#include "review/ProjectDetailsForm.h"

#include "platform/FormQuery.h"
#include "platform/LinkFragment.h"
#include "platform/xml/XmlText.h"
#include "review/SurveyLinks.h"

namespace tova::review {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

const QStringList& projectFieldNames() {
    static const QStringList names{QStringLiteral("refnum"), QStringLiteral("projname"), QStringLiteral("subprojname"),
                                   QStringLiteral("loc"),    QStringLiteral("owner"),    QStringLiteral("pm")};
    return names;
}

QString FormatGetString(const QString& value) {
    const QByteArray in = value.toUtf8();
    QByteArray out;
    out.reserve(in.size());
    for (int i = 0; i < in.size(); ++i) {
        const char c = in.at(i);
        if (c == '+') {
            out += ' ';
        } else if (c == '%' && i + 2 < in.size() && hexValue(in.at(i + 1)) >= 0 && hexValue(in.at(i + 2)) >= 0) {
            out += static_cast<char>(hexValue(in.at(i + 1)) * 16 + hexValue(in.at(i + 2)));
            i += 2;
        } else {
            out += c;
        }
    }
    // A leading U+FEFF is a letter of the text, not a byte order mark to drop.
    return Xml::textFromUtf8(out.constData(), int(out.size()));
}

ProjectFields parseProjectSubmission(const QString& url) {
    const QStringList parts = formQueryPieces(url).value_or(QStringList());
    ProjectFields fields;
    for (int i = 0; i < 6; ++i) {
        const int position = 2 * i + 1;
        if (position < parts.size())
            fields[static_cast<size_t>(i)] = FormatGetString(parts.at(position));
    }
    return fields;
}

QString shownFieldText(const QString& stored) {
    QString shown = stored;
    shown.remove(QLatin1Char('\n'));
    shown.remove(QLatin1Char('\r'));
    return shown;
}

ProjectFields keepUneditedTexts(const ProjectFields& submitted, const ProjectFields& stored) {
    ProjectFields kept = submitted;
    for (size_t i = 0; i < kept.size(); ++i) {
        if (submitted[i] == shownFieldText(stored[i]))
            kept[i] = stored[i];
    }
    return kept;
}

QString fieldFillScript(const QString& field, const QString& text) {
    return QStringLiteral("document.proj.%1.value = '%2';").arg(field, escapeScriptString(text));
}

bool isCancelLink(const QString& url) {
    // A submission carries the typed texts in its query: a name ending in "CLS" is no link.
    return !url.contains(QLatin1Char('?')) && linkFragment(url).endsWith(QLatin1String("CLS"));
}

} // namespace tova::review

#include "reference/ReferenceLinks.h"

#include "platform/LinkFragment.h"

#include <array>

namespace tova::reference {

namespace {

// The text after the last "#", or the whole address when there is none.
QString afterLastHash(const QString& address) {
    return address.contains(QLatin1Char('#')) ? linkFragment(address) : address;
}

// An XPath selection with a text put between double quotes; XPath 1.0 literals have no escape, so
// a text holding a double quote selects nothing instead of changing the expression.
std::optional<QString> selectionByText(const QString& stem, const QString& text) {
    if (text.contains(QLatin1Char('"')))
        return std::nullopt;
    return stem.arg(text);
}

bool allDigits(const QString& text) {
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

QString glossKey(const QString& address) {
    QString key = afterLastHash(address);
    // Removed in one pass over the original text: "gglsls" leaves "gls".
    key.replace(QStringLiteral("gls"), QString());
    return key;
}

GlossaryAction glossaryAction(const QString& address) {
    if (address.right(4).toLower() == QLatin1String(".pdf"))
        return GlossaryAction::OpenPdf;
    const QString code = afterLastHash(address).toUpper().left(3);
    if (code == QLatin1String("NUL"))
        return GlossaryAction::ShowBlank;
    if (code == QLatin1String("GLS"))
        return GlossaryAction::ShowTerm;
    if (code == QLatin1String("BCK"))
        return GlossaryAction::Close;
    if (code == QLatin1String("PRT"))
        return GlossaryAction::Print;
    if (code == QLatin1String("FND"))
        return GlossaryAction::Find;
    return GlossaryAction::PassOn;
}

std::optional<QString> glossItemPath(const QString& key) {
    return selectionByText(QStringLiteral("data/glossary/gloss_item[gloss_key = \"%1\"]"), key);
}

AcronymLink acronymLink(const QString& address) {
    const QString fragment = linkFragment(address);
    const QString ending = fragment.right(6);
    const qsizetype acr = ending.indexOf(QLatin1String("acr"));
    if (acr >= 0) {
        const QString number = ending.mid(acr + 3);
        // At most three digits follow, so the number always fits.
        return {AcronymAction::ShowEntry, allDigits(number) ? QString::number(number.toInt()) : QString()};
    }
    if (fragment.contains(QLatin1String("BCK")))
        return {AcronymAction::Close, QString()};
    if (fragment.contains(QLatin1String("PRT")))
        return {AcronymAction::Print, QString()};
    return {AcronymAction::PassOn, QString()};
}

std::optional<QString> acronymPath(const QString& id) {
    return selectionByText(QStringLiteral("data/acronyms/acronym[acronym_id = \"%1\"]"), id);
}

std::optional<InstructionPage> instructionPageFor(const QString& locationName) {
    struct Row {
        const char* screen;
        const char* page;
        int heightTwips;
        int widthTwips;
    };
    static constexpr std::array<Row, 4> kPages{{
        {"fishbone", "Instructions/fishbone.htm", 7500, 8910},
        {"dashboard1", "Instructions/charts.htm", 9645, 9645},
        {"dashboard2", "Instructions/charts.htm", 9645, 9645},
        {"element", "Instructions/charts.htm", 9645, 9645},
    }};
    QString screen = locationName;
    screen.remove(QStringLiteral(".htm"));
    for (const Row& row : kPages) {
        if (screen == QLatin1String(row.screen))
            return InstructionPage{QString::fromLatin1(row.page), row.heightTwips, row.widthTwips};
    }
    return std::nullopt;
}

} // namespace tova::reference

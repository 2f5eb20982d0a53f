// Numbers inside XML are written and read with "." as the decimal separator under every locale, so
// a file and the style sheets' number() mean the same thing for every reader.
#include "store/Scoring.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <optional>

namespace Globals {

QString FormatNumber(double value) {
    if (value == 0.0 || !std::isfinite(value))
        return value == 0.0 ? QStringLiteral("0") : QString();
    // 'g' keeps at most 15 significant digits and drops trailing zeros, so 75.0 reads "75".
    return QString::number(value, 'g', 15);
}

namespace {

// A plain decimal ("-12.5", "75"), the form scores are written in, read straight from its digits:
// the general reader below costs more than the scoring around it. Anything else is left to it.
std::optional<double> plainDecimal(QStringView text) {
    constexpr qsizetype kLongest = 24;
    if (text.isEmpty() || text.size() > kLongest)
        return std::nullopt;
    char digits[kLongest];
    qsizetype i = 0;
    bool point = false;
    bool digitBefore = false;
    bool digitAfter = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9')
            (point ? digitAfter : digitBefore) = true;
        else if (u == u'.' && !point && digitBefore)
            point = true;
        else if (!(u == u'-' && i == 0))
            return std::nullopt;
        digits[i++] = char(u);
    }
    if (!digitBefore || (point && !digitAfter))
        return std::nullopt;
    double value = 0.0;
    const std::from_chars_result read = std::from_chars(digits, digits + i, value);
    // A zero is left to the general reader, which knows what sign it gives "-0".
    if (read.ec != std::errc() || read.ptr != digits + i || value == 0.0)
        return std::nullopt;
    return value;
}

} // namespace

double ParseNumber(const QString& text, bool* ok) {
    const QString trimmed = text.trimmed();
    if (const std::optional<double> plain = plainDecimal(trimmed)) {
        if (ok)
            *ok = true;
        return *plain;
    }
    bool good = false;
    double value = 0.0;
    // Digit grouping is refused: "1,5" must not read as fifteen.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    value = c.toDouble(trimmed, &good);
    if (!good) {
        // A file written under the user's own number format.
        QLocale user;
        user.setNumberOptions(QLocale::RejectGroupSeparator);
        value = user.toDouble(trimmed, &good);
    }
    good = good && std::isfinite(value);
    if (ok)
        *ok = good;
    return good ? value : 0.0;
}

} // namespace Globals

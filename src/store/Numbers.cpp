// Numbers inside XML are written and read with "." as the decimal separator under every locale, so
// a file and the style sheets' number() mean the same thing for every reader.
#include "store/Scoring.h"

#include <QLocale>

#include <cmath>

namespace Globals {

QString FormatNumber(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return value == 0.0 ? QStringLiteral("0") : QString();
    // 'g' keeps at most 15 significant digits and drops trailing zeros, so 75.0 reads "75".
    return QString::number(value, 'g', 15);
}

double ParseNumber(const QString& text, bool* ok)
{
    const QString trimmed = text.trimmed();
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

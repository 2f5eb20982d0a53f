#include "store/TextValues.h"

#include <cmath>
#include <limits>

namespace tova::store {
namespace {

bool isXmlBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

} // namespace

qint16 toInt16(const QString& text, bool* ok) {
    bool good = false;
    const short value = text.toShort(&good, 10);
    if (ok)
        *ok = good;
    return good ? qint16(value) : qint16(0);
}

double xpathNumber(const QString& text) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    int begin = 0;
    int end = int(text.size());
    while (begin < end && isXmlBlank(text.at(begin)))
        ++begin;
    while (end > begin && isXmlBlank(text.at(end - 1)))
        --end;
    if (begin == end)
        return nan;
    const QStringView digits = QStringView(text).mid(begin, end - begin);
    int i = 0;
    if (digits.at(0) == QLatin1Char('-'))
        ++i;
    int wholeDigits = 0;
    int fractionDigits = 0;
    bool point = false;
    for (; i < digits.size(); ++i) {
        const QChar c = digits.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            (point ? fractionDigits : wholeDigits)++;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
        } else {
            return nan;
        }
    }
    if (wholeDigits == 0 && fractionDigits == 0)
        return nan;
    // Ids are short runs of digits: read them without a conversion through text.
    if (!point && digits.at(0) != QLatin1Char('-') && wholeDigits <= 15) {
        double value = 0.0;
        for (const QChar c : digits)
            value = value * 10 + (c.unicode() - '0');
        return value;
    }
    bool good = false;
    const double value = digits.toString().toDouble(&good);
    return good && std::isfinite(value) ? value : nan;
}

} // namespace tova::store

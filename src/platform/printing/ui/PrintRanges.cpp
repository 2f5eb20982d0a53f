#include "platform/printing/ui/PrintRanges.h"

#include <QMarginsF>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace tova::printing {
namespace {

// Many printers cannot ink the outer few millimetres of a sheet.
constexpr qreal kLeastMarginMm = 10.0;
constexpr qreal kPointsPerMm = 72.0 / 25.4;

// The margin in whole points, at least 10 mm: the engine lays pages out with whole-point margins and
// drops a fraction, which took 10 mm down to 9.88.
qreal keptMargin(qreal points) {
    // A margin already whole (to rounding) stays as it is.
    return std::ceil(std::max(points, kLeastMarginMm * kPointsPerMm) - 1e-6);
}

} // namespace

QPageLayout withPrintMargins(QPageLayout layout) {
    const QMarginsF margins = layout.margins(QPageLayout::Point);
    const QMarginsF kept(keptMargin(margins.left()), keptMargin(margins.top()), keptMargin(margins.right()),
                         keptMargin(margins.bottom()));
    layout.setUnits(QPageLayout::Point);
    layout.setMargins(kept);
    return layout;
}

QPageRanges rangesWithin(const QPageRanges& asked, int pageCount) {
    QPageRanges kept;
    for (const QPageRanges::Range& range : asked.toRangeList()) {
        const int from = std::max(range.from, 1);
        const int to = std::min(range.to, pageCount);
        if (from <= to)
            kept.addRange(from, to);
    }
    return kept;
}

QString noPageInRangeText(const QPageRanges& asked, int pageCount) {
    QStringList parts;
    for (const QPageRanges::Range& range : asked.toRangeList())
        parts << (range.from == range.to ? QString::number(range.from)
                                         : QStringLiteral("%1 to %2").arg(range.from).arg(range.to));
    const QString pages = pageCount == 1 ? QStringLiteral("1 page") : QStringLiteral("%1 pages").arg(pageCount);
    return QStringLiteral("Nothing was printed: the page range %1 holds no page of this printout, which has %2.")
        .arg(parts.join(QStringLiteral(", ")), pages);
}

} // namespace tova::printing

#include "platform/printing/ui/PrintRanges.h"

#include <QMarginsF>
#include <QStringList>

#include <algorithm>

namespace tova::printing {
namespace {

// Many printers cannot ink the outer few millimetres of a sheet.
constexpr qreal kLeastMarginMm = 10.0;

} // namespace

QPageLayout withPrintMargins(QPageLayout layout) {
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    const QMarginsF kept(std::max(margins.left(), kLeastMarginMm), std::max(margins.top(), kLeastMarginMm),
                         std::max(margins.right(), kLeastMarginMm), std::max(margins.bottom(), kLeastMarginMm));
    layout.setUnits(QPageLayout::Millimeter);
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

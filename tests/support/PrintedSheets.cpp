#include "support/PrintedSheets.h"

#include "platform/printing/ui/PrintOutput.h"

#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

namespace tova::test {

namespace {

// Coarse enough to be quick, fine enough for a box to a few points.
constexpr int kDpi = 20;
// Lighter than this counts as paper: the printout's pictures carry faint compression noise.
constexpr int kPaperGrey = 245;

QRectF inkedBox(const QImage& sheet) {
    const QImage grey = sheet.convertToFormat(QImage::Format_Grayscale8);
    int left = grey.width(), top = grey.height(), right = -1, bottom = -1;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            if (row[x] >= kPaperGrey)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return {};
    const double pointsPerPixel = 72.0 / kDpi;
    return QRectF(left * pointsPerPixel, top * pointsPerPixel, (right - left + 1) * pointsPerPixel,
                  (bottom - top + 1) * pointsPerPixel);
}

} // namespace

QList<PrintedSheet> printedSheets(const QString& pdfPath) {
    QTemporaryDir folder;
    QProcess process;
    process.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-png"),
                                               pdfPath, folder.filePath(QStringLiteral("sheet"))});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    QList<PrintedSheet> sheets;
    // pdftoppm numbers the files with as many digits as the last page needs, so name order is page order.
    const QStringList files = QDir(folder.path()).entryList({QStringLiteral("sheet-*.png")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QImage picture(folder.filePath(file));
        if (picture.isNull())
            return {};
        const double pointsPerPixel = 72.0 / kDpi;
        sheets.append({QSizeF(picture.width() * pointsPerPixel, picture.height() * pointsPerPixel), inkedBox(picture)});
    }
    return sheets;
}

QMarginsF jobMargins(QPageLayout::Orientation orientation) {
    return printerForJob(orientation)->pageLayout().margins(QPageLayout::Point);
}

double inkedWidthShare(const QList<PrintedSheet>& sheets, QPageLayout::Orientation orientation) {
    if (sheets.isEmpty())
        return 0.0;
    QRectF inked;
    for (const PrintedSheet& sheet : sheets)
        inked = inked.united(sheet.inked);
    const QMarginsF margins = jobMargins(orientation);
    const double printable = sheets.first().size.width() - margins.left() - margins.right();
    return printable > 0 ? inked.width() / printable : 0.0;
}

} // namespace tova::test

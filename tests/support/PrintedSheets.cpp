#include "support/PrintedSheets.h"

#include "platform/printing/ui/PrintOutput.h"

#include <QDir>
#include <QImage>
#include <QMap>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <optional>

namespace tova::test {

namespace {

// Coarse enough to be quick, fine enough for a box to a few points.
constexpr int kDpi = 20;
// Lighter than this counts as paper: the printout's pictures carry faint compression noise.
constexpr int kPaperGrey = 245;

// The box of the ink from the point fromTop down.
QRectF inkedBox(const QImage& sheet, double fromTop = 0.0) {
    const QImage grey = sheet.convertToFormat(QImage::Format_Grayscale8);
    int left = grey.width(), top = grey.height(), right = -1, bottom = -1;
    for (int y = std::max(0, int(fromTop * kDpi / 72.0)); y < grey.height(); ++y) {
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

// Whether a pixel of the sheet is off grey by more than rounding.
bool drawnInColour(const QImage& sheet) {
    const QImage rgb = sheet.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const int r = qRed(row[x]), g = qGreen(row[x]), b = qBlue(row[x]);
            if (std::max({r, g, b}) - std::min({r, g, b}) > 6)
                return true;
        }
    }
    return false;
}

// Runs a poppler tool; its output, or nothing when it failed.
std::optional<QByteArray> runTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

struct SheetWords {
    QString text;
    double firstTop = -1.0;      // the top of the highest word in points; -1 without words
    QMap<double, QString> lines; // by the top of their words, rounded to a point
};

// The words of each sheet, as pdftotext places them.
std::optional<QList<SheetWords>> sheetWords(const QString& pdfPath) {
    const std::optional<QByteArray> html =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    if (!html)
        return std::nullopt;
    QList<SheetWords> sheets;
    static const QRegularExpression tag(QStringLiteral(R"re(<page |<word [^>]*yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"));
    for (const QRegularExpressionMatch& match : tag.globalMatch(QString::fromUtf8(*html))) {
        if (match.captured(0) == QLatin1String("<page ")) {
            sheets.append(SheetWords());
            continue;
        }
        if (sheets.isEmpty())
            continue;
        SheetWords& sheet = sheets.last();
        const double top = match.captured(1).toDouble();
        sheet.firstTop = sheet.firstTop < 0 ? top : std::min(sheet.firstTop, top);
        if (!sheet.text.isEmpty())
            sheet.text += QLatin1Char(' ');
        sheet.text += match.captured(2);
        QString& line = sheet.lines[std::round(top)];
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + match.captured(2);
    }
    return sheets;
}

} // namespace

QList<PrintedSheet> printedSheets(const QString& pdfPath) {
    QTemporaryDir folder;
    const std::optional<QList<SheetWords>> words = sheetWords(pdfPath);
    if (!words ||
        !runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-png"),
                                              pdfPath, folder.filePath(QStringLiteral("sheet"))}))
        return {};
    QList<PrintedSheet> sheets;
    // pdftoppm numbers the files with as many digits as the last page needs, so name order is page order.
    const QStringList files = QDir(folder.path()).entryList({QStringLiteral("sheet-*.png")}, QDir::Files, QDir::Name);
    if (files.size() != words->size())
        return {};
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QImage picture(folder.filePath(files[i]));
        if (picture.isNull())
            return {};
        const double pointsPerPixel = 72.0 / kDpi;
        const SheetWords& sheetText = words->at(i);
        // The header picture stands above the report on the first sheet only.
        const QRectF content = i > 0                    ? inkedBox(picture)
                               : sheetText.firstTop < 0 ? QRectF()
                                                        : inkedBox(picture, sheetText.firstTop);
        sheets.append({QSizeF(picture.width() * pointsPerPixel, picture.height() * pointsPerPixel), inkedBox(picture),
                       content, sheetText.text, sheetText.lines.values(), drawnInColour(picture)});
    }
    return sheets;
}

QList<QImage> sheetPictures(const QString& pdfPath, int dpi) {
    QTemporaryDir folder;
    if (!runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                                              pdfPath, folder.filePath(QStringLiteral("sheet"))}))
        return {};
    QList<QImage> pictures;
    for (const QString& file : QDir(folder.path()).entryList({QStringLiteral("sheet-*.png")}, QDir::Files, QDir::Name))
        pictures.append(QImage(folder.filePath(file)).convertToFormat(QImage::Format_RGB32));
    return pictures;
}

namespace {

constexpr int kFineDpi = 600;
constexpr double kStripMm = 20.0;

// How many rows (from the top or bottom) or columns (from the left or right) of the strip are clear
// of ink.
int clearPixels(const QImage& strip, bool rows, bool fromEnd) {
    const QImage grey = strip.convertToFormat(QImage::Format_Grayscale8);
    const int count = rows ? grey.height() : grey.width();
    int clear = count;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            if (row[x] >= kPaperGrey)
                continue;
            const int at = rows ? y : x;
            clear = std::min(clear, fromEnd ? count - 1 - at : at);
        }
    }
    return clear;
}

// One strip of a sheet at 600 dpi, in pixels from the sheet's corner.
QImage sheetStrip(const QString& pdfPath, int page, const QRect& strip) {
    QTemporaryDir folder;
    const QString base = folder.filePath(QStringLiteral("strip"));
    const QStringList arguments = {QStringLiteral("-r"),
                                   QString::number(kFineDpi),
                                   QStringLiteral("-gray"),
                                   QStringLiteral("-png"),
                                   QStringLiteral("-singlefile"),
                                   QStringLiteral("-f"),
                                   QString::number(page),
                                   QStringLiteral("-l"),
                                   QString::number(page),
                                   QStringLiteral("-x"),
                                   QString::number(strip.x()),
                                   QStringLiteral("-y"),
                                   QString::number(strip.y()),
                                   QStringLiteral("-W"),
                                   QString::number(strip.width()),
                                   QStringLiteral("-H"),
                                   QString::number(strip.height()),
                                   pdfPath,
                                   base};
    return runTool(QStringLiteral("pdftoppm"), arguments) ? QImage(base + QStringLiteral(".png")) : QImage();
}

} // namespace

QList<QMarginsF> clearOfEdgesMm(const QString& pdfPath) {
    QList<QMarginsF> margins;
    const int stripPixels = qRound(kStripMm / 25.4 * kFineDpi);
    const double mmPerPixel = 25.4 / kFineDpi;
    for (const QImage& sheet : sheetPictures(pdfPath, 10)) {
        const int page = int(margins.size()) + 1;
        // The sheet's size at 600 dpi from its size at 10.
        const QSize size(qRound(sheet.width() * kFineDpi / 10.0), qRound(sheet.height() * kFineDpi / 10.0));
        const QImage left = sheetStrip(pdfPath, page, QRect(0, 0, stripPixels, size.height()));
        const QImage top = sheetStrip(pdfPath, page, QRect(0, 0, size.width(), stripPixels));
        const QImage right =
            sheetStrip(pdfPath, page, QRect(size.width() - stripPixels, 0, stripPixels, size.height()));
        const QImage bottom =
            sheetStrip(pdfPath, page, QRect(0, size.height() - stripPixels, size.width(), stripPixels));
        if (left.isNull() || top.isNull() || right.isNull() || bottom.isNull())
            return {};
        margins.append(
            QMarginsF(clearPixels(left, false, false) * mmPerPixel, clearPixels(top, true, false) * mmPerPixel,
                      clearPixels(right, false, true) * mmPerPixel, clearPixels(bottom, true, true) * mmPerPixel));
    }
    return margins;
}

QList<PlacedPicture> placedPictures(const QString& pdfPath) {
    const std::optional<QByteArray> listing = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdfPath});
    QList<PlacedPicture> pictures;
    if (!listing)
        return pictures;
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    for (const QByteArray& line : listing->split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        bool isPage = false;
        const int page = fields.value(0).toInt(&isPage);
        if (!isPage || fields.size() < 13 || fields.at(2) != "image")
            continue;
        pictures.append({page, QSize(fields.at(3).toInt(), fields.at(4).toInt()), fields.at(12).toDouble()});
    }
    return pictures;
}

QMarginsF jobMargins(QPageLayout::Orientation orientation) {
    return printerForJob(orientation)->pageLayout().margins(QPageLayout::Point);
}

double widthShare(const QList<PrintedSheet>& sheets, QPageLayout::Orientation orientation, QRectF PrintedSheet::*box) {
    if (sheets.isEmpty())
        return 0.0;
    QRectF inked;
    for (const PrintedSheet& sheet : sheets)
        inked = inked.united(sheet.*box);
    const QMarginsF margins = jobMargins(orientation);
    const double printable = sheets.first().size.width() - margins.left() - margins.right();
    return printable > 0 ? inked.width() / printable : 0.0;
}

} // namespace tova::test

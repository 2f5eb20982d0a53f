// Writes every picture of TOVA and the library's primer into the content folder given as argument.
#include "Drawing.h"
#include "Primer.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

namespace {

bool save(const QDir& content, const QString& relative, const QImage& image, const char* format, int quality = -1) {
    const QString path = content.filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    const bool ok = image.save(path, format, quality);
    QTextStream(stdout) << (ok ? "wrote " : "FAILED ") << relative << " " << image.width() << "x" << image.height()
                        << Qt::endl;
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: make_pictures CONTENT_FOLDER" << Qt::endl;
        return 2;
    }
    const QDir content(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    ok &= save(content, QStringLiteral("images/splash.jpg"), Pictures::splash().convertToFormat(QImage::Format_RGB32),
               "JPEG", 92);
    ok &= save(content, QStringLiteral("images/about.png"), Pictures::about().convertToFormat(QImage::Format_ARGB32),
               "PNG");
    ok &= save(content, QStringLiteral("images/printheader.bmp"), Pictures::printHeader(), "BMP");
    ok &= save(content, QStringLiteral("images/logo.png"), Pictures::logo(96), "PNG");
    ok &= save(content, QStringLiteral("images/icon_project32.png"), Pictures::projectIcon(32), "PNG");
    ok &= save(content, QStringLiteral("images/icon_project16.png"), Pictures::projectIcon(16), "PNG");
    ok &= save(content, QStringLiteral("images/icon_new32.png"), Pictures::newProjectIcon(32), "PNG");
    ok &= save(content, QStringLiteral("images/icon_sample32.png"), Pictures::sampleProjectIcon(32), "PNG");
    ok &= save(content, QStringLiteral("images/icon_app64.png"), Pictures::logo(64), "PNG");
    ok &= save(content, QStringLiteral("images/mark_c.png"), Pictures::statusMark(QStringLiteral("c")), "PNG");
    ok &= save(content, QStringLiteral("images/mark_i.png"), Pictures::statusMark(QStringLiteral("i")), "PNG");
    ok &= save(content, QStringLiteral("images/mark_nq.png"), Pictures::statusMark(QStringLiteral("nq")), "PNG");
    ok &= save(content, QStringLiteral("images/mark_none.png"), Pictures::statusMark(QString()), "PNG");

    const QString primer = content.filePath(QStringLiteral("Library/ReworkPrimer.pdf"));
    const bool primerOk = Pictures::writePrimer(primer);
    QTextStream(stdout) << (primerOk ? "wrote " : "FAILED ") << "Library/ReworkPrimer.pdf" << Qt::endl;
    return ok && primerOk ? 0 : 1;
}

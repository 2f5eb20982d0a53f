// Printing timings: putting a laid-out printout of n portrait pages (text lines, as a question
// list prints) on a printer writing a PDF file, the step between the engine's layout and the
// printer that a preview repeats each time it is drawn.
#include "RunBenchmarks.h"
#include "platform/printing/ui/PrintOutput.h"
#include "platform/printing/ui/PrintedPages.h"

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QByteArray textPages(const QPageLayout& layout, int pages) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(layout);
    QPainter painter(&writer);
    const int lineHeight = writer.resolution() / 6;
    const int lines = writer.pageLayout().paintRectPixels(writer.resolution()).height() / lineHeight;
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        for (int line = 0; line < lines; ++line)
            painter.drawText(0, (line + 1) * lineHeight,
                             QStringLiteral("2.%1C%2 Are the question's words drawn as sharp as on the screen?")
                                 .arg(page)
                                 .arg(line));
    }
    painter.end();
    return pdf;
}

void BM_PaintPrintedPages(benchmark::State& state) {
    QTemporaryDir folder;
    const std::unique_ptr<QPrinter> printer = tova::printerForJob(QPageLayout::Portrait);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(folder.filePath(QStringLiteral("out.pdf")));
    const QByteArray pdf = textPages(printer->pageLayout(), static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(tova::paintPrintedPages(pdf, *printer));
}
BENCHMARK(BM_PaintPrintedPages)->Arg(1)->Arg(3)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QApplication>(argc, argv);
}

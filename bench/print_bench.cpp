// Printing timings: putting a laid-out printout of n portrait pages (text lines, as a question
// list prints) on a printer writing a PDF file, the step between the engine's layout and the
// printer that a preview repeats each time it is drawn.
#include "RunBenchmarks.h"
#include "platform/printing/ui/PrintedPages.h"
#include "support/LaidOutPages.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// Pages of text lines as a question list prints them, a line a sixth of an inch high.
QByteArray textPages(const QPageLayout& layout, int pages) {
    return tova::test::laidOutPdf(layout, pages, [](QPainter& painter, const QRect& printable, int page) {
        const int lineHeight = painter.device()->logicalDpiY() / 6;
        for (int line = 0; line < printable.height() / lineHeight; ++line)
            painter.drawText(0, (line + 1) * lineHeight,
                             QStringLiteral("2.%1C%2 Are the question's words drawn as sharp as on the screen?")
                                 .arg(page)
                                 .arg(line));
    });
}

void BM_PaintPrintedPages(benchmark::State& state) {
    tova::test::PdfPrinter target(QPageLayout::Portrait);
    const QByteArray pdf = textPages(target.printer->pageLayout(), static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(tova::paintPrintedPages(pdf, *target.printer));
}
BENCHMARK(BM_PaintPrintedPages)->Arg(1)->Arg(3)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QApplication>(argc, argv);
}

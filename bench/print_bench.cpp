// Printing timings, the two routes side by side for printouts of 1, 3 and 10 portrait pages of
// question-list text loaded in the browser: a print to a PDF file (the engine's own PDF, written
// as it comes) and a print on paper (the engine's pages drawn onto the printer as pictures, as the
// preview also draws them; a printer writing its output to a file stands in for paper). Reports
// pages per second on each route.
#include "RunBenchmarks.h"
#include "platform/printing/ui/PrintOutput.h"

#include <QApplication>
#include <QEventLoop>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A page of n sheets, each full of question lines.
QString questionPages(int sheets) {
    QString html = QStringLiteral("<html><body style=\"font: 12pt sans-serif\">");
    for (int sheet = 0; sheet < sheets; ++sheet) {
        html += sheet > 0 ? QStringLiteral("<div style=\"break-before: page\">") : QStringLiteral("<div>");
        for (int line = 0; line < 40; ++line)
            html += QStringLiteral("<p style=\"margin: 0 0 4pt\">2.%1C%2 Are the question's words drawn as sharp as "
                                   "on the screen?</p>")
                        .arg(sheet)
                        .arg(line);
        html += QStringLiteral("</div>");
    }
    return html + QStringLiteral("</body></html>");
}

// A view holding the page, loaded (bounded wait); null when it did not load.
std::unique_ptr<QWebEngineView> loadedView(int sheets) {
    auto view = std::make_unique<QWebEngineView>();
    bool loaded = false;
    QEventLoop loop;
    QObject::connect(view->page(), &QWebEnginePage::loadFinished, &loop, [&](bool ok) {
        loaded = ok;
        loop.quit();
    });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    view->setHtml(questionPages(sheets));
    loop.exec();
    return loaded ? std::move(view) : nullptr;
}

enum class Route { PdfFile, Paper };

void printRoute(benchmark::State& state, Route route) {
    const int sheets = static_cast<int>(state.range(0));
    const std::unique_ptr<QWebEngineView> view = loadedView(sheets);
    if (!view) {
        state.SkipWithError("the page did not load");
        return;
    }
    QTemporaryDir folder;
    const std::unique_ptr<QPrinter> printer = tova::printerForJob(QPageLayout::Portrait);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(folder.filePath(QStringLiteral("out.pdf")));
    for (auto _ : state) {
        const bool printed = route == Route::PdfFile ? tova::printOnPrinter(*view, *printer) == tova::PrintOutcome::Done
                                                     : tova::printPictures(*view, *printer);
        if (!printed) {
            state.SkipWithError("the print failed");
            break;
        }
    }
    state.counters["pages/s"] = benchmark::Counter(sheets, benchmark::Counter::kIsIterationInvariantRate);
}

// Arguments: the sheets, then the route (0: PDF file, 1: paper), so each size's two routes stand
// next to each other in the output.
void BM_Print(benchmark::State& state) {
    const Route route = state.range(1) == 0 ? Route::PdfFile : Route::Paper;
    state.SetLabel(route == Route::PdfFile ? "PDF file" : "paper");
    printRoute(state, route);
}
BENCHMARK(BM_Print)->ArgsProduct({{1, 3, 10}, {0, 1}})->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return runBenchmarks<QApplication>(argc, argv);
}

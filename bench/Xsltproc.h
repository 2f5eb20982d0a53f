// The xsltproc program as a separate process, once per benchmark iteration: the floor that a
// report screen's build is compared with.
#pragma once

#include <QProcess>
#include <QStringList>

#include <benchmark/benchmark.h>

namespace bench {

inline void runXsltprocEachIteration(benchmark::State& state, const QStringList& arguments) {
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral("xsltproc"), arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            state.SkipWithError("xsltproc failed");
            break;
        }
    }
}

} // namespace bench

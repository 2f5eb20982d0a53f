// Project file timings: adding a new file to recent-files lists of 10, 100 and 1,000 entries side by
// side (the cost must grow at most linearly with the list), and saving and reopening the sample
// project and a project of 10,000 reviews. A save writes the file and reads its bytes back first,
// so its figure includes one parse.
#include "RunBenchmarks.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"
#include "store/Reviews.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const QString kApplication = QStringLiteral("TOVA2v2.0");
const QString kSection = QStringLiteral("Recent");

// A settings store in a scratch folder holding a recent list of the given length.
struct RecentListFixture {
    explicit RecentListFixture(int entries) : settings(folder.filePath(QStringLiteral("settings.ini"))) {
        for (int i = 0; i < entries; ++i)
            list.append({QStringLiteral("File%1").arg(i), QStringLiteral("/home/user/projects/p%1.tova").arg(i)});
        list.prepend({QStringLiteral("RecentCount"), QString::number(entries)});
        reset();
        tova::services().settings = &settings;
    }
    ~RecentListFixture() { tova::services().settings = nullptr; }
    void reset() { settings.SaveSettings(kApplication, kSection, list); }

    QTemporaryDir folder;
    tova::SettingsStore settings;
    QList<QPair<QString, QString>> list;
};

void BM_AddNewRecentFile(benchmark::State& state) {
    RecentListFixture fixture(int(state.range(0)));
    int added = 0;
    for (auto _ : state) {
        Globals::gProjectPath = QStringLiteral("/home/user/projects/new%1.tova").arg(added++);
        Globals::AddRecentFile();
        // Back to the list's length, so that every run adds to the same list.
        state.PauseTiming();
        fixture.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AddNewRecentFile)->Arg(10)->Arg(100)->Arg(1000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

QString samplePath() {
    return QStringLiteral(TOVA_APP_DIR "/sample.tova");
}

// A project of the given number of reviews, each with eight answers, saved to a scratch file.
QString writeLargeProject(const QTemporaryDir& folder, int reviews) {
    Globals::CreateProject(QStringLiteral("R-1"), QStringLiteral("Large"), QString(), QString(), QString(), QString());
    Xml::XmlNode project = Globals::gProjectDoc.documentElement();
    for (int r = 1; r <= reviews; ++r) {
        Xml::XmlNode review =
            XMLhelpers::AddElement(Globals::gProjectDoc, QStringLiteral("review"), QString(), project);
        review.setAttribute(QStringLiteral("id"), QString::number(r));
        XMLhelpers::AddElement(Globals::gProjectDoc, QStringLiteral("phase"), QString::number(1 + r % 5), review);
        XMLhelpers::AddElement(Globals::gProjectDoc, QStringLiteral("date"), QStringLiteral("May 06, 2003"), review);
        for (int q = 0; q < 8; ++q) {
            Xml::XmlNode response =
                XMLhelpers::AddElement(Globals::gProjectDoc, QStringLiteral("response"), QString(), review);
            XMLhelpers::AddElement(Globals::gProjectDoc, QStringLiteral("question_id"), QString::number(101 + q),
                                   response);
            XMLhelpers::AddElement(Globals::gProjectDoc, QStringLiteral("answer"), QString::number(1 + q % 4),
                                   response);
        }
    }
    Globals::gProjectDoc.selectSingleNode(QStringLiteral("project/currentreview")).setText(QStringLiteral("1"));
    const QString path = folder.filePath(QStringLiteral("large.tova"));
    Globals::SaveProject(path);
    return path;
}

// Argument 0: the sample project; otherwise a project of that many reviews.
QString projectFor(const QTemporaryDir& folder, int reviews) {
    return reviews == 0 ? samplePath() : writeLargeProject(folder, int(reviews));
}

void BM_SaveProject(benchmark::State& state) {
    RecentListFixture recent(10);
    QTemporaryDir folder;
    const QString source = projectFor(folder, int(state.range(0)));
    if (!Globals::OpenProject(source)) {
        state.SkipWithError("the project did not open");
        return;
    }
    const QString target = folder.filePath(QStringLiteral("saved.tova"));
    for (auto _ : state) {
        if (!Globals::SaveProject(target)) {
            state.SkipWithError("the save failed");
            break;
        }
    }
    state.counters["bytes"] = double(QFile(target).size());
    Globals::ResetProjectState();
}
BENCHMARK(BM_SaveProject)->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ReopenProject(benchmark::State& state) {
    RecentListFixture recent(10);
    QTemporaryDir folder;
    const QString path = projectFor(folder, int(state.range(0)));
    for (auto _ : state) {
        if (!Globals::OpenProject(path)) {
            state.SkipWithError("the project did not open");
            break;
        }
    }
    state.counters["bytes"] = double(QFile(path).size());
    Globals::ResetProjectState();
}
BENCHMARK(BM_ReopenProject)->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QCoreApplication>(argc, argv);
}

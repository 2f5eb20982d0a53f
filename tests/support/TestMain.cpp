// The main of every test executable: one application object for the whole run, since windows and
// the web engine need one, with Qt's locale pinned so shown number formats do not depend on the
// machine, and the C library's number format kept in its C form as the program keeps it. Caches
// and runtime files go to a folder of the run's own, which goes with the run.
#include "platform/NumberLocale.h"
#include "platform/ui/WindowTeardown.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Qt finds its cache folder once per process (the shader cache under the home of whichever test
    // first draws) and writes into it later, after that test's home has gone. Without a runtime
    // folder Qt makes one in the temporary folder, and it stays. Both go with the run's own folder,
    // after the application object.
    const QTemporaryDir runFolder(QDir::tempPath() + QStringLiteral("/tova-test-run-XXXXXX"));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(runFolder.filePath(QStringLiteral("cache"))));
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // The runtime folder is the user's alone; the run's folder is made that way.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runFolder.path()));
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QLocale::setDefault(QLocale::c());
    // Offscreen, the screen would be 800 x 600 and every window would be placed to fit it; the
    // suites run on the same 1600 x 1000 screen as on their X server.
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("offscreen"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TOVA_TEST_DATA_DIR "/offscreen-screen.json");
    QApplication app(argc, argv);
    tova::useCNumbersInCLibrary();
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // Windows a test left behind go before the browser profile does.
    tova::deleteAllWindows();
    return result;
}

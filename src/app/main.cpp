// The program's entry: prepares the application object and the web engine, then hands over to
// start-up.
#include "platform/NumberLocale.h"
#include "platform/ui/WindowTeardown.h"
#include "review/ui/ReviewWindows.h"
#include "shell/Startup.h"

#include <QApplication>

#include <unistd.h>

int main(int argc, char* argv[]) {
    // The web engine's sandbox cannot run for the superuser; the program must still start there.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    tova::useCNumbersInCLibrary();
    QApplication::setApplicationName(QStringLiteral("TOVA"));
    tova::installReviewWindows();
    if (!Globals::Main())
        return 0;
    const int code = QApplication::exec();
    tova::deleteAllWindows();
    return code;
}

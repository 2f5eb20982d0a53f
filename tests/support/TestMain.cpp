// The main of every test executable: one application object for the whole run, since windows and
// the web engine need one, with the locale pinned so number formats do not depend on the machine.
#include "platform/ui/WindowTeardown.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // Windows a test left behind go before the browser profile does.
    tova::deleteAllWindows();
    return result;
}

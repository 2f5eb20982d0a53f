#include "shell/Startup.h"

#include <QLabel>
#include <QMainWindow>

namespace Globals {

bool Main()
{
    // Placeholder until the navigator window exists: a plain window with the product's title.
    auto* window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("TOVA v2.0"));
    window->setCentralWidget(new QLabel(QStringLiteral("TOVA v2.0")));
    window->resize(800, 600);
    window->show();
    return true;
}

} // namespace Globals

// The report screens of the main window in the order that Next and Back walk them. Refreshing and
// printing a screen look it up here as well, so a screen is added, moved or renamed in one place.
#pragma once

#include <QLatin1String>
#include <QList>
#include <QString>

namespace Reports {
struct ReportRow;
}

namespace tova {

class PageCommandTarget;

struct ReportScreen {
    // The main browser's location name of the screen, less ".htm" (letter case counts).
    QLatin1String name;
    // The row its builder writes the page from; the row's page file is what printing prints.
    const Reports::ReportRow& (*row)();
    // Names the printout's file.
    QLatin1String printoutTitle;
    // Shows the screen; null for the scorecard, which is one screen per section, shown by section.
    void (PageCommandTarget::*show)();

    bool perSection() const { return show == nullptr; }
};

// Every report screen, first to last.
const QList<ReportScreen>& reportScreens();
// The position in reportScreens() of the screen with that name; -1 for a page that is no report screen.
qsizetype reportScreenIndex(const QString& name);

} // namespace tova

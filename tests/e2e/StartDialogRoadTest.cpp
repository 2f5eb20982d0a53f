// The start dialog's list of existing projects on a real display: every column in view.
#include "RoadSupport.h"
#include "review/ui/frmNewLoad.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"

#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

using StartDialogRoad = MainWindowRoad;

TEST_F(StartDialogRoad, ALongProjectNameLeavesTheFolderColumnInView) {
    Globals::gProjectPath =
        QDir(env.scratch.path()).filePath(QStringLiteral("Projects/") + QString(160, QLatin1Char('N')) + ".tova");
    Globals::AddRecentFile();
    Globals::gProjectPath.clear();
    frmNewLoad& start = frmNewLoad::instance();
    bool checked = false;
    whenModal(
        &start, [] { return true; },
        [&] {
            EXPECT_EQ(start.tabs().currentIndex(), 1);
            QTreeWidget& list = start.recentList();
            ASSERT_GE(list.topLevelItemCount(), 2);
            EXPECT_TRUE(list.topLevelItem(1)->text(0).startsWith(QStringLiteral("NNNN")));
            // The folders' column starts inside the view and has at least a third of it, with nothing
            // to scroll sideways.
            const int room = list.viewport()->width();
            EXPECT_GE(room - list.header()->sectionViewportPosition(1), room / 3);
            EXPECT_EQ(list.horizontalScrollBar()->maximum(), 0);
            checked = true;
            for (QPushButton* button : start.findChildren<QPushButton*>())
                if (button->text() == QLatin1String("Cancel") && button->isVisible())
                    return pressButton(*button);
        });
    start.DoModal(1);
    EXPECT_TRUE(checked);
}

} // namespace

// The start dialog on a real display: every column of the existing projects' list in view, and
// Enter on a selected row of either tab opens it.
#include "RoadSupport.h"
#include "platform/AppFolder.h"
#include "platform/Wait.h"
#include "platform/browser/WebBrowser.h"
#include "review/ui/frmNewLoad.h"
#include "shell/ui/frmBrowser.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"

#include <QDir>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

using StartDialogRoad = MainWindowRoad;

// Puts the project file at path on the list of recent projects, with no project open.
void rememberRecentProject(const QString& path) {
    Globals::gProjectPath = path;
    Globals::AddRecentFile();
    Globals::gProjectPath.clear();
}

TEST_F(StartDialogRoad, ALongProjectNameLeavesTheFolderColumnInView) {
    rememberRecentProject(
        QDir(env.scratch.path()).filePath(QStringLiteral("Projects/") + QString(160, QLatin1Char('N')) + ".tova"));
    frmNewLoad& start = frmNewLoad::instance();
    bool checked = false;
    whenModal(&start, [&] {
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

// A click selects a row and Enter opens it as Open does, whichever tab is on show.
TEST_F(StartDialogRoad, EnterOpensTheSelectedRowOfEitherTab) {
    struct Case {
        const char* name;
        qint16 tab;
        std::function<QAbstractItemView&(frmNewLoad&)> list;
        int row;
    };
    const Case cases[] = {
        {"New: Sample Project", 0, [](frmNewLoad& start) -> QAbstractItemView& { return start.newList(); }, 1},
        {"Existing: a recent file", 1, [](frmNewLoad& start) -> QAbstractItemView& { return start.recentList(); }, 1},
    };
    const QString sample = appPath(QStringLiteral("sample.tova"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Globals::ResetProjectState();
        rememberRecentProject(sample);
        frmNewLoad& start = frmNewLoad::instance();
        bool selected = false;
        whenModal(&start, [&] {
            QAbstractItemView& list = c.list(start);
            const QModelIndex row = list.model()->index(c.row, 0);
            list.scrollTo(row);
            QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, list.visualRect(row).center());
            selected = list.selectionModel()->isRowSelected(c.row, QModelIndex());
            QTest::keyClick(&list, Qt::Key_Return);
        });
        start.DoModal(c.tab);
        EXPECT_TRUE(selected);
        EXPECT_FALSE(start.isVisible());
        EXPECT_TRUE(Globals::IsProjectLoaded());
        EXPECT_EQ(Globals::gProjectPath, sample);
        EXPECT_TRUE(waitWhile([this] { return mainWindow->webMain()->LocationName() != QLatin1String("fishbone"); }));
    }
}

} // namespace

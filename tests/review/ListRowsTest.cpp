// The start dialog's recent-file rows and the column sorting of the dialogs' lists.
#include "review/ListSort.h"
#include "review/RecentRows.h"

#include <gtest/gtest.h>

using namespace tova::review;

TEST(RecentRows, PathsSplitIntoFileAndFolder) {
    const QList<RecentRow> rows = recentRows(
        {QStringLiteral("/home/ann/My TOVA Projects/Bridge.tova"), QStringLiteral("Loose.tova"), QString(),
         QStringLiteral("/home/ann/My TOVA Projects/Bridge.tova"),
         QStringLiteral("/home/ann/my tova projects/Bridge.tova"), QStringLiteral("C:\\Projects\\Old.tova")});
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0].file, QStringLiteral("Bridge.tova"));
    EXPECT_EQ(rows[0].folder, QStringLiteral("/home/ann/My TOVA Projects"));
    EXPECT_EQ(rows[1].file, QStringLiteral("Loose.tova"));
    EXPECT_EQ(rows[1].folder, QString());
    // The same path in other letter case is another file.
    EXPECT_EQ(rows[2].folder, QStringLiteral("/home/ann/my tova projects"));
    EXPECT_EQ(rows[3].file, QStringLiteral("Old.tova"));
    EXPECT_EQ(rows[3].folder, QStringLiteral("C:\\Projects"));
}

TEST(ListSort, FirstClickOnTheSortColumnReversesAndOtherColumnsKeepTheOrder) {
    ListSortState state;
    EXPECT_FALSE(state.sorted);
    const struct {
        int click;
        int column;
        bool descending;
    } steps[] = {{0, 0, true}, {0, 0, false}, {1, 1, false}, {1, 1, true}, {0, 0, true}, {0, 0, false}};
    for (const auto& step : steps) {
        state.columnClicked(step.click);
        EXPECT_TRUE(state.sorted);
        EXPECT_EQ(state.column, step.column);
        EXPECT_EQ(state.descending, step.descending) << "after a click on column " << step.click;
    }
}

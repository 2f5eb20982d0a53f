// The column sort state of the dialogs' lists.
#pragma once

namespace tova::review {

// Sorting by a clicked column header: a click on the column already sorted by flips the order,
// a click on another column sorts by it in the order last set. Before the first click the list
// stands in the order of filling, with column 0 ascending as the state in force.
struct ListSortState {
    int column = 0;
    bool descending = false;
    bool sorted = false;
    void columnClicked(int clicked);
};

} // namespace tova::review

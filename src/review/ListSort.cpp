#include "review/ListSort.h"

namespace tova::review {

void ListSortState::columnClicked(int clicked) {
    if (column == clicked)
        descending = !descending;
    column = clicked;
    sorted = true;
}

} // namespace tova::review

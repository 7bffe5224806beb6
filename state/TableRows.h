#pragma once
// A table of the game is a set of columns of fixed room whose rows in use
// are counted by a counter of its own (PersonCount, BookCount...). The
// loader checks every counter against its table, yet the routines that
// walk or grow a table never trust it to: these two helpers keep every
// index inside the column, whatever the counter says.
#include <algorithm>
#include <cstdint>

#include "state/Value.h"

// The rows in use of the table `column` belongs to: its counter, kept
// within 0 and the column's room. The bound of every walk over a table.
template <typename Column>
int RowsInUse(const Value& count, const Column& column) {
    return static_cast<int>(std::clamp<std::int64_t>(count.asInt(), 0, static_cast<std::int64_t>(column.size())));
}

// The row a table grows into: its counter as a row index, or -1 when the
// table has no room for another row (or the counter is below 0).
template <typename Column>
int FreeRow(const Value& count, const Column& column) {
    const std::int64_t r = count.asInt();
    return (r >= 0 && r < static_cast<std::int64_t>(column.size())) ? static_cast<int>(r) : -1;
}

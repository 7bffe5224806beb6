// The two table helpers every core folder walks and grows its tables by:
// whatever a counter says, no index leaves the column.
#include <gtest/gtest.h>

#include <array>

#include "state/TableRows.h"

TEST(TableRows, CounterKeptInsideTheColumn) {
    const std::array<Value, 5> column{};
    const struct {
        Value count;
        int inUse, free;
    } cases[] = {
        {Value(), 0, 0},               // an empty counter: no rows yet
        {0, 0, 0},
        {3, 3, 3},
        {4, 4, 4},                     // the last row is still free
        {5, 5, -1},                    // full
        {6, 5, -1},                    // a counter past the room
        {-1, 0, -1},
        {4'294'967'297LL, 5, -1},      // too large for an int: not wrapped
        {Value(2.5), 2, 2},            // a real rounds half to even
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RowsInUse(c.count, column), c.inUse) << c.count.asText();
        EXPECT_EQ(FreeRow(c.count, column), c.free) << c.count.asText();
    }
}

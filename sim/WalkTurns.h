#pragma once
// The walk's turn toward a whole target, by the lookup table the walk uses
// and by running the turn rules one by one, so the two can be held to agree.
// dx, dy: the target minus the person, in cells; `fresh`: the walk has just
// been given its target (Person.HeadingSet 0); `wall`: a wall stands ahead on
// whichever diagonal the rules ask about. The answer is the heading turned
// to, or -1 when no rule turns.
#include <cstdint>

namespace walk_turns {
int TurnByTable(std::int64_t dx, std::int64_t dy, bool fresh, bool wall);
int TurnByRules(std::int64_t dx, std::int64_t dy, bool fresh, bool wall);
// False for a place the table leaves to the rules.
bool TableKnows(std::int64_t dx, std::int64_t dy);
}  // namespace walk_turns

#pragma once
// What the parts of a game must agree on. The field table (StateLayout)
// holds each saved value to its own range; these rules hold the values to
// each other: every tally to the table it counts (the people inside, the
// queue tickets, the copies held and on the shelves, the shelf capacity, the
// occupied spots, the sprites drawn, the clerks employed), each person's
// and each floor spot's fields to a combination that play reaches (a person
// stands on the floor's grid or parked above it, a queued customer on its
// line's diagonals, a customer walking back counts off only the route
// points it recorded, a walk followed ahead reaches its target), and the
// equipment catalogues to the ones every new game fills. A file that breaks
// one is refused by the loader as a damaged one, and a save reads its own
// bytes back through them before it replaces the old file.
// Nothing here repairs: a rule only says what disagrees.
#include <span>
#include <string>

#include "state/GameState.h"

struct AgreementRule {
    const char* what;  // what is checked
    const char* why;   // why play keeps it so
    // Empty when the rule holds; else what disagrees. The state has passed
    // the field table, so every value lies within its field's range; rows
    // past a table's count may hold anything and are never read.
    std::string (*breach)(const GameState& g);
};

// The rules, in the order the loader tries them (the tests hold each to a
// change that breaks it).
std::span<const AgreementRule> AgreementRules();

// True when every rule holds; otherwise false with the first breach ("what:
// detail").
bool CheckAgreement(const GameState& g, std::string* why = nullptr);

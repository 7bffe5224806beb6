#pragma once
// One declared table of every saved variable and column: its name, its
// storage, its bounds, its save-file group and its order. The new-game
// reset, the saved-game writer and reader, the headless tool and the tests
// all walk this table, so the lists cannot drift apart.
#include <cstdint>
#include <string_view>
#include <vector>

#include "state/GameState.h"

// What a field may hold. Every saved field has one rule, taken from what
// the variable means and widened to every value play itself reaches; the
// loader refuses a file that breaks any of them.
enum class FieldKind : std::uint8_t {
    Text,    // a text (never a double quote: the file could not hold it)
    Whole,   // a whole number in [lo, hi]
    Number,  // any number, whole or not, in [lo, hi]
};
struct FieldRule {
    FieldKind kind = FieldKind::Text;
    long long lo = 0, hi = 0;
    bool emptyOk = true;  // Empty is accepted (it is the cleared value of most fields)
    bool zeroOk = false;  // a text column whose rows a new game clears to the number 0

    bool accepts(const Value& v) const {
        switch (v.kind()) {
        case Value::Kind::Empty: return emptyOk;
        case Value::Kind::Int: return acceptsWhole(v.asInt());
        case Value::Kind::Real: return acceptsReal(v.asReal());
        case Value::Kind::Text: return acceptsText(v.text());
        }
        return false;
    }
    // The same for a value of each kind, as the loader finds it in a file
    // (nearly every field is empty or a whole number: those are inline).
    bool acceptsWhole(std::int64_t n) const {
        if (kind == FieldKind::Text) return zeroOk && n == 0;
        return lo <= n && n <= hi;
    }
    bool acceptsReal(double d) const;
    bool acceptsText(std::string_view t) const {
        return kind == FieldKind::Text && t.find('"') == std::string_view::npos;
    }
};

struct ColumnDef {
    std::string_view name;           // "Funds", "Magazine.Name", "Magazine.Circulation"
    // A column of dynamic values: element (row, sub) is values[row * max(subs,1) + sub].
    // Null for a column of plain numbers (NumberCell.h), which is reached
    // through `load` and `store` as values, and by the saved game through
    // its first cell of whole numbers or of reals (the other pair null).
    Value* (*values)(GameState&);
    const Value* (*cvalues)(const GameState&);
    WholeCell* (*wholes)(GameState&) = nullptr;
    const WholeCell* (*cwholes)(const GameState&) = nullptr;
    RealCell* (*reals)(GameState&) = nullptr;
    const RealCell* (*creals)(const GameState&) = nullptr;
    Value (*load)(const GameState&, int index);          // the element as the saved game holds it
    void (*store)(GameState&, int index, const Value&);  // the element := a value it holds exactly
    bool (*holds)(const Value&);                          // the element type holds the value exactly
    int rows;                        // 1 for a scalar
    int subs;                        // 0 for a scalar or a one-dimensional column
    FieldRule rule = {};             // what every element may hold
    bool survivesReset = false;      // a new game's reset leaves it as it is

    bool isScalar() const { return rows == 1 && subs == 0; }
    bool isTyped() const { return values == nullptr; }
    int index(int row, int sub) const { return row * (subs ? subs : 1) + sub; }
    // The element as a value (a copy).
    Value get(const GameState& g, int row, int sub = 0) const { return load(g, index(row, sub)); }
    // Sets the element to `v`, which it must hold exactly (`holds`).
    void set(GameState& g, int row, int sub, const Value& v) const { store(g, index(row, sub), v); }
};

struct FieldRef {
    const ColumnDef* col;
    int sub;  // second index for a two-dimensional column, else 0
};

struct SaveGroup {
    const ColumnDef* counter = nullptr;  // counted group: rows 0..count
    int fixedLast = -1;                  // fixed group: rows 0..fixedLast
    bool ledger = false;                 // the fixed-point ledger, 33 lines
    std::vector<std::vector<FieldRef>> lines;  // lines written for each row
    // Largest count whose rows 0..count exist in every column of the group.
    int capacity() const;
};

struct SaveLayout {
    std::vector<ColumnDef> columns;                         // every variable and column
    std::vector<std::vector<const ColumnDef*>> headLines;   // file lines 2..29
    std::vector<SaveGroup> groups;                          // the 26 table groups
    const ColumnDef* find(std::string_view name) const;
    // The scalars in declared order (program texts first).
    std::vector<const ColumnDef*> scalars() const;
};

const SaveLayout& Layout();

inline constexpr const char* kFormatVersion = "006";

#include "savegame/SaveGame.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "state/Calendar.h"
#include "savegame/GameAgreement.h"
#include "state/Gbk.h"
#include "state/NewGame.h"
#include "state/StateLayout.h"

namespace {

constexpr int kGridLast = GameState::kGridSize - 1;
constexpr int kLastGridValue = 500;  // the highest cell value the floor holds (a barrier)

bool Fail(std::string* why, std::string msg) {
    if (why) *why = std::move(msg);
    return false;
}

// Where a field's cells stand in one game (a const one for the writer):
// its column, the column's first cell of the one kind it holds, and the
// step from one row to the next. Found once for each field of the layout,
// so that a row's cell is reached without asking the column.
template <class G>
struct Place {
    template <class T>
    using Ptr = std::conditional_t<std::is_const_v<G>, const T*, T*>;

    Place(G& g, const ColumnDef& c, int sub_)
        : col(&c), step(c.subs ? c.subs : 1), sub(sub_) {
        if constexpr (std::is_const_v<G>) {
            values = c.cvalues ? c.cvalues(g) : nullptr;
            wholes = c.cwholes ? c.cwholes(g) : nullptr;
            reals = c.creals ? c.creals(g) : nullptr;
        } else {
            values = c.values ? c.values(g) : nullptr;
            wholes = c.wholes ? c.wholes(g) : nullptr;
            reals = c.reals ? c.reals(g) : nullptr;
        }
    }
    int at(int row) const { return row * step + sub; }  // the cell's index in its column

    const ColumnDef* col;
    Ptr<Value> values = nullptr;
    Ptr<WholeCell> wholes = nullptr;
    Ptr<RealCell> reals = nullptr;
    int step, sub;
};

// The places of a table's lines, one line after another.
template <class G>
std::vector<Place<G>> PlacesOf(G& g, const SaveGroup& grp) {
    std::vector<Place<G>> places;
    for (const auto& line : grp.lines)
        for (const FieldRef& f : line) places.emplace_back(g, *f.col, f.sub);
    return places;
}

// ---- writing ----

// The saved game's bytes on their way out: tens of thousands of small
// pieces, each written through a pointer into room made for it beforehand.
// All but the texts are ASCII, the same in GBK; the texts are converted as
// they are written (a character at a time, so piece by piece is the same as
// the whole at once).
class TextOut {
public:
    TextOut() { grow(64 * 1024); }
    // Room for `n` more bytes.
    void room(std::size_t n) {
        if (static_cast<std::size_t>(end_ - at_) < n) grow(n);
    }
    // Each of these needs its room made first.
    void put(char c) { *at_++ = c; }
    void put(std::string_view t) {
        std::memcpy(at_, t.data(), t.size());
        at_ += t.size();
    }
    // A whole number as asText() writes it (at most 20 bytes).
    void whole(std::int64_t n) { at_ = std::to_chars(at_, at_ + kWholeDigits, n).ptr; }
    // A real as asText() writes it (at most kLongestRealText bytes).
    void real(double x) { at_ = FormatRealTo(x, at_); }
    // A text in GBK, as Utf8ToGbk converts it (its room made first for its
    // UTF-8 bytes); false when it cannot be written in GBK.
    bool gbk(std::string_view utf8) {
        if (char* end = Utf8ToGbkByTables(utf8, at_)) {
            at_ = end;
            return true;
        }
        std::string converted;
        if (!Utf8ToGbk(utf8, converted)) return false;
        room(converted.size());
        put(converted);
        return true;
    }
    // The whole file, what was written so far.
    std::string take() {
        buf_.resize(static_cast<std::size_t>(at_ - buf_.data()));
        at_ = end_ = nullptr;
        return std::move(buf_);
    }

    static constexpr std::size_t kWholeDigits = 20;

private:
    void grow(std::size_t n) {
        const std::size_t used = at_ ? static_cast<std::size_t>(at_ - buf_.data()) : 0;
        buf_.resize(std::max(2 * buf_.size(), used + n));
        at_ = buf_.data() + used;
        end_ = buf_.data() + buf_.size();
    }
    std::string buf_;
    char* at_ = nullptr;
    char* end_ = nullptr;
};

// A real or a text, after its comma (the room for which was made).
[[gnu::noinline]] bool AppendRealOrText(TextOut& out, const Value& v, std::string* why) {
    if (v.isReal()) {
        // An infinity or NaN has no form the file could hold.
        if (!std::isfinite(v.asReal())) return Fail(why, "a number is not finite");
        out.room(kLongestRealText);
        out.real(v.asReal());
        return true;
    }
    const std::string& t = v.text();
    // A quote would end the field early and shift every later one.
    // Line breaks are fine: the news articles hold them, and a quoted
    // field runs to its closing quote.
    if (t.find('"') != std::string::npos) return Fail(why, "a text holds a double quote: " + t);
    out.room(2 + t.size());
    out.put('"');
    if (!out.gbk(t)) return Fail(why, "a text cannot be written in GBK");
    out.room(1);
    out.put('"');
    return true;
}

// A field, after a comma unless it is the first of its line. Nearly every
// field is empty or a whole number, written here; the rest apart.
[[gnu::always_inline]] inline bool AppendField(TextOut& out, const Value& v, bool first, std::string* why) {
    out.room(1 + TextOut::kWholeDigits);
    if (!first) out.put(',');
    if (v.isInt()) {
        out.whole(v.asInt());
        return true;
    }
    return v.isEmpty() || AppendRealOrText(out, v, why);
}

// The field of a row, read straight from its cell: a plain number writes
// the value it stands for.
[[gnu::always_inline]] inline bool AppendCell(TextOut& out, const Place<const GameState>& p, int row, bool first,
                                              std::string* why) {
    const int at = p.at(row);
    if (p.values) return AppendField(out, p.values[at], first, why);
    out.room(1 + TextOut::kWholeDigits);
    if (!first) out.put(',');
    if (p.wholes) {
        const WholeCell& cell = p.wholes[at];
        if (!cell.isEmpty()) out.whole(cell.get());
        return true;
    }
    const RealCell& cell = p.reals[at];
    return cell.isEmpty() || AppendRealOrText(out, Value(cell.get()), why);
}

// ---- reading ----

// A field as the reader finds it: nothing, a whole number, a real or a
// text (its characters between the quotes, where the file's text holds
// them). Plain data: reading a field makes and frees nothing, and a value is
// made of it only where it goes into the game.
struct Field {
    Value::Kind kind = Value::Kind::Empty;
    std::int64_t whole = 0;  // Int
    double real = 0;         // Real
    std::string_view text;   // Text

    Value value() const {
        switch (kind) {
        case Value::Kind::Empty: break;
        case Value::Kind::Int: return Value(whole);
        case Value::Kind::Real: return Value(real);
        case Value::Kind::Text: return Value(text);
        }
        return Value();
    }
    // The cell holds this very value: the same kind and the same value, a
    // real to the bit (0 and -0 differ).
    [[gnu::always_inline]] bool heldBy(const Value& cell) const {
        if (cell.kind() != kind) return false;
        switch (kind) {
        case Value::Kind::Empty: return true;
        case Value::Kind::Int: return cell.asInt() == whole;
        case Value::Kind::Real: return SameBits(cell.asReal());
        case Value::Kind::Text: return cell.text() == text;
        }
        return false;
    }
    // The same for a plain number, by the value it stands for.
    [[gnu::always_inline]] bool heldBy(const WholeCell& cell) const {
        return cell.isEmpty() ? kind == Value::Kind::Empty : kind == Value::Kind::Int && cell.get() == whole;
    }
    [[gnu::always_inline]] bool heldBy(const RealCell& cell) const {
        return cell.isEmpty() ? kind == Value::Kind::Empty : kind == Value::Kind::Real && SameBits(cell.get());
    }

private:
    bool SameBits(double x) const { return std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(real); }
};

// The fields of one line. A line the game wrote holds at most a dozen; the
// fields of a longer (damaged) line past the room here are read and counted
// but not kept, and such a line is refused for its count.
class LineFields {
public:
    std::size_t size() const { return count_; }
    const Field& operator[](std::size_t k) const { return fields_[k]; }
    void clear() { count_ = 0; }
    Field& add() { return fields_[std::min(count_++, kKept)]; }

    static constexpr std::size_t kKept = 16;

private:
    std::array<Field, kKept + 1> fields_;
    std::size_t count_ = 0;
};

// A saved game's text, line by line. A line is fields separated by commas;
// a quoted field is a text that runs to its closing quote and may hold
// commas and line breaks (the news articles hold them); any other field is
// empty or a number. Lines end in CR LF (a bare LF is taken too). The text
// is a string's, so that a NUL stands past its end: every scan stops there
// at the latest, and only a NUL within the text is asked where it stands.
class LineReader {
public:
    explicit LineReader(const std::string& text) : at_(text.data()), end_(text.data() + text.size()) {}

    bool atEnd() const { return at_ == end_; }
    int lineNumber() const { return line_; }

    // The fields of the next line; false with a reason at the end of the
    // file or at a field the game cannot have written.
    bool next(LineFields& fields, std::string* why) {
        fields.clear();
        ++line_;
        if (atEnd()) return Fail(why, "the file ends early");
        for (;;) {
            if (!field(fields.add(), why)) return false;
            // A field ends at a comma, a line end or the end of the text.
            const char c = *at_;
            if (c == ',') {
                ++at_;
                continue;
            }
            if (atEnd()) return true;  // the last line may lack its line end
            ++at_;
            if (c == '\n') return true;
            if (c == '\r' && *at_ == '\n') {
                ++at_;
                return true;
            }
            return Fail(why, "a stray character after a field");
        }
    }

private:
    bool Fail(std::string* why, const std::string& msg) const {
        if (why) *why = "line " + std::to_string(line_) + ": " + msg;
        return false;
    }

    // A comma, a line end or the end of the text (the bytes that end a
    // field all lie at or below the comma, the digits above it).
    bool fieldEnds(const char* p) const {
        const char c = *p;
        return static_cast<unsigned char>(c) <= ',' && (c == ',' || c == '\r' || c == '\n' || (c == '\0' && p == end_));
    }

    bool field(Field& f, std::string* why) {
        if (fieldEnds(at_)) {
            f.kind = Value::Kind::Empty;
            return true;
        }
        if (*at_ == '"') {
            const char* const text = at_ + 1;
            const auto* close = static_cast<const char*>(std::memchr(text, '"', static_cast<std::size_t>(end_ - text)));
            if (!close) return Fail(why, "a text has no closing quote");
            line_ += static_cast<int>(std::count(text, close, '\n'));
            f.kind = Value::Kind::Text;
            f.text = std::string_view(text, static_cast<std::size_t>(close - text));
            at_ = close + 1;
            if (!fieldEnds(at_)) return Fail(why, "a text goes on after its closing quote");
            return true;
        }
        // Most of the rest are whole numbers of a few digits: up to 18
        // digits and a minus are read on the way through them (as
        // ParseNumber reads them); any other field is parsed whole.
        const char* p = at_;
        const bool minus = *p == '-';
        p += minus;
        const char* const digits = p;
        std::uint64_t n = 0;  // whole up to 18 digits; longer numbers wrap and go the long way
        for (unsigned digit; (digit = static_cast<unsigned char>(*p) - unsigned{'0'}) <= 9; ++p) n = n * 10 + digit;
        if (p != digits && p - digits <= 18 && fieldEnds(p)) {
            f.kind = Value::Kind::Int;
            f.whole = minus ? -static_cast<std::int64_t>(n) : static_cast<std::int64_t>(n);
            at_ = p;
            return true;
        }
        while (!fieldEnds(p)) ++p;
        const std::string_view raw(at_, static_cast<std::size_t>(p - at_));
        at_ = p;
        // The game writes every text in quotes: anything else here (a word,
        // a stray quote) is damage, not a text.
        Value v;
        if (!ParseNumber(raw, v)) return Fail(why, "\"" + std::string(raw.substr(0, 40)) + "\" is neither a number nor a quoted text");
        f.kind = v.kind();
        if (v.isInt())
            f.whole = v.asInt();
        else
            f.real = v.asReal();
        return true;
    }

    const char* at_;
    const char* end_;
    int line_ = 0;
};

// Reads the next line, which must hold exactly `want` fields.
bool ReadLine(LineReader& in, std::size_t want, LineFields& fields, std::string* why) {
    if (!in.next(fields, why)) return false;
    if (fields.size() != want)
        return Fail(why, "line " + std::to_string(in.lineNumber()) + " holds " + std::to_string(fields.size()) +
                             " fields where the game writes " + std::to_string(want));
    return true;
}

// A value as a message names it, cut short.
std::string Shown(const Value& v) {
    if (v.isEmpty()) return "nothing";
    std::string t = v.asText();
    if (t.size() > 40) t = t.substr(0, 40) + "...";
    return v.isText() ? "the text \"" + t + "\"" : t;
}

// What a read will write, gathered until the whole file has been read: a
// file refused half-way has changed nothing. Putting it in place swaps each
// cell with its new value, so the old values wait here and a refusal of the
// whole (a date that does not exist, say) swaps them back. No copy of the
// game is made either way.
class StagedRead {
public:
    explicit StagedRead(GameState& g) : g_(g) {}
    void stage(Value& cell, Value v) { cells_.emplace_back(&cell, std::move(v)); }
    void stage(Money& cell, Money m) { ledger_.emplace_back(&cell, m); }
    void stage(std::int32_t& cell, std::int32_t v) { ints_.emplace_back(&cell, v); }
    // An element of a column of plain numbers, which holds `v` exactly.
    void stage(const ColumnDef& c, int index, Value v) { numbers_.push_back({&c, index, std::move(v)}); }
    // Swaps every staged value with its cell (twice puts the cells back).
    void swapIn() {
        for (auto& [cell, v] : cells_) std::swap(*cell, v);
        for (auto& [cell, m] : ledger_) std::swap(*cell, m);
        for (auto& [cell, v] : ints_) std::swap(*cell, v);
        for (Number& n : numbers_) {
            Value old = n.col->load(g_, n.index);
            n.col->store(g_, n.index, n.v);
            n.v = std::move(old);
        }
    }

private:
    struct Number {
        const ColumnDef* col;
        int index;
        Value v;
    };
    GameState& g_;
    std::vector<std::pair<Value*, Value>> cells_;
    std::vector<std::pair<Money*, Money>> ledger_;
    std::vector<std::pair<std::int32_t*, std::int32_t>> ints_;
    std::vector<Number> numbers_;
};

[[gnu::noinline]] bool CannotHold(const LineReader& in, const ColumnDef& c, const Field& f, std::string* why) {
    return Fail(why, "line " + std::to_string(in.lineNumber()) + ": " + std::string(c.name) + " cannot hold " + Shown(f.value()));
}

// Whether the column takes the field: its rule lets it in, and a column of
// plain numbers holds it exactly (a value is never rounded on its way in).
// Such a column holds every whole number its rule lets in, and Empty (the
// field table is checked so when it is built): only a real is asked of its
// cells, which a column of whole numbers refuses even when it is whole.
[[gnu::always_inline]] inline bool Takes(const ColumnDef& c, const Field& f) {
    switch (f.kind) {
    case Value::Kind::Empty: return c.rule.emptyOk;
    case Value::Kind::Int: return c.rule.acceptsWhole(f.whole);
    case Value::Kind::Real: return c.rule.acceptsReal(f.real) && (!c.isTyped() || c.holds(Value(f.real)));
    case Value::Kind::Text: return c.rule.acceptsText(f.text);
    }
    return false;
}

// Every field of the file passes here, inlined into the loops that read
// the fields (the refusal's message is built apart).
[[gnu::always_inline]] inline bool Store(const LineReader& in, const Place<GameState>& p, int row, const Field& f,
                                         std::string* why, StagedRead& staged) {
    const ColumnDef& c = *p.col;
    if (!Takes(c, f)) return CannotHold(in, c, f, why);
    // A cell that holds the value already is left alone: a save's read-back
    // finds nearly every cell so, and an empty row of a load many.
    const int at = p.at(row);
    if (p.values) {
        Value& cell = p.values[at];
        if (!f.heldBy(cell)) staged.stage(cell, f.value());
    } else if (p.wholes ? !f.heldBy(p.wholes[at]) : !f.heldBy(p.reals[at])) {
        staged.stage(c, at, f.value());
    }
    return true;
}

// A ledger cell: nothing (0) or a number of yen within the money the game
// holds, kept to four decimal places.
bool LedgerCell(const Field& f, Money& out) {
    const Value v = f.value();
    if (v.isEmpty()) {
        out = Money();
        return true;
    }
    if (!v.isNumber() || !(std::fabs(v.asReal()) <= static_cast<double>(kYenLimit))) return false;
    out = v.isInt() ? Money::FromWhole(v.asInt()) : Money::FromReal(v.asReal());
    return true;
}

// Checks that span fields: the calendar stands on a real date, a loan that
// is lent falls due on a date (29 February of any year may stand there: a
// loan taken on a leap day is due a year later on the same day), and the
// shop's name is one the new-game dialog would take.
bool CheckTheWhole(const GameState& g, std::string* why) {
    const auto year = static_cast<int>(g.Year.asInt()), month = static_cast<int>(g.Month.asInt());
    if (g.Day.asInt() > DaysInMonth(year, month))
        return Fail(why, "the date " + g.Year.asText() + "-" + g.Month.asText() + "-" + g.Day.asText() + " does not exist");
    for (std::size_t k = 0; k < g.Loan.Amount.size(); ++k) {
        if (g.Loan.Amount[k].asInt() == 0) continue;
        const Value &y = g.Loan.DueYear[k], &m = g.Loan.DueMonth[k], &d = g.Loan.DueDay[k];
        if (y.isEmpty() || m.isEmpty() || d.isEmpty())
            return Fail(why, "loan " + std::to_string(k) + " has no due date");
        const int last = m.asInt() == 2 ? 29 : DaysInMonth(static_cast<int>(y.asInt()), static_cast<int>(m.asInt()));
        if (d.asInt() > last) return Fail(why, "loan " + std::to_string(k) + " falls due on a date that does not exist");
    }
    if (!g.ShopName.isText() || CheckShopName(g.ShopName.text()) != NameCheck::Ok)
        return Fail(why, "the shop's name \"" + g.ShopName.asText() + "\" is not one a new game takes");
    // And what the fields must agree on among themselves.
    return CheckAgreement(g, why);
}

}  // namespace

bool SerializeGame(const GameState& g, std::string& bytes, std::string* why) {
    const SaveLayout& L = Layout();
    TextOut out;
    auto endLine = [&] {
        out.room(2);
        out.put("\r\n");
    };
    auto field = [&](const ColumnDef& c, int row, int sub, bool first) {
        return AppendCell(out, Place<const GameState>(g, c, sub), row, first, why);
    };

    const std::string_view format = kFormatVersion;
    out.room(2 + format.size());
    out.put('"');
    out.put(format);
    out.put('"');
    endLine();
    for (const auto& line : L.headLines) {
        bool first = true;
        for (const ColumnDef* c : line) {
            if (!field(*c, 0, 0, first)) return false;
            first = false;
        }
        endLine();
    }
    out.room(TextOut::kWholeDigits);
    out.whole(g.FloorGrid[kGridLast][kGridLast]);
    endLine();

    for (const SaveGroup& grp : L.groups) {
        if (grp.ledger) {
            for (int p = 0; p < 3; ++p)
                for (int c = 0; c < 11; ++c) {
                    const std::string income = g.Ledger.Income[c][p].toText(), expense = g.Ledger.Expense[c][p].toText();
                    out.room(income.size() + 1 + expense.size());
                    out.put(income);
                    out.put(',');
                    out.put(expense);
                    endLine();
                }
            continue;
        }
        int last = grp.fixedLast;
        if (grp.counter) {
            const Value count = grp.counter->get(g, 0);
            if (!field(*grp.counter, 0, 0, true)) return false;
            endLine();
            if (!(count.isEmpty() || (count.isNumber() && count.asReal() >= 0 && count.asReal() <= grp.capacity() &&
                                      count.asReal() == std::floor(count.asReal())))) {
                Fail(why, std::string(grp.counter->name) + " is past its table's capacity");
                return false;
            }
            last = static_cast<int>(count.asInt());
        }
        const auto places = PlacesOf(g, grp);
        for (int i = 0; i <= last; ++i) {
            const Place<const GameState>* p = places.data();
            for (const auto& line : grp.lines) {
                for (std::size_t k = 0; k < line.size(); ++k, ++p)
                    if (!AppendCell(out, *p, i, k == 0, why)) return false;
                endLine();
            }
        }
    }
    bytes = out.take();
    if (bytes.size() > kLargestSaveFile) return Fail(why, "the game is larger than a saved game may be");
    return true;
}

namespace {

// What a read does with the file's values once they have passed every
// check: a load keeps them, the save's read-back puts the game's own back.
enum class Afterwards { Keep, PutBack };

bool ReadInto(std::string_view gbk, GameState& g, std::string* why, Afterwards afterwards) {
    std::string text;
    if (!GbkToUtf8(gbk, text)) return Fail(why, "the file is not GBK text");
    const SaveLayout& L = Layout();
    LineReader in(text);
    LineFields f;
    StagedRead staged(g);

    // The format line: this game reads only what it writes.
    if (!ReadLine(in, 1, f, why)) return false;
    if (!(f[0].kind == Value::Kind::Text && f[0].text == kFormatVersion))
        return Fail(why, "line 1: not a saved game of this format (\"" + f[0].value().asText() + "\")");

    for (const auto& line : L.headLines) {
        if (!ReadLine(in, line.size(), f, why)) return false;
        for (std::size_t k = 0; k < line.size(); ++k)
            if (!Store(in, Place<GameState>(g, *line[k], 0), 0, f[k], why, staged)) return false;
    }
    if (!ReadLine(in, 1, f, why)) return false;
    if (f[0].kind == Value::Kind::Empty) {
        staged.stage(g.FloorGrid[kGridLast][kGridLast], 0);
    } else if (f[0].kind == Value::Kind::Int && f[0].whole >= 0 && f[0].whole <= kLastGridValue) {
        staged.stage(g.FloorGrid[kGridLast][kGridLast], static_cast<std::int32_t>(f[0].whole));
    } else {
        return Fail(why, "line " + std::to_string(in.lineNumber()) + ": the floor grid cell is not a cell value");
    }

    for (const SaveGroup& grp : L.groups) {
        if (grp.ledger) {
            for (int p = 0; p < 3; ++p)
                for (int c = 0; c < 11; ++c) {
                    if (!ReadLine(in, 2, f, why)) return false;
                    Money income, expense;
                    if (!LedgerCell(f[0], income) || !LedgerCell(f[1], expense))
                        return Fail(why, "line " + std::to_string(in.lineNumber()) + ": a ledger cell is not an amount of money");
                    staged.stage(g.Ledger.Income[c][p], income);
                    staged.stage(g.Ledger.Expense[c][p], expense);
                }
            continue;
        }
        int last = grp.fixedLast;
        if (grp.counter) {
            if (!ReadLine(in, 1, f, why)) return false;
            const Value count = f[0].value();
            if (!(count.isEmpty() || (count.isInt() && count.asInt() >= 0 && count.asInt() <= grp.capacity())))
                return Fail(why, "line " + std::to_string(in.lineNumber()) + ": " + std::string(grp.counter->name) +
                                     " is not a count of its table (\"" + count.asText() + "\")");
            last = static_cast<int>(count.asInt());
            if (!Store(in, Place<GameState>(g, *grp.counter, 0), 0, f[0], why, staged)) return false;
        }
        const auto places = PlacesOf(g, grp);
        for (int i = 0; i <= last; ++i) {
            const Place<GameState>* p = places.data();
            for (const auto& line : grp.lines) {
                if (!ReadLine(in, line.size(), f, why)) return false;
                for (std::size_t k = 0; k < line.size(); ++k, ++p)
                    if (!Store(in, *p, i, f[k], why, staged)) return false;
            }
        }
    }
    if (!in.atEnd()) return Fail(why, "text follows the last line of the game");
    staged.swapIn();
    const bool taken = CheckTheWhole(g, why);
    // Refused as a whole, or only read back: every cell back as it was.
    if (!taken || afterwards == Afterwards::PutBack) staged.swapIn();
    return taken;
}

}  // namespace

bool DeserializeGame(std::string_view gbk, GameState& g, std::string* why) {
    return ReadInto(gbk, g, why, Afterwards::Keep);
}

namespace {

// ---- the files ----

// Reads a whole saved game: only a regular file, and only one no larger
// than the game could have written. Nothing here throws.
bool ReadSaveBytes(const std::string& path, std::string& bytes, std::string* why) {
    // Non-blocking, so that a pipe without a writer cannot hang the game.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return Fail(why, "the file cannot be opened");
    struct stat st{};
    bool ok = ::fstat(fd, &st) == 0;
    if (!ok) {
        Fail(why, "the file cannot be opened");
    } else if (!S_ISREG(st.st_mode)) {
        ok = Fail(why, "not a file but a folder or a device");
    } else if (st.st_size > static_cast<off_t>(kLargestSaveFile)) {
        ok = Fail(why, "the file is larger than any saved game");
    }
    if (ok) {
        // Read to the end, but never past the largest saved game: the file
        // may be growing while it is read.
        bytes.assign(static_cast<std::size_t>(st.st_size) + 1, '\0');
        std::size_t got = 0;
        for (;;) {
            if (got == bytes.size()) {
                if (bytes.size() > kLargestSaveFile) break;
                bytes.resize(std::min(bytes.size() * 2, kLargestSaveFile + 1));
            }
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                ok = Fail(why, "the file cannot be read");
                break;
            }
            if (n == 0) break;
            got += static_cast<std::size_t>(n);
        }
        if (ok && got > kLargestSaveFile) ok = Fail(why, "the file is larger than any saved game");
        bytes.resize(got);
    }
    ::close(fd);
    return ok;
}

bool WriteWhole(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The file a save replaces: the path itself or, when it is a symbolic link,
// the file at the end of its links, so that saving over a link writes the
// file it points to and keeps the link. Empty for a loop of links (or a
// chain longer than the system follows), which has no file to write.
std::string SaveTarget(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st{};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::string to(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0) + 256, '\0');
        const ssize_t n = ::readlink(path.c_str(), to.data(), to.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= to.size()) return path;
        to.resize(static_cast<std::size_t>(n));
        path = to.front() == '/' ? to : FolderOf(path) + "/" + to;
    }
    return {};
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// ---- the temporary file ----

// A save writes its file under a temporary name in the target's folder and
// renames it over the target. The name is short and of one length whatever
// the target's, so any name the file system takes leaves room for it, and
// it says whose it is: ".qm-save-", a hash of the target's file name in 16
// hex digits, "-" and 8 random letters or digits. A save killed between
// naming its file and the rename leaves a whole copy under that name; the
// next save of the same target finds it by the hash and removes it.
constexpr std::string_view kTempPrefix = ".qm-save-";
constexpr std::string_view kTempChars = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kTempRandomChars = 8;
constexpr std::size_t kTempNameLength = kTempPrefix.size() + 16 + 1 + kTempRandomChars;

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string TemporaryNamePrefix(const std::string& target) {
    // FNV-1a, 64 bits: the same name gives the same hash in every run.
    std::uint64_t h = 14695981039346656037ull;
    for (const unsigned char c : FileNameOf(target)) {
        h ^= c;
        h *= 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
    return std::string(kTempPrefix) + hex + "-";
}

namespace {

// A fresh temporary name for a save of `target` (a name in its folder).
std::string TempName(const std::string& target) {
    unsigned char random[kTempRandomChars];
    if (::getrandom(random, sizeof random, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof random)) {
        // No entropy yet (early in a boot): the process and the clock tell
        // two saves apart, and a name already taken is tried again anyway.
        std::uint64_t x = static_cast<std::uint64_t>(::getpid()) * 0x9E3779B97F4A7C15ull ^
                          static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        for (unsigned char& b : random) {
            b = static_cast<unsigned char>(x);
            x = x >> 8 | x << 56;
        }
    }
    std::string name = TemporaryNamePrefix(target);
    for (const unsigned char b : random) name += kTempChars[b % kTempChars.size()];
    return name;
}

bool IsTempNameOf(std::string_view name, std::string_view stem) {
    return name.size() == kTempNameLength && name.starts_with(stem) &&
           name.substr(stem.size()).find_first_not_of(kTempChars) == std::string_view::npos;
}

// Removes the copies that earlier saves of `target` left under their
// temporary names in its folder `dir`. Only a file of ours goes: a regular
// file of this user, under a temporary name of this target, with bytes in
// it, and not being written: a save holds a lock on its temporary file from
// before its first byte until the rename (a save under way in another
// process keeps its file). Where the file system has no locks, nothing is
// removed.
void RemoveStaleTemporaries(int dir, const std::string& target) {
    const std::string stem = TemporaryNamePrefix(target);
    std::vector<std::string> names;
    alignas(dirent64) char entries[8192];
    for (ssize_t n; (n = ::getdents64(dir, entries, sizeof entries)) > 0;)
        for (ssize_t at = 0; at < n;) {
            const auto* e = reinterpret_cast<const dirent64*>(entries + at);
            if (IsTempNameOf(e->d_name, stem)) names.emplace_back(e->d_name);
            at += e->d_reclen;
        }
    for (const std::string& name : names) {
        const int fd = ::openat(dir, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat held{}, named{};
        if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && held.st_uid == ::geteuid() && held.st_size > 0 &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstatat(dir, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            named.st_dev == held.st_dev && named.st_ino == held.st_ino)
            ::unlinkat(dir, name.c_str(), 0);
        ::close(fd);
    }
}

enum class Replaced { Yes, No, TryNamed };

// Writes `bytes` to `target` through a temporary file in its folder `dir`,
// renamed over the target only once it is complete and on disk, so that a
// failure never costs the old file. The temporary file is unnamed while it
// is written (it vanishes if the program dies) and gets a name only for the
// moment of the rename; where the folder has no unnamed files, it is named
// from the start and removed on every failure. Either way it is locked
// until the rename, as a save under way.
Replaced ReplaceWith(int dir, const std::string& target, const std::string& bytes, bool unnamed) {
    const std::string name = FileNameOf(target);
    std::string tmp;
    int fd = -1;
    if (unnamed) {
        fd = ::openat(dir, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd < 0) return Replaced::TryNamed;
    } else {
        for (int tries = 0; tries < 10 && fd < 0; ++tries) {
            tmp = TempName(target);
            fd = ::openat(dir, tmp.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (fd < 0 && errno != EEXIST) break;
        }
        if (fd < 0) return Replaced::No;
    }
    // Still empty, so no clean-up takes it before the lock.
    (void)::flock(fd, LOCK_EX | LOCK_NB);

    // The saved game keeps the permissions of the file it replaces.
    struct stat old{};
    const mode_t mode = ::fstatat(dir, name.c_str(), &old, 0) == 0 ? (old.st_mode & 07777) : NewFileMode();
    bool ok = WriteWhole(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    if (ok && unnamed) {
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        for (int tries = 0; tries < 10 && tmp.empty(); ++tries) {
            const std::string named = TempName(target);
            if (::linkat(AT_FDCWD, self.c_str(), dir, named.c_str(), AT_SYMLINK_FOLLOW) == 0)
                tmp = named;
            else if (errno != EEXIST)
                break;
        }
        if (tmp.empty()) {
            ::close(fd);
            return Replaced::TryNamed;  // no /proc, say: fall back on a named file
        }
    }
    if (ok) ok = ::renameat(dir, tmp.c_str(), dir, name.c_str()) == 0;
    // The name goes before the lock does.
    if (!ok && !tmp.empty()) ::unlinkat(dir, tmp.c_str(), 0);
    ::close(fd);
    if (!ok) return Replaced::No;
    // The rename itself reaches the disk only with the folder.
    return ::fsync(dir) == 0 || errno == EINVAL || errno == EROFS ? Replaced::Yes : Replaced::No;
}

bool ReplaceFile(const std::string& path, const std::string& bytes) {
    const std::string target = SaveTarget(path);
    if (target.empty()) return false;
    // The folder stays open for the whole save: its entries are read, the
    // file is made, named and renamed in it, and it is flushed. One that
    // cannot be opened could never be flushed: nothing is written there.
    const int dir = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return false;
    RemoveStaleTemporaries(dir, target);
    Replaced r = ReplaceWith(dir, target, bytes, true);
    if (r == Replaced::TryNamed) r = ReplaceWith(dir, target, bytes, false);
    ::close(dir);
    return r == Replaced::Yes;
}

}  // namespace

bool WriteGameFile(GameState& g, const std::string& path, std::string* why) {
    std::string bytes;
    if (!SerializeGame(g, bytes, why)) return false;
    // The last guard: a file the loader would refuse never replaces one it
    // takes. The bytes are read back into the game itself, as a load would
    // read them, and the game's own values are put back: no second game is
    // made for it. The reason goes to the log as well: the player sees only
    // the write error.
    std::string refused;
    if (!ReadInto(bytes, g, &refused, Afterwards::PutBack)) {
        std::fprintf(stderr, "quillmart: the save was not written, its file would not load back: %s\n", refused.c_str());
        return Fail(why, "its file would not load back: " + refused);
    }
    if (!ReplaceFile(path, bytes)) return Fail(why, "the file could not be written in place of " + path);
    return true;
}

bool CheckSavedBytes(std::string_view bytes, std::string* why) {
    auto scratch = std::make_unique<GameState>();
    return DeserializeGame(bytes, *scratch, why);
}

bool ReadGameFile(GameState& g, const std::string& path, std::string* why) {
    std::string bytes;
    // The read puts the game in place only once the whole file passed.
    return ReadSaveBytes(path, bytes, why) && DeserializeGame(bytes, g, why);
}

// The play-after-load campaign (not part of the test run; see README.md and
// tests/fuzz/campaign.sh). It damages real saved games, loads each damaged
// file as the game does and plays every file the loader takes for a month:
//
//   qmcampaign run SEEDS_DIR OUT_DIR FIRST COUNT   files FIRST .. FIRST+COUNT-1
//   qmcampaign watch GAME DAYS                     the agreement checks after every tick
//
// A file is made from seed number (file % seeds) by one to three mutations
// drawn from the file's own number, so every file can be made again. Each
// file runs in a child process: the loader either refuses it (fine) or
// takes it, and then the game plays 31 game days, saves, and the save must
// be taken back. A break is a file whose play freezes the clock (a day of
// more than kTicksPerDayCap ticks; a normal one has about 570), trips a
// sanitizer or dies, or whose save the game's own loader refuses. Breaks are
// kept in OUT_DIR/breaks with the reason in their name; the last line of
// the output counts the files made, refused, accepted and broken.
//
// `watch` plays a game and runs the loader's agreement checks after every
// tick: a save taken at any moment of play must load.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "savegame/GameAgreement.h"
#include "savegame/LoadSave.h"
#include "state/NewGame.h"
#include "savegame/SaveGame.h"
#include "state/StateLayout.h"
#include "tests/fuzz/ProgramState.h"

namespace fs = std::filesystem;

namespace {

constexpr int kDaysOfPlay = 31;
constexpr long long kTicksPerDayCap = 50'000;
constexpr unsigned kSecondsPerFile = 300;  // a child past this is a hang

// Exit codes of a file's child process.
enum Outcome : int {
    Played = 0,
    Refused = 10,
    Frozen = 20,
    SaveRefused = 21,
    SaveFailed = 22,
    Hang = 23,
};

std::string ReadAll(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}
void WriteAll(const fs::path& p, const std::string& s) { std::ofstream(p, std::ios::binary) << s; }

// ---- a saved game as lines of fields, each field known by its column ----

struct Line {
    std::vector<std::string> fields;
    std::vector<const ColumnDef*> cols;  // null where the field has no column (format, grid, ledger)
    int region = 0;                      // 0 the head, then one per table group
    int stride = 0;                      // lines per row of its group (0: no rows)
};

struct Seed {
    std::string name;
    std::vector<Line> lines;
    int regions = 0;
};

// Logical lines: a quoted text may hold line breaks.
std::vector<std::vector<std::string>> SplitLines(const std::string& t) {
    std::vector<std::vector<std::string>> out;
    std::vector<std::string> fields;
    std::string cur;
    bool quoted = false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (c == '"') quoted = !quoted;
        if (!quoted && c == ',') {
            fields.push_back(cur);
            cur.clear();
        } else if (!quoted && c == '\r' && i + 1 < t.size() && t[i + 1] == '\n') {
            fields.push_back(cur);
            cur.clear();
            out.push_back(fields);
            fields.clear();
            ++i;
        } else {
            cur += c;
        }
    }
    if (!cur.empty() || !fields.empty()) {
        fields.push_back(cur);
        out.push_back(fields);
    }
    return out;
}

std::string Join(const std::vector<Line>& lines) {
    std::string out;
    for (const Line& l : lines) {
        for (std::size_t k = 0; k < l.fields.size(); ++k) {
            if (k) out += ',';
            out += l.fields[k];
        }
        out += "\r\n";
    }
    return out;
}

// Knows every field of a seed by walking the layout as the writer does.
bool MapSeed(const std::string& bytes, Seed& seed) {
    auto g = std::make_unique<GameState>(ProgramState());
    std::string why;
    if (!DeserializeGame(bytes, *g, &why)) {
        std::cerr << seed.name << ": the seed does not load: " << why << "\n";
        return false;
    }
    const auto raw = SplitLines(bytes);
    const SaveLayout& L = Layout();
    std::vector<Line> lines;
    auto add = [&](std::vector<const ColumnDef*> cols, int region, int stride) {
        Line l;
        l.cols = std::move(cols);
        l.region = region;
        l.stride = stride;
        lines.push_back(std::move(l));
    };
    add({nullptr}, 0, 0);
    for (const auto& hl : L.headLines) add(hl, 0, 0);
    add({nullptr}, 0, 0);
    int region = 1;
    for (const SaveGroup& grp : L.groups) {
        if (grp.ledger) {
            for (int k = 0; k < 33; ++k) add({nullptr, nullptr}, region, 1);
            ++region;
            continue;
        }
        int last = grp.fixedLast;
        if (grp.counter) {
            add({grp.counter}, region, 0);
            last = static_cast<int>(grp.counter->get(*g, 0).asInt());
        }
        const int stride = static_cast<int>(grp.lines.size());
        for (int i = 0; i <= last; ++i)
            for (const auto& gl : grp.lines) {
                std::vector<const ColumnDef*> cols;
                for (const FieldRef& f : gl) cols.push_back(f.col);
                add(cols, region, stride);
            }
        ++region;
    }
    if (lines.size() != raw.size()) {
        std::cerr << seed.name << ": " << raw.size() << " lines where the layout has " << lines.size() << "\n";
        return false;
    }
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (raw[k].size() != lines[k].cols.size()) {
            std::cerr << seed.name << ": line " << k + 1 << " does not match the layout\n";
            return false;
        }
        lines[k].fields = raw[k];
    }
    seed.lines = std::move(lines);
    seed.regions = region;
    return true;
}

// ---- mutations ----

using Rng = std::mt19937_64;

int Pick(Rng& r, int n) { return n <= 0 ? 0 : static_cast<int>(r() % static_cast<unsigned>(n)); }

const char* const kEdgeValues[] = {
    "", "0", "1", "-1", "2", "3", "4", "5", "6", "7", "9", "10", "11", "12", "13", "20", "21", "23", "24", "25",
    "26", "29", "30", "31", "32", "47", "48", "50", "51", "53", "60", "61", "62", "99", "100", "101", "128",
    "129", "255", "256", "257", "500", "501", "512", "513", "999", "1000", "1000000", "10000000", "10000001",
    "1000000000", "1000000001", "99999999999999", "100000000000000", "100000000000001", "999999999999999",
    "1000000000000000", "1000000000000001", "-100000000000000", "9223372036854775807", "1e308", "0.5", "-0.5",
    "1.5", "2.0", ".5", "1E+15", "\"\"", "\"x\"", "\"0\"", "\"\xB2\xE2\"",
};

bool IsNumberField(const std::string& f, double& v) {
    if (f.empty() || f[0] == '"') return false;
    char* end = nullptr;
    v = std::strtod(f.c_str(), &end);
    return end && *end == '\0' && std::isfinite(v);
}

std::string NumberText(double v) {
    if (v == std::floor(v) && std::fabs(v) < 9e18) return std::to_string(static_cast<long long>(v));
    char b[64];
    std::snprintf(b, sizeof b, "%.17g", v);
    return b;
}

// A value at an edge of the field's own rule, or one from the common list.
std::string EdgeOf(const ColumnDef* c, Rng& r) {
    if (c && c->rule.kind != FieldKind::Text && Pick(r, 3) != 0) {
        const long long lo = c->rule.lo, hi = c->rule.hi;
        const long long pick[] = {lo, hi, hi - 1, lo + 1, hi + 1, lo - 1, 0, 1, (lo + hi) / 2};
        return std::to_string(pick[Pick(r, 9)]);
    }
    return kEdgeValues[Pick(r, static_cast<int>(std::size(kEdgeValues)))];
}

struct Target {
    int line = -1, field = -1;
};

// A region first (the head or a table group), so the small groups are hit
// as often as the large ones; then a line and a field of it.
Target PickField(const std::vector<Line>& lines, int regions, Rng& r) {
    Target t;
    for (int tries = 0; tries < 20; ++tries) {
        const int region = Pick(r, regions);
        std::vector<int> in;  // lines of the region that still hold a field
        for (int k = 0; k < static_cast<int>(lines.size()); ++k)
            if (lines[k].region == region && !lines[k].fields.empty()) in.push_back(k);
        if (in.empty()) continue;
        t.line = in[Pick(r, static_cast<int>(in.size()))];
        t.field = Pick(r, static_cast<int>(lines[t.line].fields.size()));
        return t;
    }
    return t;  // nothing found: no mutation
}

enum Family {
    Edge, Negate, Scale, Shift, SwapFields, SwapLines, DeleteSomething, Duplicate, Truncate, Dates, ForeignBytes,
    LineEnds, kFamilies
};
const char* const kFamilyNames[] = {"edge", "negate", "scale", "shift", "swap-fields", "swap-lines", "delete",
                                    "duplicate", "truncate", "dates", "foreign-bytes", "line-ends"};

// Returns where it struck: the line and the field's column.
std::string MutateLines(std::vector<Line>& lines, int regions, Family f, Rng& r) {
    const Target t = PickField(lines, regions, r);
    if (t.line < 0) return {};
    Line& l = lines[t.line];
    std::string& field = l.fields[t.field];
    const ColumnDef* col = t.field < static_cast<int>(l.cols.size()) ? l.cols[t.field] : nullptr;
    const std::string at = "@" + std::to_string(t.line + 1) + ":" + (col ? std::string(col->name) : "-");
    double v = 0;
    switch (f) {
    case Edge: field = EdgeOf(col, r); break;
    case Negate:
        if (IsNumberField(field, v)) field = NumberText(-v);
        else field = "-1";
        break;
    case Scale: {
        static const double kFactors[] = {2, 3, 10, 100, 1000, 0.5, 0.1, 1.5};
        if (IsNumberField(field, v)) {
            const double s = v * kFactors[Pick(r, 8)];
            field = NumberText(Pick(r, 2) ? std::floor(s) : s);
        }
        break;
    }
    case Shift: {
        static const int kSteps[] = {1, -1, 2, -2, 3, -3, 6, -6, 10, -10, 100, -100};
        if (IsNumberField(field, v)) field = NumberText(v + kSteps[Pick(r, 12)]);
        else if (field.empty()) field = kSteps[Pick(r, 12)] > 0 ? "1" : "-1";
        break;
    }
    case SwapFields: {
        if (l.fields.size() < 2) break;
        const int other = Pick(r, 2) ? (t.field + 1) % static_cast<int>(l.fields.size())
                                     : Pick(r, static_cast<int>(l.fields.size()));
        std::swap(l.fields[t.field], l.fields[other]);
        break;
    }
    case SwapLines: {
        // The same line of the next row (a person's, a spot's), or the next line.
        const int step = l.stride > 0 && Pick(r, 3) != 0 ? l.stride : 1;
        const int other = t.line + step;
        if (other < static_cast<int>(lines.size())) std::swap(lines[t.line].fields, lines[other].fields);
        break;
    }
    case DeleteSomething:
        if (Pick(r, 2)) lines.erase(lines.begin() + t.line);
        else l.fields.erase(l.fields.begin() + t.field);
        break;
    case Duplicate:
        if (Pick(r, 2)) lines.insert(lines.begin() + t.line, lines[t.line]);
        else l.fields.insert(l.fields.begin() + t.field, field);
        break;
    case Dates: {
        // The calendar (line 4: Year, Month, Day) or a loan's due date (group 4).
        static const char* const kDates[][3] = {
            {"2027", "2", "29"}, {"2026", "4", "31"}, {"2026", "0", "10"}, {"2026", "13", "1"}, {"2026", "12", "0"},
            {"2026", "12", "32"}, {"0", "1", "1"}, {"-1", "6", "6"}, {"100000001", "1", "1"}, {"2100", "2", "29"},
            {"2000", "2", "29"}, {"99999999", "12", "31"}, {"2026", "2", "28"},
        };
        const auto& d = kDates[Pick(r, static_cast<int>(std::size(kDates)))];
        if (Pick(r, 2) && lines.size() > 4 && lines[3].fields.size() >= 3) {
            for (int k = 0; k < 3; ++k) lines[3].fields[k] = d[k];
        } else {
            for (Line& x : lines)
                if (x.cols.size() == 6 && x.fields.size() == 6 && x.cols[1] &&
                    x.cols[1]->name == std::string_view("Loan.Amount") && Pick(r, 2)) {
                    if (x.fields[1].empty()) x.fields[1] = "100000";
                    for (int k = 0; k < 3; ++k) x.fields[2 + k] = d[k];
                    break;
                }
        }
        break;
    }
    default: break;
    }
    return at;
}

std::string MutateBytes(std::string b, Family f, Rng& r) {
    if (b.empty()) return b;
    switch (f) {
    case Truncate: b.resize(static_cast<std::size_t>(Pick(r, static_cast<int>(b.size())))); break;
    case ForeignBytes: {
        static const char kBytes[] = {'\0', '\xFF', '\x80', '\x81', '"', ',', '\n', '\r', 'x', '\x7F', '\xA1', ' '};
        const std::size_t at = static_cast<std::size_t>(Pick(r, static_cast<int>(b.size())));
        const char c = Pick(r, 3) ? kBytes[Pick(r, static_cast<int>(sizeof kBytes))] : static_cast<char>(r());
        if (Pick(r, 2)) b.insert(b.begin() + static_cast<std::ptrdiff_t>(at), c);
        else b[at] = c;
        break;
    }
    case LineEnds: {
        std::string out;
        const int how = Pick(r, 4);
        if (how == 0) {  // every CR LF a bare LF
            for (std::size_t i = 0; i < b.size(); ++i)
                if (!(b[i] == '\r' && i + 1 < b.size() && b[i + 1] == '\n')) out += b[i];
            return out;
        }
        // One line end changed: to LF, to CR, doubled.
        std::size_t at = b.find("\r\n", static_cast<std::size_t>(Pick(r, static_cast<int>(b.size()))));
        if (at == std::string::npos) at = b.find("\r\n");
        if (at == std::string::npos) return b + "\r\n";
        if (how == 1) b.erase(at, 1);
        else if (how == 2) b.erase(at + 1, 1);
        else b.insert(at, "\r\n");
        break;
    }
    default: break;
    }
    return b;
}

// File number `n`: its seed and its mutations, all from the number.
std::string MakeFile(const std::vector<Seed>& seeds, long long n, std::string& what) {
    Rng r(static_cast<std::uint64_t>(n) * 0x9E3779B97F4A7C15ull + 1);
    const Seed& s = seeds[static_cast<std::size_t>(n % static_cast<long long>(seeds.size()))];
    std::vector<Line> lines = s.lines;
    const int roll = Pick(r, 20);
    const int mutations = roll < 12 ? 1 : roll < 17 ? 2 : 3;
    std::vector<Family> families;
    for (int k = 0; k < mutations; ++k) families.push_back(static_cast<Family>(Pick(r, kFamilies)));
    what = s.name;
    for (Family f : families) {
        what += std::string("+") + kFamilyNames[f];
        if (f != Truncate && f != ForeignBytes && f != LineEnds) what += MutateLines(lines, s.regions, f, r);
    }
    std::string bytes = Join(lines);
    for (Family f : families)
        if (f == Truncate || f == ForeignBytes || f == LineEnds) bytes = MutateBytes(bytes, f, r);
    return bytes;
}

// ---- playing a file ----

// Plays `days` new days, or until the game ends. False when a day runs past
// the cap: the clock is frozen.
bool PlayDays(GameState& g, int days, std::string& why, bool watch = false) {
    for (int d = 0; d < days && g.GameRunning.asInt() == 1; ++d) {
        const Value day = g.Day;
        long long ticks = 0;
        while (g.GameRunning.asInt() == 1 && g.Day == day) {
            MainTick(g);
            if (watch && !CheckAgreement(g, &why)) {
                why = "day " + std::to_string(d) + ", tick " + std::to_string(ticks) + ", " + g.Year.asText() + "-" +
                      g.Month.asText() + "-" + g.Day.asText() + " hour " + g.Hour.asText() + ": " + why;
                return false;
            }
            if (++ticks > kTicksPerDayCap) {
                why = "day " + std::to_string(d) + " ran past " + std::to_string(kTicksPerDayCap) + " ticks";
                return false;
            }
        }
    }
    return true;
}

// The child's whole work on one file.
Outcome PlayFile(const std::string& bytes, long long n, std::string& why) {
    auto g = std::make_unique<GameState>(ProgramState());
    if (!DeserializeGame(bytes, *g, &why)) return Refused;
    PrepareLoadedGame(*g);
    g->rng.seed(static_cast<std::uint64_t>(n));
    if (!PlayDays(*g, kDaysOfPlay, why)) return Frozen;
    std::string saved;
    if (!SerializeGame(*g, saved, &why)) return SaveFailed;
    if (!CheckSavedBytes(saved, &why)) return SaveRefused;
    return Played;
}

const char* OutcomeName(int code) {
    switch (code) {
    case Frozen: return "frozen";
    case SaveRefused: return "save-refused";
    case SaveFailed: return "save-failed";
    case Hang: return "hang";
    default: return "died";
    }
}

int Run(const fs::path& seedDir, const fs::path& outDir, long long first, long long count) {
    std::vector<Seed> seeds;
    std::vector<fs::path> paths;
    for (const auto& e : fs::directory_iterator(seedDir))
        if (e.path().extension() == ".qmt") paths.push_back(e.path());
    std::sort(paths.begin(), paths.end());
    for (const fs::path& p : paths) {
        Seed s;
        s.name = p.stem().string();
        if (!MapSeed(ReadAll(p), s)) return 2;
        seeds.push_back(std::move(s));
    }
    if (seeds.empty()) {
        std::cerr << "qmcampaign: no seeds in " << seedDir << "\n";
        return 2;
    }
    fs::create_directories(outDir / "breaks");
    long long made = 0, refused = 0, accepted = 0, breaks = 0;
    for (long long n = first; n < first + count; ++n) {
        std::string what;
        const std::string bytes = MakeFile(seeds, n, what);
        ++made;
        std::fflush(nullptr);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::alarm(kSecondsPerFile);
            std::string why;
            const Outcome o = PlayFile(bytes, n, why);
            if (o != Played && o != Refused) std::fprintf(stderr, "file %lld (%s): %s\n", n, what.c_str(), why.c_str());
            std::fflush(nullptr);
            ::_exit(o);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM) code = Hang;
        if (code == Refused) {
            ++refused;
            continue;
        }
        ++accepted;
        if (code == Played) continue;
        ++breaks;
        std::string name = std::to_string(n) + "-" + OutcomeName(code) + "-" + what + ".qmt";
        name = name.substr(0, name.find('@')) + ".qmt";
        std::replace(name.begin(), name.end(), '+', '_');
        WriteAll(outDir / "breaks" / name, bytes);
        std::fprintf(stderr, "break: file %lld (%s): %s (exit %d)\n", n, what.c_str(), OutcomeName(code), code);
    }
    std::printf("files %lld refused %lld accepted %lld breaks %lld\n", made, refused, accepted, breaks);
    return breaks == 0 ? 0 : 1;
}

int Watch(const fs::path& game, int days) {
    auto g = std::make_unique<GameState>(ProgramState());
    if (!LoadGameFile(*g, game.string())) return 2;
    std::string why;
    if (!CheckAgreement(*g, &why) || !PlayDays(*g, days, why, true)) {
        std::cerr << game.string() << ": " << why << "\n";
        return 1;
    }
    std::cout << game.string() << ": " << days << " days, every tick agreed\n";
    return 0;
}

long long Number(const char* s) { return std::strtoll(s, nullptr, 10); }

}  // namespace

int main(int argc, char** argv) {
    HeadlessPlatform ui{GameWindowDefaults()};
    SetPlatform(&ui);
    const std::vector<std::string> a(argv + 1, argv + argc);
    if (a.size() == 5 && a[0] == "run") return Run(a[1], a[2], Number(argv[4]), Number(argv[5]));
    if (a.size() == 3 && a[0] == "watch") return Watch(a[1], static_cast<int>(Number(argv[3])));
    std::cerr << "usage:\n  qmcampaign run SEEDS_DIR OUT_DIR FIRST COUNT\n  qmcampaign watch GAME DAYS\n";
    return 2;
}

// qmtool: the game without a window, for tests, benchmarks and anyone who
// wants to look inside a saved game.
//
//   qmtool new OUT --name NAME --seed N --date YYYY-MM-DD [--time HH:MM]
//   qmtool get FILE NAME...        e.g. Funds  Magazine.Name(0)  Ledger.Income(6,1)  FloorGrid(62,22)
//   qmtool resave IN OUT
//   qmtool run IN OUT --ticks N     the main tick N times, every window answered
//                                   by its plain default, the clock never waiting
//   qmtool run IN OUT --days N      the same until N new days have begun
//   qmtool run ... --brigade        the same, the fire brigade called as soon
//                                   as the neighbours discover a fire
//   qmtool play IN OUT SCRIPT       a scripted opening (see PlayLine below)
//
// Message boxes go to standard error; a refused file exits with status 1.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <memory>
#include <string>
#include <vector>

#include "business/Bank.h"
#include "business/Insurance.h"
#include "commands/CommandGates.h"
#include "commands/GameSpeed.h"
#include "commands/SaveAndLoad.h"
#include "commands/StartNewGame.h"
#include "platform/headless/HeadlessPlatform.h"
#include "shop/ClerkSettings.h"
#include "shop/FacilityRemoval.h"
#include "shop/Placement.h"
#include "shop/Registers.h"
#include "shop/ServiceMachines.h"
#include "shop/Staff.h"
#include "shop/Upkeep.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "state/Ledger.h"
#include "stock/BookOrders.h"
#include "stock/MagazineOrders.h"
#include "stock/OrderList.h"
#include "floor/ShopEnlargement.h"
#include "savegame/LoadSave.h"
#include "state/NewGame.h"
#include "savegame/SaveGame.h"
#include "state/StateLayout.h"

namespace {

int Usage() {
    std::cerr << "usage:\n"
                 "  qmtool new OUT --name NAME --seed N --date YYYY-MM-DD [--time HH:MM]\n"
                 "  qmtool get FILE NAME...\n"
                 "  qmtool resave IN OUT\n"
                 "  qmtool run IN OUT --ticks N | --days N [--brigade]\n"
                 "  qmtool play IN OUT SCRIPT\n";
    return 2;
}

// A number argument: plain digits (a leading '-' only where `lo` is below 0),
// within [lo, hi]. Empty, signed, fractional or out-of-range text is refused.
bool ParseWhole(const std::string& text, long long lo, long long hi, long long& out) {
    std::size_t p = 0;
    const bool neg = !text.empty() && text[0] == '-';
    if (neg) {
        if (lo >= 0) return false;
        p = 1;
    }
    if (p == text.size() || text.size() - p > 18) return false;  // 18 digits cannot overflow
    long long v = 0;
    for (; p < text.size(); ++p) {
        if (text[p] < '0' || text[p] > '9') return false;
        v = v * 10 + (text[p] - '0');
    }
    if (neg) v = -v;
    if (v < lo || v > hi) return false;
    out = v;
    return true;
}

// A seed: any unsigned 64-bit number, in plain digits.
bool ParseSeed(const std::string& text, std::uint64_t& out) {
    if (text.empty() || text.size() > 20) return false;
    std::uint64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        const auto d = static_cast<std::uint64_t>(c - '0');
        if (v > (UINT64_MAX - d) / 10) return false;
        v = v * 10 + d;
    }
    out = v;
    return true;
}

// The largest part of a date or a time the tool reads: the whole number
// fits an int, and FromDate judges it (no year of a game has more digits).
constexpr long long kLargestDatePart = 999'999'999;

// "A-B-C" or "A:B": whole numbers, each in plain digits.
bool ParseParts(const std::string& text, char sep, std::size_t count, std::vector<long long>& parts) {
    parts.clear();
    std::size_t at = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t end = k + 1 < count ? text.find(sep, at) : text.size();
        if (end == std::string::npos) return false;
        long long v = 0;
        if (!ParseWhole(text.substr(at, end - at), 0, kLargestDatePart, v)) return false;
        parts.push_back(v);
        at = end + 1;
    }
    return true;
}

// Longest runs the tool takes: far beyond any game, short of any overflow.
constexpr long long kMostTicks = 1'000'000'000'000'000LL;
constexpr long long kMostDays = 1'000'000'000LL;

std::string FieldText(const Value& v) {
    if (v.isText()) return "\"" + v.text() + "\"";
    return v.asText();
}

// "Name", "Name(i)" or "Name(i,k)".
bool ParseRef(const std::string& ref, std::string& name, std::vector<long long>& idx) {
    auto open = ref.find('(');
    idx.clear();
    if (open == std::string::npos) {
        name = ref;
        return !name.empty();
    }
    if (ref.back() != ')') return false;
    name = ref.substr(0, open);
    std::string inside = ref.substr(open + 1, ref.size() - open - 2);
    std::size_t p = 0;
    while (p <= inside.size()) {
        std::size_t e = inside.find(',', p);
        if (e == std::string::npos) e = inside.size();
        std::string part = inside.substr(p, e - p);
        long long n = 0;
        if (!ParseWhole(part, 0, 1'000'000, n)) return false;
        idx.push_back(n);
        p = e + 1;
    }
    return true;
}

bool Lookup(GameState& g, const std::string& ref, std::string& out) {
    std::string name;
    std::vector<long long> idx;
    if (!ParseRef(ref, name, idx)) return false;
    auto in = [](long long v, long long n) { return v >= 0 && v < n; };
    if (name == "Ledger.Income" || name == "Ledger.Expense") {
        if (idx.size() != 2 || !in(idx[0], 11) || !in(idx[1], 3)) return false;
        auto& t = name == "Ledger.Income" ? g.Ledger.Income : g.Ledger.Expense;
        out = t[idx[0]][idx[1]].toText();
        return true;
    }
    if (name == "FloorGrid") {
        if (idx.size() != 2 || !in(idx[0], GameState::kGridSize) || !in(idx[1], GameState::kGridSize)) return false;
        out = std::to_string(g.FloorGrid[idx[0]][idx[1]]);
        return true;
    }
    const ColumnDef* c = Layout().find(name);
    if (!c) return false;
    if (c->isScalar()) {
        if (!idx.empty()) return false;
        out = FieldText(c->get(g, 0));
        return true;
    }
    std::size_t want = c->subs ? 2 : 1;
    if (idx.size() != want || !in(idx[0], c->rows) || (c->subs && !in(idx[1], c->subs))) return false;
    out = FieldText(c->get(g, static_cast<int>(idx[0]), c->subs ? static_cast<int>(idx[1]) : 0));
    return true;
}

// Saves as the game's save command does (an existing file is replaced, as
// if the player agreed) and exits 0, or 1 after the write-error box with
// what the system says of the path, when it says anything (a loop of links).
int Save(GameState& g, const std::string& path) {
    if (SaveGameTo(g, path) == SaveResult::Saved) return 0;
    std::error_code ec;
    (void)std::filesystem::status(path, ec);
    std::cerr << "qmtool: cannot save " << path;
    if (ec && ec != std::errc::no_such_file_or_directory) std::cerr << ": " << ec.message();
    std::cerr << "\n";
    return 1;
}

int CmdNew(const std::vector<std::string>& a) {
    if (a.empty()) return Usage();
    std::string out = a[0], name, date, time = "00:00";
    std::string seedText;
    for (std::size_t i = 1; i + 1 < a.size(); i += 2) {
        if (a[i] == "--name") name = a[i + 1];
        else if (a[i] == "--seed") seedText = a[i + 1];
        else if (a[i] == "--date") date = a[i + 1];
        else if (a[i] == "--time") time = a[i + 1];
        else return Usage();
    }
    if ((a.size() - 1) % 2 != 0 || seedText.empty() || date.empty()) return Usage();
    switch (CheckShopName(name)) {
    case NameCheck::Ok: break;
    case NameCheck::Empty: std::cerr << "请决定店铺的名字\n"; return 1;
    case NameCheck::TooLong: std::cerr << "qmtool: a shop name has at most 16 characters\n"; return 1;
    case NameCheck::HasQuote: std::cerr << "qmtool: a shop name cannot hold a double quote\n"; return 1;
    case NameCheck::NotGbk: std::cerr << "qmtool: a shop name can only hold characters of GBK\n"; return 1;
    }
    std::vector<long long> ymd, hm;
    std::uint64_t seed = 0;
    if (!ParseSeed(seedText, seed)) {
        std::cerr << "qmtool: --seed takes a whole number from 0 to " << UINT64_MAX << "\n";
        return 2;
    }
    if (!ParseParts(time, ':', 2, hm) || hm[0] > 23 || hm[1] > 59) {
        std::cerr << "qmtool: --time takes HH:MM, from 00:00 to 23:59\n";
        return 2;
    }
    NewGameStart start;
    if (!ParseParts(date, '-', 3, ymd) ||
        !NewGameStart::FromDate(static_cast<int>(ymd[0]), static_cast<int>(ymd[1]), static_cast<int>(ymd[2]),
                                static_cast<int>(hm[0]), seed, start)) {
        std::cerr << "qmtool: --date takes a date that exists, YYYY-MM-DD, in the years 1 to "
                  << NewGameStart::LatestYear() << "\n";
        return 2;
    }
    auto g = std::make_unique<GameState>();
    InitProgramState(*g);
    StartNewGame(*g, name, start);
    return Save(*g, out);
}

// Runs the main tick with every window answered by its plain default and
// the clock never waiting, until `ticks` ticks or `days` new days have run
// or the game has ended (the clock stops at a game over). Returns the ticks.
// With `brigade` the fire brigade is called, as the fire command calls it,
// as soon as the neighbours have discovered a fire: left alone, a fire
// burns every facility on the floor and the shop sells nothing after it.
long long RunTicks(GameState& g, long long ticks, long long days, bool brigade = false) {
    long long run = 0, newDays = 0;
    while (g.GameRunning.asInt() == 1 && (days > 0 ? newDays < days : run < ticks)) {
        Value day = g.Day;
        MainTick(g);
        if (brigade && g.FireBurning.asInt() == 1 && g.FireUndiscovered.asInt() == 0) CallFireBrigade(g);
        ++run;
        if (!(g.Day == day)) ++newDays;
        if (days > 0 && run >= 100000000) break;  // a stalled calendar never hangs the tool
    }
    return run;
}

bool LoadForRun(GameState& g, const std::string& path) {
    InitProgramState(g);
    return LoadGameFrom(g, path);
}

// qmtool run IN OUT --ticks N | --days N [--brigade]: loads IN as the
// game's load command does, runs, saves OUT, and prints the ticks run and
// the seconds.
int CmdRun(const std::vector<std::string>& a) {
    if (a.size() < 4 || a.size() > 5 || (a[2] != "--ticks" && a[2] != "--days")) return Usage();
    if (a.size() == 5 && a[4] != "--brigade") return Usage();
    const bool brigade = a.size() == 5;
    long long n = 0;
    if (!ParseWhole(a[3], 0, a[2] == "--days" ? kMostDays : kMostTicks, n)) {
        std::cerr << "qmtool: " << a[2] << " takes a whole number from 0 to "
                  << (a[2] == "--days" ? kMostDays : kMostTicks) << "\n";
        return Usage();
    }
    auto g = std::make_unique<GameState>();
    if (!LoadForRun(*g, a[0])) return 1;
    auto t0 = std::chrono::steady_clock::now();
    long long run = a[2] == "--days" ? RunTicks(*g, 0, n, brigade) : RunTicks(*g, n, 0, brigade);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::cout << "ticks " << run << "\nseconds " << seconds << "\n";
    return Save(*g, a[1]);
}

// One line of a play script, through the same routines the windows call:
//   enlarge                  enlarge the shop by one size
//   place SPOT ROW           a fixture of catalogue row ROW on floor spot SPOT,
//                            as the floor view and its placing dialog allow:
//                            a spot of the shop's size, empty, and a row the
//                            star level offers
//   register PLACE MODEL     a register of model MODEL at register place 1 or 2
//   service PLACE ROW        a service machine at service place 1 or 2
//   hire                     the first applicant of a freshly drawn hire list
//   magazine ROW COPIES      a standing order of COPIES per issue
//   book ROW COPIES          an order of COPIES, delivered three days later
//   income YEN               money from outside the shop (a fixture's backer)
//   borrow YEN               a bank loan of YEN, as the borrowing dialog takes
//                            it (within its limit; at most three at a time)
//   arson SPOT               set the facility on SPOT on fire ("烧掉"; the shop
//                            must be closed and no fire burning)
//   speed N                  the game speed 0..10, as the speed dialog sets it
//   settings CLOSE MESSAGES  the settings dialog: the reports' closing speed
//                            0..10 and the clerks' messages shown (1) or not (0)
//   insure FIRE QUAKE DAMAGE the insurance dialog: each joined (1) or not (0)
//   cleaning LEVEL METHOD    the clerk settings: the automatic cleaning's
//                            threshold choice 0..4 and method choice 0..2
//   proof TIMES              earthquake proofing as "进行施工" does on Yes, TIMES
//                            times over (each raises the resistance by 2, 4
//                            or 6 for 10万円; at 100 it does nothing)
//   ticks N / days N         run the game on
// Blank lines and lines starting with # are skipped. Every number must lie
// within its table or its range; a line that breaks one is refused whole.

struct ArgBound {
    const char* what;
    long long lo, hi;
};

// The line's arguments after its command, each within its bound.
bool PlayArgs(std::istringstream& in, const std::vector<ArgBound>& bounds, std::vector<long long>& out,
              std::string& why) {
    out.clear();
    std::string word;
    for (const ArgBound& b : bounds) {
        if (!(in >> word)) {
            why = std::string("missing ") + b.what;
            return false;
        }
        long long v = 0;
        if (!ParseWhole(word, b.lo, b.hi, v)) {
            why = std::string(b.what) + " " + word + " is not a whole number within " + std::to_string(b.lo) + ".." +
                  std::to_string(b.hi);
            return false;
        }
        out.push_back(v);
    }
    if (in >> word) {
        why = "more arguments than the command takes: " + word;
        return false;
    }
    return true;
}

long long LastRow(const Value& count) { return count.asInt() - 1; }

bool PlayLine(GameState& g, const std::string& line, std::string& why) {
    std::istringstream in(line);
    std::string cmd;
    if (!(in >> cmd) || cmd[0] == '#') return true;
    std::vector<long long> a;
    auto args = [&](std::vector<ArgBound> bounds) { return PlayArgs(in, bounds, a, why); };
    if (cmd == "enlarge") return args({}) && (EnlargeShop(g) || (why = "the shop cannot grow any more", false));
    if (cmd == "place") {
        if (!args({{"floor place", 1, 61}, {"fixture row", 0, LastRow(g.FixtureTypeCount)}})) return false;
        const std::string spot = "floor place " + std::to_string(a[0]);
        switch (CheckPlacement(g, int(a[0]), int(a[1]))) {
        case PlaceRefusal::None: PlaceFacility(g, int(a[0]), int(a[1])); return true;
        case PlaceRefusal::NoSuchSpot: why = spot + " is no spot of the floor"; return false;
        case PlaceRefusal::BeyondTheShop: why = spot + " lies beyond the shop at its size"; return false;
        case PlaceRefusal::Furnished: why = spot + " is furnished already"; return false;
        case PlaceRefusal::NotOffered:
            why = "fixture row " + std::to_string(a[1]) + " is not offered at the shop's star level";
            return false;
        }
        return false;
    }
    if (cmd == "register") {
        if (!args({{"register place", 1, 2}, {"register model", 0, LastRow(g.RegisterTypeCount)}})) return false;
        BuyRegister(g, int(a[0]), int(a[1]));
        return true;
    }
    if (cmd == "service") {
        if (!args({{"service place", 1, 2}, {"service machine row", 0, LastRow(g.ServiceTypeCount)}})) return false;
        BuyServiceMachine(g, int(a[0]), int(a[1]));
        return true;
    }
    if (cmd == "hire") {
        if (!args({})) return false;
        DrawTodayApplicants(g);
        return HireApplicant(g, 0) || (why = "nobody is left to hire", false);
    }
    if (cmd == "magazine") {
        if (!args({{"magazine row", 0, LastRow(g.MagazineCount)}, {"copies", 0, kMaxOrderCopies}})) return false;
        OpenMagazineOrders(g);
        SetMagazineEditedOrder(g, int(a[0]), int(a[1]));
        CommitMagazineOrders(g);
        return true;
    }
    if (cmd == "book") {
        if (!args({{"book row", 0, LastRow(g.BookCount)}, {"copies", 0, kMaxOrderCopies}})) return false;
        OpenBookOrders(g);
        SetBookEditedOrder(g, int(a[0]), int(a[1]));
        CommitBookOrders(g);
        return true;
    }
    if (cmd == "income") {
        if (!args({{"yen", -kYenLimit, kYenLimit}})) return false;
        AddMoney(g, a[0], OtherCategory, 1);
        return true;
    }
    if (cmd == "borrow") {
        if (LoansInUse(g) >= kLoanSlots) {
            why = "three loans are already taken";
            return false;
        }
        BorrowDialogOpened(g);
        if (!args({{"yen", 1, g.BorrowLimit.asInt()}})) return false;
        g.BorrowAmount = a[0];
        return BorrowCommand(g) || (why = "the bank refused the loan", false);
    }
    if (cmd == "arson") {
        if (!args({{"floor place", 1, 61}})) return false;
        const bool furnished = g.FacilitySlot.Kind[a[0]].asInt() != 0;
        if (furnished && ArsonCommand(g, int(a[0])) == ArsonOutcome::Started) return true;
        why = "nothing to set on fire on spot " + std::to_string(a[0]) + " (or the shop is open or already burning)";
        return false;
    }
    if (cmd == "speed") {
        if (!args({{"speed", 0, kSpinnerMax}})) return false;
        SetGameSpeedFromSpinner(g, kSpinnerMax - int(a[0]));
        SpeedDialogClosed(g);
        return true;
    }
    if (cmd == "settings") {
        if (!args({{"reports' closing speed", 0, kSpinnerMax}, {"clerks' messages", 0, 1}})) return false;
        SetReportCloseSpeedFromSpinner(g, kSpinnerMax - int(a[0]));
        StoreSettingChecks(g, a[1] == 1, g.ReportManualClose.asInt() == 1);
        return true;
    }
    if (cmd == "insure") {
        if (!args({{"fire insurance", 0, 1}, {"earthquake insurance", 0, 1}, {"damage insurance", 0, 1}})) return false;
        ConfirmInsurance(g, {a[0] == 1, a[1] == 1, a[2] == 1});
        return true;
    }
    if (cmd == "cleaning") {
        const long long levels = static_cast<long long>(std::size(kAutoCleanChoices));
        const long long methods = static_cast<long long>(std::size(kCleaningMethodChoices));
        if (!args({{"cleaning threshold choice", 0, levels - 1}, {"cleaning method choice", 0, methods - 1}}))
            return false;
        StoreClerkSettings(g, int(a[0]), int(a[1]));
        ClerkSettingsClosed(g);
        return true;
    }
    if (cmd == "proof") {
        if (!args({{"times", 1, kQuakeResistanceMax}})) return false;
        for (long long n = 0; n < a[0]; ++n) ProofAgainstQuakes(g);
        return true;
    }
    if (cmd == "ticks") return args({{"ticks", 0, kMostTicks}}) && (RunTicks(g, a[0], 0), true);
    if (cmd == "days") return args({{"days", 0, kMostDays}}) && (RunTicks(g, 0, a[0]), true);
    why = "unknown command: " + cmd;
    return false;
}

int CmdPlay(const std::vector<std::string>& a) {
    if (a.size() != 3) return Usage();
    auto g = std::make_unique<GameState>();
    if (!LoadForRun(*g, a[0])) return 1;
    // A folder opens as a stream that reads nothing: it would pass for an
    // empty script.
    std::error_code ec;
    if (std::filesystem::is_directory(a[2], ec)) {
        std::cerr << "qmtool: " << a[2] << " is a folder, not a play script\n";
        return 2;
    }
    std::ifstream script(a[2]);
    if (!script) {
        std::cerr << "qmtool: cannot read " << a[2] << "\n";
        return 2;
    }
    std::string line, why;
    for (int n = 1; std::getline(script, line); ++n) {
        if (!PlayLine(*g, line, why)) {
            std::cerr << a[2] << ":" << n << ": " << why << " (" << line << ")\n";
            return 2;
        }
    }
    return Save(*g, a[1]);
}

}  // namespace

int main(int argc, char** argv) {
    HeadlessPlatform ui{GameWindowDefaults()};
    ui.onShow = [](const HeadlessPlatform::Shown& s) { std::cerr << s.text << "\n"; };
    SetPlatform(&ui);

    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return Usage();
    std::string cmd = args[0];
    args.erase(args.begin());

    if (cmd == "new") return CmdNew(args);
    if (cmd == "get") {
        if (args.size() < 2) return Usage();
        auto g = std::make_unique<GameState>();
        InitProgramState(*g);
        std::string why;
        if (!ReadGameFrom(*g, args[0], &why)) {
            std::cerr << "qmtool: " << why << "\n";
            return 1;
        }
        int rc = 0;
        for (std::size_t i = 1; i < args.size(); ++i) {
            std::string out;
            if (!Lookup(*g, args[i], out)) {
                std::cerr << "qmtool: no such variable or cell: " << args[i] << "\n";
                rc = 2;
                continue;
            }
            std::cout << out << "\n";
        }
        return rc;
    }
    if (cmd == "run") return CmdRun(args);
    if (cmd == "play") return CmdPlay(args);
    if (cmd == "resave") {
        if (args.size() != 2) return Usage();
        auto g = std::make_unique<GameState>();
        InitProgramState(*g);
        std::string why;
        if (!ReadGameFrom(*g, args[0], &why)) {
            std::cerr << "qmtool: " << why << "\n";
            return 1;
        }
        return Save(*g, args[1]);
    }
    return Usage();
}

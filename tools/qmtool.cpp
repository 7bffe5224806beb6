// qmtool: the game without a window, for tests, benchmarks and anyone who
// wants to look inside a saved game.
//
//   qmtool new OUT --name NAME --seed N --date YYYY-MM-DD [--time HH:MM]
//   qmtool get FILE NAME...        e.g. Funds  Magazine.Name(0)  Ledger.Income(6,1)  FloorGrid(62,22)
//   qmtool resave IN OUT
//   qmtool run IN OUT --ticks N     the main tick N times, every window answered
//                                   by its plain default, the clock never waiting
//   qmtool run IN OUT --days N      the same until N new days have begun
//   qmtool play IN OUT SCRIPT       a scripted opening (see PlayLine below)
//
// Message boxes go to standard error; a refused file exits with status 1.
#include <cstdio>
#include <cstdlib>
#include <chrono>
#include <fstream>
#include <iostream>
#include <sstream>
#include <memory>
#include <string>
#include <vector>

#include "commands/GameSpeed.h"
#include "platform/headless/HeadlessPlatform.h"
#include "shop/FacilityRemoval.h"
#include "shop/Placement.h"
#include "shop/Registers.h"
#include "shop/ServiceMachines.h"
#include "shop/Staff.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "state/Ledger.h"
#include "stock/BookOrders.h"
#include "stock/MagazineOrders.h"
#include "floor/ShopEnlargement.h"
#include "state/LoadSave.h"
#include "state/NewGame.h"
#include "state/SaveGame.h"
#include "state/StateLayout.h"

namespace {

int Usage() {
    std::cerr << "usage:\n"
                 "  qmtool new OUT --name NAME --seed N --date YYYY-MM-DD [--time HH:MM]\n"
                 "  qmtool get FILE NAME...\n"
                 "  qmtool resave IN OUT\n"
                 "  qmtool run IN OUT --ticks N | --days N\n"
                 "  qmtool play IN OUT SCRIPT\n";
    return 2;
}

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
        char* end = nullptr;
        long long n = std::strtoll(part.c_str(), &end, 10);
        if (part.empty() || *end != '\0') return false;
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
        out = FieldText(c->at(g, 0));
        return true;
    }
    std::size_t want = c->subs ? 2 : 1;
    if (idx.size() != want || !in(idx[0], c->rows) || (c->subs && !in(idx[1], c->subs))) return false;
    out = FieldText(c->at(g, static_cast<int>(idx[0]), c->subs ? static_cast<int>(idx[1]) : 0));
    return true;
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
    int y = 0, m = 0, d = 0, hh = 0, mm = 0;
    char tail = 0;
    if (std::sscanf(date.c_str(), "%d-%d-%d%c", &y, &m, &d, &tail) != 3 ||
        std::sscanf(time.c_str(), "%d:%d%c", &hh, &mm, &tail) != 2 || mm < 0 || mm > 59) {
        std::cerr << "qmtool: bad --date or --time\n";
        return 2;
    }
    char* end = nullptr;
    unsigned long long seed = std::strtoull(seedText.c_str(), &end, 10);
    NewGameStart start;
    if (*end != '\0' || !NewGameStart::FromDate(y, m, d, hh, seed, start)) {
        std::cerr << "qmtool: bad --seed, --date or --time\n";
        return 2;
    }
    auto g = std::make_unique<GameState>();
    InitProgramState(*g);
    StartNewGame(*g, name, start);
    return WriteSaveFile(*g, out) == SaveResult::Saved ? 0 : 1;
}

// Runs the main tick with every window answered by its plain default and
// the clock never waiting, until `ticks` ticks or `days` new days have run
// or the game has ended (the clock stops at a game over). Returns the ticks.
long long RunTicks(GameState& g, long long ticks, long long days) {
    long long run = 0, newDays = 0;
    while (g.GameRunning.asInt() == 1 && (days > 0 ? newDays < days : run < ticks)) {
        Value day = g.Day;
        MainTick(g);
        ++run;
        if (!(g.Day == day)) ++newDays;
        if (days > 0 && run >= 100000000) break;  // a stalled calendar never hangs the tool
    }
    return run;
}

bool LoadForRun(GameState& g, const std::string& path) {
    InitProgramState(g);
    return LoadGameFile(g, path);
}

// qmtool run IN OUT --ticks N | --days N: loads IN as the game's load
// command does, runs, saves OUT, and prints the ticks run and the seconds.
int CmdRun(const std::vector<std::string>& a) {
    if (a.size() != 4 || (a[2] != "--ticks" && a[2] != "--days")) return Usage();
    char* end = nullptr;
    long long n = std::strtoll(a[3].c_str(), &end, 10);
    if (*end != '\0' || n < 0) return Usage();
    auto g = std::make_unique<GameState>();
    if (!LoadForRun(*g, a[0])) return 1;
    auto t0 = std::chrono::steady_clock::now();
    long long run = a[2] == "--days" ? RunTicks(*g, 0, n) : RunTicks(*g, n, 0);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::cout << "ticks " << run << "\nseconds " << seconds << "\n";
    return WriteSaveFile(*g, a[1]) == SaveResult::Saved ? 0 : 1;
}

// One line of a play script, through the same routines the windows call:
//   enlarge                  enlarge the shop by one size
//   place SPOT ROW           a fixture of catalogue row ROW on floor spot SPOT
//   register PLACE MODEL     a register of model MODEL at register place 1 or 2
//   service PLACE ROW        a service machine at service place 1 or 2
//   hire                     the first applicant of a freshly drawn hire list
//   magazine ROW COPIES      a standing order of COPIES per issue
//   book ROW COPIES          an order of COPIES, delivered three days later
//   income YEN               money from outside the shop (a fixture's backer)
//   arson SPOT               set the facility on SPOT on fire ("烧掉"; the shop
//                            must be closed and no fire burning)
//   speed N                  the game speed 0..10, as the speed dialog sets it
//   settings CLOSE MESSAGES  the settings dialog: the reports' closing speed
//                            0..10 and the clerks' messages shown (1) or not (0)
//   ticks N / days N         run the game on
// Blank lines and lines starting with # are skipped.
bool PlayLine(GameState& g, const std::string& line, std::string& why) {
    std::istringstream in(line);
    std::string cmd;
    if (!(in >> cmd) || cmd[0] == '#') return true;
    long long x = 0, y = 0;
    auto args = [&](int count) {
        bool ok = count < 1 || static_cast<bool>(in >> x);
        ok = ok && (count < 2 || static_cast<bool>(in >> y));
        std::string extra;
        if (!ok || (in >> extra)) why = "bad arguments: " + line;
        return ok && why.empty();
    };
    if (cmd == "enlarge" && args(0)) return EnlargeShop(g) || (why = "the shop cannot grow any more", false);
    if (cmd == "place" && args(2)) return PlaceFacility(g, int(x), int(y)), true;
    if (cmd == "register" && args(2)) return BuyRegister(g, int(x), int(y)), true;
    if (cmd == "service" && args(2)) return BuyServiceMachine(g, int(x), int(y)), true;
    if (cmd == "hire" && args(0)) {
        DrawTodayApplicants(g);
        return HireApplicant(g, 0) || (why = "nobody is left to hire", false);
    }
    if (cmd == "magazine" && args(2)) {
        OpenMagazineOrders(g);
        SetMagazineEditedOrder(g, int(x), int(y));
        CommitMagazineOrders(g);
        return true;
    }
    if (cmd == "book" && args(2)) {
        OpenBookOrders(g);
        SetBookEditedOrder(g, int(x), int(y));
        CommitBookOrders(g);
        return true;
    }
    if (cmd == "income" && args(1)) return AddMoney(g, x, OtherCategory, 1), true;
    if (cmd == "arson" && args(1)) {
        const bool furnished = x >= 1 && x <= 61 && g.FacilitySlot.Kind[x].asInt() != 0;
        if (furnished && ArsonCommand(g, int(x)) == ArsonOutcome::Started) return true;
        why = "nothing to set on fire on spot " + std::to_string(x) + " (or the shop is open or already burning)";
        return false;
    }
    if (cmd == "speed" && args(1)) {
        if (x < 0 || x > kSpinnerMax) return why = "a speed is 0..10", false;
        SetGameSpeedFromSpinner(g, kSpinnerMax - int(x));
        SpeedDialogClosed(g);
        return true;
    }
    if (cmd == "settings" && args(2)) {
        if (x < 0 || x > kSpinnerMax || (y != 0 && y != 1)) return why = "settings CLOSE(0..10) MESSAGES(0/1)", false;
        SetReportCloseSpeedFromSpinner(g, kSpinnerMax - int(x));
        StoreSettingChecks(g, y == 1, g.ReportManualClose.asInt() == 1);
        return true;
    }
    if (cmd == "ticks" && args(1)) return RunTicks(g, x, 0), true;
    if (cmd == "days" && args(1)) return RunTicks(g, 0, x), true;
    if (why.empty()) why = "unknown command: " + line;
    return false;
}

int CmdPlay(const std::vector<std::string>& a) {
    if (a.size() != 3) return Usage();
    auto g = std::make_unique<GameState>();
    if (!LoadForRun(*g, a[0])) return 1;
    std::ifstream script(a[2]);
    if (!script) {
        std::cerr << "qmtool: cannot read " << a[2] << "\n";
        return 2;
    }
    std::string line, why;
    for (int n = 1; std::getline(script, line); ++n) {
        if (!PlayLine(*g, line, why)) {
            std::cerr << a[2] << ":" << n << ": " << why << "\n";
            return 2;
        }
    }
    return WriteSaveFile(*g, a[1]) == SaveResult::Saved ? 0 : 1;
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
        if (!ReadSaveFile(*g, args[0], &why)) {
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
        if (!ReadSaveFile(*g, args[0], &why)) {
            std::cerr << "qmtool: " << why << "\n";
            return 1;
        }
        return WriteSaveFile(*g, args[1]) == SaveResult::Saved ? 0 : 1;
    }
    return Usage();
}

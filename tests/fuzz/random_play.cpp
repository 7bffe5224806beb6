// The random-play campaign: a player who, at random moments over years of
// play, does whatever the menus, the toolbar, the floor view and the windows
// allow at that moment, through the routines the windows call, and answers
// at random whatever the game asks (a question box, the robbery, the award
// ceremony's clicks, the reports' closing). The windows' own gates decide
// what may be done: the command gates of the menu items, the floor view's
// hit boxes (only the places the shop's size has), what each window offers
// (the fixtures, registers and machines of the star level, the applicants
// drawn, the book-token row from star level 3), and the refusals of the
// routines themselves (no dismissal, removal or arson while the shop is open).
//
//   qmrandomplay one SEED LENGTH [--from GAME]... [--trace] [--twice] [--keep DIR] [--stop-at TICK FILE]
//   qmrandomplay run FIRST COUNT LENGTH [--from GAME]... [--keep DIR]
//
// LENGTH is game years of 365 days ("4"), or days ("60d"). `one` plays seed
// SEED for that long (over as many games as it takes: a game that ends,
// stalls or can no longer be played on is followed by a new one) and prints
// its report. A game begins as a new game, or, with --from, half the time
// by loading one of the saved games given. The player draws from a
// generator of its own, seeded from SEED, and every new game's generator is
// seeded from SEED and the game's number, so the same seed and length play
// the same run (the report's digest, a hash of the game as it ends, shows
// it) with the same files to begin from; the game's draws change only where
// the player's actions change them (--twice plays the seed a second time
// and fails only when its report does not repeat). --trace prints every action;
// --stop-at writes the game as it stands before run tick TICK (whatever the
// loader would say of it) and stops; --keep writes, for the first finding
// of each kind, the save that broke and the last save before it that was
// taken.
//
// `run` plays seeds FIRST .. FIRST+COUNT-1, each in a child process, so a
// sanitizer's trip or a crash ends only its seed and is reported with the
// last action before it.
//
// What is checked, and what counts as a finding:
//   refused-save  a save written and read back (SerializeGame and
//                 DeserializeGame into a scratch game) after every action and
//                 every 100 ticks that the loader refuses
//   round-trip    such a save that reads back into a game that saves
//                 differently (save-failed: one that cannot be written)
//   refused-load  the player's own save and load (the menu's) that fails
//   breach        the agreement rules (CheckAgreement) after every tick
//   stall         a game day longer than kTicksPerDayCap ticks (a usual one
//                 has about 570; a fire stands the clock for a few hundred)
//   hire-lock     a hire window that offers nobody while somebody is free
//   trip          a sanitizer's report or a crash (run mode)
// A game whose saves are refused for a whole game day is given up (the
// player could never save it again), and so is one whose hire window has
// locked with no clerk employed (nobody could ever be served); a new one
// begins.
//
// The exit status is 0 for a run without findings, 1 with findings, 2 for a
// usage error.
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "business/Advertising.h"
#include "business/Bank.h"
#include "business/CeremonyScript.h"
#include "business/DayReport.h"
#include "business/Fire.h"
#include "business/Insurance.h"
#include "business/MonthEnd.h"
#include "business/Robbery.h"
#include "commands/CommandGates.h"
#include "commands/FloorViewClick.h"
#include "commands/GameSpeed.h"
#include "commands/SaveAndLoad.h"
#include "commands/StartNewGame.h"
#include "floor/FloorClick.h"
#include "floor/FloorLayout.h"
#include "floor/ShopEnlargement.h"
#include "platform/headless/HeadlessPlatform.h"
#include "savegame/GameAgreement.h"
#include "savegame/SaveGame.h"
#include "shop/ClerkInfo.h"
#include "shop/ClerkSettings.h"
#include "shop/CustomerOpinions.h"
#include "shop/FacilityRemoval.h"
#include "shop/PersonInfo.h"
#include "shop/Placement.h"
#include "shop/ReadingPolicy.h"
#include "shop/Registers.h"
#include "shop/Salary.h"
#include "shop/ServiceMachines.h"
#include "shop/ShopServices.h"
#include "shop/Staff.h"
#include "shop/Upkeep.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "state/NewGame.h"
#include "state/SpritePool.h"
#include "state/TableRows.h"
#include "stock/BookOrders.h"
#include "stock/DeliverySchedule.h"
#include "stock/MagazineOrders.h"
#include "stock/OrderList.h"
#include "stock/StockReport.h"

namespace fs = std::filesystem;

namespace {

constexpr long long kTicksPerDayCap = 50'000;
constexpr int kDaysPerYear = 365;
constexpr int kTicksBetweenSaves = 100;
// The player acts, on average, once in this many ticks (some twelve times
// a game day), and at any tick of the day or night.
constexpr int kTicksPerAction = 45;
// A run's child process past this many seconds per game year has hung.
constexpr unsigned kSecondsPerYear = 1800;
// Exit codes.
constexpr int kClean = 0, kFindings = 1, kUsage = 2;

using Rng = std::mt19937_64;

std::uint64_t Mix(std::uint64_t x) {  // SplitMix64's finaliser
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// ---- what the floor view lets the player click ----

// The scene points that hit one place: a floor spot, a register place or a
// service place.
struct PlacePoints {
    FloorHit hit;
    int number;
    std::vector<std::pair<int, int>> points;
};

// For each shop size (1..3, element 0 unused), every place the floor view's
// hit boxes give that size, with the scene points inside it, found by
// asking the floor's own hit test at every scene point.
using PlaceMap = std::array<std::vector<PlacePoints>, 4>;

PlaceMap FindPlaces(const GameState& base) {
    PlaceMap map;
    auto g = std::make_unique<GameState>(base);
    for (int size = 1; size <= 3; ++size) {
        g->ShopSize = size;
        const FloorScene scene = SceneOfShopSize(size);
        std::map<std::pair<int, int>, std::vector<std::pair<int, int>>> hits;
        for (int y = 0; y < scene.height; ++y)
            for (int x = 0; x < scene.width; ++x) {
                const FloorClickResult r = HitFloor(*g, FloorClick::LeftButton, x, y);
                if (r.hit == FloorHit::Spot || r.hit == FloorHit::Register || r.hit == FloorHit::Service)
                    hits[{static_cast<int>(r.hit), r.number}].push_back({x, y});
            }
        for (auto& [place, points] : hits)
            map[size].push_back({static_cast<FloorHit>(place.first), place.second, std::move(points)});
    }
    return map;
}

// ---- findings ----

struct Finding {
    long long count = 0;
    std::string first;  // where and after what it was first seen
};

// A reason without its numbers, so that one fault counts as one kind
// whichever line, row or value it names.
std::string KindOf(const std::string& why) {
    std::string out;
    std::string_view w = why;
    if (w.rfind("line ", 0) == 0) {
        const std::size_t colon = w.find(": ");
        if (colon != std::string_view::npos) w.remove_prefix(colon + 2);
    }
    for (std::size_t i = 0; i < w.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(w[i]))) {
            out += '#';
            while (i + 1 < w.size() && (std::isdigit(static_cast<unsigned char>(w[i + 1])) || w[i + 1] == '.')) ++i;
        } else {
            out += w[i];
        }
    }
    return out.size() > 160 ? out.substr(0, 160) : out;
}

// The player's actions, as the menus, the toolbar, the floor view and the
// windows offer them, with how often the player reaches for each.
enum class Action {
    Place, Remove, Arson, BuyRegister, RemoveRegister, BuyService, RemoveService, ClickPerson, Hire, Dismiss,
    ClerkSettings, Cleaning, Proofing, Magazines, Books, Bank, Insurance, Advertising, Reading, Services, Speed,
    Pause, Settings, Enlarge, Brigade, Opinions, News, Reports, FloorView, Sound, SaveAndLoad, NewGame, kCount
};
constexpr int kActs = static_cast<int>(Action::kCount);
struct ActRow {
    const char* name;
    int weight;
};
constexpr ActRow kActRows[kActs] = {
    {"place", 40},          {"remove", 10},       {"arson", 3},          {"buy-register", 8},
    {"remove-register", 3}, {"buy-service", 6},   {"remove-service", 3}, {"click-person", 6},
    {"hire", 12},           {"dismiss", 6},       {"clerk-settings", 6}, {"cleaning", 6},
    {"proofing", 5},        {"magazines", 18},    {"books", 20},         {"bank", 8},
    {"insurance", 3},       {"advertising", 6},   {"reading-policy", 3}, {"services", 3},
    {"speed", 3},           {"pause", 3},         {"settings", 2},       {"enlarge", 2},
    {"brigade", 6},         {"opinions", 3},      {"news", 2},           {"report-window", 8},
    {"floor-view", 3},      {"sound", 1},         {"save-and-load", 2},  {"new-game", 0},
};
// A new game from the menu, in one of this many actions.
constexpr int kNewGameOneIn = 20'000;

// The report windows the menus and the toolbar open, and the flag each
// redraws by.
struct ReportRow {
    Window window;
    Value GameState::*dirty;
};
constexpr ReportRow kReports[] = {
    {Window::ShopInfo, &GameState::ShopInfoDirty},     {Window::ClerkInfo, &GameState::ClerkInfoDirty},
    {Window::Ledger, &GameState::LedgerDirty},         {Window::MagazineStock, &GameState::MagazineStockDirty},
    {Window::BookStock, &GameState::BookStockDirty},   {Window::SalesChart, &GameState::SalesChartDirty},
    {Window::ProfitChart, &GameState::ProfitChartDirty}, {Window::ShopDetails, &GameState::ShopDetailsDirty},
    {Window::DeliverySchedule, &GameState::ScheduleDirty},
};

const char* const kShopNames[] = {
    "新书店", "繁忙书店", "街角书屋", "明月书店", "小小书店", "书香门第", "一二三四五六七八九十一二三四五六", "Quill书店",
};

// The frame of the floor view's window around its inner area, in pixels.
constexpr int kViewFrameWidth = 8, kViewFrameHeight = 30;

struct Options {
    std::vector<fs::path> from;  // saved games a game may begin from
    bool trace = false;
    bool twice = false;  // play the seed a second time and compare
    fs::path keep;
    long long stopAt = -1;
    fs::path stopFile;
};

class Player;

// The platform the player sits at: a question is answered Yes or No at
// random, every other box with OK (and counted, for the action's note).
class PlayerPlatform : public HeadlessPlatform {
public:
    explicit PlayerPlatform(Player& p) : HeadlessPlatform(GameWindowDefaults()), player_(p) {}
    MsgAnswer MessageBox(const std::string& text, MsgStyle style, const std::string& title) override;

private:
    Player& player_;
};

class Player {
public:
    Player(const GameState& base, const PlaceMap& places, std::uint64_t seed, int days, const Options& o)
        : base_(base), places_(places), seed_(seed), days_wanted_(days), opt_(o), rng_(Mix(seed) ^ 0x5EED),
          g_(std::make_unique<GameState>(base)), scratch_(std::make_unique<GameState>(base)), ui_(*this) {
        InstallAnswers();
    }

    int Play();
    void Report(std::ostream& out) const;
    // Where the run stands, for a parent that outlives this process.
    std::function<void(const std::string&)> onWhere;

    MsgAnswer AnswerBox(const std::string& text, MsgStyle style) {
        if (style == MsgStyle::Question || style == MsgStyle::OverwriteQuestion) {
            const bool yes = Pick(8) != 0 && (questionPrice_ == 0 || Spends(questionPrice_));
            Note(std::string(yes ? "yes to " : "no to ") + Brief(text));
            return yes ? MsgAnswer::Yes : MsgAnswer::No;
        }
        Note("box " + Brief(text));
        return MsgAnswer::Ok;
    }

private:
    // ---- the player's generator ----
    int Pick(int n) { return n <= 0 ? 0 : static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
    bool OneIn(int n) { return Pick(n) == 0; }
    int Between(int lo, int hi) { return lo + Pick(hi - lo + 1); }
    // A number of copies: mostly a few, sometimes many, now and then the most.
    int Copies() {
        const int r = Pick(10);
        return r < 5 ? Pick(31) : r < 8 ? Pick(201) : r < 9 ? Pick(1000) : kMaxOrderCopies;
    }

    // Whether the player, who reads the price and the funds in the window,
    // goes ahead: while the funds keep the game's reserve after it, and now
    // and then regardless.
    bool Spends(std::int64_t price) { return g_->Funds.asInt() - price >= reserve_ || OneIn(40); }

    static std::string Brief(const std::string& text) {
        std::size_t n = std::min<std::size_t>(text.size(), 60);
        while (n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;  // a whole character
        std::string t = text.substr(0, n);
        std::replace(t.begin(), t.end(), '\r', ' ');
        std::replace(t.begin(), t.end(), '\n', ' ');
        return "\"" + t + "\"";
    }
    void Note(const std::string& s) {
        if (!note_.empty()) note_ += "; ";
        note_ += s;
    }
    void Did(const std::string& what) {
        ++did_[what];
        done_ = true;
    }

    std::string Where() const;
    // A finding of `type` for reason `why`, counted by kind; the first of a
    // kind is kept with where it was seen (and `more` about it).
    void Record(const std::string& type, const std::string& why, const std::string* refused = nullptr,
                const std::string& more = {});

    // ---- the game's life ----
    void BeginGame();
    void ShowFloorView();
    void LayOutView();
    void CloseAllWindows() {
        for (const ReportRow& r : kReports) g_->WindowOpen[WindowNumber(r.window)] = 0;
        open_.clear();
    }
    bool CheckSave();
    void CheckTick();

    // ---- the player's actions ----
    void DoAction();
    bool Click(FloorHit hit, int number, int x, int y);
    bool ClickPlace(FloorHit hit, bool occupied);
    void ClickAPerson();
    void ToggleReport();
    void FireOpenReports();
    void ResizeFloorView();
    void SaveAndLoadGame();

    // ---- the windows' answers ----
    void InstallAnswers();
    void AnswerWindow(Window w, std::function<void(GameState&)> f) { ui_.windowAnswers[w] = std::move(f); }
    void OpenReport(Window w, GameState& g);
    void Orders(GameState& g, bool books);

    const GameState& base_;
    const PlaceMap& places_;
    std::uint64_t seed_;
    int days_wanted_;
    Options opt_;
    Rng rng_;
    std::unique_ptr<GameState> g_, scratch_;
    PlayerPlatform ui_;

    Action intent_ = Action::kCount;
    std::int64_t questionPrice_ = 0;  // what the question now up would cost
    std::int64_t reserve_ = 0;        // what the player keeps back in this game
    std::array<int, kActs> weights_{};  // how often this game's player reaches for each action
    std::string note_;
    bool done_ = false;
    std::vector<Window> open_;  // report windows open, in the order opened
    int viewOuterW_ = 0, viewOuterH_ = 0;
    FloorLayout view_;

    // The run so far.
    int games_ = 0, days_ = 0;
    long long ticks_ = 0, dayTicks_ = 0, actions_ = 0, saves_ = 0, refusedSaves_ = 0, breachTicks_ = 0;
    int stalls_ = 0, givenUp_ = 0, gameOvers_ = 0, maxStar_ = 0, maxSize_ = 0;
    std::string lastAction_ = "none yet";
    std::deque<std::string> lastDone_;  // the latest actions that changed something, oldest first
    std::vector<std::string> dayDone_;  // what the player did since the game day began
    std::string lastSave_;            // the last save that was taken
    int refusingSince_ = -1;          // the run's day from which every save was refused
    bool giveUp_ = false;             // the game can no longer be played on
    std::map<std::string, std::array<long long, 2>> tried_;  // by act: chosen, done
    std::map<std::string, long long> did_;                   // what the windows did, in detail
    std::map<std::string, Finding> findings_;                // by "type\tkind"
    std::map<std::string, int> kept_;
};

MsgAnswer PlayerPlatform::MessageBox(const std::string& text, MsgStyle style, const std::string&) {
    ClockHold hold(*this);
    return player_.AnswerBox(text, style);
}

// ---- where the run stands ----

std::string Player::Where() const {
    const GameState& g = *g_;
    std::ostringstream s;
    s << "seed " << seed_ << " game " << games_ << " run-tick " << ticks_ << " (day " << days_ << ", tick "
      << dayTicks_ << " of the day) " << g.Year.asText() << "-" << g.Month.asText() << "-" << g.Day.asText()
      << " hour " << g.Hour.asText() << ", star " << g.StarLevel.asText() << ", size " << g.ShopSize.asText()
      << "; last action at " << lastAction_;
    if (!lastDone_.empty()) {
        s << "; the latest done before:";
        for (const std::string& a : lastDone_) s << " [" << a << "]";
    }
    return s.str();
}

void Player::Record(const std::string& type, const std::string& why, const std::string* refused,
                    const std::string& more) {
    Finding& f = findings_[type + "\t" + KindOf(why)];
    if (f.count++ > 0) return;
    f.first = Where() + " | " + why + more;
    if (opt_.keep.empty()) return;
    fs::create_directories(opt_.keep);
    const std::string stem = "seed-" + std::to_string(seed_) + "-" + type + "-" + std::to_string(++kept_[type]);
    std::string bytes;
    if (refused)
        bytes = *refused;
    else
        SerializeGame(*g_, bytes);
    std::ofstream(opt_.keep / (stem + ".qmt"), std::ios::binary) << bytes;
    if (!lastSave_.empty()) std::ofstream(opt_.keep / (stem + "-before.qmt"), std::ios::binary) << lastSave_;
    f.first += " [kept " + (opt_.keep / stem).string() + ".qmt]";
}

// A save of the game as it stands, read back as a load reads it; the game
// itself is not touched.
bool Player::CheckSave() {
    ++saves_;
    std::string bytes, why, again;
    bool ok = SerializeGame(*g_, bytes, &why);
    if (!ok) {
        Record("save-failed", why);
    } else if (!DeserializeGame(bytes, *scratch_, &why)) {
        ok = false;
        Record("refused-save", why, &bytes);
    } else if (!SerializeGame(*scratch_, again, &why) || again != bytes) {
        ok = false;
        std::size_t at = 0;
        while (at < bytes.size() && at < again.size() && bytes[at] == again[at]) ++at;
        const auto line = std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(at), '\n') + 1;
        Record("round-trip", "the game read back saves differently from line " + std::to_string(line), &bytes);
    }
    if (ok) {
        lastSave_ = std::move(bytes);
        refusingSince_ = -1;
        return true;
    }
    ++refusedSaves_;
    if (refusingSince_ < 0) refusingSince_ = days_;
    return false;
}

void Player::CheckTick() {
    std::string why;
    if (CheckAgreement(*g_, &why)) return;
    ++breachTicks_;
    Record("breach", why);
}

// ---- games ----

// The new-game dialog's OK: a name, and the computer's clock for the date,
// the hour and the seed (here drawn by the player, the seed from the run's).
void Player::BeginGame() {
    ++games_;
    GameState& g = *g_;
    // Each game its own player: how much more or less than usual it reaches
    // for each action, and what it keeps back.
    static constexpr int kLeanings[] = {1, 2, 4, 4, 8, 16};  // quarters
    for (int k = 0; k < kActs; ++k) weights_[k] = kActRows[k].weight * kLeanings[Pick(6)];
    static constexpr std::int64_t kReserves[] = {300'000, 1'000'000, 2'000'000};
    reserve_ = kReserves[Pick(static_cast<int>(std::size(kReserves)))];
    refusingSince_ = -1;
    dayDone_.clear();
    // The saved games given to begin from, loaded as the load command does
    // (the generator then seeded from the run, for a run that repeats).
    if (!opt_.from.empty() && OneIn(2)) {
        const fs::path& file = opt_.from[static_cast<std::size_t>(Pick(static_cast<int>(opt_.from.size())))];
        if (LoadGameFrom(g, file.string())) {
            g.rng.seed(Mix(seed_ * 1000003 + static_cast<std::uint64_t>(games_)));
            CloseAllWindows();
            StartClockUnpaused(g);
            g.CaptionDirty = 1;
            ShowFloorView();
            OpenReport(Window::ShopInfo, g);
            if (opt_.trace) std::cout << "run-tick " << ticks_ << ": game " << games_ << " loads " << file.string() << "\n";
            return;
        }
    }
    NewGameStart start;
    int year = Between(1990, 2120);
    if (OneIn(50)) year = Between(1, 3);
    if (OneIn(50)) year = static_cast<int>(NewGameStart::LatestYear()) - Pick(3);
    const int month = Between(1, 12), day = Between(1, 28), hour = Pick(24);
    NewGameStart::FromDate(year, month, day, hour, Mix(seed_ * 1000003 + static_cast<std::uint64_t>(games_)), start);
    StartNewGame(g, kShopNames[Pick(static_cast<int>(std::size(kShopNames)))], start);
    StartClockUnpaused(g);
    g.CaptionDirty = 1;
    CloseAllWindows();
    ShowFloorView();
    OpenReport(Window::ShopInfo, g);
    if (opt_.trace)
        std::cout << "run-tick " << ticks_ << ": game " << games_ << " begins " << year << "-" << month << "-" << day
                  << " " << hour << ":00\n";
}

// The floor view opens at the top-left of the scene, as large as the scene
// (as far as the main window lets it be).
void Player::ShowFloorView() {
    GameState& g = *g_;
    g.ScrollX = 0;
    g.ScrollY = 0;
    const FloorScene scene = SceneOfShopSize(g.ShopSize.i());
    viewOuterW_ = scene.width + kViewFrameWidth;
    viewOuterH_ = scene.height + kViewFrameHeight;
    LayOutView();
}

// The resize rule, as the window applies it: the reserves are stored and a
// scroll offset past its bar's new end is pulled back.
void Player::LayOutView() {
    GameState& g = *g_;
    FloorLayoutInput in;
    in.shopSize = g.ShopSize.i();
    in.outerWidth = viewOuterW_;
    in.outerHeight = viewOuterH_;
    in.frameWidth = kViewFrameWidth;
    in.frameHeight = kViewFrameHeight;
    view_ = LayOutFloorView(in);
    viewOuterW_ = view_.outerWidth;
    viewOuterH_ = view_.outerHeight;
    g.VScrollReserve = view_.vScrollReserve;
    g.HScrollReserve = view_.hScrollReserve;
    if (g.ScrollX.asInt() > view_.hScrollMax) g.ScrollX = view_.hScrollMax;
    if (g.ScrollY.asInt() > view_.vScrollMax) g.ScrollY = view_.vScrollMax;
}

void Player::ResizeFloorView() {
    GameState& g = *g_;
    const FloorScene scene = SceneOfShopSize(g.ShopSize.i());
    viewOuterW_ = Between(kMinOuterSize - 20, scene.width + kViewFrameWidth + 40);
    viewOuterH_ = Between(kMinOuterSize - 20, scene.height + kViewFrameHeight + 40);
    LayOutView();
    g.ScrollX = Pick(view_.hScrollMax + 1);
    g.ScrollY = Pick(view_.vScrollMax + 1);
    Note("view " + std::to_string(viewOuterW_) + "x" + std::to_string(viewOuterH_) + " scrolled to " +
         g.ScrollX.asText() + "," + g.ScrollY.asText());
    Did("floor-view");
}

// A click on scene point (x, y): scrolled into the view first when it lies
// outside it, as a player scrolls to what they want to click. True when it
// hit what it aimed at.
bool Player::Click(FloorHit hit, int number, int x, int y) {
    GameState& g = *g_;
    const int shownW = view_.innerWidth - (view_.vScrollShown ? view_.vScrollReserve : 0);
    const int shownH = view_.innerHeight - (view_.hScrollShown ? view_.hScrollReserve : 0);
    if (shownW <= 0 || shownH <= 0) return false;
    auto inside = [&] {
        const long long vx = x - g.ScrollX.asInt(), vy = y - g.ScrollY.asInt();
        return vx >= 0 && vx < shownW && vy >= 0 && vy < shownH;
    };
    if (!inside()) {
        g.ScrollX = std::clamp(x - shownW / 2, 0, std::max(0, view_.hScrollMax));
        g.ScrollY = std::clamp(y - shownH / 2, 0, std::max(0, view_.vScrollMax));
        if (!inside()) return false;
    }
    const FloorClickResult r = ClickFloor(g, FloorClick::LeftButton, x - g.ScrollX.i(), y - g.ScrollY.i());
    if (r.hit == hit && r.number == number) return true;
    Note(r.hit == FloorHit::Person ? "somebody stood there" : "the click hit something else");
    return false;
}

// A place of the kind the action needs that the shop's size has, empty or
// occupied as asked; false when there is none.
bool Player::ClickPlace(FloorHit hit, bool occupied) {
    const GameState& g = *g_;
    std::vector<const PlacePoints*> fit;
    for (const PlacePoints& p : places_[std::clamp(g.ShopSize.i(), 1, 3)]) {
        if (p.hit != hit) continue;
        const Value& kind = hit == FloorHit::Spot       ? g.FacilitySlot.Kind[p.number]
                            : hit == FloorHit::Register ? g.RegisterSlot.Kind[p.number]
                                                        : g.ServiceSlot.Kind[p.number];
        if ((kind.asInt() != 0) == occupied) fit.push_back(&p);
    }
    if (fit.empty()) {
        Note("no such place");
        return false;
    }
    const PlacePoints& p = *fit[Pick(static_cast<int>(fit.size()))];
    Note((hit == FloorHit::Spot ? "spot " : hit == FloorHit::Register ? "register place " : "service place ") +
         std::to_string(p.number));
    // Somebody standing on the place takes the click (and shows who it is);
    // the player then clicks another part of the place.
    for (int tries = 0; tries < 4; ++tries) {
        const auto [x, y] = p.points[static_cast<std::size_t>(Pick(static_cast<int>(p.points.size())))];
        if (Click(p.hit, p.number, x, y)) return true;
    }
    return false;
}

void Player::ClickAPerson() {
    const GameState& g = *g_;
    std::vector<int> on;
    const FloorScene scene = SceneOfShopSize(g.ShopSize.i());
    for (int p = 0; p < RowsInUse(g.PersonCount, g.Person.Sprite); ++p) {
        const Value& s = g.Person.Sprite[p];
        if (g.Person.State[p].get() == 0 || s.isEmpty() || s.asInt() < 0 || s.asInt() >= kSpriteSlots) continue;
        const int x = static_cast<int>(g.Sprite.X[s.i()].asReal()) + 8, y = static_cast<int>(g.Sprite.Y[s.i()].asReal()) + 16;
        if (x >= 0 && x < scene.width && y >= 0 && y < scene.height) on.push_back(p);
    }
    if (on.empty()) {
        Note("nobody on the floor");
        return;
    }
    const int p = on[Pick(static_cast<int>(on.size()))];
    const int s = g.Person.Sprite[p].i();
    Note("person " + std::to_string(p));
    Click(FloorHit::Person, p, static_cast<int>(g.Sprite.X[s].asReal()) + 8, static_cast<int>(g.Sprite.Y[s].asReal()) + 16);
}

// ---- report windows: open across ticks, redrawn when their flag asks ----

void Player::OpenReport(Window w, GameState& g) {
    for (const ReportRow& r : kReports) {
        if (r.window != w) continue;
        if (std::find(open_.begin(), open_.end(), w) == open_.end()) open_.push_back(w);
        g.WindowOpen[WindowNumber(w)] = 1;
        g.*r.dirty = 1;
        Did(std::string("open-window-") + std::to_string(WindowNumber(w)));
    }
    FireOpenReports();
}

// One firing of every open report window's timer: a window whose flag is
// up redraws (the stock windows rebuild their lists, and close when nothing
// is left to list), then the stock windows refill their rows when asked.
void Player::FireOpenReports() {
    GameState& g = *g_;
    for (std::size_t k = 0; k < open_.size();) {
        const Window w = open_[k];
        const ReportRow* row = nullptr;
        for (const ReportRow& r : kReports)
            if (r.window == w) row = &r;
        bool closes = false;
        if ((g.*row->dirty).asInt() == 1) {
            g.*row->dirty = 0;
            switch (w) {
            case Window::ClerkInfo: RebuildClerkInfo(g); break;
            case Window::MagazineStock: closes = RebuildMagazineStock(g) == 0; break;
            case Window::BookStock: closes = RebuildBookStock(g) == 0; break;
            case Window::DeliverySchedule: RebuildDeliverySchedule(g); break;
            default: break;  // the others only read the game
            }
        }
        if (!closes && w == Window::MagazineStock && g.MagazineStockRefill.asInt() == 1) RefillMagazineStock(g);
        if (!closes && w == Window::BookStock && g.BookStockRefill.asInt() == 1) RefillBookStock(g);
        if (closes) {
            g.WindowOpen[WindowNumber(w)] = 0;
            open_.erase(open_.begin() + static_cast<std::ptrdiff_t>(k));
        } else {
            ++k;
        }
    }
}

void Player::ToggleReport() {
    GameState& g = *g_;
    if (!open_.empty() && OneIn(2)) {  // the close box of one of them
        const std::size_t k = static_cast<std::size_t>(Pick(static_cast<int>(open_.size())));
        Note("closed window " + std::to_string(WindowNumber(open_[k])));
        g.WindowOpen[WindowNumber(open_[k])] = 0;
        open_.erase(open_.begin() + static_cast<std::ptrdiff_t>(k));
        Did("close-window");
        return;
    }
    const Window w = kReports[Pick(static_cast<int>(std::size(kReports)))].window;
    Note("window " + std::to_string(WindowNumber(w)));
    if (w == Window::MagazineStock)
        ToggleMagazineStockWindow(g);
    else if (w == Window::BookStock)
        ToggleBookStockWindow(g);
    else
        Ui().ToggleReportWindow(w, g);
}

// ---- the windows' answers, each as its buttons would be pressed ----

void Player::Orders(GameState& g, bool books) {
    ClockHold hold;
    const int listed = books ? OpenBookOrders(g) : OpenMagazineOrders(g);
    Value& selected = books ? g.SelectedBookRow : g.SelectedMagazineRow;
    Value& adjust = books ? g.BookAdjustHold : g.MagazineAdjustHold;
    if (listed > 0) selected = 0;
    const int edits = listed > 0 ? Between(0, 6) : 0;
    for (int e = 0; e < edits; ++e) {
        if (OneIn(6)) {  // the all-titles arrows, held for a while
            adjust = OneIn(2) ? AdjustRaise : AdjustLower;
            const int steps = Between(1, 40);
            for (int s = 0; s < steps; ++s) books ? StepAllBookOrders(g) : StepAllMagazineOrders(g);
            adjust = AdjustIdle;
            continue;
        }
        const int position = Pick(listed);
        selected = position;
        const OrderCatalogue c = books ? BookOrderCatalogue(g) : MagazineOrderCatalogue(g);
        const int title = c.list[position].i();
        SetEditedOrder(c, title, Copies());
        if (books && OneIn(3)) SetBookEditedReorder(g, title, OneIn(2));
    }
    adjust = AdjustIdle;
    // What the order brings in: the books above their order now, every
    // magazine's copies of an issue.
    std::int64_t cost = 0;
    const OrderCatalogue c = books ? BookOrderCatalogue(g) : MagazineOrderCatalogue(g);
    for (int t = 0; t < listed; ++t) {
        const int title = c.list[t].i();
        const std::int64_t more = books ? g.Book.EditedOrder[title].asInt() - g.Book.StandingOrder[title].asInt()
                                        : g.Magazine.EditedOrder[title].asInt();
        cost += std::max<std::int64_t>(0, more) * (books ? g.Book.Cost[title] : g.Magazine.Cost[title]).asInt();
    }
    if (OneIn(8) || !Spends(cost)) {
        Note("cancelled");
        return;
    }
    if (books) {
        CommitBookOrders(g);
    } else if (CommitMagazineOrders(g)) {
        // Nothing is ordered any more: the magazine stock window closes.
        g.WindowOpen[WindowNumber(Window::MagazineStock)] = 0;
        std::erase(open_, Window::MagazineStock);
    }
    Note(std::to_string(edits) + " edits committed");
    Did(books ? "book-orders" : "magazine-orders");
}

void Player::InstallAnswers() {
    // Every window answered by its plain default is counted as it shows;
    // the answers below take the place of the windows the player decides in.
    for (const WindowDefault& d : GameWindowDefaults()) {
        const WindowAnswer plain = d.answer;
        const std::string shown = "shown-window-" + std::to_string(WindowNumber(d.window));
        AnswerWindow(d.window, [this, plain, shown](GameState& g) {
            plain(g);
            ++did_[shown];
        });
    }

    // The floor view's windows.
    AnswerWindow(Window::PlaceFacility, [this](GameState& g) {
        ClockHold hold;
        BuildFixtureOffer(g);
        if (g.OfferedListCount.i() == 0 || OneIn(10)) return;
        const int row = g.OfferedList[Pick(g.OfferedListCount.i())].i();
        if (!Spends(g.FixtureType.Price[row].asInt())) return;
        PlaceFacility(g, g.SelectedSlot.i(), row);
        Note("fixture " + std::to_string(row));
        Did("fixture-" + std::to_string(row));
    });
    AnswerWindow(Window::FacilityInfo, [this](GameState& g) {
        ClockHold hold;
        const int spot = g.SelectedSlot.i();
        if (intent_ == Action::Remove) {
            const RemovalOutcome o = RemoveFacilityCommand(g, spot);
            if (o == RemovalOutcome::Removed) Did("removed");
        } else if (intent_ == Action::Arson) {
            if (ArsonCommand(g, spot) == ArsonOutcome::Started) Did("set-on-fire");
        }
    });
    AnswerWindow(Window::BuyRegister, [this](GameState& g) {
        ClockHold hold;
        BuildRegisterOffer(g);
        if (g.OfferedListCount.i() == 0 || OneIn(10)) return;
        const int model = g.OfferedList[Pick(g.OfferedListCount.i())].i();
        if (!Spends(g.RegisterType.Price[model].asInt())) return;
        BuyRegister(g, g.SelectedRegisterSlot.i(), model);
        Note("model " + std::to_string(model));
        Did("register-model-" + std::to_string(model));
    });
    AnswerWindow(Window::RegisterInfo, [this](GameState& g) {
        ClockHold hold;
        if (intent_ == Action::RemoveRegister && RemoveRegister(g, g.SelectedRegisterSlot.i())) Did("register-removed");
    });
    AnswerWindow(Window::BuyService, [this](GameState& g) {
        ClockHold hold;
        BuildServiceOffer(g);
        if (g.OfferedListCount.i() == 0 || OneIn(10)) return;
        const int row = g.OfferedList[Pick(g.OfferedListCount.i())].i();
        if (!Spends(g.ServiceFacilityType.Price[row].asInt())) return;
        BuyServiceMachine(g, g.SelectedServiceSlot.i(), row);
        Note("machine " + std::to_string(row));
        Did("service-machine-" + std::to_string(row));
    });
    AnswerWindow(Window::ServiceInfo, [this](GameState& g) {
        ClockHold hold;
        if (intent_ == Action::RemoveService && RemoveServiceMachine(g, g.SelectedServiceSlot.i())) Did("service-removed");
    });
    AnswerWindow(Window::PersonPopup, [this](GameState& g) {
        ClockHold hold;
        if (PersonPopup(g).shown) Did("person-shown");
    });

    // The staff's windows.
    AnswerWindow(Window::HireClerk, [this](GameState& g) {
        ClockHold hold;
        const int tally = DrawTodayApplicants(g);
        if (tally == 0) {
            int free = 0;
            for (int i = 0; i < RowsInUse(g.ApplicantCount, g.Applicant.Employed); ++i)
                if (g.Applicant.Employed[i].asInt() == 0) ++free;
            Record("hire-lock", "the hire window offers nobody while " + std::to_string(free) +
                                    " applicants are free to hire");
            // Without a clerk nobody is served again: the game is given up.
            if (g.ClerkCount.asInt() == 0) giveUp_ = true;
            return;
        }
        if (OneIn(3)) {
            Note("looked at " + std::to_string(tally) + ", hired nobody");
            return;
        }
        const int at = Pick(tally);
        if (!Spends(g.Applicant.Salary[g.TodayApplicants[at].i()].asInt())) return;
        if (!HireApplicant(g, at)) return;
        Note("hired " + std::to_string(at + 1) + " of " + std::to_string(tally));
        Did("hired");
        Ui().ShowWindow(Window::ClerkSettings, g);
    });
    AnswerWindow(Window::FireClerk, [this](GameState& g) {
        ClockHold hold;
        RebuildEmployedList(g);
        const int at = Pick(g.EmployedListCount.i());
        if (DismissClerk(g, at)) Did("dismissed");
    });
    AnswerWindow(Window::ClerkSettings, [this](GameState& g) {
        ClockHold hold;
        int threshold = AutoCleanChoiceFor(g.AutoCleanLevel), method = CleaningMethodChoiceFor(g.CleaningMethod);
        RecountClerkRows(g);
        if (OneIn(2)) threshold = Pick(static_cast<int>(std::size(kAutoCleanChoices)));
        if (OneIn(2)) method = Pick(static_cast<int>(std::size(kCleaningMethodChoices)));
        if (OneIn(3)) Ui().ShowWindow(Window::Salary, g);
        if (!OneIn(6)) {
            StoreClerkSettings(g, threshold, method);
            Did("clerk-settings");
        }
        ClerkSettingsClosed(g);
    });
    AnswerWindow(Window::Salary, [this](GameState& g) {
        LoadEditedSalaries(g);
        const int presses = Between(1, 4);
        for (int k = 0; k < presses; ++k) {
            const int at = Pick(g.EmployedListCount.i());
            PressSalaryArrow(g, OneIn(2) ? SpinUp : SpinDown);
            const int held = Pick(4) == 0 ? Between(100, 700) : Between(0, 30);
            for (int t = 0; t < held; ++t) SalarySpinTick(g, at);
            ReleaseSalaryArrow(g);
        }
        if (OneIn(5)) return;
        ConfirmSalaries(g);
        Did("salaries");
    });

    // Upkeep: cleaning and earthquake proofing.
    AnswerWindow(Window::Upkeep, [this](GameState& g) {
        ClockHold hold;
        if (OneIn(8)) return;
        if (g.UpkeepDialogMode.is(UpkeepCleaning)) {
            const int grade = Between(1, static_cast<int>(std::size(kCleaningGrades)));
            questionPrice_ = kCleaningGrades[grade - 1].price;
            const bool wasOrdered = g.CleaningOrdered.asInt() != 0;
            ConfirmCleaningOrder(g, grade);
            if (!wasOrdered && g.CleaningOrdered.asInt() != 0) Did("cleaning-" + std::to_string(grade));
        } else {
            const Value before = g.QuakeResistance;
            questionPrice_ = kProofingPrice;
            ConfirmQuakeProofing(g);
            if (!(g.QuakeResistance == before)) Did("proofed");
        }
    });

    // Stock.
    AnswerWindow(Window::MagazineOrder, [this](GameState& g) { Orders(g, false); });
    AnswerWindow(Window::BookOrder, [this](GameState& g) { Orders(g, true); });

    // The bank, borrowing, insurance, advertising.
    AnswerWindow(Window::Bank, [this](GameState& g) {
        ClockHold hold;
        if (!OneIn(5)) OpenBorrowDialog(g);
    });
    AnswerWindow(Window::Borrow, [this](GameState& g) {
        BorrowDialogOpened(g);
        const int presses = Between(1, 3);
        for (int k = 0; k < presses; ++k) {
            PressBorrowArrow(g, k == 0 || OneIn(3) ? SpinUp : SpinDown);
            const int held = Between(0, OneIn(3) ? 400 : 40);
            for (int t = 0; t < held; ++t) BorrowSpinTick(g);
            ReleaseBorrowArrow(g);
        }
        if (g.BorrowAmount.asInt() == 0 || OneIn(6)) return;  // "借贷" is grey at 0
        Note("asked for " + g.BorrowAmount.asText());
        if (BorrowCommand(g)) Did("borrowed");
    });
    AnswerWindow(Window::Insurance, [this](GameState& g) {
        ClockHold hold;
        InsuranceChoices c = CurrentInsuranceChoices(g);
        for (bool& joined : c)
            if (OneIn(3)) joined = !joined;
        if (OneIn(6)) return;
        ConfirmInsurance(g, c);
        Did("insurance");
    });
    AnswerWindow(Window::Advertising, [this](GameState& g) {
        ClockHold hold;
        if (OneIn(8)) return;
        const int medium = Between(1, static_cast<int>(kMedia.size()));
        Note("medium " + std::to_string(medium));
        questionPrice_ = MediumOf(static_cast<AdvertisingMedium>(medium)).cost;
        AdvertiseWith(g, static_cast<AdvertisingMedium>(medium));
        Did("advertising-medium-" + std::to_string(medium));
    });
    auto print = [this](PrintCampaign c) {
        return [this, c](GameState& g) {
            ChoosePrintSize(g, c, 1);
            const int option = Between(1, kPrintSizes);
            if (option != 1) ChoosePrintSize(g, c, option);
            if (OneIn(6)) return;
            questionPrice_ = PrintSizes(c)[option - 1].price;
            if (OrderPrintCampaign(g, c, option)) Did("print-size-" + std::to_string(option));
        };
    };
    auto film = [this](FilmCampaign c) {
        return [this, c](GameState& g) {
            ChooseProducer(g, c, 1);
            const int option = Between(1, kProducers);
            if (option != 1) ChooseProducer(g, c, option);
            if (OneIn(6)) return;
            questionPrice_ = Producers(c)[option - 1].price;
            if (OrderFilmCampaign(g, c, option)) Did("producer-" + std::to_string(option));
        };
    };
    AnswerWindow(Window::Posters, print(PrintCampaign::Posters));
    AnswerWindow(Window::Leaflets, print(PrintCampaign::Leaflets));
    AnswerWindow(Window::TvAdvert, film(FilmCampaign::Tv));
    AnswerWindow(Window::PromoFilm, film(FilmCampaign::Film));

    // The shop's policies and the game's settings.
    AnswerWindow(Window::ReadingPolicy, [this](GameState& g) {
        ClockHold hold;
        int choice = ReadingRuleChoiceFor(g.StandingReadingPolicy);
        if (OneIn(3) || choice < 0) choice = Pick(static_cast<int>(std::size(kReadingRules)));
        if (OneIn(6)) return;
        SetReadingPolicy(g, choice);
        Did("reading-policy-" + std::to_string(choice));
    });
    AnswerWindow(Window::ShopServices, [this](GameState& g) {
        ClockHold hold;
        std::array<bool, kShopServiceCount> on = OfferedServices(g);
        const bool tokensShown = ServiceListFor(g).bookTokensShown;
        for (int k = 0; k < kShopServiceCount; ++k)
            if ((k < kShopServiceCount - 1 || tokensShown) && OneIn(3)) on[k] = !on[k];
        if (OneIn(6)) return;
        ApplyShopServices(g, on);
        Did("services");
    });
    AnswerWindow(Window::GameSpeed, [this](GameState& g) {
        ClockHold hold;
        const int moves = Between(1, 3);
        for (int k = 0; k < moves; ++k) SetGameSpeedFromSpinner(g, Pick(kSpinnerMax + 1));
        SpeedDialogClosed(g);
        Note("speed " + g.GameSpeed.asText());
        Did("speed");
    });
    AnswerWindow(Window::Settings, [this](GameState& g) {
        ClockHold hold;
        if (OneIn(2)) SetReportCloseSpeedFromSpinner(g, Pick(kSpinnerMax + 1));
        if (OneIn(4)) return;
        StoreSettingChecks(g, OneIn(2), OneIn(4));
        Did("settings");
    });
    AnswerWindow(Window::CustomerOpinions, [this](GameState& g) {
        ClockHold hold;
        OpenCustomerOpinions(g);
        const int frames = Between(0, 300);
        for (int k = 0; k < frames; ++k) TypeOpinion(g);
        CustomerOpinionsClosed(g);
        Did("opinions");
    });

    // The report windows stay open across ticks.
    for (const ReportRow& r : kReports) {
        const Window w = r.window;
        AnswerWindow(w, [this, w](GameState& g) { OpenReport(w, g); });
    }

    // What the tick opens and the player answers.
    AnswerWindow(Window::Robbery, [this](GameState& g) {
        ClockHold hold;
        RobberyOpened(g);
        if (OneIn(2)) {
            PayRobber(g);
            Did("robber-paid");
        } else {
            RefuseRobber(g);
            Did("robber-refused");
        }
    });
    AnswerWindow(Window::AwardCeremony, [this](GameState& g) {
        // Clicks at any moment: a click during a roulette makes it jump.
        ClockHold hold;
        CeremonyStarts(g);
        CeremonyShow show;
        for (int t = 0; t < 100000 && g.CeremonyLock.asInt() != 1; ++t) {
            CeremonyTick(g, show);
            if (OneIn(4)) CeremonyAdvance(g);
        }
        CeremonyClosed(g);
        Did("ceremony");
    });
    AnswerWindow(Window::DayReport, [this](GameState& g) {
        ClockHold hold;
        DayReportOpened(g);
        for (int t = 0; t < 100000 && !DayReportTimerTick(g) && !OneIn(40); ++t) {
        }
        DayClose(g);
    });
    AnswerWindow(Window::MonthReport, [this](GameState& g) {
        ClockHold hold;
        MonthReportOpened(g);
        for (int t = 0; t < 100000 && !MonthReportTimerTick(g) && !OneIn(60); ++t) {
        }
        MonthClose(g);
    });
}

// ---- the loaded game, as the load command leaves it ----

void Player::SaveAndLoadGame() {
    GameState& g = *g_;
    const fs::path file = fs::temp_directory_path() / ("qmrandomplay-" + std::to_string(::getpid()) + ".qmt");
    std::error_code ec;
    fs::remove(file, ec);  // a refused save must not load an older file
    if (SaveGameTo(g, file.string()) != SaveResult::Saved) {
        Note("the save was not written");
        return;
    }
    const bool loaded = LoadGameFrom(g, file.string());
    fs::remove(file, ec);
    if (!loaded) {
        Record("refused-load", "the game's own saved file did not load");
        return;
    }
    CloseAllWindows();
    StartClockUnpaused(g);
    g.CaptionDirty = 1;
    ShowFloorView();
    OpenReport(Window::ShopInfo, g);
    Did("saved-and-loaded");
}

// ---- one action ----

void Player::DoAction() {
    GameState& g = *g_;
    int total = 0;
    for (int w : weights_) total += w;
    int roll = Pick(total);
    Action act = Action::kCount;
    for (int k = 0; k < kActs; ++k) {
        if (roll < weights_[k]) {
            act = static_cast<Action>(k);
            break;
        }
        roll -= weights_[k];
    }
    // Short of money, the player goes to the bank more often.
    if (g.Funds.asInt() < 1'000'000 && OneIn(4)) act = Action::Bank;
    if (OneIn(kNewGameOneIn)) act = Action::NewGame;
    intent_ = act;
    questionPrice_ = 0;
    note_.clear();
    done_ = false;
    const std::string before = std::string(kActRows[static_cast<int>(act)].name);
    lastAction_ = "run-tick " + std::to_string(ticks_) + " " + before + " (pending)";
    if (onWhere) onWhere(lastAction_);
    using enum Action;
    switch (act) {
    case Place: ClickPlace(FloorHit::Spot, false); break;
    case Remove:
    case Arson: ClickPlace(FloorHit::Spot, true); break;
    case BuyRegister: ClickPlace(FloorHit::Register, false); break;
    case RemoveRegister: ClickPlace(FloorHit::Register, true); break;
    case BuyService: ClickPlace(FloorHit::Service, false); break;
    case RemoveService: ClickPlace(FloorHit::Service, true); break;
    case ClickPerson: ClickAPerson(); break;
    case Hire: OpenHireClerkDialog(g); break;
    case Dismiss: OpenFireClerkDialog(g); break;
    case ClerkSettings: OpenClerkSettingsDialog(g); break;
    case Cleaning: OpenCleaningDialog(g); break;
    case Proofing: OpenQuakeProofingDialog(g); break;
    case Magazines: OpenMagazineOrderDialog(g); break;
    case Books: OpenBookOrderDialog(g); break;
    case Bank: OpenBankWindow(g); break;
    case Insurance: Ui().ShowWindow(Window::Insurance, g); break;
    case Advertising: Ui().ShowWindow(Window::Advertising, g); break;
    case Reading: Ui().ShowWindow(Window::ReadingPolicy, g); break;
    case Services: Ui().ShowWindow(Window::ShopServices, g); break;
    case Speed: Ui().ShowWindow(Window::GameSpeed, g); break;
    case Pause:
        TogglePause(g);
        Did(g.Paused.asInt() == 1 ? "paused" : "resumed");
        break;
    case Settings: Ui().ShowWindow(Window::Settings, g); break;
    case Enlarge: {
        const int size = g.ShopSize.i();
        questionPrice_ = EnlargementPrice(size);
        EnlargeShopCommand(g);
        if (g.ShopSize.i() != size) {
            LayOutView();  // the floor view lays itself out again for the new size
            Did("enlarged");
        }
        break;
    }
    case Brigade: {
        const bool burning = g.FireBurning.asInt() == 1;
        questionPrice_ = kFireBrigadeFee;
        CallFireBrigade(g);
        if (burning && g.FireBurning.asInt() == 0) Did("brigade");
        break;
    }
    case Opinions: Ui().ShowWindow(Window::CustomerOpinions, g); break;
    case News: Ui().ShowWindow(Window::NewsIndex, g); Did("news"); break;
    case Reports: ToggleReport(); break;
    case FloorView: ResizeFloorView(); break;
    case Sound:
        g.SoundOn = OneIn(2) ? 1 : 0;
        Did("sound");
        break;
    case SaveAndLoad: SaveAndLoadGame(); break;
    case NewGame: BeginGame(); Did("new-game"); break;
    case kCount: break;
    }
    questionPrice_ = 0;
    ++actions_;
    auto& t = tried_[kActRows[static_cast<int>(act)].name];
    ++t[0];
    if (done_) ++t[1];
    lastAction_ = "run-tick " + std::to_string(ticks_) + " " + before + (done_ ? "" : " (not done)") +
                  (note_.empty() ? "" : ": " + note_);
    if (onWhere) onWhere(lastAction_);
    if (opt_.trace) std::cout << lastAction_ << " [funds " << g_->Funds.asText() << "]\n";
    if (done_) {
        dayDone_.push_back(lastAction_);
        lastDone_.push_back(lastAction_);
        if (lastDone_.size() > 3) lastDone_.pop_front();
    }
}

// ---- the run ----

int Player::Play() {
    ScopedPlatform installed(ui_);
    BeginGame();
    while (days_ < days_wanted_) {
        GameState& g = *g_;
        if (opt_.stopAt >= 0 && ticks_ >= opt_.stopAt) {
            std::string bytes;
            SerializeGame(g, bytes);
            std::ofstream(opt_.stopFile, std::ios::binary) << bytes;
            std::cout << "stopped before run-tick " << ticks_ << "; the game is in " << opt_.stopFile.string() << "\n";
            return kClean;
        }
        if (g.GameRunning.asInt() != 1) {
            ++gameOvers_;
            ++did_["game-over-" + g.GameOverReason.asText()];
            BeginGame();
            continue;
        }
        maxStar_ = std::max(maxStar_, static_cast<int>(g.StarLevel.asReal()));
        maxSize_ = std::max(maxSize_, g.ShopSize.i());
        // While paused nothing ticks, and the player goes on acting until
        // the pause is pressed again.
        if (g.Paused.asInt() == 1) {
            if (OneIn(3)) {
                TogglePause(g);
                Did("resumed");
            } else {
                DoAction();
                CheckSave();
            }
            continue;
        }
        if (OneIn(kTicksPerAction)) {
            DoAction();
            CheckSave();
            if (g_->GameRunning.asInt() != 1 || g_->Paused.asInt() == 1) continue;
        }
        const Value day = g.Day;
        MainTick(g);
        ++ticks_;
        ++dayTicks_;
        FireOpenReports();
        CheckTick();
        if (ticks_ % kTicksBetweenSaves == 0) CheckSave();
        if (!(g.Day == day)) {
            ++days_;
            dayTicks_ = 0;
            dayDone_.clear();
            if (onWhere) onWhere(lastAction_ + " | day " + std::to_string(days_));
        }
        if (dayTicks_ > kTicksPerDayCap) {
            ++stalls_;
            std::string day;
            for (const std::string& a : dayDone_) day += " [" + a + "]";
            // (The tallies read as numbers: an empty one, never counted yet, is 0.)
            Record("stall", "a day ran past " + std::to_string(kTicksPerDayCap) + " ticks with " +
                                std::to_string(g.CustomersInside.asInt()) + " customers and " +
                                std::to_string(g.ClerksInside.asInt()) + " clerks inside and " +
                                std::to_string(g.ClerkCount.asInt()) + " employed, hour " + g.Hour.asText() +
                                ", an hour of " + g.TicksPerHour.asText() + " ticks",
                   nullptr, "; the day's actions:" + day);
            dayTicks_ = 0;
            dayDone_.clear();
            ++days_;  // the day is given up with the game
            BeginGame();
            continue;
        }
        if (giveUp_ || (refusingSince_ >= 0 && days_ - refusingSince_ >= 2)) {
            giveUp_ = false;
            ++givenUp_;
            BeginGame();
        }
    }
    return findings_.empty() ? kClean : kFindings;
}

void Player::Report(std::ostream& out) const {
    long long findings = 0;
    for (const auto& [key, f] : findings_) findings += f.count;
    std::string end;
    SerializeGame(*g_, end);
    std::uint64_t digest = 14695981039346656037ull;  // FNV-1a of the game as it ends
    for (unsigned char c : end) digest = (digest ^ c) * 1099511628211ull;
    out << "seed " << seed_ << " length-days " << days_wanted_ << " games " << games_ << " game-overs " << gameOvers_
        << " given-up " << givenUp_ << " days " << days_ << " ticks " << ticks_ << " actions " << actions_ << " saves "
        << saves_ << " refused-saves " << refusedSaves_ << " breach-ticks " << breachTicks_ << " stalls " << stalls_
        << " best-star " << maxStar_ << " best-size " << maxSize_ << " findings " << findings << "\n";
    out << "  digest\t" << std::hex << digest << std::dec << "\n";
    for (const auto& [name, t] : tried_) out << "  act\t" << name << "\t" << t[0] << "\t" << t[1] << "\n";
    for (const auto& [name, n] : did_) out << "  did\t" << name << "\t" << n << "\n";
    for (const auto& [key, f] : findings_) out << "  finding\t" << key << "\t" << f.count << "\t" << f.first << "\n";
}

// ---- the two modes ----

long long Number(const std::string& s, bool& ok) {
    char* end = nullptr;
    const long long v = std::strtoll(s.c_str(), &end, 10);
    ok = ok && !s.empty() && end && *end == '\0' && v >= 0;
    return v;
}

// A length of play: YEARS, or DAYS followed by "d"; at least a day, at most
// a thousand years.
long long Days(std::string s, bool& ok) {
    const bool days = !s.empty() && s.back() == 'd';
    if (days) s.pop_back();
    const long long n = Number(s, ok) * (days ? 1 : kDaysPerYear);
    ok = ok && n >= 1 && n <= 1000 * kDaysPerYear;
    return n;
}

int Usage() {
    std::cerr << "usage:\n  qmrandomplay one SEED LENGTH [--from GAME]... [--trace] [--twice] [--keep DIR] [--stop-at TICK FILE]\n"
                 "  qmrandomplay run FIRST COUNT LENGTH [--from GAME]... [--keep DIR]\n";
    return kUsage;
}

int RunOne(const GameState& base, const PlaceMap& places, std::uint64_t seed, int days, const Options& o) {
    Player p(base, places, seed, days, o);
    const int rc = p.Play();
    std::ostringstream report;
    p.Report(report);
    std::cout << report.str();
    if (!o.twice) return rc;
    // The same seed again, in the same process: every line must repeat.
    Player again(base, places, seed, days, o);
    again.Play();
    std::ostringstream second;
    again.Report(second);
    if (second.str() == report.str()) return kClean;  // what it found is the other runs' concern
    std::cout << "the second run of seed " << seed << " differs:\n" << second.str();
    return kFindings;
}

// Each seed in a child; the child leaves where it stands in a shared page,
// so a crash is reported with the last action before it.
int RunMany(const GameState& base, const PlaceMap& places, long long first, long long count, int days,
            const Options& o) {
    constexpr std::size_t kWhereBytes = 1024;
    char* where = static_cast<char*>(
        ::mmap(nullptr, kWhereBytes, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    if (where == MAP_FAILED) return kUsage;
    bool any = false;
    for (long long s = first; s < first + count; ++s) {
        std::memset(where, 0, kWhereBytes);
        std::fflush(nullptr);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::alarm(kSecondsPerYear * static_cast<unsigned>(days / kDaysPerYear + 1));
            Player p(base, places, static_cast<std::uint64_t>(s), days, o);
            p.onWhere = [where](const std::string& w) {
                std::strncpy(where, w.c_str(), kWhereBytes - 1);
            };
            const int rc = p.Play();
            p.Report(std::cout);
            std::fflush(nullptr);
            ::_exit(rc);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (WIFEXITED(status) && (WEXITSTATUS(status) == kClean || WEXITSTATUS(status) == kFindings)) {
            any = any || WEXITSTATUS(status) == kFindings;
            continue;
        }
        any = true;
        const std::string how = WIFSIGNALED(status) ? (WTERMSIG(status) == SIGALRM ? "hung" : "signal " + std::to_string(WTERMSIG(status)))
                                                    : "exit " + std::to_string(WEXITSTATUS(status));
        std::cout << "seed " << s << " length-days " << days << " trip " << how << "\n"
                  << "  finding\ttrip\t" << how << "\t1\tseed " << s << "; last: " << where << "\n";
        std::fflush(nullptr);
    }
    ::munmap(where, kWhereBytes);
    return any ? kFindings : kClean;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> a(argv + 1, argv + argc);
    if (a.empty()) return Usage();
    std::size_t positional = a[0] == "one" ? 3 : a[0] == "run" ? 4 : 0;
    if (positional == 0 || a.size() < positional) return Usage();
    Options o;
    for (std::size_t k = positional; k < a.size(); ++k) {
        if (a[k] == "--trace" && a[0] == "one") {
            o.trace = true;
        } else if (a[k] == "--twice" && a[0] == "one") {
            o.twice = true;
        } else if (a[k] == "--from" && k + 1 < a.size()) {
            o.from.push_back(a[++k]);
        } else if (a[k] == "--keep" && k + 1 < a.size()) {
            o.keep = a[++k];
        } else if (a[k] == "--stop-at" && a[0] == "one" && k + 2 < a.size()) {
            bool ok = true;
            o.stopAt = Number(a[k + 1], ok);
            o.stopFile = a[k + 2];
            if (!ok) return Usage();
            k += 2;
        } else {
            return Usage();
        }
    }
    bool ok = true;
    auto base = std::make_unique<GameState>();
    InitProgramState(*base);
    const PlaceMap places = FindPlaces(*base);
    // No platform may be asked for before a player installs its own.
    SetPlatform(nullptr);
    if (a[0] == "one") {
        const long long seed = Number(a[1], ok), days = Days(a[2], ok);
        if (!ok) return Usage();
        return RunOne(*base, places, static_cast<std::uint64_t>(seed), static_cast<int>(days), o);
    }
    const long long first = Number(a[1], ok), count = Number(a[2], ok), days = Days(a[3], ok);
    if (!ok) return Usage();
    return RunMany(*base, places, first, count, static_cast<int>(days), o);
}

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct ToolRun {
    int status;
    std::string out;
};

// Runs the tool through the shell, capturing standard output (and standard
// error too when asked).
ToolRun Tool(const std::string& args, bool withStderr = false) {
    std::string cmd = std::string(QMTOOL_PATH) + " " + args + (withStderr ? " 2>&1" : " 2>/dev/null");
    FILE* p = ::popen(cmd.c_str(), "r");
    std::string out;
    std::array<char, 4096> buf{};
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
    int st = ::pclose(p);
    return {WIFEXITED(st) ? WEXITSTATUS(st) : -1, out};
}

std::string ReadAll(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

class QmTool : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("qm-tool-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string P(const char* name) { return (dir / name).string(); }
    fs::path dir;
};

TEST_F(QmTool, NewGetResave) {
    ASSERT_EQ(Tool("new " + P("a.qmt") + " --name 12345 --seed 42 --date 2026-02-28 --time 23:30").status, 0);
    ToolRun get = Tool("get " + P("a.qmt") +
                   " Funds ShopName 'Magazine.Name(0)' 'Ledger.Income(6,1)' 'FloorGrid(62,22)' SelectedSlot"
                   " Weekday Hour 'Magazine.Circulation(0,11)' MagazineCount");
    ASSERT_EQ(get.status, 0);
    // The shop name of digits is a text; an Empty variable prints an empty line.
    std::string expectedStart = "4000000\n\"12345\"\n\"重生月刊\"\n0\n200\n\n6\n23\n";
    EXPECT_EQ(get.out.substr(0, expectedStart.size()), expectedStart) << get.out;
    EXPECT_TRUE(get.out.ends_with("\n61\n")) << get.out;

    ASSERT_EQ(Tool("resave " + P("a.qmt") + " " + P("b.qmt")).status, 0);
    EXPECT_EQ(ReadAll(P("a.qmt")), ReadAll(P("b.qmt")));

    // The same seed and clock give the same file.
    ASSERT_EQ(Tool("new " + P("c.qmt") + " --name 12345 --seed 42 --date 2026-02-28 --time 23:30").status, 0);
    EXPECT_EQ(ReadAll(P("a.qmt")), ReadAll(P("c.qmt")));
}

TEST_F(QmTool, RefusedFileExitsOneWithTheMessage) {
    std::ofstream(P("bad.qmt")) << "\"006\"\r\n\"1.00\",\"Quillmart\"\r\n";
    ToolRun r = Tool("get " + P("bad.qmt") + " Funds", true);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("读取文件发生了错误。"), std::string::npos) << r.out;
    EXPECT_EQ(Tool("resave " + P("bad.qmt") + " " + P("out.qmt")).status, 1);
    EXPECT_FALSE(fs::exists(P("out.qmt")));
}

TEST_F(QmTool, RunsTheBusyShopHeadless) {
    ToolRun r = Tool(std::string("run ") + QM_BUSY_SHOP + " " + P("after.qmt") + " --ticks 1500");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(0, 11), "ticks 1500\n") << r.out;
    EXPECT_NE(r.out.find("seconds "), std::string::npos);
    ToolRun sold = Tool("get " + P("after.qmt") + " CopiesSold");
    ToolRun before = Tool(std::string("get ") + QM_BUSY_SHOP + " CopiesSold");
    EXPECT_GT(std::stoll(sold.out), std::stoll(before.out));
}

// The values of `names` in a saved game, one line each.
std::vector<std::string> Get(const std::string& file, const std::string& names) {
    ToolRun r = Tool("get " + file + " " + names);
    EXPECT_EQ(r.status, 0) << names;
    std::vector<std::string> v;
    std::size_t at = 0;
    for (std::size_t nl; (nl = r.out.find('\n', at)) != std::string::npos; at = nl + 1) v.push_back(r.out.substr(at, nl - at));
    return v;
}
long long Num(const std::string& field) { return field.empty() ? 0 : std::stoll(field); }

// A headless run closes its days as the game does: each new day moves the
// histories on, empties the day column and counts the days since the last
// robbery.
TEST_F(QmTool, HeadlessDaysCloseAsInPlay) {
    const std::string fields =
        "'CopiesSoldHistory.Daily(0)' 'CopiesSoldHistory.Daily(1)' 'CopiesSoldHistory.Daily(2)' DaysSinceRobbery"
        " 'Ledger.Income(0,0)' 'Ledger.Income(0,1)'";
    const std::vector<std::string> before = Get(QM_BUSY_SHOP, fields);
    ASSERT_EQ(Tool(std::string("run ") + QM_BUSY_SHOP + " " + P("after.qmt") + " --days 3").status, 0);
    const std::vector<std::string> after = Get(P("after.qmt"), fields + " 'CopiesSoldHistory.Daily(3)'"
                                                                        " 'CopiesSoldHistory.Daily(4)'");
    ASSERT_EQ(before.size(), 6u);
    ASSERT_EQ(after.size(), 8u);
    // The day under way went three places on, the closed days with it.
    EXPECT_GE(Num(after[6]), Num(before[0]));
    EXPECT_EQ(Num(after[7]), Num(before[1]));
    EXPECT_EQ(Num(after[3]), Num(before[3]) + 3);
    // The day column holds one day at most, never more than the month.
    EXPECT_LE(Num(after[4]), Num(after[5]));
}

// A game whose funds fell below 0 ends at its next tick, headless too.
TEST_F(QmTool, HeadlessRunEndsABrokeGame) {
    ASSERT_EQ(Tool("new " + P("a.qmt") + " --name x --seed 1 --date 2026-01-01").status, 0);
    std::ofstream(P("broke.play")) << "income -5000000\n";
    ASSERT_EQ(Tool("play " + P("a.qmt") + " " + P("broke.qmt") + " " + P("broke.play")).status, 0);
    ToolRun r = Tool("run " + P("broke.qmt") + " " + P("over.qmt") + " --days 2");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(0, 8), "ticks 1\n") << r.out;
    EXPECT_EQ(Get(P("over.qmt"), "GameRunning GameOverReason"), (std::vector<std::string>{"0", "1"}));
}

TEST_F(QmTool, PlayRefusesAnUnknownLine) {
    ASSERT_EQ(Tool("new " + P("a.qmt") + " --name x --seed 1 --date 2026-01-01").status, 0);
    std::ofstream(P("script.play")) << "place 1 0\nfly away\n";
    ToolRun r = Tool("play " + P("a.qmt") + " " + P("b.qmt") + " " + P("script.play"), true);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("script.play:2: unknown command"), std::string::npos) << r.out;
    EXPECT_FALSE(fs::exists(P("b.qmt")));
}

// A play script sets a facility on fire as the facility window does (the
// shop closed) and the speed and settings as their dialogs do, and the
// headless run lives through the fire to its end.
TEST_F(QmTool, PlayArsonSpeedAndSettingsThenRunThroughTheFire) {
    ASSERT_EQ(Tool("new " + P("a.qmt") + " --name x --seed 1 --date 2026-01-01 --time 22:00").status, 0);
    std::ofstream(P("fire.play")) << "place 1 0\nplace 2 0\narson 2\nspeed 10\nsettings 10 0\n";
    ASSERT_EQ(Tool("play " + P("a.qmt") + " " + P("fire.qmt") + " " + P("fire.play")).status, 0);
    EXPECT_EQ(Get(P("fire.qmt"), "FireBurning 'FacilitySlot.FireState(2)' GameSpeed ReportCloseSpeed ShowClerkMessages"),
              (std::vector<std::string>{"1", "1", "10", "10", "0"}));
    ASSERT_EQ(Tool("run " + P("fire.qmt") + " " + P("out.qmt") + " --ticks 40").status, 0);
    EXPECT_EQ(Get(P("out.qmt"), "FireBurning NewsEventCode 'FacilitySlot.Kind(1)' 'FacilitySlot.Kind(2)'"),
              (std::vector<std::string>{"0", "9", "0", "0"}));

    // With --brigade the run calls the fire brigade once the neighbours have
    // discovered the fire: of ten facilities the two that caught fire burn,
    // where the fire left alone burns all ten.
    std::ofstream(P("ten.play")) << "place 1 0\nplace 2 0\nplace 3 0\nplace 4 0\nplace 5 0\nplace 6 0\n"
                                    "place 7 0\nplace 8 0\nplace 9 0\nplace 10 0\narson 2\n";
    ASSERT_EQ(Tool("play " + P("a.qmt") + " " + P("ten.qmt") + " " + P("ten.play")).status, 0);
    ASSERT_EQ(Tool("run " + P("ten.qmt") + " " + P("put-out.qmt") + " --ticks 40 --brigade").status, 0);
    EXPECT_EQ(Get(P("put-out.qmt"), "FireBurning NewsEventCode FacilityCount 'FacilitySlot.Kind(2)'"),
              (std::vector<std::string>{"0", "9", "8", "0"}));
    ASSERT_EQ(Tool("run " + P("ten.qmt") + " " + P("burnt.qmt") + " --ticks 400").status, 0);
    EXPECT_EQ(Get(P("burnt.qmt"), "FireBurning FacilityCount"), (std::vector<std::string>{"0", "0"}));

    // Nothing to burn, a second fire, bad speeds and settings: refused.
    for (const char* line : {"arson 3", "arson 1", "arson 99", "speed 11", "settings 11 0", "settings 5 2"}) {
        std::ofstream(P("bad.play")) << line << "\n";
        ToolRun r = Tool("play " + P("fire.qmt") + " " + P("bad.qmt") + " " + P("bad.play"), true);
        EXPECT_EQ(r.status, 2) << line;
        EXPECT_NE(r.out.find("bad.play:1: "), std::string::npos) << r.out;
    }
}

// A play line whose number lies outside its table is refused with the
// script's name and line, and nothing is saved.
// The insurance, the clerks' cleaning orders and the earthquake proofing, as
// their dialogs store them.
TEST_F(QmTool, PlayInsuresAndOrdersCleanings) {
    ASSERT_EQ(Tool("new " + P("a.qmt") + " --name x --seed 1 --date 2026-01-01").status, 0);
    std::ofstream(P("care.play")) << "insure 1 0 1\ncleaning 4 1\nproof 40\n";
    ASSERT_EQ(Tool("play " + P("a.qmt") + " " + P("b.qmt") + " " + P("care.play")).status, 0);
    EXPECT_EQ(Get(P("b.qmt"), "'InsuranceJoined(0)' 'InsuranceJoined(1)' 'InsuranceJoined(2)' AutoCleanLevel "
                              "CleaningMethod QuakeResistance"),
              (std::vector<std::string>{"1", "0", "1", "4", "2", "100"}));
    for (const char* line : {"insure 1 2 0", "insure 1 1", "cleaning 5 0", "cleaning 0 3", "proof 0", "proof"}) {
        std::ofstream(P("bad.play")) << line << "\n";
        EXPECT_EQ(Tool("play " + P("a.qmt") + " " + P("c.qmt") + " " + P("bad.play")).status, 2) << line;
    }
}

TEST_F(QmTool, PlayRefusesAnIndexOutsideItsTable) {
    ASSERT_EQ(Tool("new " + P("a.qmt") + " --name x --seed 1 --date 2026-01-01").status, 0);
    const struct {
        const char* line;
        const char* names;
    } cases[] = {
        {"magazine 9999 1", "magazine row 9999"},
        {"book -1 1", "book row -1"},
        {"place 62 0", "floor place 62"},
        {"register 1 6", "register model 6"},
        {"service 3 0", "service place 3"},
        {"magazine 0 1000", "copies 1000"},
        {"income 100000000000001", "yen 100000000000001"},
        {"ticks 1.5", "ticks 1.5"},
        {"days", "missing days"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        std::ofstream(P("script.play")) << "# a comment\nplace 1 0\n" << c.line << "\n";
        ToolRun r = Tool("play " + P("a.qmt") + " " + P("b.qmt") + " " + P("script.play"), true);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.out.find("script.play:3: " + std::string(c.names)), std::string::npos) << r.out;
        EXPECT_FALSE(fs::exists(P("b.qmt")));
    }
}

// `place` is held to what the floor view lets a player do: a spot the shop
// has at its size, an empty one, and a row the placing dialog offers at the
// star level; anything else is a usage error that saves nothing.
TEST_F(QmTool, PlaceTakesOnlyWhatTheFloorViewOffers) {
    ASSERT_EQ(Tool("new " + P("a.qmt") + " --name x --seed 1 --date 2026-01-01").status, 0);
    const struct {
        const char* script;
        const char* why;  // empty: taken
    } cases[] = {
        {"place 18 0\nplace 24 6\n", ""},
        {"place 19 0\n", "floor place 19 lies beyond the shop at its size"},
        {"place 27 0\n", "floor place 27 lies beyond the shop at its size"},
        {"enlarge\nplace 27 0\nplace 19 0\n", "floor place 19 lies beyond the shop at its size"},
        {"enlarge\nenlarge\nplace 61 1\n", ""},
        {"place 1 0\nplace 1 1\n", "floor place 1 is furnished already"},
        {"place 1 2\n", "fixture row 2 is not offered at the shop's star level"},
        {"place 1 8\n", "fixture row 8 is not offered at the shop's star level"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        std::ofstream(P("place.play")) << c.script;
        fs::remove(P("b.qmt"));
        ToolRun r = Tool("play " + P("a.qmt") + " " + P("b.qmt") + " " + P("place.play"), true);
        if (*c.why == '\0') {
            EXPECT_EQ(r.status, 0) << r.out;
            continue;
        }
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.out.find(c.why), std::string::npos) << r.out;
        EXPECT_FALSE(fs::exists(P("b.qmt")));
    }
}

TEST_F(QmTool, BadArgumentsAreUsageErrors) {
    ASSERT_EQ(Tool("new " + P("a.qmt") + " --name x --seed 1 --date 2026-01-01").status, 0);
    fs::create_directories(P("folder.qmt"));
    const struct {
        std::string args;
        int status;
    } cases[] = {
        {"get " + P("a.qmt") + " NoSuchThing", 2},
        {"get " + P("a.qmt") + " 'Magazine.Name(513)'", 2},
        {"get " + P("a.qmt") + " 'Magazine.Name(-1)'", 2},
        {"get " + P("folder.qmt") + " Funds", 1},  // refused with the read-error box, never a crash
        {"new " + P("b.qmt") + " --name x --seed 1 --date 2027-02-29", 2},
        {"new " + P("b.qmt") + " --name x --seed 1 --date 0000-01-01", 2},
        {"new " + P("b.qmt") + " --name x --seed 1 --date 2027-1-x", 2},
        {"new " + P("b.qmt") + " --name x --seed 1 --date 2027-01-01 --time 24:00", 2},
        {"new " + P("b.qmt") + " --name x --seed -1 --date 2027-01-01", 2},
        {"new " + P("b.qmt") + " --name x --seed '' --date 2027-01-01", 2},
        {"new " + P("b.qmt") + " --name x --seed 18446744073709551616 --date 2027-01-01", 2},
        {"new " + P("b.qmt") + " --name '' --seed 1 --date 2027-02-28", 1},
        {"run " + P("a.qmt") + " " + P("b.qmt") + " --ticks ''", 2},
        {"run " + P("a.qmt") + " " + P("b.qmt") + " --ticks -1", 2},
        {"run " + P("a.qmt") + " " + P("b.qmt") + " --ticks 99999999999999999999", 2},
        {"run " + P("a.qmt") + " " + P("b.qmt") + " --days 1.5", 2},
        {"run " + P("a.qmt") + " " + P("b.qmt") + " --days ' 3'", 2},
        {"run " + P("a.qmt") + " " + P("b.qmt") + " --days 1 --firemen", 2},
        {"", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        EXPECT_EQ(Tool(c.args).status, c.status);
    }
    EXPECT_FALSE(fs::exists(P("b.qmt")));
    // The largest seed is a seed like any other.
    EXPECT_EQ(Tool("new " + P("c.qmt") + " --name x --seed 18446744073709551615 --date 2027-01-01").status, 0);
}

// A new game's date: every year from 1 to the last one that leaves the
// calendar a century before the saved game would refuse its year, each with
// its own weekday (0 Sunday), and anything else a usage error that writes
// nothing.
TEST_F(QmTool, NewGameDatesInTheirFullRange) {
    const struct {
        const char* date;
        int weekday;  // -1: refused
    } cases[] = {
        {"1-01-01", 1},
        {"2026-03-01", 0},
        {"2000-02-29", 2},
        {"32767-12-31", 0},
        {"32768-01-01", 1},
        {"67562-03-01", 4},   // not the weekday of 2026-03-01
        {"99999-12-31", 5},
        {"99999900-12-31", 1},  // the last day a game may start on
        {"0-01-01", -1},
        {"99999901-01-01", -1},
        {"100000000-01-01", -1},
        {"9999999999-01-01", -1},
        {"2100-02-29", -1},  // no leap day in a century the computer's calendar skips
        {"2026-01-257", -1},
        {"2026-13-01", -1},
        {"2026-01-00", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        fs::remove(P("d.qmt"));
        ToolRun r = Tool("new " + P("d.qmt") + " --name x --seed 1 --date " + c.date, true);
        if (c.weekday < 0) {
            EXPECT_EQ(r.status, 2);
            EXPECT_NE(r.out.find("--date takes a date that exists"), std::string::npos) << r.out;
            EXPECT_FALSE(fs::exists(P("d.qmt")));
            continue;
        }
        ASSERT_EQ(r.status, 0) << r.out;
        const std::string date = c.date;
        const std::size_t dash = date.find('-');
        EXPECT_EQ(Get(P("d.qmt"), "Year Weekday"), (std::vector<std::string>{date.substr(0, dash),
                                                                              std::to_string(c.weekday)}));
    }
}

// A folder given as the play script is refused, not played as an empty
// script.
TEST_F(QmTool, PlayRefusesAFolderAsItsScript) {
    ASSERT_EQ(Tool("new " + P("a.qmt") + " --name x --seed 1 --date 2026-01-01").status, 0);
    fs::create_directories(P("scripts"));
    ToolRun r = Tool("play " + P("a.qmt") + " " + P("b.qmt") + " " + P("scripts"), true);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("is a folder, not a play script"), std::string::npos) << r.out;
    EXPECT_FALSE(fs::exists(P("b.qmt")));
}

// A save onto a loop of symbolic links is refused with the write-error box
// and the reason; the links stay links and nothing else is written.
TEST_F(QmTool, SavingOntoALoopOfLinksIsRefused) {
    ASSERT_EQ(Tool("new " + P("a.qmt") + " --name x --seed 1 --date 2026-01-01").status, 0);
    fs::create_symlink("two.qmt", dir / "one.qmt");
    fs::create_symlink("one.qmt", dir / "two.qmt");
    ToolRun r = Tool("resave " + P("a.qmt") + " " + P("one.qmt"), true);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("关闭文件时发生了错误"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("symbolic links"), std::string::npos) << r.out;
    EXPECT_EQ(fs::read_symlink(dir / "one.qmt"), "two.qmt");
    EXPECT_EQ(fs::read_symlink(dir / "two.qmt"), "one.qmt");
    std::set<std::string> names;
    for (auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"a.qmt", "one.qmt", "two.qmt"}));
}

}  // namespace

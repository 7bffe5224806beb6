#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <vector>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "commands/SaveAndLoad.h"
#include "commands/StartNewGame.h"
#include "platform/headless/HeadlessPlatform.h"
#include "savegame/GameAgreement.h"
#include "savegame/LoadSave.h"
#include "state/EquipmentCatalogue.h"
#include "state/NewGame.h"
#include "savegame/SaveGame.h"
#include "state/StateLayout.h"
#include "tests/TestSupport.h"
#include "tests/WalledWalker.h"

namespace fs = std::filesystem;

namespace {
}  // namespace
namespace {

std::string ReadAll(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}
void WriteAll(const fs::path& p, const std::string& s) { std::ofstream(p, std::ios::binary) << s; }

class SaveGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("qm-save-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        NewGameStart s;
        ASSERT_TRUE(NewGameStart::FromDate(2026, 12, 10, 10, 42, s));
        g->VersionText = kVersionText;
        g->GameTitle = kGameTitle;
        StartNewGame(*g, "测试书店", s);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Bytes(const GameState& st) {
        std::string b, why;
        EXPECT_TRUE(SerializeGame(st, b, &why)) << why;
        return b;
    }
    // The saved form of a fresh game with one line replaced or cut.
    std::string Saved() { return Bytes(*g); }

    fs::path dir;
    std::unique_ptr<GameState> g = std::make_unique<GameState>();
    HeadlessPlatform ui;
    ScopedPlatform scoped{ui};
};

TEST_F(SaveGameTest, FileLayoutHead) {
    std::string b = Saved();
    EXPECT_EQ(b.substr(0, 7), "\"006\"\r\n");
    EXPECT_EQ(b.find("\n\n"), std::string::npos);  // every line ends CR LF
    std::size_t lines = 0;
    for (char c : b) lines += c == '\n';
    // 30 head lines, then the tables of a fresh game.
    EXPECT_GT(lines, 3000u);
    // The shop name is GBK on disk.
    EXPECT_NE(b.find("\"\xB2\xE2\xCA\xD4\xCA\xE9\xB5\xEA\""), std::string::npos);
}

TEST_F(SaveGameTest, SaveLoadSaveIsByteIdenticalAndKeepsKinds) {
    g->ShopName = "12345";  // digits stay a text
    g->Bookshop.Name[0] = g->ShopName;
    g->Funds = -1234567;
    g->ScrollX = 12.25;
    g->StatusText = "逗号,也可以";
    g->Ledger.Expense[6][1] = Money::FromRaw(12345);  // 1.2345 yen
    fs::path p = dir / "Game.qmt";
    ASSERT_EQ(SaveGameTo(*g, p.string()), SaveResult::Saved);

    auto back = std::make_unique<GameState>();
    ASSERT_TRUE(ReadGameFrom(*back, p.string()));
    EXPECT_EQ(back->ShopName, Value("12345"));
    EXPECT_TRUE(back->ShopName.isText());
    EXPECT_EQ(back->Funds, Value(-1234567));
    EXPECT_EQ(back->ScrollX, Value(12.25));
    EXPECT_EQ(back->StatusText, Value("逗号,也可以"));
    EXPECT_TRUE(back->SelectedSlot.isEmpty());
    EXPECT_TRUE(back->HourTicks.isEmpty());
    EXPECT_EQ(back->Ledger.Expense[6][1].raw(), 12345);
    EXPECT_EQ(back->Magazine.IssueCode[45], g->Magazine.IssueCode[45]);
    EXPECT_EQ(back->Sprite.Depth[20], g->Sprite.Depth[20]);
    EXPECT_EQ(back->HeadlineText, g->HeadlineText);  // article line breaks survive

    // Every field the file holds agrees.
    for (const ColumnDef* c : Layout().scalars()) ASSERT_TRUE(SameSaved(c->get(*back, 0), c->get(*g, 0))) << c->name;
    for (const SaveGroup& grp : Layout().groups) {
        int last = grp.counter ? grp.counter->get(*g, 0).i() : grp.fixedLast;
        for (int i = 0; i <= last; ++i)
            for (const auto& line : grp.lines)
                for (const FieldRef& f : line)
                    ASSERT_TRUE(SameSaved(f.col->get(*back, i, f.sub), f.col->get(*g, i, f.sub)))
                        << f.col->name << "(" << i << "," << f.sub << ")";
    }

    fs::path q = dir / "Again.qmt";
    ASSERT_EQ(SaveGameTo(*back, q.string()), SaveResult::Saved);
    EXPECT_EQ(ReadAll(p), ReadAll(q));
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(SaveGameTest, EmptyCountIsOneEmptyRow) {
    g->LitterCount = Value();
    std::string b = Saved();
    auto back = std::make_unique<GameState>();
    ASSERT_TRUE(DeserializeGame(b, *back));
    EXPECT_TRUE(back->LitterCount.isEmpty());
    EXPECT_EQ(Bytes(*back), b);
}

// Damaged or foreign files: each is refused with the read-error box and the
// running game stays exactly as it was.
TEST_F(SaveGameTest, DamagedFilesAreRefusedAndLeaveTheGameUntouched) {
    const std::string good = Saved();
    auto replaceLine = [&](const std::string& key, const std::string& with) {
        std::size_t at = good.find(key);
        EXPECT_NE(at, std::string::npos) << key;
        std::string b = good;
        b.replace(at, key.size(), with);
        return b;
    };
    // Head lines of the fresh game (2026-12-10, hour 10):
    //   4: Year, Month, Day, Weekday, Hour, HourTicks, CeremonyStep, OpinionFace, FacilityDone
    //   5: Funds, GameSpeed, GameOverReason, TotalCustomers, Popularity, Fame, Paused, ...
    //   6: Attraction, ReportCloseSpeed, ReportManualClose, ShopSize, ScheduleRow
    const std::string calendarLine = "\r\n2026,12,10,4,10,,,,\r\n";
    const std::string fundsLine = "\r\n4000000,5,,0,";
    const std::string shopSizeLine = "\r\n,8,0,1,\r\n";
    const std::string loanLines = "\r\n,,,,,\r\n,,,,,\r\n,,,,,\r\n";  // the three loan slots
    const std::string gbkName = "\"\xB2\xE2\xCA\xD4\xCA\xE9\xB5\xEA\"";  // "测试书店"
    struct Case {
        const char* what;
        std::string bytes;
        bool folder = false;  // the path names a folder, not a file
    };
    const Case cases[] = {
        {"cut off in the sprites", good.substr(0, good.size() / 3)},
        {"cut after the head", good.substr(0, good.find("\r\n", 400))},
        {"empty file", ""},
        {"count over capacity", replaceLine("\r\n13\r\n", "\r\n21\r\n")},
        {"count not whole", replaceLine("\r\n13\r\n", "\r\n2.5\r\n")},
        {"count negative", replaceLine("\r\n13\r\n", "\r\n-1\r\n")},
        {"count a text", replaceLine("\r\n13\r\n", "\r\n\"13\"\r\n")},
        {"shop size out of range", replaceLine(shopSizeLine, "\r\n,8,0,7,\r\n")},
        {"unclosed text", good.substr(0, good.find("\"1.00\"") + 3)},
        {"foreign text file", "hello, world\r\nthis is not a game\r\n"},
        {"binary noise", std::string("\xFF\xFE\x00\x01\x80", 5)},
        {"quote in an unquoted field", replaceLine("\"Quillmart\"", "Quill\"mart")},
        {"text after a closing quote", replaceLine("\"Quillmart\"", "\"Quill\"mart")},
        {"30 February", replaceLine(calendarLine, "\r\n2026,2,30,4,10,,,,\r\n")},
        {"29 February of a common year", replaceLine(calendarLine, "\r\n2027,2,29,4,10,,,,\r\n")},
        {"month 13", replaceLine(calendarLine, "\r\n2026,13,10,4,10,,,,\r\n")},
        {"a loan due on 31 April", replaceLine(loanLines, "\r\n,100000,2027,4,31,\r\n,,,,,\r\n,,,,,\r\n")},
        {"a loan without a due date", replaceLine(loanLines, "\r\n,100000,,,,\r\n,,,,,\r\n,,,,,\r\n")},
        {"huge funds", replaceLine(fundsLine, "\r\n9223372036854775807,5,,0,")},
        {"funds past the money limit", replaceLine(fundsLine, "\r\n100000000000001,5,,0,")},
        {"a real where a whole number belongs", replaceLine(fundsLine, "\r\n4000000.5,5,,0,")},
        {"a text where a number belongs", replaceLine(fundsLine, "\r\n\"4000000\",5,,0,")},
        {"a number where a text belongs", replaceLine(gbkName, "12345")},
        {"a circulation of 1e308", replaceLine("\r\n8670\r\n", "\r\n1e308\r\n")},
        {"a negative tick counter", replaceLine(calendarLine, "\r\n2026,12,10,4,10,-1000000000000,,,\r\n")},
        {"an hour longer than any", replaceLine("\r\n,,1,1,,,,,,3120,", "\r\n,,1,1,,,,,1000000000000,3120,")},
        {"a shop name too long", replaceLine(gbkName, "\"12345678901234567\"")},
        {"wrong version", replaceLine("\"006\"", "\"007\"")},
        {"version not a text", replaceLine("\"006\"", "6")},
        {"trailing text", good + "x"},
        {"a trailing empty line", good + "\r\n"},
        {"a field moved across lines", replaceLine("\r\n,,,,,\r\n2026,12,10,4,10,,,,\r\n",
                                                  "\r\n,,,,\r\n2026,12,10,4,10,,,,,\r\n")},
        {"a line with a field too many", replaceLine(shopSizeLine, "\r\n,8,0,1,,\r\n")},
        {"a stray carriage return", replaceLine(shopSizeLine, "\r\n,8,0\r,1,\r\n")},
        {"a folder", "", true},
        {"a file larger than any game", std::string(kLargestSaveFile + 1, ',')},
    };
    // The live game has been played a little, so untouched means "as it was", not "as new".
    auto live = std::make_unique<GameState>(*g);
    live->Funds = 777;
    live->FloorGrid[62][22] = 200;
    const std::string before = Bytes(*live);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::path p = dir / "bad.qmt";
        fs::remove_all(p);
        if (c.folder)
            fs::create_directory(p);
        else
            WriteAll(p, c.bytes);
        ui.shown.clear();
        EXPECT_FALSE(ReadGameFrom(*live, p.string()));
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].text, kReadErrorText);
        EXPECT_EQ(ui.shown[0].title, kReadErrorTitle);
        EXPECT_EQ(ui.shown[0].style, MsgStyle::Exclamation);
        EXPECT_EQ(Bytes(*live), before);
        EXPECT_EQ(live->FloorGrid[62][22], 200);
    }
    // And a missing file.
    ui.shown.clear();
    EXPECT_FALSE(ReadGameFrom(*live, (dir / "missing.qmt").string()));
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(Bytes(*live), before);
}

// The busy shop with a customer's heading turned into the wall beside it:
// the walk would stand there for good, and the hour wait for the customer
// for ever. The file is refused like any damaged one.
TEST_F(SaveGameTest, AWalkIntoAWallIsRefusedAndLeavesTheGameUntouched) {
    auto busy = std::make_unique<GameState>();
    InitProgramState(*busy);
    ASSERT_TRUE(LoadGameFile(*busy, QM_BUSY_SHOP));
    const WalledWalker walled = FindWalledWalker(*busy);
    ASSERT_TRUE(walled.game);
    walled.Damage(*walled.game);
    const fs::path p = dir / "walled.qmt";
    WriteAll(p, Bytes(*walled.game));

    const std::string before = Bytes(*g);
    ui.shown.clear();
    std::string why;
    EXPECT_FALSE(ReadGameFrom(*g, p.string(), &why));
    EXPECT_EQ(why.rfind("the walks: ", 0), 0u) << why;
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, kReadErrorText);
    EXPECT_EQ(ui.shown[0].title, kReadErrorTitle);
    EXPECT_EQ(Bytes(*g), before);
}

// A loan taken on a leap day falls due on 29 February of the next year,
// which that year's calendar lacks: the loan stays lent, and the file that
// holds it is a game's own file.
TEST_F(SaveGameTest, ALoanMayFallDueOnTheTwentyNinthOfFebruary) {
    g->Loan.Amount[1] = 250000;
    g->Loan.DueYear[1] = 2029;
    g->Loan.DueMonth[1] = 2;
    g->Loan.DueDay[1] = 29;
    auto back = std::make_unique<GameState>();
    std::string why;
    EXPECT_TRUE(DeserializeGame(Saved(), *back, &why)) << why;
    EXPECT_EQ(back->Loan.DueDay[1], Value(29));
}

// Numbers are written in plain digits, whatever kind the value holds: a
// whole real reads back as the whole number.
TEST_F(SaveGameTest, WholeRealsAreWrittenInPlainDigits) {
    g->RobberyDemand = 2500000.0;
    g->ScrollX = 0.5;
    const std::string b = Saved();
    EXPECT_NE(b.find("\r\n,,0.5,,,\r\n"), std::string::npos);
    auto back = std::make_unique<GameState>();
    std::string why;
    ASSERT_TRUE(DeserializeGame(b, *back, &why)) << why;
    EXPECT_EQ(back->RobberyDemand, Value(2500000));
}

TEST_F(SaveGameTest, OutOfRangeSlotInATableIsRefused) {
    std::string good = Saved();
    // Person 0's sprite is the second field of the line that starts with its
    // satisfaction (10) and sprite slot (20).
    std::size_t at = good.find("\r\n10,20,");
    ASSERT_NE(at, std::string::npos);
    std::string bad = good;
    bad.replace(at, 8, "\r\n10,999,");
    auto back = std::make_unique<GameState>();
    std::string why;
    EXPECT_FALSE(DeserializeGame(bad, *back, &why));
    EXPECT_NE(why.find("Person.Sprite"), std::string::npos) << why;
}

// The columns the tick works on as plain numbers take from a file only what
// their cells hold exactly, kind and all: nothing is rounded on the way in,
// and whatever is taken is written back byte for byte.
TEST_F(SaveGameTest, PlainNumberColumnsTakeOnlyWhatTheyHoldExactly) {
    struct Case {
        const char* column;
        const char* field;  // as the file holds it
        bool taken;
    };
    const Case cases[] = {
        // Whole pixels, pictures and sizes.
        {"Sprite.X", "-64", true},
        {"Sprite.X", "", true},
        {"Sprite.X", "12.5", false},    // a fraction of a pixel
        {"Sprite.X", "12.0", false},    // a real, though whole: it would come back as 12
        {"Sprite.X", "1e2", false},     // the same
        {"Sprite.X", "100001", false},  // past the rule
        {"Sprite.X", "2147483648", false},  // past the cell
        {"Sprite.SrcY", "-1", false},
        {"Sprite.Width", "\"16\"", false},
        // The depth key is real; a whole number is written back as it was.
        {"Sprite.Depth", "12", true},
        {"Sprite.Depth", "0.125", true},
        {"Sprite.Depth", "", true},
        {"Sprite.Depth", "100000.5", true},  // a person on the pixel row at the edge, and its slot
        {"Sprite.Depth", "102000.5", false},
        // The person's walk.
        {"Person.State", "", true},
        {"Person.State", "3.5", false},
        {"Person.State", "3.0", false},
        {"Person.State", "100", false},
        {"Person.TargetX", "\"40\"", false},
        {"Person.TargetY", "-1", false},
        {"Person.Heading", "5", false},
        {"Person.Look", "9", false},
        {"Person.WideFigure", "1.0", false},
    };
    constexpr int kMarker = 1234567;  // a number the fresh game holds nowhere else
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.column) + " <- " + c.field);
        const ColumnDef* col = Layout().find(c.column);
        ASSERT_NE(col, nullptr);
        ASSERT_TRUE(col->isTyped());
        auto marked = std::make_unique<GameState>(*g);
        const int row = col->rows > 300 ? 300 : 7;  // an unused sprite, a customer slot
        col->set(*marked, row, 0, Value(kMarker));
        std::string bytes = Bytes(*marked);
        const std::size_t at = bytes.find(std::to_string(kMarker));
        ASSERT_NE(at, std::string::npos);
        ASSERT_EQ(bytes.find(std::to_string(kMarker), at + 1), std::string::npos);
        bytes.replace(at, std::to_string(kMarker).size(), c.field);

        auto back = std::make_unique<GameState>(*g);
        std::string why;
        if (c.taken) {
            ASSERT_TRUE(DeserializeGame(bytes, *back, &why)) << why;
            EXPECT_EQ(Bytes(*back), bytes);
        } else {
            EXPECT_FALSE(DeserializeGame(bytes, *back, &why));
            EXPECT_NE(why.find(c.column), std::string::npos) << why;
            EXPECT_EQ(Bytes(*back), Bytes(*g));
        }
    }
}

TEST_F(SaveGameTest, LoadKeepsTheFloorGridButItsLastCell) {
    fs::path p = dir / "Game.qmt";
    ASSERT_EQ(SaveGameTo(*g, p.string()), SaveResult::Saved);
    auto live = std::make_unique<GameState>();
    live->FloorGrid[97][65] = 200;  // a start-up wall the new game lacks
    live->FloorGrid[512][512] = 5;
    ASSERT_TRUE(ReadGameFrom(*live, p.string()));
    EXPECT_EQ(live->FloorGrid[97][65], 200);
    EXPECT_EQ(live->FloorGrid[512][512], 0);
}

TEST_F(SaveGameTest, OverwriteNeedsAYes) {
    fs::path p = dir / "Game.qmt";
    WriteAll(p, "old game");
    ui.answers = {MsgAnswer::No};
    EXPECT_EQ(SaveGameTo(*g, p.string()), SaveResult::Declined);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, kOverwriteQuestion);
    EXPECT_EQ(ui.shown[0].style, MsgStyle::OverwriteQuestion);
    EXPECT_EQ(ui.shown[0].title, "");
    EXPECT_EQ(ReadAll(p), "old game");

    ui.answers = {MsgAnswer::Yes};
    EXPECT_EQ(SaveGameTo(*g, p.string()), SaveResult::Saved);
    EXPECT_EQ(ReadAll(p), Saved());
}

TEST_F(SaveGameTest, FailedSaveKeepsTheOldFile) {
    fs::path p = dir / "Game.qmt";
    WriteAll(p, "old game");
    g->ShopName = "引号\"书店";  // cannot be written without shifting every later field
    ui.answers = {MsgAnswer::Yes};
    EXPECT_EQ(SaveGameTo(*g, p.string()), SaveResult::Failed);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].text, kWriteErrorText);
    EXPECT_EQ(ui.shown[1].style, MsgStyle::Exclamation);
    EXPECT_EQ(ui.shown[1].title, "");
    EXPECT_EQ(ReadAll(p), "old game");

    g->ShopName = "测试书店";
    g->MagazineCount = 300;  // past the table's capacity
    ui.shown.clear();
    EXPECT_EQ(SaveGameTo(*g, p.string()), SaveResult::Failed);
    EXPECT_EQ(ReadAll(p), "old game");

    // Nothing is left behind beside the target.
    int files = 0;
    for (auto& e : fs::directory_iterator(dir)) files += e.is_regular_file();
    EXPECT_EQ(files, 1);
}

// Saving over a symbolic link writes the file it points to (through a chain
// of links, relative or not) and keeps the link; the file keeps its
// permissions; nothing else is left in either folder.
TEST_F(SaveGameTest, SavingOverALinkWritesTheFileItPointsTo) {
    fs::create_directories(dir / "saves");
    const fs::path real = dir / "saves" / "real.qmt";
    WriteAll(real, "old game");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("saves/real.qmt", dir / "hop.qmt");
    fs::create_symlink(dir / "hop.qmt", dir / "Game.qmt");

    ui.answers = {MsgAnswer::Yes};
    ASSERT_EQ(SaveGameTo(*g, (dir / "Game.qmt").string()), SaveResult::Saved);
    EXPECT_TRUE(fs::is_symlink(dir / "Game.qmt"));
    EXPECT_TRUE(fs::is_symlink(dir / "hop.qmt"));
    EXPECT_EQ(ReadAll(real), Saved());
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);

    // A link to a file not there yet makes the file.
    fs::create_symlink("saves/new.qmt", dir / "New.qmt");
    ASSERT_EQ(SaveGameTo(*g, (dir / "New.qmt").string()), SaveResult::Saved);
    EXPECT_TRUE(fs::is_symlink(dir / "New.qmt"));
    EXPECT_EQ(ReadAll(dir / "saves" / "new.qmt"), Saved());

    std::set<std::string> saves;
    for (auto& e : fs::directory_iterator(dir / "saves")) saves.insert(e.path().filename().string());
    EXPECT_EQ(saves, (std::set<std::string>{"new.qmt", "real.qmt"}));
    std::set<std::string> top;
    for (auto& e : fs::directory_iterator(dir)) top.insert(e.path().filename().string());
    EXPECT_EQ(top, (std::set<std::string>{"Game.qmt", "New.qmt", "hop.qmt", "saves"}));
}

// A save that fails at the last step (the target turns out to be a folder)
// leaves no temporary file behind.
TEST_F(SaveGameTest, AFailedRenameLeavesNothingBehind) {
    fs::create_directories(dir / "Game.qmt" / "inside");
    ui.answers = {MsgAnswer::Yes};
    EXPECT_EQ(SaveGameTo(*g, (dir / "Game.qmt").string()), SaveResult::Failed);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].text, kWriteErrorText);
    int entries = 0;
    for (auto& e : fs::directory_iterator(dir)) {
        ++entries;
        EXPECT_EQ(e.path().filename(), "Game.qmt");
    }
    EXPECT_EQ(entries, 1);
}

// A save killed between naming its temporary file and the rename leaves a
// whole copy beside the target: the next save of that target removes it,
// and keeps every file that only looks like one (another target's, a name
// of another length, a link, an empty file, one a save under way holds).
TEST_F(SaveGameTest, TheNextSaveRemovesWhatAKilledSaveLeftBehind) {
    const std::string target = (dir / "Game.qmt").string();
    const std::string ours = TemporaryNamePrefix(target);
    const std::string others = TemporaryNamePrefix((dir / "Other.qmt").string());
    ASSERT_NE(ours, others);
    ASSERT_EQ(ours, TemporaryNamePrefix("/elsewhere/Game.qmt"));  // the folder is not part of it
    const std::string saved = Saved();
    enum Kind { File, Empty, Link, Folder, Held };
    const struct {
        std::string name;
        Kind kind;
        bool removed;
    } cases[] = {
        {ours + "a1b2c3d4", File, true},
        {ours + "zz99zz99", File, true},
        {others + "a1b2c3d4", File, false},
        {ours + "a1b2c3d", File, false},
        {ours + "a1b2c3d4.qmt", File, false},
        {ours + "A1B2C3D4", File, false},
        {ours + "e5f6g7h8", Empty, false},
        {ours + "i9j0k1l2", Link, false},
        {ours + "m3n4o5p6", Folder, false},
        {ours + "q7r8s9t0", Held, false},
    };
    std::vector<int> held;
    for (const auto& c : cases) {
        const fs::path p = dir / c.name;
        switch (c.kind) {
        case File: WriteAll(p, saved); break;
        case Empty: WriteAll(p, ""); break;
        case Link: fs::create_symlink("Other.qmt", p); break;
        case Folder: fs::create_directories(p); break;
        case Held: {
            WriteAll(p, saved);
            const int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
            ASSERT_GE(fd, 0);
            ASSERT_EQ(::flock(fd, LOCK_EX), 0);
            held.push_back(fd);
            break;
        }
        }
    }
    WriteAll(dir / "Other.qmt", saved);
    ASSERT_TRUE(WriteGameFile(*g, target));
    for (const auto& c : cases) EXPECT_NE(fs::exists(fs::symlink_status(dir / c.name)), c.removed) << c.name;
    EXPECT_EQ(ReadAll(target), saved);
    EXPECT_EQ(ReadAll(dir / "Other.qmt"), saved);
    for (int fd : held) ::close(fd);
}

// The temporary file's name is short and of one length whatever the
// target's, so that the longest name a folder takes can be saved to and
// loaded from, and the save leaves nothing else behind.
TEST_F(SaveGameTest, TheLongestFileNameSavesAndLoads) {
    const std::string name = std::string(255 - 4, 'n') + ".qmt";
    const fs::path p = dir / name;
    ASSERT_EQ(SaveGameTo(*g, p.string()), SaveResult::Saved);
    ASSERT_EQ(SaveGameTo(*g, p.string()), SaveResult::Saved);  // over itself
    auto back = std::make_unique<GameState>();
    std::string why;
    ASSERT_TRUE(ReadGameFrom(*back, p.string(), &why)) << why;
    EXPECT_EQ(Bytes(*back), Saved());
    std::set<std::string> files;
    for (auto& e : fs::directory_iterator(dir)) files.insert(e.path().filename().string());
    EXPECT_EQ(files, std::set<std::string>{name});
}

// The save reads its file back into the game itself and puts the game's own
// values back, whether the file is taken or refused: a whole real, which
// reads back as a whole number, stays a real.
TEST_F(SaveGameTest, TheReadBackLeavesTheGameAsItWas) {
    g->Bookshop.FacilityScore[0] = 12.0;
    g->ScrollX = 3.0;
    const std::string before = Saved();
    ASSERT_TRUE(WriteGameFile(*g, (dir / "Game.qmt").string()));
    EXPECT_TRUE(g->Bookshop.FacilityScore[0].isReal());
    EXPECT_TRUE(g->ScrollX.isReal());
    EXPECT_EQ(Saved(), before);

    g->FixtureType.Capacity[0] = 41;  // every field in range, but not the game's catalogue
    const std::string refusedBytes = Saved();
    std::string why;
    EXPECT_FALSE(WriteGameFile(*g, (dir / "Game.qmt").string(), &why));
    EXPECT_NE(why.find("on offer"), std::string::npos) << why;
    EXPECT_TRUE(g->Bookshop.FacilityScore[0].isReal());
    EXPECT_EQ(Saved(), refusedBytes);
    EXPECT_EQ(ReadAll(dir / "Game.qmt"), before);
}

TEST_F(SaveGameTest, UnwritableFolderReportsTheFailure) {
    EXPECT_EQ(SaveGameTo(*g, (dir / "no-such-folder" / "Game.qmt").string()), SaveResult::Failed);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, kWriteErrorText);
}

// The file's own routines say why they failed and leave the boxes to the
// commands: with no platform installed, a box would throw.
TEST_F(SaveGameTest, TheFileRoutinesSayWhyAndShowNoBox) {
    SetPlatform(nullptr);
    const std::string before = Bytes(*g);
    std::string why;
    EXPECT_FALSE(WriteGameFile(*g, (dir / "no-such-folder" / "Game.qmt").string(), &why));
    EXPECT_NE(why.find("could not be written"), std::string::npos) << why;
    why.clear();
    WriteAll(dir / "bad.qmt", "\"006\"\r\n");
    EXPECT_FALSE(ReadGameFile(*g, (dir / "bad.qmt").string(), &why));
    EXPECT_FALSE(why.empty());
    why.clear();
    EXPECT_FALSE(LoadGameFile(*g, (dir / "missing.qmt").string(), &why));
    EXPECT_EQ(why, "the file cannot be opened");
    EXPECT_EQ(Bytes(*g), before);

    ASSERT_TRUE(WriteGameFile(*g, (dir / "Game.qmt").string()));
    EXPECT_TRUE(WriteGameFile(*g, (dir / "Game.qmt").string()));  // no question: the command asks
    auto back = std::make_unique<GameState>();
    ASSERT_TRUE(ReadGameFile(*back, (dir / "Game.qmt").string(), &why)) << why;
    EXPECT_EQ(Bytes(*back), before);
    SetPlatform(&ui);  // as the fixture's scope left it
}

// The catalogues a game holds are the built-in rows, each cell as a new
// game fills it (a number may come back as a real of the same value); any
// other row, count or cell is refused.
TEST_F(SaveGameTest, TheEquipmentOnOfferIsTheBuiltInRows) {
    const struct {
        const char* what;
        std::function<void(GameState&)> change;
        bool taken;
    } cases[] = {
        {"as a new game fills them", [](GameState&) {}, true},
        {"a price held as a real of its value", [](GameState& g) { g.RegisterType.Price[5] = 1'280'000.0; }, true},
        {"a shelf's capacity", [](GameState& g) { g.FixtureType.Capacity[3] = 101; }, false},
        {"a machine's description", [](GameState& g) { g.FixtureType.Description[8] = "照相机"; }, false},
        {"a fixture row's index", [](GameState& g) { g.FixtureType.Index[0] = 1; }, false},
        {"a number held as a text", [](GameState& g) { g.FixtureType.Param3[2] = "3"; }, false},
        {"a register's speed", [](GameState& g) { g.RegisterType.SpeedText[0] = "超高速"; }, false},
        {"a register's price emptied", [](GameState& g) { g.RegisterType.Price[1] = Value(); }, false},
        {"a service machine's Param5", [](GameState& g) { g.ServiceFacilityType.Param5[2] = 1; }, false},
        {"a service machine's name", [](GameState& g) { g.ServiceFacilityType.Name[3] = "CD"; }, false},
        {"a fixture row more", [](GameState& g) { AddFixtureType(g, 1, 200, 0, 9, "大书架"); }, false},
        {"a register row fewer", [](GameState& g) { g.RegisterTypeCount = 5; }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto changed = std::make_unique<GameState>(*g);
        c.change(*changed);
        std::string why;
        EXPECT_EQ(CheckAgreement(*changed, &why), c.taken) << why;
        if (!c.taken) {
            EXPECT_NE(why.find("on offer"), std::string::npos) << why;
        }
    }
}

TEST(SaveLayout, EveryColumnIsSavedOnceAndCapacitiesMatchTheTables) {
    const SaveLayout& L = Layout();
    std::map<std::string_view, int> uses;
    for (const auto& line : L.headLines)
        for (const ColumnDef* c : line) ++uses[c->name];
    for (const SaveGroup& grp : L.groups) {
        if (grp.counter) ++uses[grp.counter->name];
        for (const auto& line : grp.lines)
            for (const FieldRef& f : line)
                if (f.sub == 0) ++uses[f.col->name];
    }
    for (const ColumnDef& c : L.columns) EXPECT_EQ(uses[c.name], 1) << c.name;
    EXPECT_EQ(L.scalars().size(), 173u);
    EXPECT_EQ(L.groups.size(), 26u);

    std::map<std::string_view, int> capacity;
    for (const SaveGroup& grp : L.groups)
        if (grp.counter) capacity[grp.counter->name] = grp.capacity();
    EXPECT_EQ(capacity["SceneryCount"], 20);
    EXPECT_EQ(capacity["LitterCount"], 15);
    EXPECT_EQ(capacity["ClerkMessageCount"], 50);
    EXPECT_EQ(capacity["BookshopCount"], 64);
    EXPECT_EQ(capacity["MagazineCount"], 256);
    EXPECT_EQ(capacity["BookCount"], 256);
    EXPECT_EQ(capacity["FixtureTypeCount"], 10);
    EXPECT_EQ(capacity["RegisterTypeCount"], 6);
    EXPECT_EQ(capacity["PersonCount"], 256);
    EXPECT_EQ(capacity["ApplicantCount"], 128);
}

}  // namespace

// The main window as a player meets it: the title state, a new game, the
// pause, quitting, saving and loading.
#include <gtest/gtest.h>

#include "tests/ui/ModalDriver.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <unistd.h>

#include "platform/GameClock.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/qt/Forms.h"
#include "state/Form3.h"
#include "state/NewGame.h"
#include "state/SaveGame.h"
#include "state/TheGame.h"
#include "ui/main/FormList.h"
#include "ui/main/MDIForm1.h"

namespace fs = std::filesystem;

namespace {


std::string Bytes(const GameState& g) {
    std::string b;
    EXPECT_TRUE(SerializeGame(g, b));
    return b;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        static bool registered = false;
        if (!registered) RegisterForms();
        registered = true;
        ResetGameState(Game());
        Game().GameRunning = 0;
        main = std::make_unique<MDIForm1>();
        dir = fs::temp_directory_path() / ("qm-main-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override {
        UnloadAllForms();
        main.reset();
        fs::remove_all(dir);
    }

    // Types a name into the new-game dialog and presses OK.
    void NewGame(const QString& name) {
        WhenModal([name](QWidget* w) {
            auto* f = qobject_cast<Form3*>(w);
            ASSERT_NE(f, nullptr);
            f->Text1->setText(name);
            f->Command2->click();
        });
        main->menuItem("MNewGame")->trigger();
    }

    HeadlessPlatform ui;
    ScopedPlatform scoped{ui};
    std::unique_ptr<MDIForm1> main;
    fs::path dir;
};

TEST_F(MainWindowTest, StartsInTheTitleState) {
    EXPECT_EQ(main->windowTitle(), "Quillmart Version 1.00");
    EXPECT_EQ(main->statusBarText(), "开始新游戏，或读取之前保存的游戏存档。");
    for (const char* n : {"MSave", "MAction", "MInformation", "MWindow", "MSetup"})
        EXPECT_FALSE(main->menuItem(n)->isEnabled()) << n;
    for (const char* n : {"MNewGame", "MLoad", "MEnd", "MHelp"}) EXPECT_TRUE(main->menuItem(n)->isEnabled()) << n;
    EXPECT_FALSE(main->toolbarStrip()->isVisibleTo(main.get()));
    EXPECT_FALSE(Clock().enabled());
    EXPECT_EQ(main->backgroundFile(), "Graphic/Title.dat");
    EXPECT_EQ(Game().FloorGrid[97][65], 200);  // the start-up walls
}

TEST_F(MainWindowTest, NewGameEntersTheRunningState) {
    NewGame("测试书店");
    EXPECT_TRUE(main->windowTitle().startsWith("Quillmart 测试书店  资金400万0000円 ")) << main->windowTitle().toStdString();
    for (const char* n : {"MSave", "MAction", "MInformation", "MWindow", "MSetup"})
        EXPECT_TRUE(main->menuItem(n)->isEnabled()) << n;
    EXPECT_TRUE(main->toolbarStrip()->isVisibleTo(main.get()));
    EXPECT_TRUE(IsFormOpen(1));
    EXPECT_TRUE(IsFormOpen(4));
    EXPECT_EQ(Clock().interval(), 100);
    EXPECT_TRUE(Clock().ticking());
    EXPECT_EQ(Game().ShopName, Value("测试书店"));
    EXPECT_EQ(main->backgroundFile(), "Graphic/Kabe.dat");
    EXPECT_TRUE(main->menuItem("MSoundYes")->isChecked());
    EXPECT_FALSE(main->menuItem("MSoundNo")->isChecked());
}

TEST_F(MainWindowTest, NewGameRefusesEmptyAndUnsavableNames) {
    WhenModal([](QWidget* w) {
        auto* f = qobject_cast<Form3*>(w);
        f->Command2->click();  // empty
        f->Text1->setText("书\"店");
        f->Command2->click();
        f->Command1->click();
    });
    main->menuItem("MNewGame")->trigger();
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].text, "请决定店铺的名字");
    EXPECT_EQ(ui.shown[0].title, "Quillmart");
    EXPECT_EQ(ui.shown[0].style, MsgStyle::Information);
    EXPECT_FALSE(main->menuItem("MSave")->isEnabled());  // still the title state
    EXPECT_FALSE(Clock().enabled());
}

TEST_F(MainWindowTest, PauseSurvivesADialogAndAQuitQuestion) {
    NewGame("书店");
    ImageButton* stop = main->toolButton("BStop");
    QTest::mousePress(stop, Qt::LeftButton);
    EXPECT_EQ(Game().Paused, Value(1));
    EXPECT_TRUE(stop->pressed());
    EXPECT_EQ(Clock().interval(), 0);

    WhenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    main->menuItem("MHelpVersion")->trigger();
    EXPECT_EQ(Clock().interval(), 0);
    EXPECT_TRUE(Clock().enabled());
    EXPECT_FALSE(Clock().ticking());

    ui.answers = {MsgAnswer::No};
    QCloseEvent close;
    QApplication::sendEvent(main.get(), &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_EQ(ui.shown.back().text, "结束游戏。");
    EXPECT_EQ(ui.shown.back().title, std::string(18, ' ') + "Quillmart");
    EXPECT_EQ(Clock().interval(), 0);

    QTest::mousePress(stop, Qt::RightButton);  // only the left button counts
    EXPECT_EQ(Game().Paused, Value(1));
    QTest::mousePress(stop, Qt::LeftButton);
    EXPECT_EQ(Game().Paused, Value(0));
    EXPECT_FALSE(stop->pressed());
    EXPECT_EQ(Clock().interval(), 100);
    EXPECT_TRUE(Clock().ticking());
}

TEST_F(MainWindowTest, QuitAnsweredNoKeepsTheGameRunning) {
    NewGame("书店");
    ui.answers = {MsgAnswer::No};
    QCloseEvent close;
    QApplication::sendEvent(main.get(), &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_TRUE(Clock().ticking());
    EXPECT_EQ(Game().GameRunning, Value(1));
}

TEST_F(MainWindowTest, ToolbarHintsAndPressRules) {
    NewGame("书店");
    ImageButton* save = main->toolButton("BSave");
    QTest::mouseMove(save);
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(save, &move);
    EXPECT_EQ(Game().StatusText, Value("保存游戏。"));
    EXPECT_EQ(Game().StatusTicks, Value(0));

    // A right click on a button runs nothing and keeps its face.
    ui.files = {(dir / "never.qmt").string()};
    QTest::mouseClick(save, Qt::RightButton);
    EXPECT_FALSE(save->pressed());
    EXPECT_FALSE(fs::exists(dir / "never.qmt"));
    EXPECT_EQ(ui.files.size(), 1u);
}

TEST_F(MainWindowTest, SaveThenLoadGivesTheSameGame) {
    NewGame("书店");
    Game().Funds = 1234567;
    const auto circulation = Game().Magazine.Circulation[3];
    const std::string path = (dir / "Game.qmt").string();
    ui.files = {path};
    QTest::mouseClick(main->toolButton("BSave"), Qt::LeftButton);
    ASSERT_TRUE(fs::exists(path));
    EXPECT_TRUE(Clock().ticking());

    // Play on a little, pause, then load.
    Game().Funds = 5;
    QTest::mousePress(main->toolButton("BStop"), Qt::LeftButton);
    ui.files = {path};
    main->menuItem("MLoad")->trigger();
    EXPECT_EQ(Game().Funds, Value(1234567));
    EXPECT_TRUE(Game().Magazine.Circulation[3] == circulation);
    EXPECT_EQ(Game().ShopName, Value("书店"));
    EXPECT_EQ(Game().Paused, Value(0));
    EXPECT_FALSE(main->toolButton("BStop")->pressed());
    EXPECT_EQ(Clock().interval(), 100);
    EXPECT_TRUE(IsFormOpen(1));
    EXPECT_TRUE(IsFormOpen(4));
    EXPECT_EQ(Game().WindowOpen[4], Value(1));
    EXPECT_EQ(Game().FloorGrid[97][65], 0);  // the new-game walls, wherever it is loaded
}

TEST_F(MainWindowTest, BrokenFileChangesNothing) {
    const std::string bad = (dir / "bad.qmt").string();
    std::ofstream(bad) << "\"006\"\r\n\"1.00\"\r\n";

    // From the title state: the box, and still the title state.
    ui.files = {bad};
    main->menuItem("MLoad")->trigger();
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "读取文件发生了错误。");
    EXPECT_FALSE(main->menuItem("MSave")->isEnabled());
    EXPECT_FALSE(Clock().enabled());
    EXPECT_FALSE(IsFormOpen(1));

    // From a running game: the game goes on untouched.
    NewGame("书店");
    const std::string before = Bytes(Game());
    ui.files = {bad};
    main->menuItem("MLoad")->trigger();
    EXPECT_TRUE(Bytes(Game()) == before);
    EXPECT_TRUE(Clock().ticking());
    EXPECT_TRUE(IsFormOpen(1));
}

TEST_F(MainWindowTest, SoundAndWallpaperMenus) {
    NewGame("书店");
    main->menuItem("MSoundNo")->trigger();
    EXPECT_EQ(Game().SoundOn, Value(0));
    EXPECT_TRUE(main->menuItem("MSoundNo")->isChecked());
    EXPECT_FALSE(main->menuItem("MSoundYes")->isChecked());
    main->menuItem("MSoundYes")->trigger();
    EXPECT_EQ(Game().SoundOn, Value(1));
    EXPECT_TRUE(main->menuItem("MSoundYes")->isChecked());

    main->menuItem("MKabeNothing")->trigger();
    EXPECT_EQ(main->backgroundFile(), "Graphic/Color.dat");
    main->menuItem("MKabeTitle")->trigger();
    EXPECT_EQ(main->backgroundFile(), "Graphic/Title.dat");
    EXPECT_FALSE(main->menuItem("MTakarakuzi")->isEnabled());
}

TEST_F(MainWindowTest, GameOverReturnsToTheTitleState) {
    NewGame("书店");
    Game().GameRunning = 0;
    ShowTitleState();
    EXPECT_EQ(main->windowTitle(), "Quillmart Version 1.00");
    EXPECT_EQ(main->statusBarText(), "开始新游戏，或读取之前保存的游戏存档。");
    EXPECT_FALSE(main->menuItem("MSave")->isEnabled());
    EXPECT_FALSE(IsFormOpen(1));
    EXPECT_FALSE(IsFormOpen(4));
    EXPECT_EQ(Game().WindowOpen[4], Value(0));
    EXPECT_FALSE(Clock().enabled());
}

}  // namespace

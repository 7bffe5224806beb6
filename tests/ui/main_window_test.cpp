// The main window as a player meets it: the title state, a new game, the
// pause, quitting, saving and loading.
#include <gtest/gtest.h>

#include "tests/ui/ModalDriver.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFileDialog>
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

#include "platform/Platform.h"
#include "ui/platform/QtPlatform.h"
#include "ui/platform/WindowRegistry.h"
#include "ui/floor/FloorViewWindow.h"
#include "ui/main/NewGameDialog.h"
#include "state/NewGame.h"
#include "savegame/SaveGame.h"
#include "ui/main/MainWindow.h"

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
        main = std::make_unique<MainWindow>();
        // A folder of its own for every test: the file dialog keeps what it
        // saw of a folder, even after the folder was removed.
        static int tests = 0;
        dir = fs::temp_directory_path() / ("qm-main-" + std::to_string(::getpid()) + "-" + std::to_string(++tests));
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
            auto* f = qobject_cast<NewGameDialog*>(w);
            ASSERT_NE(f, nullptr);
            f->Text1->setText(name);
            f->Command2->click();
        });
        main->menuItem("MNewGame")->trigger();
    }

    GameState& game() { return main->game(); }

    std::unique_ptr<MainWindow> main;
    fs::path dir;
};

TEST_F(MainWindowTest, StartsInTheTitleState) {
    EXPECT_EQ(main->windowTitle(), "Quillmart Version 1.00");
    EXPECT_EQ(main->statusBarText(), "开始新游戏，或读取之前保存的游戏存档。");
    for (const char* n : {"MSave", "MAction", "MInformation", "MWindow", "MSetup"})
        EXPECT_FALSE(main->menuItem(n)->isEnabled()) << n;
    for (const char* n : {"MNewGame", "MLoad", "MEnd", "MHelp"}) EXPECT_TRUE(main->menuItem(n)->isEnabled()) << n;
    EXPECT_FALSE(main->toolbarStrip()->isVisibleTo(main.get()));
    EXPECT_FALSE(Ui().Clock().enabled());
    EXPECT_EQ(main->backgroundFile(), "Graphic/Title.dat");
    EXPECT_EQ(game().FloorGrid[97][65], 200);  // the start-up walls
}

TEST_F(MainWindowTest, NewGameEntersTheRunningState) {
    NewGame("测试书店");
    EXPECT_TRUE(main->windowTitle().startsWith("Quillmart 测试书店  资金400万0000円 ")) << main->windowTitle().toStdString();
    for (const char* n : {"MSave", "MAction", "MInformation", "MWindow", "MSetup"})
        EXPECT_TRUE(main->menuItem(n)->isEnabled()) << n;
    EXPECT_TRUE(main->toolbarStrip()->isVisibleTo(main.get()));
    EXPECT_TRUE(IsFormOpen(Window::FloorView));
    EXPECT_TRUE(IsFormOpen(Window::ShopInfo));
    EXPECT_EQ(Ui().Clock().interval(), 100);
    EXPECT_TRUE(Ui().Clock().ticking());
    EXPECT_EQ(game().ShopName, Value("测试书店"));
    EXPECT_EQ(main->backgroundFile(), "Graphic/Kabe.dat");
    EXPECT_TRUE(main->menuItem("MSoundYes")->isChecked());
    EXPECT_FALSE(main->menuItem("MSoundNo")->isChecked());
}

TEST_F(MainWindowTest, NewGameRefusesEmptyAndUnsavableNames) {
    std::vector<BoxSeen> seen;
    AnswerBoxes({QMessageBox::Ok, QMessageBox::Ok}, &seen);
    WhenModal([](QWidget* w) {
        auto* f = qobject_cast<NewGameDialog*>(w);
        f->Command2->click();  // empty
        f->Text1->setText("书\"店");
        f->Command2->click();
        f->Command1->click();
    });
    main->menuItem("MNewGame")->trigger();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].text, "请决定店铺的名字");
    EXPECT_EQ(seen[0].title, "Quillmart");
    EXPECT_EQ(seen[0].icon, QMessageBox::Information);
    EXPECT_FALSE(main->menuItem("MSave")->isEnabled());  // still the title state
    EXPECT_FALSE(Ui().Clock().enabled());
}

TEST_F(MainWindowTest, PauseSurvivesADialogAndAQuitQuestion) {
    NewGame("书店");
    ImageButton* stop = main->toolButton("BStop");
    QTest::mousePress(stop, Qt::LeftButton);
    EXPECT_EQ(game().Paused, Value(1));
    EXPECT_TRUE(stop->pressed());
    EXPECT_EQ(Ui().Clock().interval(), 0);

    WhenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    main->menuItem("MHelpVersion")->trigger();
    EXPECT_EQ(Ui().Clock().interval(), 0);
    EXPECT_TRUE(Ui().Clock().enabled());
    EXPECT_FALSE(Ui().Clock().ticking());

    std::vector<BoxSeen> seen;
    AnswerBoxes({QMessageBox::No}, &seen);
    QCloseEvent close;
    QApplication::sendEvent(main.get(), &close);
    EXPECT_FALSE(close.isAccepted());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "结束游戏。");
    EXPECT_EQ(seen[0].title, QString(18, ' ') + "Quillmart");
    EXPECT_EQ(seen[0].defaultButton, QMessageBox::No);  // Enter alone never quits
    EXPECT_EQ(Ui().Clock().interval(), 0);

    QTest::mousePress(stop, Qt::RightButton);  // only the left button counts
    EXPECT_EQ(game().Paused, Value(1));
    QTest::mousePress(stop, Qt::LeftButton);
    EXPECT_EQ(game().Paused, Value(0));
    EXPECT_FALSE(stop->pressed());
    EXPECT_EQ(Ui().Clock().interval(), 100);
    EXPECT_TRUE(Ui().Clock().ticking());
}

TEST_F(MainWindowTest, ASecondNewGameClosesTheFirstGamesWindows) {
    NewGame("书店");
    ShowForm(Window::Ledger, game());
    ASSERT_TRUE(IsFormOpen(Window::Ledger));
    NewGame("第二家书店");
    EXPECT_FALSE(IsFormOpen(Window::Ledger));
    EXPECT_TRUE(IsFormOpen(Window::FloorView));
    EXPECT_EQ(game().ShopName, Value("第二家书店"));
}

TEST_F(MainWindowTest, QuitAnsweredNoKeepsTheGameRunning) {
    NewGame("书店");
    AnswerBoxes({QMessageBox::No});
    QCloseEvent close;
    QApplication::sendEvent(main.get(), &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_TRUE(Ui().Clock().ticking());
    EXPECT_EQ(game().GameRunning, Value(1));
}

TEST_F(MainWindowTest, ToolbarHintsAndPressRules) {
    NewGame("书店");
    ImageButton* save = main->toolButton("BSave");
    QTest::mouseMove(save);
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(save, &move);
    EXPECT_EQ(game().StatusText, Value("保存游戏。"));
    EXPECT_EQ(game().StatusTicks, Value(0));

    // A right click on a button runs nothing (no file dialog comes up) and
    // keeps its face.
    QTest::mouseClick(save, Qt::RightButton);
    EXPECT_FALSE(save->pressed());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindowTest, SaveThenLoadGivesTheSameGame) {
    NewGame("书店");
    game().Funds = 1234567;
    const auto circulation = game().Magazine.Circulation[3];
    const std::string path = (dir / "Game.qmt").string();
    ChooseFile(path);
    QTest::mouseClick(main->toolButton("BSave"), Qt::LeftButton);
    ASSERT_TRUE(fs::exists(path));
    EXPECT_TRUE(Ui().Clock().ticking());

    // Play on a little, pause, then load.
    game().Funds = 5;
    QTest::mousePress(main->toolButton("BStop"), Qt::LeftButton);
    ChooseFile(path);
    main->menuItem("MLoad")->trigger();
    EXPECT_EQ(game().Funds, Value(1234567));
    EXPECT_TRUE(game().Magazine.Circulation[3] == circulation);
    EXPECT_EQ(game().ShopName, Value("书店"));
    EXPECT_EQ(game().Paused, Value(0));
    EXPECT_FALSE(main->toolButton("BStop")->pressed());
    EXPECT_EQ(Ui().Clock().interval(), 100);
    EXPECT_TRUE(IsFormOpen(Window::FloorView));
    EXPECT_TRUE(IsFormOpen(Window::ShopInfo));
    EXPECT_EQ(game().WindowOpen[4], Value(1));
    EXPECT_EQ(game().FloorGrid[97][65], 0);  // the new-game walls, wherever it is loaded
}

// The clock as the main window follows it: switched on, interval, holds,
// and whether the game timer fires.
struct ClockSeen {
    bool enabled;
    int interval, holds;
    bool timerActive;
    bool operator==(const ClockSeen&) const = default;
};

TEST_F(MainWindowTest, AFileDialogHoldsTheClockAndACancelLeavesItAsItWas) {
    enum class Close { CancelButton, Escape, CloseBox };
    const auto cancel = [](QWidget* w, Close how) {
        switch (how) {
        case Close::CancelButton:
            w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
            break;
        case Close::Escape: QTest::keyClick(w, Qt::Key_Escape); break;
        case Close::CloseBox: w->close(); break;
        }
    };
    const auto seen = [this] {
        const GameClock& c = Ui().Clock();
        return ClockSeen{c.enabled(), c.interval(), c.holds(), main->gameTimer().isActive()};
    };
    struct Step {
        const char* what;
        std::function<void()> before;
        bool canSave;
    };
    const Step steps[] = {
        {"title state", [] {}, false},
        {"running game", [this] { NewGame("书店"); }, true},
        {"paused game", [this] { QTest::mousePress(main->toolButton("BStop"), Qt::LeftButton); }, true},
    };
    for (const Step& step : steps) {
        step.before();
        for (const char* command : {"MLoad", "MSave"}) {
            if (!step.canSave && std::string(command) == "MSave") continue;
            for (Close how : {Close::CancelButton, Close::Escape, Close::CloseBox}) {
                SCOPED_TRACE(std::string(step.what) + ", " + command + ", close " + std::to_string(int(how)));
                const ClockSeen before = seen();
                ClockSeen inside{};
                bool up = false;
                WhenModal([&](QWidget* w) {
                    up = qobject_cast<QFileDialog*>(w) != nullptr;
                    inside = seen();
                    cancel(w, how);
                });
                main->menuItem(command)->trigger();
                ASSERT_TRUE(up);
                // Held while up: nothing ticks behind the dialog.
                EXPECT_FALSE(inside.timerActive);
                EXPECT_GT(inside.holds, 0);
                EXPECT_EQ(seen(), before);
            }
        }
    }
}

TEST_F(MainWindowTest, BrokenFileChangesNothing) {
    const std::string bad = (dir / "bad.qmt").string();
    std::ofstream(bad) << "\"006\"\r\n\"1.00\"\r\n";

    // From the title state: the box, and still the title state.
    std::vector<BoxSeen> seen;
    ChooseFile(bad);
    AnswerBoxes({QMessageBox::Ok}, &seen);
    main->menuItem("MLoad")->trigger();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "读取文件发生了错误。");
    EXPECT_FALSE(main->menuItem("MSave")->isEnabled());
    EXPECT_FALSE(Ui().Clock().enabled());
    EXPECT_FALSE(IsFormOpen(Window::FloorView));

    // From a running game: the game goes on untouched. (The windows that
    // keep their own bookkeeping in the game, the floor view's frame and the
    // information window's redraw flag, stand still for the comparison.)
    NewGame("书店");
    CloseForm(Window::ShopInfo);
    dynamic_cast<FloorViewWindow*>(OpenForm(Window::FloorView))->Timer1.stop();
    const std::string before = Bytes(game());
    ChooseFile(bad);
    AnswerBoxes({QMessageBox::Ok});
    main->menuItem("MLoad")->trigger();
    EXPECT_TRUE(Bytes(game()) == before);
    EXPECT_TRUE(Ui().Clock().ticking());
    EXPECT_TRUE(IsFormOpen(Window::FloorView));
}

TEST_F(MainWindowTest, SoundAndWallpaperMenus) {
    // The sounds come from a module built beside the program.
    EXPECT_TRUE(QtPlatform::CanPlaySounds());
    NewGame("书店");
    main->menuItem("MSoundNo")->trigger();
    EXPECT_EQ(game().SoundOn, Value(0));
    EXPECT_TRUE(main->menuItem("MSoundNo")->isChecked());
    EXPECT_FALSE(main->menuItem("MSoundYes")->isChecked());
    main->menuItem("MSoundYes")->trigger();
    EXPECT_EQ(game().SoundOn, Value(1));
    EXPECT_TRUE(main->menuItem("MSoundYes")->isChecked());

    main->menuItem("MKabeNothing")->trigger();
    EXPECT_EQ(main->backgroundFile(), "Graphic/Color.dat");
    main->menuItem("MKabeTitle")->trigger();
    EXPECT_EQ(main->backgroundFile(), "Graphic/Title.dat");
    EXPECT_FALSE(main->menuItem("MTakarakuzi")->isEnabled());
}

TEST_F(MainWindowTest, GameOverReturnsToTheTitleState) {
    NewGame("书店");
    game().GameRunning = 0;
    Ui().ShowTitleState(game());
    EXPECT_EQ(main->windowTitle(), "Quillmart Version 1.00");
    EXPECT_EQ(main->statusBarText(), "开始新游戏，或读取之前保存的游戏存档。");
    EXPECT_FALSE(main->menuItem("MSave")->isEnabled());
    EXPECT_FALSE(IsFormOpen(Window::FloorView));
    EXPECT_FALSE(IsFormOpen(Window::ShopInfo));
    EXPECT_EQ(game().WindowOpen[4], Value(0));
    EXPECT_FALSE(Ui().Clock().enabled());
}

}  // namespace

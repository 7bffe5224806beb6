// The upkeep, services, reading-policy, clerk information and customer
// opinions windows, opened offscreen and driven through their controls, and
// the menu items and toolbar buttons that open them.
#include <gtest/gtest.h>

#include "tests/ui/ModalDriver.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "commands/CommandGates.h"
#include "ui/platform/ProgramDir.h"
#include "platform/headless/HeadlessPlatform.h"
#include "shop/CustomerOpinions.h"
#include "tests/TestShop.h"
#include "ui/kit/Controls.h"
#include "ui/main/MainWindow.h"
#include "ui/main/NewGameDialog.h"
#include "ui/shop/ClerkInfoWindow.h"
#include "ui/shop/CustomerOpinionsDialog.h"
#include "ui/shop/ReadingPolicyDialog.h"
#include "ui/shop/ShopServicesDialog.h"
#include "ui/shop/UpkeepDialog.h"

namespace {

class UpkeepWindows : public ::testing::Test {
protected:
    void SetUp() override {
        Ui().SetClockEnabled(true);
        game().Hour = 11;
        game().ShopOpen = 1;
        game().Funds = 4'000'000;
    }
    void TearDown() override { SetProgramDir(QM_PROGRAM_DIR); }
    GameState& game() { return *game_; }

    HeadlessPlatform ui;
    ScopedPlatform scoped{ui};
    std::unique_ptr<GameState> game_ = NewTestShop();
};

QString Text(const QLabel* l) { return l->text(); }

}  // namespace

TEST_F(UpkeepWindows, UpkeepProofingShowsTheGaugeAndProofsOnYes) {
    GameState& g = game();
    g.QuakeResistance = 36;
    g.UpkeepDialogMode = 0;
    UpkeepDialog f(g);
    f.show();
    EXPECT_EQ(f.objectName(), "Form19");
    EXPECT_EQ(f.windowTitle(), QStringLiteral("抗震施工"));
    EXPECT_TRUE(f.ProofingPanel->isVisible());
    EXPECT_FALSE(f.CleaningPanel->isVisible());
    EXPECT_EQ(Text(f.Label3[0]), QStringLiteral("== 进行抗震施工 =="));
    EXPECT_EQ(Text(f.QuakeLabel), QStringLiteral("36/100"));
    EXPECT_EQ(f.QuakeBar->width(), 36);
    EXPECT_EQ(Text(f.ProofingCost[0]), QStringLiteral("400万0000円"));
    EXPECT_EQ(Text(f.ProofingCost[1]), QStringLiteral("10万0000円"));
    EXPECT_EQ(Text(f.ProofingCost[2]), QStringLiteral("390万0000円"));

    f.Command2->click();
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "要进行抗震施工吗？");
    EXPECT_GT(g.QuakeResistance.asInt(), 36);
    EXPECT_EQ(g.Funds, Value(3'900'000));
    EXPECT_FALSE(f.isVisible());
}

TEST_F(UpkeepWindows, UpkeepCleaningFollowsTheChosenMethod) {
    GameState& g = game();
    g.UpkeepDialogMode = 1;
    UpkeepDialog f(g);
    f.show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("清扫店铺。"));
    EXPECT_TRUE(f.CleaningPanel->isVisible());
    EXPECT_FALSE(f.ProofingPanel->isVisible());
    EXPECT_EQ(Text(f.Label3[1]), QStringLiteral("== 进行清扫 =="));
    EXPECT_TRUE(f.Option[2]->isChecked()) << "一般 comes chosen";
    EXPECT_EQ(Text(f.CleaningCost[1]), QStringLiteral("10万0000円"));
    EXPECT_EQ(Text(f.CleaningCost[2]), QStringLiteral("390万0000円"));

    f.Option[1]->click();
    EXPECT_EQ(Text(f.CleaningCost[1]), QStringLiteral("5万0000円"));
    f.Option[3]->click();
    EXPECT_EQ(Text(f.CleaningCost[1]), QStringLiteral("20万0000円"));
    EXPECT_EQ(Text(f.CleaningCost[2]), QStringLiteral("380万0000円"));

    // In the closing hour the order is refused and the dialog stays up.
    g.Hour = g.ClosingHour;
    f.Command4->click();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(g.CleaningOrdered, Value(0));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "现在打烊的时间快临近了，所以请明天再做清扫吧。");

    g.Hour = 11;
    f.Command4->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(g.CleaningOrdered, Value(1));
    EXPECT_EQ(g.CleaningStrength, Value(100));
    EXPECT_EQ(g.Funds, Value(3'800'000));
}

TEST_F(UpkeepWindows, ShopServicesShowsTheServicesAndScrollsToBookTokensFromThreeStars) {
    GameState& g = game();
    g.ShopServiceOn[1] = 1;
    g.Popularity = 10;
    {
        g.StarLevel = 2;
        ShopServicesDialog f(g);
        f.show();
        EXPECT_EQ(f.objectName(), "Form45");
        EXPECT_EQ(Text(f.Label3), QStringLiteral("== 店铺的服务 =="));
        EXPECT_TRUE(f.Option[2]->isChecked());  // photo developing: off
        EXPECT_TRUE(f.Option[3]->isChecked());  // home delivery: on
        EXPECT_EQ(f.VScroll1->maximum(), 0);
        EXPECT_FALSE(f.Frame[3]->isVisible());
        EXPECT_EQ(f.ServiceList->height(), 177);
        f.Command2->click();  // 取消
        EXPECT_EQ(g.ShopServiceOn[1], Value(1));
    }
    g.StarLevel = 3;
    ShopServicesDialog f(g);
    f.show();
    EXPECT_EQ(f.VScroll1->maximum(), 56);
    EXPECT_EQ(f.ServiceView->height(), 177);
    EXPECT_EQ(f.ServiceList->height(), 233);
    f.VScroll1->setValue(56);
    EXPECT_EQ(f.ServiceList->y(), -56);
    EXPECT_TRUE(f.Frame[3]->isVisible());
    EXPECT_EQ(f.Frame[3]->title(), QStringLiteral("图书卷的处理"));

    f.Option[1]->click();  // photo developing on
    f.Option[7]->click();  // book tokens on
    f.Command1->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(g.ShopServiceOn[0], Value(1));
    EXPECT_EQ(g.ShopServiceOn[3], Value(1));
    EXPECT_EQ(g.Popularity, Value(10 + 4 + 2));
}

TEST_F(UpkeepWindows, ReadingPolicyChoosesOnePolicy) {
    GameState& g = game();
    g.StandingReadingPolicy = 1;
    ReadingPolicyDialog f(g);
    f.show();
    EXPECT_EQ(f.objectName(), "Form62");
    EXPECT_EQ(f.windowTitle(), QStringLiteral("站读对策"));
    EXPECT_EQ(Text(f.Label3), QStringLiteral("== 决定店铺的站读对策 =="));
    EXPECT_TRUE(f.Option[2]->isChecked());
    EXPECT_EQ(Text(f.Label1[2]), QStringLiteral("全部书籍禁止站读。"));
    for (QLabel* picture : f.Image1) EXPECT_FALSE(picture->pixmap().isNull());

    f.Option[3]->click();
    EXPECT_FALSE(f.Option[2]->isChecked()) << "one choice across the three frames";
    f.Command1->click();
    EXPECT_EQ(g.StandingReadingPolicy, Value(2));
}

TEST_F(UpkeepWindows, ClerkInfoListsTheClerksAndHidesEmptyRows) {
    GameState& g = game();
    g.Applicant.Employed[4] = 1;
    g.Applicant.Energy[4] = 50;
    g.Applicant.Salary[4] = 1'000'000;
    ClerkInfoWindow f(g);
    f.show();
    EXPECT_EQ(f.objectName(), "Form13");
    EXPECT_EQ(g.WindowOpen[13], Value(1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return g.ClerkInfoDirty.asInt() == 0; }, 1000));
    EXPECT_EQ(Text(f.NLabel[0]), QText(g.Applicant.Name[4].asText()));
    EXPECT_EQ(Text(f.KLabel[0]), QStringLiteral("50/100"));
    EXPECT_EQ(Text(f.MLabel[0]), QStringLiteral("100万0000円"));
    EXPECT_TRUE(f.EnergyBar[0]->isVisible());
    EXPECT_EQ(f.EnergyBar[0]->width(), f.EnergyFrame[0]->width() / 2);
    EXPECT_TRUE(Text(f.NLabel[1]).isEmpty());
    EXPECT_FALSE(f.EnergyBar[1]->isVisible());
    EXPECT_FALSE(f.AbilityFrame[1]->isVisible());

    // A second clerk hired into an earlier applicant row takes row 0.
    g.Applicant.Employed[1] = 1;
    g.ClerkInfoDirty = 1;
    ASSERT_TRUE(QTest::qWaitFor([&] { return g.ClerkInfoDirty.asInt() == 0; }, 1000));
    EXPECT_EQ(Text(f.NLabel[0]), QText(g.Applicant.Name[1].asText()));
    EXPECT_EQ(Text(f.NLabel[1]), QText(g.Applicant.Name[4].asText()));
    EXPECT_TRUE(f.AbilityBar[1]->isVisible());
    f.close();
    EXPECT_EQ(g.WindowOpen[13], Value(0));
}

TEST_F(UpkeepWindows, CustomerOpinionsTypesTheSentenceAndCountsAnEffortOnClosing) {
    GameState& g = game();
    CustomerOpinionsDialog f(g);
    f.show();
    EXPECT_EQ(f.objectName(), "Form10");
    EXPECT_EQ(f.windowTitle(), QStringLiteral("顾客的意见"));
    // A new shop has no clerk.
    EXPECT_EQ(g.TypeText, Value("没有店员。"));
    EXPECT_TRUE(Text(f.Label1).isEmpty());
    EXPECT_FALSE(f.Image1[0]->pixmap().isNull());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Text(f.Label1) == QStringLiteral("没有店员。"); }, 2000));

    // Closed by its close box, like by its button: one effort point.
    const long long effort = g.Bookshop.EffortPoints[0].asInt();
    f.close();
    EXPECT_EQ(g.Bookshop.EffortPoints[0].asInt(), effort + 1);
}

TEST_F(UpkeepWindows, MissingPicturesLeaveTheirBoxesBlank) {
    QTemporaryDir empty;
    SetProgramDir(empty.path().toStdString());
    CustomerOpinionsDialog f(game());
    f.show();
    for (int k = 0; k < 4; ++k) f.Timer1_Timer();
    EXPECT_TRUE(f.Image1[0]->pixmap().isNull()) << "no face to show";
    EXPECT_FALSE(f.Picture1->pixmap().isNull()) << "the balloon is drawn when its picture is missing";
    f.close();

    ReadingPolicyDialog r(game());
    r.show();
    const QImage blank = r.Image1[0]->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(blank.isNull());
    EXPECT_EQ(blank.pixel(10, 10) & 0xFFFFFF, 0xFFFFFFu);
    r.close();
}

// ---- the commands ----

namespace {

class UpkeepCommands : public ::testing::Test {
protected:
    void SetUp() override {
        main = std::make_unique<MainWindow>();
        WhenModal([](QWidget* w) {
            auto* f = qobject_cast<NewGameDialog*>(w);
            ASSERT_NE(f, nullptr);
            f->Text1->setText(QStringLiteral("书店"));
            f->Command2->click();
        });
        main->menuItem("MNewGame")->trigger();
        main->game().Hour = 11;
        main->game().ShopOpen = 1;
    }
    void TearDown() override {
        UnloadAllForms();
        main.reset();
    }
    // Runs `open` and returns the object name of the modal window it
    // opened ("" for none), closing that window.
    QString Opened(const std::function<void()>& open) {
        auto name = std::make_shared<QString>();
        WhenModal([name](QWidget* w) {
            *name = w->objectName();
            qobject_cast<QDialog*>(w)->reject();
        });
        open();
        QTest::qWait(20);
        return *name;
    }
    std::unique_ptr<MainWindow> main;
};

}  // namespace

TEST_F(UpkeepCommands, MenuItemsAndToolbarButtonsOpenTheirWindows) {
    const struct {
        const char* item;
        const char* button;  // null: menu only
        const char* form;
        int mode;  // UpkeepDialogMode left by the command (-1: not looked at)
    } rows[] = {
        {"MTaisin", "BTaishin", "Form19", 0},
        {"MSouzi", "BSouzi", "Form19", 1},
        {"MEigyou", nullptr, "Form45", -1},
        {"MTatiyomi", nullptr, "Form62", -1},
        {"MGuest", "BHuman", "Form10", -1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.item);
        main->game().UpkeepDialogMode = 7;
        EXPECT_EQ(Opened([&] { main->menuItem(r.item)->trigger(); }), r.form);
        if (r.mode >= 0) {
            EXPECT_EQ(main->game().UpkeepDialogMode, Value(r.mode));
        }
        if (!r.button) continue;
        ImageButton* b = main->toolButton(r.button);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(Opened([&] { QTest::mouseClick(b, Qt::LeftButton); }), r.form);
    }

    // The clerk information window is a report window: toggled open.
    main->menuItem("MTinfor")->trigger();
    EXPECT_TRUE(IsFormOpen(Window::ClerkInfo));
    EXPECT_EQ(main->game().WindowOpen[13], Value(1));
}

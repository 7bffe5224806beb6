// The register and service-machine windows and the person popup, opened
// offscreen and driven through their controls.
#include <gtest/gtest.h>

#include <QDir>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/platform/ProgramDir.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/shop/RegisterInfoDialog.h"
#include "ui/shop/BuyServiceDialog.h"
#include "ui/shop/ServiceInfoDialog.h"
#include "ui/shop/PersonPopupDialog.h"
#include "ui/shop/BuyRegisterDialog.h"
#include "shop/Registers.h"
#include "shop/ServiceMachines.h"
#include "ui/shop/EquipmentWindow.h"
#include "state/NewGame.h"
#include "tests/TestShop.h"

namespace {

class EquipmentWindows : public ::testing::Test {
protected:
    void SetUp() override { Ui().SetClockEnabled(true); }
    void TearDown() override { SetProgramDir(QM_PROGRAM_DIR); }
    GameState& game() { return *game_; }

    HeadlessPlatform ui;
    ScopedPlatform scoped{ui};
    std::unique_ptr<GameState> game_ = NewTestShop();
};

QString Text(QLabel* l) { return l->text(); }

// Every pixel of the picture the same colour.
bool Plain(const QPixmap& pm, QRgb colour) {
    const QImage img = pm.toImage().convertToFormat(QImage::Format_RGB32);
    if (img.isNull()) return false;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != (colour & 0xFFFFFF)) return false;
    return true;
}

// A click where the player would click: on whatever control lies on top.
void ClickAt(QWidget* window, QPoint at) {
    QWidget* hit = window->childAt(at);
    ASSERT_NE(hit, nullptr);
    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(window, at));
}

}  // namespace

// ---- registers ----

TEST_F(EquipmentWindows, RegisterPurchaseBrowsesTheOfferAndBuys) {
    GameState& g = game();
    g.SelectedRegisterSlot = 2;
    BuyRegisterDialog f(game());
    f.show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("收银选择"));
    EXPECT_EQ(Text(f.Label3), QStringLiteral("== 收银机的选择 =="));
    EXPECT_FALSE(Ui().Clock().ticking());
    EXPECT_EQ(f.HScroll1->maximum(), 3);  // star level 1: four models
    EXPECT_EQ(Text(f.PriceLabel), QStringLiteral("2980円"));
    EXPECT_EQ(Text(f.SpeedLabel), QStringLiteral("相当慢"));
    EXPECT_EQ(Text(f.NameLabel), QStringLiteral("算盘"));

    f.HScroll1->setValue(3);
    EXPECT_EQ(Text(f.PriceLabel), QStringLiteral("20万0000円"));
    EXPECT_EQ(Text(f.SpeedLabel), QStringLiteral("普通"));
    EXPECT_EQ(Text(f.NameLabel), QStringLiteral("普通收银机"));

    f.Command2->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(g.RegisterSlot.Kind[2], Value(4));
    EXPECT_EQ(g.RegisterSlot.ServiceTime[1], Value(2));
    EXPECT_TRUE(Ui().Clock().ticking());
}

TEST_F(EquipmentWindows, RegisterPurchaseCancelChangesNothing) {
    GameState& g = game();
    g.SelectedRegisterSlot = 1;
    g.StarLevel = 4;
    const Value funds = g.Funds;
    BuyRegisterDialog f(game());
    f.show();
    EXPECT_EQ(f.HScroll1->maximum(), 5);
    f.Command1->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(g.RegisterSlot.Kind[1].asInt(), 0);
    EXPECT_EQ(g.Funds, funds);
}

TEST_F(EquipmentWindows, RegisterPictureThatFailsToLoadIsBlank) {
    // Only the abacus's picture can be read.
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("Graphic"));
    QImage red(equipment_window::kPictureWidth, equipment_window::kPictureHeight, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(dir.filePath("Graphic/Rezi2.dat"), "PNG"));
    SetProgramDir(dir.path().toStdString());

    game().SelectedRegisterSlot = 1;
    BuyRegisterDialog f(game());
    f.show();
    EXPECT_TRUE(Plain(f.Image1->pixmap(), qRgb(255, 0, 0)));  // model 0 shows holder 1, Rezi2
    f.HScroll1->setValue(1);
    EXPECT_TRUE(Plain(f.Image1->pixmap(), qRgb(255, 255, 255)));  // Rezi1 is missing: blank
    f.close();
}

TEST_F(EquipmentWindows, RegisterInformationAndRemoval) {
    GameState& g = game();
    BuyRegister(g, 1, 5);
    g.ServedCount[0] = 12;
    g.SelectedRegisterSlot = 1;
    RegisterInfoDialog f(game());
    f.show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("收银信息"));
    EXPECT_EQ(Text(f.Label3), QStringLiteral("== 收银机的信息 =="));
    EXPECT_EQ(Text(f.SpeedLabel), QStringLiteral("超高速"));
    EXPECT_EQ(Text(f.ServedLabel), QStringLiteral("12回"));
    EXPECT_EQ(Text(f.NameLabel), QStringLiteral("小型工作站"));

    ui.answers = {MsgAnswer::No};
    f.Command1->click();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(g.RegisterSlot.Kind[1], Value(6));

    f.Command1->click();  // Yes
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(g.RegisterSlot.Kind[1], Value(0));
    EXPECT_EQ(g.RegisterSlot.ServiceTime[0], Value(10));
    EXPECT_TRUE(Ui().Clock().ticking());
}

// ---- service machines ----

TEST_F(EquipmentWindows, ServiceMachinePurchase) {
    GameState& g = game();
    g.StarLevel = 5;
    g.SelectedServiceSlot = 2;
    BuyServiceDialog f(game());
    f.show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("服务设施"));
    EXPECT_EQ(Text(f.Label3), QStringLiteral("== 服务设施设置 =="));
    EXPECT_EQ(f.HScroll1->maximum(), 3);
    EXPECT_EQ(Text(f.NameLabel), QStringLiteral("卖口香糖"));
    EXPECT_EQ(Text(f.PriceLabel), QStringLiteral("10万0000円"));
    EXPECT_EQ(Text(f.ContentLabel), QStringLiteral("销售口香糖和糖果等"));

    f.HScroll1->setValue(3);  // the statue comes last
    EXPECT_EQ(Text(f.NameLabel), QStringLiteral("店长的铜像"));
    EXPECT_EQ(Text(f.PriceLabel), QStringLiteral("150万0000円"));
    f.Command1->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(g.ServiceSlot.Kind[2], Value(3));
}

TEST_F(EquipmentWindows, ServiceMachineRemovalWaitsForClosingTime) {
    GameState& g = game();
    BuyServiceMachine(g, 2, 0);
    g.SelectedServiceSlot = 2;
    g.ShopOpen = 1;
    ServiceInfoDialog f(game());
    f.show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("服务设备信息"));
    EXPECT_EQ(Text(f.Label3), QStringLiteral("== 服务设备信息 =="));
    EXPECT_EQ(Text(f.NameLabel), QStringLiteral("卖口香糖"));
    EXPECT_EQ(Text(f.PriceLabel), QStringLiteral("10万0000円"));
    EXPECT_EQ(Text(f.ContentLabel), QStringLiteral("销售口香糖和糖果等"));

    f.Command1->click();  // refused while open
    EXPECT_TRUE(f.isVisible());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "现在正在营业中，请在打烊后撤去服务设备。");
    EXPECT_EQ(g.ServiceSlot.Kind[2], Value(1));

    g.ShopOpen = 0;
    f.Command1->click();  // Yes
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(g.ServiceSlot.Kind[2], Value(0));
}

// ---- the person popup ----

TEST_F(EquipmentWindows, PersonPopupOfACustomerClosesOnAnyClick) {
    GameState& g = game();
    g.ClickedPersonKind = 0;
    g.ClickedPersonSlot = 10;
    for (int satisfaction : {100, 10}) {
        g.Person.Satisfaction[10] = satisfaction;
        g.Person.Visits[10] = 4;
        PersonPopupDialog f(game());
        f.show();
        EXPECT_FALSE(Ui().Clock().ticking());
        EXPECT_EQ(f.windowTitle(), QStringLiteral("顾客"));
        EXPECT_EQ(f.shownPanel(), 0);
        EXPECT_TRUE(f.Picture[0]->isVisible());
        EXPECT_FALSE(f.Picture[2]->isVisible());
        EXPECT_EQ(Text(f.Label[0]), QStringLiteral("石川 春子"));
        EXPECT_EQ(Text(f.Label[1]), QStringLiteral("26岁"));
        EXPECT_EQ(Text(f.Label[2]), QStringLiteral("写真周刊志"));
        EXPECT_EQ(Text(f.Label[4]), QStringLiteral("4回"));
        EXPECT_EQ(Text(f.Label[3]), QString::number(satisfaction) + "/100");
        const int frame = f.Shape10[0]->width();
        EXPECT_NEAR(f.Shape[0]->width(), frame * satisfaction / 100.0, 0.5);

        ClickAt(&f, f.Label[0]->geometry().center());  // on a label
        EXPECT_FALSE(f.isVisible());
        EXPECT_TRUE(Ui().Clock().ticking());
    }
}

TEST_F(EquipmentWindows, PersonPopupOfAClerkShowsTheSecondEmployedApplicant) {
    GameState& g = game();
    g.Applicant.Employed[2] = 1;
    g.Applicant.Employed[9] = 1;
    g.Applicant.Ability[9] = 30;
    g.ClickedPersonKind = 2;
    g.ClickedPersonSlot = 1;
    PersonPopupDialog f(game());
    f.show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("店员的信息"));
    EXPECT_EQ(f.shownPanel(), 2);
    EXPECT_EQ(Text(f.Label[8]), QString::fromStdString(g.Applicant.Name[9].asText()));
    EXPECT_EQ(Text(f.Label[11]), QStringLiteral("100000円"));
    EXPECT_EQ(Text(f.KLabel[0]), QStringLiteral("50/100"));
    EXPECT_EQ(Text(f.TLabel[0]), QStringLiteral("30/100"));
    EXPECT_NEAR(f.Shape[1]->width(), f.Shape10[1]->width() * 0.3, 0.5);
    EXPECT_NEAR(f.Shape[5]->width(), f.Shape10[5]->width() * 0.5, 0.5);
    ClickAt(&f, f.KLabel[0]->geometry().center());
    EXPECT_FALSE(f.isVisible());
}

TEST_F(EquipmentWindows, PersonPopupOfTheRobberClosesOnlyOnEmptySpace) {
    GameState& g = game();
    g.ClickedPersonKind = 3;
    g.ClickedPersonSlot = 2;
    PersonPopupDialog f(game());
    f.show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("强盗"));
    EXPECT_EQ(Text(f.Label[13]), QStringLiteral("迷"));
    EXPECT_EQ(Text(f.Label[12]), QStringLiteral("??岁"));
    EXPECT_EQ(Text(f.Label[9]), QStringLiteral("遇到强盗!!"));

    ClickAt(&f, f.Label[9]->geometry().topLeft() + QPoint(4, 6));
    ClickAt(&f, f.Image2->geometry().center());
    EXPECT_TRUE(f.isVisible());
    ClickAt(&f, QPoint(f.width() - 6, f.height() - 6));
    EXPECT_FALSE(f.isVisible());
}

TEST_F(EquipmentWindows, PersonPopupOfADismissedClerkClosesAtOnce) {
    GameState& g = game();
    g.Applicant.Employed[4] = 1;  // one clerk left; slot 1 stands for nobody
    g.ClickedPersonKind = 2;
    g.ClickedPersonSlot = 1;
    PersonPopupDialog f(game());
    bool stuck = false;
    QTimer::singleShot(3000, &f, [&] {
        stuck = true;
        f.reject();
    });
    f.exec();
    EXPECT_FALSE(stuck);
    EXPECT_EQ(f.shownPanel(), -1);
    for (QFrame* panel : f.Picture) EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(Ui().Clock().ticking());
}

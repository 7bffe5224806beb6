// The windows of the disasters: the robbery, the earthquake with its shake
// and damage report, and the three fire windows with the fire brigade.
#include <gtest/gtest.h>

#include "commands/StartNewGame.h"
#include "tests/ui/ModalDriver.h"
#include "tests/ui/RunningGame.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <vector>

#include "business/Earthquake.h"
#include "business/Fire.h"
#include "business/Insurance.h"
#include "business/Robbery.h"
#include "platform/Platform.h"
#include "ui/platform/WindowRegistry.h"
#include "shop/FacilityRemoval.h"
#include "shop/Placement.h"
#include "state/NewGame.h"
#include "ui/business/EarthquakeDialog.h"
#include "ui/business/FireNoticeDialog.h"
#include "ui/business/InsurancePayoutDialog.h"
#include "ui/business/QuakeDamageDialog.h"
#include "ui/business/RobberyDialog.h"
#include "ui/main/MainWindow.h"

namespace {

class DisasterWindows : public RunningGameTest {
protected:
    void SetUp() override {
        RunningGameTest::SetUp();
        game().Funds = 20'000'000;
        game().ShopOpen = 0;
    }
};

}  // namespace

TEST_F(DisasterWindows, RobberyRefusesItsCloseBoxAndIsPaid) {
    GameState& g = game();
    g.Funds = 9'000'000;
    WithWindow<RobberyDialog>(Window::Robbery, g, [&](RobberyDialog* f) {
        EXPECT_EQ(f->objectName(), "Form35");
        EXPECT_EQ(f->windowTitle(), "遭遇抢劫");
        EXPECT_EQ(f->Label3->text(), "== 遭遇抢劫 ==");
        EXPECT_EQ(f->Label1->text(), "交钱，800万0000円!要不然的话……");
        EXPECT_EQ(f->Command1->text(), "付钱");
        EXPECT_EQ(f->Command2->text(), "不付钱");
        EXPECT_FALSE(f->Image1->pixmap().isNull());
        EXPECT_FALSE(Ui().Clock().enabled()) << "the game stands while the robber waits";
        f->close();
        QTest::keyClick(f, Qt::Key_Escape);
        EXPECT_TRUE(f->isVisible());
        f->Command1->click();
    });
    EXPECT_EQ(g.Funds.asInt(), 1'000'000);
    EXPECT_EQ(g.NewsEventCode.asInt(), kNewsRobberyPaid);
    EXPECT_EQ(g.DaysSinceRobbery.asInt(), 0);
    EXPECT_TRUE(Ui().Clock().enabled());
}

TEST_F(DisasterWindows, RobberyPaidWithDamageInsuranceOpensThePayout) {
    GameState& g = game();
    g.Funds = 15'000'000;
    g.InsuranceJoined[static_cast<int>(InsuranceKind::Damage)] = 1;
    bool payout = false;
    WithWindow<RobberyDialog>(Window::Robbery, g, [&](RobberyDialog* f) {
        WhenModal([&](QWidget* w) {
            auto* p = qobject_cast<InsurancePayoutDialog*>(w);
            ASSERT_NE(p, nullptr);
            payout = true;
            EXPECT_EQ(p->Label1->text(), "因为参加了受害保险，获得保险金1200万0000円。");
            p->Command1->click();
        });
        f->Command1->click();
    });
    EXPECT_TRUE(payout);
    EXPECT_EQ(g.Funds.asInt(), 17'000'000);
    EXPECT_EQ(g.NewsEventCode.asInt(), 7);
}

TEST_F(DisasterWindows, EarthquakeShakesThenReportsTheDamage) {
    GameState& g = game();
    for (int spot : {1, 2, 3}) PlaceFacility(g, spot, 0);
    g.QuakeResistance = 10;  // everything breaks
    g.InsuranceJoined[static_cast<int>(InsuranceKind::Earthquake)] = 0;
    std::vector<std::string> rows;
    bool shookSideways = false;
    WithWindow<EarthquakeDialog>(Window::Earthquake, g, [&](EarthquakeDialog* f) {
        EXPECT_EQ(f->objectName(), "Form32");
        EXPECT_EQ(f->windowTitle(), "发生地震");
        const bool major = g.QuakeKind.asInt() == 2;
        EXPECT_EQ(f->Label1[major ? 1 : 0]->isVisible(), true);
        EXPECT_EQ(f->Label1[major ? 0 : 1]->isVisible(), false);
        EXPECT_EQ(g.DaysSinceDisaster.asInt(), 0);
        // The quake runs: the close box is refused.
        f->close();
        EXPECT_TRUE(f->isVisible());
        EXPECT_EQ(g.QuakeShake.asInt(), 0) << "no shake before 继续";

        WhenModal([&](QWidget* w) {
            auto* r = qobject_cast<QuakeDamageDialog*>(w);
            ASSERT_NE(r, nullptr);
            EXPECT_EQ(r->windowTitle(), "受害报告");
            EXPECT_EQ(r->Label3->text(), "== 受害报告 ==");
            for (int i = 0; i < r->List1->count(); ++i) rows.push_back(r->List1->item(i)->text().toStdString());
            EXPECT_FALSE(IsFormOpen(Window::Earthquake)) << "the quake window closed first";
            r->Command1->click();
        });
        f->Command1->click();
        EXPECT_FALSE(f->Command1->isEnabled());
        shookSideways = g.QuakeShake.asInt() == g.QuakeKind.asInt();
        for (int t = 0; t < kQuakeShakeTicks && f->isVisible(); ++t) f->Timer1_Timer();
    });
    EXPECT_TRUE(shookSideways);
    EXPECT_EQ(rows, (std::vector<std::string>{"坏的书架3", "坏的自贩机0", "坏的抓娃娃机0", "坏的复印机0"}));
    EXPECT_EQ(g.OccupiedSlotCount.asInt(), 0);
    EXPECT_EQ(g.QuakeShake.asInt(), 0);
    EXPECT_EQ(g.QuakeInProgress.asInt(), 0);
    EXPECT_TRUE(Ui().Clock().enabled());
}

TEST_F(DisasterWindows, FireWindowsAndTheirEndOfTheFire) {
    struct Case {
        Window window;
        const char* caption;
        const char* text;
        bool endsFire;
        bool byCloseBox;
    };
    const Case cases[] = {
        {Window::FireDiscovered, "发现火灾", "附近居民发现了火灾!", false, false},
        {Window::FireOut, "灭火", "火灾在全部烧尽后熄灭了……", true, false},
        {Window::FireOut, "灭火", "火灾在全部烧尽后熄灭了……", true, true},
        {Window::FireBrigade, "灭火", "呼叫消防车将火灾熄灭了。", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        GameState& g = game();
        ResetGameState(g);
        StartNewGame(g, "测试书店", NewGameStart{});
        g.ShopOpen = 0;
        for (int spot : {1, 2}) PlaceFacility(g, spot, 0);
        SetFacilityOnFire(g, 2);
        WithWindow<FireNoticeDialog>(c.window, g, [&](FireNoticeDialog* f) {
            EXPECT_EQ(f->objectName().toStdString(), WindowObjectName(c.window));
            EXPECT_EQ(f->windowTitle(), c.caption);
            EXPECT_EQ(f->Label1->text(), c.text);
            EXPECT_EQ(f->Command1->text(), "关闭");
            EXPECT_FALSE(f->Image1->pixmap().isNull());
            EXPECT_FALSE(Ui().Clock().enabled());
            if (c.byCloseBox)
                f->close();
            else
                f->Command1->click();
        });
        EXPECT_EQ(g.FireBurning.asInt(), c.endsFire ? 0 : 1);
        EXPECT_EQ(g.FacilitySlot.Kind[2].asInt() == 0, c.endsFire);
        EXPECT_NE(g.FacilitySlot.Kind[1].asInt(), 0);
    }
}

TEST_F(DisasterWindows, FireBrigadeFromTheMenu) {
    GameState& g = game();
    // No fire: refused.
    std::vector<BoxSeen> boxes;
    AnswerBoxes({QMessageBox::Ok}, &boxes);
    main->menuItem("MSyoubou")->trigger();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "现在没有火灾发生。");

    for (int spot : {1, 2}) PlaceFacility(g, spot, 0);
    SetFacilityOnFire(g, 1);
    const auto funds = g.Funds.asInt();
    boxes.clear();
    AnswerBoxes({QMessageBox::Yes}, &boxes);
    bool brigade = false;
    // The brigade's window comes up once the question has been answered.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* f = qobject_cast<FireNoticeDialog*>(QApplication::activeModalWidget());
        if (!f) return;
        poll.stop();
        brigade = f->objectName() == "Form66";
        f->Command1->click();
    });
    poll.start(10);
    main->menuItem("MSyoubou")->trigger();
    poll.stop();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "呼叫消防车，费用为50万円。");
    EXPECT_EQ(boxes[0].defaultButton, QMessageBox::No);
    EXPECT_TRUE(brigade);
    EXPECT_EQ(g.FireBurning.asInt(), 0);
    EXPECT_EQ(g.FacilitySlot.Kind[1].asInt(), 0);
    EXPECT_EQ(g.Funds.asInt(), funds - 500'000);
}

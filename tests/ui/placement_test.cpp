// The placing dialog, the facility window and the floor click, opened
// offscreen and driven through their controls.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "ui/shop/FacilityInfoDialog.h"
#include "ui/shop/PlaceFacilityDialog.h"
#include "shop/Placement.h"
#include "state/Ledger.h"
#include "state/NewGame.h"
#include "ui/floor/FloorViewWindow.h"
#include "tests/TestShop.h"

namespace {

class PlacementWindows : public ::testing::Test {
protected:
    void SetUp() override { game().ShopOpen = 0; }
    GameState& game() { return *game_; }

    HeadlessPlatform ui;
    ScopedPlatform scoped{ui};
    std::unique_ptr<GameState> game_ = NewTestShop();
};

struct Entry {
    const char* name;
    const char* price;
    const char* capacity;
};

}  // namespace

TEST_F(PlacementWindows, PlaceFacilityAtStarOneOffersThreeAndPlacesTheFirst) {
    GameState& g = game();
    g.SelectedSlot = 1;
    const auto fame = g.Fame.asInt();
    PlaceFacilityDialog f(game());
    f.show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("设施设置"));
    EXPECT_EQ(f.Label3->text(), QStringLiteral("== 设施设置 =="));
    EXPECT_EQ(Ui().Clock().holds(), 1);

    const Entry offered[] = {
        {"普通的书架", "10万0000円", "40册"},
        {"可以放入稍多书的书架", "15万0000円", "60册"},
        {"自动贩卖机", "20万0000円", "0册"},
    };
    ASSERT_EQ(f.HScroll1->minimum(), 0);
    ASSERT_EQ(f.HScroll1->maximum(), 2);
    for (int i = 2; i >= 0; --i) {
        f.HScroll1->setValue(i);
        EXPECT_EQ(f.NameLabel->text(), QString::fromUtf8(offered[i].name));
        EXPECT_EQ(f.PriceLabel->text(), QString::fromUtf8(offered[i].price));
        EXPECT_EQ(f.CapacityLabel->text(), QString::fromUtf8(offered[i].capacity));
        // A picture that cannot be read leaves a blank box, never none.
        EXPECT_FALSE(f.Image1->pixmap().isNull());
    }

    f.Command1->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(Ui().Clock().holds(), 0);
    EXPECT_EQ(g.FacilitySlot.Kind[1].asInt(), 1);
    EXPECT_EQ(g.Funds.asInt(), 4000000 - 100000);
    EXPECT_EQ(g.Ledger.Expense[Facilities][0].whole(), 100000);
    EXPECT_EQ(g.Fame.asInt(), fame + 1);
    EXPECT_EQ(g.SelectedSlot.asInt(), 1);
}

TEST_F(PlacementWindows, PlaceFacilityFollowsTheThumbAndCancelChangesNothing) {
    GameState& g = game();
    g.StarLevel = 5;
    g.SelectedSlot = 4;
    PlaceFacilityDialog f(game());
    f.show();
    EXPECT_EQ(f.HScroll1->maximum(), 8);
    // The display follows the thumb while it is dragged.
    f.HScroll1->setTracking(false);
    f.HScroll1->setSliderDown(true);
    f.HScroll1->setSliderPosition(8);
    EXPECT_EQ(f.NameLabel->text(), QStringLiteral("现场拍照立等可取"));
    f.HScroll1->setSliderDown(false);

    f.Command2->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(g.FacilitySlot.Kind[4].asInt(), 0);
    EXPECT_EQ(g.Funds.asInt(), 4000000);
}

TEST_F(PlacementWindows, FacilityInfoShowsTheFacilityAndStaysAfterARefusal) {
    GameState& g = game();
    PlaceFacility(g, 3, 0);
    g.UseCount[3] = 7;
    g.SelectedSlot = 3;
    g.ShopOpen = 1;

    FacilityInfoDialog f(game());
    f.show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("设施信息"));
    EXPECT_EQ(f.Label3->text(), QStringLiteral("== 设施信息 =="));
    EXPECT_EQ(f.CapacityLabel->text(), QStringLiteral("40册"));
    EXPECT_EQ(f.UseLabel->text(), QStringLiteral("7回"));
    EXPECT_EQ(f.NameLabel->text(), QStringLiteral("普通的书架"));
    EXPECT_FALSE(f.Image1->pixmap().isNull());

    f.Command1->click();  // open hours: refused, the window stays
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "现在正在营业中，撤除设施请在打烊后进行。");
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(g.FacilitySlot.Kind[3].asInt(), 1);

    g.ShopOpen = 0;
    ui.answers = {MsgAnswer::Yes};
    f.Command1->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(g.FacilitySlot.Kind[3].asInt(), 0);
    EXPECT_EQ(g.UseCount[3].asInt(), 0);
}

TEST_F(PlacementWindows, FacilityInfoArsonNoClosesWithoutAFire) {
    GameState& g = game();
    PlaceFacility(g, 3, 6);
    g.SelectedSlot = 3;
    FacilityInfoDialog f(game());
    f.show();
    EXPECT_EQ(f.CapacityLabel->text(), QStringLiteral("0册"));
    ui.answers = {MsgAnswer::No};
    f.Command3->click();
    EXPECT_FALSE(f.isVisible());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "真的要烧掉吗？");
    EXPECT_EQ(g.FireBurning.asInt(), 0);
    EXPECT_EQ(g.FacilitySlot.FireState[3].asInt(), 0);
}

TEST_F(PlacementWindows, FloorClickOpensTheWindowOfTheSpot) {
    GameState& g = game();
    FloorViewWindow view(game());
    view.show();
    // Spot 1 at isometric (182, -83) is scene point (265, 49.5).
    QTest::mouseClick(view.Graphic, Qt::LeftButton, {}, QPoint(265, 49));
    EXPECT_EQ(g.SelectedSlot.asInt(), 1);
    EXPECT_EQ(ui.windowsShown, std::vector<Window>{Window::PlaceFacility});

    PlaceFacility(g, 1, 0);
    QTest::mouseClick(view.Graphic, Qt::MiddleButton, {}, QPoint(265, 49));
    QTest::mouseClick(view.Graphic, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(ui.windowsShown, (std::vector<Window>{Window::PlaceFacility, Window::FacilityInfo}));
    EXPECT_EQ(g.SelectedSlot.asInt(), 1);
}

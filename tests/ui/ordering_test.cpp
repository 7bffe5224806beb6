// The magazine stocking and book ordering dialogs, opened offscreen and
// driven through their controls.
#include <gtest/gtest.h>

#include "tests/TestShop.h"
#include "tests/ui/ModalDriver.h"
#include "tests/ui/WheelTurn.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "state/NewGame.h"
#include "stock/BookOrders.h"
#include "stock/CirculationChart.h"
#include "platform/Platform.h"
#include "ui/stock/BookOrderDialog.h"
#include "ui/stock/MagazineOrderDialog.h"
#include "commands/GameSpeed.h"

namespace {

// The spinner's upper arrow adds a copy, its lower arrow takes one away.
void PressUp(QScrollBar* s) { s->triggerAction(QAbstractSlider::SliderSingleStepSub); }
void PressDown(QScrollBar* s) { s->triggerAction(QAbstractSlider::SliderSingleStepAdd); }

QString Q(const Value& v) { return QString::fromStdString(v.asText()); }

class OrderingDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        Ui().ResetClock();
        StartClockUnpaused(game());
    }
    void TearDown() override { Ui().ResetClock(); }
    GameState& game() { return *game_; }
    std::unique_ptr<GameState> game_ = NewTestShop();
};

}  // namespace

TEST_F(OrderingDialogs, MagazineDialogOpensOnTheFirstTitleAndCancelDropsEdits) {
    GameState& g = game();
    g.Magazine.StandingOrder[1] = 15;
    bool checked = false;
    WhenModal([&](QWidget* w) {
        auto* f = qobject_cast<MagazineOrderDialog*>(w);
        ASSERT_NE(f, nullptr);
        EXPECT_FALSE(Ui().Clock().ticking());  // the game stands still
        EXPECT_EQ(f->windowTitle(), QStringLiteral("选择进货杂志"));
        EXPECT_EQ(f->listed(), 61);
        EXPECT_EQ(f->VScroll1->maximum(), 50);
        EXPECT_TRUE(f->SSCheck1[0]->isChecked());
        EXPECT_EQ(f->SSCheck1[0]->text(), QStringLiteral("重生月刊"));
        EXPECT_EQ(f->Label9[1]->text(), QStringLiteral("15册"));
        EXPECT_EQ(f->Label6[0]->text(), QStringLiteral("重生月刊"));
        EXPECT_EQ(f->Label6[1]->text(), QStringLiteral("毎月 1日发售"));
        EXPECT_EQ(f->Label6[2]->text(), QStringLiteral("月内的少女漫画杂志"));
        EXPECT_EQ(f->Label6[3]->text(), QStringLiteral("0册"));
        EXPECT_EQ(f->Label6[4]->text(), QStringLiteral("400万0000円"));
        EXPECT_EQ(f->Label6[8]->text(), QStringLiteral("0册"));
        EXPECT_EQ(f->VScroll2->value(), 999);

        // The first drawing is the chart whose scale the labels name.
        const CirculationChart c = ChartOf(game(), 0);
        EXPECT_EQ(f->Picture4->chart().copiesPerPixel, c.copiesPerPixel);
        EXPECT_DOUBLE_EQ(f->Picture4->chart().line[12].y, c.line[12].y);
        EXPECT_EQ(f->Label10[1]->text().toStdString(), c.middleLabel);
        EXPECT_EQ(f->Label10[2]->text().toStdString(), c.upperLabel);

        // 300 copies at 370 円 retail and 200 円 wholesale.
        f->VScroll2->setValue(699);
        EXPECT_EQ(f->Label6[3]->text(), QStringLiteral("300册"));
        EXPECT_EQ(f->Label9[0]->text(), QStringLiteral("300册"));
        EXPECT_EQ(f->Label6[10]->text(), QStringLiteral("11万1000円"));
        EXPECT_EQ(f->Label6[9]->text(), QStringLiteral("6万0000円"));
        EXPECT_EQ(f->Label6[11]->text(), QStringLiteral("5万1000円"));
        checked = true;
        f->Command2->click();
    });
    MagazineOrderDialog dlg(game());
    dlg.exec();

    EXPECT_TRUE(checked);
    EXPECT_TRUE(Ui().Clock().ticking());
    EXPECT_EQ(g.Magazine.StandingOrder[0].asInt(), 0);
    EXPECT_EQ(g.Magazine.StandingOrder[1].asInt(), 15);
    MagazineOrderDialog again(game());  // the committed quantities come back
    EXPECT_EQ(again.Label9[0]->text(), QStringLiteral("0册"));
}

TEST_F(OrderingDialogs, MagazineSpinnerStopsAt999AndAt0) {
    MagazineOrderDialog f(game());
    f.show();
    PressDown(f.VScroll2);  // no copies: nothing to take away
    EXPECT_EQ(f.Label6[3]->text(), QStringLiteral("0册"));
    f.VScroll2->setValue(1);
    EXPECT_EQ(f.Label6[3]->text(), QStringLiteral("998册"));
    PressUp(f.VScroll2);
    EXPECT_EQ(f.Label6[3]->text(), QStringLiteral("999册"));
    PressUp(f.VScroll2);
    EXPECT_EQ(f.Label6[3]->text(), QStringLiteral("999册"));
    EXPECT_EQ(game().Magazine.EditedOrder[0].asInt(), 999);
    f.close();
}

TEST_F(OrderingDialogs, MagazinePagingKeepsTheSelectedSlot) {
    GameState& g = game();
    g.Magazine.StandingOrder[4] = 25;
    MagazineOrderDialog f(game());
    f.show();
    f.SSCheck1[3]->click();
    EXPECT_EQ(g.SelectedMagazineRow.asInt(), 3);
    f.VScroll1->setValue(1);
    EXPECT_EQ(g.SelectedMagazineRow.asInt(), 4);
    EXPECT_EQ(f.Label6[0]->text(), Q(g.Magazine.Name[4]));
    EXPECT_EQ(f.VScroll2->value(), 999 - 25);
    EXPECT_EQ(f.Label6[3]->text(), QStringLiteral("25册"));

    // At the bottom the last title stands in slot 10; the cut-off slot 11
    // has none and cannot be selected.
    f.VScroll1->setValue(49);
    f.SSCheck1[11]->click();
    EXPECT_EQ(f.Label6[0]->text(), Q(g.Magazine.Name[60]));
    f.VScroll1->setValue(50);
    EXPECT_EQ(f.SSCheck1[10]->text(), Q(g.Magazine.Name[60]));
    EXPECT_FALSE(f.SSCheck1[11]->isVisible());
    EXPECT_EQ(f.Label9[11]->text(), QString());
    EXPECT_EQ(f.Label8[11]->text(), QString());
    EXPECT_TRUE(f.SSCheck1[10]->isChecked());
    EXPECT_EQ(g.SelectedMagazineRow.asInt(), 60);
    EXPECT_EQ(f.Label6[0]->text(), Q(g.Magazine.Name[60]));
    f.close();
}

// The wheel over the list turns its scroll bar, and the list follows as it
// does for the bar: the selected slot keeps its place. Elsewhere in the
// dialog the wheel leaves the list alone.
TEST_F(OrderingDialogs, MagazineListFollowsTheWheel) {
    GameState& g = game();
    MagazineOrderDialog f(game());
    f.show();
    f.SSCheck1[3]->click();
    const int notch = std::min(QApplication::wheelScrollLines(), f.VScroll1->pageStep());
    ASSERT_GT(f.VScroll1->maximum(), notch);

    TurnWheel(f.Label8[5], -1);  // over a title's description
    EXPECT_EQ(f.VScroll1->value(), notch);
    EXPECT_EQ(f.SSCheck1[0]->text(), Q(g.Magazine.Name[notch]));
    EXPECT_EQ(g.SelectedMagazineRow.asInt(), 3 + notch);
    EXPECT_EQ(f.Label6[0]->text(), Q(g.Magazine.Name[3 + notch]));

    TurnWheel(f.SSCheck1[1], 1);
    EXPECT_EQ(f.VScroll1->value(), 0);
    EXPECT_EQ(g.SelectedMagazineRow.asInt(), 3);
    TurnWheel(f.SSCheck1[1], 1);  // at the top already
    EXPECT_EQ(f.VScroll1->value(), 0);

    TurnWheel(f.Label6[4], -1);  // the funds, below the list
    EXPECT_EQ(f.VScroll1->value(), 0);
    f.close();
}

TEST_F(OrderingDialogs, MagazineAdjusterFollowsTheHeldArrowAndOkCommits) {
    GameState& g = game();
    const auto effort = g.Bookshop.EffortPoints[0].asInt();
    MagazineOrderDialog f(game());
    f.show();
    f.Timer1.stop();  // the test steps it
    QTest::mousePress(f.ButtonD[0], Qt::RightButton);
    EXPECT_EQ(g.MagazineAdjustHold.asInt(), 0);
    QTest::mouseRelease(f.ButtonD[0], Qt::RightButton);

    QTest::mousePress(f.ButtonU[0], Qt::LeftButton);
    EXPECT_EQ(g.MagazineAdjustHold.asInt(), 1);
    EXPECT_EQ(f.ButtonU[0]->pixmap().cacheKey(), f.ButtonU[2]->pixmap().cacheKey());
    for (int i = 0; i < 3; ++i) f.Timer1_Timer();
    QTest::mouseRelease(f.ButtonU[0], Qt::LeftButton);
    EXPECT_EQ(g.MagazineAdjustHold.asInt(), 0);
    EXPECT_EQ(f.ButtonU[0]->pixmap().cacheKey(), f.ButtonU[1]->pixmap().cacheKey());
    f.Timer1_Timer();  // idle: nothing moves

    for (int r = 0; r < 12; ++r) EXPECT_EQ(f.Label9[r]->text(), QStringLiteral("3册")) << r;
    EXPECT_EQ(f.Label6[3]->text(), QStringLiteral("3册"));
    EXPECT_EQ(f.VScroll2->value(), 996);
    EXPECT_EQ(f.Label6[10]->text(), QStringLiteral("1110円"));

    f.Command1->click();
    EXPECT_FALSE(f.isVisible());
    for (int t = 0; t < 61; ++t) EXPECT_EQ(g.Magazine.StandingOrder[t].asInt(), 3) << t;
    EXPECT_EQ(g.MagazineTally.asInt(), 61);
    EXPECT_EQ(g.Bookshop.EffortPoints[0].asInt(), effort + 1);
}

TEST_F(OrderingDialogs, EmptyCataloguesOpenWithNothingToSelect) {
    GameState& g = game();
    g.MagazineCount = 0;
    g.BookCount = 0;
    MagazineOrderDialog m(game());
    m.show();
    EXPECT_EQ(m.VScroll1->maximum(), 0);
    EXPECT_FALSE(m.VScroll2->isEnabled());
    for (int r = 0; r < 12; ++r) EXPECT_FALSE(m.SSCheck1[r]->isVisible());
    m.Timer1_Timer();
    m.close();
    BookOrderDialog b(game());
    b.show();
    EXPECT_FALSE(b.VScroll2->isEnabled());
    b.Command1->click();  // commits nothing, counts the visit
    EXPECT_EQ(g.BookTitlesStocked.asInt(), 0);
}

TEST_F(OrderingDialogs, BookDialogOrdersATitle) {
    GameState& g = game();
    bool checked = false;
    int book = -1;
    WhenModal([&](QWidget* w) {
        auto* f = qobject_cast<BookOrderDialog*>(w);
        ASSERT_NE(f, nullptr);
        EXPECT_FALSE(Ui().Clock().ticking());
        EXPECT_EQ(f->windowTitle(), QStringLiteral("书籍进货"));
        EXPECT_EQ(f->VScroll1->maximum(), 83);
        // Title order: the first row is the lowest title.
        book = g.BookDisplayOrder[2].i();
        for (int b = 0; b < 94; ++b)
            EXPECT_FALSE(TitleSortsBefore(g.Book.Title[b].asText(), f->SSCheck1[0]->text().toStdString()));
        f->SSCheck1[2]->click();
        EXPECT_EQ(f->Label6[0]->text(), Q(g.Book.Title[book]));
        EXPECT_TRUE(f->Option1->isChecked());  // a new game keeps re-ordering
        for (int i = 0; i < 20; ++i) PressUp(f->VScroll2);
        EXPECT_EQ(f->Label9[2]->text(), QStringLiteral("20册"));
        EXPECT_EQ(f->Label6[3]->text(), QStringLiteral("20册"));
        f->Option2->click();
        checked = true;
        f->Command1->click();
    });
    BookOrderDialog dlg(game());
    dlg.exec();

    ASSERT_TRUE(checked);
    EXPECT_TRUE(Ui().Clock().ticking());
    EXPECT_EQ(g.Book.StandingOrder[book].asInt(), 20);
    EXPECT_EQ(g.Book.KeepReordering[book].asInt(), 0);
    EXPECT_EQ(DeliveryText(g, book), "3日后20册");
    EXPECT_EQ(g.BookTitlesStocked.asInt(), 1);
}

TEST_F(OrderingDialogs, BookDialogPagingAndCancel) {
    GameState& g = game();
    g.Book.StandingOrder[0] = 10;
    g.Book.DaysToDelivery[0] = 2;
    BookOrderDialog f(game());
    f.show();
    f.SSCheck1[3]->click();
    f.VScroll1->setValue(1);
    const int b = g.BookDisplayOrder[4].i();
    EXPECT_EQ(g.SelectedBookRow.asInt(), 4);
    EXPECT_EQ(f.Label6[0]->text(), Q(g.Book.Title[b]));
    EXPECT_EQ(f.Label6[2]->text(), Q(g.Book.Description[b]));

    f.VScroll1->setValue(83);  // the last title in slot 10, slot 11 blank
    EXPECT_EQ(f.SSCheck1[10]->text(), Q(g.Book.Title[g.BookDisplayOrder[93].i()]));
    EXPECT_FALSE(f.SSCheck1[11]->isVisible());
    EXPECT_EQ(f.Label4[11]->text(), QString());

    const int selected = g.BookDisplayOrder[g.SelectedBookRow.i()].i();
    f.VScroll2->setValue(0);  // 999 copies of the selected title
    EXPECT_EQ(g.Book.EditedOrder[selected].asInt(), 999);
    f.Option2->click();
    f.Command3->click();
    EXPECT_EQ(g.Book.StandingOrder[0].asInt(), 10);
    EXPECT_EQ(g.Book.DaysToDelivery[0].asInt(), 2);
    EXPECT_EQ(g.Book.StandingOrder[selected].asInt(), selected == 0 ? 10 : 0);
    for (int t = 0; t < 94; ++t) EXPECT_EQ(g.Book.KeepReordering[t].asInt(), 1) << t;
}

TEST_F(OrderingDialogs, RefillBlanksTheSlotsPastTheLastTitle) {
    // Twelve titles: one scroll step, after which slot 11 has nothing to show.
    GameState& g = game();
    g.BookCount = 12;
    BookOrderDialog f(game());
    f.show();
    EXPECT_EQ(f.VScroll1->maximum(), 1);
    EXPECT_TRUE(f.SSCheck1[11]->isVisible());
    EXPECT_FALSE(f.Label8[11]->text().isEmpty());
    f.VScroll1->setValue(1);
    EXPECT_FALSE(f.SSCheck1[11]->isVisible());
    for (QLabel* l : {f.Label4[11], f.Label1[11], f.Label3[11], f.Label9[11], f.Label8[11]})
        EXPECT_EQ(l->text(), QString());
    f.close();
}

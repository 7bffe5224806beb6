// The ledger, the two charts, the news windows and the advertising dialogs,
// offscreen, opened by their menu items and toolbar buttons as a player
// opens them.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "business/Charts.h"
#include "platform/Platform.h"
#include "ui/platform/WindowRegistry.h"
#include "state/Ledger.h"
#include "state/NewGame.h"
#include "tests/ui/ModalDriver.h"
#include "tests/ui/RunningGame.h"
#include "ui/business/AdvertisingDialog.h"
#include "ui/business/HeadlineNewsDialog.h"
#include "ui/business/IndustryNewsDialog.h"
#include "ui/business/LeafletsDialog.h"
#include "ui/business/LedgerWindow.h"
#include "ui/business/NewsIndexDialog.h"
#include "ui/business/ProfitChartWindow.h"
#include "ui/business/PromoFilmDialog.h"
#include "ui/business/SalesChartWindow.h"
#include "ui/business/ShopOfMonthNewsDialog.h"
#include "ui/kit/ClickLabel.h"
#include "ui/main/MainWindow.h"
#include "ui/stock/BookTopTenDialog.h"

namespace {

class ShopSeenUi : public RunningGameTest {
protected:
    void Press(const char* button) { QTest::mouseClick(main->toolButton(button), Qt::LeftButton); }
    bool Drawn(Value GameState::*flag) {
        return QTest::qWaitFor([this, flag] { return (game().*flag).asInt() == 0; }, 2000);
    }
};

TEST_F(ShopSeenUi, LedgerShowsTheMonthThenTheDayAndTheYear) {
    AddMoney(game(), 12000, BooksMagazines, 1);
    game().Ledger.Income[BooksMagazines][2] = Money::FromWhole(50000);
    Press("BRieki");
    auto* f = qobject_cast<LedgerWindow*>(OpenForm(Window::Ledger));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(game().WindowOpen[14], Value(1));
    EXPECT_EQ(f->windowTitle(), "店铺的每月收支表");
    EXPECT_TRUE(f->Option2->isChecked());
    ASSERT_TRUE(Drawn(&GameState::LedgerDirty));
    EXPECT_EQ(f->ILabel[BooksMagazines]->text(), "1万2000円");
    EXPECT_EQ(f->Label1[5]->text(), "杂志和书籍");
    EXPECT_EQ(f->Label1[4]->text(), "其他");
    EXPECT_EQ(f->Label1[3]->text(), "合计");

    // A booking while it is open shows at the next timer tick.
    AddMoney(game(), -3000, OtherCategory, 0);
    ASSERT_TRUE(Drawn(&GameState::LedgerDirty));
    EXPECT_EQ(f->OLabel[OtherCategory]->text(), "3000円");
    EXPECT_EQ(f->GoLabel[2]->text(), "9000円");

    f->Option3->click();
    EXPECT_EQ(f->windowTitle(), "店铺的每年收支表");
    ASSERT_TRUE(Drawn(&GameState::LedgerDirty));
    EXPECT_EQ(f->ILabel[BooksMagazines]->text(), "5万0000円");
    f->Option1->click();
    EXPECT_EQ(f->windowTitle(), "店铺的每日收支表");
    ASSERT_TRUE(Drawn(&GameState::LedgerDirty));
    EXPECT_EQ(f->ILabel[BooksMagazines]->text(), "1万2000円");

    // Sums of several 亿 are shown whole, in a smaller type, never cut.
    const QFont plain = f->GoLabel[0]->font();
    AddMoney(game(), 2'738'947'500, OtherCategory, 1);
    ASSERT_TRUE(Drawn(&GameState::LedgerDirty));
    for (QLabel* l : {f->ILabel[OtherCategory], f->GoLabel[0], f->GoLabel[2]}) {
        EXPECT_TRUE(l->text().contains(QStringLiteral("亿"))) << l->text().toStdString();
        EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->contentsRect().width())
            << l->text().toStdString();
    }
    AddMoney(game(), -2'738'947'500, OtherCategory, 1);
    ASSERT_TRUE(Drawn(&GameState::LedgerDirty));
    EXPECT_EQ(f->GoLabel[0]->font(), plain);  // a small sum again in the label's own type

    // The menu item toggles the same window; closing clears its entry.
    EXPECT_TRUE(Ui().Clock().ticking()) << "a report window leaves the game running";
    qobject_cast<QMdiSubWindow*>(f->parentWidget())->close();
    EXPECT_EQ(game().WindowOpen[14], Value(0));
    main->menuItem("MRieki")->trigger();
    EXPECT_NE(OpenForm(Window::Ledger), nullptr);
}

TEST_F(ShopSeenUi, ChartsDrawTheirHistoryByPeriodAndScale) {
    game().CopiesSoldHistory.Monthly[0] = 60;
    game().CopiesSoldHistory.Daily[0] = 400;
    game().ProfitHistory.Monthly[0] = -60000;

    Press("BSZaiko2");
    auto* sales = qobject_cast<SalesChartWindow*>(OpenForm(Window::SalesChart));
    ASSERT_NE(sales, nullptr);
    EXPECT_EQ(sales->windowTitle(), "书籍销售量图表");
    EXPECT_EQ(game().WindowOpen[29], Value(1));
    ASSERT_TRUE(Drawn(&GameState::SalesChartDirty));
    EXPECT_TRUE(sales->Option[2]->isChecked());
    EXPECT_TRUE(sales->Option[5]->isChecked());
    EXPECT_EQ(sales->Option[4], nullptr);
    EXPECT_EQ(sales->Label1[0]->text(), "0册");
    EXPECT_EQ(sales->Label1[1]->text(), "百册");
    EXPECT_DOUBLE_EQ(sales->Picture1->Line1[11].line.y2, 96 - 20);

    // The daily 400 copies leave the plot on 百册 and come back on 1千册.
    sales->Option[3]->click();
    ASSERT_TRUE(Drawn(&GameState::SalesChartDirty));
    ASSERT_TRUE(sales->Picture1->Line1[11].visible);
    EXPECT_DOUBLE_EQ(sales->Picture1->Line1[11].visible->y2, 0);
    sales->Option[6]->click();
    ASSERT_TRUE(Drawn(&GameState::SalesChartDirty));
    EXPECT_EQ(sales->Label1[2]->text(), "2千册");
    EXPECT_DOUBLE_EQ(sales->Picture1->Line1[11].visible->y2, 96 - 400.0 / 30);

    main->menuItem("MRiekiGurahu")->trigger();
    auto* profit = qobject_cast<ProfitChartWindow*>(OpenForm(Window::ProfitChart));
    ASSERT_NE(profit, nullptr);
    EXPECT_EQ(profit->windowTitle(), "店铺收支图表");
    ASSERT_TRUE(Drawn(&GameState::ProfitChartDirty));
    EXPECT_TRUE(profit->Option[4]->isChecked());
    EXPECT_EQ(profit->Label1[3]->text(), "-10万円");
    EXPECT_DOUBLE_EQ(profit->Picture1->Line1[11].line.y2, 72 + 20);
    AddMoney(game(), -30000, OtherCategory, 0);  // every booking redraws it
    ASSERT_TRUE(Drawn(&GameState::ProfitChartDirty));
    EXPECT_DOUBLE_EQ(profit->Picture1->Line1[11].line.y2, 72 + 30);
}

TEST_F(ShopSeenUi, NewsIndexOpensEachArticleOverItselfWithTheGameStill) {
    game().HeadlineTitle = "获得设施奖";
    game().HeadlineText = "前几天举行了全日本书店评选。\r那么，再见";
    game().NewsIssueTitle = "5月13日号";
    // The menu item opens the index...
    bool opened = false;
    WhenModal([&](QWidget* w) {
        opened = qobject_cast<NewsIndexDialog*>(w) != nullptr;
        w->close();
    });
    main->menuItem("MGRead")->trigger();
    EXPECT_TRUE(opened);

    // ...whose titles open the articles over it.
    std::vector<QString> seen;
    WithWindow<NewsIndexDialog>(Window::NewsIndex, game(), [&](NewsIndexDialog* f) {
        EXPECT_EQ(f->windowTitle(), "业界新闻");
        EXPECT_EQ(f->Label3->text(), "== 业界新闻 ==");
        EXPECT_EQ(f->Label8->text(), "5月13日号");
        EXPECT_EQ(f->Label1->text(), "请点击想阅读的标题");
        EXPECT_EQ(f->Label7->text(), "获得设施奖");
        EXPECT_EQ(f->Label2->text(), "书籍TOP10");
        EXPECT_EQ(f->Label7->cursor().shape(), Qt::BitmapCursor) << "the titles' own pointer";
        EXPECT_FALSE(Ui().Clock().enabled());

        WhenModal([&](QWidget* w) {
            auto* a = qobject_cast<HeadlineNewsDialog*>(w);
            ASSERT_NE(a, nullptr);
            seen.push_back(a->Label3->text());
            EXPECT_EQ(a->windowTitle(), "头条新闻");
            EXPECT_EQ(a->Label1->text(), "前几天举行了全日本书店评选。\n那么，再见");
            a->close();
        });
        QTest::mouseClick(f->Label7, Qt::LeftButton);
        WhenModal([&](QWidget* w) {
            auto* a = qobject_cast<ShopOfMonthNewsDialog*>(w);
            ASSERT_NE(a, nullptr);
            seen.push_back(a->Label3->text());
            EXPECT_EQ(a->Label1->text(), QString::fromStdString(game().ShopOfMonthText.asText()).replace('\r', '\n'));
            a->close();
        });
        QTest::mouseClick(f->Label5, Qt::LeftButton);
        WhenModal([&](QWidget* w) {
            auto* a = qobject_cast<IndustryNewsDialog*>(w);
            ASSERT_NE(a, nullptr);
            seen.push_back(a->Label3->text());
            a->close();
        });
        QTest::mouseClick(f->Label6, Qt::LeftButton);
        WhenModal([&](QWidget* w) {
            EXPECT_NE(qobject_cast<BookTopTenDialog*>(w), nullptr);
            seen.push_back(w->windowTitle());
            w->close();
        });
        QTest::mouseClick(f->Label2, Qt::LeftButton);
        EXPECT_FALSE(Ui().Clock().enabled()) << "the game waits for the index to close";
        f->Command1->click();
    });
    EXPECT_EQ(seen, (std::vector<QString>{"获得设施奖", "== 本月的店铺 ==", "== 最近的业界 ==", "书籍销售量前10位"}));
    EXPECT_TRUE(Ui().Clock().ticking());
}

TEST_F(ShopSeenUi, AdvertisingBooksALeafletCampaignAfterANo) {
    game().Fame = 95;
    const std::int64_t funds = game().Funds.asInt();
    const std::int64_t effort = game().Bookshop.EffortPoints[0].asInt();
    std::vector<BoxSeen> boxes;
    WithWindow<AdvertisingDialog>(Window::Advertising, game(), [&](AdvertisingDialog* f) {
        EXPECT_EQ(f->windowTitle(), "店铺的宣传");
        EXPECT_EQ(f->Label3->text(), "== 进行店铺的宣传 ==");
        EXPECT_EQ(f->Frame1->title(), "宣传的媒体");
        EXPECT_TRUE(f->Option[1]->isChecked());
        EXPECT_EQ(f->Image1[0]->pixmap().cacheKey(), f->Image1[1]->pixmap().cacheKey());
        f->Option[6]->click();
        EXPECT_EQ(f->Image1[0]->pixmap().cacheKey(), f->Image1[6]->pixmap().cacheKey());
        EXPECT_EQ(f->Option[6]->text(), "投递宣传册");

        WhenModal([&](QWidget* w) {
            auto* l = qobject_cast<LeafletsDialog*>(w);
            ASSERT_NE(l, nullptr);
            EXPECT_EQ(l->windowTitle(), "宣传册");
            EXPECT_EQ(l->Label3->text(), "== 投放宣传册  ==");
            EXPECT_EQ(l->CostLabel->text(), "22万0000円");
            l->Option[4]->click();
            EXPECT_EQ(l->CostLabel->text(), "1020万0000円");
            AnswerBoxes({QMessageBox::No}, &boxes);
            l->Command2->click();
            EXPECT_TRUE(l->isVisible()) << "a No leaves the dialog up";
            l->Option[3]->click();
            AnswerBoxes({QMessageBox::Yes}, &boxes);
            l->Command2->click();
        });
        f->Command1->click();
    });
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "宣传册5万0000份送出。");
    EXPECT_EQ(boxes[1].text, "宣传册1万0000份送出。");
    EXPECT_EQ(funds - game().Funds.asInt(), 2200000);
    EXPECT_EQ(game().Fame, Value(100));
    EXPECT_EQ(game().Bookshop.EffortPoints[0].asInt(), effort + 2);
    EXPECT_FALSE(IsFormOpen(Window::Advertising));
    EXPECT_TRUE(Ui().Clock().ticking());
}

TEST_F(ShopSeenUi, AdvertisingCancelledDoesNothingAndAFilmShowsItsProducers) {
    const std::int64_t funds = game().Funds.asInt();
    const std::int64_t effort = game().Bookshop.EffortPoints[0].asInt();
    bool opened = false;
    WhenModal([&](QWidget* w) {
        auto* f = qobject_cast<AdvertisingDialog*>(w);
        ASSERT_NE(f, nullptr);
        opened = true;
        f->Command2->click();
    });
    Press("BSende");
    EXPECT_TRUE(opened);
    EXPECT_EQ(game().Bookshop.EffortPoints[0].asInt(), effort);
    EXPECT_EQ(game().Funds.asInt(), funds);

    WithWindow<PromoFilmDialog>(Window::PromoFilm, game(), [](PromoFilmDialog* f) {
        EXPECT_EQ(f->Frame1->title(), "制作人");
        EXPECT_EQ(f->Option[3]->text(), "委托知名电影导演");
        EXPECT_EQ(f->CostLabel->text(), "130万0000円");
        f->Option[3]->click();
        EXPECT_EQ(f->CostLabel->text(), "340万0000円");
        f->Command1->click();
    });
    EXPECT_EQ(game().BroadcastAdCost, Value(3400000));
}

}  // namespace

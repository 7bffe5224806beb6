// The game-over window, the visitor and star notices and the grand-prize
// certificate, opened offscreen as the tick opens them and closed by their
// button or their close box.
#include <gtest/gtest.h>

#include "commands/StartNewGame.h"
#include "tests/ui/ModalDriver.h"
#include "tests/ui/RunningGame.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

#include "ui/business/GameOverDialog.h"
#include "ui/business/VisitorNoticeDialog.h"
#include "ui/business/StarPromotionDialog.h"
#include "ui/business/GrandPrizeDialog.h"
#include "business/GameOver.h"
#include "platform/Platform.h"
#include "ui/platform/WindowRegistry.h"
#include "state/NewGame.h"
#include "commands/GameSpeed.h"
#include "ui/kit/Controls.h"
#include "ui/main/MainWindow.h"

namespace {

class BusinessWindowsUi : public RunningGameTest {
protected:
    void SetUp() override {
        RunningGameTest::SetUp();
        ASSERT_TRUE(Ui().Clock().ticking());
    }
};

TEST_F(BusinessWindowsUi, GameOverShowsTheCauseAndReturnsToTheTitleState) {
    for (int reason : {1, 2, 3}) {
        SCOPED_TRACE(reason);
        ResetGameState(game());
        StartNewGame(game(), "测试书店", NewGameStart{});
        main->EnterRunningState();
        ShowForm(Window::ShopInfo, game());  // the shop information window, open at the game over
        ASSERT_TRUE(IsFormOpen(Window::ShopInfo));
        game().GameOverReason = reason;
        WithWindow<GameOverDialog>(Window::GameOver, game(), [&](GameOverDialog* f) {
            EXPECT_EQ(f->windowTitle(), "停止营业");
            EXPECT_EQ(f->Label2->text(), "停止营业");
            EXPECT_EQ(f->Label1->text(), "游戏结束");
            EXPECT_EQ(f->Command1->text(), "关闭");
            EXPECT_EQ(f->Text1[0]->toPlainText(), QLines(GameOverText(Value(reason))));
            EXPECT_TRUE(f->Text1[0]->isVisible());
            for (int k = 1; k <= 3; ++k) EXPECT_FALSE(f->Text1[k]->isVisible());
            EXPECT_FALSE(Ui().Clock().enabled());
            // The title-bar close box ends the game just as the button does.
            if (reason == 3)
                f->close();
            else
                f->Command1->click();
        });
        EXPECT_EQ(game().GameRunning, Value(0));
        EXPECT_EQ(game().GameOverReason, Value(reason));
        EXPECT_FALSE(Ui().Clock().enabled());
        EXPECT_FALSE(IsFormOpen(Window::ShopInfo));
        EXPECT_FALSE(IsFormOpen(Window::GameOver));
        EXPECT_EQ(game().WindowOpen[4], Value(0));
        EXPECT_EQ(main->statusBarText(), "开始新游戏，或读取之前保存的游戏存档。");
        EXPECT_EQ(main->windowTitle(), "Quillmart Version 1.00");
        for (const char* menu : {"MSave", "MAction", "MInformation", "MWindow", "MSetup"})
            EXPECT_FALSE(main->menuItem(menu)->isEnabled()) << menu;
    }
    // The next new game starts with no cause.
    StartNewGame(game(), "测试书店", NewGameStart{});
    EXPECT_EQ(game().GameOverReason.asInt(), 0);
}

TEST_F(BusinessWindowsUi, GameOverShowsTheCauseWrittenLast) {
    game().GameOverReason = 3;
    game().GameOverReason = 1;  // a booking below zero after a fatal refusal
    WithWindow<GameOverDialog>(Window::GameOver, game(), [this](GameOverDialog* f) {
        EXPECT_EQ(f->Text1[0]->toPlainText(), QLines(GameOverText(Value(1))));
        f->Command1->click();
    });
}

TEST_F(BusinessWindowsUi, VisitorNoticeShowsTheMilestoneAndChangesNothing) {
    struct Case {
        int customers, picture;
        const char *title, *message;
    };
    const Case cases[] = {
        {1000, 1, "1000人突破", "店铺来访的顾客人数突破了1,000人。"},
        {5000, 2, "5000人突破", "店铺来访的顾客人数突破了5,000人。"},
        {10000, 3, "10000人突破", "店铺来访的顾客人数突破了10,000人。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.customers);
        game().TotalCustomers = c.customers;
        const Value funds = game().Funds;
        WithWindow<VisitorNoticeDialog>(Window::VisitorNotice, game(), [&](VisitorNoticeDialog* f) {
            EXPECT_EQ(f->windowTitle(), QString::fromUtf8(c.title));
            EXPECT_EQ(f->Label1->text(), QString::fromUtf8(c.message));
            EXPECT_EQ(f->Command1->text(), "关闭");
            // The picture shown is that of the milestone's element.
            EXPECT_EQ(f->Image1[0]->pixmap().cacheKey(), f->Image1[c.picture]->pixmap().cacheKey());
            for (int k = 1; k <= 3; ++k)
                EXPECT_FALSE(f->rect().intersects(f->Image1[k]->geometry())) << "element " << k << " in view";
            EXPECT_FALSE(Ui().Clock().enabled());
            f->Command1->click();
        });
        EXPECT_EQ(game().TotalCustomers, Value(c.customers));
        EXPECT_EQ(game().Funds, funds);
        EXPECT_TRUE(Ui().Clock().ticking());
    }
}

TEST_F(BusinessWindowsUi, VisitorNoticeAtAnyOtherCountKeepsItsDesign) {
    game().TotalCustomers = 1234;
    WithWindow<VisitorNoticeDialog>(Window::VisitorNotice, game(), [this](VisitorNoticeDialog* f) {
        EXPECT_EQ(f->windowTitle(), "1000人突破");
        EXPECT_EQ(f->Label1->text(), "前来店铺的顾客人数冲破了1,000人。");
        EXPECT_TRUE(f->Image1[0]->pixmap().isNull());
        f->Command1->click();
    });
}

TEST_F(BusinessWindowsUi, StarNoticeRaisesTheLevelWhenItCloses) {
    game().StarLevel = 1;
    game().ShopInfoDirty = 0;
    WithWindow<StarPromotionDialog>(Window::StarPromotion, game(), [this](StarPromotionDialog* f) {
        EXPECT_EQ(f->windowTitle(), "星级提升");
        EXPECT_EQ(f->Label3->text(), "== 星级为2星了 ==");
        EXPECT_EQ(f->Label1[0]->text(), "  您的店铺满足了");
        EXPECT_EQ(f->Label1[1]->text(), "星级提升的条件，          ");
        EXPECT_EQ(f->Label1[2]->text(), "星级提升了一级。");
        EXPECT_EQ(f->Label1[3]->text(), "全日本书店协会");
        EXPECT_EQ(f->Command1->text(), "关闭");
        EXPECT_EQ(f->Shape1[0]->palette().color(QPalette::Window), QColor(0, 128, 255));
        EXPECT_FALSE(f->Starg[0]->pixmap().isNull());
        EXPECT_EQ(game().StarLevel, Value(1));  // still the old level while it is up
        EXPECT_FALSE(Ui().Clock().enabled());
        f->Command1->click();
    });
    EXPECT_EQ(game().StarLevel, Value(2));
    EXPECT_EQ(game().ShopInfoDirty, Value(1));
    EXPECT_TRUE(Ui().Clock().ticking());

    // At level 5 (only from a saved game) the close box leaves it at 5.
    game().StarLevel = 5;
    WithWindow<StarPromotionDialog>(Window::StarPromotion, game(), [this](StarPromotionDialog* f) { f->close(); });
    EXPECT_EQ(game().StarLevel, Value(5));
}

TEST_F(BusinessWindowsUi, CertificateNamesTheOwnerAndClosingClearsThePrize) {
    const QString name = QStringLiteral("一二三四五六七八九十一二三四五六");  // 16 characters
    game().ShopName = name.toStdString();
    game().GrandPrizePending = 5;
    const Value funds = game().Funds;
    WithWindow<GrandPrizeDialog>(Window::GrandPrize, game(), [&](GrandPrizeDialog* f) {
        EXPECT_EQ(f->windowTitle(), "获得大奖");
        EXPECT_EQ(f->Label3->text(), "== 获得了大奖 ==");
        EXPECT_EQ(f->Shape1[0]->palette().color(QPalette::Window), QColor(0, 128, 255));
        const char* const texts[] = {"大奖", nullptr, "  您的店铺在全日本书店评选中", "全日本书店协会",
                                     "获得了大奖，", "因此送来奖金1000万円和这个奖状", "。"};
        for (int k = 0; k < 7; ++k) {
            if (!texts[k]) continue;
            EXPECT_EQ(f->Label1[k]->text(), QString::fromUtf8(texts[k])) << "Label1 " << k;
        }
        // The whole owner line fits on the sheet.
        EXPECT_EQ(f->Label1[1]->text(), name + "店主");
        EXPECT_LE(f->Label1[1]->sizeHint().width(), f->Label1[1]->width());
        EXPECT_EQ(f->Command1->text(), "关闭");
        EXPECT_FALSE(Ui().Clock().enabled());
        f->Command1->click();
    });
    EXPECT_EQ(game().GrandPrizePending, Value(0));
    EXPECT_EQ(game().Funds, funds);
    EXPECT_TRUE(Ui().Clock().ticking());

    // Closed from its frame it clears the prize as well.
    game().GrandPrizePending = 5;
    WithWindow<GrandPrizeDialog>(Window::GrandPrize, game(), [this](GrandPrizeDialog* f) { f->close(); });
    EXPECT_EQ(game().GrandPrizePending, Value(0));
}

}  // namespace

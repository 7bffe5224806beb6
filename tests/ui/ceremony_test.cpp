// The award notice and the ceremony, offscreen: the notice refuses its close
// box and hands over to the ceremony with the clock held all the way; the
// ceremony is played through its thirty steps by clicks and keys, refuses
// to close until its last step, and pays as it closes.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "business/CeremonyScript.h"
#include "commands/StartNewGame.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/platform/WindowRegistry.h"
#include "state/NewGame.h"
#include "tests/ui/ModalDriver.h"
#include "ui/business/AwardCeremonyDialog.h"
#include "ui/business/AwardNoticeDialog.h"
#include "ui/kit/ClickLabel.h"

namespace {

class CeremonyUi : public ::testing::Test {
protected:
    void SetUp() override {
        StartNewGame(*g, "测试书店", NewGameStart{});
        // The sales award, and with it the grand prize; nothing else.
        g->Bookshop.SalesPoints[0] = 100000;
        g->Bookshop.EffortPoints[0] = -100;
        g->Bookshop.DirtPoints[0] = 300;
        probe.SetClockEnabled(true);
        probe.onClockChanged = [this] {
            if (probe.Clock().enabled() && !ceremonyClosed) clockRanDuringTheCeremony = true;
        };
    }
    void TearDown() override { UnloadAllForms(); }

    // One script tick and then, once the line is out, the player's next
    // input: clicks on the pictures and the speech, and keys, in turn.
    void PlayStep(AwardCeremonyDialog* f, int& input) {
        f->Timer1_Timer();
        if (!CeremonyWaitsForClick(*g)) return;
        switch (input++ % 5) {
        case 0: QTest::mouseClick(f->Image2, Qt::LeftButton); break;
        case 1: QTest::keyClick(f, Qt::Key_Space); break;
        case 2: QTest::mouseClick(f->Label1, Qt::LeftButton); break;
        case 3: QTest::mousePress(f->Image3, Qt::RightButton); break;
        case 4: QTest::keyClick(f, Qt::Key_Escape); break;
        }
    }

    std::unique_ptr<GameState> g = std::make_unique<GameState>();
    HeadlessPlatform probe;  // whose clock the windows hold
    ScopedPlatform scoped{probe};
    bool ceremonyClosed = false;
    bool clockRanDuringTheCeremony = false;
};

TEST_F(CeremonyUi, NoticeLeadsOnlyToTheCeremonyWhichIsPlayedToItsEndAndPays) {
    const std::int64_t funds = g->Funds.asInt();
    const long long round = g->AwardRound.asInt();
    bool ceremonySeen = false;
    WithWindow<AwardNoticeDialog>(Window::AwardNotice, *g, [&](AwardNoticeDialog* notice) {
        EXPECT_EQ(notice->windowTitle(), "通知");
        EXPECT_EQ(notice->Label1->text(), "全日本书店评选的时间到了。");
        EXPECT_EQ(notice->Command1->text(), "继续 >>");
        notice->close();
        QTest::keyClick(notice, Qt::Key_Escape);
        EXPECT_TRUE(notice->isVisible()) << "the close box is refused";
        EXPECT_FALSE(probe.Clock().enabled());

        WhenModal([&](QWidget* w) {
            auto* f = qobject_cast<AwardCeremonyDialog*>(w);
            ASSERT_NE(f, nullptr);
            ceremonySeen = true;
            f->Timer1.stop();  // the test is the clock
            EXPECT_FALSE(notice->isVisible()) << "the notice went before the ceremony came";
            EXPECT_EQ(f->windowTitle(), QStringLiteral("第%1回 全日本 书店评选").arg(round + 1));
            EXPECT_EQ(f->Label3->text(), QStringLiteral("== 第%1回评选 ==").arg(round + 1));
            for (int k = 0; k < 6; ++k)
                EXPECT_EQ(f->Shape1[k]->palette().color(QPalette::Window), QColor(0, 128, 255)) << k;
            EXPECT_EQ(f->Label2[5]->text(), "设备奖");
            EXPECT_EQ(f->Label2[4]->text(), "粗恶奖");

            int input = 0;
            for (int t = 0; t < 5000 && g->CeremonyLock.asInt() != 1; ++t) {
                PlayStep(f, input);
                if (g->CeremonyStep.asInt() == 10 && f->isVisible()) {
                    f->close();
                    EXPECT_TRUE(f->isVisible()) << "closing is refused before the last step";
                    EXPECT_FALSE(f->Command1->isEnabled());
                }
            }
            ASSERT_EQ(g->CeremonyStep, Value(kCeremonyLastStep));
            for (int t = 0; t < 40; ++t) PlayStep(f, input);
            EXPECT_EQ(f->Label1->text(), "那么，3个月后再会。");
            EXPECT_EQ(f->Label4->text(), "");
            EXPECT_EQ(f->Label[2]->text(), "测试书店");
            EXPECT_EQ(f->Label[2]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
            EXPECT_EQ(f->Label[0]->text(), "测试书店");
            EXPECT_EQ(f->Label[4]->text(), "无");
            QTest::keyClick(f, Qt::Key_Return);
            QTest::keyClick(f, Qt::Key_Escape);
            f->close();
            EXPECT_TRUE(f->isVisible()) << "only 结束 closes the ceremony";
            EXPECT_EQ(g->CeremonyStep, Value(kCeremonyLastStep));
            ASSERT_TRUE(f->Command1->isEnabled());
            EXPECT_FALSE(probe.Clock().enabled());
            ceremonyClosed = true;
            f->Command1->click();
        });
        notice->Command1->click();
    });
    EXPECT_TRUE(ceremonySeen);
    EXPECT_FALSE(clockRanDuringTheCeremony) << "the clock never ran between the notice and the ceremony";
    EXPECT_TRUE(probe.Clock().enabled());
    EXPECT_FALSE(IsFormOpen(Window::AwardCeremony));
    EXPECT_EQ(g->Funds.asInt() - funds, 1800000 + 10000000);
    EXPECT_EQ(g->NewsEventCode, Value(5));
    EXPECT_EQ(g->GrandPrizePending, Value(5));
    EXPECT_EQ(g->Bookshop.SalesPoints[0], Value(0));
    EXPECT_EQ(g->CeremonyLock, Value(0));
}

}  // namespace

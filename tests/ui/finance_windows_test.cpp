// The bank's windows and the insurance dialogs, reached from the menu as a
// player reaches them: the bank with its loans, the borrowing dialog's held
// arrows and question, the repayment notice, the insurance choices and the
// payout window.
#include <gtest/gtest.h>

#include "tests/ui/ModalDriver.h"
#include "tests/ui/RunningGame.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <vector>

#include "business/Bank.h"
#include "business/Insurance.h"
#include "platform/Platform.h"
#include "ui/platform/WindowRegistry.h"
#include "state/NewGame.h"
#include "ui/business/BankDialog.h"
#include "ui/business/BorrowDialog.h"
#include "ui/business/InsuranceDialog.h"
#include "ui/business/InsurancePayoutDialog.h"
#include "ui/business/LoanRepaymentDialog.h"
#include "ui/main/MainWindow.h"

namespace {

class FinanceWindows : public RunningGameTest {
protected:
    void SetUp() override {
        RunningGameTest::SetUp();
        // A Wednesday at eleven: the bank is open.
        game().Weekday = 3;
        game().Hour = 11;
        game().Year = 2026;
        game().Month = 4;
        game().Day = 15;
        game().Funds = 4'000'000;
    }
};

}  // namespace

TEST_F(FinanceWindows, BankListsTheLoansAndTheFunds) {
    GameState& g = game();
    g.Loan.Amount[1] = 250'000;
    g.Loan.DueYear[1] = 2027;
    g.Loan.DueMonth[1] = 2;
    g.Loan.DueDay[1] = 3;
    bool seen = false;
    WhenModal([&](QWidget* w) {
        auto* f = qobject_cast<BankDialog*>(w);
        ASSERT_NE(f, nullptr);
        seen = true;
        EXPECT_EQ(f->objectName(), "Form24");
        EXPECT_EQ(f->windowTitle(), "银行");
        EXPECT_EQ(f->Label3->text(), "== 银行 ==");
        EXPECT_EQ(f->Frame1->title(), "借款");
        EXPECT_FALSE(Ui().Clock().enabled());
        EXPECT_EQ(f->AmountLabel[0]->text(), "");
        EXPECT_FALSE(f->YearLabel[0]->isVisible());
        EXPECT_EQ(f->AmountLabel[1]->text(), "25万0000円");
        EXPECT_EQ(f->YearLabel[1]->text(), "2027");
        EXPECT_EQ(f->MonthLabel[1]->text(), "2");
        EXPECT_EQ(f->DayLabel[1]->text(), "3");
        EXPECT_TRUE(f->YearUnit[1]->isVisible());
        EXPECT_EQ(f->FundsLabel->text(), "400万0000円");
        f->Command1->click();  // "返回"
    });
    main->menuItem("MGinkou")->trigger();
    EXPECT_TRUE(seen);
    EXPECT_TRUE(Ui().Clock().enabled());
}

TEST_F(FinanceWindows, BankRefusesOnTheWeekend) {
    game().Weekday = 0;
    std::vector<BoxSeen> seen;
    AnswerBoxes({QMessageBox::Ok}, &seen);
    main->menuItem("MGinkou")->trigger();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "今天是休息日。");
    EXPECT_FALSE(IsFormOpen(Window::Bank));
}

TEST_F(FinanceWindows, BorrowingWithTheHeldArrowsAndTheQuestion) {
    GameState& g = game();
    g.FacilitySlot.Kind[1] = 1;  // one occupied spot: a limit of 150,000
    for (QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
        SCOPED_TRACE(answer == QMessageBox::Yes ? "Yes" : "No");
        const auto funds = g.Funds.asInt();
        std::vector<BoxSeen> boxes;
        bool borrowSeen = false;
        WhenModal([&](QWidget* w) {
            auto* bank = qobject_cast<BankDialog*>(w);
            ASSERT_NE(bank, nullptr);
            WhenModal([&](QWidget* w2) {
                auto* f = qobject_cast<BorrowDialog*>(w2);
                ASSERT_NE(f, nullptr);
                borrowSeen = true;
                EXPECT_EQ(f->objectName(), "Form25");
                EXPECT_EQ(f->windowTitle(), "借贷");
                EXPECT_EQ(f->Label3->text(), "== 要借多少钱 ==");
                EXPECT_EQ(f->Timer1.interval(), 100);
                EXPECT_EQ(f->LimitLabel->text(), "15万0000円");
                EXPECT_EQ(f->AmountLabel->text(), "0円");
                EXPECT_EQ(f->DueLabel->text(), "2027年4月15日");
                EXPECT_FALSE(f->Command2->isEnabled());

                // Held for 25 ticks: 10 x 1,000, 10 x 5,000 and 5 x 10,000.
                QTest::mousePress(f->ButtonU[0], Qt::LeftButton);
                EXPECT_EQ(f->ButtonU[0]->pixmap().cacheKey(), f->ButtonU[2]->pixmap().cacheKey());
                for (int t = 0; t < 25; ++t) f->Timer1_Timer();
                QTest::mouseRelease(f->ButtonU[0], Qt::LeftButton);
                EXPECT_EQ(f->ButtonU[0]->pixmap().cacheKey(), f->ButtonU[1]->pixmap().cacheKey());
                EXPECT_EQ(f->AmountLabel->text(), "11万0000円");
                EXPECT_EQ(f->RepaymentLabel->text(), "13万2000円");
                EXPECT_TRUE(f->Command2->isEnabled());
                // A press with the right button holds nothing.
                QTest::mousePress(f->ButtonD[0], Qt::RightButton);
                f->Timer1_Timer();
                EXPECT_EQ(f->AmountLabel->text(), "11万0000円");
                QTest::mouseRelease(f->ButtonD[0], Qt::RightButton);

                AnswerBoxes({answer}, &boxes);
                f->Command2->click();
            });
            bank->Command2->click();  // "借款"
        });
        main->menuItem("MGinkou")->trigger();

        EXPECT_TRUE(borrowSeen);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "从银行11万0000円借了");
        // Whatever the answer, the bank window closed with the dialog.
        EXPECT_FALSE(IsFormOpen(Window::Bank));
        EXPECT_FALSE(IsFormOpen(Window::Borrow));
        EXPECT_TRUE(Ui().Clock().enabled());
        const bool yes = answer == QMessageBox::Yes;
        EXPECT_EQ(g.Loan.Amount[0].asInt(), yes ? 110'000 : 0);
        EXPECT_EQ(g.Funds.asInt(), funds + (yes ? 110'000 : 0));
    }
}

TEST_F(FinanceWindows, CancellingTheBorrowingLeavesTheBankOpen) {
    bool cancelled = false, bankStillOpen = false;
    WhenModal([&](QWidget* w) {
        auto* bank = qobject_cast<BankDialog*>(w);
        ASSERT_NE(bank, nullptr);
        WhenModal([&](QWidget* w2) {
            auto* f = qobject_cast<BorrowDialog*>(w2);
            ASSERT_NE(f, nullptr);
            cancelled = true;
            f->Command1->click();  // "取消"
        });
        bank->Command2->click();
        bankStillOpen = IsFormOpen(Window::Bank);
        bank->Command1->click();
    });
    main->menuItem("MGinkou")->trigger();
    EXPECT_TRUE(cancelled);
    EXPECT_TRUE(bankStillOpen);
    EXPECT_EQ(LoansInUse(game()), 0);
}

TEST_F(FinanceWindows, RepaymentNoticeRefusesItsCloseBoxAndRepays) {
    GameState& g = game();
    g.Loan.Amount[1] = 500'000;
    g.Loan.DueYear[1] = 2026;
    g.Loan.DueMonth[1] = 4;
    g.Loan.DueDay[1] = 15;
    g.DueLoanSlot = 1;
    const auto funds = g.Funds.asInt();
    WithWindow<LoanRepaymentDialog>(Window::LoanRepayment, g, [&](LoanRepaymentDialog* f) {
        EXPECT_EQ(f->windowTitle(), "偿还贷款");
        EXPECT_EQ(f->Label3->text(), "== 偿还贷款 ==");
        EXPECT_EQ(f->DateLabel->text(), "2025年4月15日 贷款");
        EXPECT_EQ(f->Label1->text(), "贷款的还贷期限将至。");
        EXPECT_EQ(f->AmountLabel->text(), "60万0000円");
        f->close();
        QTest::keyClick(f, Qt::Key_Escape);
        EXPECT_TRUE(f->isVisible()) << "the title bar is no way out";
        EXPECT_EQ(g.Loan.Amount[1].asInt(), 500'000);
        f->Command1->click();
    });
    EXPECT_EQ(g.Loan.Amount[1].asInt(), 0);
    EXPECT_EQ(g.Funds.asInt(), funds - 600'000);
}

TEST_F(FinanceWindows, InsuranceChoicesTotalAndConfirm) {
    GameState& g = game();
    g.InsuranceJoined[1] = 1;
    for (bool confirm : {false, true}) {
        SCOPED_TRACE(confirm ? "确定" : "取消");
        WhenModal([&](QWidget* w) {
            auto* f = qobject_cast<InsuranceDialog*>(w);
            ASSERT_NE(f, nullptr);
            EXPECT_EQ(f->objectName(), "Form18");
            EXPECT_EQ(f->windowTitle(), "参加保险");
            EXPECT_EQ(f->Label3->text(), "== 参加哪项保险 ==");
            EXPECT_EQ(f->Frame1[0]->title(), "火灾保险");
            EXPECT_EQ(f->Frame1[2]->title(), "受害保险");
            EXPECT_EQ(f->PriceLabel[2]->text(), "费用 每月5万円");
            // As joined: only the earthquake insurance.
            EXPECT_TRUE(f->Option[2]->isChecked());
            EXPECT_TRUE(f->Option[3]->isChecked());
            EXPECT_TRUE(f->Option[6]->isChecked());
            EXPECT_EQ(f->TotalLabel->text(), "  合计保险费用每月3万0000円。");
            f->Option[1]->click();
            f->Option[5]->click();
            EXPECT_EQ(f->TotalLabel->text(), "  合计保险费用每月11万0000円。");
            f->Option[4]->click();
            EXPECT_EQ(f->TotalLabel->text(), "  合计保险费用每月8万0000円。");
            EXPECT_TRUE(f->Option[1]->isChecked()) << "each frame's pair on its own";
            (confirm ? f->Command2 : f->Command1)->click();
        });
        main->menuItem("MHoken")->trigger();
        EXPECT_EQ(CurrentInsuranceChoices(g), confirm ? (InsuranceChoices{true, false, true})
                                                      : (InsuranceChoices{false, true, false}));
    }
}

TEST_F(FinanceWindows, PayoutWindowBooksAsItOpens) {
    GameState& g = game();
    g.QuakeBrokenCount = 3;
    g.PayoutKind = static_cast<int>(PayoutCause::Earthquake);
    const auto funds = g.Funds.asInt();
    WithWindow<InsurancePayoutDialog>(Window::InsurancePayout, g, [&](InsurancePayoutDialog* f) {
        EXPECT_EQ(f->windowTitle(), "购买了保险");
        EXPECT_EQ(f->Label3->text(), "== 购买保险金 ==");
        EXPECT_EQ(f->Label1->text(), "因为参加了地震保险，获得保险金75万0000円。");
        EXPECT_EQ(g.Funds.asInt(), funds + 750'000) << "booked as it opens";
        f->close();
    });
    EXPECT_EQ(g.Funds.asInt(), funds + 750'000);
    EXPECT_EQ(g.NewsEventCode.asInt(), 8);
}

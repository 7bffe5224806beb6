#pragma once
// The bank: up to three loans at a time, each for one year at 20% interest
// and each up to a limit that grows with the furniture on the floor. The
// bank window lists the loans and opens the borrowing dialog, where the
// amount is chosen with two press-and-hold arrows; on a loan's due date the
// new day opens the repayment notice, whose button repays 1.2 times the
// loan. Loans and repayments are booked in the ledger's "other" category.
#include <cstdint>
#include <string>

#include "shop/HoldSpin.h"
#include "state/GameState.h"

inline constexpr int kLoanSlots = 3;
inline constexpr std::int64_t kBorrowBaseLimit = 100'000;
inline constexpr std::int64_t kBorrowLimitPerSpot = 50'000;

inline constexpr const char* kThreeLoansText = "可以再次贷款，最多可以3次。";

// The loan slots whose amount is not 0.
int LoansInUse(const GameState& g);

// The repayment of a loan: 1.2 times its amount.
std::int64_t RepaymentOf(std::int64_t amount);

// One row of the bank window's list, blank for a free slot.
struct LoanRow {
    bool inUse = false;
    std::string amount;            // FormatMoney & "円"
    int dueYear = 0, dueMonth = 0, dueDay = 0;
};
LoanRow LoanRowOf(const GameState& g, int slot);

// The bank window's "借款": with three loans in use an information box
// refuses; otherwise the borrowing dialog opens over the bank window.
// True when the dialog was opened.
bool OpenBorrowDialog(GameState& g);

// The borrowing dialog's opening: the amount starts at 0 and the limit is
// 100,000 円 plus 50,000 円 for every occupied floor spot (loans already
// taken do not lower it).
void BorrowDialogOpened(GameState& g);

// An arrow of the borrowing dialog pressed (left button) or released.
void PressBorrowArrow(GameState& g, SpinDirection direction);
void ReleaseBorrowArrow(GameState& g);

// One tick of the dialog's timer: a held arrow counts the tick and moves
// the amount by the step chosen before counting, up to the limit and down
// to 0.
void BorrowSpinTick(GameState& g);

// The dialog's lines: the repayment of the amount chosen, and the due date
// of a loan taken today ("年", "月", "日" after the numbers).
std::string BorrowRepaymentText(const GameState& g);
std::string BorrowDueDateText(const GameState& g);

// "借贷": asks whether to borrow the amount chosen; on Yes the first free
// slot takes the loan, due on today's date a year later, and the money is
// booked. True when the loan was taken. Whatever the answer, the borrowing
// dialog and the bank window close after it.
bool BorrowCommand(GameState& g);

// The repayment notice of DueLoanSlot: the borrowing date, and the amount due.
std::string RepaymentDateText(const GameState& g);
std::string RepaymentAmountText(const GameState& g);

// The notice's "关闭": 1.2 times the loan is booked as an expense, whatever
// the funds hold, and the slot is free again.
void RepayDueLoan(GameState& g);

#include "business/Bank.h"

#include <algorithm>

#include "platform/Platform.h"
#include "shop/FloorSpots.h"
#include "state/FormatMoney.h"
#include "state/Ledger.h"
#include "state/Counters.h"

namespace {

constexpr std::int64_t kAmountUnit = 1'000;  // the limit is a whole number of these

bool InUse(const GameState& g, int slot) { return g.Loan.Amount[slot].asReal() != 0; }

bool IsLoanSlot(const Value& slot) { return slot.isNumber() && slot.i() >= 0 && slot.i() < kLoanSlots; }

std::string DateText(int year, int month, int day) {
    return std::to_string(year) + "年" + std::to_string(month) + "月" + std::to_string(day) + "日";
}

}  // namespace

int LoansInUse(const GameState& g) {
    int n = 0;
    for (int k = 0; k < kLoanSlots; ++k)
        if (InUse(g, k)) ++n;
    return n;
}

std::int64_t RepaymentOf(std::int64_t amount) { return amount * 6 / 5; }

LoanRow LoanRowOf(const GameState& g, int slot) {
    LoanRow r;
    if (slot < 0 || slot >= kLoanSlots || !InUse(g, slot)) return r;
    r.inUse = true;
    r.amount = FormatMoney(g.Loan.Amount[slot].asInt()) + "円";
    r.dueYear = g.Loan.DueYear[slot].i();
    r.dueMonth = g.Loan.DueMonth[slot].i();
    r.dueDay = g.Loan.DueDay[slot].i();
    return r;
}

bool OpenBorrowDialog(GameState& g) {
    if (LoansInUse(g) >= kLoanSlots) {
        Ui().MessageBox(kThreeLoansText, MsgStyle::Information, g.GameTitle.asText());
        return false;
    }
    Ui().ShowWindow(Window::Borrow, g);
    return true;
}

void BorrowDialogOpened(GameState& g) {
    g.BorrowAmount = 0;
    std::int64_t spots = 0;
    for (int s = kFirstSpot; s <= kLastSpot; ++s)
        if (g.FacilitySlot.Kind[s].asReal() != 0) ++spots;
    g.BorrowLimit = (kBorrowBaseLimit + kBorrowLimitPerSpot * spots) / kAmountUnit * kAmountUnit;
}

void PressBorrowArrow(GameState& g, SpinDirection direction) { g.BorrowSpinDirection = static_cast<int>(direction); }

void ReleaseBorrowArrow(GameState& g) {
    g.BorrowSpinDirection = static_cast<int>(SpinNone);
    g.SpinHoldTicks = 0;
}

void BorrowSpinTick(GameState& g) {
    const std::int64_t step = SpinStep(g.SpinHoldTicks);
    const std::int64_t amount = g.BorrowAmount.asInt(), limit = g.BorrowLimit.asInt();
    const auto direction = g.BorrowSpinDirection.asInt();
    if (direction == SpinUp) {
        CountUp(g.SpinHoldTicks);
        g.BorrowAmount = amount + step <= limit ? amount + step : limit;
    }
    if (direction == SpinDown) {
        CountUp(g.SpinHoldTicks);
        g.BorrowAmount = amount - step > 0 ? amount - step : 0;
    }
}

std::string BorrowRepaymentText(const GameState& g) { return FormatMoney(RepaymentOf(g.BorrowAmount.asInt())) + "円"; }

std::string BorrowDueDateText(const GameState& g) { return DateText(g.Year.i() + 1, g.Month.i(), g.Day.i()); }

bool BorrowCommand(GameState& g) {
    const std::int64_t amount = g.BorrowAmount.asInt();
    if (amount <= 0) return false;  // the button stays disabled until there is an amount
    const std::string question = "从银行" + FormatMoney(amount) + "円" + "借了";
    if (Ui().MessageBox(question, MsgStyle::Question, QuestionTitleFor(g.GameTitle.asText())) != MsgAnswer::Yes)
        return false;
    for (int k = 0; k < kLoanSlots; ++k) {
        if (InUse(g, k)) continue;
        g.Loan.Amount[k] = amount;
        g.Loan.DueYear[k] = g.Year.asInt() + 1;
        g.Loan.DueMonth[k] = g.Month;
        g.Loan.DueDay[k] = g.Day;
        AddMoney(g, amount, OtherCategory, 1);
        return true;
    }
    return false;  // the bank window refuses a fourth loan before the dialog opens
}

std::string RepaymentDateText(const GameState& g) {
    if (!IsLoanSlot(g.DueLoanSlot)) return {};
    const int k = g.DueLoanSlot.i();
    return DateText(g.Loan.DueYear[k].i() - 1, g.Loan.DueMonth[k].i(), g.Loan.DueDay[k].i()) + " 贷款";
}

std::string RepaymentAmountText(const GameState& g) {
    if (!IsLoanSlot(g.DueLoanSlot)) return {};
    return FormatMoney(RepaymentOf(g.Loan.Amount[g.DueLoanSlot.i()].asInt())) + "円";
}

void RepayDueLoan(GameState& g) {
    if (!IsLoanSlot(g.DueLoanSlot)) return;
    Value& amount = g.Loan.Amount[g.DueLoanSlot.i()];
    if (amount.asReal() == 0) return;  // repaid already: never twice
    AddMoney(g, -RepaymentOf(amount.asInt()), OtherCategory, 0);
    amount = 0;  // the date fields stay as they were
}

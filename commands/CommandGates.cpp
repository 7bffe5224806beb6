#include "commands/CommandGates.h"

#include "business/Fire.h"
#include "floor/ShopEnlargement.h"
#include "platform/Platform.h"
#include "shop/Upkeep.h"
#include "state/Ledger.h"
#include "state/TableRows.h"

namespace {

void Refuse(const GameState& g, const char* text) {
    Ui().MessageBox(text, MsgStyle::Information, g.GameTitle.asText());
}

void Open(Window w, GameState& g) { Ui().ShowWindow(w, g); }

// The enlargement's price question, by the current shop size 1..2.
constexpr const char* kEnlargeQuestions[] = {"扩大店铺的规模，费用500万円", "扩大店铺的规模，费用1000万円"};

}  // namespace

void OpenMagazineOrderDialog(GameState& g) { Open(Window::MagazineOrder, g); }

void OpenBookOrderDialog(GameState& g) { Open(Window::BookOrder, g); }

void ToggleMagazineStockWindow(GameState& g) {
    const auto& M = g.Magazine;
    int stocked = 0;
    for (int m = 0; m < RowsInUse(g.MagazineCount, M.Listed); ++m) {
        if (M.Listed[m].asInt() == 1 && (M.StandingOrder[m].asReal() != 0 || M.Stock[m].asReal() != 0)) ++stocked;
    }
    if (stocked == 0) {
        Refuse(g, kNoMagazinesStockedText);
        return;
    }
    Ui().ToggleReportWindow(Window::MagazineStock, g);
}

void ToggleBookStockWindow(GameState& g) {
    const auto& B = g.Book;
    int rows = 0;
    for (int b = 0; b < RowsInUse(g.BookCount, B.Stock); ++b) {
        // A book on order counts even with no copy on the shelf.
        if (B.Stock[b].asReal() != 0 || B.DaysToDelivery[b].asReal() != 0) ++rows;
    }
    g.BookStockRowCount = rows;
    if (rows == 0) {
        Refuse(g, kNoBooksInStockText);
        return;
    }
    Ui().ToggleReportWindow(Window::BookStock, g);
}

void OpenHireClerkDialog(GameState& g) {
    const int applicants = RowsInUse(g.ApplicantCount, g.Applicant.Employed);
    int tally = 0;
    for (int i = 0; i < applicants; ++i) {
        if (g.Applicant.Employed[i].asInt() == 0) g.TodayApplicants[tally++] = i;
    }
    g.ApplicantTally = tally;

    const int count = g.ApplicantCount.i();
    if (tally == 0)
        Refuse(g, kNobodyToHireText);
    else if (tally == count - 2)
        Refuse(g, kTwoClerksEmployedText);
    else if (tally == count - 1 && g.ShopSize.asInt() <= 1)
        Refuse(g, kSmallShopOneClerkText);
    else
        Open(Window::HireClerk, g);
}

void OpenFireClerkDialog(GameState& g) {
    const int applicants = RowsInUse(g.ApplicantCount, g.Applicant.Employed);
    int employed = 0;
    for (int i = 0; i < applicants; ++i)
        if (g.Applicant.Employed[i].asInt() != 0) ++employed;
    g.ApplicantTally = employed;
    if (employed == 0)
        Refuse(g, kNoClerkToFireText);
    else
        Open(Window::FireClerk, g);
}

void OpenCleaningDialog(GameState& g) {
    // A closed shop refuses first, even while a cleaning is ordered.
    if (g.ShopOpen.asInt() == 0) {
        Refuse(g, kShopClosedCleaningText);
        return;
    }
    if (g.CleaningOrdered.asInt() != 0) {
        Refuse(g, kCleaningUnderWayText);
        return;
    }
    g.UpkeepDialogMode = static_cast<int>(UpkeepCleaning);
    Open(Window::Upkeep, g);
}

void OpenQuakeProofingDialog(GameState& g) {
    g.UpkeepDialogMode = static_cast<int>(UpkeepQuakeProofing);
    Open(Window::Upkeep, g);
}

void OpenClerkSettingsDialog(GameState& g) {
    if (g.ClerkCount.asInt() == 0) {
        Refuse(g, kNoClerkEmployedText);
        return;
    }
    Open(Window::ClerkSettings, g);
}

void OpenBankWindow(GameState& g) {
    constexpr int kSunday = 0, kSaturday = 6;
    constexpr int kBankOpens = 9, kBankCloses = 17;  // both hours included
    const auto weekday = g.Weekday.asInt(), hour = g.Hour.asInt();
    if (weekday == kSunday || weekday == kSaturday) {
        Refuse(g, kBankHolidayText);
        return;
    }
    if (hour < kBankOpens || hour > kBankCloses) {
        Refuse(g, kBankHoursText);
        return;
    }
    Open(Window::Bank, g);
}

void CallFireBrigade(GameState& g) {
    if (g.FireBurning.asInt() == 0) {
        Refuse(g, kNoFireText);
        return;
    }
    if (Ui().MessageBox(kFireBrigadeQuestion, MsgStyle::Question, QuestionTitleFor(g.GameTitle.asText())) !=
        MsgAnswer::Yes)
        return;
    // The fire may have burnt out while the question was up.
    if (g.FireBurning.asInt() == 0) {
        Refuse(g, kNoFireText);
        return;
    }
    AddMoney(g, -kFireBrigadeFee, OtherCategory, 0);
    Open(Window::FireBrigade, g);
}

void EnlargeShopCommand(GameState& g) {
    const int size = g.ShopSize.i();
    if (size != 1 && size != 2) {
        Refuse(g, kShopCannotGrowText);
        return;
    }
    if (Ui().MessageBox(kEnlargeQuestions[size - 1], MsgStyle::Question, QuestionTitleFor(g.GameTitle.asText())) !=
        MsgAnswer::Yes)
        return;
    EnlargeShop(g);
}

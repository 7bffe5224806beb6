#include "shop/Staff.h"

#include <algorithm>

#include "platform/Platform.h"
#include "shop/ShopInfo.h"
#include "state/Counters.h"
#include "state/HourLength.h"
#include "state/FormatMoney.h"
#include "state/Ledger.h"
#include "state/PersonSlots.h"
#include "state/SpritePool.h"
#include "state/TableRows.h"

namespace {

constexpr int kClerkRows = 2;
constexpr int kHiredEnergy = 50;
constexpr const char* kClerkTasteText = "店铺的店员";
// A clerk row with nobody to fill it waits above the scene, where the
// floor view draws nothing and no click reaches it.
constexpr int kParkedFigureY = -64;

// The applicant rows in use, kept within the table's bounds whatever a
// saved game says.
int ApplicantRows(const GameState& g) {
    return RowsInUse(g.ApplicantCount, g.Applicant.Name);
}

bool Employed(const GameState& g, int row) { return g.Applicant.Employed[row].asInt() != 0; }

// Neither employed nor offered since the last hire.
bool Offerable(const GameState& g, int row) { return !Employed(g, row) && g.Applicant.Drawn[row].asInt() == 0; }

int CountOfferable(const GameState& g, int rows) {
    int n = 0;
    for (int i = 0; i < rows; ++i)
        if (Offerable(g, i)) ++n;
    return n;
}

void ClearDrawnMarks(GameState& g, int rows) {
    for (int i = 0; i < rows; ++i) g.Applicant.Drawn[i] = 0;
}

int SpriteOfPersonRow(const GameState& g, int row) {
    const Value& s = g.Person.Sprite[row];
    if (s.isEmpty() || s.asInt() < 0 || s.asInt() >= kSpriteSlots) return -1;
    return s.i();
}

void AddTo(Value& v, int delta) { v = v.isReal() ? Value(v.asReal() + delta) : Value(v.asInt() + delta); }

// A clerk row that no employed clerk fills any more is not stepped again,
// so its figure would stand frozen wherever it was. Take it off the floor:
// back to absent, out of sight, its register free, and counted out of the
// shop if it was still inside (the last one out shortens the hour, as at
// the door).
void ClearUnfilledClerkRows(GameState& g) {
    for (int row = std::max(0, g.ClerkRowCount.i()); row < kClerkRows; ++row) {
        const int state = g.Person.State[row].i();
        const bool inside = state >= ClerkArrive && state <= ClerkToDoor;
        if (state == ClerkAtPostA) g.RegisterSlot.ClerkState[0] = Unattended;
        if (state == ClerkAtPostB) g.RegisterSlot.ClerkState[1] = Unattended;

        g.Person.State[row] = ClerkAbsent;
        g.Person.HeadingSet[row] = 0;
        g.Person.StateTicks[row] = 0;
        g.Person.Heading[row] = 0;
        if (const int s = SpriteOfPersonRow(g, row); s >= 0) g.Sprite.Y[s] = kParkedFigureY;

        if (inside) {
            if (g.ClerksInside.asInt() > 0) AddTo(g.ClerksInside, -1);
            ShortenHourWhenEmpty(g);
        }
    }
}

}  // namespace

void RebuildClerkRows(GameState& g) {
    int rows = 0;
    const int n = ApplicantRows(g);
    for (int i = 0; i < n; ++i) {
        if (!Employed(g, i)) continue;
        g.Person.Name[rows] = g.Applicant.Name[i];
        g.Person.Age[rows] = g.Applicant.Age[i];
        g.Person.TasteText[rows] = kClerkTasteText;
        // The figure is a whole number (Applicant.Look is held to one).
        if (const Value& look = g.Applicant.Look[i]; look.isEmpty())
            g.Person.Look[rows].clear();
        else
            g.Person.Look[rows] = look.asInt();
        g.Person.PreferredCategory[rows] = 0;
        ++rows;
    }
    g.ClerkRowCount = rows;
}

void RebuildEmployedList(GameState& g) {
    int count = 0;
    const int n = ApplicantRows(g);
    const int capacity = static_cast<int>(g.EmployedList.size());
    for (int i = 0; i < n && count < capacity; ++i) {
        if (Employed(g, i)) g.EmployedList[count++] = i;
    }
    g.EmployedListCount = count;
}

int DrawTodayApplicants(GameState& g) {
    const int length = g.RndInt(kHireListLengths) + kHireListMinLength;
    const int n = ApplicantRows(g);
    int left = CountOfferable(g, n);
    // Everybody free has been offered since the last hire: all of them may
    // be offered again. Otherwise only a hire clears the marks, and a shop
    // that has seen everybody could never hire again.
    if (left == 0) {
        ClearDrawnMarks(g, n);
        left = CountOfferable(g, n);
    }

    // Each position draws rows of the whole table until one can be offered.
    // That only ends while somebody is left, so a list that runs out of
    // applicants part-way ends early, shorter.
    int tally = 0;
    for (; tally < length && left > 0; ++tally, --left) {
        int row = g.RndInt(n);
        while (!Offerable(g, row)) row = g.RndInt(n);
        g.Applicant.Drawn[row] = 1;
        g.TodayApplicants[tally] = row;
    }
    g.ApplicantTally = tally;
    return tally;
}

bool HireApplicant(GameState& g, int listPos) {
    const int tally = RowsInUse(g.ApplicantTally, g.TodayApplicants);
    if (listPos < 0 || listPos >= tally) return false;
    const int a = g.TodayApplicants[listPos].i();
    const int n = ApplicantRows(g);
    if (a < 0 || a >= n) return false;

    // One month's pay at once, affordable or not: funds below zero end the
    // game at the next tick.
    AddMoney(g, -g.Applicant.Salary[a].asInt(), Salaries, 0);
    g.Applicant.Employed[a] = 1;
    g.Applicant.Energy[a] = kHiredEnergy;
    AddTo(g.ClerkCount, 1);
    RebuildClerkRows(g);
    RebuildEmployedList(g);
    ClearDrawnMarks(g, n);
    return true;
}

bool DismissClerk(GameState& g, int listPos) {
    const int count = RowsInUse(g.EmployedListCount, g.EmployedList);
    if (listPos < 0 || listPos >= count) return false;
    const std::string title = g.GameTitle.asText();
    if (g.ShopOpen.asInt() == 1) {
        Ui().MessageBox(kDismissWhileOpenText, MsgStyle::Information, title);
        return false;
    }
    if (Ui().MessageBox(kDismissQuestionText, MsgStyle::Question, QuestionTitleFor(title)) != MsgAnswer::Yes)
        return false;

    const int a = g.EmployedList[listPos].i();
    if (a >= 0 && a < ApplicantRows(g)) g.Applicant.Employed[a] = 0;
    AddTo(g.ClerkCount, -1);
    ShiftPopularity(g.Popularity, -kDismissalPopularityCost);
    g.ShopDetailsDirty = 1;
    RebuildClerkRows(g);
    // The list position is the person row the dismissed clerk occupied.
    if (listPos < kClerkRows) {
        if (const int s = SpriteOfPersonRow(g, listPos); s >= 0) g.Sprite.X[s] = kDismissedFigureX;
    }
    ClearUnfilledClerkRows(g);
    RebuildEmployedList(g);
    g.ClerkInfoDirty = 1;
    return true;
}

std::vector<int> RecountClerkRows(GameState& g) {
    std::vector<int> rows;
    const int n = ApplicantRows(g);
    for (int i = 0; i < n; ++i)
        if (Employed(g, i)) rows.push_back(i);
    g.ClerkRowCount = static_cast<int>(rows.size());
    return rows;
}

std::string SalaryText(const Value& salary) { return FormatMoney(salary.asInt()) + "円"; }

std::string FacePicture(const Value& look) { return "Graphic/Human" + std::to_string(look.asInt() + 1) + ".dat"; }

StaffCard ApplicantCard(const GameState& g, int row) {
    StaffCard c;
    if (row < 0 || row >= static_cast<int>(g.Applicant.Name.size())) return c;
    const auto& A = g.Applicant;
    c.name = A.Name[row].asText();
    c.age = A.Age[row].asText() + "岁";
    c.intro = A.Intro[row].asText();
    c.energy = GaugeText(A.Energy[row]);
    c.ability = GaugeText(A.Ability[row]);
    c.salary = SalaryText(A.Salary[row]);
    c.energyValue = A.Energy[row];
    c.abilityValue = A.Ability[row];
    c.look = A.Look[row].i();
    c.face = FacePicture(A.Look[row]);
    return c;
}

#include "shop/Salary.h"

#include <algorithm>
#include <cstdint>

#include "shop/Staff.h"
#include "state/Counters.h"
#include "state/TableRows.h"

namespace {

// Pending salaries exist for the first two list positions, the most clerks
// a shop can employ.
int EditedPositions(const GameState& g) {
    return RowsInUse(g.EmployedListCount, g.EditedSalary);
}

}  // namespace

void LoadEditedSalaries(GameState& g) {
    RebuildEmployedList(g);
    for (int p = 0; p < EditedPositions(g); ++p) {
        const int a = g.EmployedList[p].i();
        if (a >= 0 && a < static_cast<int>(g.Applicant.Salary.size())) g.EditedSalary[p] = g.Applicant.Salary[a];
    }
}

void PressSalaryArrow(GameState& g, SalarySpin direction) { g.SalarySpinDirection = static_cast<int>(direction); }

void ReleaseSalaryArrow(GameState& g) {
    g.SalarySpinDirection = static_cast<int>(SpinNone);
    g.SpinHoldTicks = 0;
}

void SalarySpinTick(GameState& g, int listPos) {
    if (listPos < 0 || listPos >= static_cast<int>(g.EditedSalary.size())) return;
    const int step = SpinStep(g.SpinHoldTicks);
    Value& salary = g.EditedSalary[listPos];
    const auto direction = g.SalarySpinDirection.asInt();
    if (direction == SpinUp) {
        CountUp(g.SpinHoldTicks);
        if (salary.asInt() <= kSalaryRaiseLimit) salary = salary.asInt() + step;
    }
    if (direction == SpinDown) {
        CountUp(g.SpinHoldTicks);
        salary = std::max<std::int64_t>(salary.asInt() - step, 0);
    }
}

void ConfirmSalaries(GameState& g) {
    for (int p = 0; p < EditedPositions(g); ++p) {
        const int a = g.EmployedList[p].i();
        if (a >= 0 && a < static_cast<int>(g.Applicant.Salary.size())) g.Applicant.Salary[a] = g.EditedSalary[p];
    }
    RecountClerkRows(g);
    g.ClerkInfoDirty = 1;
}

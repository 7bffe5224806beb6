#include "state/StateLayout.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

namespace {

template <class T>
struct Dims;
template <>
struct Dims<Value> {
    static constexpr int rows = 1, subs = 0;
    static Value* ptr(Value& v) { return &v; }
    static const Value* ptr(const Value& v) { return &v; }
};
template <std::size_t N>
struct Dims<std::array<Value, N>> {
    static constexpr int rows = static_cast<int>(N), subs = 0;
    static Value* ptr(std::array<Value, N>& a) { return a.data(); }
    static const Value* ptr(const std::array<Value, N>& a) { return a.data(); }
};
template <std::size_t R, std::size_t C>
struct Dims<std::array<std::array<Value, C>, R>> {
    static_assert(sizeof(std::array<Value, C>) == C * sizeof(Value), "rows must be contiguous");
    static constexpr int rows = static_cast<int>(R), subs = static_cast<int>(C);
    static Value* ptr(std::array<std::array<Value, C>, R>& a) { return a[0].data(); }
    static const Value* ptr(const std::array<std::array<Value, C>, R>& a) { return a[0].data(); }
};

#define QM_COL(expr)                                                                         \
    ColumnDef {                                                                              \
        #expr,                                                                               \
            [](GameState& g) -> Value* { return Dims<std::remove_cvref_t<decltype(g.expr)>>::ptr(g.expr); }, \
            [](const GameState& g) -> const Value* { return Dims<std::remove_cvref_t<decltype(g.expr)>>::ptr(g.expr); }, \
            Dims<std::remove_cvref_t<decltype(std::declval<GameState&>().expr)>>::rows,      \
            Dims<std::remove_cvref_t<decltype(std::declval<GameState&>().expr)>>::subs       \
    }

std::vector<ColumnDef> AllColumns() {
    return {
        // Program texts and game scalars, in declared order.
        QM_COL(VersionText), QM_COL(GameTitle),
        QM_COL(SelectedSlot), QM_COL(SelectedMagazineRow), QM_COL(ScrollX), QM_COL(ScrollY),
        QM_COL(VScrollReserve), QM_COL(HScrollReserve),
        QM_COL(Year), QM_COL(Month), QM_COL(Day), QM_COL(Weekday), QM_COL(Hour), QM_COL(HourTicks),
        QM_COL(CeremonyStep), QM_COL(OpinionFace), QM_COL(FacilityDone),
        QM_COL(Funds), QM_COL(GameSpeed), QM_COL(GameOverReason), QM_COL(TotalCustomers),
        QM_COL(Popularity), QM_COL(Fame), QM_COL(Paused), QM_COL(MagazineTitlesStocked),
        QM_COL(BookTitlesStocked), QM_COL(FacilityCount),
        QM_COL(Attraction), QM_COL(ReportCloseSpeed), QM_COL(ReportManualClose), QM_COL(ShopSize),
        QM_COL(ScheduleRow),
        QM_COL(ShowClerkMessages), QM_COL(RobberActive), QM_COL(RobberyDemand), QM_COL(SpareValue01),
        QM_COL(StandingReadingPolicy), QM_COL(DaysSinceRobbery), QM_COL(DaysSinceDisaster),
        QM_COL(Register1Tickets), QM_COL(Register2Tickets), QM_COL(SpareValue02), QM_COL(SpareValue03),
        QM_COL(Register1Served), QM_COL(Register2Served), QM_COL(CopiesHeld),
        QM_COL(FireBurning), QM_COL(FireFacilityCount), QM_COL(FireDiscoveryHold),
        QM_COL(ShelfFillLevel), QM_COL(FireUndiscovered),
        QM_COL(ClerkRowCount), QM_COL(DoorCoverSprite), QM_COL(DoorCoverSprite2), QM_COL(SpareValue04),
        QM_COL(StatusText), QM_COL(StatusTicks),
        QM_COL(TypePos), QM_COL(TypeText), QM_COL(SpareValue05), QM_COL(SpareValue06),
        QM_COL(SpareValue07), QM_COL(SpareValue08), QM_COL(SpareValue09), QM_COL(SpareValue10),
        QM_COL(QuakeShake), QM_COL(ShakePhase), QM_COL(QuakeTicks), QM_COL(QuakeInProgress),
        QM_COL(BorrowAmount), QM_COL(BorrowLimit), QM_COL(DueLoanSlot), QM_COL(ShopOfMonthText),
        QM_COL(GrandPrizePending), QM_COL(PrintAdCost), QM_COL(BroadcastAdCost),
        QM_COL(SpareValue11), QM_COL(SpareValue12), QM_COL(GameRunning), QM_COL(SoundOn),
        QM_COL(CustomersInside), QM_COL(ClerksInside), QM_COL(CleanerInside), QM_COL(RobberInside),
        QM_COL(TicksPerHour), QM_COL(MagazineChartScale), QM_COL(DrawListCount),
        QM_COL(CaptionDirty), QM_COL(QuakeKind),
        QM_COL(PayoutKind), QM_COL(QuakeBrokenCount), QM_COL(ClerkAdviceToday), QM_COL(DayReportDone),
        QM_COL(ClerkInfoDirty), QM_COL(LedgerDirty), QM_COL(MagazineStockRefill), QM_COL(BookAdjustHold),
        QM_COL(MagazineAdjustHold), QM_COL(BorrowSpinDirection), QM_COL(ClerkPopupTicks),
        QM_COL(BookStockRefill), QM_COL(BookStockDirty), QM_COL(CeremonyLock), QM_COL(MagazineStockDirty),
        QM_COL(ShopInfoDirty), QM_COL(FloorIconTicks), QM_COL(FloorIconPhase),
        QM_COL(SalesChartDirty), QM_COL(ProfitChartDirty), QM_COL(SpareValue13),
        QM_COL(SalarySpinDirection), QM_COL(SpinHoldTicks),
        QM_COL(ShopDetailsDirty), QM_COL(ScheduleDirty), QM_COL(UpkeepDialogMode),
        QM_COL(ClickedPersonKind), QM_COL(SpareValue14),
        QM_COL(ClerkCount), QM_COL(SpareValue15), QM_COL(AutoCleanLevel), QM_COL(CleaningMethod),
        QM_COL(StarLevel), QM_COL(Dirtiness), QM_COL(QuakeResistance), QM_COL(ReportTicks),
        QM_COL(ShopOpen), QM_COL(OpeningHour), QM_COL(ClosingHour), QM_COL(CleaningOrdered),
        QM_COL(CleaningStrength),
        QM_COL(LastSpawnedSprite), QM_COL(ClickedPersonSlot), QM_COL(SpareValue16), QM_COL(SpareValue17),
        QM_COL(SpareValue18), QM_COL(VisibleSpriteCount),
        QM_COL(SelectedServiceSlot), QM_COL(ServiceTypeCount),
        QM_COL(SpareValue19), QM_COL(ShelfCapacity), QM_COL(SpareValue20), QM_COL(CopiesSold),
        QM_COL(CopiesOnShelves), QM_COL(RouletteTicks), QM_COL(BlinkTicks),
        QM_COL(MagazineStockRowCount), QM_COL(MagazineTally), QM_COL(ShopName), QM_COL(BurningSlotCount),
        QM_COL(FireStepTicks), QM_COL(FireCandidateCount), QM_COL(SpareValue21), QM_COL(OccupiedSlotCount),
        QM_COL(BookTally), QM_COL(BookStockRowCount), QM_COL(BookCandidateCount), QM_COL(SelectedBookRow),
        QM_COL(EmployedListCount), QM_COL(AwardRound), QM_COL(ApplicantTally), QM_COL(SpareValue22),
        QM_COL(SpareValue23), QM_COL(HeadlineText), QM_COL(HeadlineTitle), QM_COL(IndustryNewsText),
        QM_COL(NewsEventCode),
        QM_COL(NewsIssueTitle), QM_COL(NewsRankTally), QM_COL(SpareValue24), QM_COL(AwardRankTally),
        QM_COL(SelectedRegisterSlot), QM_COL(OfferedListCount), QM_COL(SpareValue25),

        // Counters of tables.
        QM_COL(SceneryCount), QM_COL(LitterCount), QM_COL(ClerkMessageCount), QM_COL(ShopArticleCount),
        QM_COL(HeadlineCount), QM_COL(ColumnArticleCount), QM_COL(BookshopCount), QM_COL(MagazineCount),
        QM_COL(BookCount), QM_COL(FixtureTypeCount), QM_COL(RegisterTypeCount), QM_COL(PersonCount),
        QM_COL(ApplicantCount),

        // Tables.
        QM_COL(TopBooks), QM_COL(TopMagazines), QM_COL(AwardWon), QM_COL(WindowOpen),
        QM_COL(InsuranceJoined), QM_COL(Loan.Amount), QM_COL(Loan.DueYear), QM_COL(Loan.DueMonth),
        QM_COL(Loan.DueDay), QM_COL(ShopServiceOn), QM_COL(SceneryList), QM_COL(LitterList),
        QM_COL(ClerkMessages), QM_COL(ShopArticles), QM_COL(HeadlineBodies), QM_COL(HeadlineTitles),
        QM_COL(ColumnArticles),
        QM_COL(Bookshop.Name), QM_COL(Bookshop.Param2), QM_COL(Bookshop.Param3), QM_COL(Bookshop.Badness),
        QM_COL(Bookshop.DirtPoints), QM_COL(Bookshop.Spare1), QM_COL(Bookshop.FacilityScore),
        QM_COL(Bookshop.Spare2), QM_COL(Bookshop.SalesPoints), QM_COL(Bookshop.EffortPoints),
        QM_COL(Bookshop.Spare3), QM_COL(Bookshop.AwardClean), QM_COL(Bookshop.Spare4),
        QM_COL(Bookshop.AwardFacility), QM_COL(Bookshop.Spare5), QM_COL(Bookshop.AwardSales),
        QM_COL(Bookshop.AwardEffort), QM_COL(Bookshop.Spare6), QM_COL(AwardOrder),
        QM_COL(CopiesSoldHistory.Monthly), QM_COL(CopiesSoldHistory.Daily), QM_COL(CopiesSoldHistory.Yearly),
        QM_COL(ProfitHistory.Monthly), QM_COL(ProfitHistory.Daily), QM_COL(ProfitHistory.Yearly),
        QM_COL(Sprite.Depth), QM_COL(VisibleSprites), QM_COL(Sprite.InUse), QM_COL(DrawList),
        QM_COL(Sprite.X), QM_COL(Sprite.Y), QM_COL(Sprite.SrcX), QM_COL(Sprite.SrcY),
        QM_COL(FacilitySlot.Sprite), QM_COL(Sprite.Width), QM_COL(Sprite.Height), QM_COL(Sprite.Spare1),
        QM_COL(VisibleDepths),
        QM_COL(ServiceFacilityType.Price), QM_COL(ServiceFacilityType.Description),
        QM_COL(ServiceFacilityType.Name), QM_COL(ServiceFacilityType.Param5), QM_COL(ServiceFacilityType.Index),
        QM_COL(Magazine.Circulation), QM_COL(Magazine.IssueSales), QM_COL(Magazine.Name),
        QM_COL(Magazine.Price), QM_COL(Magazine.IssueDayText), QM_COL(Magazine.Description),
        QM_COL(Magazine.Cost), QM_COL(Magazine.StandingOrder), QM_COL(Magazine.Listed),
        QM_COL(Magazine.Stock), QM_COL(Magazine.IssueCode), QM_COL(MagazineWorkList),
        QM_COL(Magazine.Category), QM_COL(Magazine.Popularity), QM_COL(Magazine.EditedOrder),
        QM_COL(Magazine.RankScore), QM_COL(Magazine.HeldCopies),
        QM_COL(Book.Title), QM_COL(Book.Cost), QM_COL(Book.Price), QM_COL(Book.Description),
        QM_COL(Book.Flag), QM_COL(Book.Spare1), QM_COL(Book.Stock), QM_COL(BookDisplayOrder),
        QM_COL(Book.GenreText), QM_COL(Book.StandingOrder), QM_COL(Book.KeepReordering),
        QM_COL(Book.DaysToDelivery), QM_COL(Book.CopiesSold), QM_COL(Book.Category),
        QM_COL(Book.Popularity), QM_COL(Book.EditedOrder), QM_COL(Book.EditedReorder),
        QM_COL(Book.RankScore), QM_COL(BookCandidateList), QM_COL(Book.HeldCopies),
        QM_COL(FacilitySlot.Kind), QM_COL(OccupiedSlots), QM_COL(UseCount), QM_COL(FacilitySlot.AreaCode),
        QM_COL(FacilitySlot.FireState), QM_COL(FacilitySlot.FlameSprite), QM_COL(FireCandidates),
        QM_COL(FacilitySlot.Facing),
        QM_COL(FixtureType.Price), QM_COL(FixtureType.Capacity), QM_COL(FixtureType.Description),
        QM_COL(FixtureType.Param3), QM_COL(FixtureType.Index),
        QM_COL(ShelvesPerArea), QM_COL(RegisterSlot.TypeIndex), QM_COL(RegisterSlot.Sprite),
        QM_COL(ServiceSlot.Sprite), QM_COL(RegisterSlot.ClerkState), QM_COL(ServedCount),
        QM_COL(RegisterSlot.Busy), QM_COL(RegisterSlot.ServiceTime), QM_COL(Door.Cycling),
        QM_COL(Door.Step), QM_COL(EditedSalary),
        QM_COL(RegisterType.Price), QM_COL(RegisterType.SpeedText), QM_COL(RegisterType.Name),
        QM_COL(RegisterSlot.Kind), QM_COL(RegisterType.Index), QM_COL(OfferedList),
        QM_COL(ServiceSlot.Kind), QM_COL(Door.LeafSprites),
        QM_COL(Person.WaypointX), QM_COL(Person.WaypointY), QM_COL(Person.MagazineCopies),
        QM_COL(Person.BookCopies), QM_COL(Person.TitleTaken), QM_COL(Person.Name), QM_COL(Person.Age),
        QM_COL(Person.TasteText), QM_COL(Person.State), QM_COL(Person.Look), QM_COL(Person.TargetX),
        QM_COL(Person.TargetY), QM_COL(Person.PreferredCategory), QM_COL(Person.Spare1),
        QM_COL(Person.HeadingSet), QM_COL(Person.StateTicks), QM_COL(Person.TargetSpot),
        QM_COL(Person.Visits), QM_COL(Person.Spare2), QM_COL(Person.ReturnState),
        QM_COL(Person.SavedTargetX), QM_COL(Person.SavedTargetY), QM_COL(Person.Satisfaction),
        QM_COL(Person.Sprite), QM_COL(WaypointCount), QM_COL(Person.WaypointsBack),
        QM_COL(Person.WideFigure), QM_COL(Person.Heading), QM_COL(Person.WalkFrame),
        QM_COL(Person.TicksAlive), QM_COL(Person.QueueRegister), QM_COL(Person.ServiceCustomer),
        QM_COL(Person.HasTicket), QM_COL(Person.QueueTicket), QM_COL(Person.AtCounter),
        QM_COL(Applicant.Name), QM_COL(Applicant.Age), QM_COL(Applicant.Intro), QM_COL(Applicant.Employed),
        QM_COL(TodayApplicants), QM_COL(Applicant.Ability), QM_COL(Applicant.Energy),
        QM_COL(Applicant.Salary), QM_COL(Applicant.Drawn), QM_COL(Applicant.Look),
        QM_COL(EmployedList), QM_COL(EmployedSpare),
    };
}
#undef QM_COL

// Fields that later code uses as an index or a slot number. A saved game
// holding anything else there is refused rather than trusted.
struct Range {
    std::string_view name;
    long long lo, hi;
    bool emptyOk;
};
constexpr long long kSlot = 500;  // last sprite slot
const Range kRanges[] = {
    {"SelectedSlot", 0, 61, true}, {"Month", 1, 13, true}, {"Day", 1, 31, true},
    {"Weekday", 0, 6, true}, {"Hour", 0, 23, true}, {"GameSpeed", 0, 10, true},
    {"ShopSize", 1, 3, false}, {"StarLevel", 1, 5, true}, {"GameOverReason", 0, 3, true},
    {"ShelfFillLevel", -1, 3, true}, {"ClerkRowCount", 0, 2, true}, {"ClerkCount", 0, 2, true},
    {"DoorCoverSprite", 0, kSlot, true}, {"DoorCoverSprite2", 0, kSlot, true},
    {"LastSpawnedSprite", 0, kSlot, true}, {"DrawListCount", 0, kSlot + 1, true},
    {"VisibleSpriteCount", 0, kSlot + 1, true}, {"DueLoanSlot", 0, 2, true},
    {"CeremonyStep", 0, 29, true}, {"FloorIconPhase", 0, 2, true}, {"QuakeShake", 0, 2, true},
    {"ClickedPersonKind", 0, 3, true}, {"ClickedPersonSlot", 0, 256, true},
    {"SelectedServiceSlot", 0, 2, true}, {"SelectedRegisterSlot", 0, 2, true},
    {"ServiceTypeCount", 0, 10, true}, {"OccupiedSlotCount", 0, 62, true},
    {"FireCandidateCount", 0, 62, true}, {"BookCandidateCount", 0, 513, true},
    {"EmployedListCount", 0, 6, true}, {"OfferedListCount", 0, 10, true},
    {"MagazineTally", 0, 513, true}, {"BookTally", 0, 513, true}, {"ApplicantTally", 0, 129, true},
    {"MagazineStockRowCount", 0, 513, true}, {"BookStockRowCount", 0, 513, true},
    {"NewsRankTally", 0, 513, true}, {"AwardRankTally", 0, 65, true},
    {"UpkeepDialogMode", 0, 1, true}, {"StandingReadingPolicy", 0, 2, true},
    {"AutoCleanLevel", 0, 4, true}, {"CleaningMethod", 0, 3, true}, {"QuakeKind", 0, 2, true},
    {"PayoutKind", 0, 2, true}, {"NewsEventCode", 0, 9, true},
    {"TopBooks", 0, 512, true}, {"TopMagazines", 0, 512, true}, {"AwardOrder", 0, 64, true},
    {"SceneryList", 0, kSlot, true}, {"LitterList", 0, kSlot, true},
    {"DrawList", 0, kSlot, true}, {"VisibleSprites", 0, kSlot, true},
    {"FacilitySlot.Sprite", -1, kSlot, true},  // -1: placed while the pool was full
    {"FacilitySlot.FlameSprite", -1, kSlot, true},  // -1: no flame (none yet, or a full pool)
    {"FacilitySlot.Kind", 0, 9, true}, {"FacilitySlot.Facing", 0, 4, true},
    {"FacilitySlot.FireState", 0, 5, true},
    {"OccupiedSlots", 0, 61, true}, {"FireCandidates", 0, 61, true},
    {"MagazineWorkList", 0, 512, true}, {"BookDisplayOrder", 0, 512, true},
    {"BookCandidateList", 0, 512, true}, {"Magazine.Category", 0, 7, true},
    {"Book.Category", 0, 7, true},
    {"RegisterSlot.Kind", 0, 6, true}, {"RegisterSlot.TypeIndex", 0, 5, true},
    {"RegisterSlot.Sprite", 0, kSlot, true}, {"ServiceSlot.Kind", 0, 4, true},
    {"ServiceSlot.Sprite", 0, kSlot, true}, {"Door.LeafSprites", 0, kSlot, true},
    {"Door.Step", 0, 7, true}, {"OfferedList", 0, 10, true},
    {"Person.Sprite", 0, kSlot, true}, {"WaypointCount", 0, 11, true},
    {"Person.Look", 0, 8, true},
    {"Person.PreferredCategory", 0, 7, true}, {"Applicant.Look", 0, 8, true}, {"TodayApplicants", 0, 128, true}, {"EmployedList", 0, 128, true},
    {"WindowOpen", 0, 1, true},
};

// Splits "A, B, C" into column references.
std::vector<FieldRef> Line(const SaveLayout& L, std::string_view names, int sub = 0) {
    std::vector<FieldRef> out;
    std::size_t p = 0;
    while (p < names.size()) {
        std::size_t e = names.find(',', p);
        if (e == std::string_view::npos) e = names.size();
        std::string_view n = names.substr(p, e - p);
        while (!n.empty() && n.front() == ' ') n.remove_prefix(1);
        while (!n.empty() && n.back() == ' ') n.remove_suffix(1);
        const ColumnDef* c = L.find(n);
        if (!c) throw std::logic_error("unknown column " + std::string(n));
        out.push_back({c, sub});
        p = e + 1;
    }
    return out;
}

SaveGroup Fixed(int last, std::vector<std::vector<FieldRef>> lines) {
    SaveGroup g;
    g.fixedLast = last;
    g.lines = std::move(lines);
    return g;
}
SaveGroup Counted(const SaveLayout& L, std::string_view counter, std::vector<std::vector<FieldRef>> lines) {
    SaveGroup g;
    g.counter = L.find(counter);
    g.lines = std::move(lines);
    return g;
}

SaveLayout Build() {
    SaveLayout L;
    L.columns = AllColumns();
    for (const Range& r : kRanges) {
        auto it = std::find_if(L.columns.begin(), L.columns.end(), [&](const ColumnDef& c) { return c.name == r.name; });
        if (it == L.columns.end()) throw std::logic_error("unknown ranged column");
        it->ranged = true;
        it->lo = r.lo;
        it->hi = r.hi;
        it->emptyOk = r.emptyOk;
    }

    // File lines 2..29: the scalars in declared order, split as the file has them.
    static const int kLineLengths[] = {2, 6, 9, 10, 5, 4, 7, 3, 5, 6, 12, 7, 11, 2,
                                       4, 7, 7, 5, 5, 4, 9, 6, 2, 7, 8, 4, 9, 7};
    std::size_t next = 0;
    for (int len : kLineLengths) {
        std::vector<const ColumnDef*> line;
        for (int k = 0; k < len; ++k) line.push_back(&L.columns[next++]);
        L.headLines.push_back(line);
    }

    auto& G = L.groups;
    G.push_back(Fixed(10, {Line(L, "TopBooks, TopMagazines")}));
    G.push_back(Fixed(5, {Line(L, "AwardWon")}));
    G.push_back(Fixed(70, {Line(L, "WindowOpen")}));
    G.push_back(Fixed(2, {Line(L, "InsuranceJoined, Loan.Amount, Loan.DueYear, Loan.DueMonth, Loan.DueDay, ServiceSlot.Kind")}));
    G.push_back(Fixed(3, {Line(L, "ShopServiceOn")}));
    G.push_back(Counted(L, "SceneryCount", {Line(L, "SceneryList")}));
    G.push_back(Counted(L, "LitterCount", {Line(L, "LitterList")}));
    G.push_back(Counted(L, "ClerkMessageCount", {Line(L, "ClerkMessages")}));
    G.push_back(Counted(L, "ShopArticleCount", {Line(L, "ShopArticles")}));
    G.push_back(Counted(L, "HeadlineCount", {Line(L, "HeadlineBodies, HeadlineTitles")}));
    G.push_back(Counted(L, "ColumnArticleCount", {Line(L, "ColumnArticles")}));
    G.push_back(Counted(L, "BookshopCount",
                        {Line(L, "Bookshop.Name, Bookshop.Param2, Bookshop.Param3, Bookshop.Badness, "
                                 "Bookshop.DirtPoints, Bookshop.Spare1, Bookshop.FacilityScore, Bookshop.Spare2, "
                                 "Bookshop.SalesPoints, Bookshop.EffortPoints"),
                         Line(L, "Bookshop.Spare3, Bookshop.AwardClean, Bookshop.Spare4, Bookshop.AwardFacility, "
                                 "Bookshop.Spare5, Bookshop.AwardSales, Bookshop.AwardEffort"),
                         Line(L, "AwardOrder, Bookshop.Spare6")}));
    G.push_back(Fixed(12, {Line(L, "CopiesSoldHistory.Monthly, CopiesSoldHistory.Daily, CopiesSoldHistory.Yearly, "
                                   "ProfitHistory.Monthly, ProfitHistory.Daily, ProfitHistory.Yearly")}));
    SaveGroup ledger;
    ledger.ledger = true;
    G.push_back(ledger);
    G.push_back(Fixed(500, {Line(L, "Sprite.Depth, VisibleSprites, Sprite.InUse, DrawList"),
                            Line(L, "Sprite.X, Sprite.Y, Sprite.SrcX, Sprite.SrcY, FacilitySlot.Sprite"),
                            Line(L, "Sprite.Width, Sprite.Height, Sprite.Spare1, VisibleDepths")}));
    G.push_back(Fixed(10, {Line(L, "ServiceFacilityType.Price, ServiceFacilityType.Description, "
                                   "ServiceFacilityType.Name, ServiceFacilityType.Param5, ServiceFacilityType.Index")}));
    {
        std::vector<std::vector<FieldRef>> lines;
        for (int k = 0; k < 12; ++k) lines.push_back(Line(L, "Magazine.Circulation", k));
        for (int k = 0; k < 2; ++k) lines.push_back(Line(L, "Magazine.IssueSales", k));
        lines.push_back(Line(L, "Magazine.Name, Magazine.Price, Magazine.IssueDayText, Magazine.Description, "
                                "Magazine.Cost, Magazine.StandingOrder, Magazine.Listed, Magazine.Stock"));
        lines.push_back(Line(L, "Magazine.IssueCode, MagazineWorkList, Magazine.Category, Magazine.Popularity, "
                                "Magazine.EditedOrder, Magazine.RankScore, Magazine.HeldCopies"));
        G.push_back(Counted(L, "MagazineCount", lines));
    }
    G.push_back(Counted(L, "BookCount",
                        {Line(L, "Book.Title, Book.Cost, Book.Price, Book.Description, Book.Flag, Book.Spare1, Book.Stock"),
                         Line(L, "BookDisplayOrder, Book.GenreText, Book.StandingOrder, Book.KeepReordering, "
                                 "Book.DaysToDelivery, Book.CopiesSold"),
                         Line(L, "Book.Category, Book.Popularity, Book.EditedOrder, Book.EditedReorder, "
                                 "Book.RankScore, BookCandidateList, Book.HeldCopies")}));
    G.push_back(Fixed(61, {Line(L, "FacilitySlot.Kind, OccupiedSlots, UseCount, FacilitySlot.AreaCode"),
                           Line(L, "FacilitySlot.FireState, FacilitySlot.FlameSprite, FireCandidates, FacilitySlot.Facing")}));
    G.push_back(Counted(L, "FixtureTypeCount",
                        {Line(L, "FixtureType.Price, FixtureType.Capacity, FixtureType.Description, "
                                 "FixtureType.Param3, FixtureType.Index")}));
    G.push_back(Fixed(1, {Line(L, "ShelvesPerArea, RegisterSlot.TypeIndex, RegisterSlot.Sprite, ServiceSlot.Sprite, "
                                  "RegisterSlot.ClerkState, ServedCount, RegisterSlot.Busy, RegisterSlot.ServiceTime, "
                                  "Door.Cycling, Door.Step, EditedSalary")}));
    G.push_back(Counted(L, "RegisterTypeCount",
                        {Line(L, "RegisterType.Price, RegisterType.SpeedText, RegisterType.Name, "
                                 "RegisterSlot.Kind, RegisterType.Index, OfferedList")}));
    G.push_back(Fixed(3, {Line(L, "Door.LeafSprites")}));
    {
        std::vector<std::vector<FieldRef>> lines;
        for (int k = 0; k <= 10; ++k) {
            auto l = Line(L, "Person.WaypointX, Person.WaypointY", k);
            lines.push_back(l);
        }
        lines.push_back(Line(L, "Person.MagazineCopies, Person.BookCopies, Person.TitleTaken"));
        lines.push_back(Line(L, "Person.Name, Person.Age, Person.TasteText, Person.State, Person.Look"));
        lines.push_back(Line(L, "Person.TargetX, Person.TargetY, Person.PreferredCategory, Person.Spare1, "
                                "Person.HeadingSet, Person.StateTicks"));
        lines.push_back(Line(L, "Person.TargetSpot, Person.Visits, Person.Spare2, Person.ReturnState, "
                                "Person.SavedTargetX, Person.SavedTargetY"));
        lines.push_back(Line(L, "Person.Satisfaction, Person.Sprite, WaypointCount, Person.WaypointsBack, "
                                "Person.WideFigure"));
        lines.push_back(Line(L, "Person.Heading, Person.WalkFrame, Person.TicksAlive, Person.QueueRegister, "
                                "Person.ServiceCustomer"));
        lines.push_back(Line(L, "Person.HasTicket, Person.QueueTicket, Person.AtCounter"));
        G.push_back(Counted(L, "PersonCount", lines));
    }
    G.push_back(Counted(L, "ApplicantCount",
                        {Line(L, "Applicant.Name, Applicant.Age, Applicant.Intro, Applicant.Employed, TodayApplicants"),
                         Line(L, "Applicant.Ability, Applicant.Energy, Applicant.Salary, Applicant.Drawn, Applicant.Look")}));
    G.push_back(Fixed(5, {Line(L, "EmployedList, EmployedSpare")}));
    return L;
}

}  // namespace

int SaveGroup::capacity() const {
    int cap = 1 << 30;
    for (const auto& line : lines)
        for (const FieldRef& f : line) cap = std::min(cap, f.col->rows - 1);
    return cap;
}

const ColumnDef* SaveLayout::find(std::string_view name) const {
    for (const ColumnDef& c : columns)
        if (c.name == name) return &c;
    return nullptr;
}

std::vector<const ColumnDef*> SaveLayout::scalars() const {
    std::vector<const ColumnDef*> out;
    for (const auto& line : headLines)
        for (const ColumnDef* c : line) out.push_back(c);
    return out;
}

const SaveLayout& Layout() {
    static const SaveLayout layout = Build();
    return layout;
}

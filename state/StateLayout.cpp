#include "state/StateLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

#include "state/Calendar.h"
#include "state/Counters.h"

namespace {

// The cells of a column: a scalar, a one-dimensional or a two-dimensional
// array of one cell type, held contiguously.
template <class T>
struct Dims {  // a scalar
    using Cell = T;
    static constexpr int rows = 1, subs = 0;
    static Cell* cells(T& v) { return &v; }
    static const Cell* cells(const T& v) { return &v; }
};
template <class T, std::size_t N>
struct Dims<std::array<T, N>> {
    using Cell = T;
    static constexpr int rows = static_cast<int>(N), subs = 0;
    static Cell* cells(std::array<T, N>& a) { return a.data(); }
    static const Cell* cells(const std::array<T, N>& a) { return a.data(); }
};
template <class T, std::size_t R, std::size_t C>
struct Dims<std::array<std::array<T, C>, R>> {
    static_assert(sizeof(std::array<T, C>) == C * sizeof(T), "rows must be contiguous");
    using Cell = T;
    static constexpr int rows = static_cast<int>(R), subs = static_cast<int>(C);
    static Cell* cells(std::array<std::array<T, C>, R>& a) { return a[0].data(); }
    static const Cell* cells(const std::array<std::array<T, C>, R>& a) { return a[0].data(); }
};

// How the saved game reads and writes one cell: a dynamic value as it is,
// a plain number as the Value it stands for.
template <class Cell>
struct CellAccess;
template <>
struct CellAccess<Value> {
    static Value Load(const Value& c) { return c; }
    static void Store(Value& c, const Value& v) { c = v; }
    static bool Holds(const Value&) { return true; }
};
template <class N>
struct CellAccess<NumberCell<N>> {
    static Value Load(const NumberCell<N>& c) { return c.value(); }
    static void Store(NumberCell<N>& c, const Value& v) {
        if (!c.assign(v)) throw std::logic_error("a number cell was given a value it cannot hold: " + v.asText());
    }
    static bool Holds(const Value& v) { return NumberCell<N>::Holds(v); }
};

// `Of` is a lambda without captures that finds the column in a game (a
// const one for a const game).
template <class Column, class Of>
ColumnDef MakeColumn(std::string_view name, Of) {
    using D = Dims<Column>;
    using Cell = typename D::Cell;
    using A = CellAccess<Cell>;
    ColumnDef c{};
    c.name = name;
    if constexpr (std::is_same_v<Cell, Value>) {
        c.values = [](GameState& g) -> Value* { return D::cells(Of{}(g)); };
        c.cvalues = [](const GameState& g) -> const Value* { return D::cells(Of{}(g)); };
    } else if constexpr (std::is_same_v<Cell, WholeCell>) {
        c.wholes = [](GameState& g) -> WholeCell* { return D::cells(Of{}(g)); };
        c.cwholes = [](const GameState& g) -> const WholeCell* { return D::cells(Of{}(g)); };
    } else {
        static_assert(std::is_same_v<Cell, RealCell>, "a column of plain numbers holds whole numbers or reals");
        c.reals = [](GameState& g) -> RealCell* { return D::cells(Of{}(g)); };
        c.creals = [](const GameState& g) -> const RealCell* { return D::cells(Of{}(g)); };
    }
    c.load = [](const GameState& g, int i) { return A::Load(D::cells(Of{}(g))[i]); };
    c.store = [](GameState& g, int i, const Value& v) { A::Store(D::cells(Of{}(g))[i], v); };
    c.holds = [](const Value& v) { return A::Holds(v); };
    c.rows = D::rows;
    c.subs = D::subs;
    return c;
}

#define QM_COL(expr)                                                                              \
    MakeColumn<std::remove_cvref_t<decltype(std::declval<GameState&>().expr)>>(                   \
        #expr, [](auto& g) -> auto& { return g.expr; })

// A field the reset of a new game leaves alone: the program texts, set once
// at start-up; FireUndiscovered, which a new game inherits; and GameRunning,
// which tells the new game whether an old one's windows are to close.
ColumnDef SurvivesReset(ColumnDef c) {
    c.survivesReset = true;
    return c;
}

std::vector<ColumnDef> AllColumns() {
    return {
        // Program texts and game scalars, in declared order.
        SurvivesReset(QM_COL(VersionText)), SurvivesReset(QM_COL(GameTitle)),
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
        QM_COL(ShelfFillLevel), SurvivesReset(QM_COL(FireUndiscovered)),
        QM_COL(ClerkRowCount), QM_COL(DoorCoverSprite), QM_COL(DoorCoverSprite2), QM_COL(SpareValue04),
        QM_COL(StatusText), QM_COL(StatusTicks),
        QM_COL(TypePos), QM_COL(TypeText), QM_COL(SpareValue05), QM_COL(SpareValue06),
        QM_COL(SpareValue07), QM_COL(SpareValue08), QM_COL(SpareValue09), QM_COL(SpareValue10),
        QM_COL(QuakeShake), QM_COL(ShakePhase), QM_COL(QuakeTicks), QM_COL(QuakeInProgress),
        QM_COL(BorrowAmount), QM_COL(BorrowLimit), QM_COL(DueLoanSlot), QM_COL(ShopOfMonthText),
        QM_COL(GrandPrizePending), QM_COL(PrintAdCost), QM_COL(BroadcastAdCost),
        QM_COL(SpareValue11), QM_COL(SpareValue12), SurvivesReset(QM_COL(GameRunning)), QM_COL(SoundOn),
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

// ---- what every field may hold ----
//
// One rule per saved field, in the order of the file. A rule comes from what
// the variable means, widened to every value play itself reaches: a sprite
// field may hold -1 (no sprite), Popularity drifts outside 0..100 until the
// weekly clamp, a list counter may stand one past its last row, a standing
// order of books may be the whole shelf room. Where only a bound of our own
// holds a value, the routine that grows it stops there (Counters.h): counters
// that only grow, scores and Popularity get a bound no game reaches, so
// their sums stay far from the edge of 64 bits; money is bounded by
// kYenLimit, which AddMoney keeps; the calendar stays in its last year.

constexpr long long kNever = kCountLimit;  // 10^15: a running count no game reaches (play stops there)
// kCopyLimit (Counters.h): copies of a title, on shelves or held
constexpr long long kPriceLimit = 1'000'000'000LL;     // a catalogue price; price x copies fits 64 bits
constexpr long long kLastSprite = 500;
constexpr long long kLastCell = GameState::kGridSize - 1;
constexpr long long kLastPlace = 61;    // floor places 1..61
constexpr long long kLastTitle = 512;   // magazine and book rows
constexpr long long kLastPerson = 256;  // person rows
constexpr long long kLastApplicant = 128;
constexpr long long kLastShop = 64;
constexpr long long kMostOrdered = 999;  // copies per title an order dialog allows
// A delivery that meets full shelves leaves the title's standing order at its
// stock, which may fill all the room there is: the largest shelf (150 copies)
// on every floor place of the largest shop.
constexpr long long kMostShelfRoom = kLastPlace * 150;
constexpr long long kLastYear = kLastGameYear;  // the calendar stays in it

constexpr FieldRule Whole(long long lo, long long hi) { return {FieldKind::Whole, lo, hi}; }
constexpr FieldRule Real(long long lo, long long hi) { return {FieldKind::Number, lo, hi}; }
constexpr FieldRule kText = {FieldKind::Text};
constexpr FieldRule kTitleText = {FieldKind::Text, 0, 0, true, true};  // a catalogue text, 0 where cleared
constexpr FieldRule kFlag = Whole(0, 1);
constexpr FieldRule kSpare = Whole(0, 0);  // reserved: Empty, or the 0 a few writers store
constexpr FieldRule kCount = Whole(0, kNever);
constexpr FieldRule kYen = Whole(-kYenLimit, kYenLimit);
constexpr FieldRule kAmount = Whole(0, kYenLimit);  // a sum of money that is never negative
constexpr FieldRule kPrice = Whole(0, kPriceLimit);
constexpr FieldRule kCopies = Whole(0, kCopyLimit);
constexpr FieldRule kOrdered = Whole(0, kMostOrdered);
constexpr FieldRule kBooksOrdered = Whole(0, kMostShelfRoom);
constexpr FieldRule kSprite = Whole(-1, kLastSprite);  // -1: no sprite (the pool was full, or none yet)
constexpr FieldRule kCell = Whole(0, kLastCell);
constexpr FieldRule kPlace = Whole(0, kLastPlace);
constexpr FieldRule kTitleRow = Whole(0, kLastTitle);
constexpr FieldRule kCategory = Whole(0, 7);  // TitleCategory
constexpr FieldRule kLook = Whole(0, 8);      // a figure / face picture
constexpr FieldRule kGauge = Real(0, 100);
constexpr FieldRule kScore = Real(-kScoreLimit, kScoreLimit);  // a contest score or a ranking score
// A title's popularity (1..17 in the catalogues; play never changes it): the
// copies a shopper takes and the title's weekly ranking grow with it, and
// below 0 a shopper would take fewer than none.
constexpr FieldRule kTitlePopularity = Real(0, kScoreLimit);
constexpr long long kPixelLimit = 100'000;
constexpr FieldRule kPixel = Real(-kPixelLimit, kPixelLimit);
constexpr FieldRule kSpritePixel = Whole(-kPixelLimit, kPixelLimit);  // sprites stand on whole pixels
// A depth key: the sprite's pixel row, an offset of a few hundred pixels (a
// flame's 1,200) and the slot / 1000.
constexpr FieldRule kDepthKey = Real(-kPixelLimit - 2'000, kPixelLimit + 2'000);
constexpr FieldRule kPersonState = Whole(0, 99);  // CustomerState, ClerkState, CleanerState, RobberState
constexpr FieldRule kDaysToDelivery = Whole(0, 365);
constexpr FieldRule kFireHourTicks = Whole(0, 10'000'000);  // the longest hour: while a fire burns
// The ticks a person has spent at a facility, at the counter or mopping: the
// steps count them in 32 bits, and each of these states ends within a few
// dozen ticks, so a count this high ends its state at the next step.
constexpr FieldRule kStateTicks = Whole(0, 1'000'000'000);

struct NamedRule {
    std::string_view name;
    FieldRule rule;
};

const NamedRule kRules[] = {
    // Program texts.
    {"VersionText", kText}, {"GameTitle", kText},

    // Selection and view state.
    {"SelectedSlot", Whole(0, kLastPlace + 1)},  // also a 1..61 loop counter, 62 after the loop
    {"SelectedMagazineRow", Whole(-1, kLastTitle)}, {"ScrollX", kPixel}, {"ScrollY", kPixel},
    {"VScrollReserve", Whole(0, 17)}, {"HScrollReserve", Whole(0, 17)},

    // Calendar and clock (a date is checked as a whole too).
    {"Year", {FieldKind::Whole, 1, kLastYear, false}}, {"Month", {FieldKind::Whole, 1, 12, false}},
    {"Day", {FieldKind::Whole, 1, 31, false}}, {"Weekday", Whole(0, 6)}, {"Hour", Whole(0, 23)},
    {"HourTicks", kFireHourTicks},

    {"CeremonyStep", Whole(0, 30)}, {"OpinionFace", kLook}, {"FacilityDone", kFlag},

    // Money, gauges and figures.
    {"Funds", kYen}, {"GameSpeed", Whole(0, 10)}, {"GameOverReason", Whole(0, 3)},
    {"TotalCustomers", kCount},
    {"Popularity", Real(-kPopularityLimit, kPopularityLimit)},  // unclamped between weekly clamps: purchases, firings
    {"Fame", kGauge}, {"Paused", kFlag},
    {"MagazineTitlesStocked", kTitleRow}, {"BookTitlesStocked", kTitleRow}, {"FacilityCount", kPlace},
    {"Attraction", Real(-1'000'000'000, 1'000'000'000)},  // a score drawn from the gauges and counts
    {"ReportCloseSpeed", Whole(0, 10)}, {"ReportManualClose", kFlag},
    {"ShopSize", {FieldKind::Whole, 1, 3, false}}, {"ScheduleRow", kCount},
    {"ShowClerkMessages", kFlag}, {"RobberActive", kFlag}, {"RobberyDemand", kAmount}, {"SpareValue01", kSpare},
    {"StandingReadingPolicy", Whole(0, 2)}, {"DaysSinceRobbery", kCount}, {"DaysSinceDisaster", kCount},
    {"Register1Tickets", kCount}, {"Register2Tickets", kCount}, {"SpareValue02", kSpare}, {"SpareValue03", kSpare},
    {"Register1Served", kCount}, {"Register2Served", kCount}, {"CopiesHeld", kCopies},

    // Fire.
    {"FireBurning", kFlag}, {"FireFacilityCount", kPlace}, {"FireDiscoveryHold", kFlag},
    {"ShelfFillLevel", Whole(-1, 3)}, {"FireUndiscovered", kFlag},

    {"ClerkRowCount", Whole(0, 2)}, {"DoorCoverSprite", kSprite}, {"DoorCoverSprite2", kSprite},
    {"SpareValue04", kSpare}, {"StatusText", kText}, {"StatusTicks", Whole(0, 20)},
    {"TypePos", kCount}, {"TypeText", kText},
    {"SpareValue05", kSpare}, {"SpareValue06", kSpare}, {"SpareValue07", kSpare}, {"SpareValue08", kSpare},
    {"SpareValue09", kSpare}, {"SpareValue10", kSpare},

    // Earthquake.
    {"QuakeShake", Whole(0, 2)}, {"ShakePhase", Whole(0, 2)}, {"QuakeTicks", Whole(0, 20)},
    {"QuakeInProgress", kFlag},

    {"BorrowAmount", kAmount}, {"BorrowLimit", kAmount}, {"DueLoanSlot", Whole(0, 2)},
    {"ShopOfMonthText", kText}, {"GrandPrizePending", Whole(0, 5)},
    {"PrintAdCost", kAmount}, {"BroadcastAdCost", kAmount},
    {"SpareValue11", kSpare}, {"SpareValue12", kSpare}, {"GameRunning", kFlag}, {"SoundOn", kFlag},

    // People on the floor.
    {"CustomersInside", Whole(0, kLastPerson)}, {"ClerksInside", Whole(0, 2)},
    {"CleanerInside", kFlag}, {"RobberInside", kFlag},
    {"TicksPerHour", kFireHourTicks}, {"MagazineChartScale", Whole(0, 31200)},
    {"DrawListCount", Whole(0, kLastSprite + 1)},

    // Redraw flags, event codes and dialog work values.
    {"CaptionDirty", kFlag}, {"QuakeKind", Whole(0, 2)},
    {"PayoutKind", Whole(0, 2)}, {"QuakeBrokenCount", kPlace}, {"ClerkAdviceToday", kCount},
    {"DayReportDone", kFlag},
    {"ClerkInfoDirty", kFlag}, {"LedgerDirty", kFlag}, {"MagazineStockRefill", kFlag},
    {"BookAdjustHold", Whole(0, 2)}, {"MagazineAdjustHold", Whole(0, 2)}, {"BorrowSpinDirection", Whole(-1, 1)},
    {"ClerkPopupTicks", kCount},
    {"BookStockRefill", kFlag}, {"BookStockDirty", kFlag}, {"CeremonyLock", kFlag}, {"MagazineStockDirty", kFlag},
    {"ShopInfoDirty", kFlag}, {"FloorIconTicks", kCount}, {"FloorIconPhase", Whole(0, 2)},
    {"SalesChartDirty", kFlag}, {"ProfitChartDirty", kFlag}, {"SpareValue13", kSpare},
    {"SalarySpinDirection", Whole(-1, 1)}, {"SpinHoldTicks", kCount},
    {"ShopDetailsDirty", kFlag}, {"ScheduleDirty", kFlag}, {"UpkeepDialogMode", Whole(0, 1)},
    {"ClickedPersonKind", Whole(0, 3)}, {"SpareValue14", kSpare},

    // Staff, upkeep and opening hours.
    {"ClerkCount", Whole(0, 2)}, {"SpareValue15", kSpare}, {"AutoCleanLevel", Whole(0, 4)},
    {"CleaningMethod", Whole(0, 3)},
    {"StarLevel", Whole(1, 5)}, {"Dirtiness", kGauge}, {"QuakeResistance", kGauge}, {"ReportTicks", kCount},
    {"ShopOpen", kFlag}, {"OpeningHour", Whole(0, 24)}, {"ClosingHour", Whole(0, 24)},
    {"CleaningOrdered", kFlag}, {"CleaningStrength", Whole(0, 100)},

    {"LastSpawnedSprite", kSprite}, {"ClickedPersonSlot", Whole(0, kLastPerson)},
    {"SpareValue16", kSpare}, {"SpareValue17", kSpare}, {"SpareValue18", kSpare},
    {"VisibleSpriteCount", Whole(0, kLastSprite + 1)},
    {"SelectedServiceSlot", Whole(0, 2)}, {"ServiceTypeCount", Whole(0, 11)},
    {"SpareValue19", kSpare}, {"ShelfCapacity", kCopies}, {"SpareValue20", kSpare}, {"CopiesSold", kCount},
    {"CopiesOnShelves", kCopies}, {"RouletteTicks", kCount}, {"BlinkTicks", kCount},
    {"MagazineStockRowCount", Whole(0, kLastTitle + 1)}, {"MagazineTally", Whole(0, kLastTitle + 1)},
    {"ShopName", kText},  // and a name the new-game dialog would take
    {"BurningSlotCount", kCount}, {"FireStepTicks", Whole(0, 9)}, {"FireCandidateCount", kPlace},
    {"SpareValue21", kSpare}, {"OccupiedSlotCount", kPlace},
    {"BookTally", Whole(0, kLastTitle + 1)}, {"BookStockRowCount", Whole(0, kLastTitle + 1)},
    {"BookCandidateCount", Whole(0, kLastTitle + 1)}, {"SelectedBookRow", Whole(-1, kLastTitle)},
    {"EmployedListCount", Whole(0, 6)}, {"AwardRound", kCount},
    {"ApplicantTally", Whole(0, kLastApplicant + 1)}, {"SpareValue22", kSpare}, {"SpareValue23", kSpare},

    // The weekly news and the award ceremony.
    {"HeadlineText", kText}, {"HeadlineTitle", kText}, {"IndustryNewsText", kText},
    {"NewsEventCode", Whole(0, 9)}, {"NewsIssueTitle", kText}, {"NewsRankTally", Whole(0, kLastTitle + 1)},
    {"SpareValue24", kSpare}, {"AwardRankTally", Whole(0, kLastShop + 1)},
    {"SelectedRegisterSlot", Whole(0, 2)}, {"OfferedListCount", Whole(0, 10)}, {"SpareValue25", kSpare},

    // Counters of tables; each group's reader also holds them to its table's rows.
    {"SceneryCount", Whole(0, 20)}, {"LitterCount", Whole(0, 15)}, {"ClerkMessageCount", Whole(0, 50)},
    {"ShopArticleCount", Whole(0, 50)}, {"HeadlineCount", Whole(0, 50)}, {"ColumnArticleCount", Whole(0, 50)},
    {"BookshopCount", Whole(0, kLastShop)}, {"MagazineCount", Whole(0, 256)}, {"BookCount", Whole(0, 256)},
    {"FixtureTypeCount", Whole(0, 10)}, {"RegisterTypeCount", Whole(0, 6)},
    {"PersonCount", Whole(0, kLastPerson)}, {"ApplicantCount", Whole(0, kLastApplicant)},

    // Rankings, flags of the shop, loans (a lent loan's due date is checked
    // as a date, where 29 February of any year may stand).
    {"TopBooks", kTitleRow}, {"TopMagazines", kTitleRow}, {"AwardWon", kFlag}, {"WindowOpen", kFlag},
    {"InsuranceJoined", kFlag}, {"Loan.Amount", kAmount}, {"Loan.DueYear", Whole(1, kLastYear + 1)},
    {"Loan.DueMonth", Whole(1, 12)}, {"Loan.DueDay", Whole(1, 31)}, {"ShopServiceOn", kFlag},
    {"SceneryList", kSprite}, {"LitterList", kSprite},
    {"ClerkMessages", kText}, {"ShopArticles", kText}, {"HeadlineBodies", kText}, {"HeadlineTitles", kText},
    {"ColumnArticles", kText},

    // The contest's shops: the rivals' catalogue figures and everybody's
    // scores, which are real and may go below 0 (a jitter, a removal).
    {"Bookshop.Name", kText}, {"Bookshop.Param2", kScore}, {"Bookshop.Param3", kScore},
    {"Bookshop.Badness", kScore}, {"Bookshop.DirtPoints", kScore}, {"Bookshop.Spare1", kSpare},
    {"Bookshop.FacilityScore", kScore}, {"Bookshop.Spare2", kSpare}, {"Bookshop.SalesPoints", kScore},
    {"Bookshop.EffortPoints", kScore}, {"Bookshop.Spare3", kSpare}, {"Bookshop.AwardClean", kScore},
    {"Bookshop.Spare4", kSpare}, {"Bookshop.AwardFacility", kScore}, {"Bookshop.Spare5", kSpare},
    {"Bookshop.AwardSales", kScore}, {"Bookshop.AwardEffort", kScore}, {"Bookshop.Spare6", kSpare},
    {"AwardOrder", Whole(0, kLastShop)},

    // Histories: copies sold, and money (kept within kYenLimit by AddMoney).
    {"CopiesSoldHistory.Monthly", kCount}, {"CopiesSoldHistory.Daily", kCount},
    {"CopiesSoldHistory.Yearly", kCount},
    {"ProfitHistory.Monthly", kYen}, {"ProfitHistory.Daily", kYen}, {"ProfitHistory.Yearly", kYen},

    // The sprite pool: whole pixels, and depth keys y + offset + slot / 1000,
    // so real.
    {"Sprite.Depth", kDepthKey}, {"VisibleSprites", Whole(0, kLastSprite)}, {"Sprite.InUse", kFlag},
    {"DrawList", Whole(0, kLastSprite)},
    {"Sprite.X", kSpritePixel}, {"Sprite.Y", kSpritePixel}, {"Sprite.SrcX", Whole(0, 10'000)}, {"Sprite.SrcY", Whole(0, 10'000)},
    {"FacilitySlot.Sprite", kSprite},
    {"Sprite.Width", Whole(0, 10'000)}, {"Sprite.Height", Whole(0, 10'000)}, {"Sprite.Spare1", kSpare},
    {"VisibleDepths", kDepthKey},

    // Service machines on offer.
    {"ServiceFacilityType.Price", kPrice}, {"ServiceFacilityType.Description", kText},
    {"ServiceFacilityType.Name", kText}, {"ServiceFacilityType.Param5", kSpare},
    {"ServiceFacilityType.Index", Whole(0, 10)},

    // Magazines. The issue code is the day code (1..31, 40, 61..66) plus the
    // row / 1000 that orders titles of the same day.
    {"Magazine.Circulation", Whole(0, kCopyLimit)}, {"Magazine.IssueSales", kCopies},
    {"Magazine.Name", kTitleText}, {"Magazine.Price", kPrice}, {"Magazine.IssueDayText", kTitleText},
    {"Magazine.Description", kTitleText}, {"Magazine.Cost", kPrice}, {"Magazine.StandingOrder", kOrdered},
    {"Magazine.Listed", kFlag}, {"Magazine.Stock", kCopies},
    {"Magazine.IssueCode", Real(1, 67)}, {"MagazineWorkList", kTitleRow}, {"Magazine.Category", kCategory},
    {"Magazine.Popularity", kTitlePopularity}, {"Magazine.EditedOrder", kOrdered}, {"Magazine.RankScore", kScore},
    {"Magazine.HeldCopies", kCopies},

    // Books.
    {"Book.Title", kTitleText}, {"Book.Cost", kPrice}, {"Book.Price", kPrice}, {"Book.Description", kTitleText},
    {"Book.Flag", kFlag}, {"Book.Spare1", kSpare}, {"Book.Stock", kCopies},
    {"BookDisplayOrder", kTitleRow}, {"Book.GenreText", kTitleText}, {"Book.StandingOrder", kBooksOrdered},
    {"Book.KeepReordering", kFlag}, {"Book.DaysToDelivery", kDaysToDelivery}, {"Book.CopiesSold", kCount},
    {"Book.Category", kCategory}, {"Book.Popularity", kTitlePopularity}, {"Book.EditedOrder", kBooksOrdered},
    {"Book.EditedReorder", kFlag}, {"Book.RankScore", kScore}, {"BookCandidateList", kTitleRow},
    {"Book.HeldCopies", kCopies},

    // Floor places. FireState: 0 none, 1 just caught, 2..5 burning.
    {"FacilitySlot.Kind", Whole(0, 9)}, {"OccupiedSlots", kPlace}, {"UseCount", kCount},
    {"FacilitySlot.AreaCode", Whole(0, 2)},
    {"FacilitySlot.FireState", Whole(0, 5)}, {"FacilitySlot.FlameSprite", kSprite}, {"FireCandidates", kPlace},
    {"FacilitySlot.Facing", Whole(0, 4)},

    // Shelves and machines on offer.
    {"FixtureType.Price", kPrice}, {"FixtureType.Capacity", kCopies}, {"FixtureType.Description", kText},
    {"FixtureType.Param3", kScore}, {"FixtureType.Index", Whole(0, 10)},

    // Registers, service places, doors. A register's service time is the
    // ticks its model adds to a sale: 5 down to 1, -1 for the fastest (a
    // sale a tick sooner), 10 on an empty place.
    {"ShelvesPerArea", kPlace}, {"RegisterSlot.TypeIndex", Whole(0, 5)}, {"RegisterSlot.Sprite", kSprite},
    {"ServiceSlot.Sprite", kSprite}, {"RegisterSlot.ClerkState", Whole(0, 2)}, {"ServedCount", kCount},
    {"RegisterSlot.Busy", kFlag}, {"RegisterSlot.ServiceTime", Whole(-1, 10)}, {"Door.Cycling", kFlag},
    {"Door.Step", Whole(0, 7)}, {"EditedSalary", kAmount},
    {"RegisterType.Price", kPrice}, {"RegisterType.SpeedText", kText}, {"RegisterType.Name", kText},
    {"RegisterSlot.Kind", Whole(0, 6)}, {"RegisterType.Index", Whole(0, 6)}, {"OfferedList", Whole(0, 10)},
    {"ServiceSlot.Kind", Whole(0, 4)}, {"Door.LeafSprites", kSprite},

    // Person rows.
    {"Person.WaypointX", kCell}, {"Person.WaypointY", kCell},
    {"Person.MagazineCopies", kCopies}, {"Person.BookCopies", kCopies}, {"Person.TitleTaken", kTitleRow},
    {"Person.Name", kText}, {"Person.Age", Whole(0, 200)}, {"Person.TasteText", kText},
    {"Person.State", kPersonState}, {"Person.Look", kLook},
    {"Person.TargetX", kCell}, {"Person.TargetY", kCell}, {"Person.PreferredCategory", kCategory},
    {"Person.Spare1", kSpare}, {"Person.HeadingSet", kFlag}, {"Person.StateTicks", kStateTicks},
    {"Person.TargetSpot", kPlace}, {"Person.Visits", kCount}, {"Person.Spare2", kSpare},
    {"Person.ReturnState", kPersonState}, {"Person.SavedTargetX", kCell}, {"Person.SavedTargetY", kCell},
    {"Person.Satisfaction", Whole(0, 100)}, {"Person.Sprite", kSprite}, {"WaypointCount", Whole(0, 11)},
    {"Person.WaypointsBack", Whole(0, 11)}, {"Person.WideFigure", kFlag},
    {"Person.Heading", Whole(0, 4)}, {"Person.WalkFrame", Whole(0, 4)}, {"Person.TicksAlive", kCount},
    {"Person.QueueRegister", Whole(0, 2)}, {"Person.ServiceCustomer", kFlag},
    {"Person.HasTicket", kFlag},
    {"Person.QueueTicket", Whole(0, kNever + kLastPerson)},  // the count served, and the line after it
    {"Person.AtCounter", kFlag},

    // Applicants and the employed clerks.
    {"Applicant.Name", kText}, {"Applicant.Age", Whole(0, 200)}, {"Applicant.Intro", kText},
    {"Applicant.Employed", kFlag}, {"TodayApplicants", Whole(0, kLastApplicant)},
    {"Applicant.Ability", Whole(0, 100)}, {"Applicant.Energy", Whole(0, 100)}, {"Applicant.Salary", kAmount},
    {"Applicant.Drawn", kFlag}, {"Applicant.Look", kLook},
    {"EmployedList", Whole(0, kLastApplicant)}, {"EmployedSpare", kSpare},
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
    // Every column has exactly one rule.
    std::vector<bool> ruled(L.columns.size(), false);
    for (const NamedRule& r : kRules) {
        auto it = std::find_if(L.columns.begin(), L.columns.end(), [&](const ColumnDef& c) { return c.name == r.name; });
        if (it == L.columns.end()) throw std::logic_error("a rule for an unknown column: " + std::string(r.name));
        const auto at = static_cast<std::size_t>(it - L.columns.begin());
        if (ruled[at]) throw std::logic_error("two rules for " + std::string(r.name));
        ruled[at] = true;
        it->rule = r.rule;
    }
    for (std::size_t i = 0; i < ruled.size(); ++i)
        if (!ruled[i]) throw std::logic_error("no rule for " + std::string(L.columns[i].name));
    // A column of plain numbers holds every value its rule lets in exactly:
    // a number within the rule's range, and a fraction only in a real column.
    // (The loader counts on it: it asks such a column's cells only of a real.)
    for (const ColumnDef& c : L.columns) {
        if (!c.isTyped()) continue;
        const bool whole = !c.holds(Value(0.5));
        if (c.rule.kind == FieldKind::Text || (whole && c.rule.kind != FieldKind::Whole) ||
            !c.holds(Value(static_cast<std::int64_t>(c.rule.lo))) || !c.holds(Value(static_cast<std::int64_t>(c.rule.hi))))
            throw std::logic_error("the rule of " + std::string(c.name) + " lets in values its cells cannot hold");
    }
    // The reset keeps a scalar only: a table is emptied whole.
    for (const ColumnDef& c : L.columns)
        if (c.survivesReset && !c.isScalar())
            throw std::logic_error("a table cannot survive a reset: " + std::string(c.name));

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

bool FieldRule::acceptsReal(double d) const {
    // The bounds are far below 2^53, so they compare exactly as reals.
    if (kind == FieldKind::Text || !std::isfinite(d)) return false;
    if (kind == FieldKind::Whole && d != std::floor(d)) return false;
    return static_cast<double>(lo) <= d && d <= static_cast<double>(hi);
}

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

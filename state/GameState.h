#pragma once
// The whole game state: every scalar, table and catalogue column, held as
// dynamic values (see Value.h), plus the one random generator of the game.
// Every routine of the game reads and writes it directly by name. The list
// of what is saved, emptied and read back lives in StateLayout.cpp.
#include <array>
#include <cstdint>

#include "state/Money.h"
#include "state/NumberCell.h"
#include "state/Random.h"
#include "state/Value.h"

// How far the new day's roll-over has gone while one of its windows is up;
// the windows that show the date read it (state/ShownDate.h).
enum class NewDayStep : std::uint8_t {
    Settled,       // Day and Weekday name one day (Day may stand one past the
                   // month's end, Month at 13: the next month's 1st)
    DayMovedOn,    // Day names the new day, Weekday still the old one
    MonthClosing,  // Day is held back at the closing month's last day
};

template <std::size_t N>
using Col = std::array<Value, N>;
template <std::size_t R, std::size_t C>
using Col2 = std::array<std::array<Value, C>, R>;
// A column of plain numbers (NumberCell.h): the ones the tick touches for
// every person on every tick.
template <std::size_t N>
using WholeCol = std::array<WholeCell, N>;
template <std::size_t N>
using RealCol = std::array<RealCell, N>;

struct GameState {
    // ---- program texts, then the 171 game scalars in declared order ----
    Value VersionText, GameTitle;
    Value SelectedSlot, SelectedMagazineRow, ScrollX, ScrollY, VScrollReserve, HScrollReserve;
    Value Year, Month, Day, Weekday, Hour, HourTicks, CeremonyStep, OpinionFace, FacilityDone;
    Value Funds, GameSpeed, GameOverReason, TotalCustomers, Popularity, Fame, Paused,
        MagazineTitlesStocked, BookTitlesStocked, FacilityCount;
    Value Attraction, ReportCloseSpeed, ReportManualClose, ShopSize, ScheduleRow;
    Value ShowClerkMessages, RobberActive, RobberyDemand, SpareValue01;
    Value StandingReadingPolicy, DaysSinceRobbery, DaysSinceDisaster, Register1Tickets,
        Register2Tickets, SpareValue02, SpareValue03;
    Value Register1Served, Register2Served, CopiesHeld;
    Value FireBurning, FireFacilityCount, FireDiscoveryHold, ShelfFillLevel, FireUndiscovered;
    Value ClerkRowCount, DoorCoverSprite, DoorCoverSprite2, SpareValue04, StatusText, StatusTicks;
    Value TypePos, TypeText, SpareValue05, SpareValue06, SpareValue07, SpareValue08, SpareValue09,
        SpareValue10, QuakeShake, ShakePhase, QuakeTicks, QuakeInProgress;
    Value BorrowAmount, BorrowLimit, DueLoanSlot, ShopOfMonthText, GrandPrizePending, PrintAdCost,
        BroadcastAdCost;
    Value SpareValue11, SpareValue12, GameRunning, SoundOn, CustomersInside, ClerksInside,
        CleanerInside, RobberInside, TicksPerHour, MagazineChartScale, DrawListCount;
    Value CaptionDirty, QuakeKind;
    Value PayoutKind, QuakeBrokenCount, ClerkAdviceToday, DayReportDone;
    Value ClerkInfoDirty, LedgerDirty, MagazineStockRefill, BookAdjustHold, MagazineAdjustHold,
        BorrowSpinDirection, ClerkPopupTicks;
    Value BookStockRefill, BookStockDirty, CeremonyLock, MagazineStockDirty, ShopInfoDirty,
        FloorIconTicks, FloorIconPhase;
    Value SalesChartDirty, ProfitChartDirty, SpareValue13, SalarySpinDirection, SpinHoldTicks;
    Value ShopDetailsDirty, ScheduleDirty, UpkeepDialogMode, ClickedPersonKind, SpareValue14;
    Value ClerkCount, SpareValue15, AutoCleanLevel, CleaningMethod;
    Value StarLevel, Dirtiness, QuakeResistance, ReportTicks, ShopOpen, OpeningHour, ClosingHour,
        CleaningOrdered, CleaningStrength;
    Value LastSpawnedSprite, ClickedPersonSlot, SpareValue16, SpareValue17, SpareValue18,
        VisibleSpriteCount;
    Value SelectedServiceSlot, ServiceTypeCount;
    Value SpareValue19, ShelfCapacity, SpareValue20, CopiesSold, CopiesOnShelves, RouletteTicks,
        BlinkTicks;
    Value MagazineStockRowCount, MagazineTally, ShopName, BurningSlotCount, FireStepTicks,
        FireCandidateCount, SpareValue21, OccupiedSlotCount;
    Value BookTally, BookStockRowCount, BookCandidateCount, SelectedBookRow;
    Value EmployedListCount, AwardRound, ApplicantTally, SpareValue22, SpareValue23, HeadlineText,
        HeadlineTitle, IndustryNewsText, NewsEventCode;
    Value NewsIssueTitle, NewsRankTally, SpareValue24, AwardRankTally, SelectedRegisterSlot,
        OfferedListCount, SpareValue25;

    // ---- counters of tables (saved with their tables) ----
    Value SceneryCount, LitterCount, ClerkMessageCount, ShopArticleCount, HeadlineCount,
        ColumnArticleCount, BookshopCount, MagazineCount, BookCount, FixtureTypeCount,
        RegisterTypeCount, PersonCount, ApplicantCount;

    // ---- tables and lists ----
    Col<11> TopBooks, TopMagazines;
    Col<6> AwardWon;
    Col<71> WindowOpen;
    Col<3> InsuranceJoined;
    struct { Col<3> Amount, DueYear, DueMonth, DueDay; } Loan;
    Col<4> ShopServiceOn;
    Col<21> SceneryList;
    Col<16> LitterList;
    Col<51> ClerkMessages, ShopArticles, HeadlineBodies, HeadlineTitles, ColumnArticles;

    struct {
        Col<65> Name, Param2, Param3, Badness, DirtPoints, Spare1, FacilityScore, Spare2,
            SalesPoints, EffortPoints, Spare3, AwardClean, Spare4, AwardFacility, Spare5,
            AwardSales, AwardEffort, Spare6;
    } Bookshop;
    Col<65> AwardOrder;

    struct { Col<13> Monthly, Daily, Yearly; } CopiesSoldHistory, ProfitHistory;

    // Indexed [category 0..10][period 0..2]; fixed-point, never Empty.
    struct { std::array<std::array<Money, 3>, 11> Income{}, Expense{}; } Ledger;

    // Positions, pictures and sizes are whole pixels; the depth key is real.
    struct {
        WholeCol<501> X, Y, SrcX, SrcY, Width, Height;
        RealCol<501> Depth;
        Col<501> InUse, Spare1;
    } Sprite;
    Col<501> DrawList, VisibleSprites, VisibleDepths;

    struct { Col<11> Price, Description, Name, Param5, Index; } ServiceFacilityType;

    struct {
        Col2<513, 12> Circulation;
        Col2<513, 2> IssueSales;
        Col<513> Name, Price, IssueDayText, Description, Cost, StandingOrder, Listed, Stock,
            IssueCode, Category, Popularity, EditedOrder, RankScore;
        Col<257> HeldCopies;
    } Magazine;
    Col<513> MagazineWorkList;

    struct {
        Col<513> Title, Cost, Price, Description, Flag, Spare1, Stock, GenreText, StandingOrder,
            KeepReordering, DaysToDelivery, CopiesSold, Category, Popularity, EditedOrder,
            EditedReorder, RankScore;
        Col<257> HeldCopies;
    } Book;
    Col<513> BookDisplayOrder, BookCandidateList;

    // Floor places 1..61 (element 0 unused); FacilitySlot.Sprite is declared
    // with the sprite pool's bound.
    struct { Col<62> Kind, AreaCode, FireState, FlameSprite, Facing; Col<501> Sprite; } FacilitySlot;
    Col<62> UseCount, OccupiedSlots, FireCandidates;

    struct { Col<11> Price, Capacity, Description, Param3, Index; } FixtureType;

    Col<2> ShelvesPerArea;
    // Kind is indexed by place 1..2; the other columns by place - 1.
    struct { Col<7> Kind; Col<2> TypeIndex, Sprite, ClerkState, Busy, ServiceTime; } RegisterSlot;
    struct { Col<3> Kind; Col<2> Sprite; } ServiceSlot;
    Col<2> ServedCount;
    struct { Col<4> LeafSprites; Col<2> Cycling, Step; } Door;
    Col<2> EditedSalary;

    struct { Col<7> Price, SpeedText, Name, Index; } RegisterType;
    Col<10> OfferedList;

    struct {
        Col2<257, 11> WaypointX, WaypointY;
        Col<257> MagazineCopies, BookCopies, TitleTaken, Name, Age, TasteText, PreferredCategory, Spare1,
            HeadingSet, StateTicks, TargetSpot, Visits, Spare2, ReturnState, SavedTargetX, SavedTargetY,
            Satisfaction, Sprite, WaypointsBack, TicksAlive, QueueRegister, ServiceCustomer, HasTicket,
            QueueTicket, AtCounter;
        WholeCol<257> State, Look, TargetX, TargetY, WideFigure, Heading, WalkFrame;
    } Person;
    Col<257> WaypointCount;

    struct {
        Col<129> Name, Age, Intro, Employed, Ability, Energy, Salary, Drawn, Look;
    } Applicant;
    Col<129> TodayApplicants;

    Col<6> EmployedList, EmployedSpare;

    // The walkability grid, [gx][gy]; only ever holds whole numbers.
    static constexpr int kGridSize = 513;
    std::array<std::array<std::int32_t, kGridSize>, kGridSize> FloorGrid{};

    // Not saved: the one random generator of the game.
    Random rng;
    // Not saved: the roll-over only stands between its steps inside one
    // tick, while a game can be neither saved nor loaded.
    NewDayStep newDayStep = NewDayStep::Settled;
    // Not saved: set while this game's main tick runs (its re-entry guard),
    // and cleared however the tick ends.
    bool inTick = false;
    // Not saved: what the main tick's person slots read and none of their
    // steps changes, worked out by the first slot of the tick that needs it
    // (sim/CustomerArrival.cpp). It holds only while the main tick runs its
    // person slots; outside them every step works it out afresh.
    struct {
        bool inPersonLoop = false;
        bool arrivalsKnown = false;
        bool arrivalHours = false;  // a shopper may come: working hours with a clerk
        int arrivalDivisor = 0;     // the shopper's one-in-N chance, from the attraction
    } tickMemo;

    // Int(Rnd * n): a uniform draw 0..n-1 from the game's generator.
    double Rnd() { return rng.next(); }
    int RndInt(int n) { return static_cast<int>(rng.next() * n); }
};

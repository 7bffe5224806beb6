#pragma once
// The people on the floor: which person slot plays which part, and the state
// codes of each part's state machine (Person.State): the customers of slots
// 6 to 25, the clerks, the robber and the cleaner.

// The fixed role of each person slot; a slot keeps its role for the whole
// game.
namespace PersonSlot {
inline constexpr int Clerk1 = 0;
inline constexpr int Clerk2 = 1;
inline constexpr int Robber = 2;
inline constexpr int SpareClerk1 = 3;  // never stepped
inline constexpr int SpareClerk2 = 4;  // never stepped
inline constexpr int Cleaner = 5;
inline constexpr int FirstCustomer = 6;
inline constexpr int LastCustomer = 25;
}  // namespace PersonSlot

enum class PersonSlotRole { Clerk, Robber, SpareClerk, Cleaner, Customer };

constexpr PersonSlotRole RoleOfSlot(int slot) {
    if (slot == PersonSlot::Clerk1 || slot == PersonSlot::Clerk2) return PersonSlotRole::Clerk;
    if (slot == PersonSlot::Robber) return PersonSlotRole::Robber;
    if (slot == PersonSlot::Cleaner) return PersonSlotRole::Cleaner;
    if (slot >= PersonSlot::FirstCustomer) return PersonSlotRole::Customer;
    return PersonSlotRole::SpareClerk;
}

// Person.State of a customer slot. 0 is absent in every role. Codes 10, 41,
// 43 and 45 are never used.
namespace CustomerState {
inline constexpr int Absent = 0;
inline constexpr int EnterUpperDoor = 1;
inline constexpr int ToZoneA = 2;
inline constexpr int UseFacilityA = 3;
inline constexpr int ToRegister1 = 4;
inline constexpr int ApproachRegister1 = 5;
inline constexpr int QueueRegister1 = 6;
inline constexpr int LeaveUpperDoor = 7;
inline constexpr int ExitUpperTop = 8;
inline constexpr int ExitUpperLeft = 9;
inline constexpr int ToZoneB = 11;
inline constexpr int UseFacilityB = 12;
inline constexpr int EnterSideDoor = 13;
inline constexpr int ToZoneC = 14;
inline constexpr int UseFacilityC = 15;
inline constexpr int QueueRegister2 = 16;
inline constexpr int LeaveSideDoor = 17;
inline constexpr int ExitSideLeft = 18;
inline constexpr int ToZoneD = 19;
inline constexpr int UseFacilityD = 20;
inline constexpr int ToRegister2 = 21;
inline constexpr int ToZoneE = 22;
inline constexpr int UseFacilityE = 23;
inline constexpr int ToRegister2FromE = 24;
inline constexpr int ToZoneF = 25;
inline constexpr int ToZoneFInner = 26;
inline constexpr int UseFacilityF = 27;
inline constexpr int LeaveZoneF = 28;
inline constexpr int ToZoneG = 29;
inline constexpr int ToZoneGInner = 30;
inline constexpr int UseFacilityG = 31;
inline constexpr int LeaveZoneG = 32;
inline constexpr int LeaveZoneGOuter = 33;
inline constexpr int PassTopToLeft = 34;
inline constexpr int PassLeftToTop = 35;
inline constexpr int PassTopToRight = 36;
inline constexpr int PassRightToTop = 37;
inline constexpr int SidestepDownLeft = 38;
inline constexpr int WalkBack = 39;
inline constexpr int SidestepUpRight = 40;
inline constexpr int ServiceEnterUpperDoor = 42;
inline constexpr int ServiceEnterSideDoor = 44;
inline constexpr int ServiceToRegister1 = 46;
inline constexpr int ServiceToRegister2 = 47;
// How many state codes there are (0 .. ServiceToRegister2): the rows of the
// tables looked up by state.
inline constexpr int kStateCodes = ServiceToRegister2 + 1;
}  // namespace CustomerState

// The kind of visitor drawn at every arrival attempt of an absent slot.
enum class CustomerKind : int { Shopper = 0, ServiceCounterCustomer = 1, PasserBy = 2 };

// Person.State of a clerk row (slots 0 and 1).
enum ClerkState {
    ClerkAbsent = 0,
    ClerkArrive = 1,
    ClerkToCounter = 2,
    ClerkChooseRegister = 3,
    ClerkAtPostA = 4,  // register 1
    ClerkAtPostB = 5,  // register 2
    ClerkLeaveCounter = 51,
    ClerkToDoor = 52,
    ClerkExit = 53,
};

// RegisterSlot.ClerkState of a register. Customers pay at a register only
// while it is ClerkAtRegister.
enum RegisterAttendance { Unattended = 0, ClerkComing = 1, ClerkAtRegister = 2 };

// Person.State of the robber's slot (code 3 is not used).
namespace RobberState {
inline constexpr int Absent = 0;
inline constexpr int Enter = 1;       // toward a cell of the front door
inline constexpr int AtRegister = 2;  // toward register 1's counter
inline constexpr int ToDoor = 4;      // out past the front door
inline constexpr int LeaveNorth = 5;  // off the top edge
inline constexpr int LeaveWest = 6;   // off the left edge
}  // namespace RobberState

// Person.State of the cleaner's row.
namespace CleanerState {
inline constexpr int Absent = 0;
inline constexpr int Enter = 1;       // to the front door
inline constexpr int ToArea1 = 2;
inline constexpr int CleanArea1 = 3;  // mopping down and to the right
inline constexpr int ToArea2 = 4;
inline constexpr int CleanArea2 = 5;  // mopping down and to the left
inline constexpr int FromArea2 = 6;
inline constexpr int ToDoor = 7;      // at the door it counts as gone out
inline constexpr int Exit = 8;        // outside; there the order is done
}  // namespace CleanerState

// True while the cleaner mops: it moves itself and keeps its heading at 0.
constexpr bool CleanerMops(int state) { return state == CleanerState::CleanArea1 || state == CleanerState::CleanArea2; }

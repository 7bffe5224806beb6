// The queues at the two registers: a numbered ticket, a waiting cell by the
// place in line, the service ticks at the counter while the clerk stands
// there, the payment, and the way out.
#include "sim/Customer.h"
#include "sim/CustomerStates.h"
#include "sim/MachineSales.h"
#include "state/PersonSlots.h"
#include "state/HourLength.h"
#include "state/EquipmentCatalogue.h"
#include "state/Counters.h"
#include "state/TableRows.h"

using namespace CustomerState;

namespace {

constexpr int kWaitingPlaces = 9;  // the tenth and later share place 9's cell

struct RegisterQueue {
    int state;
    int registerNo;
    int frameRow;    // Sprite.SrcY of the standing and paying frames
    int leaveState;  // the way out by this register's door
    GridCell places[kWaitingPlaces];  // place 1 is the counter
};
// Register 2's line is register 1's mirrored: (x - 2, 124 - y).
constexpr RegisterQueue kQueues[] = {
    {QueueRegister1, 1, 96, LeaveUpperDoor,
     {{56, 54}, {57, 53}, {58, 54}, {59, 53}, {58, 52}, {57, 51}, {58, 50}, {59, 51}, {60, 52}}},
    {QueueRegister2, 2, 0, LeaveSideDoor,
     {{54, 70}, {55, 71}, {56, 70}, {57, 71}, {56, 72}, {55, 73}, {56, 74}, {57, 73}, {58, 72}}},
};

// The service ticks at the counter, after the register's own service time t:
// the sale at 4 + t, the standing frame again at 7 + t, leaving at 10 + t.
constexpr int kSaleTick = 4;
constexpr int kStandAgainTick = 7;
constexpr int kLeaveTick = 10;
constexpr int kClerkAtRegister = 2;
constexpr int kFigureColumnWidth = 112;
constexpr int kPayingColumn = 64;

// Register 2's corner: a customer standing here is turned up-right.
constexpr GridCell kRegister2Corner{46, 80};
constexpr int kUpRight = 2;

// The waiting cell of a place in line: place 1 is the counter, and the
// tenth and later wait on place 9's cell.
GridCell WaitingCell(const RegisterQueue& q, std::int64_t place) {
    return place >= 1 && place <= kWaitingPlaces ? q.places[place - 1] : q.places[kWaitingPlaces - 1];
}

Value& Tickets(GameState& g, int r) { return r == 1 ? g.Register1Tickets : g.Register2Tickets; }
Value& Served(GameState& g, int r) { return r == 1 ? g.Register1Served : g.Register2Served; }

void ShowFrame(GameState& g, int slot, const RegisterQueue& q, int column) {
    const int sp = PersonSpriteSlot(g, slot);
    if (sp < 0) return;
    g.Sprite.SrcX[sp] = kFigureColumnWidth * g.Person.Look[slot].i() + column;
    g.Sprite.SrcY[sp] = q.frameRow;
}

bool SellsSomething(const GameState& g, int place) {
    const int kind = g.ServiceSlot.Kind[place].i();
    return kind != static_cast<int>(ServiceFacilityKind::Vacant) &&
           kind != static_cast<int>(ServiceFacilityKind::ManagerStatue);
}

// What a customer at the counter has still to pay for: a service-counter
// customer's purchase, or the copies a shopper reserved on its way in. The
// payment ends both (a checkout with empty shelves gives the copies back).
bool StillOwes(const GameState& g, int slot) {
    const auto& P = g.Person;
    return P.ServiceCustomer[slot].asInt() == 1 || P.MagazineCopies[slot].asInt() != 0 ||
           P.BookCopies[slot].asInt() != 0;
}

void Pay(GameState& g, int slot, const RegisterQueue& q) {
    auto& P = g.Person;
    const int r = q.registerNo;
    ShowFrame(g, slot, q, kPayingColumn);
    if (P.ServiceCustomer[slot].asInt() == 0) {
        CheckoutCustomer(g, slot);
        CountUp(g.ServedCount[r - 1]);
    }
    if (P.ServiceCustomer[slot].asInt() == 1) {
        SellAtServiceCounter(g, r);
        CountUp(g.ServedCount[r - 1]);
    }
    P.ServiceCustomer[slot] = 0;
    // One customer in three also takes something from the service machine.
    if (g.RndInt(3) == 0 && SellsSomething(g, r)) SellAtServiceCounter(g, r);
}

// The customer at the counter has gone: everyone behind moves up a place.
// That is one more customer served; at the top of its count (which no game
// reaches) the tickets held count down instead, so the places still fall.
void MoveQueueUp(GameState& g, int r) {
    Value& served = Served(g, r);
    if (served.asInt() < kCountLimit) {
        served = served.asInt() + 1;
        return;
    }
    auto& P = g.Person;
    const int people = RowsInUse(g.PersonCount, P.HasTicket);
    for (int p = 0; p < people; ++p)
        if (P.HasTicket[p].asInt() != 0 && P.QueueRegister[p].asInt() == r)
            P.QueueTicket[p] = P.QueueTicket[p].asInt() - 1;
}

void LeaveCounter(GameState& g, int slot, const RegisterQueue& q) {
    auto& P = g.Person;
    const int r = q.registerNo;
    g.RegisterSlot.Busy[r - 1] = 0;
    ChangeCustomerState(g, slot, q.leaveState);
    P.QueueTicket[slot] = 0;
    P.AtCounter[slot] = 0;
    Tickets(g, r) = Tickets(g, r).asInt() - 1;
    P.HasTicket[slot] = 0;
    P.QueueRegister[slot] = 0;
    P.ServiceCustomer[slot] = 0;  // away from the counter nobody is served any more
    MoveQueueUp(g, r);
}

// After hours with no clerk inside, nobody will come to the counter: a
// clerk only comes in before the last working hour. So it is when that hour
// began with a clerk employed but none inside (one hired in the evening),
// or when the clerks were dismissed while customers queued.
bool NobodyComesToServe(const GameState& g) { return !WithinWorkingHours(g) && g.ClerksInside.asInt() == 0; }

}  // namespace

void StepRegisterQueue(GameState& g, int slot) {
    auto& P = g.Person;
    const RegisterQueue* found = nullptr;
    for (const RegisterQueue& q : kQueues)
        if (P.State[slot].asReal() == q.state) found = &q;
    if (!found) return;
    const RegisterQueue& q = *found;
    const int r = q.registerNo;

    P.QueueRegister[slot] = r;
    if (P.HasTicket[slot].asInt() == 0) {
        P.HasTicket[slot] = 1;
        Tickets(g, r) = Tickets(g, r).asInt() + 1;
        P.QueueTicket[slot] = Tickets(g, r).asInt() + Served(g, r).asInt();
    }
    // Places fall as the customers ahead leave; no record is touched.
    const std::int64_t place = PlaceInLine(g, slot);
    SetTarget(g, slot, WaitingCell(q, place));
    if (place == 1) P.AtCounter[slot] = 1;

    const bool there = StandsOnTarget(g, slot);
    if (there) ShowFrame(g, slot, q, 0);
    if (P.AtCounter[slot].asInt() != 1) return;
    if (P.StateTicks[slot].asInt() == 0) ShowFrame(g, slot, q, 0);
    if (!there) return;
    g.RegisterSlot.Busy[r - 1] = 1;
    if (g.RegisterSlot.ClerkState[r - 1].asInt() != kClerkAtRegister) {
        // Waits for the clerk, unless none will come: then it goes home
        // unserved, paying nothing, and what it reserved goes back to the
        // shelves at the door. Those behind it move up and follow.
        if (NobodyComesToServe(g)) LeaveCounter(g, slot, q);
        return;
    }

    const int t = g.RegisterSlot.ServiceTime[r - 1].i();
    const int n = P.StateTicks[slot].i() + 1;
    P.StateTicks[slot] = n;
    if (n == 1) ShowFrame(g, slot, q, 0);
    // A register bought or removed while the customer is served moves the
    // sale tick. One moved below the ticks already counted is not passed
    // over: a customer who still owes pays on the next tick instead, as a
    // facility use ends past its last tick. (With the small workstation, t is
    // -1 and the sale falls on service tick 3.)
    if (n == kSaleTick + t || (n > kSaleTick + t && StillOwes(g, slot))) Pay(g, slot, q);
    if (n == kStandAgainTick + t) ShowFrame(g, slot, q, 0);
    if (n >= kLeaveTick + t) LeaveCounter(g, slot, q);
}

std::int64_t PlaceInLine(const GameState& g, int slot) {
    const Value& served = g.Person.QueueRegister[slot].asInt() == 1 ? g.Register1Served : g.Register2Served;
    return g.Person.QueueTicket[slot].asInt() - served.asInt();
}

GridCell QueueWaitingCell(int registerNo, std::int64_t place) {
    for (const RegisterQueue& q : kQueues)
        if (q.registerNo == registerNo) return WaitingCell(q, place);
    return {0, 0};
}

void SteerAtRegister2(GameState& g, int slot) {
    if (StandsOn(g, slot, kRegister2Corner)) g.Person.Heading[slot] = kUpRight;
}

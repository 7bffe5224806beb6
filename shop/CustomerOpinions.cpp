#include "shop/CustomerOpinions.h"

#include <algorithm>
#include <iterator>

#include "shop/Complaints.h"
#include "shop/Staff.h"
#include "state/Counters.h"
#include "state/TableRows.h"

namespace {

// ServiceTime of a register place: 5..1 for the register types from slow to
// fast, -1 for the fastest, 10 while the place is empty.
constexpr int kSlowRegister = 4;
constexpr int kFastRegister = 1;

bool SlowRegister(const GameState& g) {
    return g.RegisterSlot.ServiceTime[0].asReal() >= kSlowRegister ||
           g.RegisterSlot.ServiceTime[1].asReal() >= kSlowRegister;
}
bool FastRegister(const GameState& g) {
    return g.RegisterSlot.ServiceTime[0].asReal() <= kFastRegister ||
           g.RegisterSlot.ServiceTime[1].asReal() <= kFastRegister;
}
// Shelves stand in an area whose register place (Kind indexed by place
// 1..2) is empty.
template <int kArea>
bool ShelvesWithoutRegister(const GameState& g) {
    return g.ShelvesPerArea[kArea].asReal() != 0 && g.RegisterSlot.Kind[kArea + 1].asReal() == 0;
}
bool Always(const GameState&) { return true; }
bool Clean(const GameState& g) { return g.Dirtiness.asReal() < 10; }
bool Filthy(const GameState& g) { return g.Dirtiness.asReal() >= 80; }
bool Dirty(const GameState& g) { return g.Dirtiness.asReal() >= 70; }
template <int kPolicy>
bool Policy(const GameState& g) {
    return g.StandingReadingPolicy.is(kPolicy);
}
bool Shaky(const GameState& g) { return g.QuakeResistance.asReal() < 20; }
bool SoldSomething(const GameState& g) { return g.CopiesSold.asReal() >= 1; }

bool NoShelves(const GameState& g) { return g.OccupiedSlotCount.asReal() == 0; }
bool NoBooks(const GameState& g) { return g.OccupiedSlotCount.asReal() != 0 && g.CopiesOnShelves.asReal() == 0; }
bool NoClerk(const GameState& g) { return g.ApplicantTally.asReal() == 0; }

// The number of characters of a UTF-8 text (every game text is UTF-8).
int CharCount(const std::string& s) {
    int n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

// The first `n` characters of a UTF-8 text (all of it when n is larger).
std::string FirstChars(const std::string& s, int n) {
    std::size_t end = 0;
    for (int k = 0; end < s.size(); ++end) {
        if ((static_cast<unsigned char>(s[end]) & 0xC0) != 0x80 && k++ == n) break;
    }
    return s.substr(0, end);
}

int EmployedClerks(const GameState& g) {
    int n = 0;
    const int rows = RowsInUse(g.ApplicantCount, g.Applicant.Employed);
    for (int k = 0; k < rows; ++k)
        if (g.Applicant.Employed[k].asReal() != 0) ++n;
    return n;
}

}  // namespace

const OpinionRow kOpinionCandidates[15] = {
    {"收银机很慢!", SlowRegister},
    {"没有收银机!", ShelvesWithoutRegister<0>},
    {"没有收银机!", ShelvesWithoutRegister<1>},
    {"收银机速度很快，效率很高", FastRegister},
    {"想要漫画书。", Always},
    {"希望多放入一些小说。", Always},
    {"这家店很干净。", Clean},
    {"这家店太脏了!!我不想去这种店……", Filthy},
    {"这家店有点脏。", Dirty},
    {"可以自由地站读，真高兴!", Policy<0>},
    {"书很凌乱。", Policy<0>},
    {"可以随便站读，书也很干净，真开心。", Policy<1>},
    {"不允许站读，哪本书好都不知道。", Policy<2>},
    {"店铺好像快倒塌了……希望尽快提高抗震度。", Shaky},
    {"在您的店中发现了一本超棒的书，谢谢。", SoldSomething},
};

const OpinionRow kOpinionOverrides[3] = {
    {"没有书架!", NoShelves},
    {"没有书!", NoBooks},
    {"没有店员。", NoClerk},
};

// The clerks are counted after the policy rows, before the quake row.
constexpr int kClerkCountBefore = 13;

std::vector<std::string> GatherOpinions(GameState& g) {
    std::vector<std::string> out;
    for (int k = 0; k < static_cast<int>(std::size(kOpinionCandidates)); ++k) {
        if (k == kClerkCountBefore) g.ApplicantTally = EmployedClerks(g);
        if (kOpinionCandidates[k].holds(g)) out.push_back(kOpinionCandidates[k].sentence);
    }
    return out;
}

void OpenCustomerOpinions(GameState& g) {
    DrawOpinionFace(g);
    const std::vector<std::string> candidates = GatherOpinions(g);
    std::string said = candidates[g.RndInt(static_cast<int>(candidates.size()))];
    for (const OpinionRow& o : kOpinionOverrides)
        if (o.holds(g)) said = o.sentence;
    g.TypeText = said;
    g.TypePos = 0;
}

TypedFrame TypeOpinion(GameState& g) {
    const std::string text = g.TypeText.asText();
    const int length = CharCount(text);
    if (g.TypePos.asReal() <= length) g.TypePos = g.TypePos.asInt() + 1;
    TypedFrame f{FirstChars(text, std::max(0, g.TypePos.i())), Mouth::AsItWas};
    if (g.TypePos.asReal() >= length) {
        f.mouth = Mouth::Closed;
        return f;
    }
    CountUp(g.BlinkTicks);
    if (g.BlinkTicks.asInt() == 1) {
        f.mouth = Mouth::Closed;
    } else if (g.BlinkTicks.asInt() == 2) {
        f.mouth = Mouth::Open;
        g.BlinkTicks = 0;
    }
    return f;
}

std::string OpinionFacePicture(const GameState& g, bool mouthOpen) {
    if (!mouthOpen) return FacePicture(g.OpinionFace);
    return "Graphic/Human" + std::to_string(g.OpinionFace.asInt() + 1) + ".1.dat";
}

void CustomerOpinionsClosed(GameState& g) { AddToScore(g.Bookshop.EffortPoints[0], 1); }

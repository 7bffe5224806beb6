#include "shop/PersonInfo.h"

#include "shop/Staff.h"
#include "state/PersonSlots.h"

namespace {

// The robber panel's texts never change: nobody knows who it is.
constexpr const char* kRobberName = "迷";
constexpr const char* kRobberAge = "??岁";
constexpr const char* kRobberNote = "遇到强盗!!";
constexpr const char* kCleanerNote = "是清扫业者";

std::string Years(const Value& age) { return age.asText() + "岁"; }
std::string OutOf100(const Value& v) { return v.asText() + "/100"; }

}  // namespace

PersonPopupMode PopupModeOfSlot(int slot) {
    switch (RoleOfSlot(slot)) {
    case PersonSlotRole::Clerk: return PersonPopupMode::Clerk;
    case PersonSlotRole::Robber: return PersonPopupMode::Robber;
    case PersonSlotRole::Cleaner: return PersonPopupMode::CleaningContractor;
    case PersonSlotRole::SpareClerk:
    case PersonSlotRole::Customer: break;
    }
    return PersonPopupMode::Customer;
}

void NoteClickedPerson(GameState& g, const FloorClickResult& click) {
    g.ClickedPersonKind = static_cast<int>(PersonPopupMode::Customer);
    if (click.hit != FloorHit::Person) return;
    g.ClickedPersonKind = static_cast<int>(PopupModeOfSlot(click.number));
    g.ClickedPersonSlot = click.number;
}

std::string FacePictureFile(int look) { return "Graphic/Human" + std::to_string(look + 1) + ".dat"; }

PersonPopupView PersonPopup(GameState& g) {
    PersonPopupView v;
    const int s = g.ClickedPersonSlot.i();
    if (s < 0 || s >= static_cast<int>(g.Person.Name.size())) return v;
    const auto& p = g.Person;

    switch (g.ClickedPersonKind.i()) {
    case static_cast<int>(PersonPopupMode::Customer):
        v.mode = PersonPopupMode::Customer;
        v.caption = "顾客";
        v.face = p.Look[s].i();
        v.name = p.Name[s].asText();
        v.age = Years(p.Age[s]);
        v.taste = p.TasteText[s].asText();
        v.satisfaction = OutOf100(p.Satisfaction[s]);
        v.satisfactionValue = p.Satisfaction[s];
        v.visits = p.Visits[s].asText() + "回";
        break;
    case static_cast<int>(PersonPopupMode::CleaningContractor):
        v.mode = PersonPopupMode::CleaningContractor;
        v.caption = "清扫业者";
        v.name = p.Name[s].asText();
        v.age = Years(p.Age[s]);
        v.note = kCleanerNote;
        break;
    case static_cast<int>(PersonPopupMode::Clerk): {
        RebuildEmployedList(g);
        // A clerk who has just been dismissed is no longer in the list.
        if (s >= g.EmployedListCount.i()) return v;
        const int a = g.EmployedList[s].i();
        const auto& ap = g.Applicant;
        v.mode = PersonPopupMode::Clerk;
        v.caption = "店员的信息";
        v.face = p.Look[s].i();
        v.name = ap.Name[a].asText();
        v.age = Years(ap.Age[a]);
        v.salary = ap.Salary[a].asText() + "円";
        v.energy = OutOf100(ap.Energy[a]);
        v.energyValue = ap.Energy[a];
        v.ability = OutOf100(ap.Ability[a]);
        v.abilityValue = ap.Ability[a];
        break;
    }
    case static_cast<int>(PersonPopupMode::Robber):
        v.mode = PersonPopupMode::Robber;
        v.caption = "强盗";
        v.name = kRobberName;
        v.age = kRobberAge;
        v.note = kRobberNote;
        break;
    default:
        return v;
    }
    v.shown = true;
    return v;
}

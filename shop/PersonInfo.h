#pragma once
// Who a person on the shop floor is: the texts the person popup (PersonPopupDialog)
// shows for the clicked person. The floor click stores the kind of person
// in ClickedPersonKind and the person slot in ClickedPersonSlot
// (NoteClickedPerson).
#include <string>

#include "floor/FloorClick.h"
#include "state/GameState.h"

// The values of ClickedPersonKind: which panel the popup shows.
enum class PersonPopupMode : int {
    Customer = 0,            // any slot but the ones below
    CleaningContractor = 1,  // slot 5
    Clerk = 2,               // slots 0 and 1
    Robber = 3,              // slot 2
};

// The panel of the person in `slot`, by the part the slot plays: the
// clerks', the robber's, the cleaning contractor's, else a customer's.
PersonPopupMode PopupModeOfSlot(int slot);

// What a floor click leaves for the popup: the kind of the person hit (a
// customer's when no person was hit) and, for a person, its slot.
void NoteClickedPerson(GameState& g, const FloorClickResult& click);

// The face picture of look k (mouth closed): "Graphic/Human1.dat" for 0.
std::string FacePictureFile(int look);

struct PersonPopupView {
    // False when there is nobody to show (a clerk slot no longer in the
    // employed list, a slot or kind outside the tables): the popup closes
    // at once without showing a panel.
    bool shown = false;
    PersonPopupMode mode = PersonPopupMode::Customer;
    std::string caption;  // the window caption
    int face = -1;        // Person.Look of the face shown; -1 for a fixed portrait

    std::string name, age;
    // Customer.
    std::string taste, visits, satisfaction;
    Value satisfactionValue;  // what the satisfaction bar is drawn from
    // Cleaning contractor and robber: the line below name and age.
    std::string note;
    // Clerk.
    std::string salary, energy, ability;
    Value energyValue, abilityValue;
};

// The popup of the clicked person. For a clerk it first rebuilds the
// employed list and shows the s-th employed applicant for slot s.
PersonPopupView PersonPopup(GameState& g);

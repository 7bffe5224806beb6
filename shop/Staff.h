#pragma once
// The shop's staff: the day's short list of job applicants, hiring and
// dismissing clerks, and the two rebuilds that keep the clerk rows of the
// person table (rows 0 and 1) and the employed list in step with who is
// employed. The hire, dismissal, settings and salary windows show what these
// leave in the state.
#include <string>
#include <vector>

#include "state/GameState.h"

// The hire list holds 6 to 11 applicants, drawn afresh at every opening.
inline constexpr int kHireListMinLength = 6;
inline constexpr int kHireListLengths = 6;

// What the dismissal asks and how it refuses.
inline constexpr const char* kDismissWhileOpenText = "现在正在营业中，请在打烊后进行店员的解雇。";
inline constexpr const char* kDismissQuestionText = "真的要解雇吗？";
// A dismissal costs the shop this much popularity (not held at 0 here: the
// weekly step brings it back into 0..100).
inline constexpr int kDismissalPopularityCost = 5;

// Where a dismissed clerk's figure is moved: left of everything drawn.
inline constexpr int kDismissedFigureX = -48;

// Refills the clerk rows from the employed applicants in applicant-row
// order: name, age, look, the taste text "店铺的店员" and preferred category
// 0, and nothing else of the row (state, position and sprite belong to the
// clerk on the floor). ClerkRowCount becomes the number of rows filled.
void RebuildClerkRows(GameState& g);

// Refills EmployedList with the applicant rows of the employed clerks in
// row order; EmployedListCount becomes their number. Entries past the count
// are left as they were.
void RebuildEmployedList(GameState& g);

// Draws the hire dialog's list at its opening: a length of 6..11, then for
// each position rows of the whole applicant table, one draw after another,
// until one is neither employed nor already offered since the last hire;
// that one is marked as offered. An opening that finds everybody who is not
// employed already offered clears the marks first and draws from them all
// again; a list that runs out of applicants part-way ends there, shorter.
// Empty only when every applicant is employed. Sets TodayApplicants and
// ApplicantTally and returns the tally.
int DrawTodayApplicants(GameState& g);

// Hires the applicant at position `listPos` of today's list: one month's
// salary booked as a salaries expense (whatever the funds), employed with
// energy 50, ClerkCount up by one, both rebuilds, and every applicant's
// offered mark cleared. False, with nothing changed, when the position is
// not on the list (an empty list hires nobody).
bool HireApplicant(GameState& g, int listPos);

// The dismissal button of the clerk at position `listPos` of the employed
// list. While the shop is open it refuses with a message; otherwise it asks,
// and on Yes dismisses: the applicant is free again, ClerkCount down by one,
// popularity down by 5, both rebuilds, the dismissed row's figure moved off
// the floor, and every clerk row that no clerk fills any more taken off the
// floor and counted out of the shop. True when the clerk was dismissed (the
// dialog then closes).
bool DismissClerk(GameState& g, int listPos);

// The applicant rows of the employed clerks in ascending order, counted into
// ClerkRowCount again (the number the last rebuild gave), as the clerk
// settings dialog lists them.
std::vector<int> RecountClerkRows(GameState& g);

// What the staff windows show of one applicant.
struct StaffCard {
    std::string name;
    std::string age;      // "17岁"
    std::string intro;
    std::string energy;   // "50/100"
    std::string ability;  // "64/100"
    std::string salary;   // "24万0000円"
    Value energyValue, abilityValue;  // what the bars are drawn from
    std::string face;     // the face picture below the program's folder
    int look = 0;
};
StaffCard ApplicantCard(const GameState& g, int row);

// A salary as the staff windows show it: "24万0000円".
std::string SalaryText(const Value& salary);

// Face k of a person or applicant: "Graphic/Human<k+1>.dat" (look 0 reads
// picture number 1).
std::string FacePicture(const Value& look);

#pragma once
// The part the dismissal dialog (FireClerkDialog) and the salary dialog (SalaryDialog)
// share: the list of employed clerks on the left and, beside it, the face,
// name, age, energy and ability of the clerk selected. Each dialog adds its
// own salary row below.
#include <array>

class QFrame;
class QLabel;
class QListWidget;
class QWidget;
struct GameState;
struct StaffCard;

namespace clerk_particulars {

// Makes the list (returned), the face box and the rows of name, age, energy
// and ability into the dialog's controls: captions 0 "姓名", 1 "年龄",
// 4 "气力", 2 "能力"; values 0 name, 1 age, 2 energy, 3 ability; bars and
// their frames 0 energy, 1 ability.
QListWidget* Make(QWidget* dialog, std::array<QLabel*, 1>& face, std::array<QLabel*, 5>& captions,
                  std::array<QLabel*, 5>& values, std::array<QFrame*, 2>& bars, std::array<QFrame*, 2>& frames);
// Lists the employed clerks' names and selects the first.
void ListEmployed(QListWidget* list, const GameState& g);
// Shows a clerk's name, age, energy and ability with their bars, and the face.
void Show(const StaffCard& c, const std::array<QLabel*, 5>& values, const std::array<QFrame*, 2>& bars,
          const std::array<QFrame*, 2>& frames, QLabel* face);

}  // namespace clerk_particulars

#include "ui/shop/ClerkParticulars.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>

#include "ui/shop/HireClerkDialog.h"
#include "shop/Staff.h"
#include "state/GameState.h"

namespace clerk_particulars {

QListWidget* Make(QWidget* dialog, std::array<QLabel*, 1>& face, std::array<QLabel*, 5>& captions,
                  std::array<QLabel*, 5>& values, std::array<QFrame*, 2>& bars, std::array<QFrame*, 2>& frames) {
    auto* list = new QListWidget(dialog);
    list->setGeometry(12, 36, 116, 174);

    face[0] = MakeFaceBox(dialog, QPoint(140, 36));
    face[0]->setFrameShape(QFrame::Panel);
    face[0]->setFrameShadow(QFrame::Sunken);

    // Name and age beside the face, the gauges below it.
    captions[0] = MakeCaption(dialog, QStringLiteral("姓名"), QRect(214, 42, 32, 18));
    values[0] = MakeValueLabel(dialog, QRect(246, 42, 90, 18));
    captions[1] = MakeCaption(dialog, QStringLiteral("年龄"), QRect(214, 66, 32, 18));
    values[1] = MakeValueLabel(dialog, QRect(246, 66, 90, 18));
    captions[4] = MakeCaption(dialog, QStringLiteral("气力"), QRect(140, 112, 32, 18));
    values[2] = MakeValueLabel(dialog, QRect(174, 112, 52, 18));
    bars[0] = MakeBar(dialog, QRect(228, 116, 100, 10));
    frames[0] = MakeBarFrame(dialog, QRect(228, 116, 100, 10));
    captions[2] = MakeCaption(dialog, QStringLiteral("能力"), QRect(140, 136, 32, 18));
    values[3] = MakeValueLabel(dialog, QRect(174, 136, 52, 18));
    bars[1] = MakeBar(dialog, QRect(228, 140, 100, 10));
    frames[1] = MakeBarFrame(dialog, QRect(228, 140, 100, 10));
    return list;
}

void ListEmployed(QListWidget* list, const GameState& g) {
    for (int p = 0; p < g.EmployedListCount.i(); ++p)
        list->addItem(QString::fromStdString(g.Applicant.Name[g.EmployedList[p].i()].asText()));
    list->setCurrentRow(0);
}

void Show(const StaffCard& c, const std::array<QLabel*, 5>& values, const std::array<QFrame*, 2>& bars,
          const std::array<QFrame*, 2>& frames, QLabel* face) {
    values[0]->setText(QString::fromStdString(c.name));
    values[1]->setText(QString::fromStdString(c.age));
    values[2]->setText(QString::fromStdString(c.energy));
    values[3]->setText(QString::fromStdString(c.ability));
    SetBarWidth(bars[0], frames[0], c.energyValue);
    SetBarWidth(bars[1], frames[1], c.abilityValue);
    ShowFace(face, c.face);
}

}  // namespace clerk_particulars

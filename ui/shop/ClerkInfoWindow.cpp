#include "ui/shop/ClerkInfoWindow.h"

#include <QFrame>
#include <QLabel>

#include "ui/kit/Controls.h"
#include "ui/shop/HireClerkDialog.h"

namespace {

constexpr int kWidth = 492;
constexpr int kRowTop = 28;
constexpr int kRowHeight = 24;
constexpr int kHeight = kRowTop + kClerkInfoRows * kRowHeight + 8;
constexpr int kBarWidth = 60;

// The columns: where each starts and how wide it is.
struct Column {
    const char* caption;
    int x, width;
};
constexpr Column kColumns[] = {
    {"姓名", 10, 90}, {"年龄", 104, 44}, {"气力", 152, 118}, {"能力", 274, 118}, {"薪资", 396, 90},
};

QLabel* NamedValue(QWidget* parent, const QString& name, int column, int row) {
    const Column& c = kColumns[column];
    QLabel* l = MakeValueLabel(parent, QRect(c.x, kRowTop + row * kRowHeight, c.width, 18));
    l->setObjectName(name);
    return l;
}

}  // namespace

ClerkInfoWindow::ClerkInfoWindow(GameState& g) : ReportWindow(Window::ClerkInfo, &GameState::ClerkInfoDirty, g) {
    setWindowTitle(QStringLiteral("店员信息"));
    setFixedSize(kWidth, kHeight);

    for (const Column& c : kColumns) MakeCaption(this, QString::fromUtf8(c.caption), QRect(c.x, 6, c.width, 18));
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(6, 24, kWidth - 12, 2);

    for (int r = 0; r < kClerkInfoRows; ++r) {
        const int y = kRowTop + r * kRowHeight;
        NLabel[r] = NamedValue(this, QStringLiteral("NLabel_%1").arg(r), 0, r);
        ALabel[r] = NamedValue(this, QStringLiteral("ALabel_%1").arg(r), 1, r);
        // A gauge column: the bar first, its figure after it.
        const QRect energy(kColumns[2].x, y + 4, kBarWidth, 10);
        EnergyBar[r] = MakeBar(this, energy);
        EnergyFrame[r] = MakeBarFrame(this, energy);
        KLabel[r] = MakeValueLabel(this, QRect(kColumns[2].x + kBarWidth + 6, y, 52, 18));
        KLabel[r]->setObjectName(QStringLiteral("KLabel_%1").arg(r));
        const QRect ability(kColumns[3].x, y + 4, kBarWidth, 10);
        AbilityBar[r] = MakeBar(this, ability);
        AbilityFrame[r] = MakeBarFrame(this, ability);
        TLabel[r] = MakeValueLabel(this, QRect(kColumns[3].x + kBarWidth + 6, y, 52, 18));
        TLabel[r]->setObjectName(QStringLiteral("TLabel_%1").arg(r));
        MLabel[r] = NamedValue(this, QStringLiteral("MLabel_%1").arg(r), 4, r);
    }
}

void ClerkInfoWindow::Redraw() {
    const std::vector<StaffCard> rows = RebuildClerkInfo(game());
    for (int r = 0; r < kClerkInfoRows; ++r) {
        const bool filled = r < static_cast<int>(rows.size());
        for (QFrame* f : {EnergyBar[r], EnergyFrame[r], AbilityBar[r], AbilityFrame[r]}) f->setVisible(filled);
        if (!filled) {
            for (QLabel* l : {NLabel[r], ALabel[r], KLabel[r], TLabel[r], MLabel[r]}) l->clear();
            continue;
        }
        const StaffCard& c = rows[r];
        NLabel[r]->setText(QText(c.name));
        ALabel[r]->setText(QText(c.age));
        KLabel[r]->setText(QText(c.energy));
        SetBarWidth(EnergyBar[r], EnergyFrame[r], c.energyValue);
        TLabel[r]->setText(QText(c.ability));
        SetBarWidth(AbilityBar[r], AbilityFrame[r], c.abilityValue);
        MLabel[r]->setText(QText(c.salary));
    }
}

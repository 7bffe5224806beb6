#include "ui/shop/UpkeepDialog.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "shop/Upkeep.h"
#include "ui/kit/Controls.h"
#include "ui/shop/HireClerkDialog.h"

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 212;

// The costs frame: three captioned rows, the amounts right-aligned.
QGroupBox* MakeCostFrame(QWidget* panel, const char* priceCaption, std::array<QLabel*, 3>& values) {
    auto* frame = new QGroupBox(QStringLiteral("费用计算"), panel);
    frame->setGeometry(10, 92, kWidth - 20, 78);
    const QString captions[] = {QStringLiteral("现在资金"), QString::fromUtf8(priceCaption), QStringLiteral("余额")};
    for (int r = 0; r < 3; ++r) {
        MakeCaption(frame, captions[r], QRect(14, 20 + 18 * r, 70, 16));
        values[r] = MakeValueLabel(frame, QRect(90, 20 + 18 * r, kWidth - 20 - 104, 16));
        values[r]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return frame;
}

void ShowCosts(const std::array<QLabel*, 3>& rows, const UpkeepCosts& c) {
    rows[0]->setText(QText(c.funds));
    rows[1]->setText(QText(c.price));
    rows[2]->setText(QText(c.balance));
}

QWidget* MakePanel(QWidget* parent, const char* heading, QFrame*& band, QLabel*& text) {
    auto* panel = new QWidget(parent);
    panel->setGeometry(0, 0, kWidth, kHeight);
    band = MakeHeadingBand(panel, kWidth);
    text = MakeHeadingText(panel, band, QString::fromUtf8(heading));
    return panel;
}

QPushButton* MakeButton(QWidget* panel, const char* name, const QString& caption, int x) {
    return NamedButton(panel, name, caption, QRect(x, 178, 86, 25));
}

}  // namespace

UpkeepDialog::UpkeepDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form19");
    setFixedSize(kWidth, kHeight);

    // Earthquake proofing.
    ProofingPanel = MakePanel(this, kProofingHeading, Shape1[0], Label3[0]);
    QuakeFrame = new QGroupBox(QStringLiteral("现在抗震度"), ProofingPanel);
    QuakeFrame->setGeometry(10, 32, kWidth - 20, 52);
    MakeCaption(QuakeFrame, QStringLiteral("抗震度"), QRect(14, 22, 50, 16));
    QuakeLabel = MakeValueLabel(QuakeFrame, QRect(64, 22, 56, 16));
    QuakeBar = MakeBar(QuakeFrame, QRect(130, 25, 100, 10));
    QuakeBarFrame = MakeBarFrame(QuakeFrame, QRect(130, 25, 100, 10));
    ProofingCostFrame = MakeCostFrame(ProofingPanel, "施工费用", ProofingCost);
    Command2 = MakeButton(ProofingPanel, "Command2", QStringLiteral("进行施工"), 108);
    Command1 = MakeButton(ProofingPanel, "Command1", QStringLiteral("取消"), 202);

    // A cleaning order.
    CleaningPanel = MakePanel(this, kCleaningHeading, Shape1[1], Label3[1]);
    MakeCaption(CleaningPanel, QStringLiteral("选择清扫方法"), QRect(14, 34, 200, 16));
    // Option k offers method k.
    int k = 1;
    for (const CleaningGradeRow& row : kCleaningGrades) {
        Option[k] = new QRadioButton(QString::fromUtf8(row.caption), CleaningPanel);
        Option[k]->setObjectName(QStringLiteral("Option%1").arg(k));
        Option[k]->setGeometry(24 + 90 * (k - 1), 56, 80, 20);
        connect(Option[k], &QRadioButton::toggled, this, [this](bool on) {
            if (on) Option_Click();
        });
        ++k;
    }
    CleaningCostFrame = MakeCostFrame(CleaningPanel, "清扫费用", CleaningCost);
    Command4 = MakeButton(CleaningPanel, "Command4", QStringLiteral("进行清扫"), 108);
    Command3 = MakeButton(CleaningPanel, "Command3", QStringLiteral("取消"), 202);

    connect(Command1, &QPushButton::clicked, this, &UpkeepDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &UpkeepDialog::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &UpkeepDialog::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &UpkeepDialog::Command4_Click);

    Form_Load();
}

void UpkeepDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    GameState& g = game();
    const bool cleaning = g.UpkeepDialogMode.is(UpkeepCleaning);
    ProofingPanel->setVisible(!cleaning);
    CleaningPanel->setVisible(cleaning);
    if (cleaning) {
        setWindowTitle(QString::fromUtf8(kCleaningCaption));
        Command4->setDefault(true);
        // Choosing the method runs its handler, which fills the cost rows.
        const CleaningGradeRow* offered = CleaningGradeOf(kPreselectedCleaningGrade);
        Option[offered->grade]->setChecked(true);
        return;
    }
    setWindowTitle(QString::fromUtf8(kProofingCaption));
    Command2->setDefault(true);
    QuakeLabel->setText(QText(QuakeResistanceText(g)));
    SetBarWidth(QuakeBar, QuakeBarFrame, g.QuakeResistance);
    ShowCosts(ProofingCost, UpkeepCostRows(g, kProofingPrice));
}

int UpkeepDialog::ChosenGrade() const {
    for (int k = 1; k < static_cast<int>(Option.size()); ++k)
        if (Option[k]->isChecked()) return k;
    return 0;
}

void UpkeepDialog::Option_Click() {
    const CleaningGradeRow* row = CleaningGradeOf(ChosenGrade());
    if (row) ShowCosts(CleaningCost, UpkeepCostRows(game(), row->price));
}

void UpkeepDialog::Command1_Click() { reject(); }

void UpkeepDialog::Command2_Click() {
    ConfirmQuakeProofing(game());
    accept();
}

void UpkeepDialog::Command3_Click() { reject(); }

void UpkeepDialog::Command4_Click() {
    // A refusal in the closing hour leaves the dialog up.
    if (ConfirmCleaningOrder(game(), ChosenGrade())) accept();
}

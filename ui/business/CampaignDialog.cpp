#include "ui/business/CampaignDialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "business/Advertising.h"
#include "ui/kit/Controls.h"
#include "ui/kit/NoticeWindow.h"

namespace {

constexpr int kWidth = 330;
constexpr int kMargin = 8;
constexpr int kOptionHeight = 21;
constexpr const char* kRowCaptions[] = {"资金", "费用", "余额"};

}  // namespace

CampaignDialog::CampaignDialog(GameState& g, const Design& design, const Routines& routines)
    : ModalDialog(g), routines_(routines) {
    setObjectName(QString::fromStdString(WindowObjectName(design.window)));
    setWindowTitle(QString::fromUtf8(design.caption));
    setAutoFillBackground(true);

    Shape1[0] = notice_window::MakeHeadingBand(this, QRect(kMargin, kMargin, kWidth - 2 * kMargin, 22));
    Label3 = notice_window::MakeHeadingText(this, Shape1[0], "Label3", QString::fromUtf8(design.heading));

    const int options = static_cast<int>(design.options.size());
    Frame1 = new QGroupBox(QString::fromUtf8(design.frame), this);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(kMargin, 38, kWidth - 2 * kMargin, 26 + options * kOptionHeight);
    auto* group = new QButtonGroup(this);
    for (int k = 1; k <= options; ++k) {
        auto* o = new QRadioButton(QString::fromUtf8(design.options[k - 1]), Frame1);
        o->setObjectName(QStringLiteral("Option%1").arg(k));
        o->setGeometry(16, 20 + (k - 1) * kOptionHeight, kWidth - 2 * kMargin - 32, 20);
        group->addButton(o);
        connect(o, &QRadioButton::clicked, this, [this, k] { Option_Click(k); });
        Option[k] = o;
    }

    int y = Frame1->geometry().bottom() + 10;
    QLabel** values[] = {&FundsLabel, &CostLabel, &BalanceLabel};
    for (int r = 0; r < 3; ++r) {
        Label1[r] = new QLabel(QString::fromUtf8(kRowCaptions[r]), this);
        Label1[r]->setObjectName(QStringLiteral("Label1_%1").arg(r));
        Label1[r]->setGeometry(kMargin + 16, y, 60, 20);
        auto* v = new QLabel(this);
        v->setGeometry(kMargin + 80, y, kWidth - 2 * kMargin - 96, 20);
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        *values[r] = v;
        y += 22;
    }
    FundsLabel->setObjectName("FundsLabel");
    CostLabel->setObjectName("CostLabel");
    BalanceLabel->setObjectName("BalanceLabel");

    y += 8;
    Command2 = NamedButton(this, "Command2", QStringLiteral("确定"), QRect(kWidth - kMargin - 172, y, 82, 28));
    Command1 = NamedButton(this, "Command1", QStringLiteral("取消"), QRect(kWidth - kMargin - 82, y, 82, 28));
    Command2->setDefault(true);
    connect(Command2, &QPushButton::clicked, this, &CampaignDialog::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &CampaignDialog::Command1_Click);
    setFixedSize(kWidth, y + 28 + kMargin);

    Form_Load();
}

void CampaignDialog::Form_Load() {
    // Centring happens as the dialog shows; the advertising dialog under it
    // already holds the clock.
    notice_window::PaintHeadingBand(Shape1[0]);
    Option[1]->setChecked(true);
    Option_Click(1);
}

int CampaignDialog::option() const {
    for (int k = 1; k < static_cast<int>(Option.size()); ++k)
        if (Option[k] && Option[k]->isChecked()) return k;
    return 1;
}

void CampaignDialog::Option_Click(int option) {
    routines_.choose(game(), option);
    ShowCostRows();
}

void CampaignDialog::ShowCostRows() {
    const CostRows rows = AdCostRows(game(), game().*routines_.cost);
    FundsLabel->setText(QText(rows.funds));
    CostLabel->setText(QText(rows.cost));
    BalanceLabel->setText(QText(rows.balance));
}

void CampaignDialog::Command2_Click() {
    if (routines_.order(game(), option())) accept();
}

void CampaignDialog::Command1_Click() { reject(); }

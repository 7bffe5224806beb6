#include "ui/shop/ClerkSettingsDialog.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "shop/ClerkSettings.h"
#include "ui/shop/HireClerkDialog.h"
#include "shop/Staff.h"
#include "ui/platform/WindowRegistry.h"

namespace {

constexpr int kWidth = 470;
constexpr int kHeight = 340;
constexpr int kFirstThreshold = 1;  // Option1..Option5
constexpr int kFirstMethod = 6;     // Option6..Option8
constexpr int kClerkRowsShown = 2;
constexpr int kEnergyBarOffset = 5;

QGroupBox* MakeFrame(QWidget* parent, const QString& caption, QRect at) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setGeometry(at);
    return frame;
}

}  // namespace

ClerkSettingsDialog::ClerkSettingsDialog(GameState& g) : ModalDialog(g) {
    setObjectName(QString::fromStdString(WindowObjectName(Window::ClerkSettings)));
    setWindowTitle(QStringLiteral("店员的设定"));
    setFixedSize(kWidth, kHeight);

    Shape1[0] = MakeHeadingBand(this, kWidth);
    Label3 = MakeHeadingText(this, Shape1[0], QStringLiteral("== 店员的设定 =="));

    Frame1 = MakeFrame(this, QStringLiteral("关于清扫"), QRect(12, 34, 250, 142));
    int k = 0;
    for (const AutoCleanChoice& c : kAutoCleanChoices) {
        auto* o = new QRadioButton(QString::fromUtf8(c.caption), Frame1);
        o->setGeometry(12, 22 + 23 * k, 230, 20);
        Option[kFirstThreshold + k++] = o;
    }
    Frame2 = MakeFrame(this, QStringLiteral("选择清扫方法"), QRect(274, 34, 184, 142));
    k = 0;
    for (const CleaningMethodChoice& c : kCleaningMethodChoices) {
        auto* o = new QRadioButton(QString::fromUtf8(c.caption), Frame2);
        o->setGeometry(16, 22 + 23 * k, 150, 20);
        Option[kFirstMethod + k++] = o;
    }
    // Built with "一般" chosen: a game that has chosen no method yet shows it.
    Option[kFirstMethod + CleaningMethodChoiceFor(kOfferedCleaningMethod)]->setChecked(true);

    // The two clerk rows: name, age and salary on one line, the gauges on
    // the next.
    const QString captions[] = {QStringLiteral("姓名"), QStringLiteral("年龄"), QStringLiteral("气力"),
                                QStringLiteral("能力"), QStringLiteral("薪资")};
    for (int r = 0; r < kClerkRowsShown; ++r) {
        const int y = 190 + 50 * r;
        auto caption = [&](int field, int x, int line) {
            Label1[5 * r + field] = MakeCaption(this, captions[field], QRect(x, y + 22 * line, 32, 18));
        };
        caption(0, 16, 0);
        NLabel[r] = MakeValueLabel(this, QRect(48, y, 110, 18));
        caption(1, 166, 0);
        ALabel[r] = MakeValueLabel(this, QRect(198, y, 50, 18));
        caption(4, 262, 0);
        MLabel[r] = MakeValueLabel(this, QRect(294, y, 160, 18));
        caption(2, 16, 1);
        KLabel[r] = MakeValueLabel(this, QRect(48, y + 22, 52, 18));
        Shape[r + kEnergyBarOffset] = MakeBar(this, QRect(102, y + 26, 100, 10));
        Shape10[r + kEnergyBarOffset] = MakeBarFrame(this, QRect(102, y + 26, 100, 10));
        caption(3, 232, 1);
        TLabel[r] = MakeValueLabel(this, QRect(264, y + 22, 52, 18));
        Shape[r] = MakeBar(this, QRect(318, y + 26, 100, 10));
        Shape10[r] = MakeBarFrame(this, QRect(318, y + 26, 100, 10));
    }

    Command3 = new QPushButton(QStringLiteral("调整薪资"), this);
    Command3->setGeometry(16, 302, 90, 25);
    Command1 = new QPushButton(QStringLiteral("确定"), this);
    Command1->setGeometry(298, 302, 76, 25);
    Command1->setDefault(true);
    Command2 = new QPushButton(QStringLiteral("取消"), this);
    Command2->setGeometry(382, 302, 76, 25);
    connect(Command1, &QPushButton::clicked, this, &ClerkSettingsDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ClerkSettingsDialog::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &ClerkSettingsDialog::Command3_Click);

    // Choosing a threshold runs its handler, also when the opening chooses it.
    for (int n = kFirstThreshold; n < kFirstMethod; ++n) {
        connect(Option[n], &QRadioButton::toggled, this, [this, n](bool on) {
            if (!on) return;
            if (n == kFirstThreshold)
                Option1_Click();
            else
                OptionThreshold_Click();
        });
    }

    Form_Load();
}

void ClerkSettingsDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    GameState& g = game();
    // Choosing the threshold runs its handler, which greys the methods
    // exactly when no cleaning is ordered.
    Option[kFirstThreshold + AutoCleanChoiceFor(g.AutoCleanLevel)]->setChecked(true);
    Option[kFirstMethod + CleaningMethodChoiceFor(g.CleaningMethod)]->setChecked(true);

    const std::vector<int> rows = RecountClerkRows(g);
    for (int r = 0; r < kClerkRowsShown; ++r) {
        const bool filled = r < static_cast<int>(rows.size());
        for (int s : {r, r + kEnergyBarOffset}) {
            Shape[s]->setVisible(filled);
            Shape10[s]->setVisible(filled);
        }
        if (!filled) {
            for (QLabel* l : {NLabel[r], ALabel[r], KLabel[r], TLabel[r], MLabel[r]}) l->clear();
            continue;
        }
        const StaffCard c = ApplicantCard(g, rows[r]);
        NLabel[r]->setText(QString::fromStdString(c.name));
        ALabel[r]->setText(QString::fromStdString(c.age));
        KLabel[r]->setText(QString::fromStdString(c.energy));
        SetBarWidth(Shape[r + kEnergyBarOffset], Shape10[r + kEnergyBarOffset], c.energyValue);
        TLabel[r]->setText(QString::fromStdString(c.ability));
        SetBarWidth(Shape[r], Shape10[r], c.abilityValue);
        MLabel[r]->setText(QString::fromStdString(c.salary));
    }
}

void ClerkSettingsDialog::EnableMethods(bool on) {
    // Greyed, the methods keep their choice.
    Frame2->setEnabled(on);
    for (int n = kFirstMethod; n < static_cast<int>(Option.size()); ++n) Option[n]->setEnabled(on);
}

void ClerkSettingsDialog::Option1_Click() { EnableMethods(false); }
void ClerkSettingsDialog::OptionThreshold_Click() { EnableMethods(true); }

void ClerkSettingsDialog::ShowSalaries() {
    GameState& g = game();
    const std::vector<int> rows = RecountClerkRows(g);
    for (int r = 0; r < kClerkRowsShown && r < static_cast<int>(rows.size()); ++r)
        MLabel[r]->setText(QString::fromStdString(SalaryText(g.Applicant.Salary[rows[r]])));
}

void ClerkSettingsDialog::Command1_Click() {
    int threshold = 0, method = 0;
    for (int n = kFirstThreshold; n < kFirstMethod; ++n)
        if (Option[n]->isChecked()) threshold = n - kFirstThreshold;
    for (int n = kFirstMethod; n < static_cast<int>(Option.size()); ++n)
        if (Option[n]->isChecked()) method = n - kFirstMethod;
    StoreClerkSettings(game(), threshold, method);
    accept();
}

void ClerkSettingsDialog::Command2_Click() { reject(); }

void ClerkSettingsDialog::Command3_Click() {
    ShowForm(Window::Salary, game());
    // Confirmed salaries show at once; after a cancel they read as before.
    ShowSalaries();
}

void ClerkSettingsDialog::Form_Unload() { ClerkSettingsClosed(game()); }

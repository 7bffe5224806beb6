#include "ui/stock/OrderDialog.h"

#include <QByteArray>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "state/FormatMoney.h"
#include "state/GameState.h"
#include "ui/kit/Controls.h"
#include "ui/kit/WheelScroll.h"

namespace os = order_sheet;

namespace {

constexpr int kWidth = 547;
constexpr int kHeight = 337;

// The column rules reach down past `rows` row slots.
int RuleBottom(int rows) { return os::kRowPitch * rows + 10; }

// The command buttons, top to bottom, at the dialog's right edge.
constexpr int kCommandTops[] = {232, 272, 304};

}  // namespace

OrderDialog::OrderDialog(const Setup& setup, GameState& g) : ModalDialog(g), setup_(setup) {
    setFixedSize(kWidth, kHeight);
    os::ButtonFace(this);

    // Column headings of the list.
    os::Headings(this, setup.headingTop, setup.headings);

    // The list: twelve row slots on the sheet; slot 11 lies under the
    // viewport's lower edge.
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    List = MakeOrderViewport(this, QRect(8, setup.listTop, 513, 177), setup.columnX,
                             RuleBottom(setup.columnsFollowRows ? 0 : kOrderRowSlots));
    os::MakeRows(List.sheet, SSCheck1,
                 {{&Label4, setup.second.x, setup.second.w, Qt::AlignCenter},
                  {&Label1, setup.cost.x, setup.cost.w, right},
                  {&Label3, setup.price.x, setup.price.w, right},
                  {&Label9, 280, 38, right},
                  {&Label8, 320, 185, Qt::AlignCenter}});
    VScroll1 = os::ListScrollBar(this, QRect(524, setup.listTop, 17, 177));

    // The detail panel.
    detail_ = os::MakeDetailPanel(this, setup.detailTop, QString::fromUtf8(setup.nameHeading), setup.nameWidth,
                                  setup.besideName ? QString::fromUtf8(setup.besideName) : QString());
    VScroll2 = detail_.spinner;
    allSold_ = os::MakeAllSoldFrame(this, setup.allSoldName, setup.allSoldAt);
}

void OrderDialog::MakeAdjusterAndCommands() {
    const os::Adjuster adjuster =
        os::MakeAdjuster(this, setup_.window, QString::fromUtf8(setup_.adjusterHeading), setup_.adjusterTop);
    ButtonU = adjuster.up;
    ButtonD = adjuster.down;
    ButtonU[0]->pressed = [this](Qt::MouseButton b) { ButtonU_MouseDown(b); };
    ButtonU[0]->released = [this](Qt::MouseButton) { ButtonU_MouseUp(); };
    ButtonD[0]->pressed = [this](Qt::MouseButton b) { ButtonD_MouseDown(b); };
    ButtonD[0]->released = [this](Qt::MouseButton) { ButtonD_MouseUp(); };
    Timer1.setInterval(100);

    const std::array<QPushButton**, 4> byNumber{nullptr, &Command1, &Command2, &Command3};
    for (int k = 0; k < 3; ++k) {
        const Setup::Command& c = setup_.commands[k];
        const QByteArray name = "Command" + QByteArray::number(c.number);
        *byNumber[c.number] = NamedButton(this, name.constData(), QString::fromUtf8(c.caption),
                                          QRect(456, kCommandTops[k], 85, 25));
    }

    for (int r = 0; r < kOrderRowSlots; ++r)
        connect(SSCheck1[r], &QRadioButton::toggled, this, [this](bool on) {
            if (on) SSCheck1_Click();
        });
    connect(VScroll1, &QScrollBar::valueChanged, this, &OrderDialog::VScroll1_Change);
    WheelMovesBars(List.frame, VScroll1);
    connect(VScroll2, &QScrollBar::valueChanged, this, &OrderDialog::VScroll2_Change);
    connect(Command1, &QPushButton::clicked, this, &OrderDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &OrderDialog::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &OrderDialog::Command3_Click);
    connect(&Timer1, &QTimer::timeout, this, &OrderDialog::Timer1_Timer);
}

void OrderDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    GameState& g = game();
    listed_ = OpenCatalogue(g);
    FillRows();
    if (setup_.columnsFollowRows) List.sheet->setColumnBottom(RuleBottom(listed_));
    VScroll1->setRange(0, OrderListScrollMax(listed_));
    if (listed_ > 0)
        SSCheck1[0]->setChecked(true);  // selects the first title at once
    else
        DisableTitleControls();
    // Not refreshed while the dialog is open: the game stands still.
    detail_.funds->setText(QText(FormatMoney(g.Funds) + "円"));
    Timer1.start();
}

void OrderDialog::DisableTitleControls() { VScroll2->setEnabled(false); }

int OrderDialog::LookUpSelection() {
    const int position = os::SelectedPosition(SSCheck1, VScroll1->value(), listed_);
    if (position < 0) return -1;
    GameState& g = game();
    g.*setup_.selectedRow = position;
    return Catalogue(g).list[position].i();
}

void OrderDialog::ShowTotals(int title) {
    const OrderTotals t = TotalsOf(Catalogue(game()), title);
    allSold_.wholesale->setText(QText(t.wholesale));
    allSold_.retail->setText(QText(t.retail));
    allSold_.profit->setText(QText(t.profit));
}

void OrderDialog::FillRows() {
    const OrderCatalogue c = Catalogue(game());
    const int top = VScroll1->value();
    for (int r = 0; r < kOrderRowSlots; ++r) {
        // A slot past the last title stays blank and cannot be selected.
        const OrderRow row = OrderRowAt(c, top + r, listed_);
        SSCheck1[r]->setText(QText(row.name));
        SSCheck1[r]->setVisible(row.filled);
        Label4[r]->setText(QText(row.second));
        Label1[r]->setText(QText(row.cost));
        Label3[r]->setText(QText(row.price));
        Label9[r]->setText(QText(row.copies));
        Label8[r]->setText(QText(row.description));
    }
}

void OrderDialog::SSCheck1_Click() {
    const int t = LookUpSelection();
    if (t < 0) return;
    ShowDetail(t);
    // The quantity is shown here too, not only on a spinner change: two
    // titles with the same quantity leave the spinner where it is.
    const OrderCatalogue c = Catalogue(game());
    detail_.copies->setText(QText(CopiesText(c.edited[t])));
    ShowTotals(t);
    VScroll2->setValue(OrderSpinnerValue(c.edited[t]));
}

void OrderDialog::VScroll1_Change() {
    // The selected slot stays selected and so takes the title it now shows;
    // at the last position the cut-off slot 11 has none, and the selection
    // stays on the last title instead.
    os::KeepSelectionOnATitle(SSCheck1, VScroll1->value(), listed_);
    SSCheck1_Click();
    FillRows();
}

void OrderDialog::VScroll2_Change() {
    const int t = LookUpSelection();
    if (t < 0) return;
    GameState& g = game();
    const OrderCatalogue c = Catalogue(g);
    SetEditedOrder(c, t, CopiesFromSpinner(VScroll2->value()));
    const QString copies = QText(CopiesText(c.edited[t]));
    detail_.copies->setText(copies);
    Label9[(g.*setup_.selectedRow).i() - VScroll1->value()]->setText(copies);
    ShowTotals(t);
}

void OrderDialog::ButtonU_MouseDown(Qt::MouseButton button) {
    os::PressArrow(ButtonU, button, game().*setup_.adjustHold, AdjustRaise);
}

void OrderDialog::ButtonU_MouseUp() { os::ReleaseArrow(ButtonU, game().*setup_.adjustHold); }

void OrderDialog::ButtonD_MouseDown(Qt::MouseButton button) {
    os::PressArrow(ButtonD, button, game().*setup_.adjustHold, AdjustLower);
}

void OrderDialog::ButtonD_MouseUp() { os::ReleaseArrow(ButtonD, game().*setup_.adjustHold); }

void OrderDialog::Timer1_Timer() {
    GameState& g = game();
    if (!StepAll(g)) return;
    const OrderCatalogue c = Catalogue(g);
    const int top = VScroll1->value();
    for (int r = 0; r < kOrderRowSlots; ++r) Label9[r]->setText(QText(OrderRowAt(c, top + r, listed_).copies));
    const int t = LookUpSelection();
    if (t < 0) return;
    detail_.copies->setText(QText(CopiesText(c.edited[t])));
    ShowTotals(t);
    VScroll2->setValue(OrderSpinnerValue(c.edited[t]));
}

void OrderDialog::Form_Unload() {
    Timer1.stop();
    // A dialog closed from the keyboard while an arrow is held gets no
    // release; the next opening must not start adjusting on its own.
    game().*setup_.adjustHold = AdjustIdle;
}

#include "ui/stock/BookOrderDialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "state/FormatMoney.h"
#include "stock/BookOrders.h"
#include "ui/kit/Controls.h"
#include "platform/qt/WindowRegistry.h"
#include "ui/kit/WheelScroll.h"

namespace os = order_sheet;

namespace {

constexpr int kWidth = 547;
constexpr int kHeight = 337;
constexpr int kColumnBottom = 190;

}  // namespace

BookOrderDialog::BookOrderDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form21");
    setWindowTitle(QStringLiteral("书籍进货"));
    setFixedSize(kWidth, kHeight);
    os::ButtonFace(this);

    // Column headings of the list.
    os::Headings(this, 4, {{8, 135, "书籍名"}, {144, 47, "类型"}, {192, 47, "进货价"},
                           {240, 47, "零售价"}, {288, 39, "进货数"}, {330, 185, "简介"}});

    // The list: twelve row slots on the sheet; slot 11 lies under the
    // viewport's lower edge.
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    List = MakeOrderViewport(this, QRect(8, 24, 513, 177), {8, 136, 184, 232, 280, 320, 504}, kColumnBottom);
    os::MakeRows(List.sheet, SSCheck1,
                 {{&Label4, 137, 46, Qt::AlignCenter}, {&Label1, 184, 46, right}, {&Label3, 232, 46, right},
                  {&Label9, 280, 38, right}, {&Label8, 320, 185, Qt::AlignCenter}});
    VScroll1 = os::ListScrollBar(this, QRect(524, 24, 17, 177));

    // The detail panel.
    const os::DetailPanel detail = os::MakeDetailPanel(this, 212, QStringLiteral("书籍名"), 145);
    Label6[0] = detail.name;
    Label6[2] = detail.description;
    Label6[3] = detail.copies;
    VScroll2 = detail.spinner;
    Label6[1] = detail.stock;
    Label6[4] = detail.funds;
    const os::AllSoldFrame allSold = os::MakeAllSoldFrame(this, "Frame2", QPoint(198, 206));
    Frame2 = allSold.box;
    Label6[6] = allSold.retail;
    Label6[5] = allSold.wholesale;
    Label6[7] = allSold.profit;
    for (int k = 0; k < 8; ++k) Label6[k]->setObjectName(QStringLiteral("Label6_%1").arg(k));

    Frame1 = new QGroupBox(QStringLiteral("售完后"), this);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(328, 206, 122, 70);
    os::ButtonFace(Frame1);
    Option1 = new QRadioButton(QStringLiteral("售完后继续进货"), Frame1);
    Option1->setObjectName("Option1");
    Option1->setGeometry(8, 20, 110, 18);
    Option2 = new QRadioButton(QStringLiteral("售完为止"), Frame1);
    Option2->setObjectName("Option2");
    Option2->setGeometry(8, 42, 110, 18);

    Label2_4 = os::Text(this, QStringLiteral("从决定进货日起3天后书将送达 >>"), QRect(190, 278, 262, 13), right);
    Label2_4->setObjectName("Label2_4");

    // The all-titles adjuster.
    const os::Adjuster adjuster = os::MakeAdjuster(this, Window::BookOrder, QStringLiteral("调整全部书籍的进货数"), 312);
    ButtonU = adjuster.up;
    ButtonD = adjuster.down;
    ButtonU[0]->pressed = [this](Qt::MouseButton b) { ButtonU_MouseDown(b); };
    ButtonU[0]->released = [this](Qt::MouseButton) { ButtonU_MouseUp(); };
    ButtonD[0]->pressed = [this](Qt::MouseButton b) { ButtonD_MouseDown(b); };
    ButtonD[0]->released = [this](Qt::MouseButton) { ButtonD_MouseUp(); };
    Timer1.setInterval(100);

    Command2 = NamedButton(this, "Command2", QStringLiteral("书籍TOP10"), QRect(456, 232, 85, 25));
    Command1 = NamedButton(this, "Command1", QStringLiteral("进货"), QRect(456, 272, 85, 25));
    Command3 = NamedButton(this, "Command3", QStringLiteral("取消"), QRect(456, 304, 85, 25));

    for (int r = 0; r < kOrderRowSlots; ++r)
        connect(SSCheck1[r], &QRadioButton::toggled, this, [this](bool on) {
            if (on) SSCheck1_Click();
        });
    connect(VScroll1, &QScrollBar::valueChanged, this, &BookOrderDialog::VScroll1_Change);
    WheelMovesBars(List.frame, VScroll1);
    connect(VScroll2, &QScrollBar::valueChanged, this, &BookOrderDialog::VScroll2_Change);
    connect(Option1, &QRadioButton::clicked, this, &BookOrderDialog::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &BookOrderDialog::Option2_Click);
    connect(Command1, &QPushButton::clicked, this, &BookOrderDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &BookOrderDialog::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &BookOrderDialog::Command3_Click);
    connect(&Timer1, &QTimer::timeout, this, &BookOrderDialog::Timer1_Timer);

    Form_Load();
}

void BookOrderDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    GameState& g = game();
    listed_ = OpenBookOrders(g);
    FillRows();
    VScroll1->setRange(0, OrderListScrollMax(listed_));
    if (listed_ > 0) {
        SSCheck1[0]->setChecked(true);  // selects the first title at once
    } else {
        VScroll2->setEnabled(false);
        Frame1->setEnabled(false);
    }
    // Not refreshed while the dialog is open: the game stands still.
    Label6[4]->setText(QText(FormatMoney(g.Funds) + "円"));
    Timer1.start();
}

int BookOrderDialog::LookUpSelection() {
    const int position = os::SelectedPosition(SSCheck1, VScroll1->value(), listed_);
    if (position < 0) return -1;
    GameState& g = game();
    g.SelectedBookRow = position;
    return g.BookDisplayOrder[position].i();
}

void BookOrderDialog::ShowTotals(int title) {
    const GameState& g = game();
    const OrderTotals t = TotalsIfAllSold(g.Book.Cost[title], g.Book.Price[title], g.Book.EditedOrder[title]);
    Label6[5]->setText(QText(t.wholesale));
    Label6[6]->setText(QText(t.retail));
    Label6[7]->setText(QText(t.profit));
}

void BookOrderDialog::FillRows() {
    const GameState& g = game();
    const int top = VScroll1->value();
    for (int r = 0; r < kOrderRowSlots; ++r) {
        // A slot past the last title stays blank and cannot be selected.
        const BookOrderRow row = BookOrderRowAt(g, top + r);
        SSCheck1[r]->setText(QText(row.name));
        SSCheck1[r]->setVisible(row.filled);
        Label4[r]->setText(QText(row.genre));
        Label1[r]->setText(QText(row.cost));
        Label3[r]->setText(QText(row.price));
        Label9[r]->setText(QText(row.copies));
        Label8[r]->setText(QText(row.description));
    }
}

void BookOrderDialog::SSCheck1_Click() {
    const int t = LookUpSelection();
    if (t < 0) return;
    VScroll2->setValue(OrderSpinnerValue(game().Book.EditedOrder[t]));
    const BookOrderDetail d = BookOrderDetailOf(game(), t);
    Label6[0]->setText(QText(d.name));
    Label6[1]->setText(QText(d.stock));
    Label6[2]->setText(QText(d.description));
    Label6[3]->setText(QText(d.copies));
    ShowTotals(t);
    Option1->setChecked(d.keepReordering);
    Option2->setChecked(!d.keepReordering);
}

void BookOrderDialog::VScroll1_Change() {
    // The selected slot stays selected and so takes the title it now shows;
    // at the last position the cut-off slot 11 has none, and the selection
    // stays on the last title instead.
    os::KeepSelectionOnATitle(SSCheck1, VScroll1->value(), listed_);
    SSCheck1_Click();
    FillRows();
}

void BookOrderDialog::VScroll2_Change() {
    const int t = LookUpSelection();
    if (t < 0) return;
    GameState& g = game();
    SetBookEditedOrder(g, t, CopiesFromSpinner(VScroll2->value()));
    const QString copies = QText(CopiesText(g.Book.EditedOrder[t]));
    Label6[3]->setText(copies);
    Label9[g.SelectedBookRow.i() - VScroll1->value()]->setText(copies);
    ShowTotals(t);
}

void BookOrderDialog::Option1_Click() {
    const int t = LookUpSelection();
    if (t >= 0) SetBookEditedReorder(game(), t, true);
}

void BookOrderDialog::Option2_Click() {
    const int t = LookUpSelection();
    if (t >= 0) SetBookEditedReorder(game(), t, false);
}

void BookOrderDialog::Command1_Click() {
    CommitBookOrders(game());
    accept();
}

void BookOrderDialog::Command2_Click() { ShowForm(Window::BookTopTen, game()); }

void BookOrderDialog::Command3_Click() { reject(); }

void BookOrderDialog::ButtonU_MouseDown(Qt::MouseButton button) {
    os::PressArrow(ButtonU, button, game().BookAdjustHold, AdjustRaise);
}

void BookOrderDialog::ButtonU_MouseUp() { os::ReleaseArrow(ButtonU, game().BookAdjustHold); }

void BookOrderDialog::ButtonD_MouseDown(Qt::MouseButton button) {
    os::PressArrow(ButtonD, button, game().BookAdjustHold, AdjustLower);
}

void BookOrderDialog::ButtonD_MouseUp() { os::ReleaseArrow(ButtonD, game().BookAdjustHold); }

void BookOrderDialog::Timer1_Timer() {
    GameState& g = game();
    if (!StepAllBookOrders(g)) return;
    const int top = VScroll1->value();
    for (int r = 0; r < kOrderRowSlots; ++r) Label9[r]->setText(QText(BookOrderRowAt(g, top + r).copies));
    const int t = LookUpSelection();
    if (t < 0) return;
    Label6[3]->setText(QText(CopiesText(g.Book.EditedOrder[t])));
    ShowTotals(t);
    VScroll2->setValue(OrderSpinnerValue(g.Book.EditedOrder[t]));
}

void BookOrderDialog::Form_Unload() {
    Timer1.stop();
    // A dialog closed from the keyboard while an arrow is held gets no
    // release; the next opening must not start adjusting on its own.
    game().BookAdjustHold = AdjustIdle;
}

#include "stock/Form21.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "state/FormatMoney.h"
#include "state/TheGame.h"
#include "stock/BookOrders.h"

namespace os = order_sheet;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

constexpr int kWidth = 547;
constexpr int kHeight = 337;
constexpr int kFacesBelow = 372;  // the arrows' face stores lie below the client area
constexpr int kColumnBottom = 190;

}  // namespace

Form21::Form21() {
    setObjectName("Form21");
    setWindowTitle(QStringLiteral("书籍进货"));
    setFixedSize(kWidth, kHeight);
    os::ButtonFace(this);

    // Column headings of the list.
    const struct {
        int x, w;
        const char* text;
    } heads[] = {{8, 135, "书籍名"}, {144, 47, "类型"}, {192, 47, "进货价"},
                 {240, 47, "零售价"}, {288, 39, "进货数"}, {330, 185, "简介"}};
    for (const auto& h : heads) os::HeadingCell(this, QString::fromUtf8(h.text), QRect(h.x, 4, h.w, 17));

    // The list: twelve row slots on the sheet; slot 11 lies under the
    // viewport's lower edge.
    List = MakeOrderViewport(this, QRect(8, 24, 513, 177), {8, 136, 184, 232, 280, 320, 504}, kColumnBottom);
    QWidget* sheet = List.sheet;
    for (int r = 0; r < kOrderRowSlots; ++r) {
        const int top = os::RowTop(r);
        SSCheck1[r] = new QRadioButton(sheet);
        SSCheck1[r]->setObjectName(QStringLiteral("SSCheck1_%1").arg(r));
        SSCheck1[r]->setGeometry(12, top, 121, os::kRowHeight);
        SSCheck1[r]->setFocusPolicy(Qt::NoFocus);
        Label4[r] = os::Text(sheet, {}, QRect(137, top, 46, os::kRowHeight), Qt::AlignCenter);
        Label1[r] = os::Text(sheet, {}, QRect(184, top, 46, os::kRowHeight), Qt::AlignRight | Qt::AlignVCenter);
        Label3[r] = os::Text(sheet, {}, QRect(232, top, 46, os::kRowHeight), Qt::AlignRight | Qt::AlignVCenter);
        Label9[r] = os::Text(sheet, {}, QRect(280, top, 38, os::kRowHeight), Qt::AlignRight | Qt::AlignVCenter);
        Label8[r] = os::Text(sheet, {}, QRect(320, top, 185, os::kRowHeight), Qt::AlignCenter);
    }

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName("VScroll1");
    VScroll1->setGeometry(524, 24, 17, 177);
    VScroll1->setRange(0, 0);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(8);

    // The detail panel.
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    os::HeadingCell(this, QStringLiteral("书籍名"), QRect(8, 212, 38, 17));
    Label6[0] = os::Text(this, {}, QRect(48, 214, 145, 13));
    os::HeadingCell(this, QStringLiteral("简介"), QRect(8, 236, 24, 17));
    Label6[2] = os::Text(this, {}, QRect(34, 238, 159, 13));
    os::HeadingCell(this, QStringLiteral("进货数"), QRect(8, 260, 38, 17));
    Label6[3] = os::Text(this, QStringLiteral("0册"), QRect(48, 262, 41, 13), right);
    VScroll2 = new QScrollBar(Qt::Vertical, this);
    VScroll2->setObjectName("VScroll2");
    VScroll2->setGeometry(92, 260, 17, 18);
    VScroll2->setRange(0, kMaxOrderCopies);
    VScroll2->setSingleStep(1);
    VScroll2->setPageStep(1);
    VScroll2->setValue(kMaxOrderCopies);  // no copies
    os::HeadingCell(this, QStringLiteral("库存数"), QRect(112, 260, 38, 17));
    Label6[1] = os::Text(this, {}, QRect(152, 262, 41, 13), right);
    os::HeadingCell(this, QStringLiteral("资金"), QRect(8, 284, 30, 17));
    Label6[4] = os::Text(this, {}, QRect(40, 286, 137, 13), right);

    Frame2 = new QGroupBox(QStringLiteral("全部售出时"), this);
    Frame2->setObjectName("Frame2");
    Frame2->setGeometry(198, 206, 125, 70);
    os::ButtonFace(Frame2);
    os::Text(Frame2, QStringLiteral("零售价"), QRect(8, 16, 40, 13));
    Label6[6] = os::Text(Frame2, QStringLiteral("0円"), QRect(49, 16, 65, 13), right);
    os::Text(Frame2, QStringLiteral("进货价"), QRect(8, 32, 40, 13));
    Label6[5] = os::Text(Frame2, QStringLiteral("0円"), QRect(49, 32, 65, 13), right);
    os::Text(Frame2, QStringLiteral("利润"), QRect(8, 52, 40, 13));
    Label6[7] = os::Text(Frame2, QStringLiteral("0円"), QRect(49, 52, 65, 13), right);
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
    os::HeadingCell(this, QStringLiteral("调整全部书籍的进货数"), QRect(8, 312, 169, 17));
    ButtonU = MakeAdjusterArrow(this, 21, "ButtonU", QPoint(177, 311), QPoint(3, kFacesBelow));
    ButtonD = MakeAdjusterArrow(this, 21, "ButtonD", QPoint(177, 320), QPoint(3, kFacesBelow + 16));
    ButtonU[0]->pressed = [this](Qt::MouseButton b) { ButtonU_MouseDown(b); };
    ButtonU[0]->released = [this](Qt::MouseButton) { ButtonU_MouseUp(); };
    ButtonD[0]->pressed = [this](Qt::MouseButton b) { ButtonD_MouseDown(b); };
    ButtonD[0]->released = [this](Qt::MouseButton) { ButtonD_MouseUp(); };
    Timer1.setInterval(100);

    Command2 = new QPushButton(QStringLiteral("书籍TOP10"), this);
    Command2->setObjectName("Command2");
    Command2->setGeometry(456, 232, 85, 25);
    Command1 = new QPushButton(QStringLiteral("进货"), this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(456, 272, 85, 25);
    Command3 = new QPushButton(QStringLiteral("取消"), this);
    Command3->setObjectName("Command3");
    Command3->setGeometry(456, 304, 85, 25);

    for (int r = 0; r < kOrderRowSlots; ++r)
        connect(SSCheck1[r], &QRadioButton::toggled, this, [this](bool on) {
            if (on) SSCheck1_Click();
        });
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form21::VScroll1_Change);
    connect(VScroll2, &QScrollBar::valueChanged, this, &Form21::VScroll2_Change);
    connect(Option1, &QRadioButton::clicked, this, &Form21::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form21::Option2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form21::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form21::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form21::Command3_Click);
    connect(&Timer1, &QTimer::timeout, this, &Form21::Timer1_Timer);

    Form_Load();
}

void Form21::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    GameState& g = Game();
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
    Label6[4]->setText(Q(FormatMoney(g.Funds) + "円"));
    Timer1.start();
}

int Form21::SelectedSlot() const {
    for (int r = 0; r < kOrderRowSlots; ++r)
        if (SSCheck1[r]->isChecked()) return r;
    return -1;
}

int Form21::LookUpSelection() {
    const int slot = SelectedSlot();
    if (slot < 0) return -1;
    const int position = VScroll1->value() + slot;
    if (position >= listed_) return -1;
    GameState& g = Game();
    g.SelectedBookRow = position;
    return g.BookDisplayOrder[position].i();
}

void Form21::ShowTotals(int title) {
    const GameState& g = Game();
    const OrderTotals t = TotalsIfAllSold(g.Book.Cost[title], g.Book.Price[title], g.Book.EditedOrder[title]);
    Label6[5]->setText(Q(t.wholesale));
    Label6[6]->setText(Q(t.retail));
    Label6[7]->setText(Q(t.profit));
}

void Form21::FillRows() {
    const GameState& g = Game();
    const int top = VScroll1->value();
    for (int r = 0; r < kOrderRowSlots; ++r) {
        // A slot past the last title stays blank and cannot be selected.
        const BookOrderRow row = BookOrderRowAt(g, top + r);
        SSCheck1[r]->setText(Q(row.name));
        SSCheck1[r]->setVisible(row.filled);
        Label4[r]->setText(Q(row.genre));
        Label1[r]->setText(Q(row.cost));
        Label3[r]->setText(Q(row.price));
        Label9[r]->setText(Q(row.copies));
        Label8[r]->setText(Q(row.description));
    }
}

void Form21::SSCheck1_Click() {
    const int t = LookUpSelection();
    if (t < 0) return;
    VScroll2->setValue(OrderSpinnerValue(Game().Book.EditedOrder[t]));
    const BookOrderDetail d = BookOrderDetailOf(Game(), t);
    Label6[0]->setText(Q(d.name));
    Label6[1]->setText(Q(d.stock));
    Label6[2]->setText(Q(d.description));
    Label6[3]->setText(Q(d.copies));
    ShowTotals(t);
    Option1->setChecked(d.keepReordering);
    Option2->setChecked(!d.keepReordering);
}

void Form21::VScroll1_Change() {
    // The selected slot stays selected and so takes the title it now shows;
    // at the last position the cut-off slot 11 has none, and the selection
    // stays on the last title instead.
    const int top = VScroll1->value();
    const int slot = SelectedSlot();
    if (slot >= 0 && top + slot >= listed_ && listed_ > top) {
        QSignalBlocker quiet(SSCheck1[listed_ - 1 - top]);
        SSCheck1[listed_ - 1 - top]->setChecked(true);
    }
    SSCheck1_Click();
    FillRows();
}

void Form21::VScroll2_Change() {
    const int t = LookUpSelection();
    if (t < 0) return;
    GameState& g = Game();
    SetBookEditedOrder(g, t, CopiesFromSpinner(VScroll2->value()));
    const QString copies = Q(CopiesText(g.Book.EditedOrder[t]));
    Label6[3]->setText(copies);
    Label9[g.SelectedBookRow.i() - VScroll1->value()]->setText(copies);
    ShowTotals(t);
}

void Form21::Option1_Click() {
    const int t = LookUpSelection();
    if (t >= 0) SetBookEditedReorder(Game(), t, true);
}

void Form21::Option2_Click() {
    const int t = LookUpSelection();
    if (t >= 0) SetBookEditedReorder(Game(), t, false);
}

void Form21::Command1_Click() {
    CommitBookOrders(Game());
    accept();
}

void Form21::Command2_Click() { ShowForm(49); }

void Form21::Command3_Click() { reject(); }

void Form21::ButtonU_MouseDown(Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    ShowFace(ButtonU, 2);
    Game().BookAdjustHold = AdjustRaise;
}

void Form21::ButtonU_MouseUp() {
    ShowFace(ButtonU, 1);
    Game().BookAdjustHold = AdjustIdle;
}

void Form21::ButtonD_MouseDown(Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    ShowFace(ButtonD, 2);
    Game().BookAdjustHold = AdjustLower;
}

void Form21::ButtonD_MouseUp() {
    ShowFace(ButtonD, 1);
    Game().BookAdjustHold = AdjustIdle;
}

void Form21::Timer1_Timer() {
    GameState& g = Game();
    if (!StepAllBookOrders(g)) return;
    const int top = VScroll1->value();
    for (int r = 0; r < kOrderRowSlots; ++r) Label9[r]->setText(Q(BookOrderRowAt(g, top + r).copies));
    const int t = LookUpSelection();
    if (t < 0) return;
    Label6[3]->setText(Q(CopiesText(g.Book.EditedOrder[t])));
    ShowTotals(t);
    VScroll2->setValue(OrderSpinnerValue(g.Book.EditedOrder[t]));
}

void Form21::Form_Unload() {
    Timer1.stop();
    // A dialog closed from the keyboard while an arrow is held gets no
    // release; the next opening must not start adjusting on its own.
    Game().BookAdjustHold = AdjustIdle;
}

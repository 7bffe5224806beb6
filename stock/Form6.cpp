#include "stock/Form6.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "state/FormatMoney.h"
#include "state/TheGame.h"
#include "stock/MagazineOrders.h"

namespace os = order_sheet;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

constexpr int kWidth = 547;
constexpr int kHeight = 337;
constexpr int kFacesBelow = 372;  // the arrows' face stores lie below the client area

const QColor kGridGrey(0xC0, 0xC0, 0xC0);

}  // namespace

// ---- the chart box ----

CirculationBox::CirculationBox(QWidget* parent) : QWidget(parent) {
    setObjectName("Picture4");
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    resize(100, 97);
}

void CirculationBox::setChart(const CirculationChart& c) {
    chart_ = c;
    drawn_ = true;
    update();
}

void CirculationBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(kGridGrey);
    for (int y = kChartBaseY; y >= 24; y -= 16) p.drawLine(0, y, width(), y);
    for (int x = kChartIssueStep; x <= 88; x += kChartIssueStep) p.drawLine(x, kChartBaseY, x, 0);
    if (!drawn_) return;
    // Values above the box are cut off by it.
    p.setPen(QColor(0xFF, 0, 0));
    QPolygonF line;
    for (const ChartPoint& pt : chart_.line) line << QPointF(pt.x, pt.y);
    p.drawPolyline(line);
}

// ---- the dialog ----

Form6::Form6() {
    setObjectName("Form6");
    setWindowTitle(QStringLiteral("选择进货杂志"));
    setFixedSize(kWidth, kHeight);
    os::ButtonFace(this);

    // Column headings of the list.
    const struct {
        int x, w;
        const char* text;
    } heads[] = {{8, 135, "杂志名"}, {144, 63, "发售日"}, {208, 39, "进货价"},
                 {248, 39, "零售价"}, {288, 39, "进货数"}, {330, 185, "简介"}};
    for (const auto& h : heads) os::HeadingCell(this, QString::fromUtf8(h.text), QRect(h.x, 8, h.w, 17));

    // The list: twelve row slots on the sheet; slot 11 lies under the
    // viewport's lower edge.
    List = MakeOrderViewport(this, QRect(8, 29, 513, 177), {8, 136, 200, 240, 280, 320, 504}, 10);
    QWidget* sheet = List.sheet;
    for (int r = 0; r < kOrderRowSlots; ++r) {
        const int top = os::RowTop(r);
        SSCheck1[r] = new QRadioButton(sheet);
        SSCheck1[r]->setObjectName(QStringLiteral("SSCheck1_%1").arg(r));
        SSCheck1[r]->setGeometry(12, top, 121, os::kRowHeight);
        SSCheck1[r]->setFocusPolicy(Qt::NoFocus);
        Label4[r] = os::Text(sheet, {}, QRect(137, top, 65, os::kRowHeight), Qt::AlignCenter);
        Label1[r] = os::Text(sheet, {}, QRect(201, top, 38, os::kRowHeight), Qt::AlignRight | Qt::AlignVCenter);
        Label3[r] = os::Text(sheet, {}, QRect(240, top, 38, os::kRowHeight), Qt::AlignRight | Qt::AlignVCenter);
        Label9[r] = os::Text(sheet, {}, QRect(280, top, 38, os::kRowHeight), Qt::AlignRight | Qt::AlignVCenter);
        Label8[r] = os::Text(sheet, {}, QRect(320, top, 185, os::kRowHeight), Qt::AlignCenter);
    }

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName("VScroll1");
    VScroll1->setGeometry(524, 29, 17, 177);
    VScroll1->setRange(0, 0);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(8);

    // The detail panel.
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    os::HeadingCell(this, QStringLiteral("杂志名"), QRect(8, 221, 38, 17));
    Label6[0] = os::Text(this, {}, QRect(48, 223, 113, 13));
    os::HeadingCell(this, QStringLiteral("发售日"), QRect(176, 221, 38, 17));
    Label6[1] = os::Text(this, {}, QRect(216, 223, 89, 13));
    os::HeadingCell(this, QStringLiteral("简介"), QRect(8, 245, 24, 17));
    Label6[2] = os::Text(this, {}, QRect(34, 247, 159, 13));
    os::HeadingCell(this, QStringLiteral("进货数"), QRect(8, 269, 38, 17));
    Label6[3] = os::Text(this, QStringLiteral("0册"), QRect(48, 271, 41, 13), right);
    VScroll2 = new QScrollBar(Qt::Vertical, this);
    VScroll2->setObjectName("VScroll2");
    VScroll2->setGeometry(92, 269, 17, 18);
    VScroll2->setRange(0, kMaxOrderCopies);
    VScroll2->setSingleStep(1);
    VScroll2->setPageStep(1);
    VScroll2->setValue(kMaxOrderCopies);  // no copies
    os::HeadingCell(this, QStringLiteral("库存数"), QRect(112, 269, 38, 17));
    Label6[8] = os::Text(this, {}, QRect(152, 271, 41, 13), right);
    os::HeadingCell(this, QStringLiteral("资金"), QRect(8, 293, 30, 17));
    Label6[4] = os::Text(this, {}, QRect(40, 295, 137, 13), right);

    Frame1 = new QGroupBox(QStringLiteral("全部售出时"), this);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(198, 240, 125, 70);
    os::ButtonFace(Frame1);
    os::Text(Frame1, QStringLiteral("零售价"), QRect(8, 16, 40, 13));
    Label6[10] = os::Text(Frame1, QStringLiteral("0円"), QRect(49, 16, 65, 13), right);
    os::Text(Frame1, QStringLiteral("进货价"), QRect(8, 32, 40, 13));
    Label6[9] = os::Text(Frame1, QStringLiteral("0円"), QRect(49, 32, 65, 13), right);
    os::Text(Frame1, QStringLiteral("利润"), QRect(8, 52, 40, 13));
    Label6[11] = os::Text(Frame1, QStringLiteral("0円"), QRect(49, 52, 65, 13), right);
    for (int k : {0, 1, 2, 3, 4, 8, 9, 10, 11}) Label6[k]->setObjectName(QStringLiteral("Label6_%1").arg(k));

    // The circulation chart.
    os::HeadingCell(this, QStringLiteral("发行部数"), QRect(368, 215, 65, 17));
    Picture4 = new CirculationBox(this);
    Picture4->move(352, 232);
    Label10[3] = os::Text(this, QStringLiteral("0万"), QRect(312, 312, 40, 13), right);
    Label10[1] = os::Text(this, QStringLiteral("10万"), QRect(304, 282, 48, 13), right);
    Label10[2] = os::Text(this, QStringLiteral("20万"), QRect(304, 252, 48, 13), right);

    // The all-titles adjuster.
    os::HeadingCell(this, QStringLiteral("调整全部杂志的进货数"), QRect(8, 316, 169, 17));
    ButtonU = MakeAdjusterArrow(this, 6, "ButtonU", QPoint(177, 315), QPoint(3, kFacesBelow));
    ButtonD = MakeAdjusterArrow(this, 6, "ButtonD", QPoint(177, 324), QPoint(3, kFacesBelow + 16));
    ButtonU[0]->pressed = [this](Qt::MouseButton b) { ButtonU_MouseDown(b); };
    ButtonU[0]->released = [this](Qt::MouseButton) { ButtonU_MouseUp(); };
    ButtonD[0]->pressed = [this](Qt::MouseButton b) { ButtonD_MouseDown(b); };
    ButtonD[0]->released = [this](Qt::MouseButton) { ButtonD_MouseUp(); };
    Timer1.setInterval(100);

    Command3 = new QPushButton(QStringLiteral("杂志TOP10"), this);
    Command3->setObjectName("Command3");
    Command3->setGeometry(456, 232, 85, 25);
    Command1 = new QPushButton(QStringLiteral("确定"), this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(456, 272, 85, 25);
    Command2 = new QPushButton(QStringLiteral("取消"), this);
    Command2->setObjectName("Command2");
    Command2->setGeometry(456, 304, 85, 25);

    for (int r = 0; r < kOrderRowSlots; ++r)
        connect(SSCheck1[r], &QRadioButton::toggled, this, [this](bool on) {
            if (on) SSCheck1_Click();
        });
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form6::VScroll1_Change);
    connect(VScroll2, &QScrollBar::valueChanged, this, &Form6::VScroll2_Change);
    connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form6::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form6::Command3_Click);
    connect(&Timer1, &QTimer::timeout, this, &Form6::Timer1_Timer);

    Form_Load();
}

void Form6::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    GameState& g = Game();
    listed_ = OpenMagazineOrders(g);
    FillRows();
    List.sheet->setColumnBottom(os::kRowPitch * listed_ + 10);
    VScroll1->setRange(0, OrderListScrollMax(listed_));
    if (listed_ > 0)
        SSCheck1[0]->setChecked(true);  // selects the first title at once
    else
        VScroll2->setEnabled(false);
    // Not refreshed while the dialog is open: the game stands still.
    Label6[4]->setText(Q(FormatMoney(g.Funds) + "円"));
    Timer1.start();
}

int Form6::SelectedSlot() const {
    for (int r = 0; r < kOrderRowSlots; ++r)
        if (SSCheck1[r]->isChecked()) return r;
    return -1;
}

int Form6::LookUpSelection() {
    const int slot = SelectedSlot();
    if (slot < 0) return -1;
    const int position = VScroll1->value() + slot;
    if (position >= listed_) return -1;
    GameState& g = Game();
    g.SelectedMagazineRow = position;
    return g.MagazineWorkList[position].i();
}

void Form6::ShowDetail(int title) {
    const MagazineOrderDetail d = MagazineOrderDetailOf(Game(), title);
    Label6[0]->setText(Q(d.name));
    Label6[1]->setText(Q(d.issueDay));
    Label6[2]->setText(Q(d.description));
    // Also here, not only on a spinner change: two titles with the same
    // quantity leave the spinner where it is.
    Label6[3]->setText(Q(d.copies));
    ShowTotals(title);
    Label6[8]->setText(Q(d.stock));
}

void Form6::ShowTotals(int title) {
    const GameState& g = Game();
    const OrderTotals t = TotalsIfAllSold(g.Magazine.Cost[title], g.Magazine.Price[title], g.Magazine.EditedOrder[title]);
    Label6[9]->setText(Q(t.wholesale));
    Label6[10]->setText(Q(t.retail));
    Label6[11]->setText(Q(t.profit));
}

void Form6::FillRows() {
    const GameState& g = Game();
    const int top = VScroll1->value();
    for (int r = 0; r < kOrderRowSlots; ++r) {
        // A slot past the last title stays blank and cannot be selected.
        const MagazineOrderRow row = MagazineOrderRowAt(g, top + r, listed_);
        SSCheck1[r]->setText(Q(row.name));
        SSCheck1[r]->setVisible(row.filled);
        Label4[r]->setText(Q(row.issueDay));
        Label1[r]->setText(Q(row.cost));
        Label3[r]->setText(Q(row.price));
        Label9[r]->setText(Q(row.copies));
        Label8[r]->setText(Q(row.description));
    }
}

void Form6::DrawChart(int title) {
    const CirculationChart c = RedrawCirculationChart(Game(), title);
    Picture4->setChart(c);
    Label10[1]->setText(Q(c.middleLabel));
    Label10[2]->setText(Q(c.upperLabel));
}

void Form6::SSCheck1_Click() {
    const int t = LookUpSelection();
    if (t < 0) return;
    ShowDetail(t);
    VScroll2->setValue(OrderSpinnerValue(Game().Magazine.EditedOrder[t]));
    DrawChart(t);
}

void Form6::VScroll1_Change() {
    // The selected slot stays selected and so takes the title it now shows;
    // at the last position the cut-off slot 11 has none, and the selection
    // stays on the last title instead.
    const int top = VScroll1->value();
    const int slot = SelectedSlot();
    if (slot >= 0 && top + slot >= listed_ && listed_ > top) {
        QSignalBlocker quiet(SSCheck1[listed_ - 1 - top]);
        SSCheck1[listed_ - 1 - top]->setChecked(true);
    }
    const int t = LookUpSelection();
    if (t >= 0) ShowDetail(t);
    FillRows();
    if (t < 0) return;
    VScroll2->setValue(OrderSpinnerValue(Game().Magazine.EditedOrder[t]));
    DrawChart(t);
}

void Form6::VScroll2_Change() {
    const int t = LookUpSelection();
    if (t < 0) return;
    GameState& g = Game();
    SetMagazineEditedOrder(g, t, CopiesFromSpinner(VScroll2->value()));
    const QString copies = Q(CopiesText(g.Magazine.EditedOrder[t]));
    Label6[3]->setText(copies);
    Label9[g.SelectedMagazineRow.i() - VScroll1->value()]->setText(copies);
    ShowTotals(t);
}

void Form6::Command1_Click() {
    if (CommitMagazineOrders(Game())) CloseForm(17);  // nothing ordered any more
    accept();
}

void Form6::Command2_Click() { reject(); }

void Form6::Command3_Click() { ShowForm(50); }

void Form6::ButtonU_MouseDown(Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    ShowFace(ButtonU, 2);
    Game().MagazineAdjustHold = AdjustRaise;
}

void Form6::ButtonU_MouseUp() {
    ShowFace(ButtonU, 1);
    Game().MagazineAdjustHold = AdjustIdle;
}

void Form6::ButtonD_MouseDown(Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    ShowFace(ButtonD, 2);
    Game().MagazineAdjustHold = AdjustLower;
}

void Form6::ButtonD_MouseUp() {
    ShowFace(ButtonD, 1);
    Game().MagazineAdjustHold = AdjustIdle;
}

void Form6::Timer1_Timer() {
    GameState& g = Game();
    if (!StepAllMagazineOrders(g)) return;
    const int top = VScroll1->value();
    for (int r = 0; r < kOrderRowSlots; ++r) Label9[r]->setText(Q(MagazineOrderRowAt(g, top + r, listed_).copies));
    const int t = LookUpSelection();
    if (t < 0) return;
    ShowTotals(t);
    VScroll2->setValue(OrderSpinnerValue(g.Magazine.EditedOrder[t]));
}

void Form6::Form_Unload() {
    Timer1.stop();
    // A dialog closed from the keyboard while an arrow is held gets no
    // release; the next opening must not start adjusting on its own.
    Game().MagazineAdjustHold = AdjustIdle;
}

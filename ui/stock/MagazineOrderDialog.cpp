#include "ui/stock/MagazineOrderDialog.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "state/FormatMoney.h"
#include "stock/MagazineOrders.h"
#include "ui/kit/Controls.h"
#include "platform/qt/WindowRegistry.h"
#include "ui/kit/WheelScroll.h"

namespace os = order_sheet;

namespace {

constexpr int kWidth = 547;
constexpr int kHeight = 337;

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

MagazineOrderDialog::MagazineOrderDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form6");
    setWindowTitle(QStringLiteral("选择进货杂志"));
    setFixedSize(kWidth, kHeight);
    os::ButtonFace(this);

    // Column headings of the list.
    os::Headings(this, 8, {{8, 135, "杂志名"}, {144, 63, "发售日"}, {208, 39, "进货价"},
                           {248, 39, "零售价"}, {288, 39, "进货数"}, {330, 185, "简介"}});

    // The list: twelve row slots on the sheet; slot 11 lies under the
    // viewport's lower edge.
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    List = MakeOrderViewport(this, QRect(8, 29, 513, 177), {8, 136, 200, 240, 280, 320, 504}, 10);
    os::MakeRows(List.sheet, SSCheck1,
                 {{&Label4, 137, 65, Qt::AlignCenter}, {&Label1, 201, 38, right}, {&Label3, 240, 38, right},
                  {&Label9, 280, 38, right}, {&Label8, 320, 185, Qt::AlignCenter}});
    VScroll1 = os::ListScrollBar(this, QRect(524, 29, 17, 177));

    // The detail panel.
    const os::DetailPanel detail = os::MakeDetailPanel(this, 221, QStringLiteral("杂志名"), 113, QStringLiteral("发售日"));
    Label6[0] = detail.name;
    Label6[1] = detail.beside;
    Label6[2] = detail.description;
    Label6[3] = detail.copies;
    VScroll2 = detail.spinner;
    Label6[8] = detail.stock;
    Label6[4] = detail.funds;
    const os::AllSoldFrame allSold = os::MakeAllSoldFrame(this, "Frame1", QPoint(198, 240));
    Frame1 = allSold.box;
    Label6[10] = allSold.retail;
    Label6[9] = allSold.wholesale;
    Label6[11] = allSold.profit;
    for (int k : {0, 1, 2, 3, 4, 8, 9, 10, 11}) Label6[k]->setObjectName(QStringLiteral("Label6_%1").arg(k));

    // The circulation chart.
    os::HeadingCell(this, QStringLiteral("发行部数"), QRect(368, 215, 65, 17));
    Picture4 = new CirculationBox(this);
    Picture4->move(352, 232);
    Label10[3] = os::Text(this, QStringLiteral("0万"), QRect(312, 312, 40, 13), right);
    Label10[1] = os::Text(this, QStringLiteral("10万"), QRect(304, 282, 48, 13), right);
    Label10[2] = os::Text(this, QStringLiteral("20万"), QRect(304, 252, 48, 13), right);

    // The all-titles adjuster.
    const os::Adjuster adjuster = os::MakeAdjuster(this, Window::MagazineOrder, QStringLiteral("调整全部杂志的进货数"), 316);
    ButtonU = adjuster.up;
    ButtonD = adjuster.down;
    ButtonU[0]->pressed = [this](Qt::MouseButton b) { ButtonU_MouseDown(b); };
    ButtonU[0]->released = [this](Qt::MouseButton) { ButtonU_MouseUp(); };
    ButtonD[0]->pressed = [this](Qt::MouseButton b) { ButtonD_MouseDown(b); };
    ButtonD[0]->released = [this](Qt::MouseButton) { ButtonD_MouseUp(); };
    Timer1.setInterval(100);

    Command3 = NamedButton(this, "Command3", QStringLiteral("杂志TOP10"), QRect(456, 232, 85, 25));
    Command1 = NamedButton(this, "Command1", QStringLiteral("确定"), QRect(456, 272, 85, 25));
    Command2 = NamedButton(this, "Command2", QStringLiteral("取消"), QRect(456, 304, 85, 25));

    for (int r = 0; r < kOrderRowSlots; ++r)
        connect(SSCheck1[r], &QRadioButton::toggled, this, [this](bool on) {
            if (on) SSCheck1_Click();
        });
    connect(VScroll1, &QScrollBar::valueChanged, this, &MagazineOrderDialog::VScroll1_Change);
    WheelMovesBars(List.frame, VScroll1);
    connect(VScroll2, &QScrollBar::valueChanged, this, &MagazineOrderDialog::VScroll2_Change);
    connect(Command1, &QPushButton::clicked, this, &MagazineOrderDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &MagazineOrderDialog::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &MagazineOrderDialog::Command3_Click);
    connect(&Timer1, &QTimer::timeout, this, &MagazineOrderDialog::Timer1_Timer);

    Form_Load();
}

void MagazineOrderDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    GameState& g = game();
    listed_ = OpenMagazineOrders(g);
    FillRows();
    List.sheet->setColumnBottom(os::kRowPitch * listed_ + 10);
    VScroll1->setRange(0, OrderListScrollMax(listed_));
    if (listed_ > 0)
        SSCheck1[0]->setChecked(true);  // selects the first title at once
    else
        VScroll2->setEnabled(false);
    // Not refreshed while the dialog is open: the game stands still.
    Label6[4]->setText(QText(FormatMoney(g.Funds) + "円"));
    Timer1.start();
}

int MagazineOrderDialog::LookUpSelection() {
    const int position = os::SelectedPosition(SSCheck1, VScroll1->value(), listed_);
    if (position < 0) return -1;
    GameState& g = game();
    g.SelectedMagazineRow = position;
    return g.MagazineWorkList[position].i();
}

void MagazineOrderDialog::ShowDetail(int title) {
    const MagazineOrderDetail d = MagazineOrderDetailOf(game(), title);
    Label6[0]->setText(QText(d.name));
    Label6[1]->setText(QText(d.issueDay));
    Label6[2]->setText(QText(d.description));
    // Also here, not only on a spinner change: two titles with the same
    // quantity leave the spinner where it is.
    Label6[3]->setText(QText(d.copies));
    ShowTotals(title);
    Label6[8]->setText(QText(d.stock));
}

void MagazineOrderDialog::ShowTotals(int title) {
    const GameState& g = game();
    const OrderTotals t = TotalsIfAllSold(g.Magazine.Cost[title], g.Magazine.Price[title], g.Magazine.EditedOrder[title]);
    Label6[9]->setText(QText(t.wholesale));
    Label6[10]->setText(QText(t.retail));
    Label6[11]->setText(QText(t.profit));
}

void MagazineOrderDialog::FillRows() {
    const GameState& g = game();
    const int top = VScroll1->value();
    for (int r = 0; r < kOrderRowSlots; ++r) {
        // A slot past the last title stays blank and cannot be selected.
        const MagazineOrderRow row = MagazineOrderRowAt(g, top + r, listed_);
        SSCheck1[r]->setText(QText(row.name));
        SSCheck1[r]->setVisible(row.filled);
        Label4[r]->setText(QText(row.issueDay));
        Label1[r]->setText(QText(row.cost));
        Label3[r]->setText(QText(row.price));
        Label9[r]->setText(QText(row.copies));
        Label8[r]->setText(QText(row.description));
    }
}

void MagazineOrderDialog::DrawChart(int title) {
    const CirculationChart c = RedrawCirculationChart(game(), title);
    Picture4->setChart(c);
    Label10[1]->setText(QText(c.middleLabel));
    Label10[2]->setText(QText(c.upperLabel));
}

void MagazineOrderDialog::SSCheck1_Click() {
    const int t = LookUpSelection();
    if (t < 0) return;
    ShowDetail(t);
    VScroll2->setValue(OrderSpinnerValue(game().Magazine.EditedOrder[t]));
    DrawChart(t);
}

void MagazineOrderDialog::VScroll1_Change() {
    // The selected slot stays selected and so takes the title it now shows;
    // at the last position the cut-off slot 11 has none, and the selection
    // stays on the last title instead.
    os::KeepSelectionOnATitle(SSCheck1, VScroll1->value(), listed_);
    const int t = LookUpSelection();
    if (t >= 0) ShowDetail(t);
    FillRows();
    if (t < 0) return;
    VScroll2->setValue(OrderSpinnerValue(game().Magazine.EditedOrder[t]));
    DrawChart(t);
}

void MagazineOrderDialog::VScroll2_Change() {
    const int t = LookUpSelection();
    if (t < 0) return;
    GameState& g = game();
    SetMagazineEditedOrder(g, t, CopiesFromSpinner(VScroll2->value()));
    const QString copies = QText(CopiesText(g.Magazine.EditedOrder[t]));
    Label6[3]->setText(copies);
    Label9[g.SelectedMagazineRow.i() - VScroll1->value()]->setText(copies);
    ShowTotals(t);
}

void MagazineOrderDialog::Command1_Click() {
    if (CommitMagazineOrders(game())) CloseForm(Window::MagazineStock);  // nothing ordered any more
    accept();
}

void MagazineOrderDialog::Command2_Click() { reject(); }

void MagazineOrderDialog::Command3_Click() { ShowForm(Window::MagazineTopTen, game()); }

void MagazineOrderDialog::ButtonU_MouseDown(Qt::MouseButton button) {
    os::PressArrow(ButtonU, button, game().MagazineAdjustHold, AdjustRaise);
}

void MagazineOrderDialog::ButtonU_MouseUp() { os::ReleaseArrow(ButtonU, game().MagazineAdjustHold); }

void MagazineOrderDialog::ButtonD_MouseDown(Qt::MouseButton button) {
    os::PressArrow(ButtonD, button, game().MagazineAdjustHold, AdjustLower);
}

void MagazineOrderDialog::ButtonD_MouseUp() { os::ReleaseArrow(ButtonD, game().MagazineAdjustHold); }

void MagazineOrderDialog::Timer1_Timer() {
    GameState& g = game();
    if (!StepAllMagazineOrders(g)) return;
    const int top = VScroll1->value();
    for (int r = 0; r < kOrderRowSlots; ++r) Label9[r]->setText(QText(MagazineOrderRowAt(g, top + r, listed_).copies));
    const int t = LookUpSelection();
    if (t < 0) return;
    ShowTotals(t);
    VScroll2->setValue(OrderSpinnerValue(g.Magazine.EditedOrder[t]));
}

void MagazineOrderDialog::Form_Unload() {
    Timer1.stop();
    // A dialog closed from the keyboard while an arrow is held gets no
    // release; the next opening must not start adjusting on its own.
    game().MagazineAdjustHold = AdjustIdle;
}

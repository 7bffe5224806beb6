#include "ui/stock/MagazineOrderDialog.h"

#include <QLabel>
#include <QPainter>

#include "stock/MagazineOrders.h"
#include "ui/kit/Controls.h"
#include "ui/platform/WindowRegistry.h"

namespace os = order_sheet;

namespace {

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

namespace {

OrderDialog::Setup MagazineOrderSetup() {
    return {.window = Window::MagazineOrder,
            .headingTop = 8,
            .headings = {{8, 135, "杂志名"}, {144, 63, "发售日"}, {208, 39, "进货价"},
                         {248, 39, "零售价"}, {288, 39, "进货数"}, {330, 185, "简介"}},
            .listTop = 29, .columnX = {8, 136, 200, 240, 280, 320, 504}, .columnsFollowRows = true,
            .second = {137, 65}, .cost = {201, 38}, .price = {240, 38},
            .detailTop = 221, .nameHeading = "杂志名", .nameWidth = 113, .besideName = "发售日",
            .allSoldName = "Frame1", .allSoldAt = {198, 240},
            .adjusterHeading = "调整全部杂志的进货数", .adjusterTop = 316,
            .commands = {{{3, "杂志TOP10"}, {1, "确定"}, {2, "取消"}}},
            .selectedRow = &GameState::SelectedMagazineRow, .adjustHold = &GameState::MagazineAdjustHold};
}

}  // namespace

MagazineOrderDialog::MagazineOrderDialog(GameState& g) : OrderDialog(MagazineOrderSetup(), g) {
    setObjectName("Form6");
    setWindowTitle(QStringLiteral("选择进货杂志"));

    Label6 = {detail_.name,  detail_.beside,     detail_.description, detail_.copies, detail_.funds,
              nullptr,       nullptr,            nullptr,  // 5 to 7 unused
              detail_.stock, allSold_.wholesale, allSold_.retail, allSold_.profit};
    Frame1 = allSold_.box;
    for (int k : {0, 1, 2, 3, 4, 8, 9, 10, 11}) Label6[k]->setObjectName(QStringLiteral("Label6_%1").arg(k));

    // The circulation chart.
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    os::HeadingCell(this, QStringLiteral("发行部数"), QRect(368, 215, 65, 17));
    Picture4 = new CirculationBox(this);
    Picture4->move(352, 232);
    Label10[3] = os::Text(this, QStringLiteral("0万"), QRect(312, 312, 40, 13), right);
    Label10[1] = os::Text(this, QStringLiteral("10万"), QRect(304, 282, 48, 13), right);
    Label10[2] = os::Text(this, QStringLiteral("20万"), QRect(304, 252, 48, 13), right);

    MakeAdjusterAndCommands();
    Form_Load();
}

int MagazineOrderDialog::OpenCatalogue(GameState& g) { return OpenMagazineOrders(g); }

OrderCatalogue MagazineOrderDialog::Catalogue(GameState& g) { return MagazineOrderCatalogue(g); }

bool MagazineOrderDialog::StepAll(GameState& g) { return StepAllMagazineOrders(g); }

void MagazineOrderDialog::ShowDetail(int title) {
    const MagazineOrderDetail d = MagazineOrderDetailOf(game(), title);
    Label6[0]->setText(QText(d.name));
    Label6[1]->setText(QText(d.issueDay));
    Label6[2]->setText(QText(d.description));
    Label6[8]->setText(QText(d.stock));
    DrawChart(title);
}

void MagazineOrderDialog::DrawChart(int title) {
    const CirculationChart c = RedrawCirculationChart(game(), title);
    Picture4->setChart(c);
    Label10[1]->setText(QText(c.middleLabel));
    Label10[2]->setText(QText(c.upperLabel));
}

void MagazineOrderDialog::Command1_Click() {
    if (CommitMagazineOrders(game())) CloseForm(Window::MagazineStock);  // nothing ordered any more
    accept();
}

void MagazineOrderDialog::Command2_Click() { reject(); }

void MagazineOrderDialog::Command3_Click() { ShowForm(Window::MagazineTopTen, game()); }

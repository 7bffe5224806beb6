#include "ui/business/ChartWindow.h"

#include <QButtonGroup>
#include <algorithm>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

#include "ui/kit/Controls.h"

namespace {

constexpr int kMargin = 8;
constexpr int kLabelWidth = 72;
constexpr int kPlotLeft = kMargin + kLabelWidth + 4;
constexpr int kOptionsLeft = kPlotLeft + kPlotWidth + 10;
constexpr int kOptionsWidth = 104;
constexpr int kOptionHeight = 22;

const QColor kGrey(192, 192, 192);
const QColor kRed(255, 0, 0);

// The period buttons, top to bottom.
constexpr const char* kPeriods[] = {"每年", "每月", "每日"};
// The scale buttons' captions by option element.
const char* ScaleCaption(ChartKind kind, int option) {
    if (kind == ChartKind::Sales) return option == 5 ? "百册" : "1千册";
    return option == 4 ? "10万" : option == 5 ? "百万" : "1千万";
}

}  // namespace

ChartPlot::ChartPlot(const ChartSpec& spec, QWidget* parent) : QWidget(parent), spec_(spec) {
    setObjectName("Picture1");
    setFixedSize(kPlotWidth, kPlotHeight);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void ChartPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const double right = kChartLeft + kChartStep * (kChartPoints + 1);  // 136
    const double lastTick = kChartLeft + kChartStep * kChartPoints;     // 128

    p.setPen(kGrey);  // Line2: the grid
    for (int y : spec_.gridLines)
        if (y != 0) p.drawLine(QLineF(kChartLeft, y, right, y));

    p.setPen(Qt::black);  // Line3: the axis and the ticks across the base line
    const double axisBottom = spec_.kind == ChartKind::Sales ? spec_.base : kPlotHeight - 1;
    const double axisTop = spec_.kind == ChartKind::Sales ? 8 : 0;
    p.drawLine(QLineF(kChartLeft, axisBottom, kChartLeft, axisTop));
    for (double x = kChartLeft + kChartStep; x <= lastTick; x += kChartStep)
        p.drawLine(QLineF(x, spec_.base - 2, x, spec_.base + 2));

    p.setPen(kRed);  // Line1: the history, already clipped to the plot
    for (const ChartSegment& s : Line1)
        if (s.visible) p.drawLine(QLineF(s.visible->x1, s.visible->y1, s.visible->x2, s.visible->y2));
}

ChartWindow::ChartWindow(Window w, Value GameState::*dirty, ChartKind kind, const QString& caption, GameState& g)
    : ReportWindow(w, dirty, g), kind_(kind), dirty_(dirty) {
    setWindowTitle(caption);
    const ChartSpec& spec = ChartSpecOf(kind);

    Picture1 = new ChartPlot(spec, this);
    Picture1->move(kPlotLeft, kMargin);

    // The scale labels left of the plot, each beside its grid line.
    auto label = [&](int element, int y, const char* text) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setObjectName(QStringLiteral("Label1_%1").arg(element));
        l->setGeometry(kMargin, kMargin + y - 9, kLabelWidth, 18);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Label1[element] = l;
    };
    label(0, static_cast<int>(spec.base), spec.zeroLabel);
    for (int k = 0; k < 3; ++k)
        if (spec.labelLines[k] != 0) label(k + 1, spec.labelLines[k], "");

    // The period buttons, then the scale buttons in their frame.
    auto* periods = new QButtonGroup(this);
    for (int k = 1; k <= 3; ++k) {
        auto* o = new QRadioButton(QString::fromUtf8(kPeriods[k - 1]), this);
        o->setObjectName(QStringLiteral("Option%1").arg(k));
        o->setGeometry(kOptionsLeft + 8, kMargin + (k - 1) * kOptionHeight, kOptionsWidth - 8, kOptionHeight);
        periods->addButton(o);
        Option[k] = o;
    }
    Option[static_cast<int>(ChartPeriod::Monthly)]->setChecked(true);

    const int frameTop = kMargin + 3 * kOptionHeight + 4;
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(kOptionsLeft, frameTop, kOptionsWidth, spec.scaleCount * kOptionHeight + 12);
    auto* scales = new QButtonGroup(this);
    for (int k = 0; k < spec.scaleCount; ++k) {
        const int option = spec.scales[k].option;
        auto* o = new QRadioButton(QString::fromUtf8(ScaleCaption(kind, option)), Frame1);
        o->setObjectName(QStringLiteral("Option%1").arg(option));
        o->setGeometry(8, 6 + k * kOptionHeight, kOptionsWidth - 16, kOptionHeight);
        scales->addButton(o);
        Option[option] = o;
    }
    Option[spec.scales[0].option]->setChecked(true);

    for (QRadioButton* o : Option)
        if (o) connect(o, &QRadioButton::clicked, this, &ChartWindow::Option_Click);

    setFixedSize(kOptionsLeft + kOptionsWidth + kMargin,
                 std::max(kMargin + kPlotHeight, frameTop + Frame1->height()) + kMargin);
}

ChartPeriod ChartWindow::period() const {
    if (Option[1]->isChecked()) return ChartPeriod::Yearly;
    if (Option[3]->isChecked()) return ChartPeriod::Daily;
    return ChartPeriod::Monthly;
}

const ChartScale& ChartWindow::scale() const {
    for (int option = 4; option <= 6; ++option)
        if (Option[option] && Option[option]->isChecked()) return ChartScaleOf(kind_, option);
    return ChartScaleOf(kind_, 0);
}

void ChartWindow::Option_Click() { game().*dirty_ = 1; }

void ChartWindow::Redraw() {
    const ChartSpec& spec = ChartSpecOf(kind_);
    const ChartScale& s = scale();
    for (int k = 1; k < static_cast<int>(Label1.size()); ++k)
        if (Label1[k]) Label1[k]->setText(QString::fromUtf8(s.labels[k - 1]));
    Picture1->Line1 = PlotChart(ChartHistory(game(), kind_, period()), spec.base, s.perPixel);
    Picture1->update();
}

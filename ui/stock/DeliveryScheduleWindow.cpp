#include "ui/stock/DeliveryScheduleWindow.h"

#include <QPalette>
#include <algorithm>

#include "stock/DeliverySchedule.h"
#include "ui/kit/Controls.h"
#include "ui/kit/WheelScroll.h"

namespace rs = report_sheet;

namespace {

constexpr QRect kViewport(8, 24, 320, 100);
constexpr int kListWidth = 321;
constexpr int kScrollTop = 24;
constexpr int kScrollWidth = 17;
constexpr int kCellHeight = 12;
// Room for every day of a month; the row pool starts at what the built-in
// catalogues can ever need and grows if a month needs more.
constexpr int kDateLabels = 32;
constexpr int kRowPool = 257;
// Where the platform puts a new child window, this big.
constexpr OuterSize kOpeningSize{kReportOpeningWidth, 4500};

}  // namespace

DeliveryScheduleWindow::DeliveryScheduleWindow(GameState& g) : ReportWindow(Window::DeliverySchedule, &GameState::ScheduleDirty, g) {
    setObjectName("Form59");
    setWindowTitle(QStringLiteral("今月的进货计划表"));
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Button));
    setPalette(p);

    Label1[0] = rs::HeadingCell(this, {}, QRect(8, 6, 73, 17));
    Label1[1] = rs::HeadingCell(this, QStringLiteral("进货名"), QRect(88, 6, 103, 17));
    Label1[2] = rs::HeadingCell(this, QStringLiteral("进货数"), QRect(192, 6, 47, 17));
    Label1[3] = rs::HeadingCell(this, QStringLiteral("合计费用"), QRect(240, 6, 81, 17));
    for (int k = 0; k < 4; ++k) Label1[k]->setObjectName(QStringLiteral("Label1_%1").arg(k));

    List = MakeSheetViewport(this, kViewport, {72, 184, 224}, 8, 8);
    List.sheet->setGeometry(0, 0, kListWidth, ScheduleListHeight(0));

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName("VScroll1");
    VScroll1->setGeometry(0, kScrollTop, kScrollWidth, 0);
    VScroll1->setRange(0, 0);
    VScroll1->setSingleStep(kScheduleRowPitch);  // a row an arrow click; a page set with the size
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    WheelMovesBars(List.frame, VScroll1);

    MakeRows(kRowPool);
    MakeDateLabels(kDateLabels);
}

void DeliveryScheduleWindow::MakeRows(int count) {
    QWidget* list = List.sheet;
    const auto right = Qt::AlignRight;
    for (int r = static_cast<int>(Label3.size()); r < count; ++r) {
        const int top = ScheduleRowTop(r);
        Label3.push_back(rs::Cell(list, QRect(72, top, 115, kCellHeight), Qt::AlignHCenter));
        Label4.push_back(rs::Cell(list, QRect(184, top, 39, kCellHeight), right));
        Label5.push_back(rs::Cell(list, QRect(224, top, 89, kCellHeight), right));
        for (QLabel* l : {Label3[r], Label4[r], Label5[r]}) l->show();
    }
}

void DeliveryScheduleWindow::MakeDateLabels(int count) {
    for (int k = static_cast<int>(Label2.size()); k < count; ++k) {
        QLabel* l = rs::Cell(List.sheet, QRect(0, ScheduleRowTop(0), 73, kCellHeight), Qt::AlignRight);
        l->setContentsMargins(0, 0, 3, 0);  // clear of the column rule at x 72
        // Only the first day's label stands before the first rebuild.
        l->setVisible(k == 0);
        Label2.push_back(l);
    }
}

void DeliveryScheduleWindow::showEvent(QShowEvent* e) {
    ReportWindow::showEvent(e);
    if (loaded_) return;
    loaded_ = true;
    rs::SetOuterTwips(this, kOpeningSize);
    Form_Resize();
}

void DeliveryScheduleWindow::resizeEvent(QResizeEvent* e) {
    ReportWindow::resizeEvent(e);
    Form_Resize();
}

void DeliveryScheduleWindow::Redraw() {
    GameState& g = game();
    const DeliverySchedule s = RebuildDeliverySchedule(g);
    Label1[0]->setText(QText(s.heading));

    const int rows = static_cast<int>(s.rows.size());
    MakeRows(rows);
    for (int r = 0; r < static_cast<int>(Label3.size()); ++r) {
        const bool used = r < rows;
        Label3[r]->setText(used ? QText(s.rows[r].name) : QString());
        Label4[r]->setText(used ? QText(s.rows[r].copies) : QString());
        Label5[r]->setText(used ? QText(s.rows[r].cost) : QString());
    }

    const int days = static_cast<int>(s.days.size());
    MakeDateLabels(days);
    std::vector<int> dayRules;
    for (int k = 0; k < static_cast<int>(Label2.size()); ++k) {
        QLabel* l = Label2[k];
        if (k >= days) {
            l->hide();
            continue;
        }
        const ScheduleDay& d = s.days[k];
        l->setText(QText(d.label));
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, d.today ? QColor(255, 0, 0) : palette().color(QPalette::ButtonText));
        l->setPalette(p);
        l->move(0, ScheduleRowTop(d.firstRow));
        l->show();
        dayRules.push_back(ScheduleDayRuleY(d.firstRow));
    }
    if (!dayRules.empty()) dayRules.front() = 8;  // the first day's rule is the list's top rule
    List.sheet->setRowRules(std::move(dayRules));
    List.sheet->setColumnBottom(ScheduleRuleBottom(rows));

    listHeight_ = ScheduleListHeight(rows);
    List.sheet->resize(kListWidth, listHeight_);
    Form_Resize();
}

void DeliveryScheduleWindow::Form_Resize() {
    if (!loaded_ || rs::IsMinimised(this)) return;
    // A change of the outer size runs the rules again from inside; that
    // pass finds nothing more to change.
    if (resizeDepth_ > 2) return;
    ++resizeDepth_;
    const OuterSize outer = rs::OuterTwips(this);
    const OuterSize wanted = ScheduleWindowOuter(outer, height(), listHeight_);
    if (wanted != outer) rs::SetOuterTwips(this, wanted);
    const ScheduleWindowParts parts = ScheduleWindowLayout(width(), height(), listHeight_);
    VScroll1->setGeometry(parts.scrollLeft, kScrollTop, kScrollWidth, parts.scrollHeight);
    VScroll1->setMaximum(parts.scrollMax);
    SetViewportHeight(List, parts.viewportHeight);
    // A click beside the thumb moves the whole rows in sight (one at
    // least), and so a wheel notch moves three rows: the bar's wheel step
    // never exceeds its page.
    VScroll1->setPageStep(std::max(1, List.client->height() / kScheduleRowPitch) * kScheduleRowPitch);
    --resizeDepth_;
}

void DeliveryScheduleWindow::VScroll1_Change() { List.sheet->move(0, -VScroll1->value()); }

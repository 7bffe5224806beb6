#include "ui/stock/StockWindow.h"

#include "stock/StockReport.h"
#include "ui/kit/Controls.h"
#include "ui/kit/WheelScroll.h"

namespace rs = report_sheet;

namespace {
constexpr QRect kListFrame(8, 32, 313, 100);
constexpr int kSheetWidth = 321;
constexpr int kScrollTop = 32;
constexpr int kScrollWidth = 17;
constexpr int kSeparatorTop = 4;
constexpr int kCellHeight = 12;
}  // namespace

StockWindow::StockWindow(const Setup& setup, GameState& g) : ReportWindow(setup.window, setup.dirty, g), setup_(setup) {
    // Colours are those of the platform: the window in the button face,
    // the sheet in the window colour.
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Button));
    setPalette(p);

    List = MakeSheetViewport(this, kListFrame, setup.separatorX, kSeparatorTop, StockRuleBottom(0));
    List.sheet->setGeometry(-setup.sheetLeft, 0, kSheetWidth, StockSheetHeight(0));

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName("VScroll1");
    VScroll1->setGeometry(0, kScrollTop, kScrollWidth, 0);
    VScroll1->setRange(0, 0);
    VScroll1->setSingleStep(20);
    VScroll1->setPageStep(40);
    // Setting the value moves the sheet, and so does dragging the thumb.
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    WheelMovesBars(List.frame, VScroll1);

    // The refill runs after the rebuild on the same firing, and alone when
    // only the figures changed.
    connect(this, &ReportWindow::fired, this, [this] { RefillStage(); });

    for (const Setup::Heading& h : setup.headings)
        rs::HeaderBox(this, h.box, QString::fromUtf8(h.caption), QRect(h.x, 10, h.w, kCellHeight));
}

int StockWindow::sheetHeight() const { return List.sheet->height(); }

void StockWindow::MakeRows(int count) {
    QWidget* sheet = List.sheet;
    for (int r = static_cast<int>(Label.size()); r < count; ++r) {
        const int top = StockRowTop(r);
        const std::array<std::vector<QLabel*>*, 4> columns{&Label, &KLabel, &ZLabel, &SLabel};
        for (std::size_t k = 0; k < columns.size(); ++k) {
            const Setup::Cell& c = setup_.cells[k];
            columns[k]->push_back(rs::Cell(sheet, QRect(c.x, top, c.w, kCellHeight), c.align));
            columns[k]->back()->show();
        }
        MakeOwnCells(r, top);
    }
}

void StockWindow::BlankRows(int first) {
    for (std::size_t r = static_cast<std::size_t>(first); r < Label.size(); ++r) {
        for (QLabel* l : {Label[r], KLabel[r], ZLabel[r], SLabel[r]}) l->clear();
        BlankOwnCells(static_cast<int>(r));
    }
}

void StockWindow::ShowTexts(int r, const std::string& name, const std::string& profit, const std::string& stock,
                            const std::string& sold) {
    Label[r]->setText(QText(name));
    KLabel[r]->setText(QText(profit));
    ZLabel[r]->setText(QText(stock));
    SLabel[r]->setText(QText(sold));
}

void StockWindow::PrepareSheet(int rows) {
    MakeRows(rows);
    List.sheet->resize(List.sheet->width(), StockSheetHeight(rows));
    List.sheet->setColumnBottom(StockRuleBottom(rows));
}

void StockWindow::showEvent(QShowEvent* e) {
    ReportWindow::showEvent(e);
    if (loaded_) return;
    loaded_ = true;
    // Opens where the platform places a new child window.
    rs::SetOuterTwips(this, {kReportOpeningWidth, kStockOpeningHeight});
    Form_Resize();
}

void StockWindow::resizeEvent(QResizeEvent* e) {
    ReportWindow::resizeEvent(e);
    Form_Resize();
}

void StockWindow::Form_Resize() {
    if (!loaded_ || closing_ || rs::IsMinimised(this)) return;
    // A change of the outer size runs the rule again from inside; it
    // settles on that pass, which finds nothing more to change.
    if (resizeDepth_ > 2) return;
    ++resizeDepth_;
    const int sheet = sheetHeight();
    const OuterSize outer = rs::OuterTwips(this);
    const OuterSize wanted = StockWindowOuter(outer, height(), sheet);
    if (wanted != outer) rs::SetOuterTwips(this, wanted);
    const StockWindowParts parts = StockWindowLayout(width(), height(), sheet);
    VScroll1->setGeometry(parts.scrollLeft, kScrollTop, kScrollWidth, parts.scrollHeight);
    VScroll1->setMaximum(parts.scrollMax);
    SetViewportHeight(List, parts.frameHeight);
    --resizeDepth_;
}

void StockWindow::VScroll1_Change() { List.sheet->move(-setup_.sheetLeft, -VScroll1->value()); }

void StockWindow::Redraw() {
    GameState& g = game();
    BlankRows(0);
    const int rows = Rebuild(g);
    if (rows == 0) {
        // Nothing left to show: the window goes, without a word.
        closing_ = true;
        rs::CloseWindow(this);
        return;
    }
    const int sheet = StockSheetHeight(rows);
    List.sheet->setColumnBottom(StockRuleBottom(rows));
    List.sheet->resize(List.sheet->width(), sheet);
    const StockRebuildFit fit = StockFitAfterRebuild(sheet, height(), setup_.fitExtraTwips);
    // A lower maximum pulls the value, and the sheet, down with it.
    VScroll1->setMaximum(fit.scrollMax);
    if (fit.outerHeight != 0) rs::SetOuterTwips(this, {rs::OuterTwips(this).width, fit.outerHeight});
}

void StockWindow::RefillStage() {
    GameState& g = game();
    if (closing_ || (g.*setup_.refill).asInt() != 1) return;
    // Slots below the last row are blanked too, so a title that went since
    // the last rebuild leaves nothing behind.
    BlankRows(Refill(g));
}

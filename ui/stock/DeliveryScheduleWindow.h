#pragma once
// "今月的进货计划表": every day of the current month with what arrives on
// it — books at the end of their delivery countdown, magazines on their
// issue days with a standing order — each with the copies and their cost,
// and "无" on a day with nothing. Today's date is red. Rebuilt whenever the
// day turns or an order is confirmed.
#include <QLabel>
#include <QScrollBar>
#include <array>
#include <vector>

#include "ui/kit/ReportWindow.h"
#include "stock/DeliverySchedule.h"
#include "ui/stock/ReportSheet.h"

struct GameState;

class DeliveryScheduleWindow : public ReportWindow {
    Q_OBJECT
public:
    explicit DeliveryScheduleWindow(GameState& g);

    std::array<QLabel*, 4> Label1{};  // headings: 0 the month, 1 "进货名", 2 "进货数", 3 "合计费用"
    SheetViewport List;               // the viewport Picture2 and the list Picture1
    QScrollBar* VScroll1 = nullptr;
    std::vector<QLabel*> Label2;      // date of day k + 1
    std::vector<QLabel*> Label3;      // name
    std::vector<QLabel*> Label4;      // copies
    std::vector<QLabel*> Label5;      // total cost

    // The list's height from the last rebuild.
    int listHeight() const { return listHeight_; }

    void Form_Resize();
    void VScroll1_Change();

protected:
    void Redraw() override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void MakeRows(int count);
    void MakeDateLabels(int count);
    int listHeight_ = ScheduleListHeight(257);  // the row pool, until the first rebuild
    bool loaded_ = false;
    int resizeDepth_ = 0;
};

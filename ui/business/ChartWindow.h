#pragma once
// The two chart windows are twins: a white plot of the last twelve points
// of a history with its grid, axis and scale labels, three period buttons
// (每年, 每月 as it opens, 每日) and a group of scale buttons. Each is a
// report window, redrawn whenever its flag is raised by the bookings it
// shows or by its own buttons. SalesChartWindow and ProfitChartWindow say
// which history and which scales.
#include <QWidget>
#include <array>

#include "business/Charts.h"
#include "ui/kit/ReportWindow.h"

class QGroupBox;
class QLabel;
class QRadioButton;

// The plot "Picture1": grid lines (Line2), the axis and ticks (Line3) and
// the twelve red segments (Line1), drawn in real coordinates.
class ChartPlot : public QWidget {
    Q_OBJECT
public:
    ChartPlot(const ChartSpec& spec, QWidget* parent);
    // The segments as the last redraw set them.
    std::array<ChartSegment, kChartPoints> Line1{};

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const ChartSpec& spec_;
};

class ChartWindow : public ReportWindow {
    Q_OBJECT
public:
    // Option[1..3] the periods; Option[4..6] the scale buttons the chart
    // has (the sales chart only 5 and 6). Null where there is none.
    std::array<QRadioButton*, 7> Option{};
    std::array<QLabel*, 4> Label1{};  // "0册"/"0円", then the scale labels
    ChartPlot* Picture1 = nullptr;
    QGroupBox* Frame1 = nullptr;      // the scale buttons' frame

    ChartPeriod period() const;
    // The scale the chosen scale button stands for.
    const ChartScale& scale() const;
    // Every option button: the chart is drawn again at the next timer tick.
    void Option_Click();

protected:
    ChartWindow(Window w, Value GameState::*dirty, ChartKind kind, const QString& caption, GameState& g);
    void Redraw() override;

private:
    ChartKind kind_;
    Value GameState::*dirty_;
};

#include "ui/business/DayReportDialog.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "business/DayReport.h"
#include "state/MainCaption.h"
#include "ui/platform/WindowRegistry.h"
#include "ui/kit/NoticeWindow.h"

namespace {

constexpr int kWidth = 268;
constexpr int kHeight = 276;
constexpr int kMargin = 8;
constexpr int kDateBarHeight = 32;

// The date line on the frame: value, unit, value, unit, ... as
// (Label2 element, Label1 element or -1, width of the value).
struct DatePart {
    int value, unit, width;
};
constexpr DatePart kDateParts[] = {{4, 4, 44}, {5, 5, 24}, {6, 6, 24}, {7, -1, 56}};
constexpr const char* kUnits[] = {"年", "月", "日"};
constexpr int kUnitWidth = 18;

QLabel* OnBar(QWidget* parent, const QString& name, const QString& text, int x, int width, QFont font) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(x, 0, width, kDateBarHeight);
    l->setAlignment(Qt::AlignCenter);
    l->setFont(font);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(p);
    return l;
}

}  // namespace

DayReportDialog::DayReportDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form27");
    setWindowTitle(QStringLiteral("今天是"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);

    Shape1[0] = notice_window::MakeHeadingBand(this, QRect(kMargin, kMargin, kWidth - 2 * kMargin, kDateBarHeight));

    QFont big = font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    int x = 10;
    for (const DatePart& d : kDateParts) {
        Label2[d.value] = OnBar(Shape1[0], QStringLiteral("Label2_%1").arg(d.value), QString(), x, d.width, big);
        x += d.width;
        if (d.unit < 0) continue;
        Label1[d.unit] = OnBar(Shape1[0], QStringLiteral("Label1_%1").arg(d.unit), QString::fromUtf8(kUnits[d.unit - 4]),
                               x, kUnitWidth, font());
        x += kUnitWidth + 2;
    }

    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setGeometry(kMargin, kMargin + kDateBarHeight + 8, kWidth - 2 * kMargin, 166);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);

    Label3 = new QLabel(QStringLiteral("\"→\"标志为进货书刊。"), this);
    Label3->setObjectName("Label3");
    Label3->setGeometry(kMargin, List1->geometry().bottom() + 6, kWidth - 2 * kMargin, 18);

    Command1 = notice_window::MakeCloseButton(this, QRect(kWidth - kMargin - 81, kHeight - kMargin - 26, 81, 26));
    connect(Command1, &QPushButton::clicked, this, &DayReportDialog::Command1_Click);

    Form_Load();

    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &DayReportDialog::Timer1_Timer);
    Timer1.start();
}

void DayReportDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    notice_window::PaintHeadingBand(Shape1[0]);

    GameState& g = game();
    const DayReport r = BuildDayReport(g);
    setWindowTitle(QString::fromStdString(r.caption));
    Label2[4]->setText(QString::number(r.date.year));
    Label2[5]->setText(QString::number(r.date.month));
    Label2[6]->setText(QString::number(r.date.day));
    Label2[7]->setText(QString::fromStdString(r.weekday));
    // The main caption shows the new day, as the report does.
    if (QWidget* main = MainWidget()) main->setWindowTitle(QString::fromStdString(MainCaption(g)));
    DayReportOpened(g);
    for (const std::string& line : r.lines) List1->addItem(QString::fromStdString(line));
}

void DayReportDialog::Timer1_Timer() {
    if (!DayReportTimerTick(game())) return;
    Timer1.stop();
    accept();
}

void DayReportDialog::Command1_Click() { accept(); }

void DayReportDialog::Form_Unload() {
    Timer1.stop();
    DayClose(game());
}

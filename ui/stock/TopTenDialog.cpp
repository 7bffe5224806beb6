#include "ui/stock/TopTenDialog.h"

#include <QFrame>
#include <QPainter>

#include "ui/stock/ReportSheet.h"

namespace rs = report_sheet;

namespace {

constexpr int kWidth = 241;
constexpr int kHeight = 219;
constexpr QRect kList(8, 50, 225, 161);
constexpr int kRowHeight = 12;

// The list: white, with the rules between rank, title and price.
class TopTenSheet : public QFrame {
public:
    explicit TopTenSheet(QWidget* parent) : QFrame(parent) {
        setObjectName("Picture1");
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, p.color(QPalette::Base));
        setPalette(p);
        rs::SmallFont(this);
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        QFrame::paintEvent(e);
        QPainter p(this);
        p.setPen(Qt::black);
        const QRect c = contentsRect();
        for (int x : {32, 176}) p.drawLine(c.left() + x, c.top(), c.left() + x, c.bottom());
    }
};

}  // namespace

TopTenDialog::TopTenDialog(GameState& g, const QString& caption, const QString& titleHead) : ModalDialog(g) {
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Button));
    setPalette(p);

    Label3 = rs::HeadingCell(this, QStringLiteral("== %1 ==").arg(caption), QRect(8, 10, 225, 17));
    Label3->setObjectName("Label3");
    rs::HeadingCell(this, QStringLiteral("排名"), QRect(8, 34, 33, 15));
    rs::HeadingCell(this, titleHead, QRect(48, 34, 137, 15));
    rs::HeadingCell(this, QStringLiteral("价格"), QRect(192, 34, 41, 15));

    auto* list = new TopTenSheet(this);
    list->setGeometry(kList);
    const QPoint o = list->contentsRect().topLeft();
    for (int i = 0; i < kTopTenRows; ++i) {
        const int top = o.y() + 15 * i + 4;
        Label2[i] = rs::Cell(list, QRect(o.x(), top, 33, kRowHeight), Qt::AlignHCenter);
        Label4[i] = rs::Cell(list, QRect(o.x() + 32, top, 139, kRowHeight), Qt::AlignHCenter);
        Label5[i] = rs::Cell(list, QRect(o.x() + 172, top, 46, kRowHeight), Qt::AlignRight);
    }
}

void TopTenDialog::ShowRanking(const TopTenList& list) {
    for (int i = 0; i < kTopTenRows; ++i) {
        Label2[i]->setText(QString::fromStdString(list[i].rank));
        Label4[i]->setText(QString::fromStdString(list[i].title));
        Label5[i]->setText(QString::fromStdString(list[i].price));
    }
}

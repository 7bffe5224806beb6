#include "ui/main/StatusLine.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {
// Antialiased glyphs may reach a column past their advance.
constexpr int kOverhang = 2;
// The texts kept laid out, forgotten all together when there are more.
constexpr qsizetype kLaidOutTexts = 64;
}  // namespace

StatusLine::StatusLine(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StatusLine::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    // The text is laid out when it is painted. Its characters' advances
    // bound it (kerning narrows a text rather than widens it); should it
    // reach further all the same, the paint asks for the rest.
    int bound = text_.isEmpty() ? 0 : kOverhang;
    for (QChar c : text_) bound += Advance(c);
    update(QRect(0, 0, std::max(paintedRight_, bound), height()));
}

int StatusLine::Advance(QChar c) {
    auto it = advances_.find(c.unicode());
    if (it == advances_.end()) {
        // Half of a pair of surrogates stands for a character the font may
        // draw wide: a whole em for each half.
        const int advance = c.isSurrogate() ? fontMetrics().height() : fontMetrics().horizontalAdvance(c);
        it = advances_.emplace(c.unicode(), advance).first;
    }
    return it->second;
}

void StatusLine::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange) {
        advances_.clear();
        laidOut_.clear();
    }
    QWidget::changeEvent(e);
}

QSize StatusLine::sizeHint() const { return QSize(0, fontMetrics().height()); }

const QStaticText& StatusLine::LaidOut(const QString& text) {
    auto it = laidOut_.find(text);
    if (it == laidOut_.end()) {
        if (laidOut_.size() >= kLaidOutTexts) laidOut_.clear();
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        laid.prepare(QTransform(), font());
        it = laidOut_.insert(text, laid);
    }
    return *it;
}

void StatusLine::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.fillRect(e->rect(), palette().window());
    int right = 0;
    if (!text_.isEmpty()) {
        // Left aligned and centred in the height on whole pixels, in the
        // window's text colour, as the style draws a label's text.
        const QStaticText& laid = LaidOut(text_);
        p.setPen(QPen(palette().brush(QPalette::WindowText), p.pen().widthF()));
        p.drawStaticText(QPointF(0, std::ceil((height() - laid.size().height()) / 2)), laid);
        right = qCeil(laid.size().width()) + kOverhang;
    }
    const int covered = e->rect().right() + 1;
    if (right > covered) update(QRect(covered, 0, right - covered, height()));
    const bool clearedAll = e->region().contains(QRect(0, 0, paintedRight_, height()));
    paintedRight_ = clearedAll ? right : std::max(paintedRight_, right);
}

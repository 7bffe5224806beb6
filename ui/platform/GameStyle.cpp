#include "ui/platform/GameStyle.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace {

constexpr int kCaptionIndent = 6;   // the caption's left end, from the frame's left edge
constexpr int kCaptionPadding = 2;  // room left and right of the caption's text
constexpr int kFrameWidth = 2;      // the etched line

// The frames drawn here: the plain ones, without a check box in their caption.
const QStyleOptionGroupBox* PlainFrame(QStyle::ComplexControl control, const QStyleOptionComplex* option) {
    if (control != QStyle::CC_GroupBox) return nullptr;
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (!box || (box->subControls & QStyle::SC_GroupBoxCheckBox)) return nullptr;
    return box;
}

int CaptionHeight(const QStyleOptionGroupBox& box) { return box.text.isEmpty() ? 0 : box.fontMetrics.height(); }

}  // namespace

GameStyle::GameStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QRect GameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                const QWidget* widget) const {
    const QStyleOptionGroupBox* box = PlainFrame(control, option);
    if (!box) return QProxyStyle::subControlRect(control, option, part, widget);
    const QRect all = box->rect;
    const int caption = CaptionHeight(*box);
    switch (part) {
    case SC_GroupBoxFrame: return all.adjusted(0, caption / 2, 0, 0);
    case SC_GroupBoxLabel: {
        if (box->text.isEmpty()) return {};
        const int width = box->fontMetrics.horizontalAdvance(box->text) + 2 * kCaptionPadding;
        return QRect(all.left() + kCaptionIndent, all.top(), std::min(width, all.width() - 2 * kCaptionIndent),
                     caption);
    }
    case SC_GroupBoxContents:
        return all.adjusted(kFrameWidth, std::max(caption, kFrameWidth), -kFrameWidth, -kFrameWidth);
    default: return QProxyStyle::subControlRect(control, option, part, widget);
    }
}

void GameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                   const QWidget* widget) const {
    const QStyleOptionGroupBox* box = PlainFrame(control, option);
    if (!box) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);
    if (box->subControls & SC_GroupBoxFrame) {
        painter->save();
        // An etched line that stops on either side of the caption.
        QRegion around(box->rect);
        if (!caption.isEmpty()) around -= QRegion(caption);
        painter->setClipRegion(around);
        qDrawShadeRect(painter, subControlRect(control, option, SC_GroupBoxFrame, widget), box->palette, true, 1, 0);
        painter->restore();
    }
    if ((box->subControls & SC_GroupBoxLabel) && !caption.isEmpty())
        proxy()->drawItemText(painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, box->palette,
                              box->state & State_Enabled, box->text, QPalette::WindowText);
}

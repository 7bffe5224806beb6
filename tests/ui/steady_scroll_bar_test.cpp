// The steady scroll bar shows the toolkit's own look of the bar, drawn by
// the style only when that look changes, and drawn by the toolkit as usual
// while the mouse is over it.
#include <gtest/gtest.h>

#include <QImage>
#include <QScrollBar>

#include "ui/kit/SteadyScrollBar.h"

namespace {

struct BarSetting {
    int minimum, maximum, page, value;
};

template <typename Bar>
void Configure(Bar& bar, const BarSetting& s) {
    bar.resize(17, 400);
    bar.setRange(s.minimum, s.maximum);
    bar.setPageStep(s.page);
    bar.setValue(s.value);
}

// The toolkit's own picture of a bar set up as `s`.
QImage ToolkitLook(const BarSetting& s) {
    QScrollBar plain(Qt::Vertical);
    Configure(plain, s);
    return plain.grab().toImage();
}

TEST(SteadyScrollBar, ShowsTheToolkitsLookAndDrawsItOnlyWhenItChanges) {
    const BarSetting first{0, 900, 300, 0}, scrolled{0, 900, 300, 450}, wider{0, 1500, 300, 0};
    SteadyScrollBar bar(Qt::Vertical);
    Configure(bar, first);

    EXPECT_EQ(bar.grab().toImage(), ToolkitLook(first));
    const int drawn = bar.drawnByStyle();
    EXPECT_EQ(bar.grab().toImage(), ToolkitLook(first));
    EXPECT_EQ(bar.drawnByStyle(), drawn) << "nothing changed, the kept picture is shown";

    bar.setValue(scrolled.value);
    EXPECT_EQ(bar.grab().toImage(), ToolkitLook(scrolled));
    EXPECT_EQ(bar.drawnByStyle(), drawn + 1);

    // A child window opening beyond the others widens the range; closing it
    // narrows it back to a look that is still kept.
    bar.setValue(0);
    bar.setRange(wider.minimum, wider.maximum);
    EXPECT_EQ(bar.grab().toImage(), ToolkitLook(wider));
    bar.setRange(first.minimum, first.maximum);
    EXPECT_EQ(bar.grab().toImage(), ToolkitLook(first));
    EXPECT_EQ(bar.drawnByStyle(), drawn + 2);
}

TEST(SteadyScrollBar, UnderTheMouseTheToolkitDrawsEveryTime) {
    const BarSetting s{0, 900, 300, 100};
    SteadyScrollBar bar(Qt::Vertical);
    Configure(bar, s);
    bar.grab();
    bar.setAttribute(Qt::WA_UnderMouse, true);
    const int drawn = bar.drawnByStyle();
    bar.grab();
    bar.grab();
    EXPECT_EQ(bar.drawnByStyle(), drawn + 2);

    // The mouse gone, the look is drawn afresh once and then kept.
    bar.setAttribute(Qt::WA_UnderMouse, false);
    EXPECT_EQ(bar.grab().toImage(), ToolkitLook(s));
    bar.grab();
    EXPECT_EQ(bar.drawnByStyle(), drawn + 3);
}

}  // namespace

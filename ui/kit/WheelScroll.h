#pragma once
// The mouse wheel over a list or a picture that a scroll bar moves: the
// wheel turns that bar, just as the player's own use of the bar does, so the
// window's change handler for the bar (VScroll1_Change) is what runs. A bar
// that is hidden or disabled, or has nowhere to go, leaves the wheel idle.
// The wheel over such a view never reaches the windows behind it (the area
// of child windows would scroll itself).
class QScrollBar;
class QWidget;

// From now on the wheel over `view` (and every control on it) moves
// `vertical`, or `horizontal` for a sideways wheel and when there is no
// vertical bar to move. Either bar may be null.
void WheelMovesBars(QWidget* view, QScrollBar* vertical, QScrollBar* horizontal = nullptr);

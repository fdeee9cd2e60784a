#pragma once
#include <QMargins>

class QWidget;

namespace plat {

// What a window manager's frame is taken to add around a window that has not
// been framed yet: a title bar above, thin borders elsewhere.
inline constexpr QMargins kAssumedFrame{4, 30, 4, 4};
// The frame a window is given room for: a maximised window keeps only the
// title bar, a frameless one has none.
QMargins assumedFrame(const QWidget *window);

// A window larger than its screen's free area, frame included, would hide its
// edges (and the buttons there) off the screen: it is shrunk to what fits, as
// far as its minimum size allows, and placed inside that area. A window that
// fits keeps its size and place, and a maximised or full-screen one is left
// to the screen. The application runs it on every window about to be shown.
void fitOnScreen(QWidget *window);

} // namespace plat

#pragma once

class QWidget;

namespace plat {

// How far the frame reaches beyond the control on each side: what a layout
// leaves free around a control for its frame to cover nothing.
constexpr int kFocusFrameMargin = 4;

// Draws a bold frame around the control that has the keyboard focus, in every
// window, those built later included: an orange band edged with black, seen
// on black windows and on white ones alike, whatever the control's own style
// shows of its focus (often nothing on a list with no line, or a faint line).
// The frame lies just outside the control, takes no click and no focus.
void showFocusEverywhere();

// The frame as it stands, for tests: nullptr before any focus was framed.
QWidget *focusFrame();

} // namespace plat

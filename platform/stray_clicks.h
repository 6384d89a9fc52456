#pragma once
// Mouse presses aimed at what the window showed before it changed. When new
// content appears under the pointer (a section's pages over the home screen),
// a press made before that moment but delivered after it, or the second click
// of a double-click whose first click came before it, was not aimed at the new
// content. Controls that act on a press ask here first.
//
// Moments are read on the clock of the mouse events' own timestamps: the
// change happens at the timestamp of the last mouse event a window received,
// plus the time that has passed since it was received.

class QMouseEvent;

namespace stray_clicks {
// Starts following the mouse events that windows receive; call once, before
// the first change.
void follow_mouse();

// The window now shows new content where the pointer may be.
void note_content_change();

// True when `press` (a press or a double-click) was not aimed at the content
// shown since the last change.
bool is_stray(const QMouseEvent& press);
}

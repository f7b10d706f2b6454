#pragma once
// The program's message boxes, readable from the back row of a classroom: their text, buttons and
// icon at the zoom of the window they belong to (zoom.h), centred on it.

#include "zoom.h"

#include <QMessageBox>

namespace tesselka::forms {

// Shows `text` with `icon` and an OK button, modal, and returns once it is closed (in the
// browser, at once: see platform.h). Centred on `parent`, at its zoom.
void show_message(QMessageBox::Icon icon, const QString& text, QWidget* parent);
// The same with no window under it: centred on the screen, at `zoom`.
void show_message(QMessageBox::Icon icon, const QString& text, Zoom zoom = Zoom());

}  // namespace tesselka::forms

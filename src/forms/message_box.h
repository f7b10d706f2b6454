#pragma once
// The program's message boxes, readable from the back row of a classroom: their text, buttons and
// icon at the windows' zoom (twips.h), centred on the window they belong to.

#include <QMessageBox>

namespace tesselka::forms {

// Shows `text` with `icon` and an OK button, modal, and returns once it is closed (in the
// browser, at once: see platform.h). Centred on `parent`, or on the screen when there is none.
void show_message(QMessageBox::Icon icon, const QString& text, QWidget* parent = nullptr);

}  // namespace tesselka::forms

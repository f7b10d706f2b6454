#pragma once
// Start-up: the application object's settings, and the program's run from start to end.

#include "forms/fonts.h"
#include "forms/zoom.h"
#include "model/language.h"

class QApplication;

namespace tesselka::app {

// Style, fonts, the globe icon, the folders pictures are looked up in, and the texts in
// `language`. Tests use it too, so that they see the windows as a pupil does. The text is drawn
// in the font of `font_file`.
void set_up(QApplication& application, const QString& font_file = forms::kCarriedFont,
            const model::Language& language = model::kLanguages.front());

// The whole program: returns its exit status.
int run(int argc, char** argv);

}  // namespace tesselka::app

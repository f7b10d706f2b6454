#pragma once
// Start-up: the application object's settings, and the program's run from start to end.

#include "forms/fonts.h"
#include "forms/zoom.h"
#include "model/language.h"

class QApplication;

namespace tesselka::intro {
class StartView;
}
namespace tesselka::run {
class MainWindow;
}

namespace tesselka::app {

// Style, fonts, the globe icon, the folders pictures are looked up in, and the texts in
// `language`. Tests use it too, so that they see the windows as a pupil does. The text is drawn
// in the font of `font_file`.
void set_up(QApplication& application, const QString& font_file = forms::kCarriedFont,
            const model::Language& language = model::kLanguages.front());

// The simulation window, made and loaded, centred on the screen, not yet shown. It is deleted
// when it is closed.
run::MainWindow* make_main_window(forms::Zoom zoom = forms::Zoom());

// The hand-over from the intro window: the intro goes, then the simulation window shows, not
// modal: `prepared` if there is one, else one made now. The program does not end in between.
// Returns the window.
run::MainWindow* hand_over(intro::StartView* intro, run::MainWindow* prepared = nullptr);

// The whole program: returns its exit status.
int run(int argc, char** argv);

}  // namespace tesselka::app

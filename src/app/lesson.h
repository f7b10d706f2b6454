#pragma once
// The windows of one lesson, from the intro to the end: the intro, the simulation window made
// while the intro shows, and a change of language from either. A window cannot change its
// language in place (its texts and fonts are set as it is made), so it is made anew in the
// language picked, at the place, zoom and stage of the one before.

#include "options.h"

#include "forms/zoom.h"
#include "model/language.h"

#include <QPointer>

namespace tesselka::intro {
class StartView;
}
namespace tesselka::run {
class MainWindow;
}

namespace tesselka::app {

// The simulation window, made and loaded, centred on the screen, not yet shown. It is deleted
// when it is closed.
run::MainWindow* make_main_window(forms::Zoom zoom = forms::Zoom());

// The hand-over from the intro window: the intro goes, then the simulation window shows, not
// modal: `prepared` if there is one, else one made now. The program does not end in between.
// Returns the window.
run::MainWindow* hand_over(intro::StartView* intro, run::MainWindow* prepared = nullptr);

// The zoom a window of `width` x `height` twips starts at: as asked, or in full screen the one at
// which it fills the screen.
double start_zoom(const Options& options, double width, double height);

// The simulation window made and drawn, hidden, while the intro shows, at the intro's zoom. In
// full screen it is drawn at the zoom that fills the screen, and Esc gives back that zoom.
run::MainWindow* prepare_main_window(const Options& options, const intro::StartView& intro);

class Lesson {
public:
    explicit Lesson(const Options& options) : options_(options) {}
    // A simulation window made but never shown goes with the lesson.
    ~Lesson();

    // Opens the intro in the language installed.
    void open();

private:
    intro::StartView* make_intro();
    void speak(const model::Language& language);
    void relanguage_intro(intro::StartView* before, const model::Language& language);
    void relanguage_main(run::MainWindow* before, const model::Language& language);
    void offer_languages(run::MainWindow& main);

    const Options& options_;
    QPointer<run::MainWindow> prepared_;
};

}  // namespace tesselka::app

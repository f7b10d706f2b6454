#include "lesson.h"

#include "language_texts.h"
#include "warm_up.h"

#include "forms/error_report.h"
#include "forms/fonts.h"
#include "intro/start_view.h"
#include "platform/platform.h"
#include "run/main_window.h"

#include <QApplication>
#include <QScreen>

namespace tesselka::app {

namespace {

// While a window is swapped for its new self, no window is open for a moment: that must not
// end the program.
struct KeepRunning {
    KeepRunning() { QGuiApplication::setQuitOnLastWindowClosed(false); }
    ~KeepRunning() { QGuiApplication::setQuitOnLastWindowClosed(true); }
};

// How many page steps the intro has taken: the sixth leaves it at the last page, stopped.
int pages_turned(const intro::StartView& intro)
{
    return intro.slide_no + (intro.Timer1->enabled() ? 0 : 1);
}

}  // namespace

double start_zoom(const Options& options, double width, double height)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!options.full_screen || !screen)
        return options.zoom;
    return forms::Form::zoom_to_fill(width, height, screen->geometry().size());
}

run::MainWindow* make_main_window(forms::Zoom zoom)
{
    auto* main = new run::MainWindow;
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->load();
    main->set_zoom(zoom);
    main->center_on_screen();
    return main;
}

run::MainWindow* prepare_main_window(const Options& options, const intro::StartView& intro)
{
    run::MainWindow* main = make_main_window(intro.windowed_zoom());
    if (options.full_screen)
        main->set_full_screen(true);
    main->draw_hidden();
    return main;
}

run::MainWindow* hand_over(intro::StartView* intro, run::MainWindow* prepared)
{
    // The intro closes before the simulation window shows; without this the application would
    // take the moment with no window open for the end of the program.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    struct Restore {
        ~Restore() { QGuiApplication::setQuitOnLastWindowClosed(true); }
    } restore;
    // Full screen goes over to the simulation window. One made now takes the zoom the intro
    // gives back when it leaves full screen; a prepared one has it already.
    const bool full_screen = intro->full_screen();
    const forms::Zoom zoom = intro->windowed_zoom();
    if (!prepared)
        intro->set_full_screen(false);
    intro->close();
    run::MainWindow* main = prepared ? prepared : make_main_window(zoom);
    main->set_full_screen(full_screen);
    main->show();
    return main;
}

Lesson::~Lesson()
{
    if (prepared_ && !prepared_->isVisible())
        delete prepared_;
}

intro::StartView* Lesson::make_intro()
{
    auto* intro = new intro::StartView;
    intro->setAttribute(Qt::WA_DeleteOnClose);
    intro->show_language(current_language());
    intro->on_next([this, intro] {
        run::MainWindow* main = hand_over(intro, prepared_.get());
        offer_languages(*main);
    });
    intro->on_language([this, intro](const model::Language& language) {
        if (language.code != current_language().code)
            relanguage_intro(intro, language);
    });
    // The simulation window is made while the intro shows, as the warm-up's last step.
    new WarmUp(*intro, start_zoom(options_, run::MainWindow::kWidth, run::MainWindow::kHeight),
               forms::guarded([this, intro] { prepared_ = prepare_main_window(options_, *intro); }));
    intro->load();
    return intro;
}

void Lesson::open()
{
    forms::run_guarded([this] {
        intro::StartView* intro = make_intro();
        intro->set_zoom(forms::Zoom(options_.zoom));
        // In the browser, every window at the largest step at which the simulation window, the
        // larger, fits the page; the page is their frame.
        platform::follow_page([](QSize room) {
            forms::zoom_windows(forms::Zoom::largest_fitting_step(
                run::MainWindow::kWidth, run::MainWindow::kHeight, QSize(0, 0), room));
        });
        intro->center_on_screen();
        intro->set_full_screen(options_.full_screen);
        intro->show();
        intro->Command1->setFocus();
    });
}

void Lesson::speak(const model::Language& language)
{
    use_language(*qApp, language);
    platform::language_changed(language.code);
}

void Lesson::relanguage_intro(intro::StartView* before, const model::Language& language)
{
    speak(language);
    delete prepared_;  // made in the language before; the new intro's warm-up makes another
    const KeepRunning keep;
    intro::StartView* intro = make_intro();
    for (int i = pages_turned(*before); i > 0; --i)
        intro->Timer1_Timer();
    intro->set_zoom(before->windowed_zoom());
    intro->move(before->pos());
    const bool full_screen = before->full_screen();
    before->set_full_screen(false);
    before->close();
    intro->set_full_screen(full_screen);
    intro->show();
    intro->language_list->setFocus();
}

void Lesson::relanguage_main(run::MainWindow* before, const model::Language& language)
{
    speak(language);
    const KeepRunning keep;
    run::MainWindow* main = make_main_window(before->windowed_zoom());
    main->take_settings(*before);
    main->move(before->pos());
    const bool full_screen = before->full_screen();
    before->set_full_screen(false);
    before->close();
    main->set_full_screen(full_screen);
    main->show();
    offer_languages(*main);
}

void Lesson::offer_languages(run::MainWindow& main)
{
    main.offer_languages(current_language(), [this, window = &main](const model::Language& language) {
        relanguage_main(window, language);
    });
}

}  // namespace tesselka::app

// A whole lesson with nobody at the keyboard, in the program's own event loop: the intro's six
// pages, "次へ", a run cooled through to its end with the labels shown, a rejected value, and
// "終わり". The test that nothing is written traces this program; offscreen the real one cannot
// be clicked past its intro.
//
// Exit status: 0 when the lesson ran as it should, 2 when the pictures are not all there, 3 when
// a step did not do what it should; an uncaught error exits 1 through the program's own report.

#include "app/application.h"
#include "app/lesson.h"
#include "app/picture_check.h"
#include "forms/error_report.h"
#include "intro/start_view.h"
#include "run/main_window.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

using namespace tesselka;

namespace {

void settle() { QCoreApplication::processEvents(); }

int failed(const char* what)
{
    std::fprintf(stderr, "whole run: %s\n", what);
    return 3;
}

int lesson(intro::StartView* intro, run::MainWindow*& main)
{
    for (int page = 0; page < 6; ++page) {
        intro->Timer1->fire();
        settle();
    }
    if (intro->slide_no != 5 || intro->Timer1->enabled())
        return failed("the intro did not reach its last page");
    intro->Command1->click();
    settle();
    if (!main || !main->isVisible())
        return failed("no simulation window after the hand-over");

    main->Check1->click();
    main->ssp(2).click();
    main->Command1->click();
    settle();
    // 30 degrees down to -10, then the reset: 41 ticks (fewer when the timer itself ticked).
    for (int ticks = 1; main->Timer1->enabled(); ++ticks) {
        if (ticks > 41)
            return failed("the run did not end");
        main->Timer1->fire();
        settle();
    }
    if (main->t1->caption() != QStringLiteral("30"))
        return failed("the run did not end at its start");

    int messages = 0;
    run::MainWindow::set_message_function([&messages](QWidget*, const QString&) { ++messages; });
    main->t0->set_text(QStringLiteral("abc"));
    main->Command3->click();
    settle();
    main->Command2->click();
    if (messages != 1 || main->t0->text() != QStringLiteral("30"))
        return failed("the rejected value was not told and put back");

    main->owari->click();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    app::set_up(application);
    if (!app::picture_problems().isEmpty())
        return 2;

    auto* intro = new intro::StartView;
    intro->setAttribute(Qt::WA_DeleteOnClose);
    run::MainWindow* main = nullptr;
    intro->on_next([intro, &main] { main = app::hand_over(intro); });
    intro->load();
    intro->show();

    int status = 3;
    QTimer::singleShot(0, [&] {
        forms::run_guarded([&] { status = lesson(intro, main); });
        if (status != 0)
            QCoreApplication::exit(status);
        // Otherwise "終わり" closed the last window, which ends the event loop by itself.
        QTimer::singleShot(10000, [&] { QCoreApplication::exit(failed("still running after 終わり")); });
    });
    const int loop = application.exec();
    return loop != 0 ? loop : status;
}

#include "platform.h"

#include "zoom.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QWidget>

#include <emscripten.h>

namespace tesselka::forms {
namespace {

// The page's own function (index.html) that puts its closing page in place of the program.
EM_JS(void, show_closing_page, (int status), {
    if (typeof tesselkaEnded === "function")
        tesselkaEnded(status);
});

void fit_page(QSize largest)
{
    const QScreen* page = QGuiApplication::primaryScreen();
    if (!page)
        return;
    const QSize room = page->availableGeometry().size();
    double fit = kZoomSteps.front();
    for (double step : kZoomSteps)
        if (largest.width() * step <= room.width() && largest.height() * step <= room.height())
            fit = step;
    zoom_windows(fit);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            window->move(page->availableGeometry().center() - window->rect().center());
}

}  // namespace

void prepare_platform() {}

void show_modal(QDialog* dialog, std::function<void()> after)
{
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::finished, dialog, [after = std::move(after)] {
        if (after)
            after();
    });
    dialog->open();
}

void end_program(int status)
{
    // A message still open is read first; the program ends when it is closed.
    if (QWidget* message = QApplication::activeModalWidget()) {
        QObject::connect(message, &QObject::destroyed, qApp, [status] { end_program(status); });
        return;
    }
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    show_closing_page(status);
}

void follow_page(QSize largest)
{
    fit_page(largest);
    if (QScreen* page = QGuiApplication::primaryScreen())
        QObject::connect(page, &QScreen::availableGeometryChanged, page, [largest] { fit_page(largest); });
    // The last window closes when the pupil presses 終わり; not while the intro hands over to
    // the simulation window, when the program is told not to end.
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, qApp, [] {
        if (QGuiApplication::quitOnLastWindowClosed())
            end_program(0);
    });
}

}  // namespace tesselka::forms

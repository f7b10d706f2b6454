#include "platform.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <emscripten.h>
#include <emscripten/html5.h>

#include <memory>
#include <string>

namespace tesselka::platform {
namespace {

// The page's own function (index.html) that puts its closing page in place of the program.
EM_JS(void, show_closing_page, (int status), {
    if (typeof tesselkaEnded === "function")
        tesselkaEnded(status);
});

// The page's answers on the pupil's device (index.html), and its note and live region.
EM_JS(int, page_finger, (), { return typeof tesselkaInput === "function" && tesselkaInput().finger ? 1 : 0; });
EM_JS(int, page_keyboard, (), {
    return typeof tesselkaInput !== "function" || tesselkaInput().keyboard ? 1 : 0;
});
EM_JS(void, page_no_keyboard_note, (), {
    if (typeof tesselkaNoKeyboard === "function")
        tesselkaNoKeyboard();
});
// Marks on the page's time line: the bench's split of the start, and the page's cue to keep its
// files (index.html waits for the first "tesselka: painted").
EM_JS(void, page_mark, (const char* name), { performance.mark(UTF8ToString(name)); });
EM_JS(void, page_language, (const char* code), {
    if (typeof tesselkaLanguage === "function")
        tesselkaLanguage(UTF8ToString(code));
});
EM_JS(void, page_say, (const char* text), {
    if (typeof tesselkaSay === "function")
        tesselkaSay(UTF8ToString(text));
});

// The browser's platform shows every window full screen; a window of fixed size keeps its size,
// centred in the page. One that may be resized is in the pupil's full screen (F11); a dialog
// places itself.
void centre(QWidget* window)
{
    const QScreen* page = QGuiApplication::primaryScreen();
    if (!page || window->minimumSize() != window->maximumSize() || qobject_cast<QDialog*>(window))
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowFullScreen);
    // Its fixed size: the window's own may still be the page's until it is laid out again.
    const QSize margin = (page->availableGeometry().size() - window->minimumSize()) / 2;
    window->move(page->availableGeometry().topLeft() + QPoint(margin.width(), margin.height()));
}

// Each window is centred once it shows: a place given before that is not kept.
class Centring : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* window = qobject_cast<QWidget*>(object);
        if (event->type() == QEvent::Show && window && window->isWindow())
            QTimer::singleShot(0, window, [window] { centre(window); });
        return false;
    }
};

void fit_page(const std::function<void(QSize)>& fit)
{
    const QScreen* page = QGuiApplication::primaryScreen();
    if (!page)
        return;
    fit(page->availableGeometry().size());
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            centre(window);
}

}  // namespace

void prepare_platform()
{
    page_mark("tesselka: main");
}

bool pictures_built_in()
{
    return true;
}

bool shows_window_icons()
{
    return false;
}

Qt::WindowFlags fixed_window_flags()
{
    return Qt::Window | Qt::FramelessWindowHint;
}

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

void language_changed(std::string_view code)
{
    page_language(std::string(code).c_str());
}

void after_painted(std::function<void()> then)
{
    page_mark("tesselka: painted");
    // Qt draws the paint in the coming animation frame; the frame after it finds it shown.
    emscripten_request_animation_frame(
        [](double, void* then) -> EM_BOOL {
            emscripten_request_animation_frame(
                [](double, void* then) -> EM_BOOL {
                    const std::unique_ptr<std::function<void()>> run(
                        static_cast<std::function<void()>*>(then));
                    (*run)();
                    return EM_FALSE;
                },
                then);
            return EM_FALSE;
        },
        new std::function<void()>(std::move(then)));
}

void follow_page(std::function<void(QSize)> fit)
{
    page_mark("tesselka: intro made");
    fit_page(fit);
    qApp->installEventFilter(new Centring(qApp));
    if (QScreen* page = QGuiApplication::primaryScreen())
        QObject::connect(page, &QScreen::availableGeometryChanged, page, [fit] { fit_page(fit); });
    // The last window closes when the pupil presses 終わり; not while the intro hands over to
    // the simulation window, when the program is told not to end.
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, qApp, [] {
        if (QGuiApplication::quitOnLastWindowClosed())
            end_program(0);
    });
}

PupilInput pupil_input()
{
    return {page_finger() != 0, page_keyboard() != 0};
}

void show_no_keyboard_note()
{
    page_no_keyboard_note();
}

void say_in_page(const QString& text)
{
    page_say(text.toUtf8().constData());
}

}  // namespace tesselka::platform

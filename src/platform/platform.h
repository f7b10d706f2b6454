#pragma once
// What differs between the systems the program runs on. A desktop build compiles
// platform_desktop.cpp with platform_linux.cpp or platform_windows.cpp; the browser build
// compiles platform_web.cpp. Windows and the browser share display_always.cpp. Nothing else asks which system it is on. This layer knows Qt
// alone, not the windows' toolkit (forms/), which builds on it.

#include <Qt>

#include <functional>
#include <string_view>

class QDialog;
class QSize;
class QString;

namespace tesselka::platform {

// Settings that must be made before the application object exists.
void prepare_platform();

// Whether there is a display to open a window on, asked before Qt is: without one the command
// line is still answered, and a GUI application would end in Qt's abort.
bool display_exists(int argc, char** argv);

// Whether the cup's pictures are built into the program, as in the browser, rather than files
// beside it that a teacher may have changed or lost. Built-in pictures are tested with the build,
// so the program need not check them before it opens.
bool pictures_built_in();

// Whether the system shows a window's own icon, in its title bar or task bar. The browser does
// not: the page has its own.
bool shows_window_icons();

// The flags of a window of fixed size: on a desktop a caption and a close box; in the browser
// none, the page being its frame.
Qt::WindowFlags fixed_window_flags();

// Shows a dialog modal to the whole program and runs `after` once it has been closed, then
// deletes it. On a desktop the call returns only then; the browser can run no second event
// loop, so there it returns at once.
void show_modal(QDialog* dialog, std::function<void()> after = {});

// Ends the program with `status`. The browser has no process to end: once no message is open
// any more, its page says that the lesson has ended and offers to start again.
void end_program(int status);

// Runs `then` once what has just been painted is on the screen. A desktop shows a paint as it
// ends; the page shows it at its next animation frame, which work started at once would hold up.
void after_painted(std::function<void()> then);

// The lesson's language is now `code` (model/language.h). In the browser the page's own texts
// and the language it gives screen readers follow; a desktop has nothing more to tell.
void language_changed(std::string_view code);

// In the browser, the windows live in the page: `fit` is called with the page's room now and
// whenever it is resized or turned, to size the windows for it, and each window of fixed size
// (minimum size equal to maximum) is then centred in the page, as it is whenever it shows. The
// end of the last window ends the program. On a desktop the windows keep the zoom and place they
// were given, and `fit` is never called.
void follow_page(std::function<void(QSize room)> fit);

// What the pupil points and types with. In the browser on a touch screen the pointer is a finger;
// there the page can raise an on-screen keyboard only on some systems (Qt's browser input goes
// to Android, iPadOS, macOS and Windows, not to a Chromebook in tablet mode). A desktop has both
// a mouse and a keyboard.
struct PupilInput {
    bool finger = false;
    bool keyboard = true;
};
PupilInput pupil_input();

// In the browser, says on the page, for a few seconds, that this device has no keyboard to type
// a value with and that the lists are to be used. Nothing on a desktop, which has one.
void show_no_keyboard_note();

// In the browser, puts a sentence for a screen reader into the page's live region, which
// ChromeVox and VoiceOver read (Qt 6.4 gives the browser no accessibility of its own). On a
// desktop the accessibility bridge carries the sentence, and this does nothing.
void say_in_page(const QString& text);

}  // namespace tesselka::platform

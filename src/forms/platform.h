#pragma once
// What differs between the systems the program runs on. A desktop build compiles
// platform_desktop.cpp with platform_linux.cpp or platform_windows.cpp; the browser build
// compiles platform_web.cpp. Nothing else asks which system it is on.

#include <Qt>

#include <functional>

class QDialog;

namespace tesselka::forms {

// Settings that must be made before the application object exists.
void prepare_platform();

// Whether the program can open a window at all, asked before Qt is: a GUI application that
// finds no display to connect to ends the process with Qt's abort and a core dump.
bool display_exists(int argc, char** argv);

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

// In the browser, the windows live in the page: they take the largest zoom step at which a
// window of `width` x `height` twips (the largest one) fits it, centred, and follow the page when
// it is resized. On a desktop the windows keep the zoom they were given.
void follow_page(double width, double height);

}  // namespace tesselka::forms

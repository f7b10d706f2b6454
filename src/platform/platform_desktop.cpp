#include "platform.h"

#include <QDialog>

#include <cstdlib>

namespace tesselka::platform {

bool pictures_built_in()
{
    return false;
}

bool shows_window_icons()
{
    return true;
}

Qt::WindowFlags fixed_window_flags()
{
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
           Qt::MSWindowsFixedSizeDialogHint;
}

void show_modal(QDialog* dialog, std::function<void()> after)
{
    dialog->exec();
    delete dialog;
    if (after)
        after();
}

void end_program(int status)
{
    std::exit(status);
}

void after_painted(std::function<void()> then)
{
    then();
}

void language_changed(std::string_view) {}

void follow_page(std::function<void(QSize)>) {}

PupilInput pupil_input()
{
    return {};
}

void show_no_keyboard_note() {}

void say_in_page(const QString&) {}

}  // namespace tesselka::platform

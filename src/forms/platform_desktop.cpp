#include "platform.h"

#include <QDialog>

#include <cstdlib>

namespace tesselka::forms {

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

void follow_page(double, double) {}

}  // namespace tesselka::forms

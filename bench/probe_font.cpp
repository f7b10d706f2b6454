// The cost of the font the program carries, inside one process: the system's fonts are listed
// first (a cost every Qt program pays at its first text), then forms::install_fonts registers
// IPA P-Gothic from the resources (or the font file given as the argument), then one caption is
// laid out and drawn in it. Prints milestones as the other probes do.

#include "probe_hook.h"

#include "forms/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QFontDatabase::families();
    probe::mark("fonts_listed");
    tesselka::forms::install_fonts(argc > 1 ? QString::fromLocal8Bit(argv[1])
                                            : tesselka::forms::kCarriedFont);
    probe::mark("font_loaded");
    QImage image(400, 40, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setFont(tesselka::forms::stored_font(24, true));
    painter.drawText(image.rect(), QStringLiteral("コップに水滴が付くのは？"));
    painter.end();
    probe::mark("font_drawn");
    probe::memory("font");
    probe::mark("done");
    return 0;
}

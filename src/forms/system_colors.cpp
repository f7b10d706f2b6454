#include "system_colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace tesselka::forms::system_color {

QColor button_face() { return QGuiApplication::palette().color(QPalette::Button); }
QColor button_text() { return QGuiApplication::palette().color(QPalette::ButtonText); }
QColor window_background() { return QGuiApplication::palette().color(QPalette::Base); }
QColor window_text() { return QGuiApplication::palette().color(QPalette::WindowText); }
// The palette's disabled text is too faint to read on button face; this grey reads well.
QColor gray_text() { return QColor(109, 109, 109); }

}  // namespace tesselka::forms::system_color

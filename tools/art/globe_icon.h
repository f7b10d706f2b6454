#pragma once

#include <QImage>

// Square globe icon with a transparent background, drawn for the given size.
QImage draw_globe_icon(int size);

#pragma once

#include <QImage>

// Square globe icon with a transparent background, drawn for the given size.
QImage drawGlobeIcon(int size);

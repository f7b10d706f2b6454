#pragma once

#include <QImage>

// A glass of cold water at one of six stages of condensation on its outside:
// 0 clear, 1 faint mist, 2 clouded, 3 droplets, 4 larger droplets,
// 5 drops running down.
constexpr int kCupStageCount = 6;
constexpr int kCupPictureWidth = 140;
// As tall as the simulation window's picture box; the intro's shorter box shows the same picture
// from its top, down to just below the glass, and leaves out only table.
constexpr int kCupPictureHeight = 229;

QImage draw_cup_picture(int stage);

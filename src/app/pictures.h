#pragma once

#include "look/look.h"

#include <QColor>
#include <QIcon>
#include <QImage>

namespace kordavel {

// Every picture is drawn for a scale (the screen's device pixel ratio, 1 to 4):
// its sizes below are in logical pixels, it holds scale times as many device
// pixels and carries the scale as its device pixel ratio, so it stays sharp
// at 125-200 % instead of being stretched.

// The device with its USB cable, 270 x 221 pixels, on a transparent ground.
QImage devicePicture(qreal scale = 1);
// A 100 x 47 blue arrow pointing right (towards the device) or left, drawn at
// the top-left of a 116 x 81 picture filled with the background colour.
QImage arrowPicture(bool pointsRight, qreal scale = 1);
// A picture of the given size holding only the background colour.
QImage blankPicture(int width, int height, qreal scale = 1);
// The program icon.
QIcon programIcon();

} // namespace kordavel

#pragma once

#include "platform/look.h"

#include <QColor>
#include <QIcon>
#include <QImage>

namespace kordavel {

// The device with its USB cable, 270 x 221 pixels, on a transparent ground.
QImage devicePicture();
// A 100 x 47 blue arrow pointing right (towards the device) or left, drawn at
// the top-left of a 116 x 81 picture filled with the background colour.
QImage arrowPicture(bool pointsRight);
// A picture of the given size holding only the background colour.
QImage blankPicture(int width, int height);
// The program icon.
QIcon programIcon();

} // namespace kordavel

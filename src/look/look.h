#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <QStringList>

class QWidget;

namespace kordavel {

// Background colour of the windows, frames and picture boxes.
inline const QColor kBackground(198, 217, 241);

// Title bar and borders of a window in pixels, used until the window system
// reports its own (it reports none before a window is shown, or without one).
inline constexpr QSize kDefaultDecoration(8, 31);

// Font sizes of the design, in points: most controls use the system's own
// size; the download boxes, the dates, the software version and the help
// text are small, "Days" large, the status and the instruction headline-sized.
inline constexpr qreal kSmallPoints = 9.75;
inline constexpr qreal kLargePoints = 12;
inline constexpr qreal kHeadlinePoints = 24;

// The design face ("MS Sans Serif") at a size in points, falling back to faces
// of the same narrow proportions where it does not exist.
QFont designFont(qreal points);
// The faces designFont() asks for, in order of preference.
QStringList designFontFamilies();

// The design gives a window's outer size, title bar and borders included; the
// toolkit sizes its client area. These are the client size and height for an
// outer size in twips, with the window system's title bar and borders as it
// reports them for window, or kDefaultDecoration where it reports none. The
// size needs both borders and title bar reported, the height only the title
// bar and the borders' height.
QSize clientSizeForOuterTwips(const QWidget &window, int outerWidthTwips, int outerHeightTwips);
int clientHeightForOuterTwips(const QWidget &window, int outerHeightTwips);

} // namespace kordavel

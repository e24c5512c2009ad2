// How the window looks: texts clear of the pictures, the whole plug beside the
// arrow display, labels drawn from the top, frames in the window's colour.
#include "app/layout.h"
#include "app/pictures.h"
#include "look/look.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::test;

namespace {

QRect windowRect(const char *name)
{
    return pixelRect(*geometryOf(QLatin1String(name)));
}

// Leftmost x (window pixels) at which the device picture is not transparent
// in window rows top..bottom; INT_MAX when the rows hold nothing.
int pictureLeftEdge(const QImage &picture, const QPoint &at, int top, int bottom)
{
    int left = INT_MAX;
    for (int y = std::max(top - at.y(), 0); y <= std::min(bottom - at.y(), picture.height() - 1);
         ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) > 0) {
                left = std::min(left, at.x() + x);
                break;
            }
    return left;
}

} // namespace

TEST(Look, InstructionTextNeverTouchesTheDevicePicture)
{
    const QImage device = devicePicture();
    const QPoint at = windowRect("devicePicture").topLeft();
    const QRect label = windowRect("instructionLabel");
    // Every face that may stand in for the design face, and the one in use.
    Harness h;
    QList<QFont> fonts{controlsOf(*h.window).instructionLabel->font()};
    for (const QString &family : designFontFamilies()) {
        if (!QFontDatabase::hasFamily(family))
            continue;
        QFont f(family);
        f.setPointSizeF(24);
        fonts.append(f);
    }
    ASSERT_GE(fonts.size(), 2) << "no stand-in face is installed";
    for (const QFont &font : fonts) {
        for (const char *text : {"Disconnect USB", "Connect USB"}) {
            SCOPED_TRACE(QFontInfo(font).family().toStdString() + ": " + text);
            const QRect drawn = QFontMetrics(font)
                                    .boundingRect(QRect(QPoint(), label.size()),
                                                  Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                                  QLatin1String(text))
                                    .translated(label.topLeft())
                                    .intersected(label); // the label clips what is wider
            const int deviceLeft = pictureLeftEdge(device, at, drawn.top(), drawn.bottom());
            EXPECT_GT(deviceLeft, drawn.right() + 1)
                << "text ends at x = " << drawn.right() << ", the picture starts at " << deviceLeft;
        }
    }
}

TEST(Look, WholePlugStandsBesideTheArrowDisplay)
{
    const QImage device = devicePicture();
    const QPoint at = windowRect("devicePicture").topLeft();
    const QRect display = windowRect("arrowDisplay");
    // The arrows are 47 pixels high, drawn from the display's top.
    const int left = pictureLeftEdge(device, at, display.top(), display.top() + 46);
    ASSERT_NE(left, INT_MAX) << "no plug level with the arrow";
    EXPECT_GT(left, display.right()) << "the opaque arrow display covers part of the plug";
    EXPECT_LE(left, display.right() + 3) << "the plug ends where the arrow display begins";
    // Below the arrow the display covers nothing of the picture either.
    EXPECT_GT(pictureLeftEdge(device, at, display.top(), display.bottom()), display.right());
}

TEST(Look, LabelsDrawTheirTextFromTheTop)
{
    Harness h;
    const QList<QLabel *> labels = h.window->findChildren<QLabel *>();
    ASSERT_GE(labels.size(), 10);
    for (const QLabel *label : labels)
        EXPECT_TRUE(label->alignment() & Qt::AlignTop) << label->objectName().toStdString();
    EXPECT_TRUE(controlsOf(*h.window).stateLabel->alignment() & Qt::AlignRight);
    EXPECT_TRUE(controlsOf(*h.window).programVersionLabel->alignment() & Qt::AlignRight);
    EXPECT_TRUE(controlsOf(*h.window).statusLabel->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(controlsOf(*h.window).downloadStartLabel->alignment() & Qt::AlignLeft);
}

// A pixel of each frame's interior, away from its controls, on the rendered
// window, in every style this Qt offers (Fusion and Windows here; also the
// Vista style on Windows).
TEST(Look, FrameInteriorsHaveTheWindowColourInEveryStyle)
{
    const QString original = QApplication::style()->name();
    const QStringList keys = QStyleFactory::keys();
#ifdef Q_OS_WIN
    EXPECT_TRUE(keys.contains("windowsvista")) << keys.join(' ').toStdString();
#endif
    for (const QString &key : keys) {
        SCOPED_TRACE(key.toStdString());
        QApplication::setStyle(key);
        Harness h;
        writeFile(h.programDir.filePath(QLatin1String(kWideLayoutMarker)),
                  ""); // wide: both frames seen
        h.create();
        h.window->show();
        const QImage shot = h.window->grab().toImage();
        for (QGroupBox *frame :
             {controlsOf(*h.window).downloadPage, controlsOf(*h.window).fileNamePage}) {
            // 8 pixels in from the frame's left, halfway down: inside the line,
            // left of every control (they start 16 pixels in).
            const QPoint p = frame->mapTo(h.window.get(), QPoint(8, frame->height() / 2));
            EXPECT_EQ(QColor(shot.pixel(p)), kBackground)
                << frame->objectName().toStdString() << " at " << p.x() << "," << p.y() << ": "
                << QColor(shot.pixel(p)).name().toStdString();
        }
    }
    QApplication::setStyle(original);
}

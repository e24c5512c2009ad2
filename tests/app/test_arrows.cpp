// The moving arrow of the unplug/plug sequence.
#include "app/pictures.h"
#include "support/testsupport.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::test;

namespace {

// The display as it must look with src drawn at x over a blank display.
QImage expected(const QImage &src, int x)
{
    QImage img = blankPicture(148, 81);
    QPainter p(&img);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(x, 0, src);
    return img;
}

} // namespace

TEST(Arrows, PicturesHaveTheirSizes)
{
    EXPECT_EQ(arrowPicture(true).size(), QSize(116, 81));
    EXPECT_EQ(devicePicture().size(), QSize(270, 221));
    Harness h;
    EXPECT_EQ(controlsOf(*h.window).arrowDisplay->size(), QSize(148, 81));
    EXPECT_EQ(controlsOf(*h.window).plugInArrowPicture->size(), QSize(116, 81));
    // The arrow is 100 x 47 at the top-left; the rest is background.
    const QImage a = arrowPicture(true);
    EXPECT_EQ(a.pixelColor(110, 70), kBackground);
    EXPECT_EQ(a.pixelColor(105, 23), kBackground);
    EXPECT_NE(a.pixelColor(50, 23), kBackground);
}

TEST(Arrows, PositionsAlternateOverEveryCall)
{
    Harness h;
    ArrowAnimator arrows;
    MainWindow &mainWindow = *h.window;
    const QImage out = controlsOf(mainWindow).unplugArrowPicture->image();
    const QImage in = controlsOf(mainWindow).plugInArrowPicture->image();
    stepArrow(arrows, mainWindow, controlsOf(mainWindow).unplugArrowPicture);
    EXPECT_EQ(controlsOf(mainWindow).arrowDisplay->image(), expected(out, 32))
        << "first call at 32";
    stepArrow(arrows, mainWindow, controlsOf(mainWindow).unplugArrowPicture);
    EXPECT_EQ(controlsOf(mainWindow).arrowDisplay->image(), expected(out, 0));
    stepArrow(arrows, mainWindow,
              controlsOf(mainWindow).noArrowPicture); // blanking counts as a call too
    EXPECT_EQ(controlsOf(mainWindow).arrowDisplay->image(), blankPicture(148, 81));
    stepArrow(arrows, mainWindow, controlsOf(mainWindow).plugInArrowPicture);
    EXPECT_EQ(controlsOf(mainWindow).arrowDisplay->image(), expected(in, 0));
    stepArrow(arrows, mainWindow, controlsOf(mainWindow).plugInArrowPicture);
    EXPECT_EQ(controlsOf(mainWindow).arrowDisplay->image(), expected(in, 32));
}

TEST(Arrows, DrawingWhileHiddenShowsOnceVisible)
{
    Harness h;
    ArrowAnimator arrows;
    MainWindow &mainWindow = *h.window;
    mainWindow.show();
    controlsOf(mainWindow).arrowDisplay->hide();
    stepArrow(arrows, mainWindow, controlsOf(mainWindow).unplugArrowPicture);
    controlsOf(mainWindow).arrowDisplay->show();
    const QImage shown =
        controlsOf(mainWindow).arrowDisplay->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, expected(controlsOf(mainWindow).unplugArrowPicture->image(), 32));
}

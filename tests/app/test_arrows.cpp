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
    EXPECT_EQ(h.window->controls().arrowDisplay->size(), QSize(148, 81));
    EXPECT_EQ(h.window->controls().plugInArrowPicture->size(), QSize(116, 81));
    // The arrow is 100 x 47 at the top-left; the rest is background.
    const QImage a = arrowPicture(true);
    EXPECT_EQ(a.pixelColor(110, 70), kBackground);
    EXPECT_EQ(a.pixelColor(105, 23), kBackground);
    EXPECT_NE(a.pixelColor(50, 23), kBackground);
}

TEST(Arrows, PositionsAlternateOverEveryCall)
{
    Harness h;
    MainWindow &mainWindow = *h.window;
    const QImage out = mainWindow.controls().unplugArrowPicture->image();
    const QImage in = mainWindow.controls().plugInArrowPicture->image();
    stepArrow(mainWindow, mainWindow.controls().unplugArrowPicture);
    EXPECT_EQ(mainWindow.controls().arrowDisplay->image(), expected(out, 32)) << "first call at 32";
    stepArrow(mainWindow, mainWindow.controls().unplugArrowPicture);
    EXPECT_EQ(mainWindow.controls().arrowDisplay->image(), expected(out, 0));
    stepArrow(mainWindow, mainWindow.controls().noArrowPicture); // blanking counts as a call too
    EXPECT_EQ(mainWindow.controls().arrowDisplay->image(), blankPicture(148, 81));
    stepArrow(mainWindow, mainWindow.controls().plugInArrowPicture);
    EXPECT_EQ(mainWindow.controls().arrowDisplay->image(), expected(in, 0));
    stepArrow(mainWindow, mainWindow.controls().plugInArrowPicture);
    EXPECT_EQ(mainWindow.controls().arrowDisplay->image(), expected(in, 32));
}

TEST(Arrows, DrawingWhileHiddenShowsOnceVisible)
{
    Harness h;
    MainWindow &mainWindow = *h.window;
    mainWindow.show();
    mainWindow.controls().arrowDisplay->hide();
    stepArrow(mainWindow, mainWindow.controls().unplugArrowPicture);
    mainWindow.controls().arrowDisplay->show();
    const QImage shown =
        mainWindow.controls().arrowDisplay->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, expected(mainWindow.controls().unplugArrowPicture->image(), 32));
}

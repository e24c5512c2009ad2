#include "help/helptext.h"
#include "help/helpwindow.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::test;

namespace {

// The help text as the window shows it.
QLabel *textOf(const QWidget &helpWindow)
{
    return helpWindow.findChild<QLabel *>(QStringLiteral("helpTextLabel"));
}

} // namespace

TEST(HelpTexts, ShortNoticeAndFullText)
{
    EXPECT_EQ(notSuitableNotice(), "The software version of this Kordavel is not suitable\r\n"
                                   "for use with this configuration tool.");
    const QString full = fullHelpText();
    const QStringList lines = full.split("\r\n");
    ASSERT_EQ(lines.size(), 19);
    EXPECT_TRUE(full.startsWith("\r\nInstructions\r\n"));
    EXPECT_FALSE(full.endsWith("\r\n"));
    EXPECT_EQ(lines[2], "Connect your Kordavel/Plus/Blue with memory card or Kordavel CR to your "
                        "computer. Use this "
                        "utility to adjust the configuration settings. Click 'Configure',  then "
                        "follow the disconnect "
                        "and reconnect instructions.");
    EXPECT_EQ(lines[17], "Kordavel and Kordavel Plus units with software prior to SW 23 are not "
                         "suitable for use with "
                         "this configuration utility.");
    EXPECT_EQ(
        lines[18],
        "Irrespective of software version, Kordavel units prior to serial number 26000 do not "
        "support long file names.");
    EXPECT_EQ(lines[10],
              "Kordavel Latest VU/Configuration settings are not relevant for the DoziziveDE.");
    for (int empty : {0, 3, 7, 9, 11, 15})
        EXPECT_TRUE(lines[empty].isEmpty()) << empty;
    EXPECT_EQ(helpText(HelpTopic::NotSuitable), notSuitableNotice());
    EXPECT_EQ(helpText(HelpTopic::Instructions), full);
}

TEST(HelpWindow, LayoutAndHeight)
{
    HelpWindow w(HelpTopic::Instructions);
    EXPECT_EQ(w.windowTitle(), "Kordavel Configuration Help");
    EXPECT_EQ(textOf(w)->geometry(), QRect(8, 8, 369, 497));
    EXPECT_EQ(textOf(w)->font().pointSizeF(), 9.75);
    EXPECT_FALSE(textOf(w)->font().bold());
    EXPECT_TRUE(textOf(w)->wordWrap());
    w.show();
    const int decoration = w.frameGeometry().height() - w.geometry().height();
    EXPECT_EQ(w.height() + (decoration > 0 ? decoration : 31), 497);
}

// Nothing to choose in it: Escape closes it, as it would a dialog; other keys do not.
TEST(HelpWindow, EscapeClosesIt)
{
    QPointer<HelpWindow> w = new HelpWindow(HelpTopic::Instructions);
    w->show();
    QTest::keyClick(w, Qt::Key_Enter);
    ASSERT_TRUE(w && w->isVisible());
    QTest::keyClick(w, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull()) << "closed and gone";
}

// The help window shows the short notice exactly while the main window says
// "Not Suitable"; the help button makes a new window, a click on the software
// version only brings the open one forward.
TEST(HelpWindow, HelpButtonReloadsLabelClickOnlyRaises)
{
    Harness h;
    MainWindow &mainWindow = *h.window;
    DeviceDir current(exampleLayoutC());
    DeviceDir old(versionFile("TQ000022HEX", 21));
    h.plug(current.root());
    h.tick();
    ASSERT_EQ(controlsOf(mainWindow).statusLabel->text(), "Configuration read");
    showHelp(mainWindow);
    ASSERT_NE(helpWindowOf(), nullptr);
    EXPECT_EQ(textOf(*helpWindowOf())->text(), fullHelpText());

    h.unplug(current.root());
    h.tick(2);
    h.plug(old.root());
    h.tick();
    ASSERT_EQ(controlsOf(mainWindow).statusLabel->text(), "Not Suitable");
    showHelp(mainWindow);
    EXPECT_EQ(textOf(*helpWindowOf())->text(), fullHelpText()) << "an open window keeps its text";
    openHelp(mainWindow);
    EXPECT_EQ(textOf(*helpWindowOf())->text(), notSuitableNotice());
    EXPECT_TRUE(helpWindowOf()->isVisible());

    // A label that merely reads the same is no reason for the short notice.
    h.unplug(old.root());
    h.tick(2);
    ASSERT_EQ(controlsOf(mainWindow).statusLabel->text(), "Ready for next");
    controlsOf(mainWindow).statusLabel->setText("Not Suitable");
    openHelp(mainWindow);
    EXPECT_EQ(textOf(*helpWindowOf())->text(), fullHelpText());
}

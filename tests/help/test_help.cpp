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

// The words of each line are the reference texts' (tests/data); here, how
// the lines make up the text and which topic shows which.
TEST(HelpTexts, ShortNoticeAndFullText)
{
    EXPECT_TRUE(notSuitableNotice().contains("\r\n"));
    const QString full = fullHelpText();
    const QStringList lines = full.split("\r\n");
    ASSERT_EQ(lines.size(), 19);
    EXPECT_EQ(lines[1], "Instructions");
    EXPECT_FALSE(full.endsWith("\r\n"));
    for (int empty : {0, 3, 7, 9, 11, 15})
        EXPECT_TRUE(lines[empty].isEmpty()) << empty;
    EXPECT_EQ(helpText(HelpTopic::NotSuitable), notSuitableNotice());
    EXPECT_EQ(helpText(HelpTopic::Instructions), full);
}

// Every line of the help can be read: the wrapped text ends within the
// window, whose outer height is 7455 twips (the label reaches below it).
TEST(HelpWindow, TheWholeTextIsShown)
{
    HelpWindow w(HelpTopic::Instructions);
    EXPECT_EQ(w.windowTitle(), "Kordavel Configuration Help");
    w.show();
    const QLabel *label = textOf(w);
    ASSERT_NE(label, nullptr);
    EXPECT_LE(label->x() + label->width(), w.width());
    EXPECT_LE(label->y() + label->heightForWidth(label->width()), w.height());
    const int decoration = w.frameGeometry().height() - w.geometry().height();
    EXPECT_EQ(w.height() + (decoration > 0 ? decoration : 31), 7455 / 15);
}

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

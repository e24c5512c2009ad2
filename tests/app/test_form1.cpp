// The main window's controls, layouts, start-up and activation.
#include "app/layout.h"
#include "support/testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::test;

TEST(MainWindow, EveryControlSitsWhereTheTableSays)
{
    Harness h;
    for (const ControlGeometry &g : kForm1Layout) {
        QWidget *w = h.form->findChild<QWidget *>(QLatin1String(g.name));
        ASSERT_NE(w, nullptr) << g.name;
        EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(g.parent)) << g.name;
        QRect expected = pixelRect(g);
        if (QLatin1String(g.name) == QLatin1String("cmdHelp"))
            expected.moveTop(twipsToPixels(50)); // moved up at start-up
        EXPECT_EQ(w->geometry(), expected) << g.name;
    }
}

TEST(MainWindow, CaptionsTooltipsAndInitialStates)
{
    Harness h;
    Form1 &f = *h.form;
    EXPECT_EQ(f.windowTitle(), "Kordavel Configuration");
    EXPECT_EQ(f.cmdHelp->text(), "&?");
    EXPECT_EQ(f.cmdConfigure->text(), "&Configure");
    EXPECT_FALSE(f.cmdConfigure->isEnabled());
    EXPECT_TRUE(f.Check[1]->isChecked());
    EXPECT_FALSE(f.Check[1]->isEnabled());
    EXPECT_EQ(f.Check[3]->text(), "Events && Faults");
    EXPECT_EQ(f.Check[11]->toolTip(), "Available from firmware version 55");
    EXPECT_EQ(f.Check[7]->toolTip(), "For card downloaded direct into Kordavel Plus or Blue");
    EXPECT_EQ(f.tbDays->text(), "92");
    EXPECT_EQ(f.tbDays->toolTip(), "Set to zero for 'download since last download'");
    EXPECT_TRUE(f.Option2[0]->isChecked());
    EXPECT_TRUE(f.Option1[1]->isChecked());
    EXPECT_EQ(f.Option1[4]->text(), "Duvado Rirozo (DDD)");
    EXPECT_TRUE(f.optKordavel[1]->isChecked());
    EXPECT_EQ(f.frameSelectFiles->title(), "Select Files to download");
    EXPECT_EQ(f.lblSWVersion->text(), "SW Version - ");
    EXPECT_EQ(f.lblInstruction->text(), "Disconnect USB");
    EXPECT_EQ(f.lblState->text(), "0");
    EXPECT_EQ(f.lblVersion->text(), "Rev. 0.1.17");
    EXPECT_EQ(f.Label1_0->text(), QString::fromUtf8("\u00A9 2026 Kordavel"));
    EXPECT_EQ(f.timer()->interval(), 500);
    for (QWidget *hidden :
         {static_cast<QWidget *>(f.picNoArrow), static_cast<QWidget *>(f.picInArrow),
          static_cast<QWidget *>(f.picOutArrow)})
        EXPECT_TRUE(hidden->isHidden());
    EXPECT_FALSE(f.picArrowDisplay->isHidden());
    EXPECT_EQ(f.lblMessage->font().pointSizeF(), 24);
    EXPECT_EQ(f.Check[2]->font().pointSizeF(), 9.75);
}

TEST(MainWindow, AccessKeyPressesConfigure)
{
    Harness h;
    h.form->cmdConfigure->setEnabled(true);
    int clicks = 0;
    QObject::connect(h.form->cmdConfigure, &QPushButton::clicked, [&] { ++clicks; });
    h.form->show();
    QApplication::setActiveWindow(h.form.get());
    QTest::keyClick(h.form.get(), Qt::Key_C, Qt::AltModifier);
    QTest::qWait(300); // the button animates its press before it clicks
    EXPECT_EQ(clicks, 1);
}

TEST(MainWindow, StartUpDatesAndSizes)
{
    Harness h;
    Form1 &f = *h.form;
    EXPECT_EQ(f.DTPickerStart->date(), QDate(2025, 12, 5));
    EXPECT_EQ(f.DTPickerEnd->date(), QDate(2026, 12, 6));
    EXPECT_EQ(f.DTPickerStart->minimumDate(), QDate(1601, 1, 1));
    EXPECT_EQ(f.DTPickerStart->maximumDate(), QDate(9999, 12, 31));
    EXPECT_EQ(f.outerHeightTwips(), 7800);
    EXPECT_EQ(f.outerWidthTwips(), 4800);
    EXPECT_FALSE(f.wideLayout());
    EXPECT_EQ(f.pos(), QPoint(7, 7));
    EXPECT_EQ(f.dates.dtUnixEpoch.date(), QDate(1970, 1, 1));
}

TEST(MainWindow, MarkerFileSelectsTheWideLayout)
{
    Harness narrow;
    QDir(narrow.programDir.path()).mkdir("DuzudodeVizuriRedi.txt");
    narrow.create();
    EXPECT_FALSE(narrow.form->wideLayout()) << "a folder of that name does not count";

    Harness wide;
    writeFile(wide.programDir.filePath("DuzudodeVizuriRedi.txt"), "");
    wide.create();
    EXPECT_TRUE(wide.form->wideLayout());
    EXPECT_GT(wide.form->width(), narrow.form->width());
    // Everything of the diagnostic area lies inside the wide client area only.
    const QRect list = wide.form->List1->geometry();
    EXPECT_LE(list.right(), wide.form->width());
    EXPECT_GT(list.left(), narrow.form->width());
}

TEST(MainWindow, ActivationResetsTheFlowOnlyWhenComingBackFromHelp)
{
    Harness h;
    Form1 &f = *h.form;
    f.show();
    f.lState = 3;
    f.lblMessage->setText("Success!");
    QWindow other;
    f.onFocusWindowChanged(&other); // another window of some kind
    f.onFocusWindowChanged(f.windowHandle());
    EXPECT_EQ(f.lState, 3);
    f.onFocusWindowChanged(nullptr); // another application
    f.onFocusWindowChanged(f.windowHandle());
    EXPECT_EQ(f.lState, 3);

    f.cmdHelp_Click();
    ASSERT_NE(f.helpWindow(), nullptr);
    f.helpWindow()->winId();
    f.onFocusWindowChanged(f.helpWindow()->windowHandle());
    f.onFocusWindowChanged(nullptr);
    f.onFocusWindowChanged(f.windowHandle());
    EXPECT_EQ(f.lState, 0);
    EXPECT_EQ(f.lblMessage->text(), "");
}

TEST(MainWindow, ClosingStopsTheTimerAndTheHelpWindow)
{
    Harness h;
    h.form->timer()->start();
    h.form->cmdHelp_Click();
    QPointer<frmInfo> help = h.form->helpWindow();
    h.form->close();
    EXPECT_FALSE(h.form->timer()->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(help.isNull() || !help->isVisible());
}

TEST(MainWindow, NoticeForAnAttachedButUnmountedDrive)
{
    Harness h;
    Form1 &f = *h.form;
    h.drives.unmounted = {"sdb1"};
    h.tick();
    EXPECT_EQ(f.lblNotice->text(),
              "A removable drive (sdb1) is attached but not mounted. Mount it to use it here.");
    EXPECT_EQ(f.lblMessage->text(), "Ready for next") << "the status text itself is unchanged";
    h.drives.unmounted.clear();
    h.tick();
    EXPECT_EQ(f.lblNotice->text(), "");
}

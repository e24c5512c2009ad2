// The main window's controls, layouts, start-up and activation.
#include "app/layout.h"
#include "look/look.h"
#include "support/testsupport.h"

#include <QAbstractButton>
#include <QAccessible>
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

// Layout faults a user would see: a control cut off by the edge of the window
// or its frame, or two controls covering each other. Checked on the wide,
// tall window, where every control is on show.
TEST(MainWindow, EveryControlLiesInsideItsContainerAndNoneCoversAnother)
{
    Harness h;
    writeFile(h.programDir.filePath(QLatin1String(kWideLayoutMarker)), "");
    h.create();
    DeviceDir dev(exampleLayoutC());
    h.plug(dev.root());
    h.tick();
    h.configure(); // the tall window
    ASSERT_EQ(outerHeightTwips(*h.window), kTallHeightTwips);
    h.window->show();
    const QList<QWidget *> controls = h.window->findChildren<QWidget *>();
    int checked = 0;
    QStringList overlaps;
    for (QWidget *w : controls) {
        if (w->objectName().isEmpty() || w->isHidden() || !geometryOf(w->objectName()))
            continue; // parts of controls, and controls not on show
        ++checked;
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()))
            << w->objectName().toStdString() << " reaches outside "
            << w->parentWidget()->objectName().toStdString();
        for (QWidget *other : controls) {
            if (other <= w || other->parentWidget() != w->parentWidget() || other->isHidden() ||
                !geometryOf(other->objectName()))
                continue;
            // The design's twips round to shared edges of one pixel; those
            // cover nothing that is drawn.
            const QRect common = w->geometry().intersected(other->geometry());
            if (common.width() > 1 && common.height() > 1) {
                QStringList pair{w->objectName(), other->objectName()};
                pair.sort();
                overlaps.append(pair.join('+'));
            }
        }
    }
    EXPECT_GE(checked, 40);
    overlaps.sort();
    // The overlaps the design means: the instruction and the arrow display
    // stand on the device picture.
    EXPECT_EQ(overlaps,
              (QStringList{"arrowDisplay+devicePicture", "devicePicture+instructionLabel"}));
}

TEST(MainWindow, CaptionsTooltipsAndInitialStates)
{
    Harness h;
    MainWindow &mainWindow = *h.window;
    EXPECT_EQ(mainWindow.windowTitle(), "Kordavel Configuration");
    EXPECT_EQ(controlsOf(mainWindow).helpButton->text(), "&?");
    EXPECT_EQ(controlsOf(mainWindow).configureButton->text(), "&Configure");
    EXPECT_FALSE(controlsOf(mainWindow).configureButton->isEnabled());
    EXPECT_TRUE(controlsOf(mainWindow).overviewBox->isChecked());
    EXPECT_FALSE(controlsOf(mainWindow).overviewBox->isEnabled());
    EXPECT_EQ(controlsOf(mainWindow).eventsFaultsBox->text(), "Events && Faults");
    EXPECT_EQ(controlsOf(mainWindow).useDatesBox->toolTip(), "Available from firmware version 55");
    EXPECT_EQ(controlsOf(mainWindow).saveCardDateBox->toolTip(),
              "For card downloaded direct into Kordavel Plus or Blue");
    EXPECT_EQ(controlsOf(mainWindow).daysBackEdit->text(), "92");
    EXPECT_EQ(controlsOf(mainWindow).daysBackEdit->toolTip(),
              "Set to zero for 'download since last download'");
    EXPECT_TRUE(controlsOf(mainWindow).downloadPageButton->isChecked());
    EXPECT_TRUE(controlsOf(mainWindow).formatButton(FileNameFormat::European)->isChecked());
    EXPECT_EQ(controlsOf(mainWindow).formatButton(FileNameFormat::DuvadoRirozo)->text(),
              "Duvado Rirozo (DDD)");
    EXPECT_TRUE(controlsOf(mainWindow).modelKordavelPlusButton->isChecked());
    EXPECT_EQ(controlsOf(mainWindow).downloadPage->title(), "Select Files to download");
    EXPECT_EQ(controlsOf(mainWindow).softwareVersionLabel->text(), "SW Version - ");
    EXPECT_EQ(controlsOf(mainWindow).instructionLabel->text(), "Disconnect USB");
    EXPECT_EQ(controlsOf(mainWindow).stateLabel->text(), "0");
    EXPECT_EQ(controlsOf(mainWindow).programVersionLabel->text(), "Rev. 0.1.19");
    EXPECT_EQ(controlsOf(mainWindow).copyrightLabel->text(),
              QString::fromUtf8("\u00A9 2026 Kordavel"));
    for (QWidget *hidden : {static_cast<QWidget *>(controlsOf(mainWindow).noArrowPicture),
                            static_cast<QWidget *>(controlsOf(mainWindow).plugInArrowPicture),
                            static_cast<QWidget *>(controlsOf(mainWindow).unplugArrowPicture)})
        EXPECT_TRUE(hidden->isHidden());
    EXPECT_FALSE(controlsOf(mainWindow).arrowDisplay->isHidden());
    EXPECT_EQ(controlsOf(mainWindow).statusLabel->font().pointSizeF(), 24);
    EXPECT_EQ(controlsOf(mainWindow).activitiesBox->font().pointSizeF(), 9.75);
}

TEST(MainWindow, AccessKeyPressesConfigure)
{
    Harness h;
    controlsOf(*h.window).configureButton->setEnabled(true);
    int clicks = 0;
    QObject::connect(controlsOf(*h.window).configureButton, &QPushButton::clicked,
                     [&] { ++clicks; });
    h.window->show();
    QApplication::setActiveWindow(h.window.get());
    QTest::keyClick(h.window.get(), Qt::Key_C, Qt::AltModifier);
    // The button animates its press before it clicks; on a busy machine
    // (wine under load) that takes longer than the animation's 100 ms.
    EXPECT_TRUE(waitUntil([&] { return clicks > 0; }, 5000));
    QTest::qWait(200);
    EXPECT_EQ(clicks, 1) << "one press, one click";
}

TEST(MainWindow, StartUpDatesAndSizes)
{
    Harness h;
    MainWindow &mainWindow = *h.window;
    EXPECT_EQ(controlsOf(mainWindow).downloadStartPicker->date(), QDate(2025, 12, 5));
    EXPECT_EQ(controlsOf(mainWindow).downloadEndPicker->date(), QDate(2026, 12, 6));
    EXPECT_EQ(controlsOf(mainWindow).downloadStartPicker->minimumDate(), QDate(1601, 1, 1));
    EXPECT_EQ(controlsOf(mainWindow).downloadStartPicker->maximumDate(), QDate(9999, 12, 31));
    EXPECT_EQ(mainWindow.size(), clientSizeForOuterTwips(mainWindow, 4800, 7800));
    EXPECT_EQ(outerHeightTwips(mainWindow), 7800);
    EXPECT_FALSE(isWide(mainWindow));
    EXPECT_EQ(mainWindow.pos(), QPoint(7, 7));
}

TEST(MainWindow, MarkerFileSelectsTheWideLayout)
{
    Harness narrow;
    QDir(narrow.programDir.path()).mkdir("DuzudodeVizuriRedi.txt");
    narrow.create();
    EXPECT_FALSE(isWide(*narrow.window)) << "a folder of that name does not count";

    Harness wide;
    writeFile(wide.programDir.filePath("DuzudodeVizuriRedi.txt"), "");
    wide.create();
    EXPECT_TRUE(isWide(*wide.window));
    EXPECT_GT(wide.window->width(), narrow.window->width());
    // Everything of the diagnostic area lies inside the wide client area only.
    const QRect list = controlsOf(*wide.window).driveLog->geometry();
    EXPECT_LE(list.right(), wide.window->width());
    EXPECT_GT(list.left(), narrow.window->width());
}

TEST(MainWindow, ActivationResetsTheFlowOnlyWhenComingBackFromHelp)
{
    Harness h;
    MainWindow &mainWindow = *h.window;
    mainWindow.show();
    DeviceDir dev(exampleLayoutC());
    h.plug(dev.root());
    h.tick();
    ASSERT_NO_FATAL_FAILURE(h.configureAndUnplug(dev.root()));
    controlsOf(mainWindow).statusLabel->setText("Success!");
    QWindow other;
    focusMovesTo(&other); // another window of some kind
    focusMovesTo(mainWindow.windowHandle());
    EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForReplug);
    focusMovesTo(nullptr); // another application
    focusMovesTo(mainWindow.windowHandle());
    EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForReplug);

    openHelp(mainWindow);
    ASSERT_NE(helpWindowOf(), nullptr);
    helpWindowOf()->winId();
    focusMovesTo(helpWindowOf()->windowHandle());
    focusMovesTo(nullptr);
    focusMovesTo(mainWindow.windowHandle());
    EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForDevice);
    EXPECT_EQ(controlsOf(mainWindow).statusLabel->text(), "");
}

TEST(MainWindow, ClosingStopsTheTimerAndTheHelpWindow)
{
    Harness h;
    openHelp(*h.window);
    QPointer<HelpWindow> help = helpWindowOf();
    h.window->close();
    EXPECT_FALSE(isTicking(*h.window));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(help.isNull() || !help->isVisible());
}

TEST(MainWindow, NoticeForAnAttachedButUnmountedDrive)
{
    Harness h;
    MainWindow &mainWindow = *h.window;
    h.drives.unmounted = {"sdb1"};
    h.tick();
    EXPECT_EQ(controlsOf(mainWindow).mountNoticeLabel->text(),
              "A removable drive (sdb1) is attached but not mounted. Mount it to use it here.");
    EXPECT_EQ(controlsOf(mainWindow).statusLabel->text(), "Ready for next")
        << "the status text itself is unchanged";
    h.drives.unmounted.clear();
    h.tick();
    EXPECT_EQ(controlsOf(mainWindow).mountNoticeLabel->text(), "");
}

// What a screen reader says of each control on show: a name of its own, never
// a bare sign or the title of the page it stands on; the device picture and
// the arrow say what the user must do.
TEST(MainWindow, EveryControlOnShowHasANameOfItsOwnForAScreenReader)
{
    Harness h;
    writeFile(h.programDir.filePath(QLatin1String(kWideLayoutMarker)), "");
    h.create();
    h.window->show();
    DeviceDir dev(exampleLayoutC());
    h.plug(dev.root());
    h.tick();
    h.configure(); // the tall window: every control is on show
    const QStringList pageTitles{"Select Files to download", "Select File Name Format"};
    int named = 0;
    for (QWidget *w : h.window->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || !w->isVisible() || !geometryOf(w->objectName()) ||
            qobject_cast<QGroupBox *>(w) || w->objectName() == QLatin1String("modelFrame"))
            continue; // parts of controls, hidden ones and the frames themselves
        if (auto *label = qobject_cast<QLabel *>(w);
            label && label->text().isEmpty() && label->pixmap().isNull())
            continue; // a text that says nothing now
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        ASSERT_TRUE(a) << w->objectName().toStdString();
        const QString name = a->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty() || name == "?" || pageTitles.contains(name))
            << w->objectName().toStdString() << " is read as \"" << name.toStdString() << '"';
        if (!w->toolTip().isEmpty()) {
            EXPECT_EQ(a->text(QAccessible::Description), w->toolTip())
                << w->objectName().toStdString();
        }
        ++named;
    }
    EXPECT_GE(named, 30);
    auto nameOf = [](QWidget *w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    EXPECT_EQ(nameOf(controlsOf(*h.window).devicePicture), "Unplug the device");
    // The status and the instruction are read out when they change.
    for (QLabel *label :
         {controlsOf(*h.window).statusLabel, controlsOf(*h.window).instructionLabel})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->role(), QAccessible::StatusBar);
    h.unplug(dev.root());
    h.tick();
    EXPECT_EQ(nameOf(controlsOf(*h.window).devicePicture), "Plug the device in again");
    EXPECT_EQ(nameOf(controlsOf(*h.window).arrowDisplay), "Plug the device in again");
}

// Tab visits what the narrow window shows in reading order, never a control
// beyond its edge (the parked page, the service controls), and the page
// chosen by keys brings its own controls into the chain.
TEST(MainWindow, TabFollowsTheReadingOrderOfWhatTheWindowShows)
{
    Harness h;
    h.create();
    h.window->show();
    QApplication::setActiveWindow(h.window.get());
    const WindowControls &c = controlsOf(*h.window);
    auto chain = [&](QWidget *first) {
        QStringList names;
        first->setFocus(Qt::TabFocusReason);
        for (int presses = 0; presses < 100; ++presses) {
            QWidget *w = QApplication::focusWidget();
            // A date picker takes Tab through its day, month and year first.
            if (!names.isEmpty() && names.constLast() == w->objectName()) {
                QTest::keyClick(w, Qt::Key_Tab);
                continue;
            }
            if (names.contains(w->objectName()))
                break;
            names.append(w->objectName());
            const QRect inWindow(w->mapTo(h.window.get(), QPoint(0, 0)), w->size());
            EXPECT_TRUE(h.window->rect().intersects(inWindow))
                << w->objectName().toStdString() << " lies outside the window";
            QTest::keyClick(w, Qt::Key_Tab);
        }
        return names;
    };
    EXPECT_EQ(chain(c.downloadPageButton).join(' '),
              "downloadPageButton fleetButton helpButton activitiesBox daysBackEdit "
              "eventsFaultsBox detailedSpeedBox technicalDataBox "
              "driverCardBox saveCardDateBox speed168hBox speed4HzBox otherVdoDataBox useDatesBox "
              "downloadStartPicker downloadEndPicker");
    // The arrow keys choose within a group of option buttons; Tab leaves it.
    c.downloadPageButton->setFocus(Qt::TabFocusReason);
    QTest::keyClick(c.downloadPageButton, Qt::Key_Right);
    ASSERT_TRUE(c.fileNamePageButton->isChecked());
    EXPECT_EQ(chain(c.fileNamePageButton).join(' '),
              "fileNamePageButton fleetButton helpButton shortNamesButton");
    QTest::keyClick(c.formatButton(FileNameFormat::ShortNames), Qt::Key_Down);
    EXPECT_TRUE(c.formatButton(FileNameFormat::European)->isChecked());
    EXPECT_FALSE(c.downloadPage->isVisible());
}

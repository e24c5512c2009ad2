// Mounting and safe removal through a fake UDisks2 on a private system bus
// (udisks_mock.sh starts both; MEDIA_DIR holds the fake's table, log and mode).
#include "drives_table.h"
#include "platform/media.h"
#include "support/testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::test;

namespace {

QString mediaDir()
{
    return qEnvironmentVariable("MEDIA_DIR");
}

// The fake's drive table, with sdb1 attached but unmounted until the table
// lists the device folder.
class MediaDrives : public TableDrives
{
public:
    MediaDrives() : TableDrives(mediaDir() + "/drives.table") {}
    QStringList unmountedRemovables() override
    {
        const auto r = roots();
        return r && r->contains(mediaDir() + "/device/") ? QStringList() : QStringList{"sdb1"};
    }
};

// Saves the window for the README when KORDAVEL_SCREENSHOT_DIR names a folder.
void screenshot(QWidget &window, const char *name)
{
    const QString dir = qEnvironmentVariable("KORDAVEL_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        window.grab().save(dir + '/' + QLatin1String(name));
}

class DiskService : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(mediaDir().isEmpty()) << "run through udisks_mock.sh";
        writeFile(mediaDir() + "/drives.table", "");
        writeFile(mediaDir() + "/calls", "");
        writeFile(mediaDir() + "/mode", "");
        QDir(mediaDir() + "/device").removeRecursively();
        QDir().mkpath(mediaDir() + "/device/KORDAVEL/CARD");
        writeFile(mediaDir() + "/device/UPDATES/kordvers.ion", exampleLayoutC());
        window =
            makeMainWindow(drives, systemFiles(), clock, messages, programDir.path(), media.get());
        ASSERT_TRUE(waitUntil([&] { return media->available(); }))
            << "the fake UDisks2 is on the bus";
    }
    void setMode(const char *mode) { writeFile(mediaDir() + "/mode", mode); }
    QByteArray calls() const { return readAll(mediaDir() + "/calls"); }

    // Plugs sdb1 in unmounted and mounts it with the button.
    void mountWithTheButton()
    {
        pollTick(*window);
        ASSERT_FALSE(controlsOf(*window).mountButton->isHidden());
        QSignalSpy done(media.get(), &MediaService::mounted);
        controlsOf(*window).mountButton->click();
        ASSERT_TRUE(waitUntil([&] { return done.size() == 1; }));
    }

    MediaDrives drives;
    FixedClock clock{QDate(2026, 12, 6)};
    RecordingMessageBox messages;
    QTemporaryDir programDir;
    std::unique_ptr<MediaService> media = makeMediaService();
    TestWindow window;
};

} // namespace

TEST_F(DiskService, MountButtonMountsTheDriveAndTheNextTickFindsTheDevice)
{
    pollTick(*window);
    EXPECT_EQ(controlsOf(*window).mountNoticeLabel->text(),
              "Drive sdb1 is attached but not mounted.");
    EXPECT_FALSE(controlsOf(*window).mountButton->isHidden());
    EXPECT_EQ(controlsOf(*window).mountButton->text(), "&Mount");
    EXPECT_EQ(controlsOf(*window).mountNoticeLabel->geometry().left(),
              controlsOf(*window).mountButton->geometry().right() + 5)
        << "the hint stands beside the button";
    screenshot(*window, "mount-button.png");
    mountWithTheButton();
    EXPECT_EQ(calls(), "Mount\n");
    pollTick(*window);
    EXPECT_EQ(controlsOf(*window).statusLabel->text(), "Configuration read");
    EXPECT_TRUE(controlsOf(*window).mountButton->isHidden());
    EXPECT_EQ(controlsOf(*window).mountNoticeLabel->text(), "");
}

TEST_F(DiskService, RefusedMountsGiveAPlainSentence)
{
    pollTick(*window);
    for (const auto &[mode, sentence] :
         {std::pair{"mount=NotAuthorized", "You are not allowed to mount sdb1."},
          std::pair{"mount=DeviceBusy",
                    "Could not mount sdb1: the drive is busy. Close what uses it and try again."},
          std::pair{"mount=Failed", "Could not mount sdb1 (Failed (fake UDisks2))."}}) {
        SCOPED_TRACE(mode);
        setMode(mode);
        QSignalSpy failed(media.get(), &MediaService::mountFailed);
        controlsOf(*window).mountButton->click();
        EXPECT_FALSE(controlsOf(*window).mountButton->isEnabled()) << "one request at a time";
        ASSERT_TRUE(waitUntil([&] { return failed.size() == 1; }));
        EXPECT_EQ(controlsOf(*window).mountNoticeLabel->text(), sentence);
        EXPECT_TRUE(controlsOf(*window).mountButton->isEnabled());
        pollTick(*window);
        EXPECT_EQ(controlsOf(*window).mountNoticeLabel->text(), sentence)
            << "stays while nothing else happens";
        EXPECT_TRUE(messages.texts.isEmpty());
    }
    // Once the flow has moved on, the sentence goes.
    writeFile(mediaDir() + "/drives.table", (mediaDir() + "/device/\t2\tKORD\n").toUtf8());
    pollTick(*window);
    ASSERT_EQ(window.cycle().state(), FlowState::SettingsShown);
    EXPECT_EQ(controlsOf(*window).mountNoticeLabel->text(),
              "Could not mount sdb1 (Failed (fake UDisks2)).")
        << "the tick that finds the device started where the mount failed";
    pollTick(*window);
    EXPECT_EQ(controlsOf(*window).mountNoticeLabel->text(), "");
}

TEST_F(DiskService, SafeRemovalUnmountsThenPowersOff)
{
    mountWithTheButton();
    pollTick(*window);
    ASSERT_EQ(window.cycle().state(), FlowState::SettingsShown);
    EXPECT_TRUE(controlsOf(*window).safeRemoveButton->isHidden())
        << "only once the file is written";
    pressConfigure(*window);
    ASSERT_EQ(window.cycle().state(), FlowState::WaitingForUnplug);
    ASSERT_FALSE(controlsOf(*window).safeRemoveButton->isHidden());
    EXPECT_EQ(controlsOf(*window).safeRemoveButton->text(), "&Safely remove");
    screenshot(*window, "safe-remove-button.png");
    QSignalSpy removed(media.get(), &MediaService::removed);
    controlsOf(*window).safeRemoveButton->click();
    ASSERT_TRUE(waitUntil([&] { return removed.size() == 1; }));
    EXPECT_EQ(calls(), "Mount\nUnmount\nPowerOff\n");
    EXPECT_TRUE(controlsOf(*window).safeRemoveButton->isHidden());
    pollTick(*window);
    EXPECT_EQ(controlsOf(*window).instructionLabel->text(), "Connect USB")
        << "the flow sees the drive gone";
    EXPECT_EQ(window.cycle().state(), FlowState::WaitingForReplug);
}

TEST_F(DiskService, FailuresOfUnmountOrPowerOffAreReported)
{
    mountWithTheButton();
    pollTick(*window);
    pressConfigure(*window);
    ASSERT_EQ(window.cycle().state(), FlowState::WaitingForUnplug);
    for (const auto &[mode, sentence] :
         {std::pair{"unmount=DeviceBusy", "Could not unmount the drive: the drive is busy. Close "
                                          "what uses it and try again."},
          std::pair{"poweroff=Failed", "Could not power the drive off (Failed (fake UDisks2))."}}) {
        SCOPED_TRACE(mode);
        setMode(mode);
        QSignalSpy failed(media.get(), &MediaService::removeFailed);
        controlsOf(*window).safeRemoveButton->click();
        ASSERT_TRUE(waitUntil([&] { return failed.size() == 1; }));
        EXPECT_EQ(controlsOf(*window).mountNoticeLabel->text(), sentence);
        EXPECT_TRUE(controlsOf(*window).safeRemoveButton->isEnabled()) << "the user may try again";
    }
    EXPECT_EQ(calls(), "Mount\nUnmount\nUnmount\nPowerOff\n")
        << "no power-off after a failed unmount";
}

// Runs last: the fake stays busy for four seconds after this.
TEST_F(DiskService, ServiceThatNeverAnswersLeavesTheWindowResponsive)
{
    qputenv("KORDAVEL_MEDIA_TIMEOUT_MS", "1000");
    const std::unique_ptr<MediaService> impatient = makeMediaService();
    ASSERT_TRUE(waitUntil([&] { return impatient->available(); }));
    setMode("mount=silent");
    QSignalSpy failed(impatient.get(), &MediaService::mountFailed);
    impatient->mount("sdb1");
    EXPECT_EQ(failed.size(), 0) << "the call returns before the service's silence is judged";
    int ticks = 0;
    ASSERT_TRUE(waitUntil([&] {
        pollTick(*window);
        ++ticks;
        return failed.size() == 1;
    }));
    EXPECT_GT(ticks, 10) << "the window kept polling while the service was silent";
    EXPECT_EQ(failed.at(0).at(1).toString(),
              "Could not mount sdb1: the desktop's disk service did not answer.");
    qunsetenv("KORDAVEL_MEDIA_TIMEOUT_MS");
}

TEST(NoDiskService, WithoutASystemBusTheWindowIsAsBefore)
{
    const std::unique_ptr<MediaService> media = makeMediaService();
    EXPECT_FALSE(media->available());
    FakeDrives drives;
    drives.unmounted = {"sdb1"};
    FixedClock clock{QDate(2026, 12, 6)};
    RecordingMessageBox messages;
    QTemporaryDir programDir;
    const auto window =
        makeMainWindow(drives, systemFiles(), clock, messages, programDir.path(), media.get());
    QCoreApplication::processEvents();
    pollTick(*window);
    EXPECT_TRUE(controlsOf(*window).mountButton->isHidden());
    EXPECT_EQ(controlsOf(*window).mountNoticeLabel->text(),
              "A removable drive (sdb1) is attached but not mounted. Mount it to use it here.");
    EXPECT_TRUE(controlsOf(*window).safeRemoveButton->isHidden());
}

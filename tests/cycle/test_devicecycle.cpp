// The plug/unplug cycle without a window: what each tick, read and Configure
// reports, and what it leaves on the device.
#include "coresupport.h"
#include "cycle/devicecycle.h"

#include <QFile>

#include <algorithm>

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::test;

namespace {

bool has(const std::vector<FlowAction> &actions, FlowAction a)
{
    return std::find(actions.begin(), actions.end(), a) != actions.end();
}

ScreenSettings twentyEightDays()
{
    ScreenSettings s;
    s.fileNameFormat = int(FileNameFormat::European);
    s.daysBack = QStringLiteral("28");
    s.setChecked(DownloadBox::Activities, true);
    s.setChecked(DownloadBox::DetailedSpeed, true);
    return s;
}

class Cycle : public ::testing::Test
{
protected:
    void plug(const QString &root) { drives.entries.append({root, KindRemovable, "KORD"}); }
    void unplug(const QString &root)
    {
        drives.entries.removeIf([&](const FakeDrives::Entry &e) { return e.root == root; });
    }
    QString hexPath() const { return dev.path("UPDATES/DI999000.HEX"); }

    FakeDrives drives;
    SystemFilesPassThrough files;
    DeviceCycle cycle{drives, files};
    DeviceDir dev{exampleLayoutC()};
};

TEST_F(Cycle, AWholeCycleFromPlugToSuccess)
{
    TickReport idle = cycle.tick();
    EXPECT_TRUE(has(idle.actions, FlowAction::MessageReady));
    EXPECT_FALSE(idle.reading);
    EXPECT_EQ(cycle.state(), FlowState::WaitingForDevice);

    plug(dev.root());
    const TickReport found = cycle.tick();
    EXPECT_EQ(found.stateBefore, FlowState::WaitingForDevice);
    EXPECT_EQ(found.logRows, QStringList{dev.root() + "\tKORD\tRemovable drive"});
    EXPECT_TRUE(has(found.actions, FlowAction::MessageFound));
    ASSERT_TRUE(found.reading);
    const DeviceReading &r = *found.reading;
    EXPECT_EQ(r.outcome, ReadOutcome::Read);
    EXPECT_EQ(r.versionLabel, "SW Version - TQ 54");
    EXPECT_EQ(r.logLines, (QStringList{"Kordavel Software Version: 54", "Version file length: 80",
                                       "Config. byte: B5"}));
    ASSERT_TRUE(r.settings);
    EXPECT_TRUE(r.settings->layoutKnown);
    EXPECT_EQ(r.settings->layout, Layout::C);
    EXPECT_EQ(r.settings->configByte, 0xB5);
    EXPECT_TRUE(r.settings->secondList);
    EXPECT_TRUE(r.messages.isEmpty());
    EXPECT_TRUE(has(found.afterRead, FlowAction::EnableConfigure));
    EXPECT_EQ(cycle.state(), FlowState::SettingsShown);
    EXPECT_EQ(cycle.deviceRoot(), dev.root());

    const TickReport settled = cycle.tick();
    EXPECT_FALSE(settled.reading) << "a device that was read is not read again";

    const ConfigureReport configured = cycle.configure(twentyEightDays());
    EXPECT_TRUE(configured.deviceFound);
    EXPECT_TRUE(configured.written);
    EXPECT_TRUE(configured.messages.isEmpty());
    EXPECT_EQ(cycle.state(), FlowState::WaitingForUnplug);
    EXPECT_TRUE(readAll(hexPath()).endsWith(":00000001FF\r\n"));
    EXPECT_NE(cycle.configByte(), 0xB5) << "the byte of the file now on the device";

    EXPECT_TRUE(has(cycle.tick().actions, FlowAction::ArrowOut));
    unplug(dev.root());
    const TickReport out = cycle.tick();
    EXPECT_TRUE(has(out.actions, FlowAction::InstructionConnect));
    EXPECT_EQ(cycle.state(), FlowState::WaitingForReplug);
    EXPECT_TRUE(QFile::exists(hexPath())) << "the device has not taken the file up yet";

    plug(dev.root());
    const TickReport back = cycle.tick();
    EXPECT_TRUE(has(back.actions, FlowAction::MessageSuccess));
    EXPECT_FALSE(has(back.actions, FlowAction::DeleteConfigFile)) << "the cycle deletes it itself";
    EXPECT_FALSE(QFile::exists(hexPath())) << "the taken-up file is deleted";
    EXPECT_EQ(cycle.state(), FlowState::Configured);

    unplug(dev.root());
    cycle.tick();
    EXPECT_EQ(cycle.state(), FlowState::WaitingForDevice);
}

TEST_F(Cycle, FilesThatCannotBeTrustedAreReportedAndDeleted)
{
    struct Case
    {
        const char *what;
        QByteArray content;
        QStringList messages;
        bool deleted;
    };
    const QString reconnect = "Disconnect and reconnect Kordavel.\r\n"
                              "Wait a moment then click 'Current Settings'.";
    const QList<Case> cases = {
        {"bad header",
         versionFile("TQ100054HEX", 80),
         {"Kordavel software version value wrong", "Configuration file error.\r\n" + reconnect},
         true},
        {"too short",
         versionFile("TQ000054HEX", 20),
         {"Configuration file error.\r\n" + reconnect},
         true},
        {"wrong length",
         versionFile("TQ000054HEX", 60),
         {"Configuration file error.\r\n" + reconnect},
         true},
    };
    plug(dev.root());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        dev.setVersionFile(c.content);
        cycle.restart();
        const TickReport report = cycle.tick();
        ASSERT_TRUE(report.reading);
        EXPECT_EQ(report.reading->outcome, ReadOutcome::Failed);
        EXPECT_EQ(report.reading->messages, c.messages);
        EXPECT_EQ(QFile::exists(dev.path("UPDATES/kordvers.ion")), !c.deleted);
        EXPECT_TRUE(report.afterRead.empty());
        EXPECT_EQ(cycle.state(), FlowState::ReadAgain);
        cycle.tick();
        EXPECT_EQ(cycle.state(), FlowState::WaitingForDevice) << "read again on the next tick";
    }

    // A file of the right length whose layout does not fit still shows the days back.
    dev.setVersionFile(versionFile("TQ000054HEX", 60));
    cycle.restart();
    const DeviceReading wrong = *cycle.tick().reading;
    ASSERT_TRUE(wrong.settings);
    EXPECT_FALSE(wrong.settings->layoutKnown);
    EXPECT_TRUE(wrong.identification);
}

TEST_F(Cycle, MissingAndOldFilesAreKept)
{
    plug(dev.root());
    QFile::remove(dev.path("UPDATES/kordvers.ion"));
    const DeviceReading missing = *cycle.tick().reading;
    EXPECT_EQ(missing.outcome, ReadOutcome::Failed);
    ASSERT_EQ(missing.messages.size(), 1);
    EXPECT_TRUE(missing.messages[0].startsWith("Configuration file missing.\r\n"));
    EXPECT_FALSE(missing.settings);

    // Software 8 publishes no settings: read, kept, nothing offered.
    dev.setVersionFile(versionFile("TQ000008HEX", 21));
    cycle.restart();
    const TickReport old = cycle.tick();
    EXPECT_EQ(old.reading->outcome, ReadOutcome::Read);
    EXPECT_TRUE(old.reading->configNotAvailable);
    EXPECT_TRUE(old.reading->messages.isEmpty());
    EXPECT_TRUE(QFile::exists(dev.path("UPDATES/kordvers.ion")));
    EXPECT_TRUE(has(old.afterRead, FlowAction::MessageNotSuitable));
    EXPECT_FALSE(has(old.afterRead, FlowAction::EnableConfigure));
    EXPECT_EQ(cycle.state(), FlowState::ReadAgain);
}

TEST_F(Cycle, ConfigureThatWritesNothingKeepsTheDeviceAndTheByte)
{
    ScreenSettings tooFar = twentyEightDays();
    tooFar.daysBack = QStringLiteral("99999");

    // No device: nothing found, the flow stays where it was.
    cycle.setState(FlowState::SettingsShown);
    const ConfigureReport none = cycle.configure(twentyEightDays());
    EXPECT_FALSE(none.deviceFound);
    EXPECT_FALSE(none.written);
    EXPECT_EQ(cycle.state(), FlowState::SettingsShown);

    plug(dev.root());
    cycle.restart();
    cycle.tick();
    ASSERT_EQ(cycle.state(), FlowState::SettingsShown);
    const ConfigureReport refused = cycle.configure(tooFar);
    EXPECT_TRUE(refused.deviceFound);
    EXPECT_FALSE(refused.written);
    ASSERT_EQ(refused.messages.size(), 1);
    EXPECT_TRUE(refused.messages[0].endsWith("\r\nNo configuration file was written."));
    EXPECT_EQ(cycle.configByte(), 0xB5);
    EXPECT_EQ(cycle.state(), FlowState::SettingsShown);
    EXPECT_FALSE(QFile::exists(hexPath()));

    // The family is judged by the version file on the device now.
    dev.setVersionFile(versionFile("XY000054HEX", 80));
    const ConfigureReport unknown = cycle.configure(twentyEightDays());
    EXPECT_EQ(unknown.messages, QStringList{"Unknown Kordavel type"});
    EXPECT_FALSE(QFile::exists(hexPath()));
}

TEST_F(Cycle, TwoDevicesAndUnmountedMedia)
{
    drives.unmounted = {QStringLiteral("sdc1")};
    EXPECT_EQ(cycle.tick().unmountedDrives, QStringList{"sdc1"});

    DeviceDir second(exampleLayoutC());
    plug(dev.root());
    plug(second.root());
    const TickReport both = cycle.tick();
    EXPECT_FALSE(both.reading) << "two devices: the cycle cannot tell which one is meant";
    EXPECT_TRUE(both.unmountedDrives.isEmpty()) << "mentioned only while no device is there";
    EXPECT_EQ(cycle.deviceCount(), 2);
    EXPECT_EQ(cycle.state(), FlowState::WaitingForDevice);

    unplug(second.root());
    EXPECT_TRUE(cycle.tick().reading);
    EXPECT_EQ(cycle.state(), FlowState::SettingsShown);
}

// Deletion of the taken-up file refused while another program holds it.
class HeldHexFiles : public SystemFilesPassThrough
{
public:
    FileResult remove(const QString &p) override
    {
        if (held && p.endsWith(QLatin1String("DI999000.HEX")))
            return {FileProblem::InUse, QStringLiteral("in use")};
        return SystemFilesPassThrough::remove(p);
    }
    bool held = false;
};

TEST(CycleHeldFile, TheTakenUpFileGoesOnALaterTickWithoutWaiting)
{
    FakeDrives drives;
    HeldHexFiles files;
    DeviceCycle cycle(drives, files);
    DeviceDir dev(exampleLayoutC());
    const QString hex = dev.path("UPDATES/DI999000.HEX");
    drives.entries = {{dev.root(), KindRemovable, "KORD"}};
    cycle.tick();
    ASSERT_TRUE(cycle.configure(twentyEightDays()).written);
    drives.entries.clear();
    cycle.tick();
    drives.entries = {{dev.root(), KindRemovable, "KORD"}};
    files.held = true;
    cycle.tick();
    EXPECT_EQ(cycle.state(), FlowState::Configured) << "success does not wait for the file";
    EXPECT_TRUE(QFile::exists(hex));
    cycle.tick();
    EXPECT_TRUE(QFile::exists(hex));
    files.held = false;
    cycle.tick();
    EXPECT_FALSE(QFile::exists(hex)) << "tried again while the same drive holds the device";
}

} // namespace

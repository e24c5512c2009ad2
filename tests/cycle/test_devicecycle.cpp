// The plug/unplug cycle without a window: what each tick, read and Configure
// reports, and what it leaves on the device.
#include "coresupport.h"
#include "cycle/devicecycle.h"
#include "cycle/executor.h"
#include "inline_executor.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <thread>

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::test;

namespace {

// A medium whose write-protect switch can be set.
class WriteProtected : public SystemFilesPassThrough
{
public:
    FileResult createDurable(const QString &p, const QByteArray &data) override
    {
        if (refuse)
            return {FileProblem::WriteProtected, QStringLiteral("write-protected")};
        return SystemFilesPassThrough::createDurable(p, data);
    }
    bool refuse = false;
};

DeviceSettings twentyEightDays()
{
    DeviceSettings s;
    s.fileNameFormat = FileNameFormat::European;
    s.daysBack = QStringLiteral("28");
    s.setChecked(DownloadBox::Activities, true);
    s.setChecked(DownloadBox::DetailedSpeed, true);
    return s;
}

// Settings with no file-name format chosen: the file then carries the
// device's own configuration byte, as the cycle holds it.
DeviceSettings keepingTheByte()
{
    DeviceSettings s = twentyEightDays();
    s.fileNameFormat = std::nullopt;
    return s;
}

// The TQ 54 file the cycle must write for screen with configuration byte.
QByteArray tqFile(const DeviceSettings &screen, int configByte)
{
    return buildConfigurationFile(screen, QStringLiteral("TQ"), 54, configByte).text;
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
    const CycleReport idle = cycle.tick();
    EXPECT_TRUE(has(idle, FlowAction::MessageReady));
    EXPECT_FALSE(lastOf<show::Settings>(idle));
    EXPECT_EQ(cycle.state(), FlowState::WaitingForDevice);

    plug(dev.root());
    const CycleReport found = cycle.tick();
    EXPECT_EQ(lastOf<show::StateNumber>(found)->state, FlowState::WaitingForDevice);
    EXPECT_EQ(lastOf<show::DriveLog>(found)->rows,
              QStringList{dev.root() + "\tKORD\tRemovable drive"});
    EXPECT_EQ(actionsOf(found),
              (std::vector<FlowAction>{FlowAction::MessageFound, FlowAction::MessageConfigRead,
                                       FlowAction::ShowSWVersion, FlowAction::EnableConfigure,
                                       FlowAction::WindowShort}));
    EXPECT_EQ(lastOf<show::VersionLabel>(found)->text, "SW Version - TQ 54");
    EXPECT_EQ(addedLogRowsOf(found), (QStringList{"Kordavel Software Version: 54",
                                                  "Version file length: 80", "Config. byte: B5"}));
    const std::optional<show::Settings> shown = lastOf<show::Settings>(found);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->settings.fileNameFormat, FileNameFormat::European);
    EXPECT_TRUE(messagesOf(found).isEmpty());
    EXPECT_EQ(lastOf<show::SafeRemoval>(found)->root, "") << "nothing to remove safely yet";
    EXPECT_EQ(cycle.state(), FlowState::SettingsShown);

    const CycleReport settled = cycle.tick();
    EXPECT_FALSE(lastOf<show::Settings>(settled)) << "a device that was read is not read again";

    const CycleReport configured = cycle.configure(twentyEightDays());
    EXPECT_EQ(lastOf<show::DriveLog>(configured)->rows, QStringList{}) << "filled afresh";
    EXPECT_EQ(addedLogRowsOf(configured),
              (QStringList{dev.root() + "\tKORD\tRemovable drive", "Kordavel found",
                           "Configuration file created"}));
    EXPECT_EQ(actionsOf(configured),
              (std::vector<FlowAction>{FlowAction::DisableConfigure, FlowAction::MessageNone,
                                       FlowAction::MessageFound, FlowAction::MessageNone,
                                       FlowAction::InstructionDisconnect, FlowAction::WindowTall,
                                       FlowAction::PollAgain}));
    EXPECT_TRUE(messagesOf(configured).isEmpty());
    EXPECT_EQ(lastOf<show::SafeRemoval>(configured)->root, dev.root());
    EXPECT_EQ(cycle.state(), FlowState::WaitingForUnplug);
    EXPECT_EQ(readAll(hexPath()), tqFile(twentyEightDays(), 0xBD))
        << "European format, clock of the device kept on";

    const CycleReport waiting = cycle.tick();
    EXPECT_TRUE(has(waiting, FlowAction::ArrowOut));
    EXPECT_EQ(lastOf<show::SafeRemoval>(waiting)->root, dev.root());
    unplug(dev.root());
    const CycleReport out = cycle.tick();
    EXPECT_TRUE(has(out, FlowAction::InstructionConnect));
    EXPECT_EQ(lastOf<show::SafeRemoval>(out)->root, "");
    EXPECT_EQ(cycle.state(), FlowState::WaitingForReplug);
    EXPECT_TRUE(QFile::exists(hexPath())) << "the device has not taken the file up yet";

    plug(dev.root());
    const CycleReport back = cycle.tick();
    EXPECT_TRUE(has(back, FlowAction::MessageSuccess));
    EXPECT_FALSE(QFile::exists(hexPath())) << "the taken-up file is deleted";
    EXPECT_EQ(cycle.state(), FlowState::Configured);

    // The byte written is the device's from now on.
    const CycleReport again = cycle.configure(keepingTheByte());
    EXPECT_EQ(readAll(hexPath()), tqFile(keepingTheByte(), 0xBD));
    EXPECT_EQ(lastOf<show::SafeRemoval>(again)->root, dev.root());

    unplug(dev.root());
    cycle.tick();
    cycle.tick();
    EXPECT_EQ(cycle.state(), FlowState::WaitingForReplug);
    const CycleReport restarted = cycle.restart();
    EXPECT_EQ(actionsOf(restarted), std::vector<FlowAction>{FlowAction::MessageNone});
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
        const CycleReport report = cycle.tick();
        EXPECT_EQ(messagesOf(report), c.messages);
        EXPECT_EQ(QFile::exists(dev.path("UPDATES/kordvers.ion")), !c.deleted);
        EXPECT_FALSE(has(report, FlowAction::MessageConfigRead)) << "a failed read is not read";
        EXPECT_EQ(cycle.state(), FlowState::ReadAgain);
        cycle.tick();
        EXPECT_EQ(cycle.state(), FlowState::WaitingForDevice) << "read again on the next tick";
    }

    // A file whose length does not fit its layout still shows the days back
    // and the identification, with nothing of its settings.
    dev.setVersionFile(versionFile("TQ000054HEX", 60));
    cycle.restart();
    const CycleReport wrong = cycle.tick();
    const std::optional<show::Settings> shown = lastOf<show::Settings>(wrong);
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->settings.daysBack);
    EXPECT_FALSE(shown->settings.fileNameFormat);
    EXPECT_EQ(lastOf<show::VersionLabel>(wrong)->text, "SW Version - TQ 54");
}

TEST_F(Cycle, MissingAndOldFilesAreKept)
{
    plug(dev.root());
    QFile::remove(dev.path("UPDATES/kordvers.ion"));
    const CycleReport missing = cycle.tick();
    ASSERT_EQ(messagesOf(missing).size(), 1);
    EXPECT_TRUE(messagesOf(missing)[0].startsWith("Configuration file missing.\r\n"));
    EXPECT_FALSE(lastOf<show::Settings>(missing));
    EXPECT_EQ(cycle.state(), FlowState::ReadAgain);

    // Software 8 publishes no settings: read, kept, nothing offered.
    dev.setVersionFile(versionFile("TQ000008HEX", 21));
    cycle.restart();
    const CycleReport old = cycle.tick();
    const std::vector<FlowAction> actions = actionsOf(old);
    const auto notAvailable =
        std::find(actions.begin(), actions.end(), FlowAction::MessageConfigNotAvailable);
    ASSERT_NE(notAvailable, actions.end());
    EXPECT_EQ(*std::next(notAvailable), FlowAction::MessageConfigRead)
        << "then the read is judged: too old to be configured";
    EXPECT_TRUE(messagesOf(old).isEmpty());
    EXPECT_TRUE(QFile::exists(dev.path("UPDATES/kordvers.ion")));
    EXPECT_TRUE(has(old, FlowAction::MessageNotSuitable));
    EXPECT_FALSE(has(old, FlowAction::EnableConfigure));
    EXPECT_EQ(cycle.state(), FlowState::ReadAgain);
}

TEST_F(Cycle, ConfigureThatWritesNothingKeepsTheDeviceAndTheByte)
{
    DeviceSettings tooFar = keepingTheByte();
    tooFar.daysBack = QStringLiteral("99999");

    // No device: nothing found, the flow stays where it was; what the press
    // showed at once stays (Configure disabled, the status cleared).
    const CycleReport none = cycle.configure(twentyEightDays());
    EXPECT_EQ(actionsOf(none), planConfigureStart());
    EXPECT_TRUE(addedLogRowsOf(none).isEmpty());
    EXPECT_FALSE(lastOf<show::SafeRemoval>(none));
    EXPECT_EQ(cycle.state(), FlowState::WaitingForDevice);

    plug(dev.root());
    cycle.tick();
    ASSERT_EQ(cycle.state(), FlowState::SettingsShown);
    const CycleReport refused = cycle.configure(tooFar);
    EXPECT_EQ(addedLogRowsOf(refused),
              (QStringList{dev.root() + "\tKORD\tRemovable drive", "Kordavel found"}));
    ASSERT_EQ(messagesOf(refused).size(), 1);
    EXPECT_TRUE(messagesOf(refused)[0].endsWith("\r\nNo configuration file was written."));
    EXPECT_EQ(actionsOf(refused),
              (std::vector<FlowAction>{FlowAction::DisableConfigure, FlowAction::MessageNone,
                                       FlowAction::MessageFound, FlowAction::EnableConfigure,
                                       FlowAction::MessageNone}));
    EXPECT_FALSE(lastOf<show::SafeRemoval>(refused));
    EXPECT_EQ(cycle.state(), FlowState::SettingsShown);
    EXPECT_FALSE(QFile::exists(hexPath()));
    // The device still has its own byte (B5, its clock running) for the next try.
    cycle.configure(keepingTheByte());
    EXPECT_EQ(readAll(hexPath()), tqFile(keepingTheByte(), 0xB5));
    QFile::remove(hexPath());

    // A medium that refuses the new file leaves the byte as it was too.
    WriteProtected locked;
    DeviceCycle lockedCycle(drives, locked);
    lockedCycle.tick();
    locked.refuse = true;
    lockedCycle.configure(twentyEightDays());
    EXPECT_FALSE(QFile::exists(hexPath()));
    locked.refuse = false;
    lockedCycle.configure(keepingTheByte());
    EXPECT_EQ(readAll(hexPath()), tqFile(keepingTheByte(), 0xB5));
    QFile::remove(hexPath());

    // A family this program does not know writes nothing either.
    dev.setVersionFile(versionFile("XY000054HEX", 80));
    DeviceCycle unknownCycle(drives, files);
    unknownCycle.tick();
    const CycleReport unknown = unknownCycle.configure(twentyEightDays());
    EXPECT_EQ(messagesOf(unknown), QStringList{"Unknown Kordavel type"});
    EXPECT_FALSE(QFile::exists(hexPath()));
}

TEST_F(Cycle, TheDevicesClockStaysAsItWas)
{
    // Bit 1 of a layout C byte cleared: the device runs its clock, and a new
    // byte keeps it so; a stopped clock stays stopped.
    plug(dev.root());
    for (const int byte : {0xB5, 0xB7, 0x00}) {
        SCOPED_TRACE(byte);
        dev.setVersionFile(versionFile("TQ000054HEX", 80, {{31, QByteArray(1, char(byte))}}));
        cycle.restart();
        cycle.tick();
        ASSERT_EQ(cycle.state(), FlowState::SettingsShown);
        cycle.configure(twentyEightDays());
        const int european = 0xBF; // every flag off, the European format's field 3
        const bool clock = (byte & 0x02) == 0;
        EXPECT_EQ(readAll(hexPath()),
                  tqFile(twentyEightDays(), clock ? european & ~0x02 : european));
    }
}

TEST_F(Cycle, TwoDevicesAndUnmountedMedia)
{
    drives.unmounted = {QStringLiteral("sdc1")};
    EXPECT_EQ(lastOf<show::MediaNotice>(cycle.tick())->unmounted, QStringList{"sdc1"});

    DeviceDir second(exampleLayoutC());
    plug(dev.root());
    plug(second.root());
    const CycleReport both = cycle.tick();
    EXPECT_FALSE(lastOf<show::Settings>(both))
        << "two devices: the cycle cannot tell which one is meant";
    EXPECT_TRUE(lastOf<show::MediaNotice>(both)->unmounted.isEmpty())
        << "mentioned only while no device is there";
    const auto log = lastOf<show::DriveLog>(both);
    ASSERT_TRUE(log);
    EXPECT_EQ(log->rows.filter(QStringLiteral("\tKORD\tRemovable drive")).size(), 2)
        << "both drives listed";
    EXPECT_EQ(cycle.state(), FlowState::WaitingForDevice);

    unplug(second.root());
    EXPECT_TRUE(lastOf<show::Settings>(cycle.tick()));
    EXPECT_EQ(cycle.state(), FlowState::SettingsShown);
}

// Configure writes to the device whose settings are on the screen, or to none.
TEST_F(Cycle, ConfigureWritesOnlyToTheDeviceItRead)
{
    const QString notThatOne = "No configuration file was written: the Kordavel plugged in is "
                               "not the one whose settings are shown, or its settings have "
                               "changed, so it is read again.";
    QByteArray otherVersion = exampleLayoutC();
    otherVersion[21] = '\x07'; // another serial number, the same type and settings
    DeviceDir other(otherVersion);
    std::optional<DeviceCycle> reader;
    auto readAlone = [&] {
        drives.entries.clear();
        plug(dev.root());
        reader.emplace(drives, files);
        reader->tick();
        ASSERT_EQ(reader->state(), FlowState::SettingsShown);
    };
    auto nothingWrittenOn = [&](const DeviceDir &device) {
        return !QFile::exists(device.path("UPDATES/DI999000.HEX"));
    };

    {
        SCOPED_TRACE("another device plugged in before the one read, no tick between");
        readAlone();
        drives.entries.prepend({other.root(), KindRemovable, "OTHER"});
        const CycleReport both = reader->configure(twentyEightDays());
        EXPECT_EQ(messagesOf(both),
                  QStringList{"No configuration file was written: more than one Kordavel is "
                              "plugged in, so unplug those that are not to be configured."});
        EXPECT_TRUE(nothingWrittenOn(dev) && nothingWrittenOn(other));
        EXPECT_EQ(reader->state(), FlowState::SettingsShown) << "the edits stay on the screen";
        EXPECT_FALSE(has(reader->tick(), FlowAction::EnableConfigure)) << "still two";
        unplug(other.root());
        EXPECT_TRUE(has(reader->tick(), FlowAction::EnableConfigure));
        EXPECT_EQ(reader->state(), FlowState::SettingsShown);
    }
    {
        SCOPED_TRACE("the device read swapped for another between two ticks");
        readAlone();
        drives.entries = {{other.root(), KindRemovable, "KORD"}};
        const CycleReport swapped = reader->configure(twentyEightDays());
        EXPECT_EQ(messagesOf(swapped), QStringList{notThatOne});
        EXPECT_TRUE(nothingWrittenOn(other));
        EXPECT_EQ(reader->state(), FlowState::WaitingForDevice);
        EXPECT_TRUE(lastOf<show::Settings>(reader->tick())) << "the other one is read";
        reader->configure(twentyEightDays());
        EXPECT_FALSE(nothingWrittenOn(other)) << "and is then the one configured";
        QFile::remove(other.path("UPDATES/DI999000.HEX"));
    }
    for (const bool unreadable : {false, true}) {
        SCOPED_TRACE(unreadable ? "its version file gone" : "its version file changed");
        readAlone();
        const QByteArray before = readAll(dev.path("UPDATES/kordvers.ion"));
        if (unreadable) {
            QFile::remove(dev.path("UPDATES/kordvers.ion"));
        } else {
            QByteArray changed = before;
            changed[31] = '\xB7';
            dev.setVersionFile(changed);
        }
        EXPECT_EQ(messagesOf(reader->configure(twentyEightDays())), QStringList{notThatOne});
        EXPECT_TRUE(nothingWrittenOn(dev));
        EXPECT_EQ(reader->state(), FlowState::WaitingForDevice);
        dev.setVersionFile(before);
    }
    {
        SCOPED_TRACE("the same device unplugged and plugged back under another root");
        readAlone();
        QTemporaryDir elsewhere;
        const QString moved = elsewhere.path() + "/";
        ASSERT_TRUE(QDir().rename(dev.root() + "KORDAVEL", moved + "KORDAVEL"));
        ASSERT_TRUE(QDir().rename(dev.root() + "UPDATES", moved + "UPDATES"));
        drives.entries = {{moved, KindRemovable, "KORD"}};
        const CycleReport configured = reader->configure(twentyEightDays());
        EXPECT_EQ(messagesOf(configured), QStringList());
        EXPECT_TRUE(QFile::exists(moved + "UPDATES/DI999000.HEX"));
        EXPECT_EQ(reader->state(), FlowState::WaitingForUnplug);
    }
}

TEST_F(Cycle, AMediaProblemIsShownUntilTheFlowMovesOn)
{
    drives.unmounted = {QStringLiteral("sdc1")};
    cycle.tick();
    const CycleReport failed = cycle.noteMediaProblem(QStringLiteral("You may not."));
    ASSERT_EQ(failed.steps.size(), 1u);
    EXPECT_EQ(lastOf<show::MediaNotice>(failed)->problem, "You may not.");
    EXPECT_EQ(lastOf<show::MediaNotice>(failed)->unmounted, QStringList{"sdc1"})
        << "what the last tick found";
    EXPECT_EQ(lastOf<show::MediaNotice>(cycle.tick())->problem, "You may not.")
        << "the flow is where it failed";

    // The tick that reads the device starts at the stage of the failure; the
    // next one starts at another.
    drives.unmounted.clear();
    plug(dev.root());
    EXPECT_EQ(lastOf<show::MediaNotice>(cycle.tick())->problem, "You may not.");
    EXPECT_EQ(lastOf<show::MediaNotice>(cycle.tick())->problem, "");

    // A failure while the settings are shown; Configure moves the flow on
    // before the next tick.
    cycle.noteMediaProblem(QStringLiteral("Busy."));
    cycle.configure(twentyEightDays());
    ASSERT_EQ(cycle.state(), FlowState::WaitingForUnplug);
    EXPECT_EQ(lastOf<show::MediaNotice>(cycle.tick())->problem, "");
    cycle.noteMediaProblem(QStringLiteral("Busy."));
    EXPECT_EQ(lastOf<show::MediaNotice>(cycle.noteMediaProblem({}))->problem, "")
        << "a later success takes it back";
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
    cycle.configure(twentyEightDays());
    ASSERT_EQ(cycle.state(), FlowState::WaitingForUnplug);
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

// A rejected file that the medium reports deleted but keeps listing is
// waited for up to 5 s; a stop request ends that wait at once.
TEST(CycleStop, AStopEndsTheWaitForARejectedFile)
{
    // The rejected file stays however often it is deleted; while the cycle
    // waits for it to go, the third look comes with a stop.
    struct KeepingMedium : SystemFilesPassThrough
    {
        FileResult remove(const QString &) override
        {
            removed = true;
            return {};
        }
        QString resolve(const QString &root, const QString &rel) override
        {
            if (removed && rel.endsWith(QLatin1String("kordvers.ion"), Qt::CaseInsensitive) &&
                ++looks == 3)
                cycle->requestStop();
            return SystemFilesPassThrough::resolve(root, rel);
        }
        DeviceCycle *cycle = nullptr;
        bool removed = false;
        int looks = 0;
    } files;
    FakeDrives drives;
    DeviceCycle cycle(drives, files);
    files.cycle = &cycle;
    DeviceDir dev(versionFile("TQ000054HEX", 20));
    drives.entries = {{dev.root(), KindRemovable, "KORD"}};
    const CycleReport report = cycle.tick();
    EXPECT_EQ(files.looks, 3) << "a 5 s wait, ended by the stop";
    ASSERT_EQ(messagesOf(report).size(), 1);
    EXPECT_TRUE(messagesOf(report)[0].startsWith("Configuration file error."));
}

// The inline executor (the demo's and most tests') runs each request at once
// and hands its report on before the request returns, in the order asked.
TEST(InlineExecutorRuns, EveryRequestAtOnceInOrder)
{
    FakeDrives drives;
    SystemFilesPassThrough files;
    DeviceDir dev(exampleLayoutC());
    InlineExecutor executor(drives, files);
    std::vector<CycleReport> reports;
    QObject::connect(&executor, &CycleExecutor::reported,
                     [&](const CycleReport &r) { reports.push_back(r); });
    drives.entries = {{dev.root(), KindRemovable, "KORD"}};
    executor.requestTick();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(lastOf<show::Settings>(reports[0]));
    executor.requestConfigure(twentyEightDays());
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(executor.cycle().state(), FlowState::WaitingForUnplug);
    executor.requestRestart();
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(actionsOf(reports[2]), std::vector<FlowAction>{FlowAction::MessageNone});
    EXPECT_EQ(executor.cycle().state(), FlowState::WaitingForDevice);
}

} // namespace

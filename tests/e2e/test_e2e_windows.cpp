// The whole job on Windows: the real kernel32 drive queries (no drive table),
// the real file backend and the real 500 ms timer, with the simulated device
// mapped as removable drive E: by wine's mount manager (wine-drive.exe) while
// the program runs. A fixed drive D: holding KORDAVEL\CARD\ must be ignored.
#include "devicesim.h"
#include "e2e_scenario.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::test;

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Maps (folder given) or unmaps a drive letter in the running wine prefix.
// Starting a process under wine now and then fails on a loaded machine; a
// second start is what a user would do too.
void mapDrive(char letter, const QString &folder = {}, const char *kind = "removable")
{
    QStringList args{QString(QLatin1Char(letter))};
    if (!folder.isEmpty())
        args << native(folder) << QLatin1String(kind);
    QString problem;
    for (int attempt = 0; attempt < 3; ++attempt) {
        QProcess p;
        p.start(QCoreApplication::applicationDirPath() + "/../wine-drive.exe", args);
        if (p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit) {
            ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
            return;
        }
        problem = p.errorString();
        QThread::msleep(500);
    }
    FAIL() << "wine-drive " << args.join(' ').toStdString() << ": " << problem.toStdString();
}

class WindowsEndToEnd : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static bool swept = false;
        for (char l = 'a'; l <= 'y' && !swept; ++l)
            if (l != 'c')
                mapDrive(l); // leftovers of an interrupted run
        swept = true;
        // A fixed disk that holds the device folder: never a device.
        QDir(fixedDisk.path()).mkpath("KORDAVEL/CARD");
        writeFile(fixedDisk.filePath("UPDATES/kordvers.ion"), sim::makeVersionFile({}));
        mapDrive('d', fixedDisk.path(), "fixed");
    }
    void TearDown() override
    {
        window.reset();
        for (char l : extraLetters)
            mapDrive(l);
        for (char l : {'d', 'e'})
            mapDrive(l);
    }

    void makeDevice(const sim::VersionFileFields &s)
    {
        QString error;
        ASSERT_TRUE(sim::createDevice(device, sim::makeVersionFile(s), &error))
            << error.toStdString();
        writeFile(device + "/.windows-label", "KORDAVEL\n");
    }

    // The window on the system's drives and files, its own timer running.
    void start()
    {
        window = makeMainWindow(*drives, systemFiles(), clock, messages, programDir.path(), nullptr,
                                [this](Platform &p) { p.ticker = &ticker; });
    }

    // Plugs the device in as drive E:, after it has taken up a configuration
    // file left by the last unplug, as the device does.
    void plug()
    {
        if (const auto taken = sim::takeUp(device))
            std::printf("  device: %s\n", qPrintable(*taken));
        mapDrive('e', device);
        std::printf("* E: plugged in\n");
    }
    void unplug()
    {
        mapDrive('e');
        std::printf("* E: unplugged\n");
    }

    bool waitForMessage(const char *text)
    {
        const bool ok = waitUntil(
            [&] { return controlsOf(*window).statusLabel->text() == QLatin1String(text); });
        std::printf("[%s] state %d, message \"%s\", instruction \"%s\"\n", text,
                    int(window.cycle().state()),
                    qPrintable(controlsOf(*window).statusLabel->text()),
                    qPrintable(controlsOf(*window).instructionLabel->text()));
        return ok;
    }
    QStringList log() const
    {
        QStringList rows;
        for (int i = 0; i < controlsOf(*window).driveLog->count(); ++i)
            rows.append(controlsOf(*window).driveLog->item(i)->text());
        return rows;
    }

    QTemporaryDir base;
    QTemporaryDir fixedDisk;
    const QString device = base.path() + "/device";
    FixedClock clock{kScenarioToday};
    RecordingMessageBox messages;
    QTemporaryDir programDir;
    std::unique_ptr<Drives> drives = makeOsDrives();
    TimerTicker ticker{kPollIntervalMs}; // the program's own beat
    TestWindow window;
    QList<char> extraLetters; // mapped by a test, unmapped after it
};

} // namespace

TEST_F(WindowsEndToEnd, TqDeviceWholeCycleOnDriveE)
{
    makeDevice({});
    start();
    ASSERT_TRUE(waitForMessage("Ready for next")) << "the fixed D: is no device";
    plug();
    ASSERT_TRUE(waitForMessage("Configuration read"));
    EXPECT_EQ(controlsOf(*window).softwareVersionLabel->text(), "SW Version - TQ 54");
    EXPECT_EQ(controlsOf(*window).daysBackEdit->text(), " 92");
    EXPECT_EQ(log().value(0), "E:\\\tKORDAVEL\tRemovable drive") << log().join('|').toStdString();
    ASSERT_TRUE(waitUntil([&] { return window.cycle().state() == FlowState::SettingsShown; }));

    applyScenarioSettings(*window);
    controlsOf(*window).configureButton->click();
    EXPECT_EQ(window.cycle().state(), FlowState::WaitingForUnplug);
    EXPECT_EQ(controlsOf(*window).instructionLabel->text(), "Disconnect USB");
    EXPECT_TRUE(log().contains("Configuration file created")) << log().join('|').toStdString();
    const QByteArray written = readAll(device + "/UPDATES/DI999000.HEX");
    EXPECT_EQ(written, readAll(kScenarioExpectedHex)) << "the same bytes as on Linux";

    unplug();
    ASSERT_TRUE(
        waitUntil([&] { return controlsOf(*window).instructionLabel->text() == "Connect USB"; }));
    EXPECT_EQ(window.cycle().state(), FlowState::WaitingForReplug);
    plug();
    ASSERT_TRUE(waitForMessage("Success!"));
    EXPECT_FALSE(QFile::exists(device + "/UPDATES/DI999000.HEX"))
        << "the configuration file left on the device is deleted";
    unplug();
    ASSERT_TRUE(waitForMessage("Ready for next"));

    plug();
    ASSERT_TRUE(waitForMessage("Configuration read"));
    EXPECT_EQ(controlsOf(*window).daysBackEdit->text(), " 28") << "the new settings read back";
    EXPECT_TRUE(controlsOf(*window).detailedSpeedBox->isChecked());
    EXPECT_TRUE(controlsOf(*window).speed168hBox->isChecked());
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('|').toStdString();
}

// The flow never enables Configure for a CR device; its command is run directly.
TEST_F(WindowsEndToEnd, CrDeviceIsReadOnEveryTickAndTakesItsFile)
{
    sim::VersionFileFields s;
    s.family = "CR";
    s.version = 7;
    makeDevice(s);
    start();
    plug();
    ASSERT_TRUE(waitForMessage("Configuration read"));
    EXPECT_EQ(controlsOf(*window).softwareVersionLabel->text(), "SW Version - CR 7");
    // Read again on the next ticks: the log is rebuilt with the read's lines.
    controlsOf(*window).driveLog->clear();
    ASSERT_TRUE(waitUntil([&] { return log().contains("DoziziveDE Software Version: 7"); }));
    EXPECT_FALSE(controlsOf(*window).configureButton->isEnabled());

    // The flow never offers Configure for a CR unit; the command itself works.
    runConfigureCommand(*window);
    EXPECT_EQ(window.cycle().state(), FlowState::WaitingForUnplug);
    const QByteArray hex = readAll(device + "/UPDATES/ZA999000.HEX");
    EXPECT_TRUE(hex.startsWith(":103A0002BF")) << hex.toStdString(); // type 02 records
    EXPECT_TRUE(hex.contains("43523030303030374845")) << "CR000007HEX in the header record";
    unplug();
    ASSERT_TRUE(
        waitUntil([&] { return controlsOf(*window).instructionLabel->text() == "Connect USB"; }));
    plug();
    ASSERT_TRUE(waitForMessage("Success!"));
    EXPECT_TRUE(QFile::exists(device + "/UPDATES/ZA999000.HEX"))
        << "only DI999000.HEX is removed after the replug";
}

TEST_F(WindowsEndToEnd, ReadOnlyVersionFileIsRejectedAndDeleted)
{
    makeDevice({});
    const QString version = device + "/UPDATES/kordvers.ion";
    writeFile(version, QByteArray(20, 'x')); // too short: rejected
    ASSERT_TRUE(QFile(version).setPermissions(QFileDevice::ReadOwner));
    start();
    plug();
    ASSERT_TRUE(waitUntil([&] { return !messages.texts.isEmpty(); }));
    EXPECT_EQ(messages.texts[0], "Configuration file error.\r\nDisconnect and reconnect "
                                 "Kordavel.\r\nWait a moment then click 'Current Settings'.");
    EXPECT_EQ(messages.titles[0], "Kordavel - Set 'Latest VU' settings");
    EXPECT_FALSE(QFile::exists(version)) << "deleted after its read-only attribute was cleared";
    EXPECT_FALSE(controlsOf(*window).configureButton->isEnabled());
}

TEST_F(WindowsEndToEnd, DeviceRemovedBetweenTheReadAndConfigure)
{
    makeDevice({});
    start();
    plug();
    ASSERT_TRUE(waitUntil([&] { return window.cycle().state() == FlowState::SettingsShown; }));
    unplug();
    // Pressed before the next tick has noticed: the command finds no device.
    controlsOf(*window).configureButton->click();
    EXPECT_EQ(window.cycle().state(), FlowState::SettingsShown);
    EXPECT_EQ(controlsOf(*window).statusLabel->text(), "");
    EXPECT_FALSE(controlsOf(*window).configureButton->isEnabled());
    EXPECT_FALSE(log().contains("Kordavel found"));
    EXPECT_FALSE(QFile::exists(device + "/UPDATES/DI999000.HEX"));
    EXPECT_TRUE(messages.texts.isEmpty());
    ASSERT_TRUE(waitForMessage("Ready for next"));
}

TEST_F(WindowsEndToEnd, UpdatesEntryThatIsAFile)
{
    makeDevice({});
    start();
    plug();
    ASSERT_TRUE(waitUntil([&] { return window.cycle().state() == FlowState::SettingsShown; }));
    ASSERT_TRUE(QDir(device + "/UPDATES").removeRecursively());
    writeFile(device + "/UPDATES", "not a folder");
    controlsOf(*window).configureButton->click();
    ASSERT_EQ(messages.texts.size(), 1);
    // Without UPDATES the version file read at the press cannot be the one
    // the screen was built from: nothing is written, the device is read again.
    EXPECT_EQ(messages.texts[0],
              "No configuration file was written: the Kordavel plugged in is not the one whose "
              "settings are shown, or its settings have changed, so it is read again.");
    EXPECT_NE(window.cycle().state(), FlowState::WaitingForUnplug) << "no unplug prompt";
    EXPECT_EQ(readAll(device + "/UPDATES"), "not a folder");
}

// Every drive letter in use at once: the 105-character buffer holds exactly 26
// roots, so the list is never cut. Windows gives roots in upper case, so a
// removable A: or B: is a "Removable drive", never a "Floppy drive".
TEST_F(WindowsEndToEnd, EveryDriveLetterMappedAtOnce)
{
    makeDevice({});
    QTemporaryDir others;
    for (char l = 'a'; l <= 'y'; ++l) {
        if (l == 'c' || l == 'd' || l == 'e')
            continue;
        const QString folder = others.filePath(QString(QLatin1Char(l)));
        QDir().mkpath(folder);
        if (l != 'b') // B: has no label file: an unlabelled volume
            writeFile(folder + "/.windows-label", QByteArray("DISK_") + char(l - 32) + "\n");
        mapDrive(l, folder);
        extraLetters.append(l);
    }
    mapDrive('e', device);
    start();
    ASSERT_TRUE(waitForMessage("Configuration read"));
    const std::optional<QStringList> roots = drives->roots();
    ASSERT_TRUE(roots.has_value());
    EXPECT_EQ(roots->size(), 26) << roots->join(' ').toStdString();
    const QStringList rows = log();
    // Read at all only when exactly one device is found: E:, never the fixed D:.
    EXPECT_TRUE(rows.contains("Kordavel Software Version: 54"));
    std::printf("The drive log with every letter in use:\n");
    for (const QString &r : rows)
        std::printf("  %s\n", qPrintable(QString(r).replace('\t', " <TAB> ")));
    EXPECT_TRUE(rows.contains("A:\\\tDISK_A\tRemovable drive"));
    EXPECT_TRUE(rows.contains("B:\\\t\tRemovable drive"));
    EXPECT_TRUE(rows.contains("E:\\\tKORDAVEL\tRemovable drive"));
    EXPECT_FALSE(rows.join('\n').contains("Floppy drive"));
    EXPECT_FALSE(rows.join('\n').contains("D:\\"));
}

// Built-in card readers show their empty slots as removable drives with no
// medium. They are listed like any removable drive, are never the device, and
// the cycle goes on beside them. (Wine answers the label query of a drive
// whose folder is missing with an empty label; a failing label query is
// covered by the drive-scan tests.)
TEST_F(WindowsEndToEnd, EmptyCardReaderSlotsBesideTheDevice)
{
    makeDevice({});
    mapDrive('f', base.path() + "/no-medium"); // the folder does not exist
    writeFile(base.path() + "/not-a-volume", "x");
    mapDrive('g', base.path() + "/not-a-volume"); // a file, no volume
    extraLetters = {'f', 'g'};
    const auto listedAsRemovable = [&](const char *root) {
        for (const QString &row : log())
            if (row.startsWith(QLatin1String(root) + '\t') && row.endsWith("\tRemovable drive"))
                return true;
        return false;
    };
    start();
    ASSERT_TRUE(waitForMessage("Ready for next"));
    EXPECT_TRUE(listedAsRemovable("F:\\")) << log().join('|').toStdString();
    EXPECT_TRUE(listedAsRemovable("G:\\")) << log().join('|').toStdString();
    EXPECT_FALSE(log().join('\n').contains("Software Version")) << "no device read";

    plug();
    ASSERT_TRUE(waitForMessage("Configuration read"));
    EXPECT_TRUE(log().contains("Kordavel Software Version: 54")) << "the one device read";
    ASSERT_TRUE(waitUntil([&] { return window.cycle().state() == FlowState::SettingsShown; }));
    controlsOf(*window).configureButton->click();
    ASSERT_EQ(window.cycle().state(), FlowState::WaitingForUnplug);
    unplug();
    ASSERT_TRUE(
        waitUntil([&] { return controlsOf(*window).instructionLabel->text() == "Connect USB"; }));
    plug();
    ASSERT_TRUE(waitForMessage("Success!"));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('|').toStdString();
    EXPECT_TRUE(listedAsRemovable("F:\\")) << log().join('|').toStdString();
    EXPECT_TRUE(listedAsRemovable("G:\\")) << log().join('|').toStdString();
}

// A device on a real read-only or full volume, which media_volumes.sh mounts
// (tmpfs) and names; wine hands the kernel's refusal on as the Windows error.
TEST_F(WindowsEndToEnd, DeviceOnAVolumeThatRefusesTheWrite)
{
    const QString folder = qEnvironmentVariable("KORDAVEL_TEST_VOLUME");
    const QString expected = qEnvironmentVariable("KORDAVEL_TEST_VOLUME_MESSAGE");
    ASSERT_FALSE(folder.isEmpty() || expected.isEmpty()) << "run through media_volumes.sh";
    const QByteArray version = readAll(folder + "/UPDATES/kordvers.ion");
    ASSERT_FALSE(version.isEmpty());
    mapDrive('e', folder);
    start();
    ASSERT_TRUE(waitForMessage("Configuration read"));
    ASSERT_TRUE(waitUntil([&] { return window.cycle().state() == FlowState::SettingsShown; }));
    controlsOf(*window).configureButton->click();
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts[0], expected + "\r\nNo configuration file was written.");
    EXPECT_EQ(window.cycle().state(), FlowState::SettingsShown) << "no unplug prompt";
    EXPECT_EQ(outerHeightTwips(*window), 7800);
    EXPECT_TRUE(controlsOf(*window).configureButton->isEnabled());
    EXPECT_EQ(readAll(folder + "/UPDATES/kordvers.ion"), version);
    EXPECT_EQ(QDir(folder + "/UPDATES").entryList(QDir::Files, QDir::Name),
              (QStringList{"kordvers.ion", "old.hex"}));
}

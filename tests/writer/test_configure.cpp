// The Configure command against drives on disk.
#include "platform/files.h"
#include "platform/pause.h"
#include "support/testsupport.h"
#include "writer/configwrite.h"
#include "writer/hexfile.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::test;

namespace {

class Configure : public ::testing::Test
{
protected:
    MainWindow &mainWindow() { return *h.window; }
    QStringList log()
    {
        QStringList rows;
        for (int i = 0; i < controlsOf(mainWindow()).driveLog->count(); ++i)
            rows.append(controlsOf(mainWindow()).driveLog->item(i)->text());
        return rows;
    }
    // Plugs the device and lets the flow read it, as the user would.
    void plugAndRead(DeviceDir &d)
    {
        h.plug(d.root(), "KORD");
        h.tick();
        ASSERT_EQ(h.window.cycle().state(), FlowState::SettingsShown);
    }
    QStringList updates(DeviceDir &d)
    {
        return QDir(d.path("UPDATES")).entryList(QDir::Files, QDir::Name);
    }

    Harness h;
    DeviceDir dev{exampleLayoutC()};
};

} // namespace

TEST_F(Configure, WritesTheFileAndAsksForTheUnplug)
{
    writeFile(dev.path("UPDATES/old.hex"), "old");
    writeFile(dev.path("UPDATES/ZA999000.HEX"), "old");
    writeFile(dev.path("UPDATES/notes.txt"), "keep");
    plugAndRead(dev);
    pressConfigure(mainWindow());
    EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForUnplug);
    EXPECT_EQ(controlsOf(mainWindow()).instructionLabel->text(), "Disconnect USB");
    EXPECT_EQ(controlsOf(mainWindow()).statusLabel->text(), "");
    EXPECT_EQ(outerHeightTwips(mainWindow()), 11500);
    EXPECT_FALSE(controlsOf(mainWindow()).configureButton->isEnabled());
    EXPECT_EQ(log(), (QStringList{dev.root() + "\tKORD\tRemovable drive", "Kordavel found",
                                  "Configuration file created"}));
    EXPECT_EQ(updates(dev), (QStringList{"DI999000.HEX", "kordvers.ion", "notes.txt"}));
    const QByteArray text = readAll(dev.path("UPDATES/DI999000.HEX"));
    EXPECT_TRUE(text.startsWith(":103A0000B5")) << "the device's own settings written back";
    EXPECT_TRUE(text.endsWith(":00000001FF\r\n"));
    EXPECT_TRUE(h.messages.texts.isEmpty());

    // The rest of the sequence.
    h.unplug(dev.root());
    h.tick();
    h.plug(dev.root(), "KORD");
    h.tick();
    EXPECT_EQ(controlsOf(mainWindow()).statusLabel->text(), "Success!");
    EXPECT_FALSE(QFile::exists(dev.path("UPDATES/DI999000.HEX")));
}

TEST_F(Configure, ASecondDeviceHoldsConfigureAndLaterDrivesAreNotListed)
{
    QTemporaryDir stick, later;
    DeviceDir second(exampleLayoutC());
    h.plug("/", "sys", KindFixed);
    h.plug(stick.path() + "/", "STICK");
    h.plug(dev.root(), "KORD");
    h.plug(later.path() + "/", "LATER");
    h.tick();
    ASSERT_EQ(h.window.cycle().state(), FlowState::SettingsShown);
    // Plugged in after the read, no tick before the press: nothing is written anywhere.
    h.plug(second.root(), "KORD2");
    pressConfigure(mainWindow());
    EXPECT_EQ(h.messages.texts,
              QStringList{"No configuration file was written: more than one Kordavel is plugged "
                          "in, so unplug those that are not to be configured."});
    EXPECT_EQ(log().size(), 4) << "every removable drive, the two devices among them";
    EXPECT_FALSE(QFile::exists(dev.path("UPDATES/DI999000.HEX")));
    EXPECT_FALSE(QFile::exists(second.path("UPDATES/DI999000.HEX")));
    EXPECT_FALSE(controlsOf(mainWindow()).configureButton->isEnabled()) << "while both are in";
    EXPECT_EQ(h.window.cycle().state(), FlowState::SettingsShown);

    h.drives.entries.removeLast();
    h.tick();
    ASSERT_TRUE(controlsOf(mainWindow()).configureButton->isEnabled());
    pressConfigure(mainWindow());
    EXPECT_EQ(log(), (QStringList{stick.path() + "/\tSTICK\tRemovable drive",
                                  dev.root() + "\tKORD\tRemovable drive", "Kordavel found",
                                  "Configuration file created"}));
    EXPECT_TRUE(QFile::exists(dev.path("UPDATES/DI999000.HEX")));
}

TEST_F(Configure, FixedDriveWithTheFolderIsIgnored)
{
    // Read from a removable drive; by the press the same folder is on a fixed one.
    plugAndRead(dev);
    h.drives.entries = {{dev.root(), KindFixed, "KORD"}};
    controlsOf(mainWindow()).driveLog->clear();
    const FlowState before = h.window.cycle().state();
    pressConfigure(mainWindow());
    EXPECT_TRUE(log().isEmpty());
    EXPECT_FALSE(controlsOf(mainWindow()).configureButton->isEnabled());
    EXPECT_EQ(controlsOf(mainWindow()).statusLabel->text(), "");
    EXPECT_EQ(h.window.cycle().state(), before) << "no device: the flow stays where it was";
    EXPECT_FALSE(QFile::exists(dev.path("UPDATES/DI999000.HEX")));
}

TEST_F(Configure, AnUnknownTypeIsNotSuitableAndKeepsItsFiles)
{
    // Its version file is read, but no configuration file fits it: Configure
    // stays disabled, and the cycle would refuse it too (its own test).
    dev.setVersionFile(versionFile("XY000054HEX", 80));
    writeFile(dev.path("UPDATES/keep.hex"), "old");
    h.plug(dev.root(), "KORD");
    h.tick();
    EXPECT_EQ(controlsOf(mainWindow()).statusLabel->text(), "Not Suitable");
    EXPECT_FALSE(controlsOf(mainWindow()).configureButton->isEnabled());
    EXPECT_TRUE(QFile::exists(dev.path("UPDATES/keep.hex")));
    EXPECT_EQ(updates(dev), QStringList({"keep.hex", "kordvers.ion"}));
}

TEST_F(Configure, WriteFailureKeepsExistingFilesAndSaysWhy)
{
    plugAndRead(dev);
    // A folder stands where the new file is written first.
    writeFile(dev.path("UPDATES/DI999000.HEX"), "the old file");
    writeFile(dev.path("UPDATES/KORDCFG.TMP/inside"), "kept");
    pressConfigure(mainWindow());
    ASSERT_EQ(h.messages.texts.size(), 1);
    EXPECT_TRUE(h.messages.texts[0].contains("No configuration file was written."))
        << h.messages.texts[0].toStdString();
    EXPECT_EQ(h.window.cycle().state(), FlowState::SettingsShown);
    EXPECT_TRUE(controlsOf(mainWindow()).configureButton->isEnabled());
    EXPECT_EQ(readAll(dev.path("UPDATES/DI999000.HEX")), "the old file");
    EXPECT_EQ(readAll(dev.path("UPDATES/KORDCFG.TMP/inside")), "kept");
}

TEST_F(Configure, DayCountOutOfRangeKeepsTheOldFile)
{
    plugAndRead(dev);
    writeFile(dev.path("UPDATES/DI999000.HEX"), "previous");
    controlsOf(mainWindow()).useDatesBox->setChecked(false);
    controlsOf(mainWindow()).daysBackEdit->setText("24856");
    pressConfigure(mainWindow());
    ASSERT_EQ(h.messages.texts.size(), 1);
    EXPECT_TRUE(
        h.messages.texts[0].startsWith("The number of days must be between -24855 and 24855."));
    EXPECT_EQ(readAll(dev.path("UPDATES/DI999000.HEX")), "previous");
    EXPECT_EQ(controlsOf(mainWindow()).daysBackEdit->text(), "24856")
        << "the user's settings stay on screen";
}

TEST_F(Configure, SecondRunReplacesTheFirst)
{
    plugAndRead(dev);
    pressConfigure(mainWindow());
    const QByteArray first = readAll(dev.path("UPDATES/DI999000.HEX"));
    controlsOf(mainWindow()).activitiesBox->setChecked(false);
    controlsOf(mainWindow()).useDatesBox->setChecked(false);
    controlsOf(mainWindow()).activitiesBox->setChecked(false);
    runConfigureCommand(mainWindow()); // over the first file, still on the device
    const QByteArray second = readAll(dev.path("UPDATES/DI999000.HEX"));
    EXPECT_NE(first, second);
    EXPECT_EQ(updates(dev), (QStringList{"DI999000.HEX", "kordvers.ion"}));
}

TEST(Install, NeverFollowsLinksAndLeavesNoTemporaryFile)
{
    DeviceDir dev;
    Pause pause;
    QTemporaryDir elsewhere;
    writeFile(elsewhere.filePath("victim.hex"), "safe");
    ASSERT_TRUE(QFile::link(elsewhere.filePath("victim.hex"), dev.path("UPDATES/link.hex")));
    ASSERT_TRUE(QFile::link(elsewhere.filePath("victim.hex"), dev.path("UPDATES/DI999000.HEX")));
    const InstallResult r = installConfigurationFile(systemFiles(), dev.root(), "DI999000.HEX",
                                                     ":00000001FF\r\n", pause);
    ASSERT_TRUE(r.written()) << qPrintable(r.problem);
    EXPECT_EQ(readAll(elsewhere.filePath("victim.hex")), "safe");
    EXPECT_FALSE(QFileInfo(dev.path("UPDATES/DI999000.HEX")).isSymLink());
    EXPECT_EQ(readAll(dev.path("UPDATES/DI999000.HEX")), ":00000001FF\r\n");
    EXPECT_FALSE(QFile::exists(dev.path("UPDATES/link.hex")));
    EXPECT_FALSE(QFile::exists(dev.path("UPDATES/KORDCFG.TMP")));
}

namespace {
// Files that look at the folder after every deletion and rename, and can
// refuse to delete one name.
class WatchedUpdates : public SystemFilesPassThrough
{
public:
    explicit WatchedUpdates(QString updates) : m_updates(std::move(updates)) {}
    FileResult remove(const QString &p) override
    {
        if (p.endsWith(refuse, Qt::CaseSensitive) && !refuse.isEmpty()) {
            if (goesAnyway)
                SystemFilesPassThrough::remove(p);
            return {FileProblem::Other, QStringLiteral("refused")};
        }
        return look(SystemFilesPassThrough::remove(p));
    }
    FileResult rename(const QString &from, const QString &to) override
    {
        return look(SystemFilesPassThrough::rename(from, to));
    }
    QString refuse;
    bool goesAnyway = false;
    QList<int> configurationFiles; // after each step: entries named DI999000.HEX in any case

private:
    FileResult look(FileResult r)
    {
        int n = 0;
        for (const QString &name : QDir(m_updates).entryList(QDir::Files | QDir::System))
            n += name.compare(QLatin1String("DI999000.HEX"), Qt::CaseInsensitive) == 0;
        configurationFiles.append(n);
        return r;
    }
    const QString m_updates;
};
} // namespace

// The device reads its file whatever the letter case, the medium may tell
// them apart: the folder holds exactly one configuration file at every step.
TEST(Install, TheFinalNameInAnyCaseIsReplacedInOneStep)
{
    DeviceDir dev;
    Pause pause;
    writeFile(dev.path("UPDATES/di999000.hex"), "written by another tool");
    writeFile(dev.path("UPDATES/OTHER.HEX"), "old");
    WatchedUpdates files(dev.path("UPDATES"));
    const InstallResult r =
        installConfigurationFile(files, dev.root(), "DI999000.HEX", "text\r\n", pause);
    ASSERT_TRUE(r.written()) << qPrintable(r.problem);
    // Its own spelling where the medium can change a name's letter case alone
    // (wine cannot); the device takes either up.
    const QStringList left = QDir(dev.path("UPDATES")).entryList(QDir::Files);
    ASSERT_EQ(left.size(), 1) << left.join('|').toStdString();
    EXPECT_EQ(left[0].compare("DI999000.HEX", Qt::CaseInsensitive), 0);
    EXPECT_EQ(readAll(dev.path("UPDATES/" + left[0])), "text\r\n");
    EXPECT_FALSE(files.configurationFiles.isEmpty());
    EXPECT_EQ(files.configurationFiles.count(1), files.configurationFiles.size())
        << "never none, never two";
}

TEST(Install, AnEntryThatStaysStopsItOneThatWentDoesNot)
{
    for (const bool goes : {false, true}) {
        SCOPED_TRACE(goes ? "it went all the same" : "it stays");
        DeviceDir dev;
        Pause pause;
        writeFile(dev.path("UPDATES/OLD.HEX"), "old");
        WatchedUpdates files(dev.path("UPDATES"));
        files.refuse = QStringLiteral("OLD.HEX");
        files.goesAnyway = goes;
        const InstallResult r =
            installConfigurationFile(files, dev.root(), "DI999000.HEX", "text\r\n", pause);
        EXPECT_EQ(r.written(), goes) << qPrintable(r.problem);
        EXPECT_EQ(QFile::exists(dev.path("UPDATES/DI999000.HEX")), goes);
        if (!goes) {
            EXPECT_TRUE(r.problem.contains("OLD.HEX could not be deleted"))
                << qPrintable(r.problem);
        }
        EXPECT_FALSE(QFile::exists(dev.path("UPDATES/KORDCFG.TMP")));
    }
}

TEST(Install, ALeftoverTemporaryFileIsReplaced)
{
    DeviceDir dev;
    Pause pause;
    writeFile(dev.path("UPDATES/KORDCFG.TMP"), "half a file");
    const InstallResult r =
        installConfigurationFile(systemFiles(), dev.root(), "DI999000.HEX", "text\r\n", pause);
    EXPECT_TRUE(r.written());
    EXPECT_EQ(readAll(dev.path("UPDATES/DI999000.HEX")), "text\r\n");
}

TEST_F(Configure, GrayedBoxesCountAsUncheckedAndDisabledOnesAreRead)
{
    plugAndRead(dev);
    controlsOf(mainWindow()).useDatesBox->setChecked(false);
    for (DownloadBox b : kAllDownloadBoxes)
        if (b != DownloadBox::Overview && b != DownloadBox::UseDates)
            controlsOf(mainWindow()).box(b)->setChecked(false);
    controlsOf(mainWindow()).activitiesBox->setTristate(true);
    controlsOf(mainWindow()).activitiesBox->setCheckState(Qt::PartiallyChecked);
    controlsOf(mainWindow()).eventsFaultsBox->setChecked(true);
    controlsOf(mainWindow()).eventsFaultsBox->setEnabled(false);
    controlsOf(mainWindow()).detailedSpeedBox->setChecked(true);
    controlsOf(mainWindow()).detailedSpeedBox->hide();
    pressConfigure(mainWindow());
    const QList<QByteArray> lines = readAll(dev.path("UPDATES/DI999000.HEX")).split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[1].trimmed(), hexRecord(0x3A10, 0, QByteArray::fromHex("010304FF")));
}

namespace {

// The system's file operations, except that the medium can give back other
// bytes than were written, or refuse to flush the UPDATES folder.
class UnreliableMedium : public SystemFilesPassThrough
{
public:
    bool corruptReadBack = false;
    bool failFolderFlush = false;

    ReadResult readFromMedium(const QString &p, qint64 max) override
    {
        ReadResult r = systemFiles().readFromMedium(p, max);
        if (corruptReadBack && !r.data.isEmpty())
            r.data[r.data.size() / 2] = char(r.data[r.data.size() / 2] ^ 0x01); // one bit flipped
        return r;
    }
    FileResult syncDir(const QString &d) override
    {
        return failFolderFlush ? FileResult{FileProblem::Other, "flush folder: I/O error"}
                               : systemFiles().syncDir(d);
    }
};

struct UnreliableHarness : HarnessOn<UnreliableMedium>
{
    UnreliableHarness()
    {
        plug(dev.root());
        tick();
    }
    DeviceDir dev{exampleLayoutC()};

    // What the user is told after Configure when nothing may be unplugged yet.
    void expectNoUnplugPrompt(const char *problem)
    {
        ASSERT_EQ(messages.texts.size(), 1);
        EXPECT_TRUE(messages.texts[0].contains(QLatin1String(problem)))
            << messages.texts[0].toStdString();
        EXPECT_EQ(messages.titles[0], "Kordavel - Set 'Latest VU' settings");
        EXPECT_NE(window.cycle().state(), FlowState::WaitingForUnplug);
        EXPECT_EQ(outerHeightTwips(*window), 7800) << "the tall unplug window is never shown";
        EXPECT_TRUE(controlsOf(*window).configureButton->isEnabled()) << "the user can try again";
        for (int i = 0; i < controlsOf(*window).driveLog->count(); ++i)
            EXPECT_NE(controlsOf(*window).driveLog->item(i)->text(), "Configuration file created");
    }
};

} // namespace

TEST(ConfigureGuarantees, FileReadBackDifferentFromWhatWasWrittenIsNeverReportedAsWritten)
{
    UnreliableHarness h;
    ASSERT_EQ(h.window.cycle().state(), FlowState::SettingsShown);
    writeFile(h.dev.path("UPDATES/DI999000.HEX"), "earlier complete file");
    h.medium.corruptReadBack = true;
    pressConfigure(*h.window);
    h.expectNoUnplugPrompt("differs from what was written");
    EXPECT_EQ(readAll(h.dev.path("UPDATES/DI999000.HEX")), "earlier complete file")
        << "the device keeps its earlier file";
    EXPECT_FALSE(QFile::exists(h.dev.path("UPDATES/KORDCFG.TMP")));
}

TEST(ConfigureGuarantees, FolderThatCannotBeFlushedIsNeverReportedAsWritten)
{
    UnreliableHarness h;
    ASSERT_EQ(h.window.cycle().state(), FlowState::SettingsShown);
    h.medium.failFolderFlush = true;
    pressConfigure(*h.window);
    // The new file is taken back, but a folder that flushes nothing cannot
    // confirm even that.
    h.expectNoUnplugPrompt("could not be confirmed on the Kordavel (flush folder: I/O error)");
    EXPECT_FALSE(QFile::exists(h.dev.path("UPDATES/DI999000.HEX")));
    // A tick later the flow still waits for the user, not for an unplug.
    pollTick(*h.window);
    EXPECT_EQ(h.window.cycle().state(), FlowState::SettingsShown);
}

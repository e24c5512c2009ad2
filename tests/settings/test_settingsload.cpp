// Loading a device's version file into the main window.
#include "support/testsupport.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::test;

namespace {

class Load : public ::testing::Test
{
protected:
    ReadOutcome read(const QByteArray &data)
    {
        dev.setVersionFile(data);
        return readAgain();
    }
    ReadOutcome readAgain() { return readFrom(h, dev.root()); }
    // Reads the device at root, behind a fixed drive, on a cleared drive log.
    static ReadOutcome readFrom(Harness &harness, const QString &root)
    {
        harness.drives.entries = {{"/", KindFixed, ""}, {root, KindRemovable, "K"}};
        harness.window->cycle().setState(FlowState::SettingsShown); // found, not read
        harness.tick();
        harness.window->controls().driveLog->clear();
        return harness.window->readDeviceSettings();
    }
    bool checked(DownloadBox b) const { return h.window->controls().box(b)->isChecked(); }
    QStringList log() const
    {
        QStringList rows;
        for (int i = 0; i < h.window->controls().driveLog->count(); ++i)
            rows.append(h.window->controls().driveLog->item(i)->text());
        return rows;
    }
    std::optional<FileNameFormat> selectedFormat() const
    {
        for (int i = 0; i < kFileNameFormatCount; ++i)
            if (h.window->controls().formatButton(FileNameFormat(i))->isChecked())
                return FileNameFormat(i);
        return std::nullopt;
    }
    bool fileExists() const { return QFile::exists(dev.path("UPDATES/kordvers.ion")); }

    Harness h;
    DeviceDir dev;
};

} // namespace

TEST_F(Load, CompleteLayoutCExample)
{
    ASSERT_EQ(read(exampleLayoutC()), ReadOutcome::Read);
    MainWindow &mainWindow = *h.window;
    EXPECT_EQ(mainWindow.controls().softwareVersionLabel->text(), "SW Version - TQ 54");
    EXPECT_EQ(log(), (QStringList{"Kordavel Software Version: 54", "Version file length: 80",
                                  "Config. byte: B5"}));
    EXPECT_EQ(mainWindow.controls().daysBackEdit->text(), " 92");
    for (DownloadBox b : kAllDownloadBoxes) {
        if (b != DownloadBox::Speed4Hz) {
            EXPECT_TRUE(checked(b)) << "box " << int(b);
        }
    }
    EXPECT_FALSE(checked(DownloadBox::Speed4Hz));
    EXPECT_TRUE(checked(DownloadBox::UseDates));
    EXPECT_TRUE(mainWindow.controls().useDatesBox->isEnabled());
    EXPECT_FALSE(mainWindow.controls().activitiesBox->isEnabled());
    EXPECT_FALSE(mainWindow.controls().daysLabel->isEnabled());
    EXPECT_FALSE(mainWindow.controls().daysBackEdit->isEnabled());
    EXPECT_TRUE(mainWindow.controls().modelKordavelButton->isChecked());
    EXPECT_EQ(selectedFormat(), FileNameFormat::European);
    EXPECT_TRUE(mainWindow.cycle().clockEnabled());
    EXPECT_EQ(mainWindow.cycle().configByte(), 0xB5);
    EXPECT_EQ(mainWindow.controls().downloadStartPicker->date(), QDate(2020, 1, 1));
    EXPECT_EQ(mainWindow.controls().downloadEndPicker->date(), QDate(2020, 2, 1))
        << "13:00 is dropped";
    EXPECT_TRUE(h.messages.texts.isEmpty());
}

TEST_F(Load, LayoutAAndVersionDependentControls)
{
    ASSERT_EQ(read(versionFile("TQ000020HEX", 21, {{16, QByteArray::fromHex("0102FFFF03")}})),
              ReadOutcome::Read);
    MainWindow &mainWindow = *h.window;
    EXPECT_EQ(mainWindow.cycle().softwareVersion(), 20);
    EXPECT_TRUE(checked(DownloadBox::Activities));
    EXPECT_FALSE(checked(DownloadBox::EventsFaults)) << "the list ended at the second FF";
    EXPECT_FALSE(mainWindow.controls().otherVdoDataBox->isEnabled());
    EXPECT_FALSE(mainWindow.controls().speed168hBox->isEnabled());
    EXPECT_FALSE(mainWindow.controls().speed4HzBox->isEnabled());
    EXPECT_FALSE(mainWindow.controls().useDatesBox->isEnabled());
    EXPECT_TRUE(mainWindow.controls().formatButton(FileNameFormat::French)->isHidden());
    EXPECT_EQ(mainWindow.controls().formatButton(FileNameFormat::European)->text(),
              "European/VDO(DDD)");
    EXPECT_EQ(mainWindow.cycle().configByte(), 255);
    EXPECT_EQ(selectedFormat(), FileNameFormat::ShortNames);
    EXPECT_TRUE(mainWindow.controls().modelKordavelButton->isChecked());
    EXPECT_FALSE(checked(DownloadBox::SaveCardDate));

    ASSERT_EQ(read(versionFile("TQ000016HEX", 21)), ReadOutcome::Read);
    EXPECT_EQ(mainWindow.controls().formatButton(FileNameFormat::European)->text(),
              "Short file name DDD");
    ASSERT_EQ(read(versionFile("TQ000027HEX", 21)), ReadOutcome::Read);
    EXPECT_FALSE(mainWindow.controls().formatButton(FileNameFormat::French)->isHidden());
}

TEST_F(Load, LayoutBCouplesManufacturerBoxes)
{
    ASSERT_EQ(
        read(versionFile("TQ000030HEX", 25,
                         {{16, QByteArray::fromHex("0211FFFF")}, {24, QByteArray::fromHex("F7")}})),
        ReadOutcome::Read);
    EXPECT_TRUE(checked(DownloadBox::Speed4Hz));
    EXPECT_TRUE(checked(DownloadBox::OtherVdoData))
        << "version 30 couples the other-VDO-data and 4 Hz boxes";
    EXPECT_TRUE(h.window->controls().otherVdoDataBox->isEnabled());
    EXPECT_FALSE(h.window->controls().speed168hBox->isEnabled());
    EXPECT_TRUE(checked(DownloadBox::SaveCardDate));
    h.window->controls().otherVdoDataBox->setChecked(false);
    EXPECT_FALSE(checked(DownloadBox::Speed4Hz));
}

TEST_F(Load, FromVersion36TheBoxesAreIndependent)
{
    ASSERT_EQ(read(versionFile("TQ000040HEX", 80, {{32, QByteArray::fromHex("11FFFF")}})),
              ReadOutcome::Read);
    EXPECT_TRUE(checked(DownloadBox::Speed4Hz));
    EXPECT_FALSE(checked(DownloadBox::OtherVdoData));
    ASSERT_EQ(read(versionFile("TQ000040HEX", 80, {{32, QByteArray::fromHex("121911FFFF")}})),
              ReadOutcome::Read);
    EXPECT_TRUE(checked(DownloadBox::OtherVdoData));
    EXPECT_TRUE(checked(DownloadBox::Speed168h));
    EXPECT_TRUE(checked(DownloadBox::Speed4Hz));
    EXPECT_FALSE(h.window->controls().useDatesBox->isEnabled()) << "dates need version 54";
}

TEST_F(Load, EndMarkerCarriesOverBetweenLists)
{
    // First list ends on a single FF at offset 30; the second list's FF ends it at once.
    QByteArray d = versionFile("TQ000054HEX", 80,
                               {{16, QByteArray::fromHex("0102030405060203040506020304FF")},
                                {32, QByteArray::fromHex("FF11")}});
    ASSERT_EQ(read(d), ReadOutcome::Read);
    EXPECT_FALSE(checked(DownloadBox::Speed4Hz));
    d[30] = char(0x02);
    ASSERT_EQ(read(d), ReadOutcome::Read);
    EXPECT_TRUE(checked(DownloadBox::Speed4Hz)) << "without the carried FF the second list goes on";
}

TEST_F(Load, ConfigurationBytes)
{
    using F = FileNameFormat;
    struct Case
    {
        const char *hex;
        FileNameFormat format;
        bool kordavelPlus;
        bool saveCardDate;
        bool clock;
    };
    for (const Case &c : {Case{"BF", F::European, false, false, false},
                          Case{"77", F::ShortNames, true, true, false},
                          Case{"8F", F::DuvadoRirozo, false, false, false},
                          Case{"02", F::DuvadoRirozo, true, true, false},
                          Case{"00", F::DuvadoRirozo, true, true, true}}) {
        ASSERT_EQ(read(versionFile("TQ000054HEX", 80, {{31, QByteArray::fromHex(c.hex)}})),
                  ReadOutcome::Read);
        EXPECT_EQ(selectedFormat(), c.format) << c.hex;
        EXPECT_TRUE((c.kordavelPlus ? h.window->controls().modelKordavelPlusButton
                                    : h.window->controls().modelKordavelButton)
                        ->isChecked())
            << c.hex;
        EXPECT_EQ(checked(DownloadBox::SaveCardDate), c.saveCardDate) << c.hex;
        EXPECT_EQ(h.window->cycle().clockEnabled(), c.clock) << c.hex;
    }
    EXPECT_EQ(log().last(), "Config. byte: 0");
}

TEST_F(Load, HeaderProblemsRejectTheFile)
{
    ASSERT_EQ(read(versionFile("TQ100054HEX", 80)), ReadOutcome::Failed);
    ASSERT_EQ(h.messages.texts.size(), 2);
    EXPECT_EQ(h.messages.texts[0], "Kordavel software version value wrong");
    EXPECT_EQ(h.messages.texts[1],
              "Configuration file error.\r\nDisconnect and reconnect Kordavel.\r\n"
              "Wait a moment then click 'Current Settings'.");
    EXPECT_EQ(h.messages.titles[1], "Kordavel - Set 'Latest VU' settings");
    EXPECT_FALSE(fileExists());

    h.messages.texts.clear();
    ASSERT_EQ(read(QByteArray(20, 'T')), ReadOutcome::Failed);
    EXPECT_EQ(h.messages.texts.size(), 1);
    EXPECT_TRUE(h.messages.texts[0].startsWith("Configuration file error."));
    EXPECT_FALSE(fileExists());

    h.messages.texts.clear();
    ASSERT_EQ(read(QByteArray(32768, 'T')), ReadOutcome::Failed)
        << "oversized files are unusable too";
    EXPECT_FALSE(fileExists());
}

TEST_F(Load, WrongLengthsAreRejectedAfterIdentification)
{
    ASSERT_EQ(read(versionFile("TQ000030HEX", 21, {{16, QByteArray::fromHex("02")}})),
              ReadOutcome::Failed);
    EXPECT_FALSE(fileExists());
    EXPECT_EQ(h.window->controls().softwareVersionLabel->text(), "SW Version - TQ 30");
    EXPECT_FALSE(checked(DownloadBox::Activities)) << "boxes were cleared, nothing loaded";
    EXPECT_EQ(log().last(), "Version file length: 21");

    ASSERT_EQ(read(versionFile("CR000012HEX", 79)), ReadOutcome::Failed);
    EXPECT_FALSE(fileExists());
    h.window->controls().driveLog->clear();
    ASSERT_EQ(read(versionFile("CR000012HEX", 80)), ReadOutcome::Read);
    EXPECT_EQ(h.window->controls().softwareVersionLabel->text(), "SW Version - CR 12");
    EXPECT_EQ(log()[0], "DoziziveDE Software Version: 12");
}

TEST_F(Load, OldSoftwareAndUnknownFamilies)
{
    ASSERT_EQ(read(versionFile("TQ000008HEX", 21, {{16, QByteArray::fromHex("02")}})),
              ReadOutcome::Read);
    EXPECT_EQ(h.window->controls().statusLabel->text(), "Config. not available");
    EXPECT_TRUE(fileExists());
    EXPECT_FALSE(checked(DownloadBox::Activities));
    EXPECT_TRUE(h.messages.texts.isEmpty());

    // Right after start-up no version is known yet.
    Harness fresh;
    DeviceDir other(versionFile("XY000054HEX", 80));
    ASSERT_EQ(readFrom(fresh, other.root()), ReadOutcome::Read);
    MainWindow &mainWindow = *fresh.window;
    EXPECT_EQ(mainWindow.controls().softwareVersionLabel->text(),
              "XY - Unexpected software version");
    EXPECT_EQ(mainWindow.cycle().softwareVersion(), 0);
    EXPECT_EQ(mainWindow.controls().statusLabel->text(), "Config. not available");
    for (QRadioButton *b : mainWindow.controls().fileNameFormatButtons)
        EXPECT_TRUE(b->isHidden());
}

TEST_F(Load, MissingFileShowsItsMessageOnly)
{
    h.window->controls().daysBackEdit->setText("7");
    ASSERT_EQ(readAgain(), ReadOutcome::Failed);
    ASSERT_EQ(h.messages.texts.size(), 1);
    EXPECT_EQ(h.messages.texts[0],
              "Configuration file missing.\r\nDisconnect and reconnect Kordavel.\r\n"
              "Wait a moment then click 'Current Settings'.");
    EXPECT_EQ(h.window->controls().daysBackEdit->text(), "7");

    h.unplug(dev.root());
    h.tick(); // no drive holds the device now
    EXPECT_EQ(h.window->readDeviceSettings(), ReadOutcome::Failed);
    EXPECT_EQ(h.messages.texts.size(), 2);
}

TEST_F(Load, VersionFileThatIsAFolderOrALink)
{
    QDir(dev.path("UPDATES")).mkdir("kordvers.ion");
    EXPECT_EQ(readAgain(), ReadOutcome::Failed);
    EXPECT_TRUE(h.messages.texts.last().startsWith("Configuration file missing."));
    QDir(dev.path("UPDATES")).rmdir("kordvers.ion");

    // A link to a bad file: the link goes, its target stays.
    QTemporaryDir elsewhere;
    writeFile(elsewhere.filePath("real"), QByteArray(10, 'x'));
    ASSERT_TRUE(QFile::link(elsewhere.filePath("real"), dev.path("UPDATES/kordvers.ion")));
    EXPECT_EQ(readAgain(), ReadOutcome::Failed);
    EXPECT_FALSE(QFileInfo(dev.path("UPDATES/kordvers.ion")).isSymLink());
    EXPECT_TRUE(QFile::exists(elsewhere.filePath("real")));
}

TEST_F(Load, PageSwitchAndDateRule)
{
    MainWindow &mainWindow = *h.window;
    mainWindow.controls().fileNamePageButton->setChecked(true);
    EXPECT_FALSE(mainWindow.controls().downloadPageButton->isChecked());
    EXPECT_TRUE(mainWindow.controls().modelKordavelPlusButton->isChecked())
        << "the page selector is a group of its own";
    EXPECT_TRUE(mainWindow.controls().formatButton(FileNameFormat::European)->isChecked());
    EXPECT_EQ(mainWindow.controls().fileNamePage->x(), 24);
    EXPECT_EQ(mainWindow.controls().downloadPage->x(), 344);
    mainWindow.controls().downloadPageButton->setChecked(true);
    EXPECT_EQ(mainWindow.controls().downloadPage->x(), 24);
    EXPECT_EQ(mainWindow.controls().fileNamePage->x(), 344);

    mainWindow.controls().useDatesBox->setChecked(true);
    EXPECT_FALSE(mainWindow.controls().activitiesBox->isEnabled());
    EXPECT_FALSE(mainWindow.controls().daysLabel->isEnabled());
    EXPECT_FALSE(mainWindow.controls().daysBackEdit->isEnabled());
    mainWindow.controls().useDatesBox->setChecked(false);
    EXPECT_TRUE(mainWindow.controls().activitiesBox->isEnabled());
    EXPECT_TRUE(mainWindow.controls().daysBackEdit->isEnabled());
}

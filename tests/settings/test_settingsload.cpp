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
    ReadOutcome readAgain()
    {
        h.form->scan.aDrives = {"/", dev.root()};
        h.form->scan.lDriveIndex = 1;
        return h.form->FindCurrentSettings();
    }
    bool checked(int i) const { return h.form->Check[i]->isChecked(); }
    QStringList log() const
    {
        QStringList rows;
        for (int i = 0; i < h.form->List1->count(); ++i)
            rows.append(h.form->List1->item(i)->text());
        return rows;
    }
    int selectedFormat() const
    {
        for (int i = 0; i < 5; ++i)
            if (h.form->Option1[i]->isChecked())
                return i;
        return -1;
    }
    bool fileExists() const { return QFile::exists(dev.path("UPDATES/kordvers.ion")); }

    Harness h;
    DeviceDir dev;
};

} // namespace

TEST_F(Load, CompleteLayoutCExample)
{
    ASSERT_EQ(read(exampleLayoutC()), ReadOutcome::Read);
    Form1 &f = *h.form;
    EXPECT_EQ(f.lblSWVersion->text(), "SW Version - TQ 54");
    EXPECT_EQ(log(), (QStringList{"Kordavel Software Version: 54", "Version file length: 80",
                                  "Config. byte: B5"}));
    EXPECT_EQ(f.tbDays->text(), " 92");
    for (int i = 2; i <= 9; ++i)
        EXPECT_TRUE(checked(i)) << "Check" << i;
    EXPECT_FALSE(checked(10));
    EXPECT_TRUE(checked(11));
    EXPECT_TRUE(f.Check[11]->isEnabled());
    EXPECT_FALSE(f.Check[2]->isEnabled());
    EXPECT_FALSE(f.Label7->isEnabled());
    EXPECT_FALSE(f.tbDays->isEnabled());
    EXPECT_TRUE(f.optKordavel[0]->isChecked());
    EXPECT_EQ(selectedFormat(), 1);
    EXPECT_TRUE(f.bClockEnable);
    EXPECT_EQ(f.lExtension, 0xB5);
    EXPECT_EQ(f.DTPickerStart->date(), QDate(2020, 1, 1));
    EXPECT_EQ(f.DTPickerEnd->date(), QDate(2020, 2, 1)) << "13:00 is dropped";
    EXPECT_TRUE(h.messages.texts.isEmpty());
}

TEST_F(Load, LayoutAAndVersionDependentControls)
{
    ASSERT_EQ(read(versionFile("TQ000020HEX", 21, {{16, QByteArray::fromHex("0102FFFF03")}})),
              ReadOutcome::Read);
    Form1 &f = *h.form;
    EXPECT_EQ(f.lSoftwareVersion, 20);
    EXPECT_TRUE(checked(2));
    EXPECT_FALSE(checked(3)) << "the list ended at the second FF";
    EXPECT_FALSE(f.Check[8]->isEnabled());
    EXPECT_FALSE(f.Check[9]->isEnabled());
    EXPECT_FALSE(f.Check[10]->isEnabled());
    EXPECT_FALSE(f.Check[11]->isEnabled());
    EXPECT_TRUE(f.Option1[2]->isHidden());
    EXPECT_EQ(f.Option1[1]->text(), "European/VDO(DDD)");
    EXPECT_EQ(f.lExtension, 255);
    EXPECT_EQ(selectedFormat(), 0);
    EXPECT_TRUE(f.optKordavel[0]->isChecked());
    EXPECT_FALSE(checked(7));

    ASSERT_EQ(read(versionFile("TQ000016HEX", 21)), ReadOutcome::Read);
    EXPECT_EQ(f.Option1[1]->text(), "Short file name DDD");
    ASSERT_EQ(read(versionFile("TQ000027HEX", 21)), ReadOutcome::Read);
    EXPECT_FALSE(f.Option1[2]->isHidden());
}

TEST_F(Load, LayoutBCouplesManufacturerBoxes)
{
    ASSERT_EQ(
        read(versionFile("TQ000030HEX", 25,
                         {{16, QByteArray::fromHex("0211FFFF")}, {24, QByteArray::fromHex("F7")}})),
        ReadOutcome::Read);
    EXPECT_TRUE(checked(10));
    EXPECT_TRUE(checked(8)) << "version 30 couples Check8 and Check10";
    EXPECT_TRUE(h.form->Check[8]->isEnabled());
    EXPECT_FALSE(h.form->Check[9]->isEnabled());
    EXPECT_TRUE(checked(7));
    h.form->Check[8]->setChecked(false);
    EXPECT_FALSE(checked(10));
}

TEST_F(Load, FromVersion36TheBoxesAreIndependent)
{
    ASSERT_EQ(read(versionFile("TQ000040HEX", 80, {{32, QByteArray::fromHex("11FFFF")}})),
              ReadOutcome::Read);
    EXPECT_TRUE(checked(10));
    EXPECT_FALSE(checked(8));
    ASSERT_EQ(read(versionFile("TQ000040HEX", 80, {{32, QByteArray::fromHex("121911FFFF")}})),
              ReadOutcome::Read);
    EXPECT_TRUE(checked(8));
    EXPECT_TRUE(checked(9));
    EXPECT_TRUE(checked(10));
    EXPECT_FALSE(h.form->Check[11]->isEnabled()) << "dates need version 54";
}

TEST_F(Load, EndMarkerCarriesOverBetweenLists)
{
    // First list ends on a single FF at offset 30; the second list's FF ends it at once.
    QByteArray d = versionFile("TQ000054HEX", 80,
                               {{16, QByteArray::fromHex("0102030405060203040506020304FF")},
                                {32, QByteArray::fromHex("FF11")}});
    ASSERT_EQ(read(d), ReadOutcome::Read);
    EXPECT_FALSE(checked(10));
    d[30] = char(0x02);
    ASSERT_EQ(read(d), ReadOutcome::Read);
    EXPECT_TRUE(checked(10)) << "without the carried FF the second list goes on";
}

TEST_F(Load, ExtensionBytes)
{
    struct Case
    {
        const char *hex;
        int format;
        int model;
        bool check7;
        bool clock;
    };
    for (const Case &c : {Case{"BF", 1, 0, false, false}, Case{"77", 0, 1, true, false},
                          Case{"8F", 4, 0, false, false}, Case{"02", 4, 1, true, false},
                          Case{"00", 4, 1, true, true}}) {
        ASSERT_EQ(read(versionFile("TQ000054HEX", 80, {{31, QByteArray::fromHex(c.hex)}})),
                  ReadOutcome::Read);
        EXPECT_EQ(selectedFormat(), c.format) << c.hex;
        EXPECT_TRUE(h.form->optKordavel[c.model]->isChecked()) << c.hex;
        EXPECT_EQ(checked(7), c.check7) << c.hex;
        EXPECT_EQ(h.form->bClockEnable, c.clock) << c.hex;
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
    EXPECT_EQ(h.form->lblSWVersion->text(), "SW Version - TQ 30");
    EXPECT_FALSE(checked(2)) << "boxes were cleared, nothing loaded";
    EXPECT_EQ(log().last(), "Version file length: 21");

    ASSERT_EQ(read(versionFile("CR000012HEX", 79)), ReadOutcome::Failed);
    EXPECT_FALSE(fileExists());
    h.form->List1->clear();
    ASSERT_EQ(read(versionFile("CR000012HEX", 80)), ReadOutcome::Read);
    EXPECT_EQ(h.form->lblSWVersion->text(), "SW Version - CR 12");
    EXPECT_EQ(log()[0], "DoziziveDE Software Version: 12");
}

TEST_F(Load, OldSoftwareAndUnknownFamilies)
{
    ASSERT_EQ(read(versionFile("TQ000008HEX", 21, {{16, QByteArray::fromHex("02")}})),
              ReadOutcome::Read);
    EXPECT_EQ(h.form->lblMessage->text(), "Config. not available");
    EXPECT_TRUE(fileExists());
    EXPECT_FALSE(checked(2));
    EXPECT_TRUE(h.messages.texts.isEmpty());

    // Right after start-up no version is known yet.
    Harness fresh;
    DeviceDir other(versionFile("XY000054HEX", 80));
    fresh.form->scan.aDrives = {other.root()};
    fresh.form->scan.lDriveIndex = 0;
    ASSERT_EQ(fresh.form->FindCurrentSettings(), ReadOutcome::Read);
    Form1 &f = *fresh.form;
    EXPECT_EQ(f.lblSWVersion->text(), "XY - Unexpected software version");
    EXPECT_EQ(f.lSoftwareVersion, 0);
    EXPECT_EQ(f.lblMessage->text(), "Config. not available");
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(f.Option1[i]->isHidden());
}

TEST_F(Load, MissingFileShowsItsMessageOnly)
{
    h.form->tbDays->setText("7");
    ASSERT_EQ(readAgain(), ReadOutcome::Failed);
    ASSERT_EQ(h.messages.texts.size(), 1);
    EXPECT_EQ(h.messages.texts[0],
              "Configuration file missing.\r\nDisconnect and reconnect Kordavel.\r\n"
              "Wait a moment then click 'Current Settings'.");
    EXPECT_EQ(h.form->tbDays->text(), "7");

    h.form->scan.lDriveIndex = 5; // no such drive
    EXPECT_EQ(h.form->FindCurrentSettings(), ReadOutcome::Failed);
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
    Form1 &f = *h.form;
    f.Option2[1]->setChecked(true);
    EXPECT_FALSE(f.Option2[0]->isChecked());
    EXPECT_TRUE(f.optKordavel[1]->isChecked()) << "the page selector is a group of its own";
    EXPECT_TRUE(f.Option1[1]->isChecked());
    EXPECT_EQ(f.frameFileName->x(), 24);
    EXPECT_EQ(f.frameSelectFiles->x(), 344);
    f.Option2[0]->setChecked(true);
    EXPECT_EQ(f.frameSelectFiles->x(), 24);
    EXPECT_EQ(f.frameFileName->x(), 344);

    f.Check[11]->setChecked(true);
    EXPECT_FALSE(f.Check[2]->isEnabled());
    EXPECT_FALSE(f.Label7->isEnabled());
    EXPECT_FALSE(f.tbDays->isEnabled());
    f.Check[11]->setChecked(false);
    EXPECT_TRUE(f.Check[2]->isEnabled());
    EXPECT_TRUE(f.tbDays->isEnabled());
}

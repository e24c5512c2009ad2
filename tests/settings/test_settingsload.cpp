// A device's version file read by a tick and shown in the main window: what
// the decoded settings look like on the controls, the rules between them, and
// files that are rejected.
#include "app/settingscontrols.h"
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
    // Reads the device at root, behind a fixed drive: the flow starts over
    // and the next tick reads it.
    static ReadOutcome readFrom(Harness &harness, const QString &root)
    {
        harness.drives.entries = {{"/", KindFixed, ""}, {root, KindRemovable, "K"}};
        harness.window.executor->requestRestart();
        harness.tick();
        const QString status = controlsOf(*harness.window).statusLabel->text();
        return status == "Configuration read" || status == "Not Suitable" ? ReadOutcome::Read
                                                                          : ReadOutcome::Failed;
    }
    bool checked(DownloadBox b) const { return controlsOf(*h.window).box(b)->isChecked(); }
    // The rows the read added to the drive log, after the device's drive.
    QStringList log() const
    {
        QStringList rows;
        for (int i = 1; i < controlsOf(*h.window).driveLog->count(); ++i)
            rows.append(controlsOf(*h.window).driveLog->item(i)->text());
        return rows;
    }
    std::optional<FileNameFormat> selectedFormat() const
    {
        for (int i = 0; i < kFileNameFormatCount; ++i)
            if (controlsOf(*h.window).formatButton(FileNameFormat(i))->isChecked())
                return FileNameFormat(i);
        return std::nullopt;
    }
    bool fileExists() const { return QFile::exists(dev.path("UPDATES/kordvers.ion")); }

    Harness h;
    DeviceDir dev;
};

} // namespace

TEST(ControlsOffered, WhatEachLayoutAndVersionOffers)
{
    using B = DownloadBox;
    using F = FileNameFormat;
    struct Case
    {
        const char *header;
        int length;
        bool vdo, speed168h, dates, allFormats;
        const char *european;
    };
    const char *eu = "European/VDO(DDD)";
    for (const Case &c :
         {Case{"TQ000016HEX", 21, false, false, false, false, "Short file name DDD"},
          Case{"TQ000020HEX", 21, false, false, false, false, eu},
          Case{"TQ000027HEX", 21, false, false, false, true, eu},
          Case{"TQ000030HEX", 25, true, false, false, true, eu},
          Case{"TQ000040HEX", 80, true, true, false, true, eu},
          Case{"TQ000054HEX", 80, true, true, true, true, eu},
          Case{"CR000012HEX", 80, true, true, false, true, eu}}) {
        SCOPED_TRACE(c.header);
        const QByteArray file = versionFile(c.header, c.length);
        const std::optional<ReadDevice> device =
            SettingsDecoder().decode(file, assessVersionFile(file, 0)).device;
        ASSERT_TRUE(device);
        const OfferedControls o = controlsOffered(*device);
        EXPECT_EQ(o.boxEnabled[std::size_t(B::OtherVdoData)], c.vdo);
        EXPECT_EQ(o.boxEnabled[std::size_t(B::Speed4Hz)], c.vdo);
        EXPECT_EQ(o.boxEnabled[std::size_t(B::Speed168h)], c.speed168h);
        for (B b : {B::OtherVdoData, B::Speed168h, B::Speed4Hz})
            EXPECT_EQ(o.boxVisible[std::size_t(b)], true);
        if (device->family == Family::TQ) {
            EXPECT_EQ(o.boxEnabled[std::size_t(B::UseDates)], c.dates);
        } else {
            EXPECT_FALSE(o.boxEnabled[std::size_t(B::UseDates)])
                << "a CR unit leaves the dates box alone";
        }
        for (F f : {F::French, F::Spanish, F::DuvadoRirozo})
            EXPECT_EQ(o.formatVisible[std::size_t(f)], c.allFormats);
        EXPECT_FALSE(o.formatVisible[std::size_t(F::European)]);
        EXPECT_EQ(o.europeanCaption, QString::fromLatin1(c.european));
    }

    // A file that shows only its identification leaves the boxes' enabled
    // state alone; an unknown family hides every format and keeps the caption.
    auto offeredFor = [](const QByteArray &file) {
        return controlsOffered(*SettingsDecoder().decode(file, assessVersionFile(file, 30)).device);
    };
    const OfferedControls shortFile = offeredFor(versionFile("TQ000030HEX", 21));
    for (B b : {B::OtherVdoData, B::Speed168h, B::Speed4Hz}) {
        EXPECT_FALSE(shortFile.boxEnabled[std::size_t(b)]);
        EXPECT_EQ(shortFile.boxVisible[std::size_t(b)], true);
    }
    const OfferedControls unknown = offeredFor(versionFile("XY000054HEX", 80));
    for (const std::optional<bool> &visible : unknown.formatVisible)
        EXPECT_EQ(visible, false);
    EXPECT_FALSE(unknown.europeanCaption);
    EXPECT_FALSE(unknown.boxEnabled[std::size_t(B::UseDates)]);
}

TEST_F(Load, CompleteLayoutCExample)
{
    ASSERT_EQ(read(exampleLayoutC()), ReadOutcome::Read);
    MainWindow &mainWindow = *h.window;
    EXPECT_EQ(controlsOf(mainWindow).softwareVersionLabel->text(), "SW Version - TQ 54");
    EXPECT_EQ(log(), (QStringList{"Kordavel Software Version: 54", "Version file length: 80",
                                  "Config. byte: B5"}));
    EXPECT_EQ(controlsOf(mainWindow).daysBackEdit->text(), " 92");
    for (DownloadBox b : kAllDownloadBoxes) {
        if (b != DownloadBox::Speed4Hz) {
            EXPECT_TRUE(checked(b)) << "box " << int(b);
        }
    }
    EXPECT_FALSE(checked(DownloadBox::Speed4Hz));
    EXPECT_TRUE(checked(DownloadBox::UseDates));
    EXPECT_TRUE(controlsOf(mainWindow).useDatesBox->isEnabled());
    EXPECT_FALSE(controlsOf(mainWindow).activitiesBox->isEnabled());
    EXPECT_FALSE(controlsOf(mainWindow).daysLabel->isEnabled());
    EXPECT_FALSE(controlsOf(mainWindow).daysBackEdit->isEnabled());
    EXPECT_TRUE(controlsOf(mainWindow).modelKordavelButton->isChecked());
    EXPECT_EQ(selectedFormat(), FileNameFormat::European);
    EXPECT_EQ(controlsOf(mainWindow).downloadStartPicker->date(), QDate(2020, 1, 1));
    EXPECT_EQ(controlsOf(mainWindow).downloadEndPicker->date(), QDate(2020, 2, 1))
        << "13:00 is dropped";
    EXPECT_TRUE(h.messages.texts.isEmpty());
}

TEST_F(Load, LayoutAAndVersionDependentControls)
{
    ASSERT_EQ(read(versionFile("TQ000020HEX", 21, {{16, QByteArray::fromHex("0102FFFF03")}})),
              ReadOutcome::Read);
    MainWindow &mainWindow = *h.window;
    EXPECT_TRUE(checked(DownloadBox::Activities));
    EXPECT_FALSE(checked(DownloadBox::EventsFaults)) << "the list ended at the second FF";
    EXPECT_FALSE(controlsOf(mainWindow).otherVdoDataBox->isEnabled());
    EXPECT_FALSE(controlsOf(mainWindow).speed168hBox->isEnabled());
    EXPECT_FALSE(controlsOf(mainWindow).speed4HzBox->isEnabled());
    EXPECT_FALSE(controlsOf(mainWindow).useDatesBox->isEnabled());
    EXPECT_TRUE(controlsOf(mainWindow).formatButton(FileNameFormat::French)->isHidden());
    EXPECT_EQ(controlsOf(mainWindow).formatButton(FileNameFormat::European)->text(),
              "European/VDO(DDD)");
    EXPECT_EQ(selectedFormat(), FileNameFormat::ShortNames);
    EXPECT_TRUE(controlsOf(mainWindow).modelKordavelButton->isChecked());
    EXPECT_FALSE(checked(DownloadBox::SaveCardDate));

    ASSERT_EQ(read(versionFile("TQ000016HEX", 21)), ReadOutcome::Read);
    EXPECT_EQ(controlsOf(mainWindow).formatButton(FileNameFormat::European)->text(),
              "Short file name DDD");
    ASSERT_EQ(read(versionFile("TQ000027HEX", 21)), ReadOutcome::Read);
    EXPECT_FALSE(controlsOf(mainWindow).formatButton(FileNameFormat::French)->isHidden());
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
    EXPECT_TRUE(controlsOf(*h.window).otherVdoDataBox->isEnabled());
    EXPECT_FALSE(controlsOf(*h.window).speed168hBox->isEnabled());
    EXPECT_TRUE(checked(DownloadBox::SaveCardDate));
    controlsOf(*h.window).otherVdoDataBox->setChecked(false);
    EXPECT_FALSE(checked(DownloadBox::Speed4Hz));
}

// The cycle keeps one decoder from read to read: the end marker of one read's
// list carries over into the next read.
TEST_F(Load, EndMarkerCarriesOverBetweenListsAndReads)
{
    // First list ends on a single FF at offset 30; the second list's FF ends it at once.
    QByteArray d = versionFile("TQ000054HEX", 80,
                               {{16, QByteArray::fromHex("0102030405060203040506020304FF")},
                                {32, QByteArray::fromHex("FF11")},
                                {31, QByteArray::fromHex("00")}});
    ASSERT_EQ(read(d), ReadOutcome::Read);
    EXPECT_FALSE(checked(DownloadBox::Speed4Hz));
    EXPECT_EQ(log().last(), "Config. byte: 0");
    d[30] = char(0x02);
    ASSERT_EQ(read(d), ReadOutcome::Read);
    EXPECT_TRUE(checked(DownloadBox::Speed4Hz)) << "without the carried FF the second list goes on";

    // This read ends on FF FF; the next read's list then ends at its first FF.
    ASSERT_EQ(read(versionFile("TQ000030HEX", 25, {{16, QByteArray::fromHex("02FFFF")}})),
              ReadOutcome::Read);
    ASSERT_EQ(read(versionFile("TQ000030HEX", 25, {{16, QByteArray::fromHex("FF03")}})),
              ReadOutcome::Read);
    EXPECT_FALSE(checked(DownloadBox::EventsFaults));
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
    EXPECT_EQ(controlsOf(*h.window).softwareVersionLabel->text(), "SW Version - TQ 30");
    EXPECT_FALSE(checked(DownloadBox::Activities)) << "boxes were cleared, nothing loaded";
    EXPECT_EQ(log().last(), "Version file length: 21");

    ASSERT_EQ(read(versionFile("CR000012HEX", 79)), ReadOutcome::Failed);
    EXPECT_FALSE(fileExists());
    ASSERT_EQ(read(versionFile("CR000012HEX", 80)), ReadOutcome::Read);
    EXPECT_EQ(controlsOf(*h.window).softwareVersionLabel->text(), "SW Version - CR 12");
    EXPECT_EQ(log()[0], "DoziziveDE Software Version: 12");
}

TEST_F(Load, OldSoftwareAndUnknownFamilies)
{
    ASSERT_EQ(read(versionFile("TQ000008HEX", 21, {{16, QByteArray::fromHex("02")}})),
              ReadOutcome::Read);
    EXPECT_EQ(controlsOf(*h.window).statusLabel->text(), "Not Suitable")
        << "shown after \"Config. not available\": too old to be configured";
    EXPECT_TRUE(fileExists());
    EXPECT_FALSE(checked(DownloadBox::Activities));
    EXPECT_TRUE(h.messages.texts.isEmpty());

    // Right after start-up no version is known yet.
    Harness fresh;
    DeviceDir other(versionFile("XY000054HEX", 80));
    ASSERT_EQ(readFrom(fresh, other.root()), ReadOutcome::Read);
    MainWindow &mainWindow = *fresh.window;
    EXPECT_EQ(controlsOf(mainWindow).softwareVersionLabel->text(),
              "XY - Unexpected software version");
    EXPECT_EQ(controlsOf(mainWindow).statusLabel->text(), "Not Suitable");
    for (QRadioButton *b : controlsOf(mainWindow).fileNameFormatButtons)
        EXPECT_TRUE(b->isHidden());
}

TEST_F(Load, MissingFileShowsItsMessageOnly)
{
    controlsOf(*h.window).daysBackEdit->setText("7");
    ASSERT_EQ(readAgain(), ReadOutcome::Failed);
    ASSERT_EQ(h.messages.texts.size(), 1);
    EXPECT_EQ(h.messages.texts[0],
              "Configuration file missing.\r\nDisconnect and reconnect Kordavel.\r\n"
              "Wait a moment then click 'Current Settings'.");
    EXPECT_EQ(controlsOf(*h.window).daysBackEdit->text(), "7");

    h.tick(2); // read again on the tick after next, and missing still
    EXPECT_EQ(h.messages.texts.size(), 2);
    EXPECT_EQ(h.window.cycle().state(), FlowState::ReadAgain);
}

TEST_F(Load, VersionFileThatIsAFolderOrALink)
{
    QDir(dev.path("UPDATES")).mkdir("kordvers.ion");
    EXPECT_EQ(readAgain(), ReadOutcome::Failed);
    EXPECT_TRUE(h.messages.texts.last().startsWith("Configuration file missing."));
    QDir(dev.path("UPDATES")).rmdir("kordvers.ion");

    QTemporaryDir elsewhere;
    writeFile(elsewhere.filePath("real"), QByteArray(10, 'x'));
    ASSERT_TRUE(QFile::link(elsewhere.filePath("real"), dev.path("UPDATES/kordvers.ion")));
    EXPECT_EQ(readAgain(), ReadOutcome::Failed);
#ifdef Q_OS_WIN
    // Windows makes a shortcut, an ordinary file: a bad one, so it goes.
    EXPECT_TRUE(h.messages.texts.last().startsWith("Configuration file error."));
    EXPECT_FALSE(QFile::exists(dev.path("UPDATES/kordvers.ion")));
#else
    // A link, even to a file that would be rejected and deleted: never
    // followed, read as missing, and neither it nor its target is touched.
    EXPECT_TRUE(h.messages.texts.last().startsWith("Configuration file missing."));
    EXPECT_TRUE(QFileInfo(dev.path("UPDATES/kordvers.ion")).isSymLink());
#endif
    EXPECT_TRUE(QFile::exists(elsewhere.filePath("real")));
#ifndef Q_OS_WIN
    // UPDATES itself a link to a folder elsewhere holding a bad file: the
    // read never passes through it, so nothing there is read or deleted.
    QFile::remove(dev.path("UPDATES/kordvers.ion"));
    QDir(dev.path("UPDATES")).removeRecursively();
    writeFile(elsewhere.filePath("updates/kordvers.ion"), QByteArray(10, 'x'));
    ASSERT_TRUE(QFile::link(elsewhere.filePath("updates"), dev.path("UPDATES")));
    EXPECT_EQ(readAgain(), ReadOutcome::Failed);
    EXPECT_TRUE(h.messages.texts.last().startsWith("Configuration file missing."));
    EXPECT_TRUE(QFile::exists(elsewhere.filePath("updates/kordvers.ion")));
#endif
}

TEST_F(Load, PageSwitchAndDateRule)
{
    MainWindow &mainWindow = *h.window;
    controlsOf(mainWindow).fileNamePageButton->setChecked(true);
    EXPECT_FALSE(controlsOf(mainWindow).downloadPageButton->isChecked());
    EXPECT_TRUE(controlsOf(mainWindow).modelKordavelPlusButton->isChecked())
        << "the page selector is a group of its own";
    EXPECT_TRUE(controlsOf(mainWindow).formatButton(FileNameFormat::European)->isChecked());
    EXPECT_EQ(controlsOf(mainWindow).fileNamePage->x(), 24);
    EXPECT_EQ(controlsOf(mainWindow).downloadPage->x(), 344);
    controlsOf(mainWindow).downloadPageButton->setChecked(true);
    EXPECT_EQ(controlsOf(mainWindow).downloadPage->x(), 24);
    EXPECT_EQ(controlsOf(mainWindow).fileNamePage->x(), 344);

    controlsOf(mainWindow).useDatesBox->setChecked(true);
    EXPECT_FALSE(controlsOf(mainWindow).activitiesBox->isEnabled());
    EXPECT_FALSE(controlsOf(mainWindow).daysLabel->isEnabled());
    EXPECT_FALSE(controlsOf(mainWindow).daysBackEdit->isEnabled());
    controlsOf(mainWindow).useDatesBox->setChecked(false);
    EXPECT_TRUE(controlsOf(mainWindow).activitiesBox->isEnabled());
    EXPECT_TRUE(controlsOf(mainWindow).daysBackEdit->isEnabled());
}

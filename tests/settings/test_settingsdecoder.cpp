// What a read of a version file changes of the settings, decoded without a
// window: the device it names, the code lists and the configuration byte.
#include "coresupport.h"
#include "settings/settingsdecoder.h"

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::test;

namespace {

using B = DownloadBox;
using F = FileNameFormat;

SettingsChange decodeOnce(const QByteArray &data, qint32 previousVersion = 0)
{
    SettingsDecoder decoder;
    return decoder.decode(data, assessVersionFile(data, previousVersion));
}

bool checked(const SettingsChange &d, B box)
{
    return d.box(box).value_or(false);
}

} // namespace

TEST(SettingsDecoder, CompleteLayoutC)
{
    const SettingsChange d = decodeOnce(exampleLayoutC());
    ASSERT_TRUE(d.device);
    EXPECT_EQ(d.device->family, Family::TQ);
    EXPECT_EQ(d.device->softwareVersion, 54);
    EXPECT_EQ(d.device->settingsLayout, Layout::C);
    EXPECT_EQ(d.daysBack, " 92");
    for (B b : kAllDownloadBoxes) {
        if (b != B::Overview && b != B::Speed4Hz) {
            EXPECT_TRUE(checked(d, b)) << int(b);
        }
    }
    EXPECT_FALSE(checked(d, B::Speed4Hz));
    EXPECT_FALSE(d.box(B::Overview)) << "the overview box is never touched";
    EXPECT_EQ(d.kordavelPlus, false);
    EXPECT_EQ(d.fileNameFormat, F::European);
    EXPECT_EQ(d.downloadStart, QDate(2020, 1, 1));
    EXPECT_EQ(d.downloadEnd, QDate(2020, 2, 1)) << "13:00 is dropped";
}

TEST(SettingsDecoder, TheDeviceEachFileNames)
{
    struct Case
    {
        const char *header;
        int length;
        Family family;
        Layout layout;
    };
    for (const Case &c : {Case{"TQ000020HEX", 21, Family::TQ, Layout::A},
                          Case{"TQ000030HEX", 25, Family::TQ, Layout::B},
                          Case{"TQ000040HEX", 80, Family::TQ, Layout::C},
                          Case{"CR000012HEX", 80, Family::CR, Layout::C},
                          Case{"TQ000030HEX", 21, Family::TQ, Layout::None}}) {
        SCOPED_TRACE(c.header);
        const SettingsChange d = decodeOnce(versionFile(c.header, c.length));
        ASSERT_TRUE(d.device);
        EXPECT_EQ(d.device->family, c.family);
        EXPECT_EQ(d.device->settingsLayout, c.layout);
        // Kordavel software before 54 takes no dates, even where the file
        // stops short of its settings; a layout C file says so itself.
        EXPECT_EQ(d.box(B::UseDates), false);
    }
}

TEST(SettingsDecoder, LayoutAHoldsFourCodesAndNoByte)
{
    const SettingsChange d =
        decodeOnce(versionFile("TQ000020HEX", 21, {{16, QByteArray::fromHex("0102FFFF03")}}));
    EXPECT_TRUE(checked(d, B::Activities));
    EXPECT_FALSE(checked(d, B::EventsFaults)) << "the list ended at the second FF";
    EXPECT_EQ(d.fileNameFormat, F::ShortNames);
    EXPECT_EQ(d.kordavelPlus, false);
    EXPECT_EQ(d.box(B::SaveCardDate), false);
}

TEST(SettingsDecoder, TheSharedCodeCouplesTheBoxesUpToVersion35)
{
    const SettingsChange b = decodeOnce(
        versionFile("TQ000030HEX", 25,
                    {{16, QByteArray::fromHex("0211FFFF")}, {24, QByteArray::fromHex("F7")}}));
    EXPECT_TRUE(checked(b, B::Speed4Hz));
    EXPECT_TRUE(checked(b, B::OtherVdoData)) << "version 30: one code for both boxes";
    EXPECT_TRUE(checked(b, B::SaveCardDate));

    EXPECT_TRUE(sharesSpeed4HzCode(35));
    EXPECT_FALSE(sharesSpeed4HzCode(36));
    const SettingsChange c =
        decodeOnce(versionFile("TQ000040HEX", 80, {{32, QByteArray::fromHex("11FFFF")}}));
    EXPECT_TRUE(checked(c, B::Speed4Hz));
    EXPECT_FALSE(checked(c, B::OtherVdoData));
    const SettingsChange all =
        decodeOnce(versionFile("TQ000040HEX", 80, {{32, QByteArray::fromHex("121911FFFF")}}));
    EXPECT_TRUE(checked(all, B::OtherVdoData));
    EXPECT_TRUE(checked(all, B::Speed168h));
    EXPECT_TRUE(checked(all, B::Speed4Hz));
}

TEST(SettingsDecoder, TheEndMarkerCarriesOverBetweenListsAndReads)
{
    // The first list ends on a single FF at offset 30; the second list's FF
    // then ends it at once.
    QByteArray d = versionFile("TQ000054HEX", 80,
                               {{16, QByteArray::fromHex("0102030405060203040506020304FF")},
                                {32, QByteArray::fromHex("FF11")}});
    SettingsDecoder decoder;
    EXPECT_FALSE(checked(decoder.decode(d, assessVersionFile(d, 0)), B::Speed4Hz));
    d[30] = char(0x02);
    EXPECT_TRUE(checked(decoder.decode(d, assessVersionFile(d, 0)), B::Speed4Hz))
        << "without the carried FF the second list goes on";

    // A read that ended on an FF ends the next read's first list at its first FF.
    const QByteArray endsOnFf = versionFile(
        "TQ000030HEX", 25, {{16, QByteArray::fromHex("02FF")}, {18, QByteArray(6, char(0xFF))}});
    const QByteArray next = versionFile("TQ000030HEX", 25, {{16, QByteArray::fromHex("FF03")}});
    SettingsDecoder carrying;
    carrying.decode(endsOnFf, assessVersionFile(endsOnFf, 0));
    EXPECT_FALSE(checked(carrying.decode(next, assessVersionFile(next, 30)), B::EventsFaults));
    EXPECT_TRUE(checked(decodeOnce(next), B::EventsFaults)) << "a fresh decoder reads on";
}

TEST(SettingsDecoder, ConfigurationBytes)
{
    struct Case
    {
        const char *hex;
        F format;
        bool kordavelPlus;
        bool saveCardDate;
    };
    for (const Case &c :
         {Case{"BF", F::European, false, false}, Case{"77", F::ShortNames, true, true},
          Case{"8F", F::DuvadoRirozo, false, false}, Case{"02", F::DuvadoRirozo, true, true}}) {
        SCOPED_TRACE(c.hex);
        const SettingsChange d =
            decodeOnce(versionFile("TQ000054HEX", 80, {{31, QByteArray::fromHex(c.hex)}}));
        EXPECT_EQ(d.fileNameFormat, c.format);
        EXPECT_EQ(d.kordavelPlus, c.kordavelPlus);
        EXPECT_EQ(checked(d, B::SaveCardDate), c.saveCardDate);
    }
}

TEST(SettingsDecoder, FilesThatShowLittleOrNothing)
{
    // A bad header shows nothing at all.
    const SettingsChange bad = decodeOnce(versionFile("TQ100054HEX", 80));
    EXPECT_FALSE(bad.device);
    EXPECT_FALSE(bad.daysBack);
    for (B b : kAllDownloadBoxes)
        EXPECT_FALSE(bad.box(b));

    // Old software and wrong lengths: the days and cleared boxes, nothing loaded.
    for (const QByteArray &file :
         {versionFile("TQ000008HEX", 21, {{16, QByteArray::fromHex("02")}}),
          versionFile("TQ000030HEX", 21, {{16, QByteArray::fromHex("02")}})}) {
        const SettingsChange d = decodeOnce(file);
        EXPECT_TRUE(d.daysBack);
        EXPECT_EQ(d.box(B::Activities), false);
        EXPECT_FALSE(d.fileNameFormat);
        EXPECT_FALSE(d.kordavelPlus);
        ASSERT_TRUE(d.device);
        EXPECT_EQ(d.device->settingsLayout, Layout::None);
    }

    // An unknown family keeps the version read before.
    const SettingsChange unknown = decodeOnce(versionFile("XY000054HEX", 80), 30);
    ASSERT_TRUE(unknown.device);
    EXPECT_EQ(unknown.device->family, Family::Unknown);
    EXPECT_EQ(unknown.device->softwareVersion, 30);
}

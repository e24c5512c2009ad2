// What a read of a version file puts on the settings controls, decoded
// without a window: layouts, versions, the code lists and the configuration
// byte.
#include "coresupport.h"
#include "settings/settingsdecoder.h"

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::test;

namespace {

using B = DownloadBox;
using F = FileNameFormat;

DecodedSettings decodeOnce(const QByteArray &data, qint32 previousVersion = 0)
{
    SettingsDecoder decoder;
    return decoder.decode(data, assessVersionFile(data, previousVersion));
}

bool checked(const DecodedSettings &d, B box)
{
    return d.box(box).checked.value_or(false);
}

} // namespace

TEST(SettingsDecoder, CompleteLayoutC)
{
    const DecodedSettings d = decodeOnce(exampleLayoutC());
    EXPECT_EQ(d.softwareVersion, 54);
    EXPECT_EQ(d.daysBack, " 92");
    for (B b : kAllDownloadBoxes) {
        if (b != B::Overview && b != B::Speed4Hz) {
            EXPECT_TRUE(checked(d, b)) << int(b);
        }
    }
    EXPECT_FALSE(checked(d, B::Speed4Hz));
    EXPECT_FALSE(d.box(B::Overview).checked) << "the overview box is never touched";
    EXPECT_EQ(d.box(B::UseDates).enabled, true);
    EXPECT_EQ(d.kordavelPlus, false);
    EXPECT_EQ(d.fileNameFormat, F::European);
    EXPECT_EQ(d.europeanFormatName, EuropeanFormatName::EuropeanVdo);
    EXPECT_EQ(d.downloadStart, QDate(2020, 1, 1));
    EXPECT_EQ(d.downloadEnd, QDate(2020, 2, 1)) << "13:00 is dropped";
}

TEST(SettingsDecoder, WhatEachLayoutAndVersionOffers)
{
    struct Case
    {
        const char *header;
        int length;
        bool vdo, speed168h, dates, allFormats;
        EuropeanFormatName european;
    };
    const EuropeanFormatName eu = EuropeanFormatName::EuropeanVdo;
    for (const Case &c :
         {Case{"TQ000016HEX", 21, false, false, false, false, EuropeanFormatName::ShortDdd},
          Case{"TQ000020HEX", 21, false, false, false, false, eu},
          Case{"TQ000027HEX", 21, false, false, false, true, eu},
          Case{"TQ000030HEX", 25, true, false, false, true, eu},
          Case{"TQ000040HEX", 80, true, true, false, true, eu},
          Case{"TQ000054HEX", 80, true, true, true, true, eu},
          Case{"CR000012HEX", 80, true, true, false, true, eu}}) {
        SCOPED_TRACE(c.header);
        const DecodedSettings d = decodeOnce(versionFile(c.header, c.length));
        EXPECT_EQ(d.box(B::OtherVdoData).enabled, c.vdo);
        EXPECT_EQ(d.box(B::Speed4Hz).enabled, c.vdo);
        EXPECT_EQ(d.box(B::Speed168h).enabled, c.speed168h);
        for (B b : {B::OtherVdoData, B::Speed168h, B::Speed4Hz})
            EXPECT_EQ(d.box(b).visible, true);
        if (QByteArray(c.header).startsWith("TQ")) {
            EXPECT_EQ(d.box(B::UseDates).enabled, c.dates);
            if (!c.dates) {
                EXPECT_EQ(d.box(B::UseDates).checked, false);
            }
        } else {
            EXPECT_FALSE(d.box(B::UseDates).enabled) << "a CR unit leaves the dates box alone";
        }
        for (F f : {F::French, F::Spanish, F::DuvadoRirozo})
            EXPECT_EQ(d.formatVisible[std::size_t(f)], c.allFormats);
        EXPECT_FALSE(d.formatVisible[std::size_t(F::European)]);
        EXPECT_EQ(d.europeanFormatName, c.european);
    }
}

TEST(SettingsDecoder, LayoutAHoldsFourCodesAndNoByte)
{
    const DecodedSettings d =
        decodeOnce(versionFile("TQ000020HEX", 21, {{16, QByteArray::fromHex("0102FFFF03")}}));
    EXPECT_TRUE(checked(d, B::Activities));
    EXPECT_FALSE(checked(d, B::EventsFaults)) << "the list ended at the second FF";
    EXPECT_EQ(d.fileNameFormat, F::ShortNames);
    EXPECT_EQ(d.kordavelPlus, false);
    EXPECT_EQ(d.box(B::SaveCardDate).checked, false);
}

TEST(SettingsDecoder, TheSharedCodeCouplesTheBoxesUpToVersion35)
{
    const DecodedSettings b = decodeOnce(
        versionFile("TQ000030HEX", 25,
                    {{16, QByteArray::fromHex("0211FFFF")}, {24, QByteArray::fromHex("F7")}}));
    EXPECT_TRUE(checked(b, B::Speed4Hz));
    EXPECT_TRUE(checked(b, B::OtherVdoData)) << "version 30: one code for both boxes";
    EXPECT_TRUE(checked(b, B::SaveCardDate));

    EXPECT_TRUE(sharesSpeed4HzCode(35));
    EXPECT_FALSE(sharesSpeed4HzCode(36));
    const DecodedSettings c =
        decodeOnce(versionFile("TQ000040HEX", 80, {{32, QByteArray::fromHex("11FFFF")}}));
    EXPECT_TRUE(checked(c, B::Speed4Hz));
    EXPECT_FALSE(checked(c, B::OtherVdoData));
    const DecodedSettings all =
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
        const DecodedSettings d =
            decodeOnce(versionFile("TQ000054HEX", 80, {{31, QByteArray::fromHex(c.hex)}}));
        EXPECT_EQ(d.fileNameFormat, c.format);
        EXPECT_EQ(d.kordavelPlus, c.kordavelPlus);
        EXPECT_EQ(checked(d, B::SaveCardDate), c.saveCardDate);
    }
}

TEST(SettingsDecoder, FilesThatShowLittleOrNothing)
{
    // A bad header shows nothing at all.
    const DecodedSettings bad = decodeOnce(versionFile("TQ100054HEX", 80));
    EXPECT_FALSE(bad.softwareVersion);
    EXPECT_FALSE(bad.daysBack);
    for (B b : kAllDownloadBoxes)
        EXPECT_FALSE(bad.box(b).checked);

    // Old software and wrong lengths: the days and cleared boxes, nothing loaded.
    for (const QByteArray &file :
         {versionFile("TQ000008HEX", 21, {{16, QByteArray::fromHex("02")}}),
          versionFile("TQ000030HEX", 21, {{16, QByteArray::fromHex("02")}})}) {
        const DecodedSettings d = decodeOnce(file);
        EXPECT_TRUE(d.daysBack);
        EXPECT_EQ(d.box(B::Activities).checked, false);
        EXPECT_FALSE(d.fileNameFormat);
        EXPECT_FALSE(d.kordavelPlus);
        EXPECT_FALSE(d.box(B::OtherVdoData).enabled);
    }

    // An unknown family keeps the version read before and hides every format.
    const DecodedSettings unknown = decodeOnce(versionFile("XY000054HEX", 80), 30);
    EXPECT_EQ(unknown.softwareVersion, 30);
    for (const std::optional<bool> &visible : unknown.formatVisible)
        EXPECT_EQ(visible, false);
    EXPECT_FALSE(unknown.europeanFormatName);
}

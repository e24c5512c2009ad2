#include "settings/devicedate.h"
#include "settings/versionfile.h"
#include "support/coresupport.h"

#include <gtest/gtest.h>

using namespace kordavel;
using kordavel::test::versionFile;

TEST(VersionHeader, CaseAndVersionField)
{
    auto id = identifyVersionFile(versionFile("tq000054hex", 80));
    EXPECT_TRUE(id.headerValid);
    EXPECT_EQ(id.family, Family::TQ);
    EXPECT_EQ(id.version, 54);
    EXPECT_FALSE(identifyVersionFile(versionFile("TQ100054HEX", 80)).headerValid)
        << "field must start 00";
    EXPECT_FALSE(identifyVersionFile(versionFile("TQ000054HEY", 80)).headerValid);
    EXPECT_FALSE(identifyVersionFile(versionFile("TQ0000X4HEX", 80)).headerValid);
    id = identifyVersionFile(versionFile("XY000054HEX", 80));
    EXPECT_TRUE(id.headerValid);
    EXPECT_EQ(id.family, Family::Unknown);
    EXPECT_EQ(id.familyCode, "XY");
}

TEST(VersionHeader, VersionFieldRoundsHalfToEvenInTheRegionalFormatGiven)
{
    const QLocale c = QLocale::c();
    const QLocale german(QLocale::German, QLocale::Germany);
    qint32 v = 0;
    ASSERT_TRUE(parseSoftwareVersion("0022.5", &v, c));
    EXPECT_EQ(v, 22);
    ASSERT_TRUE(parseSoftwareVersion("0023.5", &v, c));
    EXPECT_EQ(v, 24);
    ASSERT_TRUE(parseSoftwareVersion("00054 ", &v, c));
    EXPECT_EQ(v, 54);
    EXPECT_FALSE(parseSoftwareVersion("      ", &v, c));
    EXPECT_FALSE(parseSoftwareVersion("00x054", &v, c));
    // A German regional format writes the fraction after a comma.
    ASSERT_TRUE(parseSoftwareVersion("0023,5", &v, german));
    EXPECT_EQ(v, 24);
    // The window's language (the default locale) never changes how a device's
    // file is read.
    const QLocale system = QLocale::system();
    const QLocale window(system.language() == QLocale::German ? QLocale::English : QLocale::German);
    const bool bySystem = parseSoftwareVersion("0023,5", &v, system);
    const QLocale before;
    QLocale::setDefault(window);
    const Identification id = identifyVersionFile(versionFile("TQ0023,5HEX", 80));
    QLocale::setDefault(before);
    EXPECT_EQ(id.headerValid, bySystem) << "read in the window's language, not the system's format";
}

TEST(VersionLayout, LengthRulesPerLayout)
{
    EXPECT_EQ(selectLayout(Family::TQ, 8, 80).layout, Layout::None);
    EXPECT_EQ(selectLayout(Family::TQ, 9, 21).layout, Layout::A);
    EXPECT_TRUE(selectLayout(Family::TQ, 27, 21).lengthOk);
    EXPECT_FALSE(selectLayout(Family::TQ, 20, 22).lengthOk);
    EXPECT_EQ(selectLayout(Family::TQ, 28, 25).layout, Layout::B);
    EXPECT_FALSE(selectLayout(Family::TQ, 30, 21).lengthOk) << "layout B needs exactly 25";
    EXPECT_FALSE(selectLayout(Family::TQ, 35, 26).lengthOk);
    EXPECT_EQ(selectLayout(Family::TQ, 36, 80).layout, Layout::C);
    EXPECT_FALSE(selectLayout(Family::CR, 1, 79).lengthOk);
    EXPECT_TRUE(selectLayout(Family::CR, 1, 80).lengthOk);
    EXPECT_TRUE(selectLayout(Family::CR, 1, 200).lengthOk);
    EXPECT_EQ(selectLayout(Family::TQ, 54, 80).firstListEnd, 30);
}

TEST(VersionVerdicts, EachOutcome)
{
    EXPECT_EQ(assessVersionFile(QByteArray(20, 'T'), 0).verdict, VersionVerdict::TooShort);
    EXPECT_EQ(assessVersionFile(QByteArray(32768, 'T'), 0).verdict, VersionVerdict::TooShort);
    EXPECT_EQ(assessVersionFile(versionFile("TQ100054HEX", 80), 0).verdict,
              VersionVerdict::BadHeader);
    EXPECT_EQ(assessVersionFile(versionFile("TQ000008HEX", 80), 0).verdict,
              VersionVerdict::ConfigNotAvailable);
    EXPECT_EQ(assessVersionFile(versionFile("TQ000030HEX", 21), 0).verdict,
              VersionVerdict::WrongLength);
    const auto a = assessVersionFile(versionFile("TQ000020HEX", 21), 0);
    EXPECT_EQ(a.verdict, VersionVerdict::Accepted);
    EXPECT_EQ(a.layout.layout, Layout::A);
    EXPECT_EQ(a.configByte, 255);
    EXPECT_FALSE(a.clockEnabled);
    // An unknown family keeps the previous device's version.
    EXPECT_EQ(assessVersionFile(versionFile("XY000054HEX", 80), 0).verdict,
              VersionVerdict::ConfigNotAvailable);
    const auto kept = assessVersionFile(versionFile("XY000054HEX", 80), 40);
    EXPECT_EQ(kept.verdict, VersionVerdict::Accepted);
    EXPECT_EQ(kept.version, 40);
}

TEST(VersionFields, ConfigurationByteAndClock)
{
    const auto b = versionFile("TQ000030HEX", 25, {{24, QByteArray::fromHex("77")}});
    EXPECT_EQ(configurationByteOf(Layout::B, b), 0x77);
    EXPECT_FALSE(clockEnabledBy(Layout::B, 0x00)) << "only layout C carries the clock flag";
    EXPECT_TRUE(clockEnabledBy(Layout::C, 0x00));
    EXPECT_FALSE(clockEnabledBy(Layout::C, 0x02));

    auto v = decodeConfigurationByte(0xBF);
    EXPECT_EQ(v.fileNameFormat, FileNameFormat::European);
    EXPECT_FALSE(v.kordavelPlus);
    EXPECT_FALSE(v.saveCardDate);
    v = decodeConfigurationByte(0x77);
    EXPECT_EQ(v.fileNameFormat, FileNameFormat::ShortNames);
    EXPECT_TRUE(v.kordavelPlus);
    EXPECT_TRUE(v.saveCardDate);
    EXPECT_EQ(decodeConfigurationByte(0x8F).fileNameFormat, FileNameFormat::DuvadoRirozo);
    EXPECT_EQ(decodeConfigurationByte(0x9F).fileNameFormat, FileNameFormat::Spanish);
    EXPECT_EQ(decodeConfigurationByte(0xAF).fileNameFormat, FileNameFormat::French);
    EXPECT_EQ(decodeConfigurationByte(0xFF).fileNameFormat, FileNameFormat::ShortNames);
    EXPECT_EQ(decodeConfigurationByte(0xCF).fileNameFormat, FileNameFormat::ShortNames)
        << "format fields 4 to 7 all read as short names";
}

TEST(VersionFields, PeriodText)
{
    const auto period = [](const char *hex) {
        return periodText(versionFile("TQ000054HEX", 80, {{11, QByteArray::fromHex(hex)}}));
    };
    EXPECT_EQ(period("FFFFFFFF"), "0");
    EXPECT_EQ(period("FFFFFF7F"), " 24855");
    EXPECT_EQ(period("00000000"), " 0");
    EXPECT_EQ(period("00000080"), "-24855");
    EXPECT_EQ(period("004A7900"), " 92");
    EXPECT_EQ(period("FEFFFFFF"), " 0") << "-2 s truncates toward zero";
}

TEST(VersionFields, CodesMapToBoxes)
{
    using B = DownloadBox;
    EXPECT_EQ(boxForDownloadCode(0x01), std::nullopt) << "the overview is always requested";
    EXPECT_EQ(boxForDownloadCode(0x02), B::Activities);
    EXPECT_EQ(boxForDownloadCode(0x03), B::EventsFaults);
    EXPECT_EQ(boxForDownloadCode(0x04), B::DetailedSpeed);
    EXPECT_EQ(boxForDownloadCode(0x05), B::TechnicalData);
    EXPECT_EQ(boxForDownloadCode(0x06), B::DriverCard);
    EXPECT_EQ(boxForDownloadCode(0x07), std::nullopt);
    EXPECT_EQ(boxForDownloadCode(0x11), B::Speed4Hz);
    for (int c = 0x12; c <= 0x16; ++c)
        EXPECT_EQ(boxForDownloadCode(c), B::OtherVdoData);
    EXPECT_EQ(boxForDownloadCode(0x17), std::nullopt);
    EXPECT_EQ(boxForDownloadCode(0x19), B::Speed168h);
    EXPECT_EQ(boxForDownloadCode(0xFF), std::nullopt);
}

TEST(DeviceDates, WallClockOfACountWithoutTimeZones)
{
    const auto text = [](quint32 n) { return deviceDateTime(n).toString("yyyy-MM-dd hh:mm:ss"); };
    EXPECT_EQ(text(0x5E0BE100), "2020-01-01 00:00:00");
    EXPECT_EQ(text(0x5E357650), "2020-02-01 13:00:00");
    EXPECT_EQ(text(0xFFFFFFFF), "2106-02-07 06:28:15");
    EXPECT_EQ(text(0x00000000), "1970-01-01 00:00:00");
    EXPECT_EQ(text(0x7FFFFFFF), "2038-01-19 03:14:07");
    EXPECT_EQ(text(0x80000000), "2038-01-19 03:14:08");
    // Every count comes back as itself.
    for (quint32 n : {0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 0x65920080u})
        EXPECT_EQ(deviceSeconds(deviceDateTime(n)), n);
}

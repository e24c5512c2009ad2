// The configuration file, byte by byte.
#include "settings/devicedate.h"
#include "writer/hexfile.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kordavel;

namespace {

DeviceSettings workedExample()
{
    DeviceSettings s;
    s.fileNameFormat = FileNameFormat::European;
    s.kordavelPlus = true;
    s.daysBack = "28";
    for (DownloadBox b :
         {DownloadBox::Activities, DownloadBox::EventsFaults, DownloadBox::DetailedSpeed,
          DownloadBox::TechnicalData, DownloadBox::DriverCard})
        s.setChecked(b, true);
    s.setChecked(DownloadBox::OtherVdoData, true);
    s.setChecked(DownloadBox::UseDates, true);
    s.downloadStart = QDate(2024, 1, 1);
    s.downloadEnd = QDate(2024, 12, 31);
    return s;
}

QList<QByteArray> lines(const QByteArray &text)
{
    QList<QByteArray> l = text.split('\n');
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    for (QByteArray &x : l) {
        EXPECT_TRUE(x.endsWith('\r')) << x.constData();
        x.chop(1);
    }
    return l;
}

// Confirms the file with a tool nobody here wrote. srec_cat is a Linux tool;
// the Windows build makes the same bytes from the same code.
void expectValidIntelHex(const QByteArray &text)
{
#ifdef Q_OS_WIN
    Q_UNUSED(text);
#else
    const QString tool = QStandardPaths::findExecutable("srec_cat");
    ASSERT_FALSE(tool.isEmpty()) << "srec_cat (Debian package srecord) is needed";
    QTemporaryDir dir;
    QFile f(dir.filePath("cfg.hex"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    f.close();
    QProcess p;
    p.start(tool, {dir.filePath("cfg.hex"), "-Intel", "-o", dir.filePath("out.bin"), "-Binary"});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
#endif
}

} // namespace

TEST(ConfigByte, FromTheScreen)
{
    EXPECT_EQ(configurationByte(workedExample(), 0, false), 0x3F);
    DeviceSettings s;
    s.fileNameFormat = FileNameFormat::ShortNames;
    EXPECT_EQ(configurationByte(s, 0, false), 0xFF);
    s.setChecked(DownloadBox::SaveCardDate, true);
    EXPECT_EQ(configurationByte(s, 0, true), 0xF5);
    s.fileNameFormat = FileNameFormat::DuvadoRirozo;
    s.setChecked(DownloadBox::SaveCardDate, false);
    EXPECT_EQ(configurationByte(s, 0, false), 0x8F);
    // Nothing selected: the high bits stay; flags can only be cleared.
    s.fileNameFormat = std::nullopt;
    EXPECT_EQ(configurationByte(s, 0x20, false), 0x20);
    s.kordavelPlus = true;
    EXPECT_EQ(configurationByte(s, 0xA5, false), 0x25);
}

TEST(HexFile, WorkedTqExample)
{
    const BuildResult r = buildConfigurationFile(workedExample(), "TQ", 60, 0x3F);
    ASSERT_EQ(r.status, BuildStatus::Ok);
    EXPECT_EQ(r.fileName, "DI999000.HEX");
    EXPECT_EQ(r.text, QByteArray(":103A00003F545130303030303748455800EA2400B8\r\n"
                                 ":073A1000010203040506FF9B\r\n"
                                 ":083A2000011213141516FFFF3B\r\n"
                                 ":093A47005565920080677334009C\r\n"
                                 ":00000001FF\r\n"));
    expectValidIntelHex(r.text);
}

TEST(HexFile, CrFileDependsOnlyOnTheConfigByte)
{
    const BuildResult r = buildConfigurationFile(workedExample(), "CR", 60, 0x3F);
    ASSERT_EQ(r.status, BuildStatus::Ok);
    EXPECT_EQ(r.fileName, "ZA999000.HEX");
    EXPECT_EQ(r.text, QByteArray(":103A00023F4352303030303037484558FFFFFFFFD8\r\n"
                                 ":103A1002FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB4\r\n"
                                 ":00000001FF\r\n"));
    DeviceSettings other;
    other.daysBack = "5";
    other.setChecked(DownloadBox::Speed168h, true);
    EXPECT_EQ(buildConfigurationFile(other, "cr", 10, 0x3F).text, r.text);
}

TEST(HexFile, VdoRecordForEveryCombination)
{
    struct Case
    {
        bool speed4Hz, otherVdoData, speed168h;
        const char *data; // empty: no VDO record
    };
    const Case cases[] = {
        {false, false, false, ""},
        {false, false, true, "0119FFFF"},
        {false, true, false, "011213141516FFFF"},
        {false, true, true, "011213141516FF0119FFFF"},
        {true, false, false, "0111FF"},
        {true, false, true, "0111FF0119FFFF"},
        {true, true, false, "0111FF011213141516FFFF"},
        {true, true, true, "0111FF011213141516FF0119FFFF"},
    };
    for (const Case &c : cases) {
        DeviceSettings s = workedExample();
        s.setChecked(DownloadBox::Speed4Hz, c.speed4Hz);
        s.setChecked(DownloadBox::OtherVdoData, c.otherVdoData);
        s.setChecked(DownloadBox::Speed168h, c.speed168h);
        const BuildResult r = buildConfigurationFile(s, "TQ", 36, 0x3F);
        const QList<QByteArray> l = lines(r.text);
        const QByteArray data = QByteArray::fromHex(c.data);
        if (data.isEmpty()) {
            ASSERT_EQ(l.size(), 4);
            EXPECT_TRUE(l[2].startsWith(":093A4700")) << "the dates record is still written";
        } else {
            ASSERT_EQ(l.size(), 5);
            EXPECT_EQ(l[2], hexRecord(0x3A20, 0, data)) << c.data;
        }
        expectValidIntelHex(r.text);
    }
}

TEST(HexFile, Version35And36Split)
{
    DeviceSettings s = workedExample();
    for (DownloadBox b :
         {DownloadBox::Activities, DownloadBox::EventsFaults, DownloadBox::DetailedSpeed,
          DownloadBox::TechnicalData, DownloadBox::DriverCard})
        s.setChecked(b, false);
    QList<QByteArray> l = lines(buildConfigurationFile(s, "TQ", 35, 0x3F).text);
    ASSERT_EQ(l.size(), 3);
    EXPECT_EQ(l[1], hexRecord(0x3A10, 0, QByteArray::fromHex("0111FF")));
    l = lines(buildConfigurationFile(s, "TQ", 36, 0x3F).text);
    ASSERT_EQ(l.size(), 5);
    EXPECT_EQ(l[1], hexRecord(0x3A10, 0, QByteArray::fromHex("01FF")));
    EXPECT_EQ(l[2], hexRecord(0x3A20, 0, QByteArray::fromHex("011213141516FFFF")));
}

TEST(HexFile, DayCounts)
{
    const auto period = [](const QString &days) {
        DeviceSettings s;
        s.daysBack = days;
        const BuildResult r = buildConfigurationFile(s, "tq", 30, 0xFF);
        return r.status == BuildStatus::Ok ? lines(r.text)[0].mid(33, 8) : QByteArray("none");
    };
    EXPECT_EQ(period("7"), "803A0900");
    EXPECT_EQ(period("2.5"), "00A30200");
    EXPECT_EQ(period("3.5"), "00460500");
    EXPECT_EQ(period("24855"), "80D2FF7F");
    EXPECT_EQ(period("24856"), "none");
    EXPECT_EQ(period("-24856"), "none");
    EXPECT_EQ(period("-1"), "80AEFEFF");
    EXPECT_EQ(period(""), "FFFFFFFF");
    EXPECT_EQ(period("   "), "FFFFFFFF");
    EXPECT_EQ(period("abc"), "FFFFFFFF");
    EXPECT_EQ(period("0"), "FFFFFFFF");
    EXPECT_EQ(period(" 92"), "004A7900");
    EXPECT_EQ(period("92 days"), "004A7900");
    EXPECT_EQ(period("99999999999999999999"), "none");
}

TEST(DeviceDates, CountsOfWallClockInstantsAtTheRangeEdges)
{
    const auto count = [](QDate d, QTime t) { return deviceSeconds(QDateTime(d, t)); };
    EXPECT_EQ(count(QDate(2038, 1, 19), QTime(3, 14, 7)), 0x7FFFFFFFu);
    EXPECT_EQ(count(QDate(2038, 1, 19), QTime(3, 14, 8)), 0x80000000u);
    EXPECT_EQ(count(QDate(1970, 1, 1), QTime(0, 0)), 0u);
    EXPECT_EQ(count(QDate(2106, 2, 7), QTime(6, 28, 15)), 0xFFFFFFFFu);
    EXPECT_EQ(count(QDate(2024, 1, 1), QTime(0, 0)), 0x65920080u);
    EXPECT_EQ(count(QDate(2106, 2, 7), QTime(6, 28, 16)), std::nullopt);
    EXPECT_EQ(count(QDate(1969, 12, 31), QTime(23, 59, 59)), std::nullopt);
    // The time zone of the value given is ignored: wall clock in, wall clock out.
    EXPECT_EQ(deviceSeconds(QDateTime(QDate(2024, 7, 1), QTime(12, 0), Qt::LocalTime)),
              deviceSeconds(QDateTime(QDate(2024, 7, 1), QTime(12, 0), Qt::UTC)));
}

TEST(HexFile, DatesTheDeviceCannotHoldAreRefused)
{
    DeviceSettings s = workedExample();
    s.downloadStart = QDate(1969, 12, 31);
    BuildResult r = buildConfigurationFile(s, "TQ", 54, 0x3F);
    EXPECT_EQ(r.status, BuildStatus::DateOutOfRange);
    EXPECT_TRUE(r.problem.contains("1969-12-31"));
    EXPECT_TRUE(r.text.isEmpty());
    s.downloadStart = QDate(2024, 1, 1);
    s.downloadEnd = QDate(2106, 2, 8);
    EXPECT_EQ(buildConfigurationFile(s, "TQ", 54, 0x3F).status, BuildStatus::DateOutOfRange);
    s.downloadEnd = QDate(2106, 2, 7);
    EXPECT_EQ(buildConfigurationFile(s, "TQ", 54, 0x3F).status, BuildStatus::Ok);
    EXPECT_EQ(buildConfigurationFile(s, "TQ", 35, 0x3F).status, BuildStatus::Ok)
        << "no dates below 36";
    s.downloadEnd = QDate(2200, 1, 1);
    EXPECT_EQ(buildConfigurationFile(s, "TQ", 35, 0x3F).status, BuildStatus::Ok);
}

TEST(HexFile, UnknownFamilyBuildsNothing)
{
    EXPECT_EQ(buildConfigurationFile(workedExample(), "", 60, 0x3F).status,
              BuildStatus::UnknownFamily);
    EXPECT_EQ(buildConfigurationFile(workedExample(), "XY", 60, 0x3F).status,
              BuildStatus::UnknownFamily);
    EXPECT_EQ(buildConfigurationFile(workedExample(), "tQ", 60, 0x3F).status, BuildStatus::Ok);
}

// The user reads these in full; they name the limits the code enforces.
TEST(HexFile, RefusalsTellTheUserWhy)
{
    DeviceSettings s = workedExample();
    for (const char *days : {"24856", "-24856"}) {
        s.daysBack = days;
        const BuildResult r = buildConfigurationFile(s, "TQ", 54, 0x3F);
        EXPECT_EQ(r.status, BuildStatus::DaysOutOfRange) << days;
        EXPECT_EQ(r.problem, "The number of days must be between -24855 and 24855.") << days;
        EXPECT_TRUE(r.text.isEmpty() && r.fileName.isEmpty()) << days;
    }
    s.daysBack = "28";
    s.downloadEnd = QDate(2106, 2, 8);
    BuildResult r = buildConfigurationFile(s, "TQ", 54, 0x3F);
    EXPECT_EQ(r.problem, "The date 2106-02-08 cannot be stored in the Kordavel: dates must lie "
                         "between 1970-01-01 and 2106-02-07.");
    EXPECT_TRUE(r.text.isEmpty() && r.fileName.isEmpty());
    s.downloadStart = QDate(1969, 12, 31);
    EXPECT_EQ(buildConfigurationFile(s, "TQ", 54, 0x3F).problem,
              "The date 1969-12-31 cannot be stored in the Kordavel: dates must lie "
              "between 1970-01-01 and 2106-02-07.")
        << "the start is named first";
    r = buildConfigurationFile(workedExample(), "XY", 54, 0x3F);
    EXPECT_EQ(r.problem, "Unknown Kordavel type");
    EXPECT_TRUE(r.text.isEmpty() && r.fileName.isEmpty());
    EXPECT_TRUE(buildConfigurationFile(workedExample(), "TQ", 54, 0x3F).problem.isEmpty());
}

TEST(HexFile, ChecksumOfAZeroSum)
{
    EXPECT_EQ(hexRecord(0x0000, 0x00, QByteArray()), ":0000000000");
    EXPECT_EQ(hexRecord(0x0000, 0x01, QByteArray()), ":00000001FF");
}

// The byte tables of docs/device-files.md are what the code builds: its worked
// example and every row of its table of VDO-specific records.
TEST(HexFile, DocumentedFormatsMatchTheCode)
{
    QFile doc(QStringLiteral(KORDAVEL_DOCS_DIR "/device-files.md"));
    ASSERT_TRUE(doc.open(QIODevice::ReadOnly)) << qPrintable(doc.fileName());
    const QString text = QString::fromUtf8(doc.readAll()).replace("\r\n", "\n");

    const qsizetype at = text.indexOf("### Worked example");
    ASSERT_GE(at, 0);
    const qsizetype open = text.indexOf("```\n", at);
    const qsizetype close = text.indexOf("```", open + 4);
    ASSERT_TRUE(open > at && close > open);
    QByteArray example = text.mid(open + 4, close - open - 4).toLatin1();
    example.replace("\n", "\r\n");
    EXPECT_EQ(buildConfigurationFile(workedExample(), "TQ", 60, 0x3F).text, example);

    const QRegularExpression row(QStringLiteral("^\\| (\u2713|-) \\| (\u2713|-) \\| (\u2713|-) \\| "
                                                "(?:`([0-9A-F ]+)`|\\(no record\\)) \\|$"),
                                 QRegularExpression::MultilineOption);
    int rows = 0;
    for (auto it = row.globalMatch(text); it.hasNext(); ++rows) {
        const QRegularExpressionMatch m = it.next();
        const auto on = [&](int i) { return m.captured(i) != QLatin1String("-"); };
        DeviceSettings s = workedExample();
        s.setChecked(DownloadBox::Speed4Hz, on(1));
        s.setChecked(DownloadBox::OtherVdoData, on(2));
        s.setChecked(DownloadBox::Speed168h, on(3));
        const QList<QByteArray> l = lines(buildConfigurationFile(s, "TQ", 36, 0x3F).text);
        const QByteArray data = QByteArray::fromHex(m.captured(4).remove(' ').toLatin1());
        if (data.isEmpty())
            EXPECT_EQ(l.size(), 4) << qPrintable(m.captured(0));
        else
            EXPECT_TRUE(l.contains(hexRecord(RecordAddress::VdoCodes, kDataRecord, data)))
                << qPrintable(m.captured(0));
    }
    EXPECT_EQ(rows, 8) << "every combination of the three boxes has its row";
}

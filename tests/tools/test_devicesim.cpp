// The simulated device: its HEX reader and how it takes up a configuration file.
#include "devicesim.h"
#include "support/testsupport.h"
#include "writer/hexfile.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::sim;
using kordavel::test::readAll;
using kordavel::test::writeFile;

// srec_cat is a Linux tool; the reader is the same code on Windows.
#ifndef Q_OS_WIN
namespace {

// Intel HEX made by srec_cat from bytes placed at an address.
QByteArray srecCat(const QByteArray &bytes, int address)
{
    const QString tool = QStandardPaths::findExecutable("srec_cat");
    if (tool.isEmpty())
        return {};
    QTemporaryDir dir;
    writeFile(dir.filePath("in.bin"), bytes);
    QProcess p;
    p.start(tool, {dir.filePath("in.bin"), "-binary", "-offset", QString::number(address), "-o",
                   dir.filePath("out.hex"), "-intel"});
    p.waitForFinished(20000);
    return readAll(dir.filePath("out.hex"));
}

} // namespace

TEST(SimHexReader, ReadsFilesMadeBySrecCat)
{
    const QByteArray data = QByteArray::fromHex("010203040506FF");
    const QByteArray hex = srecCat(data, 0x3A10);
    ASSERT_FALSE(hex.isEmpty()) << "srec_cat (Debian package srecord) is needed";
    const HexParse p = parseIntelHex(hex);
    ASSERT_TRUE(p.error.isEmpty()) << qPrintable(p.error);
    QByteArray joined;
    for (const HexRecord &r : p.records) {
        EXPECT_EQ(r.address, 0x3A10 + joined.size());
        joined += r.data;
    }
    EXPECT_EQ(joined, data);
}
#endif

TEST(SimHexReader, RejectsDamagedFiles)
{
    EXPECT_EQ(parseIntelHex(":073A1000010203040506FF9C\r\n:00000001FF\r\n").error,
              "line 1: bad checksum");
    EXPECT_TRUE(
        parseIntelHex(":073A1000010203040506\r\n:00000001FF\r\n").error.contains("truncated"));
    EXPECT_EQ(parseIntelHex(":073A1000010203040506FF9B\r\n").error, "no end record");
    EXPECT_EQ(parseIntelHex("073A1000010203040506FF9B\r\n:00000001FF\r\n").error,
              "line 1: not an Intel HEX record");
    EXPECT_EQ(parseIntelHex(":0G3A1000010203040506FF9B\r\n:00000001FF\r\n").error,
              "line 1: not a hex digit");
    EXPECT_TRUE(parseIntelHex(":00000001FF\r\n").error.isEmpty());
}

TEST(SimTakeUp, RecordOutsideTheAreaIsNotTakenUp)
{
    const QByteArray version = makeVersionFile(VersionFileFields{});
    const TakeUpResult r = applyConfiguration(version, ":01300000557A\r\n:00000001FF\r\n");
    EXPECT_TRUE(r.error.contains("outside the configuration area")) << qPrintable(r.error);
}

TEST(SimTakeUp, NoRecordOverwritesTheIdentification)
{
    // Found by fuzzing: a record starting at 0x3A02 reached offsets 2-10.
    const QByteArray version = makeVersionFile(VersionFileFields{});
    const TakeUpResult r = applyConfiguration(
        version, ":103A02003F4352303030303037484558FFFFFFFFD8\r\n:00000001FF\r\n");
    ASSERT_TRUE(r.error.isEmpty()) << qPrintable(r.error);
    EXPECT_EQ(r.versionFile.left(16), version.left(16));
}

TEST(SimTakeUp, AppliesTqRecordsAtTheirOffsets)
{
    VersionFileFields s;
    s.secondCodes = QByteArray::fromHex("12FFFF");
    const QByteArray version = makeVersionFile(s);
    ASSERT_EQ(version.size(), 80);
    const QByteArray hex = ":103A00003F545130303030303748455800EA2400B8\r\n"
                           ":073A1000010203040506FF9B\r\n"
                           ":093A47005565920080677334009C\r\n"
                           ":00000001FF\r\n";
    const TakeUpResult r = applyConfiguration(version, hex);
    ASSERT_TRUE(r.error.isEmpty()) << qPrintable(r.error);
    const QByteArray d = r.versionFile;
    EXPECT_EQ(d.left(11), "TQ000054HEX") << "the device keeps its own identification";
    EXPECT_EQ(d.mid(11, 4), QByteArray::fromHex("00EA2400"));
    EXPECT_EQ(d.mid(16, 7), QByteArray::fromHex("010203040506FF"));
    EXPECT_EQ(quint8(d[31]), 0x3F);
    EXPECT_EQ(quint8(d[32]), 0xFF) << "the old second list is erased";
    EXPECT_EQ(d.mid(71, 9), QByteArray::fromHex("556592008067733400"));
}

TEST(SimTakeUp, LayoutsAAndBClipAndCrKeepsItsConfigurationByte)
{
    const QByteArray recordA = hexRecord(
        0x3A00, 0, QByteArray::fromHex("37") + "TQ000007HEX" + QByteArray::fromHex("803A0900"));
    const QByteArray recordB = hexRecord(0x3A10, 0, QByteArray::fromHex("01020304050611FF"));
    const QByteArray hex = recordA + "\r\n" + recordB + "\r\n:00000001FF\r\n";

    VersionFileFields a;
    a.version = 20;
    const QByteArray fileA = makeVersionFile(a);
    ASSERT_EQ(fileA.size(), 21);
    TakeUpResult r = applyConfiguration(fileA, hex);
    ASSERT_TRUE(r.error.isEmpty()) << qPrintable(r.error);
    EXPECT_EQ(r.versionFile.size(), 21);
    EXPECT_EQ(r.versionFile.mid(16), QByteArray::fromHex("0102030405")) << "clipped to layout A";
    EXPECT_EQ(r.versionFile.mid(11, 4), QByteArray::fromHex("803A0900"));
    EXPECT_EQ(r.versionFile.left(11), "TQ000020HEX");

    VersionFileFields b;
    b.version = 30;
    b.configByte = 0xFF;
    const QByteArray fileB = makeVersionFile(b);
    ASSERT_EQ(fileB.size(), 25);
    r = applyConfiguration(fileB, hex);
    ASSERT_TRUE(r.error.isEmpty()) << qPrintable(r.error);
    EXPECT_EQ(r.versionFile.mid(16, 8), QByteArray::fromHex("01020304050611FF"));
    EXPECT_EQ(quint8(r.versionFile[24]), 0x37);

    VersionFileFields cr;
    cr.family = "CR";
    cr.version = 12;
    cr.configByte = 0xFF;
    r = applyConfiguration(makeVersionFile(cr), ":103A00023F4352303030303037484558FFFFFFFFD8\r\n"
                                                ":103A1002FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB4\r\n"
                                                ":00000001FF\r\n");
    ASSERT_TRUE(r.error.isEmpty()) << qPrintable(r.error);
    EXPECT_EQ(quint8(r.versionFile[31]), 0x3F)
        << "the 16 FF of the code record leave the configuration byte alone";
    EXPECT_EQ(r.versionFile.left(11), "CR000012HEX");
}

TEST(SimDevice, PlugTakesUpOnlyAfterAnUnplug)
{
    QTemporaryDir dir;
    const QString dev = dir.filePath("dev");
    const QString table = dir.filePath("table");
    QString msg;
    ASSERT_TRUE(createDevice(dev, makeVersionFile(VersionFileFields{}), &msg));
    ASSERT_TRUE(plug(table, dev, "KORD", &msg));
    EXPECT_TRUE(isPlugged(table, dev));
    EXPECT_EQ(readAll(table), (dev + "/\t2\tKORD\n").toUtf8());
    writeFile(dev + "/UPDATES/DI999000.HEX",
              ":103A00003F545130303030303748455800EA2400B8\r\n:00000001FF\r\n");
    msg.clear();
    ASSERT_TRUE(plug(table, dev, "KORD", &msg));
    EXPECT_TRUE(msg.isEmpty()) << "still plugged: nothing taken up";
    ASSERT_TRUE(unplug(table, dev, &msg));
    EXPECT_FALSE(isPlugged(table, dev));
    ASSERT_TRUE(plug(table, dev, "KORD", &msg));
    EXPECT_EQ(msg, "UPDATES/DI999000.HEX taken up");
    EXPECT_EQ(quint8(readAll(dev + "/UPDATES/kordvers.ion")[31]), 0x3F);
    EXPECT_TRUE(QFile::exists(dev + "/UPDATES/DI999000.HEX"))
        << "the device leaves the file in place";

    writeFile(dev + "/UPDATES/DI999000.HEX",
              ":103A00003F545130303030303748455800EA2400B9\r\n:00000001FF\r\n");
    unplug(table, dev, &msg);
    plug(table, dev, "KORD", &msg);
    EXPECT_EQ(msg, "UPDATES/DI999000.HEX not taken up: line 1: bad checksum");
}

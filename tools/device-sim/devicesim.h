#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace kordavel::sim {

// What a simulated device holds in its version file.
struct VersionFileFields
{
    QByteArray family = "TQ";                            // two letters
    int version = 54;                                    // 0-999999
    int configByte = 0xBF;                               // configuration byte (layouts B and C)
    QByteArray period = QByteArray::fromHex("004A7900"); // offsets 11-14, little-endian seconds
    QByteArray firstCodes = QByteArray::fromHex("010203FFFF"); // first code list
    QByteArray secondCodes = QByteArray::fromHex("FFFF");      // second code list (layout C)
    bool useDates = false;
    quint32 start = 0; // seconds since 1970-01-01, wall clock
    quint32 end = 0;
};

// Layout of a device's version file: 21 bytes (A), 25 (B) or 80 (C); 0 for none.
int versionFileLength(const QByteArray &family, int version);
// Offset of the configuration byte in a version file of that length, -1 for none.
int configByteOffset(int length);

// A version file for the settings, in the layout of their family and version.
QByteArray makeVersionFile(const VersionFileFields &s);

struct HexRecord
{
    quint16 address = 0;
    quint8 type = 0;
    QByteArray data;
};

struct HexParse
{
    QList<HexRecord> records;
    QString error; // empty when the whole file is valid
};

// Reads Intel HEX text: every line ":LLAAAATT<data>CC", checksums verified,
// an end record required. Type 00 is data; the device also takes type 02
// records of other than 2 bytes as data (the DoziziveDE family writes them so).
HexParse parseIntelHex(const QByteArray &text);

struct TakeUpResult
{
    QByteArray versionFile; // the device's new version file
    QString error;          // why the file was not taken up
};

// Applies a configuration file to a version file as the device does: the
// configuration area (offsets 16-79, not the configuration byte) is erased to FF,
// the byte at 0x3A00 becomes the configuration byte, the header record's period goes to
// offsets 11-14, and the other records land at offset = address - 0x3A00 from
// offset 16 on, clipped to the layout. Family and version (offsets 0-10) are
// kept whatever a record's address.
TakeUpResult applyConfiguration(const QByteArray &versionFile, const QByteArray &hexText);

// A simulated device folder: KORDAVEL/CARD/ and UPDATES/kordvers.ion.
bool createDevice(const QString &dir, const QByteArray &versionFile, QString *error);

// Adds or removes the device's line in a drive table, rewriting the table
// atomically. Plugging a device that was unplugged with a configuration file in
// UPDATES takes that file up first (report says what happened).
bool plug(const QString &table, const QString &dir, const QString &label, QString *report);
bool unplug(const QString &table, const QString &dir, QString *error);
bool isPlugged(const QString &table, const QString &dir);

// Takes up UPDATES/DI999000.HEX (TQ) or UPDATES/ZA999000.HEX (CR) if present.
// Returns nullopt when there is none; otherwise what happened.
std::optional<QString> takeUp(const QString &dir);

} // namespace kordavel::sim

#pragma once

#include "settingcodes.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

namespace kordavel {

// The version file is where the device publishes its software version and its
// current download settings. It comes in three layouts, chosen by the family
// and software version: A (exactly 21 bytes), B (exactly 25) and C (80 bytes or
// more). docs/device-files.md has the byte tables.
inline constexpr char kVersionFilePath[] = "UPDATES/kordvers.ion";
// Shorter files carry no header; longer ones are not version files.
inline constexpr int kMinVersionFileLength = 21;
inline constexpr int kMaxVersionFileLength = 32767;

// Byte offsets in the version file.
namespace VersionOffset {
inline constexpr int FamilyCode = 0;   // 2 letters: "TQ" or "CR"
inline constexpr int VersionField = 2; // 6 characters, "00" then the version ("000054")
inline constexpr int VersionFieldLength = 6;
inline constexpr int Tag = 8;             // "HEX"
inline constexpr int Period = 11;         // 4 bytes: seconds back, little-endian
inline constexpr int FirstCodeList = 16;  // download codes up to the layout's list end
inline constexpr int ConfigByteB = 24;    // configuration byte of layout B
inline constexpr int ConfigByteC = 31;    // configuration byte of layout C
inline constexpr int SecondCodeList = 32; // layout C: VDO-specific codes up to the file's end
inline constexpr int DatesMarker = 71;    // layout C: 0x55 when the dates are used
inline constexpr int DownloadStart = 72;  // layout C: 4 bytes, seconds since 1970, big-endian
inline constexpr int DownloadEnd = 76;
} // namespace VersionOffset

// Exact lengths of layouts A and B, least length of layout C.
inline constexpr int kLayoutALength = 21;
inline constexpr int kLayoutBLength = 25;
inline constexpr int kLayoutCMinLength = 80;
// The period bytes FF FF FF FF: download everything since the last download.
inline constexpr quint32 kSinceLastDownload = 0xFFFFFFFF;
inline constexpr int kSecondsPerDay = 86400;
// Dates marker value that switches the start/end dates on.
inline constexpr quint8 kUseDatesMarker = 0x55;

// Device families by their code: TQ is the Kordavel, CR the DoziziveDE.
enum class Family { TQ, CR, Unknown };

// Family code of a version file or text: its first two characters, upper-cased.
QString familyCodeOf(const QByteArray &data);
Family familyOf(const QString &familyCode);

// Software-version field: a decimal number as numbers writes it (or as C
// does), rounded half to even. False when the text is not such a number or
// does not fit 32 bits. The device's files are read with the system's regional
// format, never with the window's language.
bool parseSoftwareVersion(const QByteArray &field, qint32 *version, const QLocale &numbers);

struct Identification
{
    QString familyCode; // first two bytes, upper-cased
    Family family = Family::Unknown;
    bool headerValid = false; // "HEX" tag, "00" prefix, numeric version field
    qint32 version = 0;       // valid for TQ and CR with a valid header
};
// Identifies a version file of at least kMinVersionFileLength bytes.
Identification identifyVersionFile(const QByteArray &data);

enum class Layout { None, A, B, C };
// The first TQ software version of each layout; older software publishes no
// settings. Every CR unit has layout C.
inline constexpr qint32 kFirstLayoutAVersion = 9;
inline constexpr qint32 kFirstLayoutBVersion = 28;
inline constexpr qint32 kFirstLayoutCVersion = 36;
struct LayoutChoice
{
    Layout layout = Layout::None;
    bool lengthOk = false;
    int firstListEnd = 0; // last offset of the first code list
};
// Layout by family and version: C for CR or version >= 36 (80 bytes or more),
// B for 28-35 (exactly 25), A for 9-27 (exactly 21), None for 8 or less.
LayoutChoice selectLayout(Family family, qint32 version, qsizetype length);

// Download period as shown in the days-back box: "0" for FF FF FF FF (since the
// last download), otherwise whole days with a blank or minus sign in front
// (" 92", "-24855").
QString periodText(const QByteArray &data);
// A day count as the days-back box shows it: a blank before a non-negative count.
QString daysText(qint32 days);

// Configuration byte of a layout: offset 24 (B), 31 (C), 255 for A, which has none.
int configurationByteOf(Layout layout, const QByteArray &data);

// The device's clock is enabled when bit 1 of a layout C configuration byte is clear.
bool clockEnabledBy(Layout layout, int configByte);

// Settings the configuration byte selects.
struct ConfigurationByteView
{
    bool saveCardDate = false;
    bool kordavelPlus = false;
    FileNameFormat fileNameFormat = FileNameFormat::ShortNames;
};
ConfigurationByteView decodeConfigurationByte(int configByte);

// Dates block of layout C (offsets 71-79).
struct DatesBlock
{
    bool useDates = false; // the marker is kUseDatesMarker
    quint32 start = 0;     // device counts (seconds), most significant byte first
    quint32 end = 0;
};
DatesBlock datesOf(const QByteArray &data);

// The whole verdict on a version file's content, in the order of the checks.
enum class VersionVerdict {
    TooShort,           // 20 bytes or fewer: rejected without a message
    BadHeader,          // message "Kordavel software version value wrong", then rejected
    ConfigNotAvailable, // version 8 or less (not CR): nothing loaded, file kept
    WrongLength,        // length does not fit the layout: rejected
    Accepted,
};
struct VersionAssessment
{
    VersionVerdict verdict = VersionVerdict::TooShort;
    Identification id;
    qint32 version = 0; // effective software version (the previous one for an unknown family)
    LayoutChoice layout;
    int configByte = 255;
    bool clockEnabled = false;
};
// previousVersion is the version of the device read before; an unknown family keeps it.
VersionAssessment assessVersionFile(const QByteArray &data, qint32 previousVersion);

} // namespace kordavel

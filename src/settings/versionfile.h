#pragma once

#include <QByteArray>
#include <QString>

namespace kordavel {

// Where the device publishes its version and settings, relative to its root.
inline constexpr char kVersionFilePath[] = "UPDATES/kordvers.ion";
// Shorter files carry no header; longer ones are not version files.
inline constexpr int kMinVersionFileLength = 21;
inline constexpr int kMaxVersionFileLength = 32767;

enum class Family { TQ, CR, Unknown };

// Family code of a version file or text: its first two characters, upper-cased.
QString familyCodeOf(const QByteArray &data);
Family familyOf(const QString &familyCode);

// Software-version field (offsets 2-7): a decimal number as the user's locale
// writes it, rounded half to even. False when the text is not such a number or
// does not fit 32 bits.
bool parseSoftwareVersion(const QByteArray &field, qint32 *version);

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
struct LayoutChoice
{
    Layout layout = Layout::None;
    bool lengthOk = false;
    int firstListEnd = 0; // last offset of the first code list
};
// Layout by family and version: C for CR or version >= 36 (80 bytes or more),
// B for 28-35 (exactly 25), A for 9-27 (exactly 21), None for 8 or less.
LayoutChoice selectLayout(Family family, qint32 version, qsizetype length);

// Download period (offsets 11-14) as shown in the days box: "0" for FF FF FF FF,
// otherwise whole days with a blank or minus sign in front (" 92", "-24855").
QString periodText(const QByteArray &data);

// Extension byte of a layout: offset 24 (B), 31 (C), 255 for A.
int extensionByteOf(Layout layout, const QByteArray &data);

// The device's clock is enabled when bit 1 of a layout C extension byte is clear.
bool clockEnabledBy(Layout layout, int extension);

// Settings the extension byte selects.
struct ExtensionView
{
    bool saveCardDate;  // Check7 checked
    int model;          // optKordavel index: 0 Kordavel, 1 Kordavel Plus
    int fileNameFormat; // Option1 index
};
ExtensionView decodeExtension(int extension);

// The check box (2-10) a download code checks, 0 for a code with no effect.
int checkBoxForCode(int code);

// Dates block of layout C (offsets 71-79).
struct DatesBlock
{
    bool useDates = false; // offset 71 is 0x55
    QString startDigits;   // offsets 72-75 as 8 upper-case hex digits
    QString endDigits;     // offsets 76-79
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
    int extension = 255;
    bool clockEnable = false;
};
// previousVersion is the version of the device read before; an unknown family keeps it.
VersionAssessment assessVersionFile(const QByteArray &data, qint32 previousVersion);

} // namespace kordavel

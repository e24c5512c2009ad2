#pragma once

#include "settings/devicesettings.h"
#include "settings/settingcodes.h"
#include "settings/versionfile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <array>
#include <optional>

namespace kordavel {

// The configuration byte to send, built on the one the device sent: the
// selected file-name format replaces the whole byte, then the flags of the
// model, the save-date box and the device's clock are cleared as they apply.
// Returns 0-255.
int configurationByte(const DeviceSettings &s, int previousByte, bool clockEnabled);

// One Intel HEX record: ":" length address type data checksum, upper case.
QByteArray hexRecord(quint16 address, quint8 type, const QByteArray &data);

// The records of a configuration file: where each lands in the device's
// settings memory. docs/device-files.md has their bytes.
namespace RecordAddress {
inline constexpr quint16 Header = 0x3A00;        // configuration byte, family, version, period
inline constexpr quint16 StandardCodes = 0x3A10; // the TREP download codes
inline constexpr quint16 VdoCodes = 0x3A20;      // groups of VDO-specific codes (software 36 on)
inline constexpr quint16 Dates = 0x3A47;         // dates marker, start, end (software 36 on)
} // namespace RecordAddress
inline constexpr quint8 kDataRecord = 0x00;
// CR units take their records with type 02.
inline constexpr quint8 kCrRecord = 0x02;
inline constexpr char kEndOfFileRecord[] = ":00000001FF";
// Layout C holds VDO codes and dates: only its devices take them.
inline constexpr qint32 kFirstVersionWithVdoRecords = kFirstLayoutCVersion;
// File names the device takes up from UPDATES.
inline constexpr char kTqConfigurationFileName[] = "DI999000.HEX";
inline constexpr char kCrConfigurationFileName[] = "ZA999000.HEX";

enum class BuildStatus { Ok, UnknownFamily, DaysOutOfRange, DateOutOfRange };
// What the user is told when the device's family is neither TQ nor CR: the
// problem of a BuildResult with status UnknownFamily.
QString unknownFamilyProblem();

// What the user is told of a date the device cannot hold (it names the range
// the device's count reaches).
QString dateOutOfRangeProblem(const QDate &day);

struct BuildResult
{
    BuildStatus status = BuildStatus::UnknownFamily;
    QString fileName; // kTqConfigurationFileName or kCrConfigurationFileName, inside UPDATES
    QByteArray text;  // whole file, CR LF after every line
    QString problem;  // why nothing can be written, for the user
};

// Builds the configuration file for a family code ("TQ"/"CR", any case),
// software version and configuration byte. Nothing is built for an unknown
// family, a day count beyond +-kMaxDaysBack or a date the device cannot hold.
BuildResult buildConfigurationFile(const DeviceSettings &s, const QString &familyCode,
                                   qint32 softwareVersion, int configByte);

} // namespace kordavel

#pragma once

#include "settings/devicesettings.h"
#include "settings/downloaditems.h"
#include "settings/settingcodes.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>
#include <optional>
#include <variant>

namespace kordavel {

class Files;

// Why the device cannot take these dates (the end before the start, a date
// beyond what its count reaches); nullopt when it can.
std::optional<QString> datesProblem(const DateRange &dates);

struct FleetStandard
{
    QString name; // free text, shown to the user; see standardNameProblem
    // What the fleet wants on every device, in one form: only settable
    // download boxes, SaveCardDate and UseDates checked; the days as
    // daysBackText writes them, within +-kMaxDaysBack; the dates set only
    // when used; a format always. The model is the unit's own hardware and
    // never part of a standard.
    DeviceSettings settings;
    // Alike when their files would be: by meaning, whatever form the
    // settings were given in (" 28" or "28" days, dates kept while unused).
    bool operator==(const FleetStandard &other) const;
};

// The standard file's identification.
inline constexpr char kFleetStandardFormat[] = "kordavel-fleet-standard";
inline constexpr int kFleetStandardVersion = 1;
// A standard file larger than this is refused unread.
inline constexpr qint64 kMaxFleetStandardBytes = qint64(64) * 1024;

// The longest name a standard may have, in Unicode code points.
inline constexpr int kMaxStandardNameLength = 100;
// Why name cannot name a standard (longer than kMaxStandardNameLength, or
// holding a control or format character or a line or paragraph separator,
// which would break the boxes, the strip and the record it is shown in), in
// one plain sentence; nullopt when it can.
std::optional<QString> standardNameProblem(const QString &name);

// Reads a standard file (UTF-8 JSON). Returns the standard, or one plain
// sentence naming what is wrong with the file. A key given twice in one
// object is wrong, however it is spelt.
std::variant<FleetStandard, QString> parseFleetStandard(const QByteArray &json);
// The standard as a file that parseFleetStandard reads back unchanged (keys
// in alphabetical order, indented).
QByteArray fleetStandardFile(const FleetStandard &standard);

// The bytes of the standard file at path through files (a link is followed),
// or why they cannot be read; a file over kMaxFleetStandardBytes is refused.
std::variant<QByteArray, QString> readFleetStandardFile(Files &files, const QString &path);
// Reads and parses the standard file at path through files (a link is
// followed); the sentence says what is wrong.
std::variant<FleetStandard, QString> loadFleetStandard(Files &files, const QString &path);
// Writes the standard to path through files in one step (a crash leaves the
// old file; a link stays and its file is replaced); false with the reason in
// problem, also for a name standardNameProblem refuses, before anything is written.
bool saveFleetStandard(Files &files, const QString &path, const FleetStandard &standard,
                       QString *problem);

} // namespace kordavel

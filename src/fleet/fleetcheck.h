#pragma once

#include "fleet/standard.h"
#include "settings/devicesettings.h"
#include "settings/settingsdecoder.h"
#include "settings/versionfile.h"

#include <QString>

#include <array>
#include <variant>
#include <vector>

namespace kordavel {

// What a device can hold of a fleet standard: what the configuration file
// stores for its family and software version, and what its version file
// reports back. It follows from the files, never from which controls are
// enabled.
struct DeviceCapabilities
{
    bool publishesSettings = false; // the version file carries settings to compare with
    std::array<bool, kDownloadBoxCount> downloads{}; // by DownloadBox, settable ones only
    bool daysBack = false;
    bool dates = false;
    bool saveCardDownloadDate = false;
    std::array<bool, kFileNameFormatCount> formats{}; // by FileNameFormat
    // The configuration byte (format, card download date) is written but the
    // version file does not report it back (layout A), so it cannot be checked.
    bool byteUnreported = false;
    // One code stands for the VDO data and the 4 Hz data (software 35 or older).
    bool vdoAnd4HzTied = false;

    bool holds(DownloadBox d) const
    {
        Q_ASSERT(isSettableDownload(d));
        return downloads[std::size_t(d)];
    }
    bool holds(FileNameFormat f) const { return formats[std::size_t(f)]; }
};

// The table by family and software version. Nothing for an unknown family
// or a Kordavel whose software publishes no settings (version 8 or older).
DeviceCapabilities capabilitiesOf(Family family, qint32 softwareVersion);

// The settings a read left on the screen, as a fleet standard names them.
// Meaningful for an accepted version file, where every field is set; fields
// a read left empty count as off (and such a device holds none of them).
DeviceSettings fleetSettingsOf(const SettingsChange &decoded);

// The settings on the screen as a standard; or, when the screen holds what a
// standard cannot (a day count out of range, dates in the wrong order), the
// sentence that says so.
std::variant<DeviceSettings, QString> fleetSettingsOf(const DeviceSettings &screen);

enum class FleetVerdict {
    Matches,       // every setting the device holds is as the standard has it
    Differs,       // at least one difference
    NotComparable, // the device publishes no settings
};

enum class CheckItemKind {
    Difference,   // counts against the match
    NotSupported, // the standard asks for what the device cannot hold
    NotReported,  // written by Configure, but the device does not report it back
    Tied,         // two settings of the standard are one on this device
};

struct CheckItem
{
    CheckItemKind kind = CheckItemKind::Difference;
    QString text; // one line for the user
};

// A device's settings against the active standard.
struct FleetCheck
{
    QString standardName;
    FleetVerdict verdict = FleetVerdict::NotComparable;
    QString summary; // the first line the user reads
    std::vector<CheckItem> items;

    int differences() const;
};

// Compares a device's settings with a standard, setting by setting, over
// what the device can hold.
FleetCheck checkAgainstStandard(const FleetStandard &standard, const DeviceSettings &device,
                                const DeviceCapabilities &capabilities);

// What applying the standard puts on the controls of a device with these
// capabilities: the settings it holds; the rest stays as read. Where the VDO
// and 4 Hz boxes are tied, only the VDO box is set and the screen's rule
// carries the other.
SettingsChange settingsForStandard(const FleetStandard &standard,
                                   const DeviceCapabilities &capabilities);

// The settings a locked standard lets Configure write: screen, with every
// setting the device holds as the standard has it (the 4 Hz box following the
// VDO box where the two are tied), whatever the screen shows.
DeviceSettings withStandardEnforced(const FleetStandard &standard,
                                    const DeviceCapabilities &capabilities, DeviceSettings screen);

// What the fleet strip says: the check's summary and its lines, notes after
// differences, and whether the standard is on the screen for Configure to
// write; before any device is read, that the standard is active.
QString fleetReportText(const QString &standardName, const std::optional<FleetCheck> &check,
                        bool applied);

} // namespace kordavel

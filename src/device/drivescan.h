#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kordavel {

class Drives;
class Files;

// Folder by which a removable drive is recognised as a Kordavel device.
inline constexpr char kDeviceFolder[] = "KORDAVEL/CARD/";

// The drive roots in the platform's order, or nullopt when they cannot be listed.
std::optional<QStringList> listDriveRoots(Drives &drives);

// The kind text of the only drives the scan looks into.
inline constexpr char kRemovableDriveText[] = "Removable drive";

// Text for the kind of a root ("Removable drive", "Hard drive; can not be removed", ...).
// Kind 2 on a root starting with "a" or "b" is a floppy drive; unknown kinds give "".
QString driveKindText(Drives &drives, const QString &root);
QString textForDriveKind(int kind, const QString &root);

// Volume label of a drive. A bare letter becomes a root ("E" -> "E:\"), "E:" gets
// its separator; drive is rewritten in place as that happens. A failing label
// query gives "(No name)   "; an unlabelled volume gives "".
QString volumeLabel(Drives &drives, QString &drive);

// True when root + KORDAVEL/CARD/ exists as a folder (names matched without regard to case).
bool hasDeviceFolder(Files &files, const QString &root);

// The log row of a removable drive: root TAB label TAB kind text.
QString driveRow(Drives &drives, QString &root, const QString &kindText);

// Result of one scan; roots and deviceIndex persist between scans.
struct DriveScan
{
    QStringList roots;      // every drive root, removable or not
    qint32 deviceIndex = 0; // index in roots of the device found last
    bool holdsDevice() const { return deviceIndex >= 0 && deviceIndex < roots.size(); }
};

// Lists the drives into scan.roots, writes one row per removable drive into
// log (which it empties first), counts the removable drives holding the device
// folder into count and points scan.deviceIndex at the last of them. A scan that
// finds no device leaves deviceIndex unchanged.
void scanForDevices(Drives &drives, Files &files, DriveScan &scan, qint32 &count, QStringList &log);

} // namespace kordavel

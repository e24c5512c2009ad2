#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kordavel {

class Drives;
class Files;

// Folder by which a removable drive is recognised as a Kordavel device.
inline constexpr char kDeviceFolder[] = "KORDAVEL/CARD/";

// Text for the kind of a root ("Removable drive", "Hard drive; can not be removed", ...).
// Kind 2 on a root starting with "a" or "b" is a floppy drive; unknown kinds give "".
QString textForDriveKind(int kind, const QString &root);

// True for the only drives the search looks into: removable ones, except a
// removable drive whose root starts with a lower-case "a" or "b", which counts
// as a floppy drive.
bool isSearchedDrive(int kind, const QString &root);

// Volume label of a drive: a bare letter is completed to a root for the
// query ("E" -> "E:\", "E:" -> "E:\"). A failing label query gives
// "(No name)   "; an unlabelled volume gives "".
QString volumeLabel(Drives &drives, const QString &drive);

// True when root + KORDAVEL/CARD/ exists as a folder (names matched without regard to case).
bool hasDeviceFolder(Files &files, const QString &root);

// What one search over the drives found.
struct DeviceSearch
{
    QStringList roots;      // every drive root, removable or not; empty without a drive list
    QStringList log;        // one row per removable drive examined
    qint32 deviceCount = 0; // removable drives holding the device folder
    std::optional<QString> deviceRoot; // the last device found; nullopt for none
    // Rows of log up to and including the first device's; all of them without one.
    qsizetype rowsToFirstDevice = 0;
};

// Lists the drives and looks into every removable one for the device folder.
DeviceSearch searchForDevices(Drives &drives, Files &files);

// The drives as the poll tick last saw them.
struct DriveScan
{
    QStringList roots; // every drive root, removable or not
    // Root of the last device the scan found; nullopt when it found none, so
    // nothing acts on a drive that is not the device.
    std::optional<QString> deviceRoot;
};

// The tick's scan: searches every drive, stores the roots and the last device
// found in scan, the rows in log and the number of devices in count.
void scanForDevices(Drives &drives, Files &files, DriveScan &scan, qint32 &count, QStringList &log);

} // namespace kordavel

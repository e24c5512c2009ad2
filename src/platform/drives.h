#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace kordavel {

// Drive kinds as numbered by Windows' drive-type query (GetDriveTypeW).
enum DriveKind : int {
    KindUnknown = 0,   // kind cannot be determined
    KindNoRoot = 1,    // root path invalid
    KindRemovable = 2, // removable medium (USB stick, SD card)
    KindFixed = 3,     // fixed disk
    KindRemote = 4,    // network drive
    KindOptical = 5,   // CD or DVD
    KindRamDisk = 6,   // RAM disk
};

// The computer's drives. Roots end with the platform's path separator so that
// relative paths can be appended directly.
class Drives
{
public:
    virtual ~Drives() = default;
    // Ordered drive roots, or nullopt when the list cannot be obtained.
    virtual std::optional<QStringList> roots() = 0;
    // Kind 0-6 of a root; 1 for a root that is not (or no longer) a drive.
    virtual int kind(const QString &root) = 0;
    // Volume label of a root: empty for an unlabelled volume, nullopt when the
    // query fails (no medium, unknown root).
    virtual std::optional<QString> label(const QString &root) = 0;
    // Kernel names of removable volumes that hold a file system but are not
    // mounted, so they are no drive yet ("sdb1"). Empty where the platform
    // mounts every medium itself.
    virtual QStringList unmountedRemovables() { return {}; }
};

// The operating system's own drives (one backend per platform).
std::unique_ptr<Drives> makeOsDrives();

} // namespace kordavel

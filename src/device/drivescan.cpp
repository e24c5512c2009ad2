#include "drivescan.h"

#include "platform/drives.h"
#include "platform/files.h"

namespace kordavel {

namespace {
bool isFloppyRoot(const QString &root)
{
    return root.startsWith(QLatin1Char('a')) || root.startsWith(QLatin1Char('b'));
}
} // namespace

QString textForDriveKind(int kind, const QString &root)
{
    switch (kind) {
    case KindUnknown:
        return QStringLiteral("The drive type cannot be determined");
    case KindNoRoot:
        return QStringLiteral("The root directory does not exist");
    case KindRemovable:
        return isFloppyRoot(root) ? QStringLiteral("Floppy drive")
                                  : QStringLiteral("Removable drive");
    case KindFixed:
        return QStringLiteral("Hard drive; can not be removed");
    case KindRemote:
        return QStringLiteral("Remote (network) drive");
    case KindOptical:
        return QStringLiteral("Optical drive (CD or DVD)");
    case KindRamDisk:
        return QStringLiteral("RAM disk");
    default:
        return QString();
    }
}

bool isSearchedDrive(int kind, const QString &root)
{
    return kind == KindRemovable && !isFloppyRoot(root);
}

QString volumeLabel(Drives &drives, const QString &drive)
{
    // Windows-style shorthands; real roots from the drive list already end in a separator.
    QString root = drive;
    if (root.size() == 1)
        root += QStringLiteral(":\\");
    if (root.size() == 2 && root.endsWith(QLatin1Char(':')))
        root += QLatin1Char('\\');
    const std::optional<QString> label = drives.label(root);
    if (!label)
        return QStringLiteral("(No name)   ");
    const qsizetype nul = label->indexOf(QChar(0));
    return nul < 0 ? *label : label->left(nul);
}

bool hasDeviceFolder(Files &files, const QString &root)
{
    const QString path = files.resolve(root, QString::fromLatin1(kDeviceFolder));
    return !path.isEmpty() && files.isDir(path);
}

namespace {
// The log row of a removable drive: root TAB label TAB kind text.
QString driveRow(Drives &drives, const QString &root)
{
    return root + QLatin1Char('\t') + volumeLabel(drives, root) + QLatin1Char('\t') +
           textForDriveKind(KindRemovable, root);
}
} // namespace

DeviceSearch searchForDevices(Drives &drives, Files &files)
{
    DeviceSearch found;
    found.roots = drives.roots().value_or(QStringList());
    for (qsizetype i = 0; i < found.roots.size(); ++i) {
        const QString &root = found.roots[i];
        if (!isSearchedDrive(drives.kind(root), root))
            continue;
        found.log.append(driveRow(drives, root));
        if (!hasDeviceFolder(files, root))
            continue;
        if (++found.deviceCount == 1)
            found.rowsToFirstDevice = found.log.size();
        found.deviceRoot = root;
    }
    if (found.deviceCount == 0)
        found.rowsToFirstDevice = found.log.size();
    return found;
}

void scanForDevices(Drives &drives, Files &files, DriveScan &scan, qint32 &count, QStringList &log)
{
    DeviceSearch found = searchForDevices(drives, files);
    scan.roots = std::move(found.roots);
    scan.deviceRoot = std::move(found.deviceRoot);
    count = found.deviceCount;
    log = std::move(found.log);
}

} // namespace kordavel

#include "drivescan.h"

#include "platform/drives.h"
#include "platform/files.h"

namespace kordavel {

std::optional<QStringList> listDriveRoots(Drives &drives)
{
    return drives.roots();
}

QString textForDriveKind(int kind, const QString &root)
{
    switch (kind) {
    case KindUnknown:
        return QStringLiteral("The drive type cannot be determined");
    case KindNoRoot:
        return QStringLiteral("The root directory does not exist");
    case KindRemovable:
        if (root.startsWith(QLatin1Char('a')) || root.startsWith(QLatin1Char('b')))
            return QStringLiteral("Floppy drive");
        return QLatin1String(kRemovableDriveText);
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

QString driveKindText(Drives &drives, const QString &root)
{
    return textForDriveKind(drives.kind(root), root);
}

QString volumeLabel(Drives &drives, QString &drive)
{
    // Windows-style shorthands; real roots from the drive list already end in a separator.
    if (drive.size() == 1)
        drive += QStringLiteral(":\\");
    if (drive.size() == 2 && drive.endsWith(QLatin1Char(':')))
        drive += QLatin1Char('\\');
    const std::optional<QString> label = drives.label(drive);
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

QString driveRow(Drives &drives, QString &root, const QString &kindText)
{
    const QString label = volumeLabel(drives, root);
    return root + QLatin1Char('\t') + label + QLatin1Char('\t') + kindText;
}

void scanForDevices(Drives &drives, Files &files, DriveScan &scan, qint32 &count, QStringList &log)
{
    scan.roots = listDriveRoots(drives).value_or(QStringList());
    log.clear();
    count = 0;
    for (qsizetype i = 0; i < scan.roots.size(); ++i) {
        const QString kindText = driveKindText(drives, scan.roots[i]);
        if (kindText != QLatin1String(kRemovableDriveText))
            continue;
        log.append(driveRow(drives, scan.roots[i], kindText));
        if (hasDeviceFolder(files, scan.roots[i])) {
            ++count;
            scan.deviceIndex = qint32(i);
        }
    }
}

} // namespace kordavel

#include "drivescan.h"

#include "platform/drives.h"
#include "platform/files.h"

namespace kordavel {

std::optional<QStringList> DriveStrings(Drives &drives)
{
    return drives.roots();
}

QString DriveTypeTextForKind(int kind, const QString &root)
{
    switch (kind) {
    case KindUnknown:
        return QStringLiteral("The drive type cannot be determined");
    case KindNoRoot:
        return QStringLiteral("The root directory does not exist");
    case KindRemovable:
        if (root.startsWith(QLatin1Char('a')) || root.startsWith(QLatin1Char('b')))
            return QStringLiteral("Floppy drive");
        return QStringLiteral("Removable drive");
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

QString DriveTypeText(Drives &drives, const QString &root)
{
    return DriveTypeTextForKind(drives.kind(root), root);
}

QString VolumeName(Drives &drives, QString &drive)
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
    const QString label = VolumeName(drives, root);
    return root + QLatin1Char('\t') + label + QLatin1Char('\t') + kindText;
}

void ScanKordavelDrives(Drives &drives, Files &files, DriveScan &scan, qint32 &count,
                        QStringList &log)
{
    scan.aDrives = DriveStrings(drives).value_or(QStringList());
    log.clear();
    count = 0;
    for (qsizetype i = 0; i < scan.aDrives.size(); ++i) {
        const QString kindText = DriveTypeText(drives, scan.aDrives[i]);
        if (kindText != QLatin1String("Removable drive"))
            continue;
        log.append(driveRow(drives, scan.aDrives[i], kindText));
        if (hasDeviceFolder(files, scan.aDrives[i])) {
            ++count;
            scan.lDriveIndex = qint32(i);
        }
    }
}

} // namespace kordavel

#pragma once

#include "drives.h"

#include <QByteArray>
#include <QList>

namespace kordavel {

// One mount from /proc/self/mountinfo.
struct MountEntry
{
    int major = 0;
    int minor = 0;
    QString mountPoint; // unescaped, without trailing '/' (except "/")
    QString fsType;
    QString source;
};

// Parses mountinfo text; malformed lines are skipped. Octal escapes such as
// "\040" in the mount point come out as the real characters.
QList<MountEntry> parseMountInfo(const QByteArray &text);

// Decodes the \ooo escapes the kernel writes into mountinfo paths.
QString unescapeMountField(const QByteArray &field);

// Decodes the \xHH escapes udev writes into /dev/disk/by-label link names.
QString unescapeUdevLabel(const QByteArray &name);

// How a mount counts before its block device is looked at.
enum class MountClass { Skip, Block, Network, Ram };
MountClass classifyMount(const MountEntry &m);

// Kind of a block disk from its sysfs facts. diskName is the whole disk ("sdb",
// "sr0"), devicePath the resolved sysfs path of the disk, removable the content
// of its "removable" attribute (-1 when unreadable).
int blockDiskKind(const QString &diskName, const QString &devicePath, int removable);

// Drives of a Linux system: mount points of mountinfo in its order, classified
// through sysfs, labelled through udev's by-label links. Reads only small
// pseudo files; never spawns a process or touches the mounted file systems.
class LinuxDrives : public Drives
{
public:
    explicit LinuxDrives(QString procRoot = QStringLiteral("/proc"),
                         QString sysRoot = QStringLiteral("/sys"),
                         QString devRoot = QStringLiteral("/dev"));
    ~LinuxDrives() override;
    LinuxDrives(const LinuxDrives &) = delete;
    LinuxDrives &operator=(const LinuxDrives &) = delete;
    std::optional<QStringList> roots() override;
    int kind(const QString &root) override;
    std::optional<QString> label(const QString &root) override;
    QStringList unmountedRemovables() override;

private:
    struct Mount
    {
        QString root;
        MountClass cls;
        int kind;
        QString blockName; // kernel name of the mounted block device ("sdb1")
        std::optional<std::optional<QString>> label; // looked up once per mount
    };
    void refresh();
    bool mountTableUnchanged();
    QByteArray readMountTable();
    Mount *find(const QString &root);
    std::optional<QString> lookUpLabel(const QString &blockName) const;
    int resolveBlockKind(const MountEntry &m, QString *blockName) const;

    QString m_proc;
    QString m_sys;
    QString m_dev;
    QList<Mount> m_mounts;
    QStringList m_mountedBlocks; // kernel names of every mounted block device
    QByteArray m_lastText;
    bool m_valid = false;
    // mountinfo kept open: on procfs the kernel reports every change of the
    // mount table to poll() (POLLPRI), so an unchanged table is not read again.
    int m_mountFd = -1;
    bool m_kernelReportsChanges = false;
};

} // namespace kordavel

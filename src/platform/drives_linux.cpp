#include "drives_linux.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace kordavel {

namespace {

// File systems that live on another machine.
bool isNetworkFs(const QString &t)
{
    static const QStringList kinds = {
        QStringLiteral("nfs"),
        QStringLiteral("nfs4"),
        QStringLiteral("cifs"),
        QStringLiteral("smb3"),
        QStringLiteral("smbfs"),
        QStringLiteral("ncpfs"),
        QStringLiteral("afs"),
        QStringLiteral("ceph"),
        QStringLiteral("glusterfs"),
        QStringLiteral("9p"),
        QStringLiteral("davfs"),
        QStringLiteral("fuse.sshfs"),
        QStringLiteral("fuse.rclone"),
        QStringLiteral("fuse.glusterfs"),
        QStringLiteral("fuse.davfs"),
        QStringLiteral("fuse.s3fs"),
        QStringLiteral("fuse.gvfsd-fuse"),
    };
    return kinds.contains(t);
}

QByteArray readSmallFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    // The pseudo files read here are small; the cap guards against surprises.
    return f.read(1 << 20);
}

// Kind of the disk holding a block device, from its resolved sysfs path.
int sysfsBlockKind(const QString &devicePath)
{
    // A partition's parent directory is its disk.
    const QString disk = QFileInfo::exists(devicePath + QStringLiteral("/partition"))
                             ? QFileInfo(devicePath).absolutePath()
                             : devicePath;
    bool ok = false;
    int removable = readSmallFile(disk + QStringLiteral("/removable")).trimmed().toInt(&ok);
    if (!ok)
        removable = -1;
    return blockDiskKind(QFileInfo(disk).fileName(), disk, removable);
}

} // namespace

QString unescapeMountField(const QByteArray &field)
{
    QByteArray out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\\' && i + 3 < field.size()) {
            const QByteArray oct = field.mid(i + 1, 3);
            bool ok = oct.size() == 3;
            for (char d : oct)
                ok = ok && d >= '0' && d <= '7';
            if (ok) {
                out.append(char(oct.toInt(nullptr, 8)));
                i += 3;
                continue;
            }
        }
        out.append(c);
    }
    return QString::fromUtf8(out);
}

QString unescapeUdevLabel(const QByteArray &name)
{
    QByteArray out;
    out.reserve(name.size());
    for (int i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x') {
            bool ok = false;
            const int v = name.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                out.append(char(v));
                i += 3;
                continue;
            }
        }
        out.append(name[i]);
    }
    return QString::fromUtf8(out);
}

QList<MountEntry> parseMountInfo(const QByteArray &text)
{
    QList<MountEntry> out;
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        // id parent major:minor root mountpoint options [optional...] - fstype source superopts
        const int dash = f.indexOf("-", 6);
        if (f.size() < 10 || dash < 0 || dash + 2 >= f.size())
            continue;
        const QList<QByteArray> mm = f[2].split(':');
        if (mm.size() != 2)
            continue;
        bool ok1 = false;
        bool ok2 = false;
        MountEntry e;
        e.major = mm[0].toInt(&ok1);
        e.minor = mm[1].toInt(&ok2);
        if (!ok1 || !ok2)
            continue;
        e.mountPoint = unescapeMountField(f[4]);
        e.fsType = unescapeMountField(f[dash + 1]);
        e.source = unescapeMountField(f[dash + 2]);
        if (!e.mountPoint.startsWith(QLatin1Char('/')))
            continue;
        out.append(e);
    }
    return out;
}

MountClass classifyMount(const MountEntry &m)
{
    if (isNetworkFs(m.fsType))
        return MountClass::Network;
    if (m.fsType == QLatin1String("tmpfs") || m.fsType == QLatin1String("ramfs"))
        return MountClass::Ram;
    if (m.major != 0)
        return MountClass::Block;
    // FUSE block file systems (ntfs-3g, exfat-fuse) carry an anonymous device
    // number; their source still names the block device.
    if (m.fsType == QLatin1String("fuseblk") && m.source.startsWith(QLatin1String("/dev/")))
        return MountClass::Block;
    return MountClass::Skip;
}

int blockDiskKind(const QString &diskName, const QString &devicePath, int removable)
{
    if (diskName.startsWith(QLatin1String("sr")))
        return KindOptical;
    if (diskName.startsWith(QLatin1String("ram")) || diskName.startsWith(QLatin1String("zram")) ||
        diskName.startsWith(QLatin1String("brd")))
        return KindRamDisk;
    if (diskName.startsWith(QLatin1String("loop")))
        return KindFixed;
    if (removable == 1)
        return KindRemovable;
    // Many USB bridges and SD readers report removable=0 on Linux although the
    // medium is what users (and Windows) call a removable drive.
    if (devicePath.contains(QLatin1String("/usb")) ||
        devicePath.contains(QLatin1String("/mmc_host/")))
        return KindRemovable;
    if (removable < 0 && devicePath.isEmpty())
        return KindUnknown;
    return KindFixed;
}

LinuxDrives::LinuxDrives(QString procRoot, QString sysRoot, QString devRoot)
    : m_proc(std::move(procRoot)), m_sys(std::move(sysRoot)), m_dev(std::move(devRoot))
{}

LinuxDrives::~LinuxDrives()
{
    if (m_mountFd >= 0)
        ::close(m_mountFd);
}

bool LinuxDrives::mountTableUnchanged()
{
    if (!m_valid || !m_kernelReportsChanges)
        return false;
    // The poll takes the report: a change after it shows in the read that
    // follows or is reported again, so none is missed.
    pollfd p{m_mountFd, POLLPRI, 0};
    return ::poll(&p, 1, 0) == 0;
}

QByteArray LinuxDrives::readMountTable()
{
    constexpr long kProcSuperMagic = 0x9fa0;
    if (m_mountFd < 0) {
        m_mountFd =
            ::open(QFile::encodeName(m_proc + QStringLiteral("/self/mountinfo")).constData(),
                   O_RDONLY | O_CLOEXEC);
        if (m_mountFd < 0)
            return {};
        struct statfs fs
        {
        };
        m_kernelReportsChanges = ::fstatfs(m_mountFd, &fs) == 0 && fs.f_type == kProcSuperMagic;
    }
    // mountinfo reports size 0; read it from the start to the end.
    QByteArray text;
    if (::lseek(m_mountFd, 0, SEEK_SET) != 0) {
        ::close(m_mountFd);
        m_mountFd = -1;
        return {};
    }
    char chunk[16384];
    for (;;) {
        const ssize_t n = ::read(m_mountFd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(m_mountFd);
            m_mountFd = -1;
            return {};
        }
        if (n == 0)
            break;
        text.append(chunk, n);
    }
    return text;
}

int LinuxDrives::resolveBlockKind(const MountEntry &m, QString *blockName) const
{
    QString link;
    if (m.major != 0) {
        link = m_sys + QStringLiteral("/dev/block/%1:%2").arg(m.major).arg(m.minor);
    } else {
        link = m_sys + QStringLiteral("/class/block/") + QFileInfo(m.source).fileName();
    }
    const QString dev = QFileInfo(link).canonicalFilePath();
    if (dev.isEmpty())
        return KindUnknown;
    *blockName = QFileInfo(dev).fileName();
    return sysfsBlockKind(dev);
}

void LinuxDrives::refresh()
{
    if (mountTableUnchanged())
        return; // the kernel says so: the last classification stands
    const QByteArray text = readMountTable();
    if (m_mountFd < 0) {
        m_valid = false;
        m_mounts.clear();
        m_lastText.clear();
        return;
    }
    if (m_valid && text == m_lastText)
        return; // unchanged since the last tick: keep the classification
    m_lastText = text;
    m_valid = true;
    m_mounts.clear();
    m_mountedBlocks.clear();
    for (const MountEntry &e : parseMountInfo(text)) {
        const MountClass cls = classifyMount(e);
        if (cls == MountClass::Skip)
            continue;
        Mount m;
        m.cls = cls;
        m.root = e.mountPoint.endsWith(QLatin1Char('/')) ? e.mountPoint
                                                         : e.mountPoint + QLatin1Char('/');
        switch (cls) {
        case MountClass::Network:
            m.kind = KindRemote;
            break;
        case MountClass::Ram:
            m.kind = KindRamDisk;
            break;
        default:
            m.kind = resolveBlockKind(e, &m.blockName);
            m_mountedBlocks.append(m.blockName);
            break;
        }
        // A later mount on the same point hides the earlier one.
        for (int i = 0; i < m_mounts.size(); ++i) {
            if (m_mounts[i].root == m.root) {
                m_mounts.removeAt(i);
                break;
            }
        }
        m_mounts.append(m);
    }
}

LinuxDrives::Mount *LinuxDrives::find(const QString &root)
{
    if (!m_valid)
        refresh();
    for (Mount &m : m_mounts)
        if (m.root == root)
            return &m;
    return nullptr;
}

std::optional<QStringList> LinuxDrives::roots()
{
    refresh();
    if (!m_valid)
        return std::nullopt;
    QStringList out;
    out.reserve(m_mounts.size());
    for (const Mount &m : m_mounts)
        out.append(m.root);
    return out;
}

int LinuxDrives::kind(const QString &root)
{
    const Mount *m = find(root);
    return m ? m->kind : KindNoRoot;
}

std::optional<QString> LinuxDrives::label(const QString &root)
{
    Mount *m = find(root);
    if (!m)
        return std::nullopt;
    if (m->cls != MountClass::Block)
        return QString();
    // udev names the volume before it is mounted; a label is looked up once per
    // mount rather than on every tick.
    if (!m->label)
        m->label = lookUpLabel(m->blockName);
    return *m->label;
}

std::optional<QString> LinuxDrives::lookUpLabel(const QString &blockName) const
{
    if (blockName.isEmpty())
        return std::nullopt;
    QDir dir(m_dev + QStringLiteral("/disk/by-label"));
    const QStringList links = dir.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    for (const QString &name : links) {
        const QString target = QFileInfo(dir.filePath(name)).symLinkTarget();
        if (QFileInfo(target).fileName() == blockName)
            return unescapeUdevLabel(QFile::encodeName(name));
    }
    return QString(); // no link: an unlabelled volume
}

QStringList LinuxDrives::unmountedRemovables()
{
    // The drive list of this tick has just been read; no need to read it again.
    if (!m_valid)
        refresh();
    // udev links a volume by UUID only when it has found a file system on it.
    QStringList withFileSystem;
    const QDir byUuid(m_dev + QStringLiteral("/disk/by-uuid"));
    for (const QString &name : byUuid.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
        withFileSystem.append(
            QFileInfo(QFileInfo(byUuid.filePath(name)).symLinkTarget()).fileName());
    QStringList out;
    for (const QString &name : withFileSystem) {
        if (name.isEmpty() || m_mountedBlocks.contains(name) || out.contains(name))
            continue;
        const QString dev =
            QFileInfo(m_sys + QStringLiteral("/class/block/") + name).canonicalFilePath();
        if (dev.isEmpty())
            continue;
        if (sysfsBlockKind(dev) == KindRemovable)
            out.append(name);
    }
    return out;
}

} // namespace kordavel

#include "platform/drives_linux.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

using namespace kordavel;
using kordavel::test::writeFile;

namespace {

// A fake /proc, /sys and /dev with one machine's worth of mounts.
class LinuxFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString sys = dir.path() + QStringLiteral("/sys");
        // sda: fixed SATA disk, sdb: USB stick that says removable=0, sr0: optical,
        // mmcblk0: SD card, zram0, loop0.
        disk(QStringLiteral(
                 "devices/pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda"),
             0, {"sda2"});
        disk(QStringLiteral("devices/pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/"
                            "6:0:0:0/block/sdb"),
             0, {"sdb1"});
        disk(QStringLiteral(
                 "devices/pci0000:00/0000:00:17.0/ata2/host1/target1:0:0/1:0:0:0/block/sr0"),
             1, {});
        disk(QStringLiteral("devices/platform/soc/mmc_host/mmc0/mmc0:0001/block/mmcblk0"), 0,
             {"mmcblk0p1"});
        disk(QStringLiteral("devices/virtual/block/zram0"), 0, {});
        disk(QStringLiteral("devices/virtual/block/loop0"), 0, {});
        link(QStringLiteral("dev/block/8:2"), QStringLiteral("sda/sda2"));
        link(QStringLiteral("dev/block/8:17"), QStringLiteral("sdb/sdb1"));
        link(QStringLiteral("dev/block/11:0"), QStringLiteral("sr0"));
        link(QStringLiteral("dev/block/179:1"), QStringLiteral("mmcblk0/mmcblk0p1"));
        link(QStringLiteral("dev/block/252:0"), QStringLiteral("zram0"));
        link(QStringLiteral("dev/block/7:0"), QStringLiteral("loop0"));
        QDir().mkpath(dir.path() + QStringLiteral("/dev/disk/by-label"));
        QFile::link(QStringLiteral("../../sdb1"),
                    dir.path() + QStringLiteral("/dev/disk/by-label/KORD\\x20DEV"));
        QFile::link(QStringLiteral("../../sda2"),
                    dir.path() + QStringLiteral("/dev/disk/by-label/root"));
        Q_UNUSED(sys);
    }

    void disk(const QString &path, int removable, const QStringList &parts)
    {
        const QString full = dir.path() + QStringLiteral("/sys/") + path;
        writeFile(full + QStringLiteral("/removable"), QByteArray::number(removable) + '\n');
        for (const QString &p : parts)
            writeFile(full + QLatin1Char('/') + p + QStringLiteral("/partition"), "1\n");
        paths.insert(full.section(QLatin1Char('/'), -1), full);
    }

    void link(const QString &at, const QString &to)
    {
        const QString name = to.section(QLatin1Char('/'), 0, 0);
        const QString target =
            paths.value(name) + (to.contains(QLatin1Char('/'))
                                     ? QLatin1Char('/') + to.section(QLatin1Char('/'), 1)
                                     : QString());
        const QString linkPath = dir.path() + QStringLiteral("/sys/") + at;
        QDir().mkpath(linkPath.section(QLatin1Char('/'), 0, -2));
        QFile::link(target, linkPath);
    }

    void mountinfo(const QByteArray &text)
    {
        writeFile(dir.path() + QStringLiteral("/proc/self/mountinfo"), text);
    }

    LinuxDrives drives()
    {
        return LinuxDrives(dir.path() + QStringLiteral("/proc"),
                           dir.path() + QStringLiteral("/sys"),
                           dir.path() + QStringLiteral("/dev"));
    }

    QTemporaryDir dir;
    QMap<QString, QString> paths;
};

const QByteArray kMounts =
    "22 1 0:21 / /proc rw,nosuid shared:12 - proc proc rw\n"
    "23 1 0:22 / /sys rw shared:2 - sysfs sysfs rw\n"
    "26 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
    "27 26 0:23 / /dev/pts rw - devpts devpts rw\n"
    "28 26 0:24 / /run rw,nosuid shared:5 - tmpfs tmpfs rw,size=1600k\n"
    "29 26 0:25 / /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n"
    "40 26 8:17 / /media/user/KORD\\040DEV rw,nosuid,nodev shared:300 - vfat /dev/sdb1 rw\n"
    "41 26 11:0 / /media/cdrom ro - iso9660 /dev/sr0 ro\n"
    "42 26 0:50 / /mnt/share rw - nfs4 server:/export rw\n"
    "43 26 179:1 / /media/user/SDCARD rw - exfat /dev/mmcblk0p1 rw\n"
    "44 26 252:0 / /var/cache/z rw - ext4 /dev/zram0 rw\n"
    "45 26 7:0 / /snap/core/1 ro - squashfs /dev/loop0 ro\n"
    "46 26 0:60 / /mnt/sshbox rw - fuse.sshfs me@box: rw\n"
    "47 26 8:99 / /mnt/ghost rw - ext4 /dev/sdz9 rw\n";

} // namespace

TEST_F(LinuxFixture, RootsKeepMountinfoOrderAndSkipPseudoFileSystems)
{
    mountinfo(kMounts);
    LinuxDrives d = drives();
    const auto roots = d.roots();
    ASSERT_TRUE(roots.has_value());
    EXPECT_EQ(*roots, (QStringList{"/", "/run/", "/media/user/KORD DEV/", "/media/cdrom/",
                                   "/mnt/share/", "/media/user/SDCARD/", "/var/cache/z/",
                                   "/snap/core/1/", "/mnt/sshbox/", "/mnt/ghost/"}));
}

TEST_F(LinuxFixture, KindsFollowTheBlockDeviceAndFileSystem)
{
    mountinfo(kMounts);
    LinuxDrives d = drives();
    EXPECT_EQ(d.kind("/"), KindFixed);
    EXPECT_EQ(d.kind("/run/"), KindRamDisk);
    EXPECT_EQ(d.kind("/media/user/KORD DEV/"), KindRemovable) << "USB bridge reporting removable=0";
    EXPECT_EQ(d.kind("/media/cdrom/"), KindOptical);
    EXPECT_EQ(d.kind("/mnt/share/"), KindRemote);
    EXPECT_EQ(d.kind("/media/user/SDCARD/"), KindRemovable);
    EXPECT_EQ(d.kind("/var/cache/z/"), KindRamDisk);
    EXPECT_EQ(d.kind("/snap/core/1/"), KindFixed);
    EXPECT_EQ(d.kind("/mnt/sshbox/"), KindRemote);
    EXPECT_EQ(d.kind("/mnt/ghost/"), KindUnknown) << "no sysfs entry";
    EXPECT_EQ(d.kind("/not/mounted/"), KindNoRoot);
}

TEST_F(LinuxFixture, LabelsComeFromUdevLinks)
{
    mountinfo(kMounts);
    LinuxDrives d = drives();
    EXPECT_EQ(d.label("/media/user/KORD DEV/"), std::optional<QString>("KORD DEV"));
    EXPECT_EQ(d.label("/"), std::optional<QString>("root"));
    EXPECT_EQ(d.label("/media/user/SDCARD/"), std::optional<QString>(QString()))
        << "no link: unlabelled";
    EXPECT_EQ(d.label("/mnt/share/"), std::optional<QString>(QString()));
    EXPECT_FALSE(d.label("/not/mounted/").has_value());
}

TEST_F(LinuxFixture, MissingMountinfoMeansNoDriveList)
{
    LinuxDrives d = drives();
    EXPECT_FALSE(d.roots().has_value());
}

TEST_F(LinuxFixture, ChangedMountsAreSeenOnTheNextQuery)
{
    mountinfo(kMounts);
    LinuxDrives d = drives();
    ASSERT_EQ(d.roots()->size(), 10);
    mountinfo("26 1 8:2 / / rw - ext4 /dev/sda2 rw\n");
    EXPECT_EQ(*d.roots(), QStringList{"/"});
    EXPECT_EQ(d.kind("/media/user/KORD DEV/"), KindNoRoot);
}

TEST(MountInfoParser, UnescapesAndSkipsMalformedLines)
{
    const auto mounts = parseMountInfo(
        "garbage\n"
        "1 2 x:y / /a rw - ext4 /dev/a rw\n"
        "3 1 8:1 / /media/a\\011tab\\134b rw shared:1 master:2 - vfat /dev/sdc1 rw\n");
    ASSERT_EQ(mounts.size(), 1);
    EXPECT_EQ(mounts[0].mountPoint, QStringLiteral("/media/a\ttab\\b"));
    EXPECT_EQ(mounts[0].fsType, QStringLiteral("vfat"));
    EXPECT_EQ(mounts[0].major, 8);
    EXPECT_EQ(mounts[0].minor, 1);
    EXPECT_EQ(unescapeUdevLabel("MY\\x20DISK\\x2fX"), QStringLiteral("MY DISK/X"));
    EXPECT_EQ(unescapeUdevLabel("trailing\\x2"), QStringLiteral("trailing\\x2"));
}

TEST(MountInfoParser, FuseBlockMountsAreBlockDevices)
{
    MountEntry m;
    m.fsType = QStringLiteral("fuseblk");
    m.source = QStringLiteral("/dev/sdc1");
    EXPECT_EQ(classifyMount(m), MountClass::Block);
    m.fsType = QStringLiteral("overlay");
    m.source = QStringLiteral("overlay");
    EXPECT_EQ(classifyMount(m), MountClass::Skip);
}

TEST_F(LinuxFixture, UnmountedRemovableVolumesWithAFileSystem)
{
    QDir().mkpath(dir.path() + "/dev/disk/by-uuid");
    QDir().mkpath(dir.path() + "/sys/class/block");
    for (const char *name : {"sdb1", "sda2", "mmcblk0p1"}) {
        const QString target = QFileInfo(dir.path() + "/sys/dev/block/" +
                                         (QString(name) == "sdb1"   ? "8:17"
                                          : QString(name) == "sda2" ? "8:2"
                                                                    : "179:1"))
                                   .canonicalFilePath();
        QFile::link(target, dir.path() + "/sys/class/block/" + name);
        QFile::link(QString("../../") + name, dir.path() + "/dev/disk/by-uuid/uuid-" + name);
    }
    // Only the root file system is mounted: the USB stick and the SD card are not.
    mountinfo("26 1 8:2 / / rw - ext4 /dev/sda2 rw\n");
    LinuxDrives d = drives();
    EXPECT_EQ(d.unmountedRemovables(), (QStringList{"mmcblk0p1", "sdb1"}));
    mountinfo(kMounts);
    d.roots(); // the next tick's scan
    EXPECT_TRUE(d.unmountedRemovables().isEmpty()) << "all mounted now";
}

// On the system's own mount table the kernel reports every mount and unmount;
// the drives see each on the first query after it, and an unchanged table is
// not read again. The test runs in a user and mount namespace of its own
// (test_platform_mounts), where it may mount without root; a mount that cannot
// be made fails the test.
TEST(LinuxSystemMounts, AMountIsSeenOnTheFirstQueryAfterIt)
{
    LinuxDrives drives;
    QTemporaryDir dir;
    const QString root = dir.path() + '/';
    const QByteArray path = QFile::encodeName(dir.path());
    ASSERT_TRUE(drives.roots().has_value());
    EXPECT_FALSE(drives.roots()->contains(root));
    ASSERT_EQ(::mount("kordavel-test", path.constData(), "tmpfs", 0, "size=64k"), 0)
        << "cannot mount a tmpfs (run it through own_mount_namespace.sh): " << std::strerror(errno);
    EXPECT_TRUE(drives.roots()->contains(root)) << "seen on the first query";
    EXPECT_EQ(drives.kind(root), KindRamDisk);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(drives.roots()->contains(root)) << "an unchanged table keeps it";
    ASSERT_EQ(::umount2(path.constData(), MNT_DETACH), 0);
    EXPECT_FALSE(drives.roots()->contains(root)) << "gone on the first query";
}

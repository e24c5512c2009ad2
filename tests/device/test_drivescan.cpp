#include "device/drivescan.h"
#include "platform/files.h"
#include "support/coresupport.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::test;

namespace {

struct Scan
{
    FakeDrives drives;
    DriveScan scan;
    qint32 count = -1;
    QStringList log;
    void run() { scanForDevices(drives, systemFiles(), scan, count, log); }
};

} // namespace

TEST(DriveScan, NoDriveListLeavesEverythingEmpty)
{
    Scan s;
    s.scan.deviceRoot = "/old/";
    s.scan.roots = {"/old/"};
    s.log = {"stale"};
    s.drives.failList = true;
    s.run();
    EXPECT_TRUE(s.scan.roots.isEmpty());
    EXPECT_TRUE(s.log.isEmpty());
    EXPECT_EQ(s.count, 0);
    EXPECT_FALSE(s.scan.deviceRoot) << "no drive list: no device, not the last one seen";
}

TEST(DriveScan, OnlyRemovableDrivesAreLoggedAndTested)
{
    DeviceDir fixedWithFolder;
    DeviceDir network;
    Scan s;
    s.drives.entries = {{"/", KindFixed, "sys"},           {fixedWithFolder.root(), KindFixed, "X"},
                        {network.root(), KindRemote, "N"}, {"/cd/", KindOptical, "CD"},
                        {"/ram/", KindRamDisk, ""},        {"/odd/", KindUnknown, ""}};
    s.run();
    EXPECT_TRUE(s.log.isEmpty());
    EXPECT_EQ(s.count, 0);
}

TEST(DriveScan, RowsAndCountsForRemovableDrives)
{
    DeviceDir first;
    DeviceDir second;
    QTemporaryDir plain;
    Scan s;
    s.drives.entries = {{"/", KindFixed, "sys"},
                        {first.root(), KindRemovable, "CARDS"},
                        {plain.path() + '/', KindRemovable, ""},
                        {"/media/nomedium/", KindRemovable, std::nullopt},
                        {second.root(), KindRemovable, std::nullopt}};
    s.run();
    ASSERT_EQ(s.log.size(), 4);
    EXPECT_EQ(s.log[0], first.root() + "\tCARDS\tRemovable drive");
    EXPECT_EQ(s.log[1], plain.path() + "/\t\tRemovable drive")
        << "unlabelled: nothing between the tabs";
    EXPECT_EQ(s.log[2], "/media/nomedium/\t(No name)   \tRemovable drive");
    EXPECT_EQ(s.count, 2) << "a device whose label query fails still counts";
    EXPECT_EQ(s.scan.deviceRoot, second.root()) << "the later device wins";
    EXPECT_EQ(s.scan.roots.size(), 5);

    s.drives.entries.removeLast();
    s.run();
    EXPECT_EQ(s.count, 1);
    EXPECT_EQ(s.scan.deviceRoot, first.root());
    s.drives.entries.removeAt(1);
    s.run();
    EXPECT_EQ(s.count, 0);
    EXPECT_FALSE(s.scan.deviceRoot) << "no device: nothing left to act on";
}

TEST(DriveScan, DeviceFolderNeedsBothLevelsAndMatchesAnyCase)
{
    QTemporaryDir a;
    QDir(a.path()).mkpath("kordavel/Card");
    QTemporaryDir b;
    QDir(b.path()).mkpath("KORDAVEL");
    QTemporaryDir c;
    writeFile(c.path() + "/KORDAVEL/CARD", "a file, not a folder");
    EXPECT_TRUE(hasDeviceFolder(systemFiles(), a.path() + '/'));
    EXPECT_FALSE(hasDeviceFolder(systemFiles(), b.path() + '/'));
    EXPECT_FALSE(hasDeviceFolder(systemFiles(), c.path() + '/'));
}

TEST(DriveKindTexts, EveryKindAndTheFloppyRule)
{
    EXPECT_EQ(textForDriveKind(0, "/"), "The drive type cannot be determined");
    EXPECT_EQ(textForDriveKind(1, "/"), "The root directory does not exist");
    EXPECT_EQ(textForDriveKind(2, "/media/"), "Removable drive");
    EXPECT_EQ(textForDriveKind(2, "a:\\"), "Floppy drive");
    EXPECT_EQ(textForDriveKind(2, "b:\\"), "Floppy drive");
    EXPECT_EQ(textForDriveKind(2, "A:\\"), "Removable drive") << "no case folding";
    EXPECT_EQ(textForDriveKind(3, "/"), "Hard drive; can not be removed");
    EXPECT_EQ(textForDriveKind(4, "/"), "Remote (network) drive");
    EXPECT_EQ(textForDriveKind(5, "/"), "Optical drive (CD or DVD)");
    EXPECT_EQ(textForDriveKind(6, "/"), "RAM disk");
    EXPECT_EQ(textForDriveKind(7, "/"), "");
    // The search looks into exactly the drives shown as "Removable drive".
    for (int kind = 0; kind <= 7; ++kind)
        for (const char *root : {"/media/", "a:\\", "b:\\", "A:\\", "E:\\"})
            EXPECT_EQ(isSearchedDrive(kind, root),
                      textForDriveKind(kind, root) == "Removable drive")
                << kind << " " << root;
}

TEST(VolumeLabels, ShorthandRootsAreCompleted)
{
    FakeDrives d;
    d.entries = {{"E:\\", KindRemovable, "CARDS"}};
    EXPECT_EQ(volumeLabel(d, "E"), "CARDS");
    EXPECT_EQ(volumeLabel(d, "E:"), "CARDS");
    EXPECT_EQ(volumeLabel(d, "/nowhere/"), "(No name)   ");
}

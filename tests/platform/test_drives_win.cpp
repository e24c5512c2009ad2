// The Windows drive backend against wine's drive mapping, which
// tests/platform/wine_mapping.sh sets up before each run.
#include "device/drivescan.h"
#include "platform/drives.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace kordavel;

TEST(WinMapping, MappedFolderIsARemovableDriveWithItsLabel)
{
    const QString root = qEnvironmentVariable("KORDAVEL_TEST_DRIVE");
    ASSERT_EQ(root.size(), 3) << "run through wine_mapping.sh";
    const bool present = qEnvironmentVariable("KORDAVEL_TEST_DRIVE_PRESENT") == "1";
    const std::unique_ptr<Drives> drives = makeOsDrives();
    const std::optional<QStringList> roots = drives->roots();
    ASSERT_TRUE(roots.has_value());
    EXPECT_TRUE(roots->contains("C:\\")) << roots->join(' ').toStdString();
    EXPECT_EQ(roots->contains(root), present) << roots->join(' ').toStdString();
    if (present) {
        EXPECT_EQ(drives->kind(root), KindRemovable);
        EXPECT_EQ(textForDriveKind(drives->kind(root), root), "Removable drive");
        EXPECT_EQ(volumeLabel(*drives, root), qEnvironmentVariable("KORDAVEL_TEST_DRIVE_LABEL"));
        EXPECT_TRUE(hasDeviceFolder(systemFiles(), root));
    } else {
        EXPECT_EQ(drives->kind(root), KindNoRoot);
    }
}

// An empty card-reader slot makes drive queries raise the system's "There is
// no disk in the drive" dialog unless the process has turned such dialogs
// off; the backends do so before their first query.
TEST(WinDrives, CriticalErrorDialogsAreOffBeforeTheFirstQuery)
{
    constexpr UINT quiet = SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX;
    SetErrorMode(0);
    const std::unique_ptr<Drives> drives = makeOsDrives();
    EXPECT_EQ(GetErrorMode() & quiet, quiet);
    EXPECT_FALSE(drives->label("Q:\\").has_value()) << "no medium, no dialog";
    EXPECT_EQ(GetErrorMode() & quiet, quiet);
}

// The Windows drive backend against wine's drive mapping, which
// tests/platform/wine_mapping.sh sets up before each run.
#include "device/drivescan.h"
#include "platform/drives.h"
#include "platform/drives_win_api.h"
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

// A label in letters the PC's code page lacks (Greek and Cyrillic where the
// code page is a Western one) comes back whole, not as question marks: the drive
// queries are the wide ones. wine_mapping.sh writes the same label into the
// drive's .windows-label.
TEST(WinMapping, LabelOutsideTheCodePageComesBackWhole)
{
    const QString root = qEnvironmentVariable("KORDAVEL_TEST_WIDE_LABEL_DRIVE");
    ASSERT_EQ(root.size(), 3) << "run through wine_mapping.sh";
    const QString expected =
        QStringLiteral(u"\u039A\u039F\u03A1\u0394\u0391\u0392\u0395\u039B "
                       u"\u0424\u043B\u0435\u0448\u043A\u0430"); // ΚΟΡΔΑΒΕΛ Флешка
    // The check means something only where the code page cannot hold the label.
    const std::wstring wide = expected.toStdWString();
    BOOL lossy = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), int(wide.size()), nullptr, 0,
                        nullptr, &lossy);
    ASSERT_TRUE(lossy) << "code page " << GetACP() << " holds the label";

    const std::unique_ptr<Drives> drives = makeOsDrives();
    const std::optional<QStringList> roots = drives->roots();
    ASSERT_TRUE(roots.has_value());
    ASSERT_TRUE(roots->contains(root)) << roots->join(' ').toStdString();
    EXPECT_EQ(drives->kind(root), KindRemovable);
    const std::optional<QString> label = drives->label(root);
    ASSERT_TRUE(label.has_value());
    EXPECT_EQ(*label, expected) << label->toStdString();
    EXPECT_EQ(volumeLabel(*drives, root), expected);
    // The plain C++ layer gives the same wide text.
    EXPECT_EQ(kordavel::win::volumeLabel(root.toStdWString()), std::optional<std::wstring>(wide));
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

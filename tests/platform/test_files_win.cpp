// The Windows file backend on a real (wine) file system.
#include "platform/files.h"
#include "platform/pause.h"
#include "support/testsupport.h"
#include "writer/configwrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

#include <windows.h>

using namespace kordavel;
using kordavel::test::readAll;
using kordavel::test::writeFile;

namespace {

QString native(const QTemporaryDir &dir, const QString &rel = {})
{
    const QString base = QDir::toNativeSeparators(dir.path());
    return rel.isEmpty() ? base : base + QLatin1Char('\\') + QDir::toNativeSeparators(rel);
}

// Both reads of path, the plain one and the one from the medium.
std::vector<Files::ReadResult> readBothWays(const QString &path, qint64 maxBytes)
{
    Files &f = systemFiles();
    return {f.readFile(path, maxBytes), f.readFromMedium(path, maxBytes)};
}

} // namespace

TEST(WinFiles, ReadOnlyVersionFileIsDeletedOnlyAfterItsAttributesAreCleared)
{
    QTemporaryDir dir;
    const QString path = native(dir, "kordvers.ion");
    writeFile(path, "TQ000054HEX");
    ASSERT_TRUE(QFile(path).setPermissions(QFileDevice::ReadOwner)); // sets FILE_ATTRIBUTE_READONLY
    Files &f = systemFiles();
    EXPECT_FALSE(f.remove(path)) << "Windows refuses to delete a read-only file";
    EXPECT_TRUE(f.isFile(path));
    EXPECT_TRUE(f.setNormal(path));
    EXPECT_TRUE(f.remove(path));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(WinFiles, NamesMatchWithoutRegardToCaseAndComeBackAsStored)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("Kordavel/Card");
    writeFile(dir.filePath("Updates/KordVers.ion"), "x");
    Files &f = systemFiles();
    const QString root = native(dir) + '\\';
    EXPECT_EQ(f.resolve(root, "KORDAVEL/CARD/"), native(dir, "Kordavel\\Card"));
    EXPECT_EQ(f.resolve(root, "UPDATES/kordvers.ion"), native(dir, "Updates\\KordVers.ion"));
    EXPECT_TRUE(f.isDir(f.resolve(root, "kordavel/card")));
    EXPECT_TRUE(f.resolve(root, "UPDATES/*.ion").isEmpty()) << "no wildcards through resolve";
    EXPECT_TRUE(f.resolve(root, "UPDATES/other").isEmpty());
    // A name given in other case reaches the same file.
    EXPECT_EQ(f.readFile(native(dir, "UPDATES\\KORDVERS.ION"), 10).data, "x");
}

TEST(WinFiles, InstallReplacesAnExistingConfigurationFileWhole)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("UPDATES/DI999000.HEX"), "old file of an earlier run");
    writeFile(dir.filePath("UPDATES/other.hex"), "other");
    writeFile(dir.filePath("UPDATES/kordvers.ion"), "keep");
    const QByteArray text = ":00000001FF\r\n";
    Pause pause;
    const InstallResult r =
        installConfigurationFile(systemFiles(), native(dir) + '\\', "DI999000.HEX", text, pause);
    ASSERT_TRUE(r.written()) << r.problem.toStdString();
    EXPECT_EQ(readAll(dir.filePath("UPDATES/DI999000.HEX")), text);
    EXPECT_FALSE(QFile::exists(dir.filePath("UPDATES/other.hex")));
    EXPECT_FALSE(QFile::exists(dir.filePath("UPDATES/KORDCFG.TMP")));
    EXPECT_EQ(readAll(dir.filePath("UPDATES/kordvers.ion")), "keep");
}

TEST(WinFiles, FailingWriteLeavesNothingUnderTheFinalName)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("UPDATES");
    // A folder where the temporary file would go: creating it fails.
    QDir(dir.path()).mkpath("UPDATES/KORDCFG.TMP");
    Pause pause;
    const InstallResult r =
        installConfigurationFile(systemFiles(), native(dir) + '\\', "DI999000.HEX", "data", pause);
    EXPECT_FALSE(r.written());
    EXPECT_FALSE(r.problem.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("UPDATES/DI999000.HEX")));

    // A read-only UPDATES entry in place of the final name's folder: nothing written.
    QTemporaryDir other;
    writeFile(other.filePath("UPDATES"), "a file, not a folder");
    EXPECT_FALSE(
        installConfigurationFile(systemFiles(), native(other) + '\\', "DI999000.HEX", "d", pause)
            .written());
    EXPECT_EQ(readAll(other.filePath("UPDATES")), "a file, not a folder");
}

TEST(WinFiles, CreateRefusesExistingEntriesAndReadBackComesFromTheFile)
{
    QTemporaryDir dir;
    Files &f = systemFiles();
    const QString path = native(dir, "new.hex");
    EXPECT_TRUE(f.createDurable(path, "first"));
    EXPECT_FALSE(f.createDurable(path, "second")) << "CREATE_NEW only";
    EXPECT_EQ(readAll(path), "first");
    const auto back = f.readFromMedium(path, 100);
    EXPECT_EQ(back.status, Files::ReadStatus::Ok);
    EXPECT_EQ(back.data, "first");
    // Larger than one sector: the unbuffered read covers it whole.
    const QByteArray big(10000, 'z');
    EXPECT_TRUE(f.createDurable(native(dir, "big"), big));
    EXPECT_EQ(f.readFromMedium(native(dir, "big"), 20000).data, big);
    EXPECT_EQ(f.readFromMedium(native(dir, "big"), 9999).status, Files::ReadStatus::TooLarge);
    EXPECT_EQ(f.readFromMedium(native(dir, "none"), 10).status, Files::ReadStatus::Missing);
    EXPECT_TRUE(f.syncDir(native(dir)));
    EXPECT_FALSE(f.syncDir(native(dir, "none")));
}

TEST(WinFiles, RenameReplacesFilesButNeverAFolder)
{
    QTemporaryDir dir;
    Files &f = systemFiles();
    writeFile(dir.filePath("a"), "new");
    writeFile(dir.filePath("b"), "old");
    EXPECT_TRUE(f.rename(native(dir, "a"), native(dir, "b")));
    EXPECT_EQ(readAll(dir.filePath("b")), "new");
    QDir(dir.path()).mkdir("folder");
    writeFile(dir.filePath("c"), "c");
    EXPECT_FALSE(f.rename(native(dir, "c"), native(dir, "folder")));
    EXPECT_FALSE(f.remove(native(dir, "folder"))) << "folders are never removed";
    EXPECT_TRUE(QDir(dir.filePath("folder")).exists());
}

// A failed read carries the code the failing call gave, not whatever the calls
// after it (closing, freeing) leave behind.
TEST(WinFiles, FailedReadCarriesTheSystemsErrorCode)
{
    QTemporaryDir dir;
    const QString path = native(dir, "kordvers.ion");
    writeFile(path, "TQ000054HEX");
    // Held without any sharing: every other open is refused, in this process too.
    const HANDLE holder = CreateFileW(path.toStdWString().c_str(), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    for (const Files::ReadResult &r : readBothWays(path, 100)) {
        EXPECT_EQ(r.status, Files::ReadStatus::Error);
        EXPECT_EQ(r.nativeError, ERROR_SHARING_VIOLATION);
    }
    CloseHandle(holder);
    for (const Files::ReadResult &r : readBothWays(path, 100)) {
        EXPECT_EQ(r.status, Files::ReadStatus::Ok);
        EXPECT_EQ(r.data, "TQ000054HEX");
        EXPECT_EQ(r.nativeError, 0);
    }
    for (const Files::ReadResult &r : readBothWays(path, 5)) {
        EXPECT_EQ(r.status, Files::ReadStatus::TooLarge);
        EXPECT_EQ(r.nativeError, 0);
    }
    for (const Files::ReadResult &r : readBothWays(native(dir, "none"), 100)) {
        EXPECT_EQ(r.status, Files::ReadStatus::Missing);
        EXPECT_EQ(r.nativeError, ERROR_FILE_NOT_FOUND);
    }
}

// Whatever stands under the file's name but is no ordinary file is never read:
// it counts as no file at all (so the caller shows the missing-file message
// and deletes nothing), and it stays as it was. A folder cannot be opened
// without FILE_FLAG_BACKUP_SEMANTICS (access denied); a device name opens the
// device in any folder (NUL, of type FILE_TYPE_CHAR).
TEST(WinFiles, EntriesThatAreNoOrdinaryFileAreReadAsMissing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("UPDATES/kordvers.ion"));
    writeFile(dir.filePath("UPDATES/kordvers.ion/inside"), "x");
    const QString folder = native(dir, "UPDATES\\kordvers.ion");
    for (const Files::ReadResult &r : readBothWays(folder, 32767)) {
        EXPECT_EQ(r.status, Files::ReadStatus::Missing);
        EXPECT_TRUE(r.data.isEmpty());
    }
    EXPECT_TRUE(QFileInfo(dir.filePath("UPDATES/kordvers.ion")).isDir());
    EXPECT_EQ(readAll(dir.filePath("UPDATES/kordvers.ion/inside")), "x");

    const QString device = native(dir, "UPDATES\\NUL");
    for (const Files::ReadResult &r : readBothWays(device, 32767)) {
        EXPECT_EQ(r.status, Files::ReadStatus::Missing);
        EXPECT_TRUE(r.data.isEmpty());
    }
}

// Wine shows a folder reached through a link as a reparse point: it is never
// taken for the folder itself, and it is listed as an entry of its own.
// tests/platform/wine_mapping.sh makes the link and names it here.
TEST(WinMapping, FolderReachedThroughALinkIsNotFollowed)
{
    const QString linked = qEnvironmentVariable("KORDAVEL_TEST_LINKED_FOLDER");
    ASSERT_FALSE(linked.isEmpty()) << "run through wine_mapping.sh";
    Files &f = systemFiles();
    EXPECT_FALSE(f.isDir(linked));
    EXPECT_FALSE(f.isFile(linked));
    const QString parent = linked.left(linked.lastIndexOf('\\'));
    const auto names = f.listFiles(parent);
    ASSERT_TRUE(names.has_value());
    EXPECT_TRUE(names->contains(linked.mid(linked.lastIndexOf('\\') + 1)));
    EXPECT_FALSE(f.createDurable(linked, "x"));
}

// A link named like the version file that leads to a folder (a reparse point,
// as wine shows a Unix link to a folder) is never read nor followed: it counts
// as no file at all, and link and folder stay. tests/platform/wine_mapping.sh
// makes the link and names it here.
TEST(WinMapping, LinkNamedLikeTheFileIsNeverRead)
{
    const QString link = qEnvironmentVariable("KORDAVEL_TEST_LINK_AS_FILE");
    ASSERT_FALSE(link.isEmpty()) << "run through wine_mapping.sh";
    const DWORD a = GetFileAttributesW(link.toStdWString().c_str());
    ASSERT_NE(a, INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(a & FILE_ATTRIBUTE_REPARSE_POINT) << "attributes " << a;
    for (const Files::ReadResult &r : readBothWays(link, 32767)) {
        EXPECT_EQ(r.status, Files::ReadStatus::Missing);
        EXPECT_TRUE(r.data.isEmpty());
    }
    EXPECT_NE(GetFileAttributesW(link.toStdWString().c_str()), INVALID_FILE_ATTRIBUTES);
}

#include "platform/files.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kordavel;
using kordavel::test::readAll;
using kordavel::test::writeFile;

TEST(Files, ResolveMatchesComponentsWithoutRegardToCase)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("Kordavel/card");
    writeFile(dir.filePath("updates/KORDVERS.ION"), "x");
    Files &f = systemFiles();
    const QString root = dir.path() + '/';
    // Paths come back in the platform's own form, with the names as stored.
    const QString native = QDir::toNativeSeparators(dir.path());
    EXPECT_EQ(f.resolve(root, "KORDAVEL/CARD/"), childPath(childPath(native, "Kordavel"), "card"));
    EXPECT_EQ(f.resolve(root, "UPDATES/kordvers.ion"),
              childPath(childPath(native, "updates"), "KORDVERS.ION"));
    EXPECT_TRUE(f.resolve(root, "UPDATES/other").isEmpty());
    EXPECT_TRUE(f.resolve(dir.path() + "/missing/", "UPDATES").isEmpty());
}

TEST(Files, ReadHonoursTheSizeLimitAndRefusesFolders)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("small"), QByteArray(80, 'a'));
    writeFile(dir.filePath("big"), QByteArray(32768, 'b'));
    QDir(dir.path()).mkdir("folder");
    Files &f = systemFiles();
    auto r = f.readFile(dir.filePath("small"), 32767);
    EXPECT_EQ(r.status, Files::ReadStatus::Ok);
    EXPECT_EQ(r.data.size(), 80);
    r = f.readFile(dir.filePath("big"), 32767);
    EXPECT_EQ(r.status, Files::ReadStatus::TooLarge);
    EXPECT_TRUE(r.data.isEmpty());
    EXPECT_EQ(f.readFile(dir.filePath("none"), 10).status, Files::ReadStatus::Missing);
    EXPECT_EQ(f.readFile(dir.filePath("folder"), 10).status, Files::ReadStatus::Error);
}

TEST(Files, RemoveTakesTheLinkNeverItsTarget)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("target"), "keep");
    ASSERT_TRUE(QFile::link(dir.filePath("target"), dir.filePath("link")));
    QDir(dir.path()).mkdir("folder");
    Files &f = systemFiles();
    EXPECT_TRUE(f.remove(dir.filePath("link")));
    EXPECT_EQ(readAll(dir.filePath("target")), "keep");
    EXPECT_FALSE(f.remove(dir.filePath("folder")));
    EXPECT_TRUE(QDir(dir.filePath("folder")).exists());
}

TEST(Files, CreateDurableRefusesExistingNamesAndLinks)
{
    QTemporaryDir dir;
    Files &f = systemFiles();
    EXPECT_TRUE(f.createDurable(dir.filePath("new"), "data"));
    EXPECT_EQ(readAll(dir.filePath("new")), "data");
    EXPECT_FALSE(f.createDurable(dir.filePath("new"), "again"));
    writeFile(dir.filePath("victim"), "safe");
    ASSERT_TRUE(QFile::link(dir.filePath("victim"), dir.filePath("trap")));
    EXPECT_FALSE(f.createDurable(dir.filePath("trap"), "evil"));
    EXPECT_EQ(readAll(dir.filePath("victim")), "safe");
    EXPECT_FALSE(f.createDurable(dir.filePath("no/such/dir/x"), "x"));
    const auto back = f.readFromMedium(dir.filePath("new"), 100);
    EXPECT_EQ(back.data, "data");
}

#include "drives_table.h"
#include "support/testsupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kordavel;
using kordavel::test::writeFile;

TEST(DriveTable, ParsesRootsKindsAndLabels)
{
    const auto t = parseDriveTable("# comment\n"
                                   "\n"
                                   "/media/a/\t2\tKORD\n"
                                   "/media/b c/\t2\t\n"
                                   "/media/nolabel/\t2\n"
                                   "relative/\t2\tX\n"
                                   "/noslash\t2\tX\n"
                                   "/media/badkind/\t9\tX\n"
                                   "/\t3\tsystem\r\n"
                                   "E:\\\t2\tSTICK\n"
                                   "C:/sim/dev/\t2\n"
                                   "C:sim\\\t2\n");
    ASSERT_EQ(t.size(), 6);
    EXPECT_EQ(t[0].root, QStringLiteral("/media/a/"));
    EXPECT_EQ(t[0].label, std::optional<QString>("KORD"));
    EXPECT_EQ(t[1].root, QStringLiteral("/media/b c/"));
    EXPECT_EQ(t[1].label, std::optional<QString>(QString())) << "empty field: unlabelled";
    EXPECT_FALSE(t[2].label.has_value()) << "no field: label query fails";
    EXPECT_EQ(t[3].kind, KindFixed);
    EXPECT_EQ(t[3].label, std::optional<QString>("system"));
    EXPECT_EQ(t[4].root, QStringLiteral("E:\\")) << "a Windows drive root";
    EXPECT_EQ(t[5].root, QStringLiteral("C:/sim/dev/"));
}

TEST(DriveTable, ListRereadOnEveryQuerySoRewritingPlugsAndUnplugs)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("table");
    TableDrives d(path);
    EXPECT_FALSE(d.roots().has_value()) << "missing file: no drive list";
    writeFile(path, "/\t3\n");
    EXPECT_EQ(*d.roots(), QStringList{"/"});
    writeFile(path, "/\t3\n/media/k/\t2\tK\n");
    EXPECT_EQ(*d.roots(), (QStringList{"/", "/media/k/"}));
    EXPECT_EQ(d.kind("/media/k/"), KindRemovable);
    writeFile(path, "/\t3\n");
    EXPECT_EQ(d.kind("/media/k/"), KindRemovable) << "kinds describe the latest list";
    EXPECT_EQ(*d.roots(), QStringList{"/"});
    EXPECT_EQ(d.kind("/media/k/"), KindNoRoot);
    EXPECT_FALSE(d.label("/media/k/").has_value());
}

#include "platform/files.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace kordavel;
using kordavel::test::exampleLayoutC;
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
    // Refused as no file at all on POSIX, as unreadable on Windows.
    EXPECT_NE(f.readFile(dir.filePath("folder"), 10).status, Files::ReadStatus::Ok);
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

namespace kordavel {
// Failures name the status.
void PrintTo(Files::ReadStatus status, std::ostream *os)
{
    static const char *const names[] = {"Ok", "Missing", "TooLarge", "Error"};
    *os << names[int(status)];
}
} // namespace kordavel

#ifndef Q_OS_WIN
// Clearing a read-only attribute before a deletion touches the entry itself:
// never the file behind a link, and a FIFO is never opened (it would wait
// for a writer).
TEST(Files, AttributesChangeOnlyOnTheEntryItself)
{
    QTemporaryDir dir;
    const QByteArray target = QFile::encodeName(dir.filePath("target"));
    writeFile(dir.filePath("target"), "keep");
    ASSERT_EQ(::chmod(target.constData(), 0400), 0);
    ASSERT_TRUE(QFile::link(dir.filePath("target"), dir.filePath("link.hex")));
    const QByteArray fifo = QFile::encodeName(dir.filePath("fifo.hex"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0400), 0);
    auto modeOf = [](const QByteArray &path) {
        struct stat st
        {
        };
        return ::lstat(path.constData(), &st) == 0 ? st.st_mode & 07777 : 0u;
    };
    Files &f = systemFiles();
    EXPECT_TRUE(f.setNormal(dir.filePath("link.hex")));
    EXPECT_EQ(modeOf(target), 0400u) << "the file behind the link keeps its mode";
    EXPECT_TRUE(f.setNormal(dir.filePath("fifo.hex"))) << "returns without opening it";
    EXPECT_EQ(modeOf(fifo), 0400u);
    EXPECT_TRUE(f.setNormal(dir.filePath("target")));
    EXPECT_EQ(modeOf(target), 0600u);
    EXPECT_FALSE(f.setNormal(dir.filePath("missing")));
}

namespace {

using Clock = std::chrono::steady_clock;

struct TimedRead
{
    Files::ReadStatus status;
    qint64 tookMs;
};

// Runs read on a thread of its own. A read that is still blocked after a
// second, as one waiting in the open of a FIFO for a writer, is given a
// writer, so that the test reports the time it took instead of hanging.
TimedRead timedRead(const std::function<Files::ReadResult()> &read, const QByteArray &path)
{
    const Clock::time_point start = Clock::now();
    std::future<Files::ReadResult> pending = std::async(std::launch::async, read);
    while (pending.wait_for(std::chrono::seconds(1)) == std::future_status::timeout) {
        const int writer = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (writer >= 0)
            ::close(writer);
    }
    const Files::ReadStatus status = pending.get().status;
    return {status,
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count()};
}

// What lstat says an entry is (S_IFIFO, S_IFDIR, ...); 0 when it is gone.
mode_t entryType(const QByteArray &path)
{
    struct stat st
    {
    };
    return ::lstat(path.constData(), &st) == 0 ? st.st_mode & S_IFMT : 0;
}

} // namespace

// Entries named like the version file that are no ordinary file, on a real
// volume (tmpfs): none is read, none blocks, the read reports the file as
// missing and the entry stays as it was. ctest runs this test in a user and
// mount namespace of its own (tests/support/own_mount_namespace.sh).
TEST(MountedDevice, VersionFileNamesThatAreNoOrdinaryFileReadAsMissingAtOnce)
{
    QTemporaryDir volume;
    const QByteArray volumePath = QFile::encodeName(volume.path());
    ASSERT_EQ(::mount("kordavel-test", volumePath.constData(), "tmpfs", MS_NOSUID, "size=1m"), 0)
        << "cannot mount a tmpfs (run it through own_mount_namespace.sh): " << std::strerror(errno);
    const auto unmount = qScopeGuard([&] { ::umount2(volumePath.constData(), MNT_DETACH); });
    // A valid version file off the device, for the link to lead to.
    QTemporaryDir elsewhere;
    writeFile(elsewhere.filePath("kordvers.ion"), exampleLayoutC());
    const QByteArray linkTarget = QFile::encodeName(elsewhere.filePath("kordvers.ion"));

    struct Case
    {
        const char *kind;
        mode_t type;
        std::function<int(const QByteArray &)> make; // 0, or -1 with errno set
    };
    const QList<Case> cases{
        {"FIFO", S_IFIFO, [](const QByteArray &p) { return ::mkfifo(p.constData(), 0644); }},
        {"folder", S_IFDIR, [](const QByteArray &p) { return ::mkdir(p.constData(), 0755); }},
        {"link", S_IFLNK,
         [&](const QByteArray &p) { return ::symlink(linkTarget.constData(), p.constData()); }},
        {"device node", S_IFCHR,
         [](const QByteArray &p) {
             // No node can be made without root; /dev/null is put over a file instead.
             const int fd = ::open(p.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
             if (fd < 0)
                 return -1;
             ::close(fd);
             return ::mount("/dev/null", p.constData(), nullptr, MS_BIND, nullptr);
         }},
    };
    Files &f = systemFiles();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.kind);
        const QString device = volume.filePath(QString::fromLatin1(c.kind).replace(' ', '-'));
        ASSERT_TRUE(QDir().mkpath(device + "/KORDAVEL/CARD"));
        ASSERT_TRUE(QDir().mkpath(device + "/UPDATES"));
        const QString path = device + "/UPDATES/kordvers.ion";
        const QByteArray encoded = QFile::encodeName(path);
        ASSERT_EQ(c.make(encoded), 0) << std::strerror(errno);
        ASSERT_EQ(f.resolve(device + '/', "UPDATES/kordvers.ion"), path);

        const TimedRead plain = timedRead([&] { return f.readFile(path, 32767); }, encoded);
        const TimedRead fromMedium =
            timedRead([&] { return f.readFromMedium(path, 32767); }, encoded);
        EXPECT_EQ(plain.status, Files::ReadStatus::Missing);
        EXPECT_EQ(fromMedium.status, Files::ReadStatus::Missing);
        EXPECT_LT(plain.tookMs, 1000) << "held until the test opened the FIFO for writing";
        EXPECT_LT(fromMedium.tookMs, 1000) << "held until the test opened the FIFO for writing";
        EXPECT_EQ(entryType(encoded), c.type) << "the entry stays as it was";
    }
}
#endif

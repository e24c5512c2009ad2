// Configure on real volumes that refuse the write: a small tmpfs remounted
// read-only, and one filled up. ctest runs these tests in a user and mount
// namespace of their own (tests/support/own_mount_namespace.sh), where they
// may mount without root; run by hand they need root. A volume that cannot be
// made fails the test rather than skipping it.
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

using namespace kordavel;
using namespace kordavel::test;

namespace {

class Volume : public ::testing::Test
{
protected:
    // A fresh tmpfs of the given size holding a device.
    void mountDevice(const char *size)
    {
        const QByteArray options = QByteArray("size=") + size + ",mode=0755";
        ASSERT_EQ(::mount("kordavel-test", path().constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                          options.constData()),
                  0)
            << "cannot mount a tmpfs (run the test through ctest, which gives it a mount "
               "namespace of its own, or as root): "
            << std::strerror(errno);
        mounted = true;
        QDir(dir.path()).mkpath("KORDAVEL/CARD");
        writeFile(dir.filePath("UPDATES/kordvers.ion"), exampleLayoutC());
        writeFile(dir.filePath("UPDATES/old.hex"), "old");
        h.plug(dir.path() + '/', "KORD");
        h.tick();
        ASSERT_EQ(h.window.cycle().state(), FlowState::SettingsShown);
    }
    void remountReadOnly()
    {
        ASSERT_EQ(::mount("kordavel-test", path().constData(), "tmpfs",
                          MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr),
                  0)
            << std::strerror(errno);
    }
    void TearDown() override
    {
        h.window.reset();
        if (mounted)
            ::umount2(path().constData(), MNT_DETACH);
    }
    QByteArray path() const { return QFile::encodeName(dir.path()); }

    void expectNothingWrittenAndFilesKept(const QString &sentence)
    {
        ASSERT_EQ(h.messages.texts.size(), 1);
        EXPECT_EQ(h.messages.texts[0], sentence + "\r\nNo configuration file was written.");
        EXPECT_EQ(h.window.cycle().state(), FlowState::SettingsShown);
        EXPECT_EQ(outerHeightTwips(*h.window), 7800) << "no unplug prompt";
        EXPECT_TRUE(controlsOf(*h.window).configureButton->isEnabled());
        EXPECT_EQ(readAll(dir.filePath("UPDATES/kordvers.ion")), exampleLayoutC());
        EXPECT_EQ(readAll(dir.filePath("UPDATES/old.hex")), "old");
        EXPECT_EQ(QDir(dir.filePath("UPDATES")).entryList(QDir::Files, QDir::Name),
                  (QStringList{"kordvers.ion", "old.hex"}))
            << "no partial or temporary file left";
    }

    QTemporaryDir dir;
    bool mounted = false;
    Harness h;
};

} // namespace

TEST_F(Volume, ReadOnlyMediumIsWriteProtected)
{
    ASSERT_NO_FATAL_FAILURE(mountDevice("1m"));
    ASSERT_NO_FATAL_FAILURE(remountReadOnly());
    pressConfigure(*h.window);
    expectNothingWrittenAndFilesKept("The Kordavel is write-protected.");
}

TEST_F(Volume, FullMediumHasNoSpace)
{
    // Without the volume the filler would fill the disk the folder is on.
    ASSERT_NO_FATAL_FAILURE(mountDevice("64k"));
    // Fill every page that is left; 64 KiB are full long before 1 MiB.
    QFile filler(dir.filePath("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray page(4096, 'f');
    const qint64 bound = 1 << 20;
    while (filler.size() < bound && filler.write(page) == page.size() && filler.flush()) {
    }
    filler.close();
    ASSERT_LT(filler.size(), bound) << "the volume never filled up";
    const QByteArray before = readAll(dir.filePath("filler"));
    pressConfigure(*h.window);
    expectNothingWrittenAndFilesKept("There is not enough space on the Kordavel.");
    EXPECT_EQ(readAll(dir.filePath("filler")), before);
    // Room made: the next Configure goes through.
    QFile::remove(dir.filePath("filler"));
    h.messages.texts.clear();
    pressConfigure(*h.window);
    EXPECT_TRUE(h.messages.texts.isEmpty()) << h.messages.texts.join('|').toStdString();
    EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForUnplug);
}

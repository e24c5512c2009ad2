// Configure on media that refuse changes with the platform's own error codes:
// write-protected, full, and files another program holds open for a while.
#include "platform/files.h"
#include "support/testsupport.h"
#include "writer/configwrite.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#endif

using namespace kordavel;
using namespace kordavel::test;

namespace {

// The platform's codes for each kind of refusal.
#ifdef Q_OS_WIN
constexpr int kWriteProtectedCode = ERROR_WRITE_PROTECT;
constexpr int kFullCode = ERROR_DISK_FULL;
constexpr int kInUseCode = ERROR_SHARING_VIOLATION;
#else
constexpr int kWriteProtectedCode = EROFS;
constexpr int kFullCode = ENOSPC;
constexpr int kInUseCode = EBUSY;
#endif

// The system's files, except that chosen operations fail with a native code,
// for a number of calls (or for ever) on names ending with a given suffix.
class RefusingMedium : public SystemFilesPassThrough
{
public:
    struct Refusal
    {
        int code = 0;
        int times = -1; // calls still to refuse; -1 for ever
        QString suffix; // only paths ending so; empty for all
        bool applies(const QString &path)
        {
            if (code == 0 || times == 0 || !path.endsWith(suffix, Qt::CaseInsensitive))
                return false;
            if (times > 0)
                --times;
            return true;
        }
    };
    Refusal create, removal, renaming;
    int removeCalls = 0;

    FileResult remove(const QString &p) override
    {
        ++removeCalls;
        return removal.applies(p) ? fileFailure("delete", removal.code) : systemFiles().remove(p);
    }
    FileResult createDurable(const QString &p, const QByteArray &data) override
    {
        return create.applies(p) ? fileFailure("create", create.code)
                                 : systemFiles().createDurable(p, data);
    }
    FileResult rename(const QString &a, const QString &b) override
    {
        return renaming.applies(b) ? fileFailure("rename", renaming.code)
                                   : systemFiles().rename(a, b);
    }
};

class RefusingMediumTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writeFile(dev.path("UPDATES/DI999000.HEX"), "earlier complete file");
        writeFile(dev.path("UPDATES/old.hex"), "old");
        h.plug(dev.root());
        h.tick();
        ASSERT_EQ(h.window.cycle().state(), FlowState::SettingsShown);
    }
    void plug() { h.plug(dev.root()); }
    void unplug() { h.unplug(dev.root()); }

    // Configure found the device but wrote nothing: one plain message, no
    // unplug prompt, Configure offered again, the device's files untouched.
    void expectNothingWritten(const QString &sentence, bool oldHexKept = true)
    {
        ASSERT_EQ(messages.texts.size(), 1);
        EXPECT_EQ(messages.texts[0], sentence + "\r\nNo configuration file was written.");
        EXPECT_EQ(h.window.cycle().state(), FlowState::SettingsShown);
        EXPECT_EQ(window->outerHeightTwips(), 7800) << "no unplug prompt";
        EXPECT_TRUE(window->controls().configureButton->isEnabled());
        EXPECT_EQ(readAll(dev.path("UPDATES/DI999000.HEX")), "earlier complete file");
        // Old HEX files go only once the new file is known to be complete.
        EXPECT_EQ(QFile::exists(dev.path("UPDATES/old.hex")), oldHexKept);
        EXPECT_EQ(readAll(dev.path("UPDATES/kordvers.ion")), exampleLayoutC());
        EXPECT_FALSE(QFile::exists(dev.path("UPDATES/KORDCFG.TMP")));
    }

    DeviceDir dev{exampleLayoutC()};
    HarnessOn<RefusingMedium> h;
    RefusingMedium &medium = h.medium;
    RecordingMessageBox &messages = h.messages;
    MainWindow *window = h.window.get();
};

} // namespace

TEST_F(RefusingMediumTest, WriteProtectedMediumIsSaidPlainly)
{
    // Another model on the screen: another byte.
    const MainWindowControls &c = window->controls();
    (c.modelKordavelPlusButton->isChecked() ? c.modelKordavelButton : c.modelKordavelPlusButton)
        ->setChecked(true);
    medium.create.code = kWriteProtectedCode;
    pressConfigure(*window);
    expectNothingWritten("The Kordavel is write-protected.");
}

TEST_F(RefusingMediumTest, FullMediumIsSaidPlainly)
{
    medium.create.code = kFullCode;
    pressConfigure(*window);
    expectNothingWritten("There is not enough space on the Kordavel.");
}

TEST_F(RefusingMediumTest, NewFileRefusedForTheWholeBudgetIsALockedOrProtectedMedium)
{
    medium.create.code = kInUseCode;
    pressConfigure(*window);
    expectNothingWritten("The Kordavel refuses new files; it may be write-protected or locked "
                         "by another program.");
}

TEST_F(RefusingMediumTest, FileHeldForAMomentIsWaitedFor)
{
    // A scanner holding the final name for six tries (about 300 ms) and an old
    // HEX file for three.
    medium.renaming = {kInUseCode, 6, "DI999000.HEX"};
    medium.removal = {kInUseCode, 3, "old.hex"};
    pressConfigure(*window);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('|').toStdString();
    EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForUnplug);
    EXPECT_TRUE(readAll(dev.path("UPDATES/DI999000.HEX")).endsWith(":00000001FF\r\n"));
    EXPECT_FALSE(QFile::exists(dev.path("UPDATES/old.hex")));
}

TEST_F(RefusingMediumTest, FileHeldLongerThanTheBudgetStopsAfterAboutTwoSeconds)
{
    medium.renaming = {kInUseCode, -1, "DI999000.HEX"};
    QElapsedTimer took;
    took.start();
    pressConfigure(*window);
    const qint64 ms = took.elapsed();
    EXPECT_GE(ms, InUseRetry{}.budgetMs);
    EXPECT_LT(ms, InUseRetry{}.budgetMs + 1500) << "bounded";
    std::printf("giving up on a held file took %lld ms\n", static_cast<long long>(ms));
    expectNothingWritten("DI999000.HEX on the Kordavel is in use by another program or locked; "
                         "close that program and try again.",
                         false);
}

TEST_F(RefusingMediumTest, OldHexFileThatStaysStopsTheInstallation)
{
    medium.removal = {kInUseCode, -1, "old.hex"};
    pressConfigure(*window);
    expectNothingWritten("old.hex on the Kordavel is in use by another program or locked; "
                         "close that program and try again.");
}

TEST_F(RefusingMediumTest, TakenUpFileHeldAtTheReplugIsDeletedOnALaterTick)
{
    pressConfigure(*window);
    ASSERT_EQ(h.window.cycle().state(), FlowState::WaitingForUnplug);
    unplug();
    pollTick(*window);
    medium.removal = {kInUseCode, 3, "DI999000.HEX"};
    plug();
    QElapsedTimer took;
    took.start();
    pollTick(*window);
    EXPECT_LT(took.elapsed(), 500) << "the tick does not wait for the file";
    EXPECT_EQ(window->controls().statusLabel->text(), "Success!");
    EXPECT_TRUE(QFile::exists(dev.path("UPDATES/DI999000.HEX")));
    pollTick(*window);
    pollTick(*window);
    EXPECT_TRUE(QFile::exists(dev.path("UPDATES/DI999000.HEX"))) << "still held";
    pollTick(*window);
    EXPECT_FALSE(QFile::exists(dev.path("UPDATES/DI999000.HEX")));
    const int calls = medium.removeCalls;
    pollTick(*window);
    EXPECT_EQ(medium.removeCalls, calls) << "nothing left to delete";
}

TEST_F(RefusingMediumTest, PendingDeletionNeverTouchesANewlyWrittenFile)
{
    pressConfigure(*window);
    unplug();
    pollTick(*window);
    medium.removal = {kInUseCode, -1, "DI999000.HEX"};
    plug();
    pollTick(*window); // "Success!", the file stays held
    unplug();
    pollTick(*window);
    plug();
    pollTick(*window); // read again
    ASSERT_EQ(h.window.cycle().state(), FlowState::SettingsShown);
    medium.removal = {};
    pressConfigure(*window);
    ASSERT_EQ(h.window.cycle().state(), FlowState::WaitingForUnplug);
    pollTick(*window);
    EXPECT_TRUE(readAll(dev.path("UPDATES/DI999000.HEX")).endsWith(":00000001FF\r\n"))
        << "the file the device has yet to take up stays";
}

// Configure on media that refuse changes with the platform's own error codes:
// write-protected, full, and files another program holds open for a while.
#include "platform/files.h"
#include "platform/pause.h"
#include "support/testsupport.h"
#include "writer/configwrite.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <thread>

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
constexpr int kIoErrorCode = ERROR_GEN_FAILURE;
#else
constexpr int kWriteProtectedCode = EROFS;
constexpr int kFullCode = ENOSPC;
constexpr int kInUseCode = EBUSY;
constexpr int kIoErrorCode = EIO;
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
    Refusal create, removal, renaming, folderFlush;
    int removeCalls = 0;
    bool listingFails = false;
    // The temporary file is read-only (a leftover): deleting it is refused as
    // access denied until its attributes are cleared.
    bool temporaryReadOnly = false;

    FileResult remove(const QString &p) override
    {
        ++removeCalls;
        if (temporaryReadOnly && p.endsWith(QLatin1String(kTemporaryName)))
            return fileFailure("delete", kInUseCode);
        return removal.applies(p) ? fileFailure("delete", removal.code) : systemFiles().remove(p);
    }
    bool setNormal(const QString &p) override
    {
        if (p.endsWith(QLatin1String(kTemporaryName)))
            temporaryReadOnly = false;
        return systemFiles().setNormal(p);
    }
    std::optional<QStringList> listFiles(const QString &d) override
    {
        return listingFails ? std::nullopt : systemFiles().listFiles(d);
    }
    FileResult syncDir(const QString &d) override
    {
        return folderFlush.applies(d) ? fileFailure("flush folder", folderFlush.code)
                                      : systemFiles().syncDir(d);
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
        EXPECT_EQ(outerHeightTwips(*window), 7800) << "no unplug prompt";
        EXPECT_TRUE(controlsOf(*window).configureButton->isEnabled());
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
    const WindowControls &c = controlsOf(*window);
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

TEST_F(RefusingMediumTest, FileHeldLongerThanTheBudgetStops)
{
    medium.renaming = {kInUseCode, -1, "DI999000.HEX"};
    pressConfigure(*window);
    expectNothingWritten("DI999000.HEX on the Kordavel is in use by another program or locked; "
                         "close that program and try again.",
                         false);
}

// Timing, so run alone and without sanitizers (test_writer_timing).
class RefusingMediumTiming : public RefusingMediumTest
{
};

TEST_F(RefusingMediumTiming, AHeldFileIsGivenUpAfterAboutTwoSeconds)
{
    medium.renaming = {kInUseCode, -1, "DI999000.HEX"};
    QElapsedTimer took;
    took.start();
    pressConfigure(*window);
    const qint64 ms = took.elapsed();
    EXPECT_GE(ms, InUseRetry{}.budgetMs);
    EXPECT_LT(ms, InUseRetry{}.budgetMs + 1500) << "bounded";
    std::printf("giving up on a held file took %lld ms\n", static_cast<long long>(ms));
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
    const int before = medium.removeCalls;
    pollTick(*window);
    EXPECT_EQ(medium.removeCalls, before + 1) << "one try: the tick does not wait for the file";
    EXPECT_EQ(controlsOf(*window).statusLabel->text(), "Success!");
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

TEST_F(RefusingMediumTest, InstallStopsWhereItCannotVouchForTheFolder)
{
    // Old HEX files that cannot be listed might stay for the device to take up.
    medium.listingFails = true;
    pressConfigure(*window);
    expectNothingWritten("The files in the UPDATES folder of the Kordavel could not be listed.");
}

TEST_F(RefusingMediumTest, FolderFlushThatFailsTakesTheNewFileBack)
{
    medium.folderFlush = {kIoErrorCode, 1, {}};
    pressConfigure(*window);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].startsWith("The configuration file could not be flushed to the "
                                             "Kordavel ("));
    EXPECT_TRUE(messages.texts[0].endsWith("\r\nNo configuration file was written."));
    EXPECT_FALSE(QFile::exists(dev.path("UPDATES/DI999000.HEX")))
        << "the device must not take up a file that may not be on the medium";
    EXPECT_EQ(h.window.cycle().state(), FlowState::SettingsShown);
    EXPECT_TRUE(controlsOf(*window).configureButton->isEnabled());

    // Where the new file cannot be taken back, or its going cannot be flushed
    // either, the user hears exactly that.
    for (bool removable : {false, true}) {
        SCOPED_TRACE(removable);
        messages.texts.clear();
        medium.folderFlush = {kIoErrorCode, -1, {}};
        medium.removal = {removable ? 0 : kIoErrorCode, -1, "DI999000.HEX"};
        pressConfigure(*window);
        ASSERT_EQ(messages.texts.size(), 1);
        EXPECT_TRUE(messages.texts[0].startsWith(
            "The configuration file DI999000.HEX could not be confirmed on the Kordavel ("));
        EXPECT_FALSE(messages.texts[0].contains("No configuration file was written."));
        EXPECT_EQ(h.window.cycle().state(), FlowState::SettingsShown) << "never told to unplug";
        EXPECT_EQ(outerHeightTwips(*window), 7800);
    }
}

TEST_F(RefusingMediumTest, ReadOnlyLeftoverTemporaryFileIsClearedFirst)
{
    writeFile(dev.path("UPDATES/KORDCFG.TMP"), "half a file");
    medium.temporaryReadOnly = true;
    pressConfigure(*window);
    // Cleared first, then deleted at the first try, as old.hex is: no retries spent on it.
    EXPECT_EQ(medium.removeCalls, 2);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('|').toStdString();
    EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForUnplug);
}

TEST(InstallPause, AStopEndsTheWaitForAHeldFileAtOnce)
{
    DeviceDir dev(exampleLayoutC());
    Pause pause;
    // The third refused try comes with a stop, as a close would send it.
    struct StoppedWhileHeld : RefusingMedium
    {
        FileResult rename(const QString &a, const QString &b) override
        {
            if (++renames == 3)
                stopping->stop();
            return RefusingMedium::rename(a, b);
        }
        Pause *stopping = nullptr;
        int renames = 0;
    } medium;
    medium.stopping = &pause;
    medium.renaming = {kInUseCode, -1, "DI999000.HEX"};
    const InstallResult r = installConfigurationFile(medium, dev.root(), "DI999000.HEX", "x\r\n",
                                                     pause, InUseRetry{60000, 50});
    EXPECT_FALSE(r.written());
    EXPECT_EQ(medium.renames, 3) << "a minute's budget, ended by the stop";
    EXPECT_FALSE(QFile::exists(dev.path("UPDATES/KORDCFG.TMP")));
}

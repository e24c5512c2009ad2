// Faults: the device vanishing between any two steps, a drive table rewritten
// while it is read, and roots with unusual characters.
#include "device/drivescan.h"
#include "drives_table.h"
#include "platform/files.h"
#include "support/testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QTimer>

#include <atomic>
#include <limits>
#include <thread>

#include <gtest/gtest.h>

using namespace kordavel;
using namespace kordavel::test;

namespace {

// File operations that stop working after a number of calls, as when the
// device is pulled: every later call fails, the data already on it stays.
class VanishingFiles : public Files
{
public:
    // Working until vanishAfter() is called.
    VanishingFiles() = default;
    void vanishAfter(int calls) { m_left = calls; }
    bool vanished() const { return m_left < 0; }

    QString resolve(const QString &root, const QString &rel) override
    {
        return alive() ? systemFiles().resolve(root, rel) : QString();
    }
    bool isDir(const QString &p) override { return alive() && systemFiles().isDir(p); }
    bool isFile(const QString &p) override { return alive() && systemFiles().isFile(p); }
    ReadResult readFile(const QString &p, qint64 max) override
    {
        return alive() ? systemFiles().readFile(p, max) : ReadResult{ReadStatus::Error, {}};
    }
    ReadResult readFromMedium(const QString &p, qint64 max) override
    {
        return alive() ? systemFiles().readFromMedium(p, max) : ReadResult{ReadStatus::Error, {}};
    }
    bool setNormal(const QString &p) override { return alive() && systemFiles().setNormal(p); }
    FileResult remove(const QString &p) override
    {
        return alive() ? systemFiles().remove(p) : gone("delete");
    }
    std::optional<QStringList> listFiles(const QString &d) override
    {
        return alive() ? systemFiles().listFiles(d) : std::nullopt;
    }
    FileResult createDurable(const QString &p, const QByteArray &data) override
    {
        if (!alive())
            return gone("create");
        // A pull in the middle of the write leaves half a file behind.
        if (m_left == 0) {
            writeFile(p, data.left(data.size() / 2));
            m_left = -1;
            return gone("write");
        }
        return systemFiles().createDurable(p, data);
    }
    FileResult rename(const QString &a, const QString &b) override
    {
        return alive() ? systemFiles().rename(a, b) : gone("rename");
    }
    FileResult syncDir(const QString &d) override
    {
        return alive() ? systemFiles().syncDir(d) : gone("flush");
    }

private:
    static FileResult gone(const char *what)
    {
        return {FileProblem::Other, QStringLiteral("%1: no such device").arg(QLatin1String(what))};
    }
    bool alive() { return m_left-- > 0; }
    int m_left = std::numeric_limits<int>::max();
};

using FaultHarness = HarnessOn<VanishingFiles>;

} // namespace

TEST(Faults, DeviceVanishingDuringARead)
{
    // The medium goes at every point of the tick that searches for the device
    // and reads it: during the search the device is simply not found.
    int notFound = 0;
    int failedReads = 0;
    int reads = 0;
    for (int calls = 0; calls < 60; ++calls) {
        SCOPED_TRACE(calls);
        DeviceDir dev(exampleLayoutC());
        FaultHarness h;
        h.plug(dev.root());
        h.medium.vanishAfter(calls);
        h.tick();
        const FlowState state = h.window.cycle().state();
        notFound += state == FlowState::WaitingForDevice;
        failedReads += state == FlowState::ReadAgain;
        reads += state == FlowState::SettingsShown;
        if (state == FlowState::ReadAgain) {
            ASSERT_EQ(h.messages.texts.size(), 1);
            EXPECT_TRUE(h.messages.texts[0].startsWith("Configuration file missing.") ||
                        h.messages.texts[0].startsWith("Configuration file error."));
        } else {
            EXPECT_TRUE(h.messages.texts.isEmpty());
        }
        // The file on the medium is never damaged by a read.
        EXPECT_EQ(readAll(dev.path("UPDATES/kordvers.ion")), exampleLayoutC());
    }
    EXPECT_GT(notFound, 0);
    EXPECT_GT(failedReads, 0) << "some runs fail inside the read";
    EXPECT_GT(reads, 0);
}

TEST(Faults, DeviceVanishingDuringConfigure)
{
    int written = 0;
    for (int calls = 0; calls < 60; ++calls) {
        SCOPED_TRACE(calls);
        DeviceDir dev(exampleLayoutC());
        writeFile(dev.path("UPDATES/DI999000.HEX"), "the previous complete file\r\n");
        // Read with working files first, as the flow would have.
        FaultHarness h;
        h.plug(dev.root());
        h.tick();
        MainWindow &mainWindow = *h.window;
        ASSERT_EQ(h.window.cycle().state(), FlowState::SettingsShown);
        h.medium.vanishAfter(calls);
        pressConfigure(mainWindow);

        const QByteArray hex = readAll(dev.path("UPDATES/DI999000.HEX"));
        // Under its final name there is only ever a complete file: the old one or the new one.
        EXPECT_TRUE(hex == "the previous complete file\r\n" ||
                    (hex.startsWith(":103A0000") && hex.endsWith(":00000001FF\r\n")))
            << hex.constData();
        if (h.window.cycle().state() == FlowState::WaitingForUnplug) {
            ++written;
            EXPECT_TRUE(h.messages.texts.isEmpty());
            EXPECT_TRUE(hex.startsWith(":103A0000"));
        } else if (!h.messages.texts.isEmpty()) {
            // Either nothing was written, or the file could be neither
            // confirmed nor taken back, and the user is told just that.
            // A version file that cannot be read again proves nothing about
            // the device: it is read afresh.
            const QString &said = h.messages.texts.last();
            if (said.startsWith("No configuration file was written: the Kordavel plugged in")) {
                EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForDevice);
                continue;
            }
            EXPECT_TRUE(said.contains("No configuration file was written.") ||
                        said.contains("could not be confirmed on the Kordavel"))
                << qPrintable(said);
            EXPECT_TRUE(controlsOf(mainWindow).configureButton->isEnabled());
        } else {
            EXPECT_FALSE(controlsOf(mainWindow).configureButton->isEnabled())
                << "device not found: nothing to retry yet";
        }
    }
    EXPECT_GT(written, 0) << "with enough calls the run completes";
}

TEST(Faults, TableRewrittenWhileBeingRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("table");
    const QByteArray a = "/\t3\n/media/a/\t2\tA\n";
    const QByteArray b = "/\t3\n/media/b/\t2\tB\n/media/c/\t2\tC\n";
    writeFile(path, a);
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        for (int i = 0; !stop && i < 2000; ++i) {
            QSaveFile f(path); // atomic replacement, as the simulator does
            f.open(QIODevice::WriteOnly);
            f.write(i % 2 ? a : b);
            f.commit();
        }
    });
    TableDrives drives(path);
    int seen = 0;
    for (int i = 0; i < 2000; ++i) {
        const auto roots = drives.roots();
        if (!roots)
            continue;
        ++seen;
        EXPECT_TRUE(*roots == (QStringList{"/", "/media/a/"}) ||
                    *roots == (QStringList{"/", "/media/b/", "/media/c/"}))
            << qPrintable(roots->join(','));
    }
    stop = true;
    writer.join();
    EXPECT_GT(seen, 0);
}

TEST(Faults, RootsWithUnusualCharacters)
{
    QTemporaryDir base;
    // Windows names cannot hold TAB, newline or backslash; its own oddities instead.
#ifdef Q_OS_WIN
    const QStringList names = {"MY DRIVE",         "Ünïcödé ✓",      "-dash",
                               "semi;colon,comma", "percent %PATH%", "brackets [1] (2) {3}"};
#else
    const QStringList names = {"MY DRIVE",  "tab\there", "back\\slash",
                               "Ünïcödé ✓", "new\nline", "-dash"};
#endif
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        const QString root = base.path() + '/' + name + '/';
        QDir().mkpath(root + "KORDAVEL/CARD");
        writeFile(root + "UPDATES/kordvers.ion", exampleLayoutC());
        Harness h;
        h.plug(root, name);
        h.tick();
        EXPECT_EQ(controlsOf(*h.window).statusLabel->text(), "Configuration read");
        pressConfigure(*h.window);
        EXPECT_EQ(h.window.cycle().state(), FlowState::WaitingForUnplug);
        EXPECT_TRUE(QFile::exists(root + "UPDATES/DI999000.HEX"));
    }
}

namespace {

// The system's files on a slow medium: a deleted entry still shows for a
// number of look-ups after its deletion.
class SlowMedium : public SystemFilesPassThrough
{
public:
    int lookupsAfterDelete = 0;

    QString resolve(const QString &root, const QString &rel) override
    {
        if (!m_deleted.isEmpty() && lookupsAfterDelete > 0) {
            --lookupsAfterDelete;
            return m_deleted;
        }
        return systemFiles().resolve(root, rel);
    }
    FileResult remove(const QString &p) override
    {
        FileResult r = systemFiles().remove(p);
        if (r)
            m_deleted = p;
        return r;
    }

private:
    QString m_deleted;
};

} // namespace

// While the tick waits for a rejected version file to go from a slow medium,
// a press of Configure (here a timer that falls due meanwhile) waits until
// the tick has finished instead of running inside it.
TEST(Faults, ConfigurePressedWhileARejectedFileGoesRunsAfterTheTick)
{
    DeviceDir dev(QByteArray(20, 'x')); // too short: rejected and deleted
    HarnessOn<SlowMedium> h;
    h.medium.lookupsAfterDelete = 4;
    h.plug(dev.root(), "K");
    MainWindow *window = h.window.get();
    bool inTick = false;
    bool ranInsideTheTick = false;
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ranInsideTheTick = inTick;
        ran = true;
        runConfigureCommand(*window);
    });
    inTick = true;
    pollTick(*window);
    inTick = false;
    EXPECT_FALSE(ranInsideTheTick);
    EXPECT_EQ(h.medium.lookupsAfterDelete, 0) << "the tick waited for the slow medium";
    ASSERT_EQ(h.messages.texts.size(), 1);
    EXPECT_TRUE(h.messages.texts[0].startsWith("Configuration file error."));
    EXPECT_EQ(h.window.cycle().state(), FlowState::ReadAgain);
    QCoreApplication::processEvents();
    EXPECT_TRUE(ran) << "the press is not lost";
}

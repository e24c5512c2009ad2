// The device work on its worker thread: a device that stalls in the scan, the
// version read, the install or the taken-up file's deletion holds the worker,
// never the window, and once it lets go the flow goes on exactly as without
// the stall.
#include "cycle/executor.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

using namespace kordavel;
using namespace kordavel::test;

namespace {

// Holds the calls that pass it while it is shut, until it is opened.
class Gate
{
public:
    void shut()
    {
        const std::lock_guard lock(m_mutex);
        m_shut = true;
        m_held = false;
    }
    void open()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_shut = false;
        }
        m_changed.notify_all();
    }
    // Called by the gated operation.
    void pass()
    {
        std::unique_lock lock(m_mutex);
        if (!m_shut)
            return;
        m_held = true;
        m_heldOn = std::this_thread::get_id();
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return !m_shut; });
    }
    // True once a call is held, within ms milliseconds; events run meanwhile.
    bool holdsACall(int ms = 5000)
    {
        return waitUntil(
            [this] {
                const std::lock_guard lock(m_mutex);
                return m_held;
            },
            ms);
    }
    std::thread::id heldOn()
    {
        const std::lock_guard lock(m_mutex);
        return m_heldOn;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_shut = false;
    bool m_held = false;
    std::thread::id m_heldOn;
};

// Where a device can stall.
enum class Stall {
    None,
    Scan,
    VersionRead,
    Install,
    TakenUpDeletion,
    InstallStep, // the installStep-th call that reads or changes UPDATES' files
};

class GatedDrives : public FakeDrives
{
public:
    std::optional<QStringList> roots() override
    {
        ++scans;
        if (stall == Stall::Scan)
            gate.pass();
        return FakeDrives::roots();
    }
    Gate gate;
    std::atomic<Stall> stall = Stall::None;
    std::atomic<int> scans = 0;
};

// Records every message box; while holding, a box stays open (its own event
// loop running, as a real one's does) until the test closes it.
class HoldingMessageBox : public RecordingMessageBox
{
public:
    void inform(QWidget *parent, const QString &title, const QString &text) override
    {
        RecordingMessageBox::inform(parent, title, text);
        if (!holding)
            return;
        QEventLoop open;
        m_close = [&open] { open.quit(); };
        open.exec();
        m_close = nullptr;
    }
    bool isOpen() const { return bool(m_close); }
    void close() { m_close(); }
    bool holding = false;

private:
    std::function<void()> m_close;
};

class GatedFiles : public SystemFilesPassThrough
{
public:
    ReadResult readFile(const QString &p, qint64 max) override
    {
        if (stall == Stall::VersionRead && p.endsWith(QLatin1String("kordvers.ion")))
            gate.pass();
        return SystemFilesPassThrough::readFile(p, max);
    }
    FileResult createDurable(const QString &p, const QByteArray &data) override
    {
        if (stall == Stall::Install)
            gate.pass();
        step();
        return SystemFilesPassThrough::createDurable(p, data);
    }
    FileResult remove(const QString &p) override
    {
        if (stall == Stall::TakenUpDeletion && p.endsWith(QLatin1String("DI999000.HEX")))
            gate.pass();
        step();
        return SystemFilesPassThrough::remove(p);
    }
    ReadResult readFromMedium(const QString &p, qint64 max) override
    {
        step();
        return SystemFilesPassThrough::readFromMedium(p, max);
    }
    std::optional<QStringList> listFiles(const QString &d) override
    {
        step();
        return SystemFilesPassThrough::listFiles(d);
    }
    FileResult rename(const QString &a, const QString &b) override
    {
        step();
        return SystemFilesPassThrough::rename(a, b);
    }
    FileResult syncDir(const QString &d) override
    {
        step();
        return SystemFilesPassThrough::syncDir(d);
    }
    Gate gate;
    std::atomic<Stall> stall = Stall::None;
    std::atomic<int> installStep = -1;
    std::atomic<int> installCalls = 0;

private:
    // With installStep -1 the calls are only counted.
    void step()
    {
        if (stall == Stall::InstallStep && installCalls++ == installStep)
            gate.pass();
    }
};

// The main window on an executor of the cycle, shown, its timer stopped: the
// test makes the ticks.
template <typename Executor> struct GatedWindow
{
    explicit GatedWindow(const std::function<void(Platform &)> &adjust = {})
    {
        Platform p;
        p.executor = &executor;
        p.files = &files;
        p.clock = &clock;
        p.messageBox = &messages;
        p.programFolder = programDir.path();
        if (adjust)
            adjust(p);
        window = makeSteppedWindow(p);
        QObject::connect(&executor, &CycleExecutor::reported, [this](const CycleReport &r) {
            ++reports;
            probed += r.request == CycleRequest::ApplyStandard;
        });
        window->show();
        EXPECT_TRUE(waitUntil([this] { return reports >= 1; })); // the first showing's restart
    }
    ~GatedWindow()
    {
        drives.gate.open();
        files.gate.open();
        window.reset();
    }

    void plug() { drives.entries.append({dev.root(), KindRemovable, QStringLiteral("KORD")}); }
    void unplug() { drives.entries.clear(); }
    // Waits until count reports in all have been performed.
    void awaitReports(int count)
    {
        ASSERT_TRUE(waitUntil([&] { return reports >= count; }));
    }

    // The reports still to come of the requests sent so far: a request sent
    // now (to apply a standard, where none is active: it changes nothing) is
    // answered after them.
    int reportsStillToCome()
    {
        const int before = reports;
        const int probes = probed + 1;
        executor.requestApplyStandard();
        EXPECT_TRUE(waitUntil([&] { return probed == probes; }));
        return reports - before - 1;
    }

    // What the user sees of the flow.
    QString seen() const
    {
        const WindowControls &c = controlsOf(*window);
        QStringList log;
        for (int i = 0; i < c.driveLog->count(); ++i)
            log.append(c.driveLog->item(i)->text());
        return QStringList{c.stateLabel->text(),
                           c.statusLabel->text(),
                           c.instructionLabel->text(),
                           c.softwareVersionLabel->text(),
                           c.configureButton->isEnabled() ? "enabled" : "disabled",
                           QString::number(outerHeightTwips(*window)),
                           log.join('|'),
                           messages.texts.join('|')}
            .join(" / ")
            .replace(dev.root(), QStringLiteral("<device>/"));
    }

    DeviceDir dev{exampleLayoutC()};
    GatedDrives drives;
    GatedFiles files;
    FixedClock clock{QDate(2026, 12, 6)};
    HoldingMessageBox messages;
    QTemporaryDir programDir;
    Executor executor{drives, files};
    std::unique_ptr<MainWindow> window;
    int reports = 0;
    int probed = 0;
};
using WorkerWindow = GatedWindow<WorkerExecutor>;

// Counts the events of one type a widget receives.
class EventCounter : public QObject
{
public:
    EventCounter(QWidget *widget, QEvent::Type type) : m_type(type)
    {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == m_type;
        return false;
    }
    int count = 0;

private:
    QEvent::Type m_type;
};

// One whole cycle (read, Configure, unplug, replug, "Success!"), stalled at one
// point: returns what the user saw after each step. While the device holds
// the call, the window's thread must stay free.
QStringList runCycle(Stall stall)
{
    WorkerWindow w;
    w.drives.stall = stall == Stall::Scan ? stall : Stall::None;
    w.files.stall = stall;
    QStringList seen;
    int expected = w.reports;
    // One step of the user's followed by a tick. At the step the stall is at,
    // the call is held, and of the ticks that fall due meanwhile one waits.
    const auto step = [&](bool stalledHere, const std::function<void()> &act) {
        if (!stalledHere) {
            act();
            w.awaitReports(++expected);
            pollTick(*w.window);
            w.awaitReports(++expected);
            seen.append(w.seen());
            return;
        }
        Gate &gate = stall == Stall::Scan ? w.drives.gate : w.files.gate;
        gate.shut();
        act();
        ASSERT_TRUE(gate.holdsACall()) << "the stall was reached";
        EXPECT_NE(gate.heldOn(), std::this_thread::get_id()) << "device work on the worker";
        const QString before = w.seen();
        // The window paints, opens its help and takes ticks, none of which waits.
        EventCounter paints(w.window.get(), QEvent::Paint);
        w.window->update();
        EXPECT_TRUE(waitUntil([&] { return paints.count > 0; }, 2000)) << "the window repaints";
        openHelp(*w.window);
        EXPECT_TRUE(helpWindowOf() && helpWindowOf()->isVisible());
        for (int i = 0; i < 10; ++i)
            pollTick(*w.window);
        QCoreApplication::processEvents();
        EXPECT_EQ(w.reports, expected) << "nothing is reported while the device holds";
        EXPECT_EQ(w.seen(), before);
        gate.open();
        // The held request, then the one tick that waited; no more.
        w.awaitReports(expected += 2);
        EXPECT_EQ(w.reportsStillToCome(), 0) << "ticks did not pile up";
        ++expected;
        seen.append(w.seen());
    };
    step(stall == Stall::Scan || stall == Stall::VersionRead, [&] {
        w.plug();
        pollTick(*w.window);
    });
    step(stall == Stall::Install, [&] {
        pressConfigure(*w.window);
        // At once, before the device has answered.
        EXPECT_FALSE(controlsOf(*w.window).configureButton->isEnabled());
        const QCursor *cursor = QApplication::overrideCursor();
        EXPECT_TRUE(cursor && cursor->shape() == Qt::BusyCursor);
    });
    EXPECT_FALSE(QApplication::overrideCursor()) << "the busy cursor goes with the report";
    step(false, [&] {
        w.unplug();
        pollTick(*w.window);
    });
    step(stall == Stall::TakenUpDeletion, [&] {
        w.plug();
        pollTick(*w.window);
    });
    return seen;
}

} // namespace

TEST(Worker, EveryStallHoldsTheWorkerAndTheFlowGoesOnAsWithout)
{
    const QStringList plain = runCycle(Stall::None);
    ASSERT_EQ(plain.size(), 4);
    EXPECT_TRUE(plain.last().contains(" / Success! / ")) << qPrintable(plain.last());
    for (Stall stall : {Stall::Scan, Stall::VersionRead, Stall::Install, Stall::TakenUpDeletion}) {
        SCOPED_TRACE(int(stall));
        const QStringList stalled = runCycle(stall);
        ASSERT_EQ(stalled.size(), plain.size());
        for (int i = 0; i < plain.size(); ++i)
            EXPECT_EQ(stalled[i], plain[i]) << "after step " << i;
    }
}

TEST(Worker, ClosingDuringAStallEndsTheEventLoopAtOnce)
{
    WorkerWindow w;
    w.files.stall = Stall::VersionRead;
    w.files.gate.shut();
    w.plug();
    pollTick(*w.window);
    ASSERT_TRUE(w.files.gate.holdsACall());
    // The program's event loop, which ends when its last window has closed;
    // the timer only keeps a failing test from hanging, and goes with the
    // test (a timer left running would fire inside a later one).
    QTimer::singleShot(0, w.window.get(), &QWidget::close);
    bool gaveUp = false;
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [&gaveUp] {
        gaveUp = true;
        QCoreApplication::quit();
    });
    giveUp.start(20000);
    QApplication::exec();
    EXPECT_FALSE(gaveUp) << "the loop ended with the window, not with the timer";
    EXPECT_FALSE(w.window->isVisible());
    EXPECT_FALSE(w.executor.stop(200)) << "the held call is not waited for";
    w.files.gate.open();
    EXPECT_TRUE(w.executor.stop(5000)) << "and the worker ends once it returns";
}

// A message box a report shows holds back the next request, whatever the
// window asks meanwhile, as it does on one thread.
TEST(Worker, AMessageBoxHoldsBackTheNextRequest)
{
    WorkerWindow w;
    QFile::remove(w.dev.path("UPDATES/kordvers.ion")); // "Configuration file missing."
    w.messages.holding = true;
    // What a user does while the box is open runs inside its event loop.
    int scans = -1;
    int reports = -1;
    QTimer whileOpen;
    QObject::connect(&whileOpen, &QTimer::timeout, [&] {
        if (!w.messages.isOpen() || scans >= 0)
            return;
        scans = w.drives.scans;
        reports = w.reports;
        for (int i = 0; i < 5; ++i)
            pollTick(*w.window);
        w.executor.requestRestart();
        w.messages.holding = false;
        w.messages.close();
    });
    whileOpen.start(20);
    w.plug();
    pollTick(*w.window);
    // The box's own report, then the restart it held back; the ticks that
    // fell due inside it were skipped, as on one thread. A request sent once
    // they are in is answered after anything the box let through.
    ASSERT_TRUE(waitUntil([&] { return reports >= 0 && w.reports >= reports + 2; }));
    EXPECT_EQ(w.reportsStillToCome(), 0);
    EXPECT_EQ(w.reports, reports + 3) << "the box's, the restart's and the probe's";
    EXPECT_EQ(w.drives.scans, scans) << "the worker took no request while the box was open";
    EXPECT_EQ(w.messages.texts.size(), 1);
}

// A restart (focus back from the help window) leaves Configure enabled; a
// press while the read it brings is still held on the worker ends as a press
// after that read: the file written, the button disabled until the device is back.
TEST(Worker, ConfigurePressedDuringARunningReadEndsAsIfPressedAfterIt)
{
    WorkerWindow w;
    w.plug();
    pollTick(*w.window);
    ASSERT_TRUE(waitUntil([&] { return controlsOf(*w.window).configureButton->isEnabled(); }));
    w.executor.requestRestart();
    int expected = w.reports + 1;
    w.awaitReports(expected);
    w.files.stall = Stall::VersionRead;
    w.files.gate.shut();
    pollTick(*w.window);
    ASSERT_TRUE(w.files.gate.holdsACall());
    pressConfigure(*w.window);
    w.files.gate.open();
    w.awaitReports(expected += 2);
    const WindowControls &c = controlsOf(*w.window);
    EXPECT_EQ(c.instructionLabel->text(), "Disconnect USB");
    EXPECT_EQ(outerHeightTwips(*w.window), 11500);
    EXPECT_FALSE(c.configureButton->isEnabled()) << "no second Configure while the device waits";
    EXPECT_TRUE(readAll(w.dev.path("UPDATES/DI999000.HEX")).endsWith(":00000001FF\r\n"));
}

// A close while a Configure runs waits for it, held wherever it is: the
// install's calls and the record's. Released within the bound, the file and
// its row are in place before the window goes; held past it, the window goes
// (and the process would end with the worker held), and the final name holds
// the old complete file or the new one.
TEST(Worker, ACloseWaitsForTheConfigureWhereverItIsHeld)
{
    const QByteArray old = ":00000001FF\r\n"; // a complete file of the older settings
    auto complete = [&](const QByteArray &hex) {
        return hex == old || (hex.startsWith(":10") && hex.endsWith(":00000001FF\r\n"));
    };
    // Reads the device with a standard active, so that every Configure is recorded.
    struct Closing
    {
        explicit Closing(int budgetMs)
            : w([this, budgetMs](Platform &p) {
                  p.configureCloseBudgetMs = budgetMs;
                  p.standardForThisRun = FleetStandard{QStringLiteral("North"), {}};
                  p.recordFile = record;
                  p.pendingRecordFile = pending;
              })
        {
            writeFile(w.dev.path("UPDATES/DI999000.HEX"), ":00000001FF\r\n");
            writeFile(w.dev.path("UPDATES/other.hex"), ":00000001FF\r\n");
            w.awaitReports(2); // the standard's and the restart's
            w.plug();
            pollTick(*w.window);
            EXPECT_TRUE(
                waitUntil([&] { return controlsOf(*w.window).configureButton->isEnabled(); }));
            w.files.stall = Stall::InstallStep;
            w.files.installCalls = 0;
        }
        QTemporaryDir data;
        const QString record = data.filePath(QStringLiteral("record.csv"));
        const QString pending = data.filePath(QStringLiteral("pending.txt"));
        WorkerWindow w;
    };

    int calls = 0;
    {
        Closing unheld(60000);
        unheld.w.files.installStep = -1; // counted, never held
        pressConfigure(*unheld.w.window);
        ASSERT_TRUE(waitUntil([&] { return QFile::exists(unheld.record); }));
        calls = unheld.w.files.installCalls;
    }
    EXPECT_GE(calls, 7) << "create, read back, list, remove, rename, flush, the record's own";
    for (int step = 0; step < calls; ++step) {
        for (const bool pastTheBound : {false, true}) {
            SCOPED_TRACE(QStringLiteral("held at call %1%2")
                             .arg(step)
                             .arg(pastTheBound ? ", past the bound" : "")
                             .toStdString());
            // A bound of none is one already past when the close comes.
            Closing c(pastTheBound ? 0 : 60000);
            c.w.files.installStep = step;
            c.w.files.gate.shut();
            pressConfigure(*c.w.window);
            ASSERT_TRUE(c.w.files.gate.holdsACall());
            c.w.window->close();
            if (pastTheBound) {
                ASSERT_TRUE(waitUntil([&] { return !c.w.window->isVisible(); }));
                EXPECT_FALSE(c.w.executor.stop(0)) << "the process ends with the worker held";
                EXPECT_TRUE(complete(readAll(c.w.dev.path("UPDATES/DI999000.HEX"))));
                continue;
            }
            EXPECT_TRUE(c.w.window->isVisible());
            EXPECT_EQ(controlsOf(*c.w.window).statusLabel->text(), "Finishing Configure\u2026");
            EXPECT_FALSE(controlsOf(*c.w.window).fleetButton->isEnabled()) << "no dialog to cut";
            c.w.window->close();
            EXPECT_TRUE(c.w.window->isVisible()) << "a second close changes nothing";
            c.w.files.gate.open();
            ASSERT_TRUE(waitUntil([&] { return !c.w.window->isVisible(); }));
            EXPECT_TRUE(c.w.messages.texts.isEmpty()) << c.w.messages.texts.join('|').toStdString();
            const QByteArray now = readAll(c.w.dev.path("UPDATES/DI999000.HEX"));
            EXPECT_TRUE(now.startsWith(":10") && complete(now)) << now.constData();
            const QList<QStringList> rows = recordRows(c.record);
            ASSERT_EQ(rows.size(), 2);
            EXPECT_EQ(rows[1][1], "file written");
            EXPECT_FALSE(QFile::exists(c.pending));
        }
    }
}

namespace {

// The longest time the window's thread went without turning its event loop
// while the device held the call at stall for a second, in milliseconds.
template <typename Executor> qint64 longestGap(Stall stall)
{
    GatedWindow<Executor> w;
    const auto settle = [&] { QTest::qWait(100); };
    const auto plugAndTick = [&] {
        w.plug();
        pollTick(*w.window);
    };
    std::function<void()> act = plugAndTick;
    if (stall == Stall::Install || stall == Stall::TakenUpDeletion) {
        plugAndTick();
        settle();
        act = [&] { pressConfigure(*w.window); };
    }
    if (stall == Stall::TakenUpDeletion) {
        act();
        settle();
        w.unplug();
        pollTick(*w.window);
        settle();
        act = plugAndTick;
    }
    w.drives.stall = stall == Stall::Scan ? stall : Stall::None;
    w.files.stall = stall;
    Gate &gate = stall == Stall::Scan ? w.drives.gate : w.files.gate;
    gate.shut();
    std::thread opener([&gate] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
        gate.open();
    });
    qint64 longest = 0;
    QElapsedTimer sinceLast;
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout,
                     [&] { longest = std::max(longest, sinceLast.restart()); });
    beat.start(10);
    sinceLast.start();
    act();
    QTest::qWait(1500);
    opener.join();
    longest = std::max(longest, sinceLast.elapsed());
    return longest;
}

} // namespace

// Timing, so run alone and without sanitizers: a device that holds each call
// for a second holds the window's thread for that second on one thread, and
// not at all with the worker.
TEST(WorkerTiming, TheEventLoopKeepsTurningWhileTheDeviceHolds)
{
    const std::pair<Stall, const char *> points[] = {{Stall::Scan, "scan"},
                                                     {Stall::VersionRead, "version read"},
                                                     {Stall::Install, "install"},
                                                     {Stall::TakenUpDeletion, "taken-up deletion"}};
    for (const auto &[stall, name] : points) {
        const qint64 inline_ = longestGap<InlineExecutor>(stall);
        const qint64 worker = longestGap<WorkerExecutor>(stall);
        std::printf("stall of 1000 ms at the %s: window thread held %lld ms on one thread, "
                    "%lld ms with the worker\n",
                    name, static_cast<long long>(inline_), static_cast<long long>(worker));
        EXPECT_GE(inline_, 900) << name << ": the stall was reached";
        EXPECT_LT(worker, 250) << name;
    }
}

// A working day without a restart: the real main window ticked through the
// same handler its 500 ms timer calls, on a simulated device that is plugged
// and unplugged every few ticks, configured through the whole unplug/replug
// cycle to "Success!" every few hundred, whose version file is rejected now
// and then, with the help window opened and closed. What the process holds is
// measured after a warm-up and at the end and must stay flat.
// KORDAVEL_SOAK_TICKS sets the length (20,000 by default; make soak: 100,000).
#include "support/testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
// After windows.h: the process-status API needs its types.
#include <psapi.h>
#else
#include <dirent.h>
#include <malloc.h>
#include <unistd.h>
#endif

using namespace kordavel;
using namespace kordavel::test;

namespace {

// What the process holds at one moment.
struct Holdings
{
    qint64 residentKb = 0; // resident set (Linux) or working set (Windows)
    qint64 heapKb = 0;     // heap in use
    int handles = 0;       // open file descriptors (Linux) or kernel handles (Windows)
    int userObjects = 0;   // Windows USER objects; 0 elsewhere
    int gdiObjects = 0;    // Windows GDI objects; 0 elsewhere
    int objects = 0;       // live QObjects under the window and top-level widgets
    int timers = 0;        // live QTimers among them
};

#ifdef Q_OS_WIN
// Wine answers the handle and GUI-object counts with 0; only real Windows counts them.
bool underWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// Bytes in use in every heap of the process (the C runtime's among them).
qint64 heapBytesInUse()
{
    HANDLE heaps[64];
    const DWORD n = GetProcessHeaps(64, heaps);
    qint64 busy = 0;
    for (DWORD i = 0; i < n && i < 64; ++i) {
        if (!HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY e{};
        while (HeapWalk(heaps[i], &e))
            if (e.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                busy += e.cbData;
        HeapUnlock(heaps[i]);
    }
    return busy;
}
#endif

Holdings measure(QWidget *window)
{
    Holdings h;
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS_EX pmc{};
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS *>(&pmc),
                         sizeof pmc);
    h.residentKb = qint64(pmc.WorkingSetSize / 1024);
    h.heapKb = heapBytesInUse() / 1024;
    DWORD count = 0;
    GetProcessHandleCount(GetCurrentProcess(), &count);
    h.handles = int(count);
    h.userObjects = int(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
    h.gdiObjects = int(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
#else
    long pages = 0;
    long resident = 0;
    if (FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    h.residentKb = resident * (sysconf(_SC_PAGESIZE) / 1024);
    h.heapKb = qint64(mallinfo2().uordblks / 1024);
    if (DIR *d = opendir("/proc/self/fd")) {
        while (readdir(d))
            ++h.handles;
        closedir(d);
        h.handles -= 3; // ".", ".." and the listing's own descriptor
    }
#endif
    QList<QObject *> all = window->findChildren<QObject *>();
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top != window)
            all += top->findChildren<QObject *>() << top;
    h.objects = int(all.size());
    for (QObject *o : all)
        h.timers += qobject_cast<QTimer *>(o) ? 1 : 0;
    return h;
}

void print(const char *when, const Holdings &h)
{
    std::printf("%-10s resident %7lld KB, %s %7lld KB, %s %4d, USER %3d, GDI %3d, QObjects %4d, "
                "timers %2d\n",
                when, static_cast<long long>(h.residentKb),
#ifdef Q_OS_WIN
                "heap in use", static_cast<long long>(h.heapKb), "handles",
#else
                "heap in use", static_cast<long long>(h.heapKb), "descriptors",
#endif
                h.handles, h.userObjects, h.gdiObjects, h.objects, h.timers);
}

// The offscreen platform says on every help window that it cannot do what a
// desktop would; a day of that says nothing.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        std::fprintf(stderr, "%s\n", qPrintable(text));
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

TEST(Soak, AWorkingDayOfTicksHoldsSteady)
{
    qInstallMessageHandler(quietPlatformNotes);
    bool ok = false;
    int ticks = qEnvironmentVariableIntValue("KORDAVEL_SOAK_TICKS", &ok);
    if (!ok || ticks <= 0)
        ticks = 20000;
    const int warmUp = ticks / 10;

    Harness h;
    h.window->show();
    DeviceDir dev(exampleLayoutC());
    const QString root = dev.root();
    Holdings start;
    int cycles = 0;
    int rejected = 0;
    int helpOpened = 0;
    bool plugged = false;
    for (int t = 0; t < ticks; ++t) {
        if (t == warmUp)
            start = measure(h.window.get());
        const int phase = t % 400;
        if (phase >= 90 && phase < 100 && !plugged) {
            h.plug(root, "KORDAVEL"); // plugged in and read before the cycle
            plugged = true;
        } else if (phase == 100) {
            // The whole cycle: Configure, unplug, replug ("Success!"), unplug.
            controlsOf(*h.window).configureButton->click();
            ASSERT_EQ(h.window.cycle().state(), FlowState::WaitingForUnplug) << "tick " << t;
            h.unplug(root);
            pollTick(*h.window);
            h.plug(root, "KORDAVEL");
            pollTick(*h.window);
            ASSERT_EQ(controlsOf(*h.window).statusLabel->text(), "Success!") << "tick " << t;
            h.unplug(root);
            plugged = false;
            ++cycles;
        } else if (phase == 200) {
            dev.setVersionFile(QByteArray(20, 'x')); // too short: rejected and deleted
            ++rejected;
        } else if (phase == 260) {
            dev.setVersionFile(exampleLayoutC());
        } else if (phase == 300) {
            openHelp(*h.window);
            ++helpOpened;
        } else if (phase == 320 && helpWindowOf()) {
            helpWindowOf()->close();
        } else if (t % 7 == 0 && (phase < 90 || phase > 100)) {
            // Plugged in and out every few ticks.
            if (plugged)
                h.unplug(root);
            else
                h.plug(root, "KORDAVEL");
            plugged = !plugged;
        }
        pollTick(*h.window);
        // Deferred deletions (the closed help window) happen as the event loop runs.
        if (t % 50 == 0)
            QCoreApplication::processEvents();
        h.messages.texts.clear(); // the recording box is the test's, not the program's
        h.messages.titles.clear();
    }
    QCoreApplication::processEvents();
    const Holdings end = measure(h.window.get());
    std::printf("%d ticks: %d configure cycles, %d rejected version files, help opened %d times\n",
                ticks, cycles, rejected, helpOpened);
    print("after warm-up", start);
    print("at the end", end);
    EXPECT_GT(cycles, ticks / 800) << "the cycles ran";
    // A measure that reads 0 would hide any growth.
    ASSERT_GT(start.heapKb, 0);
    ASSERT_GT(start.residentKb, 0);
#ifdef Q_OS_WIN
    if (underWine())
        std::printf("handles, USER and GDI objects: not counted under wine\n");
    else
        ASSERT_GT(start.handles, 0);
#else
    ASSERT_GT(start.handles, 0);
#endif
    EXPECT_GT(rejected, 0);
    // Counts must come back exactly; memory may move by what an allocator
    // keeps for reuse, bounded well below what a leak of one object per
    // cycle or per 100 ticks would show over this run.
    EXPECT_EQ(end.objects, start.objects);
    EXPECT_EQ(end.timers, start.timers);
    EXPECT_LE(end.handles, start.handles);
    EXPECT_LE(end.userObjects, start.userObjects);
    EXPECT_LE(end.gdiObjects, start.gdiObjects);
    EXPECT_LE(end.heapKb - start.heapKb, 512) << "heap grew";
    EXPECT_LE(end.residentKb - start.residentKb, 2048) << "resident memory grew";
}

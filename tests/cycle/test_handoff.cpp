// The hand-off between the window's thread and the worker threads of the
// cycle and of the fleet's files. It needs no window, so that these tests and
// the core's run under the thread sanitizer without building the GUI for it.

#include "cycle/executor.h"
#include "fleet/fleetfiles.h"
#include "support/coresupport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

using namespace kordavel;
using namespace kordavel::test;

// The hand-off between the window's thread and the worker, many thousand
// times over (this test runs under the address and thread sanitizers too):
// every request is answered once, in the order it came, and ticks that
// fall due while one waits are dropped.
TEST(WorkerHandOff, ThousandsOfRequestsAreAnsweredInOrder)
{
    DeviceDir dev(exampleLayoutC());
    FakeDrives drives;
    drives.entries = {{dev.root(), KindRemovable, QStringLiteral("KORD")}};
    WorkerExecutor executor(drives, systemFiles());
    QStringList answered;
    int ticks = 0;
    int restarts = 0;
    QObject::connect(&executor, &CycleExecutor::reported, [&](const CycleReport &r) {
        ticks += r.request == CycleRequest::Tick;
        restarts += r.request == CycleRequest::Restart;
        if (r.request == CycleRequest::MediaProblem)
            answered.append(lastOf<show::MediaNotice>(r).value_or(show::MediaNotice{}).problem);
    });
    constexpr int kRounds = 3000;
    QStringList asked;
    for (int i = 0; i < kRounds; ++i) {
        executor.requestTick();
        executor.requestTick();
        asked.append(QString::number(i));
        executor.requestMediaProblem(asked.last());
        if (i % 100 == 0)
            executor.requestRestart();
        if (i % 7 == 0)
            QCoreApplication::processEvents();
    }
    ASSERT_TRUE(waitUntil([&] { return answered.size() == kRounds; }, 120000));
    EXPECT_EQ(answered, asked);
    EXPECT_EQ(restarts, kRounds / 100);
    EXPECT_GT(ticks, 0);
    EXPECT_LT(ticks, kRounds) << "ticks that fall due while one waits do not queue";
    EXPECT_TRUE(executor.stop(5000));
}

// The test changes the fake drives while the worker reads them, as plugging
// does between ticks; the thread sanitizer (tests/support/tsan_check.sh)
// finds every change and read ordered by the fake's lock.
TEST(WorkerHandOff, TheDrivesChangeWhileTheWorkerReadsThem)
{
    DeviceDir dev(exampleLayoutC());
    FakeDrives drives;
    WorkerExecutor executor(drives, systemFiles());
    int ticks = 0;
    bool ended = false;
    QObject::connect(&executor, &CycleExecutor::reported, [&](const CycleReport &r) {
        ticks += r.request == CycleRequest::Tick;
        ended = r.request == CycleRequest::MediaProblem;
    });
    const FakeDrives::Entry device{dev.root(), KindRemovable, QStringLiteral("KORD")};
    const FakeDrives::Entry empty{QStringLiteral("/nowhere/"), KindRemovable, QString()};
    for (int i = 0; i < 500; ++i) {
        executor.requestTick();
        drives.entries.append(device);
        drives.entries.prepend(empty);
        drives.entries.removeIf([](const FakeDrives::Entry &e) { return e.label->isEmpty(); });
        drives.entries = {empty, device};
        drives.entries.clear();
        if (i % 5 == 0)
            QCoreApplication::processEvents();
    }
    // Answered after every tick asked before it.
    executor.requestMediaProblem(QStringLiteral("end"));
    ASSERT_TRUE(waitUntil([&] { return ended; }));
    EXPECT_GT(ticks, 0);
    EXPECT_TRUE(executor.stop(5000));
}

// The fleet's files on their own thread (under the thread sanitizer too):
// every answer comes on the asking thread, in the order asked, and none to a
// context that has gone.
TEST(WorkerHandOff, StandardFilesAreAnsweredInOrderOnTheAskingThread)
{
    QTemporaryDir dir;
    FleetFiles fleet(systemFiles());
    QObject context;
    QStringList asked;
    QStringList answered;
    bool onThisThread = true;
    const Qt::HANDLE self = QThread::currentThreadId();
    for (int i = 0; i < 200; ++i) {
        const QString name = QStringLiteral("S%1").arg(i);
        const QString path = dir.filePath(QStringLiteral("%1.json").arg(i % 7));
        fleet.saveStandard(path, FleetStandard{name, {}}, true, &context,
                           [&, name](StandardSave saved, const QString &) {
                               onThisThread &= QThread::currentThreadId() == self;
                               answered.append((saved == StandardSave::Saved ? "saved " : "not ") +
                                               name);
                           });
        fleet.loadStandard(path, &context, [&](const StandardLoad &loaded) {
            const FleetStandard *s = std::get_if<FleetStandard>(&loaded);
            answered.append("loaded " + (s ? s->name : QStringLiteral("nothing")));
        });
        asked << "saved " + name << "loaded " + name;
    }
    bool answeredTheGone = false;
    auto gone = std::make_unique<QObject>();
    fleet.loadStandard(dir.filePath("0.json"), gone.get(),
                       [&](const StandardLoad &) { answeredTheGone = true; });
    gone.reset();
    fleet.loadStandard(QString(), &context, [&](const StandardLoad &) { answered.append("end"); });
    asked.append("end");
    ASSERT_TRUE(waitUntil([&] { return answered.size() == asked.size(); }));
    EXPECT_EQ(answered, asked);
    EXPECT_TRUE(onThisThread);
    EXPECT_FALSE(answeredTheGone);
    EXPECT_TRUE(fleet.stop(5000));
}

// A standard on a share, read afresh each time: an edit that keeps the size
// is seen, the last good one is copied locally and holds, with its date,
// while the share is away or the file there is refused.
TEST(WorkerHandOff, AStandardOnAShareIsCopiedAndTheCopyHoldsWhileTheShareIsAway)
{
    QTemporaryDir share;
    QTemporaryDir local;
    const QString path = share.filePath("north.json");
    const QString copy = local.filePath("data/copy.json");
    FleetFiles fleet(systemFiles());
    QObject context;
    auto check = [&] {
        std::optional<KeptStandard> answer;
        fleet.checkKeptStandard(path, copy, &context,
                                [&](const KeptStandard &kept) { answer = kept; });
        EXPECT_TRUE(waitUntil([&] { return answer.has_value(); }));
        return answer.value_or(KeptStandard{});
    };
    auto nameOf = [](const KeptStandard &kept) {
        return kept.standard ? kept.standard->name : QStringLiteral("none");
    };
    KeptStandard none = check();
    EXPECT_EQ(nameOf(none), "none");
    EXPECT_EQ(none.problem, "There is no such file.");

    QString problem;
    ASSERT_TRUE(saveFleetStandard(systemFiles(), path, {QStringLiteral("North A"), {}}, &problem));
    const KeptStandard first = check();
    EXPECT_EQ(nameOf(first), "North A");
    EXPECT_TRUE(first.problem.isEmpty());
    EXPECT_EQ(readAll(copy), readAll(path));
    const QDateTime fileTime = QFileInfo(path).lastModified();
    ASSERT_TRUE(saveFleetStandard(systemFiles(), path, {QStringLiteral("North B"), {}}, &problem));
    QFile(path).setFileTime(fileTime, QFileDevice::FileModificationTime);
    EXPECT_EQ(nameOf(check()), "North B") << "same size, same time, other content";

    writeFile(path, "{ not a standard");
    const KeptStandard refused = check();
    EXPECT_EQ(nameOf(refused), "North B");
    EXPECT_FALSE(refused.problem.isEmpty());
    EXPECT_EQ(refused.copyTaken, QFileInfo(copy).lastModified());
    ASSERT_TRUE(share.remove());
    const KeptStandard away = check();
    EXPECT_EQ(nameOf(away), "North B");
    EXPECT_EQ(away.problem, "There is no such file.");
    std::optional<KeptStandard> copyOnly;
    fleet.readKeptCopy(copy, &context, [&](const KeptStandard &kept) { copyOnly = kept; });
    ASSERT_TRUE(waitUntil([&] { return copyOnly.has_value(); }));
    EXPECT_EQ(nameOf(*copyOnly), "North B");
    EXPECT_TRUE(fleet.stop(5000));
}

// Not a test of the program: a race planted between the window's thread and
// the worker, which the thread sanitizer must report with the
// suppressions of Qt's internals in force (run by tests/support/tsan_check.sh).
TEST(TsanCanary, DISABLED_PlantedRaceIsReported)
{
    struct RacyDrives : FakeDrives
    {
        std::optional<QStringList> roots() override
        {
            ++plantedRaceCounter; // on the worker, unguarded
            return FakeDrives::roots();
        }
        int plantedRaceCounter = 0;
    } drives;
    WorkerExecutor executor(drives, systemFiles());
    int reports = 0;
    QObject::connect(&executor, &CycleExecutor::reported, [&] { ++reports; });
    for (int i = 0; i < 20; ++i) {
        executor.requestTick();
        ++drives.plantedRaceCounter; // on the window's thread while the tick runs, unguarded
        ASSERT_TRUE(waitUntil([&] { return reports == i + 1; }));
    }
}

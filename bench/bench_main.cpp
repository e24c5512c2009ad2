// Costs of the work a poll tick does, against spawning a drive-listing tool.
#include "device/drivescan.h"
#include "drives_table.h"
#include "platform/drives_linux.h"
#include "platform/files.h"
#include "settings/versionfile.h"
#include "writer/hexfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/stat.h>

#include <map>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

using namespace kordavel;

namespace {

void write(const QString &path, const QByteArray &data)
{
    QDir().mkpath(path.section('/', 0, -2));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(data);
}

// A machine with 40 mounts: one fixed disk with many partitions and pseudo
// mounts, tmpfs, network shares, and two USB sticks, one of them the device.
struct Fixture
{
    QTemporaryDir dir;
    QString table;

    Fixture()
    {
        const QString sys = dir.path() + "/sys";
        const QString usb =
            sys +
            "/devices/pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/";
        const QString sata =
            sys + "/devices/pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda";
        write(sata + "/removable", "0\n");
        QByteArray mountinfo;
        QByteArray tableText;
        int id = 20;
        const auto add = [&](const QByteArray &line, const QString &root, int kind) {
            mountinfo += QByteArray::number(id++) + " 1 " + line + "\n";
            tableText += root.toUtf8() + "\t" + QByteArray::number(kind) + "\tL\n";
        };
        for (int i = 1; i <= 20; ++i) {
            write(sata + QString("/sda%1/partition").arg(i), "1\n");
            QFile::link(sata + QString("/sda%1").arg(i), sys + QString("/dev/block/8:%1").arg(i));
            QDir().mkpath(sys + "/dev/block");
            QFile::link(sata + QString("/sda%1").arg(i), sys + QString("/dev/block/8:%1").arg(i));
            const QString mp = dir.path() + QString("/mnt/part%1").arg(i);
            add(QString("8:%1 / %2 rw - ext4 /dev/sda%1 rw").arg(i).arg(mp).toUtf8(), mp + "/", 3);
        }
        for (int i = 0; i < 8; ++i)
            mountinfo += QByteArray::number(id++) + " 1 0:" + QByteArray::number(30 + i) +
                         " / /sys/x" + QByteArray::number(i) + " rw - sysfs sysfs rw\n";
        for (int i = 0; i < 5; ++i) {
            const QString mp = dir.path() + QString("/run/t%1").arg(i);
            add(QString("0:%1 / %2 rw - tmpfs tmpfs rw").arg(50 + i).arg(mp).toUtf8(), mp + "/", 6);
        }
        for (int i = 0; i < 5; ++i) {
            const QString mp = dir.path() + QString("/net/s%1").arg(i);
            add(QString("0:%1 / %2 rw - nfs4 server:/e%1 rw").arg(60 + i).arg(mp).toUtf8(),
                mp + "/", 4);
        }
        for (const char *disk : {"sdb", "sdc"}) {
            write(usb + disk + "/removable", "0\n");
            write(usb + disk + "/" + disk + "1/partition", "1\n");
            const int minor = disk[2] == 'b' ? 17 : 33;
            QFile::link(usb + disk + "/" + disk + "1", sys + QString("/dev/block/8:%1").arg(minor));
            const QString mp = dir.path() + "/media/" + disk;
            QDir().mkpath(mp);
            add(QString("8:%1 / %2 rw - vfat /dev/%3 rw")
                    .arg(minor)
                    .arg(mp)
                    .arg(QString(disk) + "1")
                    .toUtf8(),
                mp + "/", 2);
        }
        QDir().mkpath(dir.path() + "/media/sdc/KORDAVEL/CARD");
        write(dir.path() + "/proc/self/mountinfo", mountinfo);
        QDir().mkpath(dir.path() + "/dev/disk/by-label");
        QFile::link("../../sdc1", dir.path() + "/dev/disk/by-label/KORDAVEL");
        table = dir.path() + "/table";
        write(table, tableText);
    }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

void scanOnce(Drives &drives, benchmark::State &state)
{
    DriveScan scan;
    QStringList log;
    qint32 count = 0;
    scanForDevices(drives, systemFiles(), scan, count, log);
    if (count != 1)
        state.SkipWithError("the device was not found");
    benchmark::DoNotOptimize(log);
}

void BM_TickScanLinux(benchmark::State &state)
{
    LinuxDrives drives(fixture().dir.path() + "/proc", fixture().dir.path() + "/sys",
                       fixture().dir.path() + "/dev");
    for (auto _ : state)
        scanOnce(drives, state);
}
BENCHMARK(BM_TickScanLinux)->UseRealTime();

// The idle tick as the program runs it: the system's own mount table, whose
// changes the kernel reports, with no device plugged in.
void BM_IdleTickSystem(benchmark::State &state)
{
    LinuxDrives drives;
    DriveScan scan;
    QStringList log;
    qint32 count = 0;
    for (auto _ : state) {
        scanForDevices(drives, systemFiles(), scan, count, log);
        benchmark::DoNotOptimize(log);
    }
}
BENCHMARK(BM_IdleTickSystem)->UseRealTime();

// The floor: one bare stat() of a mount point.
void BM_StatMountPoint(benchmark::State &state)
{
    struct stat st
    {
    };
    for (auto _ : state)
        benchmark::DoNotOptimize(::stat("/", &st));
}
BENCHMARK(BM_StatMountPoint)->UseRealTime();

void BM_TickScanLinuxCold(benchmark::State &state)
{
    for (auto _ : state) {
        LinuxDrives drives(fixture().dir.path() + "/proc", fixture().dir.path() + "/sys",
                           fixture().dir.path() + "/dev");
        scanOnce(drives, state);
    }
}
BENCHMARK(BM_TickScanLinuxCold)->UseRealTime();

void BM_TickScanTable(benchmark::State &state)
{
    TableDrives drives(fixture().table);
    for (auto _ : state)
        scanOnce(drives, state);
}
BENCHMARK(BM_TickScanTable)->UseRealTime();

void BM_ParseVersionFile(benchmark::State &state)
{
    QByteArray d(80, char(0xFF));
    d.replace(0, 11, "TQ000054HEX");
    for (auto _ : state) {
        const VersionAssessment a = assessVersionFile(d, 0);
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(periodText(d));
        benchmark::DoNotOptimize(datesOf(d));
    }
}
BENCHMARK(BM_ParseVersionFile)->UseRealTime();

void BM_BuildTqFile(benchmark::State &state)
{
    DeviceSettings s;
    s.fileNameFormat = FileNameFormat::European;
    s.daysBack = "28";
    for (DownloadBox b : kAllDownloadBoxes)
        s.setChecked(b, b != DownloadBox::SaveCardDate);
    s.downloadStart = QDate(2024, 1, 1);
    s.downloadEnd = QDate(2024, 12, 31);
    for (auto _ : state)
        benchmark::DoNotOptimize(buildConfigurationFile(s, "TQ", 60, 0x3F));
}
BENCHMARK(BM_BuildTqFile)->UseRealTime();

// What a drive-listing peer does on every poll: spawn lsblk and read its JSON.
void BM_SpawnLsblk(benchmark::State &state)
{
    for (auto _ : state) {
        int fds[2];
        if (pipe(fds) != 0) {
            state.SkipWithError("pipe");
            return;
        }
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_adddup2(&fa, fds[1], 1);
        posix_spawn_file_actions_addclose(&fa, fds[0]);
        const char *argv[] = {"lsblk",   "--bytes",      "--all", "--json",
                              "--paths", "--output-all", nullptr};
        pid_t pid = 0;
        if (posix_spawnp(&pid, "lsblk", &fa, nullptr, const_cast<char **>(argv), environ) != 0) {
            state.SkipWithError("lsblk not found");
            return;
        }
        close(fds[1]);
        char buf[65536];
        size_t total = 0;
        for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;)
            total += size_t(n);
        close(fds[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        posix_spawn_file_actions_destroy(&fa);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_SpawnLsblk)->UseRealTime();

// Keeps each benchmark's real time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &r : runs)
            if (!r.error_occurred)
                times[r.run_name.function_name] = r.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double spawn = reporter.times["BM_SpawnLsblk"];
    std::printf("\nRatios (spawning lsblk once / the work named):\n");
    for (const char *name :
         {"BM_IdleTickSystem", "BM_TickScanLinux", "BM_TickScanLinuxCold", "BM_TickScanTable",
          "BM_ParseVersionFile", "BM_BuildTqFile", "BM_StatMountPoint"}) {
        const double t = reporter.times[name];
        if (spawn > 0 && t > 0)
            std::printf("  %-22s %8.0fx cheaper\n", name, spawn / t);
    }
    const double idle = reporter.times["BM_IdleTickSystem"];
    const double floor = reporter.times["BM_StatMountPoint"];
    if (idle > 0 && floor > 0)
        std::printf("The idle tick costs %.1f bare stat() calls of a mount point.\n", idle / floor);
    if (spawn > 0 && idle > 0)
        std::printf("Goal: the idle tick at least 1000x cheaper than the spawn: %s (%.0fx)\n",
                    spawn / idle >= 1000 ? "met" : "NOT met", spawn / idle);
    benchmark::Shutdown();
    return 0;
}

#include "cycle/executor.h"
#include "drives_table.h"
#include "mainwindow.h"
#include "platform/clock.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/media.h"
#include "platform/messagebox.h"
#include "platform/program.h"

#include <QApplication>

namespace {

// How long a closed program waits for the device work to end. A call that a
// stalled device holds does not end sooner for waiting; the process ends
// without it.
constexpr int kWorkerStopBudgetMs = 500;

// A drive table named by KORDAVEL_DRIVE_TABLE stands in for the machine's own
// drives, so that the program can be run against a simulated device.
std::unique_ptr<kordavel::Drives> makeDrives()
{
    const QString table = qEnvironmentVariable("KORDAVEL_DRIVE_TABLE");
    if (!table.isEmpty())
        return std::make_unique<kordavel::TableDrives>(table);
    return kordavel::makeOsDrives();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // No display name: the toolkit would append it to every window caption.
    QApplication::setApplicationName(QStringLiteral("kordavel-config"));

    const std::unique_ptr<kordavel::Drives> drives = makeDrives();
    kordavel::WorkerExecutor executor(*drives, kordavel::systemFiles());
    kordavel::Platform platform;
    platform.executor = &executor;
    platform.files = &kordavel::systemFiles();
    platform.clock = &kordavel::systemClock();
    platform.messageBox = &kordavel::systemMessageBox();
    const std::unique_ptr<kordavel::MediaService> media = kordavel::makeMediaService();
    platform.media = media.get();
    platform.programFolder = kordavel::programFolder();

    int status = 0;
    {
        kordavel::MainWindow window(platform);
        window.show();
        status = QApplication::exec();
    }
    if (!executor.stop(kWorkerStopBudgetMs)) {
        // The worker is inside a call the device holds; the system ends it
        // with the process, and nothing here may be torn down under it.
        kordavel::endProcessNow(status);
    }
    return status;
}

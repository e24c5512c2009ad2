#include "mainwindow.h"
#include "platform/clock.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/media.h"
#include "platform/messagebox.h"
#include "platform/program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // No display name: the toolkit would append it to every window caption.
    QApplication::setApplicationName(QStringLiteral("kordavel-config"));

    const std::unique_ptr<kordavel::Drives> drives = kordavel::makeSystemDrives();
    kordavel::Platform platform;
    platform.drives = drives.get();
    platform.files = &kordavel::systemFiles();
    platform.clock = &kordavel::systemClock();
    platform.messageBox = &kordavel::systemMessageBox();
    const std::unique_ptr<kordavel::MediaService> media = kordavel::makeMediaService();
    platform.media = media.get();
    platform.programFolder = kordavel::programFolder();

    kordavel::MainWindow window(platform);
    window.show();
    return QApplication::exec();
}

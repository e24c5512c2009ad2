#include "testsupport.h"

#include "platform/files.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

namespace kordavel::test {

Harness::Harness(Files &f) : files(f)
{
    create();
}

Harness::~Harness() = default;

void Harness::create()
{
    window = makeMainWindow(drives, files, clock, messages, programDir.path());
}

std::unique_ptr<MainWindow> makeMainWindow(Drives &drives, Files &files, Clock &clock,
                                           MessageBox &box, const QString &programFolder,
                                           MediaService *media)
{
    Platform p;
    p.drives = &drives;
    p.files = &files;
    p.clock = &clock;
    p.messageBox = &box;
    p.programFolder = programFolder;
    p.media = media;
    auto window = std::make_unique<MainWindow>(p);
    window->pollTimer()->stop();
    return window;
}

void Harness::plug(const QString &root, const QString &label, int kind)
{
    drives.entries.append({root, kind, label});
}

void Harness::unplug(const QString &root)
{
    for (int i = 0; i < drives.entries.size(); ++i)
        if (drives.entries[i].root == root)
            drives.entries.removeAt(i--);
}

void Harness::tick(int n)
{
    for (int i = 0; i < n; ++i)
        window->onPollTick();
}

bool waitUntil(const std::function<bool()> &cond, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!cond()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

} // namespace kordavel::test

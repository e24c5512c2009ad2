#include "testsupport.h"

#include "platform/files.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

namespace kordavel::test {

Harness::Harness(Files &f) : files(f)
{
    create();
}

Harness::~Harness() = default;

void Harness::create()
{
    window.reset();
    window = makeMainWindow(drives, files, clock, messages, programDir.path(), nullptr,
                            [this](Platform &p) {
                                p.desktop = &desktop;
                                if (adjustPlatform)
                                    adjustPlatform(p);
                            });
    // The remembered standard, if any, has arrived.
    window.awaitFleetFiles();
}

TestWindow makeMainWindow(Drives &drives, Files &files, Clock &clock, MessageBox &box,
                          const QString &programFolder, MediaService *media,
                          const std::function<void(Platform &)> &adjust)
{
    TestWindow made;
    made.executor = std::make_unique<InlineExecutor>(drives, files);
    made.fleetFiles = std::make_unique<FleetFiles>(files);
    Platform p;
    p.executor = made.executor.get();
    p.fleetFiles = made.fleetFiles.get();
    p.files = &files;
    p.clock = &clock;
    p.messageBox = &box;
    p.programFolder = programFolder;
    p.media = media;
    if (adjust)
        adjust(p);
    made.window = makeSteppedWindow(p);
    return made;
}

std::unique_ptr<MainWindow> makeSteppedWindow(Platform p)
{
    if (p.ticker)
        return std::make_unique<MainWindow>(p);
    auto ticker = std::make_unique<SteppedTicker>();
    p.ticker = ticker.get();
    auto window = std::make_unique<MainWindow>(p);
    ticker.release()->setParent(window.get());
    return window;
}

bool isTicking(MainWindow &window)
{
    auto *ticker = window.findChild<SteppedTicker *>(QString(), Qt::FindDirectChildrenOnly);
    return ticker && ticker->isActive();
}

void TestWindow::awaitFleetFiles() const
{
    // The requests are answered in their order: once this one is, so are those before.
    bool answered = false;
    QObject context;
    fleetFiles->loadStandard(QString(), &context,
                             [&answered](const StandardLoad &) { answered = true; });
    EXPECT_TRUE(waitUntil([&answered] { return answered; }));
}

namespace {
// The window's handlers are its private slots, reached as its timer, its
// buttons and the window system reach them.
void invoke(MainWindow &window, const char *slot)
{
    const bool invoked = QMetaObject::invokeMethod(&window, slot, Qt::DirectConnection);
    EXPECT_TRUE(invoked) << slot;
}
} // namespace

void pollTick(MainWindow &window)
{
    auto *ticker = window.findChild<SteppedTicker *>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_TRUE(ticker) << "a window made by makeSteppedWindow";
    ticker->step();
}

void pressConfigure(MainWindow &window)
{
    QPushButton *button = window.controls().configureButton;
    EXPECT_TRUE(button->isEnabled()) << "Configure pressed while it is disabled";
    button->click();
}

void runConfigureCommand(MainWindow &window)
{
    invoke(window, "configureDevice");
}

void restartFlow(MainWindow &window)
{
    invoke(window, "restartFlow");
}

void openHelp(MainWindow &window)
{
    invoke(window, "openHelp");
}

void showHelp(MainWindow &window)
{
    invoke(window, "showHelp");
}

void stepArrow(MainWindow &window, const PictureBox *arrow)
{
    const MainWindowControls &c = window.controls();
    window.arrows().showArrow(*c.arrowDisplay, *c.noArrowPicture, *arrow);
}

void focusMovesTo(MainWindow &window, QWindow *focus)
{
    const bool invoked = QMetaObject::invokeMethod(&window, "onFocusWindowChanged",
                                                   Qt::DirectConnection, Q_ARG(QWindow *, focus));
    EXPECT_TRUE(invoked);
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
        pollTick(*window);
}

void Harness::configure()
{
    pressConfigure(*window);
}

void Harness::configureAndUnplug(const QString &root)
{
    configure();
    unplug(root);
    tick();
    ASSERT_EQ(window.cycle().state(), FlowState::WaitingForReplug);
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

#include "testsupport.h"

#include "app/layout.h"
#include "look/look.h"

#include "platform/files.h"

#include <QPushButton>
#include <QTest>
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

namespace {
template <typename T> void find(const QWidget &window, T *&control, const char *name)
{
    control = window.findChild<T *>(QLatin1String(name));
    EXPECT_TRUE(control) << "no control " << name;
}
} // namespace

#define KORDAVEL_FIND(field) find(window, c.field, #field)

WindowControls controlsOf(const QWidget &window)
{
    WindowControls c;
    KORDAVEL_FIND(helpButton);
    KORDAVEL_FIND(fleetButton);
    KORDAVEL_FIND(fleetReport);
    KORDAVEL_FIND(configureButton);
    KORDAVEL_FIND(modelFrame);
    KORDAVEL_FIND(downloadStartLabel);
    KORDAVEL_FIND(downloadEndLabel);
    KORDAVEL_FIND(stateCaptionLabel);
    KORDAVEL_FIND(stateLabel);
    KORDAVEL_FIND(softwareVersionLabel);
    KORDAVEL_FIND(statusLabel);
    KORDAVEL_FIND(instructionLabel);
    KORDAVEL_FIND(programVersionLabel);
    KORDAVEL_FIND(copyrightLabel);
    KORDAVEL_FIND(mountNoticeLabel);
    KORDAVEL_FIND(mountButton);
    KORDAVEL_FIND(safeRemoveButton);
    KORDAVEL_FIND(devicePicture);
    KORDAVEL_FIND(driveLog);
    KORDAVEL_FIND(arrowDisplay);
    KORDAVEL_FIND(noArrowPicture);
    KORDAVEL_FIND(plugInArrowPicture);
    KORDAVEL_FIND(unplugArrowPicture);
    KORDAVEL_FIND(downloadPage);
    KORDAVEL_FIND(overviewBox);
    KORDAVEL_FIND(activitiesBox);
    KORDAVEL_FIND(eventsFaultsBox);
    KORDAVEL_FIND(detailedSpeedBox);
    KORDAVEL_FIND(technicalDataBox);
    KORDAVEL_FIND(driverCardBox);
    KORDAVEL_FIND(saveCardDateBox);
    KORDAVEL_FIND(otherVdoDataBox);
    KORDAVEL_FIND(speed168hBox);
    KORDAVEL_FIND(speed4HzBox);
    KORDAVEL_FIND(useDatesBox);
    KORDAVEL_FIND(daysBackEdit);
    KORDAVEL_FIND(daysLabel);
    KORDAVEL_FIND(downloadStartPicker);
    KORDAVEL_FIND(downloadEndPicker);
    KORDAVEL_FIND(fileNamePage);
    KORDAVEL_FIND(modelKordavelButton);
    KORDAVEL_FIND(modelKordavelPlusButton);
    KORDAVEL_FIND(downloadPageButton);
    KORDAVEL_FIND(fileNamePageButton);
    // In FileNameFormat order.
    const char *formats[kFileNameFormatCount] = {"shortNamesButton", "europeanNamesButton",
                                                 "frenchNamesButton", "spanishNamesButton",
                                                 "duvadoRirozoNamesButton"};
    for (int f = 0; f < kFileNameFormatCount; ++f)
        find(window, c.fileNameFormatButtons[std::size_t(f)], formats[f]);
    return c;
}

#undef KORDAVEL_FIND

QCheckBox *WindowControls::box(DownloadBox which) const
{
    switch (which) {
    case DownloadBox::Overview:
        return overviewBox;
    case DownloadBox::Activities:
        return activitiesBox;
    case DownloadBox::EventsFaults:
        return eventsFaultsBox;
    case DownloadBox::DetailedSpeed:
        return detailedSpeedBox;
    case DownloadBox::TechnicalData:
        return technicalDataBox;
    case DownloadBox::DriverCard:
        return driverCardBox;
    case DownloadBox::SaveCardDate:
        return saveCardDateBox;
    case DownloadBox::OtherVdoData:
        return otherVdoDataBox;
    case DownloadBox::Speed168h:
        return speed168hBox;
    case DownloadBox::Speed4Hz:
        return speed4HzBox;
    case DownloadBox::UseDates:
        return useDatesBox;
    }
    return nullptr;
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

int outerHeightTwips(const MainWindow &window)
{
    // The fleet strip lies below the window's own height.
    int client = window.height();
    if (const auto *strip = window.findChild<QWidget *>(QStringLiteral("fleetReport"));
        strip && !strip->isHidden())
        client -= strip->height();
    for (int twips : {kShortHeightTwips, kTallHeightTwips})
        if (client == clientHeightForOuterTwips(window, twips))
            return twips;
    return -1;
}

bool isWide(const MainWindow &window)
{
    return !controlsOf(window).driveLog->isHidden();
}

HelpWindow *helpWindowOf()
{
    HelpWindow *found = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *help = qobject_cast<HelpWindow *>(w)) {
            EXPECT_FALSE(found) << "one help window at a time";
            found = help;
        }
    return found;
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

void pollTick(MainWindow &window)
{
    auto *ticker = window.findChild<SteppedTicker *>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_TRUE(ticker) << "a window made by makeSteppedWindow";
    ticker->step();
}

void pressConfigure(MainWindow &window)
{
    QPushButton *button = controlsOf(window).configureButton;
    EXPECT_TRUE(button->isEnabled()) << "Configure pressed while it is disabled";
    button->click();
}

void runConfigureCommand(MainWindow &window)
{
    // No user can press it now: the test lets the button take the press.
    QPushButton *button = controlsOf(window).configureButton;
    button->setEnabled(true);
    button->click();
}

void openHelp(MainWindow &window)
{
    controlsOf(window).helpButton->click();
}

void showHelp(MainWindow &window)
{
    QTest::mouseClick(controlsOf(window).softwareVersionLabel, Qt::LeftButton);
}

void stepArrow(ArrowAnimator &animator, MainWindow &window, const PictureBox *arrow)
{
    const WindowControls c = controlsOf(window);
    animator.showArrow(*c.arrowDisplay, *c.noArrowPicture, *arrow);
}

void focusMovesTo(QWindow *focus)
{
    // What the window system tells the application when focus moves.
    Q_EMIT qGuiApp->focusWindowChanged(focus);
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

} // namespace kordavel::test

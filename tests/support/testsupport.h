#pragma once

// Test helpers for the window: a recording message box, the main window on
// fake drives and a harness that plugs, unplugs and ticks.

#include "app/arrows.h"
#include "app/mainwindow.h"
#include "app/widgets.h"
#include "coresupport.h"
#include "fleet/fleetfiles.h"
#include "help/helpwindow.h"
#include "inline_executor.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/messagebox.h"
#include "platform/ticker.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <array>
#include <functional>
#include <memory>

namespace kordavel::test {

// Records every message box and answers it at once; a question with answer.
class RecordingMessageBox : public MessageBox
{
public:
    void inform(QWidget *, const QString &title, const QString &text) override
    {
        titles.append(title);
        texts.append(text);
    }
    bool ask(QWidget *, const QString &title, const QString &question) override
    {
        titles.append(title);
        questions.append(question);
        return answer;
    }
    QStringList titles;
    QStringList texts;
    QStringList questions;
    bool answer = false;
};

// The desktop as a script: each file dialog answers with the next path given
// (empty: cancelled); files opened in their program are only listed.
class ScriptedDesktop : public Desktop
{
public:
    QString chooseFileToOpen(QWidget *, const QString &, const QString &) override
    {
        return next();
    }
    QString chooseFileToSave(QWidget *, const QString &, const QString &) override
    {
        return next();
    }
    bool openInDefaultProgram(const QString &path) override
    {
        opened.append(path);
        return true;
    }
    QStringList answers;
    QStringList opened;

private:
    QString next() { return answers.isEmpty() ? QString() : answers.takeFirst(); }
};

// A main window on an inline executor of the cycle: each request is answered
// before it returns (the program's worker is tested in tests/cycle).
// The main window's controls as a test finds them: by their object names,
// as a screen reader or a UI test tool does.
struct WindowControls
{
    QPushButton *helpButton = nullptr;
    QToolButton *fleetButton = nullptr;
    QPlainTextEdit *fleetReport = nullptr;
    QPushButton *configureButton = nullptr;
    QFrame *modelFrame = nullptr;
    QLabel *downloadStartLabel = nullptr;
    QLabel *downloadEndLabel = nullptr;
    QLabel *stateCaptionLabel = nullptr;
    QLabel *stateLabel = nullptr;
    QLabel *softwareVersionLabel = nullptr;
    StatusText *statusLabel = nullptr;
    StatusText *instructionLabel = nullptr;
    QLabel *programVersionLabel = nullptr;
    QLabel *copyrightLabel = nullptr;
    QLabel *mountNoticeLabel = nullptr;
    QPushButton *mountButton = nullptr;
    QPushButton *safeRemoveButton = nullptr;
    QLabel *devicePicture = nullptr;
    QListWidget *driveLog = nullptr;
    PictureBox *arrowDisplay = nullptr;
    PictureBox *noArrowPicture = nullptr;
    PictureBox *plugInArrowPicture = nullptr;
    PictureBox *unplugArrowPicture = nullptr;

    QGroupBox *downloadPage = nullptr;
    QCheckBox *overviewBox = nullptr;
    QCheckBox *activitiesBox = nullptr;
    QCheckBox *eventsFaultsBox = nullptr;
    QCheckBox *detailedSpeedBox = nullptr;
    QCheckBox *technicalDataBox = nullptr;
    QCheckBox *driverCardBox = nullptr;
    QCheckBox *saveCardDateBox = nullptr;
    QCheckBox *otherVdoDataBox = nullptr;
    QCheckBox *speed168hBox = nullptr;
    QCheckBox *speed4HzBox = nullptr;
    QCheckBox *useDatesBox = nullptr;
    QLineEdit *daysBackEdit = nullptr;
    QLabel *daysLabel = nullptr;
    QDateEdit *downloadStartPicker = nullptr;
    QDateEdit *downloadEndPicker = nullptr;
    QGroupBox *fileNamePage = nullptr;
    std::array<QRadioButton *, kFileNameFormatCount> fileNameFormatButtons{};
    QRadioButton *modelKordavelButton = nullptr;
    QRadioButton *modelKordavelPlusButton = nullptr;
    QRadioButton *downloadPageButton = nullptr;
    QRadioButton *fileNamePageButton = nullptr;

    QCheckBox *box(DownloadBox which) const;
    QRadioButton *formatButton(FileNameFormat format) const
    {
        return fileNameFormatButtons[std::size_t(format)];
    }
};
// Every control of window; a control that is missing fails the test.
WindowControls controlsOf(const QWidget &window);

// The poll's beat in tests: each step() is one tick of the window's ticker,
// given as its timer gives it (none while the window has it stopped). The
// window it is given to owns it.
class SteppedTicker final : public Ticker
{
    Q_OBJECT
public:
    using Ticker::Ticker;
    void start() override { m_active = true; }
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }
    void step()
    {
        if (m_active)
            Q_EMIT ticked();
    }

private:
    bool m_active = false;
};

// The main window made from p, with a stepped ticker of its own unless p
// gives one; isTicking says whether the window has its stepped ticker started.
std::unique_ptr<MainWindow> makeSteppedWindow(Platform p);
bool isTicking(MainWindow &window);

struct TestWindow
{
    TestWindow() = default;
    TestWindow(TestWindow &&) = default;
    // The window goes before the executor it was given.
    TestWindow &operator=(TestWindow &&other) noexcept
    {
        window.reset();
        executor = std::move(other.executor);
        fleetFiles = std::move(other.fleetFiles);
        window = std::move(other.window);
        return *this;
    }
    ~TestWindow() { window.reset(); }

    std::unique_ptr<InlineExecutor> executor;
    std::unique_ptr<FleetFiles> fleetFiles;
    std::unique_ptr<MainWindow> window;

    // Returns once the fleet's files have answered every request made so far
    // and the window has taken the answers.
    void awaitFleetFiles() const;

    MainWindow *operator->() const { return window.get(); }
    MainWindow &operator*() const { return *window; }
    MainWindow *get() const { return window.get(); }
    // The cycle the window shows.
    const DeviceCycle &cycle() const { return executor->cycle(); }
    void reset()
    {
        window.reset();
        executor.reset();
        fleetFiles.reset();
    }
};

// A main window whose ticks the test gives (pollTick), unless adjust gives it a ticker.
// adjust may add to what the window is given (the fleet features).
TestWindow makeMainWindow(Drives &drives, Files &files, Clock &clock, MessageBox &box,
                          const QString &programFolder, MediaService *media = nullptr,
                          const std::function<void(Platform &)> &adjust = {});

// What the window's ticker, its buttons and the window system do, now: a
// poll tick, a click on Configure (a failure when the button is disabled),
// the help button and a click on the version, and a change of the focus
// window.
void pollTick(MainWindow &window);
void pressConfigure(MainWindow &window);
// The Configure command where no user could give it: the button is disabled
// (a CR unit, whose settings the flow only shows), and is enabled for it.
void runConfigureCommand(MainWindow &window);
void openHelp(MainWindow &window);
void showHelp(MainWindow &window);
void focusMovesTo(QWindow *focus);
// One step of the moving arrow with the given picture on the window's
// display, as the flow makes it with an animator of its own.
void stepArrow(ArrowAnimator &animator, MainWindow &window, const PictureBox *arrow);

// The window's outer height in twips as its size shows it: the short or the
// tall window's, else -1.
int outerHeightTwips(const MainWindow &window);
// Whether the window is the wide one, which shows the drive log.
bool isWide(const MainWindow &window);
// The help window on the screen's list of windows; nullptr when there is none.
HelpWindow *helpWindowOf();

// A main window on fake drives, a fixed date and a recording message box; on
// the system's files, or on a double of them that outlives the harness.
struct Harness
{
    explicit Harness(Files &files = systemFiles());
    ~Harness();
    // Plugs a removable drive at root (appended to the drive list).
    void plug(const QString &root, const QString &label = QStringLiteral("KORD"),
              int kind = KindRemovable);
    void unplug(const QString &root);
    void tick(int n = 1);

    Files &files;
    FakeDrives drives;
    FixedClock clock{QDate(2026, 12, 6)};
    RecordingMessageBox messages;
    QTemporaryDir programDir;
    ScriptedDesktop desktop;
    // Adds to what the next create() gives the window (the fleet features).
    std::function<void(Platform &)> adjustPlatform;
    TestWindow window;
    void create();
    // A whole Configure run from the window: the settings shown are written.
    void configure();
    // Configures the device read from root and unplugs it: the flow then
    // waits for the replug.
    void configureAndUnplug(const QString &root);
};

// A harness on a double of the files that it owns (medium), made from args.
template <typename FilesDouble> struct MediumHolder
{
    FilesDouble medium;
};
template <typename FilesDouble> struct HarnessOn : MediumHolder<FilesDouble>, Harness
{
    template <typename... Args>
    explicit HarnessOn(Args &&...args)
        : MediumHolder<FilesDouble>{FilesDouble(std::forward<Args>(args)...)}, Harness(this->medium)
    {}
};

} // namespace kordavel::test

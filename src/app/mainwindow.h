#pragma once

#include "arrows.h"
#include "cycle/devicecycle.h"
#include "cycle/report.h"
#include "help/helpwindow.h"
#include "settingscontrols.h"
#include "windowcontrols.h"
#include "writer/hexfile.h"

#include <QPointer>
#include <QWidget>

class QAction;
class QTimer;
class QWindow;

namespace kordavel {

class Clock;
class CycleExecutor;
class Desktop;
class FleetFiles;
class Files;
class MediaService;
class MessageBox;
class Ticker;

// What the main window needs from the machine.
struct Platform
{
    // Runs the plug/unplug cycle on the drives and files of the device.
    CycleExecutor *executor = nullptr;
    Files *files = nullptr; // the program's own folder
    Clock *clock = nullptr;
    Ticker *ticker = nullptr; // the poll's beat; the window starts it
    MessageBox *messageBox = nullptr;
    // Mounting and safe removal through the desktop's disk service; none on
    // systems that mount media themselves.
    MediaService *media = nullptr;
    QString programFolder;

    // The fleet features. Without a settings file they keep nothing and
    // start with nothing remembered.
    Desktop *desktop = nullptr;       // file dialogs, opening the record
    FleetFiles *fleetFiles = nullptr; // reads and writes the standard's files
    QString fleetSettingsFile;        // INI in the user's configuration folder
    QString recordFile;               // the record of every Configure, in the user's data folder
    QString pendingRecordFile;        // its rows not added yet, in the program's local data folder
    std::optional<FleetStandard> standardForThisRun; // from the command line; not remembered
    bool applyStandardForThisRun = false;

    // How long a close waits for a Configure on its way, in milliseconds.
    int configureCloseBudgetMs = 10000;
};

// Caption of every message box; the window itself is captioned kWindowCaption.
inline constexpr char kProgramTitle[] = "Kordavel - Set 'Latest VU' settings";
inline constexpr char kWindowCaption[] = "Kordavel Configuration";
// A file of this name in the program's folder opens the wide layout.
inline constexpr char kWideLayoutMarker[] = "DuzudodeVizuriRedi.txt";
// The interval of the program's poll ticks.
inline constexpr int kPollIntervalMs = 500;

// The main window: settings pages, status texts, the Configure command and the
// polling flow that guides the user through unplugging and replugging. The
// flow itself is the cycle's: the window hands the user's actions and its
// timer's ticks to the executor as requests and performs the reports that
// come back. The work is spread over files by responsibility: building the
// controls (windowcontrols.cpp), the requests (requests.cpp) and performing
// the reports (report.cpp).
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(const Platform &platform, QWidget *parent = nullptr);
    ~MainWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    // Clears the status and starts the flow over; runs when the window is
    // first shown and when focus comes back to it from the help window.
    void restartFlow();
    // One poll: the cycle scans the drives and moves the flow on.
    void onPollTick();
    // The Configure command: the settings shown go to the device.
    void configureDevice();
    // A new help window for the current status (the help button).
    void openHelp();
    // The help window, opened if needed, brought to the front (a click on the
    // software version).
    void showHelp();
    // Starts the flow over when focus returns here from the help window.
    void onFocusWindowChanged(QWindow *window);
    // Shows what a request to the cycle reported, step by step.
    void performReport(const kordavel::CycleReport &report);

    // The fleet menu (fleet.cpp).
    void openFleetStandard();
    void saveFleetStandard();
    void applyFleetStandard();
    void setApplyStandardOnRead(bool on);
    void openRecord();
    void stopUsingFleetStandard();

private:
    // Raises the busy flag while a report is performed; ticks that fall due
    // meanwhile (inside one of its message boxes) are skipped.
    class BusyScope
    {
    public:
        explicit BusyScope(MainWindow &window) : m_flag(window.m_busy), m_was(m_flag)
        {
            m_flag = true;
        }
        ~BusyScope() { m_flag = m_was; }
        BusyScope(const BusyScope &) = delete;
        BusyScope &operator=(const BusyScope &) = delete;

    private:
        bool &m_flag;
        bool m_was;
    };

    // What the status label says; the help window's topic follows from it.
    enum class Status {
        None,
        ReadyForNext,
        KordavelFound,
        ConfigurationRead,
        ConfigNotAvailable,
        NotSuitable,
        Success,
        Finishing, // closed while a Configure is on its way
    };
    void showStatus(Status status);

    void loadStartupState();
    void drawPictures();
    void connectMediaService();
    void setOuterHeightTwips(int twips);
    void applyOuterSize();
    HelpWindow *newHelpWindow();
    void inform(const QString &text);
    bool ask(const QString &question);

    // Performing a report's steps
    void perform(const ReportStep &step);
    void perform(FlowAction action);
    void setLogRows(const QStringList &rows);
    void showMediaNotice(const show::MediaNotice &media);
    void offerSafeRemoval(const QString &root);
    void showArrow(const PictureBox *arrow);

    // Disk service
    void mountDrive();
    void safelyRemoveDevice();
    void showMediaProblem(const QString &text);

    ScreenSettings screenSettings() const;
    // Hides what lies wholly outside the window (the parked page, the service
    // controls beyond the narrow window's edge, the device below the short
    // window), so that neither Tab nor a screen reader reaches what cannot be
    // seen; shows again only what it hid.
    void hideWhatLiesOutside();

    // Fleet features
    static QString standardFileFilter();
    void buildFleetMenu();
    void startFleet();
    void informOfFleetStart(const QString &problem);
    void writeFleetStandard(const QString &path, const FleetStandard &standard, bool replace);
    void useFleetStandard(const std::optional<FleetStandard> &standard, const QString &path);
    void adoptFleetStandard(const FleetStandard &standard, const QString &path);
    void sendFleetOptions();
    void rememberFleet() const;
    void showFleetReport(const show::FleetReport &fleet);

    Platform m_p;
    MainWindowControls m_controls;
    SettingsRules *m_rules = nullptr;
    QPointer<HelpWindow> m_help;
    ArrowAnimator m_arrows;
    bool m_busy = false;                // a report is being performed: ticks wait
    int m_configuresPending = 0;        // Configure commands whose report has not come yet
    bool m_closeAfterConfigure = false; // closed while one was on its way: close once it is done
    bool m_closeBudgetSpent = false;    // the device took longer than a close waits
    Status m_status = Status::None;
    bool m_lastFocusWasHelp = false;
    bool m_activatedOnce = false;
    bool m_wide = false;
    bool m_picturesDrawn = false;
    QRect m_inView;                // the client area without the fleet strip
    QList<QWidget *> m_outOfView;  // hidden by hideWhatLiesOutside
    QStringList m_unmountedDrives; // kernel names; the mount button mounts the first
    QString m_safeRemovalRoot;     // the device safe removal is offered for
    int m_outerHeightTwips = 0;
    int m_outerWidthTwips = 0;

    // What the fleet settings file keeps for the next start: only what the
    // user chose in the menu, never a choice of the command line.
    struct RememberedFleet
    {
        QString standardPath;
        bool applyOnRead = false;
    };
    RememberedFleet m_remembered;
    FleetOptions m_fleet;   // what the cycle was told last
    QString m_standardPath; // the active standard's file; empty when none or for this run only
    bool m_fleetStripShown = false;
    QAction *m_applyAction = nullptr;
    QAction *m_applyOnReadAction = nullptr;
    QAction *m_stopAction = nullptr;
};

} // namespace kordavel

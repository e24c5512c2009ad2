#pragma once

#include "arrows.h"
#include "cycle/report.h"
#include "help/helptext.h"
#include "windowplatform.h"

#include <QWidget>

#include <memory>

namespace kordavel {

class FleetController;
class HelpWindows;
class MediaOffer;
class SettingsRules;
class WindowSize;
struct MainWindowControls;

// The main window: settings pages, status texts, the Configure command and the
// polling flow that guides the user through unplugging and replugging. The
// flow itself is the cycle's: the window hands the user's actions and the
// ticker's ticks to the executor as requests and performs the reports that
// come back (report.cpp). The fleet menu and strip, the disk service's offers
// and the window's size are classes of their own.
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

private:
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
    // A Configure on its way holds a close until its report has been performed.
    struct ConfigureWait
    {
        int pending = 0;          // Configure commands whose report has not come yet
        bool closeAfter = false;  // closed meanwhile: close once it is done
        bool budgetSpent = false; // the device took longer than a close waits
    };

    void connectControls();
    void loadStartupState();
    void drawPictures();
    void onPollTick();
    void configureDevice();
    void restartFlow();
    void holdClose();
    void showStatus(Status status);
    void setHeightTwips(int twips);
    void inform(const QString &text);
    bool ask(const QString &question);
    DeviceSettings screenSettings() const;

    HelpTopic helpTopic() const; // the help for the current status

    // Performing a report's steps (report.cpp)
    void performReport(const kordavel::CycleReport &report);
    void perform(FlowAction action);
    bool showStatusOf(FlowAction action); // false for an action that is no message
    void setLogRows(const QStringList &rows);
    void showArrow(const PictureBox *arrow);

    Platform m_platform;
    std::unique_ptr<MainWindowControls> m_controls;
    SettingsRules *m_rules = nullptr;
    FleetController *m_fleet = nullptr;
    MediaOffer *m_media = nullptr;
    std::unique_ptr<WindowSize> m_size;
    HelpWindows *m_help = nullptr;
    ArrowAnimator m_arrows;
    Status m_status = Status::None;
    ConfigureWait m_configure;
    int m_busy = 0; // reports and boxes being performed: ticks meanwhile are skipped
    bool m_activatedOnce = false;
};

} // namespace kordavel

#pragma once

#include "cycle/devicecycle.h"
#include "cycle/report.h"
#include "fleet/fleetfiles.h"

#include <QObject>

#include <functional>

class QAction;
class QPlainTextEdit;
class QTimer;
class QToolButton;
class QWidget;

namespace kordavel {

struct Platform;

// The fleet features of the main window: the menu behind the fleet button,
// the active standard and what is remembered of it for the next start, and
// the strip below the window that shows how the device read last compares
// with the standard. The check itself is the cycle's; what the user is told
// goes through the window's message boxes.
class FleetController : public QObject
{
    Q_OBJECT
public:
    // What the controller needs of the window it serves.
    struct Window
    {
        QWidget *widget = nullptr; // parent of the menu and the dialogs
        QToolButton *button = nullptr;
        QPlainTextEdit *strip = nullptr;
        std::function<void(const QString &)> inform;
        std::function<bool(const QString &)> ask;
        std::function<DeviceSettings()> screenSettings; // the settings on the screen
        // Keeps the settings a locked standard sets from being changed on the
        // screen, whatever the rules between the controls do.
        std::function<void(bool)> lockSettings;
    };
    // platform must outlive the controller.
    FleetController(const Platform &platform, Window window, QObject *parent = nullptr);

    // Takes up the standard of the organisation's policy, else of the command
    // line, else the remembered one; a file is read beside the window.
    void start();
    // A device appeared while the policy's standard is kept on a share (the
    // cycle's show::CheckStandard of that number): it is read again, and
    // Configure waits for it for at most the platform's standardCheckBudgetMs,
    // then the standard at hand holds.
    void checkStandardAgain(quint64 number);
    // Rows wait in the outbox: they are sent to the policy's record folder
    // on the fleet's thread, and again later while it cannot be reached.
    void sendRecordRows();
    // Shows how the device read last compares with the standard (or nothing).
    void showReport(const show::FleetReport &report);
    bool stripShown() const { return m_stripShown; }

Q_SIGNALS:
    // The strip came or went: the window's height changes with it.
    void stripShownChanged();

private:
    void buildMenu();
    void markSetByOrganisation();
    void informOfStart(const QString &problem);
    void use(const std::optional<FleetStandard> &standard, const QString &path);
    void adopt(const FleetStandard &standard, const QString &path);
    void send();
    void remember() const;
    void openStandard();
    void saveStandard();
    void write(const QString &path, const FleetStandard &standard, bool replace);
    void setApplyOnRead(bool on);
    void openRecord();
    void stopUsingStandard();
    void startPolicyStandard();
    QString copyPath() const;
    void startCheck();
    void keep(const KeptStandard &kept);
    void endStandardWait();
    void showStrip();

    const Platform &m_platform;
    Window m_window;
    // What the fleet settings file keeps for the next start: only what the
    // user chose in the menu, never a choice of the command line.
    struct Remembered
    {
        QString standardPath;
        bool applyOnRead = false;
    };
    Remembered m_remembered;
    FleetOptions m_options; // what the cycle was told last
    QString m_standardPath; // the active standard's file; empty when none or for this run only
    bool m_stripShown = false;
    show::FleetReport m_report; // the cycle's last
    // The policy's standard kept on a share: why its file is not in force
    // (empty when it is), whether a check is on its way, and the wait for it.
    QString m_keptProblem;
    QDateTime m_copyTaken;       // of the copy in force; invalid when the file's is
    bool m_readFromFile = false; // the file itself was read this run
    struct Check
    {
        bool running = false;
        quint64 wanted = 0; // the last check a device asked for
        quint64 covers = 0; // the last one the running check answers
    };
    Check m_check;
    QTimer *m_checkWait = nullptr; // ends the devices' wait for the check
    // The rows on their way to the policy's record folder.
    struct Sending
    {
        bool running = false;
        bool again = false; // more rows came while it ran
        int waiting = 0;    // rows the last send left waiting
        QString problem;    // why
        QTimer *retry = nullptr;
    };
    Sending m_sending;
    QAction *m_openAction = nullptr;
    QAction *m_applyAction = nullptr;
    QAction *m_applyOnReadAction = nullptr;
    QAction *m_stopAction = nullptr;
};

} // namespace kordavel

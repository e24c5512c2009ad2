#pragma once

#include "cycle/flow.h"
#include "cycle/report.h"
#include "device/drivescan.h"
#include "fleet/fleetcheck.h"
#include "fleet/record.h"
#include "platform/pause.h"
#include "settings/settingsdecoder.h"
#include "settings/versionfile.h"
#include "writer/hexfile.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace kordavel {

class Drives;
class Files;

// The fleet features in use; all off by default, and then the cycle reports
// nothing of them and writes no record.
struct FleetOptions
{
    std::optional<FleetStandard> standard; // checked on every read
    bool applyOnRead = false;              // put on the screen after every read
    RecordPaths record;                    // where every Configure is recorded; empty: nowhere
    // A standard that is to be put on the screen after every read is still
    // being read: Configure waits for it (or for its failure).
    bool standardArriving = false;
    // The standard is kept where others change it (a share): a device that
    // appears asks for it to be checked again (show::CheckStandard, numbered
    // from 1) and waits for it as for one arriving, until checksAnswered
    // reaches its number; a standard that changes meanwhile is put on the
    // screen of the device shown, as after a read.
    bool checkedOnEveryDevice = false;
    quint64 checksAnswered = 0;
    // The organisation locked the standard: it goes on the screen after every
    // read, Configure writes it whatever the screen shows, and with no
    // standard at all Configure writes nothing.
    bool locked = false;
};

// The plug/unplug cycle of one device: finds it on the drives, reads its
// settings, writes a new configuration onto it and follows the user's unplug
// and replug until the device has taken the file up. It owns the cycle's state
// and reports what to show; it shows nothing itself and never waits for the
// user. Drives and files must outlive it.
class DeviceCycle
{
public:
    // The time of the record's rows, in the user's time zone.
    using RecordClock = std::function<QDateTime()>;
    // now gives the record's rows their time (the system's clock by default).
    DeviceCycle(
        Drives &drives, Files &files,
        RecordClock now = [] { return QDateTime::currentDateTime(); });

    // One poll: scans the drives and moves the flow on. A device that is
    // awaited and found is read, and its settings are in the report.
    CycleReport tick();
    // Searches the drives afresh and, when they hold exactly one device and
    // its version file is still the one the settings on the screen were read
    // from, builds the configuration file from screen and installs it there.
    // Another device, or the same one changed, gets nothing: the user is told
    // and the device is read again.
    CycleReport configure(const DeviceSettings &screen);
    // Starts the flow over: the next tick reads a device that is there.
    CycleReport restart();
    // Mounting or safely removing a medium failed for the reason given (empty:
    // nothing failed after all). The reason is shown until a tick starts at
    // another stage of the flow than the one it failed at.
    CycleReport noteMediaProblem(const QString &reason);
    // Makes these fleet features the ones in use; the report shows how the
    // device read last compares with the standard. A standard that arrives
    // for a device read meanwhile is put on the screen as after a read, and
    // Configure offered.
    CycleReport setFleet(const FleetOptions &options);
    // Puts the standard on the screen, as far as the device read last holds it.
    CycleReport applyStandard();
    // Asks a running request to end soon: its waits for the device end at
    // once, and a file in use is not tried again. A call into the system that
    // is stuck still returns only when the system lets it. Later requests run
    // without waiting. Callable from any thread.
    void requestStop();

    FlowState state() const { return m_state; }

private:
    // What a failed deletion of a rejected version file means.
    enum class WhenUndeletable {
        CountsAsMissing, // the read ends as for a missing file, with its message
        EndsTheRead,     // the read ends without a further message
    };

    // Reads the version file of the device the last scan found, adding what
    // to show to report: the identification, the log rows, the settings, the
    // status, then the messages.
    ReadOutcome read(CycleReport &report);
    ReadOutcome missingVersionFile(CycleReport &report);
    ReadOutcome rejectVersionFile(CycleReport &report, const QString &path,
                                  WhenUndeletable undeletable);
    void identify(CycleReport &report, const Identification &id);
    std::optional<QByteArray> versionDataNow(const QString &root);
    // Whether the screen's settings may go to the device the last search
    // found; when not, says why and starts the flow over.
    bool isTheDeviceRead(CycleReport &report, qint32 devicesFound, const QString &root);
    // What Configure writes of screen: screen itself, unless a locked
    // standard decides (nullopt: there is none to write).
    std::optional<DeviceSettings> settingsToWrite(const DeviceSettings &screen) const;
    // Builds the configuration file of settings and installs it on the
    // device at root; true once it is there.
    bool writeConfiguration(CycleReport &report, const DeviceSettings &settings,
                            const QString &root);
    void recordConfigure(CycleReport &report, const DeviceSettings &screen, const QString &root,
                         bool confirmed);
    void deleteTakenUpConfiguration();
    void retryTakenUpDeletion();
    show::MediaNotice mediaNotice() const;
    // What the strip shows: the device read last against the standard; a
    // device whose read failed is said to be not compared.
    show::FleetReport fleetReport(bool applied = false, bool readFailed = false) const;
    void addFleetSteps(CycleReport &report);
    bool standardArriving() const;
    std::vector<FlowAction>
    withoutConfigureWhileStandardArrives(std::vector<FlowAction> actions) const;
    void dropComparedDevice(CycleReport &report);
    void record(CycleReport &report, const RecordEntry &entry);
    void keepUnshared(CycleReport &report);

    Drives &m_drives;
    Files &m_files;
    FlowState m_state = FlowState::WaitingForDevice;
    qint32 m_deviceCount = 0;
    qint32 m_softwareVersion = 0; // of the device read last
    int m_configByte = 0;         // as read from the device, then as written
    bool m_clockEnabled = false;  // the device read last runs its clock
    DriveScan m_scan;
    QByteArray m_versionData; // the version file as last read
    // The version file the settings on the screen were read from; nullopt
    // when the last read failed.
    std::optional<QByteArray> m_shownVersionData;
    SettingsDecoder m_decoder;
    // Drive whose taken-up configuration file is still to be deleted.
    std::optional<QString> m_undeletedConfigurationRoot;
    QStringList m_unmounted;         // found by the last tick
    QString m_mediaProblem;          // why the last mount or removal failed
    FlowState m_mediaProblemState{}; // the flow's stage when it failed
    Pause m_pause;                   // every wait of a request; stopped by requestStop()

    // The device read last, as the fleet check sees it, while it is there.
    struct ComparedDevice
    {
        DeviceCapabilities capabilities;
        DeviceSettings settings;
    };
    FleetOptions m_fleet;
    quint64 m_checksAsked = 0; // show::CheckStandard reported so far
    std::optional<ComparedDevice> m_compared;
    std::optional<RecordEntry> m_awaitingSuccess; // its file is written; the device is not back yet
    std::vector<RecordEntry> m_unrecorded;        // rows not even the pending file could keep yet
    std::vector<RecordEntry> m_unshared;          // rows the outbox could not keep yet
    RecordClock m_now;
};

} // namespace kordavel

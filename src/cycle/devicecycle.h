#pragma once

#include "cycle/flow.h"
#include "device/drivescan.h"
#include "settings/versionfile.h"
#include "writer/hexfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kordavel {

class Drives;
class Files;

// What the settings controls show of a version file that was read: the
// days-back box always, with every download box cleared first; the rest only
// once the file's layout is known.
struct SettingsView
{
    QByteArray versionData;
    bool layoutKnown =
        false; // the boxes of layout are offered, configByte and the first list shown
    Layout layout = Layout::None;
    int configByte = 255;
    int firstListEnd = 0;    // last offset of the first code list
    bool secondList = false; // the VDO codes up to the file's end and the dates are shown too
};

// What a read of the device's version file gives the window to show, in this
// order: the identification, the settings, the status, then the messages.
// Log lines are appended to the drive log as they come.
struct DeviceReading
{
    ReadOutcome outcome = ReadOutcome::Failed;
    // The device was identified: versionLabel is the software-version label's
    // text, and the controls follow the identification's family and version.
    std::optional<Identification> identification;
    QString versionLabel;
    std::optional<SettingsView> settings;
    bool configNotAvailable = false; // status "Config. not available"
    QStringList logLines;
    QStringList messages; // one message box each
};

// What one poll tick gives the window to show: the state the tick started
// from, the drive log, the unmounted media, then the flow's actions. When the
// tick read the device, reading comes after actions and afterRead after it.
struct TickReport
{
    FlowState stateBefore = FlowState::WaitingForDevice;
    QStringList logRows;         // the whole drive log
    QStringList unmountedDrives; // while a device is awaited and none is there
    std::vector<FlowAction> actions;
    std::optional<DeviceReading> reading;
    std::vector<FlowAction> afterRead;
};

// What the Configure command gives the window to show: the drive log of the
// search; when it found the device, "Kordavel found", then the messages; when
// the file was written, "Configuration file created" and the request to
// unplug and replug the device.
struct ConfigureReport
{
    QStringList logRows;
    bool deviceFound = false;
    QStringList messages;
    bool written = false;
};

// The plug/unplug cycle of one device: finds it on the drives, reads its
// settings, writes a new configuration onto it and follows the user's unplug
// and replug until the device has taken the file up. It owns the cycle's state
// and reports what to show; it shows nothing itself and never waits for the
// user. Drives and files must outlive it.
class DeviceCycle
{
public:
    DeviceCycle(Drives &drives, Files &files);

    // One poll: scans the drives and moves the flow on.
    TickReport tick();
    // Reads the version file of the device the last scan found.
    DeviceReading read();
    // Searches the drives afresh, builds the configuration file from screen and
    // installs it on the first device found.
    ConfigureReport configure(const ScreenSettings &screen);
    // Starts the flow over: the next tick reads a device that is there.
    void restart() { m_state = FlowState::WaitingForDevice; }
    // Continues the flow from state, as if the cycle had reached it.
    void setState(FlowState state) { m_state = state; }

    FlowState state() const { return m_state; }
    qint32 deviceCount() const { return m_deviceCount; }         // devices the last scan found
    qint32 softwareVersion() const { return m_softwareVersion; } // of the device read last
    int configByte() const { return m_configByte; }      // as read from the device, then as written
    bool clockEnabled() const { return m_clockEnabled; } // the device read last runs its clock
    const QByteArray &versionData() const { return m_versionData; } // the version file as last read
    const DriveScan &scan() const { return m_scan; }
    // Root of the drive that held the device at the last scan; empty when none did.
    QString deviceRoot() const;

private:
    DeviceReading missingVersionFile(DeviceReading reading);
    DeviceReading rejectVersionFile(DeviceReading reading, const QString &path,
                                    bool beforeLayoutCheck);
    void identify(DeviceReading &reading, const Identification &id);
    QByteArray currentVersionData(const QString &root) const;
    void deleteTakenUpConfiguration();
    void retryTakenUpDeletion();

    Drives &m_drives;
    Files &m_files;
    FlowState m_state = FlowState::WaitingForDevice;
    qint32 m_deviceCount = 0;
    qint32 m_softwareVersion = 0;
    int m_configByte = 0;
    bool m_clockEnabled = false;
    DriveScan m_scan;
    QByteArray m_versionData;
    // Drive whose taken-up configuration file is still to be deleted; empty
    // when there is none.
    QString m_undeletedConfigurationRoot;
};

} // namespace kordavel

#include "devicecycle.h"

#include "platform/drives.h"
#include "platform/files.h"
#include "writer/configwrite.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <algorithm>

namespace kordavel {

namespace {
// How long a rejected version file may take to disappear after its deletion.
constexpr int kDeleteWaitMs = 5000;
constexpr int kDeleteWaitStepMs = 50;

const QString kReconnectLines = QStringLiteral("Disconnect and reconnect Kordavel.\r\n"
                                               "Wait a moment then click 'Current Settings'.");
const QString kNothingWritten = QStringLiteral("\r\nNo configuration file was written.");
} // namespace

DeviceCycle::DeviceCycle(Drives &drives, Files &files) : m_drives(drives), m_files(files) {}

QString DeviceCycle::deviceRoot() const
{
    return m_scan.holdsDevice() ? m_scan.roots[m_scan.deviceIndex] : QString();
}

TickReport DeviceCycle::tick()
{
    TickReport report;
    report.stateBefore = m_state;
    scanForDevices(m_drives, m_files, m_scan, m_deviceCount, report.logRows);
    // A medium that is attached but not mounted is no drive and cannot be
    // found; the window says so while it waits for a device.
    if (m_state == FlowState::WaitingForDevice && m_deviceCount == 0)
        report.unmountedDrives = m_drives.unmountedRemovables();
    retryTakenUpDeletion();

    FlowStep step = planTick(m_state, m_deviceCount);
    const auto deletion =
        std::find(step.actions.begin(), step.actions.end(), FlowAction::DeleteConfigFile);
    if (deletion != step.actions.end()) {
        step.actions.erase(deletion);
        deleteTakenUpConfiguration();
    }
    report.actions = std::move(step.actions);
    if (!step.readDevice) {
        m_state = step.nextState;
        return report;
    }
    report.reading = read();
    const FlowStep after =
        planAfterRead(report.reading->outcome, familyCodeOf(m_versionData), m_softwareVersion);
    report.afterRead = after.actions;
    m_state = after.nextState;
    return report;
}

DeviceReading DeviceCycle::missingVersionFile(DeviceReading reading)
{
    reading.messages.append(QStringLiteral("Configuration file missing.\r\n") + kReconnectLines);
    reading.outcome = ReadOutcome::Failed;
    return reading;
}

DeviceReading DeviceCycle::rejectVersionFile(DeviceReading reading, const QString &path,
                                             bool beforeLayoutCheck)
{
    // The device writes a fresh version file when it starts next, so a file
    // that cannot be trusted is deleted.
    m_files.setNormal(path);
    if (!m_files.remove(path)) {
        // Before the layout check a failing deletion counts as a missing file;
        // after it the failure ends the read without a message.
        if (beforeLayoutCheck)
            return missingVersionFile(std::move(reading));
        reading.outcome = ReadOutcome::Failed;
        return reading;
    }
    // Give a slow medium a moment to let the entry go. No events run meanwhile:
    // a click on Configure waits until the tick has finished, instead of
    // running inside it and having its state overwritten afterwards.
    QElapsedTimer waited;
    waited.start();
    const QFileInfo entry(path);
    while (!m_files.resolve(entry.path(), entry.fileName()).isEmpty() &&
           waited.elapsed() < kDeleteWaitMs)
        QThread::msleep(kDeleteWaitStepMs);
    reading.messages.append(QStringLiteral("Configuration file error.\r\n") + kReconnectLines);
    reading.outcome = ReadOutcome::Failed;
    return reading;
}

void DeviceCycle::identify(DeviceReading &reading, const Identification &id)
{
    switch (id.family) {
    case Family::TQ:
    case Family::CR: {
        const bool tq = id.family == Family::TQ;
        m_softwareVersion = id.version;
        reading.logLines.append((tq ? QStringLiteral("Kordavel Software Version: ")
                                    : QStringLiteral("DoziziveDE Software Version: ")) +
                                QString::number(m_softwareVersion));
        // The blank before a non-negative number is its sign position.
        const QString number = m_softwareVersion < 0
                                   ? QString::number(m_softwareVersion)
                                   : QLatin1Char(' ') + QString::number(m_softwareVersion);
        reading.versionLabel =
            (tq ? QStringLiteral("SW Version - TQ") : QStringLiteral("SW Version - CR")) + number;
        break;
    }
    case Family::Unknown:
        reading.versionLabel = id.familyCode + QStringLiteral(" - Unexpected software version");
        break;
    }
    reading.identification = id;
}

DeviceReading DeviceCycle::read()
{
    DeviceReading reading;
    m_clockEnabled = false;
    if (!m_scan.holdsDevice())
        return missingVersionFile(std::move(reading));
    const QString path = m_files.resolve(deviceRoot(), QLatin1String(kVersionFilePath));
    if (path.isEmpty())
        return missingVersionFile(std::move(reading));
    const Files::ReadResult file = m_files.readFile(path, kMaxVersionFileLength);
    if (file.status == Files::ReadStatus::TooLarge)
        return rejectVersionFile(std::move(reading), path, true);
    if (file.status != Files::ReadStatus::Ok)
        return missingVersionFile(std::move(reading));
    m_versionData = file.data;
    const qsizetype length = m_versionData.size();
    if (length < kMinVersionFileLength)
        return rejectVersionFile(std::move(reading), path, true);

    const VersionAssessment a = assessVersionFile(m_versionData, m_softwareVersion);
    if (a.verdict == VersionVerdict::BadHeader) {
        reading.messages.append(QStringLiteral("Kordavel software version value wrong"));
        return rejectVersionFile(std::move(reading), path, true);
    }
    identify(reading, a.id);

    reading.logLines.append(QStringLiteral("Version file length: ") + QString::number(length));
    SettingsView &settings = reading.settings.emplace();
    settings.versionData = m_versionData;
    if (a.verdict == VersionVerdict::ConfigNotAvailable) {
        // Old software publishes no settings; the file is kept.
        reading.configNotAvailable = true;
        reading.outcome = ReadOutcome::Read;
        return reading;
    }
    if (a.verdict == VersionVerdict::WrongLength)
        return rejectVersionFile(std::move(reading), path, false);

    m_configByte = a.configByte;
    m_clockEnabled = a.clockEnabled;
    reading.logLines.append(QStringLiteral("Config. byte: ") +
                            QString::number(m_configByte, 16).toUpper());
    settings.layoutKnown = true;
    settings.layout = a.layout.layout;
    settings.configByte = m_configByte;
    settings.firstListEnd = a.layout.firstListEnd;
    // Only layout C reaches past the first list: VDO codes, then the dates.
    settings.secondList = length > VersionOffset::SecondCodeList + 1;
    reading.outcome = ReadOutcome::Read;
    return reading;
}

QByteArray DeviceCycle::currentVersionData(const QString &root) const
{
    // Without an UPDATES folder nothing can be read and the previous content
    // stays; a missing file in it reads as empty.
    const QString updates = m_files.resolve(root, QStringLiteral("UPDATES"));
    if (updates.isEmpty() || !m_files.isDir(updates))
        return m_versionData;
    const QString path = m_files.resolve(root, QLatin1String(kVersionFilePath));
    if (path.isEmpty())
        return {};
    return m_files.readFile(path, kMaxVersionFileLength).data;
}

ConfigureReport DeviceCycle::configure(const ScreenSettings &screen)
{
    ConfigureReport report;
    // The drives are searched afresh: the device may have gone since the last
    // tick. The first device found is the one configured.
    const DeviceSearch found = searchForDevices(m_drives, m_files, SearchEnd::AtFirstDevice);
    m_scan.roots = found.roots;
    report.logRows = found.log;
    if (found.deviceIndex < 0) {
        m_scan.deviceIndex = qint32(m_scan.roots.size());
        return report;
    }
    m_scan.deviceIndex = found.deviceIndex;
    report.deviceFound = true;
    m_deviceCount = 1;
    const QString root = deviceRoot();
    // The file is built for the family the device's version file shows now.
    m_versionData = currentVersionData(root);
    // The device keeps its byte until a file carrying the new one is in place.
    const int newConfigByte = configurationByte(screen, m_configByte, m_clockEnabled);
    const BuildResult built = buildConfigurationFile(screen, familyCodeOf(m_versionData),
                                                     m_softwareVersion, newConfigByte);
    if (built.status == BuildStatus::UnknownFamily) {
        report.messages.append(QStringLiteral("Unknown Kordavel type"));
    } else if (built.status != BuildStatus::Ok) {
        report.messages.append(built.problem + kNothingWritten);
    } else {
        const InstallResult installed =
            installConfigurationFile(m_files, root, built.fileName, built.text);
        if (installed.written) {
            report.written = true;
            m_configByte = newConfigByte;
            // The new file waits for the device; an older one's deletion is moot.
            m_undeletedConfigurationRoot.clear();
        } else {
            report.messages.append(installed.problem + kNothingWritten);
        }
    }
    m_versionData = currentVersionData(root);
    // Without a new file on the device the settings stay for the user to retry.
    m_state = report.written ? FlowState::WaitingForUnplug : FlowState::SettingsShown;
    return report;
}

void DeviceCycle::deleteTakenUpConfiguration()
{
    // Only the Kordavel's file is deleted; a CR unit's file stays (the flow
    // never takes a CR unit this far by itself).
    if (!m_scan.holdsDevice())
        return;
    m_undeletedConfigurationRoot = deviceRoot();
    retryTakenUpDeletion();
}

void DeviceCycle::retryTakenUpDeletion()
{
    // A virus scanner or indexer may hold the file the moment the device comes
    // back; the tick must not wait for it, so it tries once now and again on
    // later ticks while the same drive holds the device.
    if (m_undeletedConfigurationRoot.isEmpty() || deviceRoot() != m_undeletedConfigurationRoot)
        return;
    const QString path =
        m_files.resolve(m_undeletedConfigurationRoot,
                        QStringLiteral("UPDATES/") + QLatin1String(kTqConfigurationFileName));
    if (path.isEmpty() || !m_files.isFile(path) || m_files.remove(path))
        m_undeletedConfigurationRoot.clear();
}

} // namespace kordavel

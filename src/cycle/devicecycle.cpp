#include "devicecycle.h"
#include "cycletext.h"

#include "platform/drives.h"
#include "platform/files.h"
#include "writer/configwrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>

namespace kordavel {

namespace {} // namespace

namespace {
// How long a rejected version file may take to disappear after its deletion.
constexpr int kDeleteWaitMs = 5000;
constexpr int kDeleteWaitStepMs = 50;

QString reconnectLines()
{
    return CycleText::tr("Disconnect and reconnect Kordavel.\r\n"
                         "Wait a moment then click 'Current Settings'.");
}

QString nothingWritten()
{
    return CycleText::tr("\r\nNo configuration file was written.");
}
} // namespace

DeviceCycle::DeviceCycle(Drives &drives, Files &files, RecordClock now)
    : m_drives(drives), m_files(files), m_now(std::move(now))
{}

show::MediaNotice DeviceCycle::mediaNotice() const
{
    return {m_unmounted, m_mediaProblem};
}

void DeviceCycle::requestStop()
{
    m_pause.stop();
}

CycleReport DeviceCycle::noteMediaProblem(const QString &reason)
{
    m_mediaProblem = reason;
    m_mediaProblemState = m_state;
    CycleReport report(CycleRequest::MediaProblem);
    report.add(mediaNotice());
    return report;
}

CycleReport DeviceCycle::tick()
{
    CycleReport report(CycleRequest::Tick);
    report.add(show::StateNumber{m_state});
    QStringList logRows;
    const qint32 previousCount = m_deviceCount;
    scanForDevices(m_drives, m_files, m_scan, m_deviceCount, logRows);
    report.add(show::DriveLog{logRows});
    // A medium that is attached but not mounted is no drive and cannot be
    // found; the window says so while it waits for a device.
    m_unmounted.clear();
    if (m_state == FlowState::WaitingForDevice && m_deviceCount == 0)
        m_unmounted = m_drives.unmountedRemovables();
    if (!m_mediaProblem.isEmpty() && m_mediaProblemState != m_state)
        m_mediaProblem.clear(); // the flow has moved on
    report.add(mediaNotice());
    retryTakenUpDeletion();

    const FlowStep step = planTick(m_state, m_deviceCount, previousCount);
    if (step.deleteTakenUpFile) {
        deleteTakenUpConfiguration();
        if (m_awaitingSuccess) {
            RecordEntry back = *m_awaitingSuccess;
            back.when = m_now();
            back.event = RecordEvent::Success;
            m_awaitingSuccess.reset();
            record(report, back);
        }
        // What was compared is not what the device holds now.
        dropComparedDevice(report);
    } else if (m_deviceCount == 0) {
        dropComparedDevice(report); // the device has gone
    }
    if (step.readDevice && m_fleet.checkedOnEveryDevice && previousCount != 1) {
        // A standard edited elsewhere holds from the next device on.
        report.add(show::CheckStandard{++m_checksAsked});
    }
    report.add(withoutConfigureWhileStandardArrives(step.actions));
    if (step.readDevice) {
        const ReadOutcome outcome = read(report);
        const FlowStep after =
            planAfterRead(outcome, familyCodeOf(m_versionData), m_softwareVersion);
        report.add(withoutConfigureWhileStandardArrives(after.actions));
        m_state = after.nextState;
        addFleetSteps(report);
    } else {
        m_state = step.nextState;
    }
    // Safe removal is offered while the flow waits for the configured device
    // to be unplugged.
    const bool awaitingUnplug = m_state == FlowState::WaitingForUnplug && m_deviceCount == 1;
    report.add(
        show::SafeRemoval{awaitingUnplug ? m_scan.deviceRoot.value_or(QString()) : QString()});
    return report;
}

CycleReport DeviceCycle::restart()
{
    CycleReport report(CycleRequest::Restart);
    const FlowStep step = planRestart();
    report.add(step.actions);
    m_state = step.nextState;
    return report;
}

ReadOutcome DeviceCycle::missingVersionFile(CycleReport &report)
{
    report.add(show::Message{CycleText::tr("Configuration file missing.\r\n") + reconnectLines()});
    return ReadOutcome::Failed;
}

ReadOutcome DeviceCycle::rejectVersionFile(CycleReport &report, const QString &path,
                                           WhenUndeletable undeletable)
{
    // The device writes a fresh version file when it starts next, so a file
    // that cannot be trusted is deleted.
    m_files.setNormal(path);
    if (!m_files.remove(path)) {
        if (undeletable == WhenUndeletable::CountsAsMissing)
            return missingVersionFile(report);
        return ReadOutcome::Failed;
    }
    // Give a slow medium a moment to let the entry go. Requests wait meanwhile:
    // a click on Configure runs after the tick, instead of inside it with its
    // state overwritten afterwards.
    QElapsedTimer waited;
    waited.start();
    const QFileInfo entry(path);
    while (!m_files.resolve(entry.path(), entry.fileName()).isEmpty() &&
           waited.elapsed() < kDeleteWaitMs && m_pause.wait(kDeleteWaitStepMs)) {
    }
    report.add(show::Message{CycleText::tr("Configuration file error.\r\n") + reconnectLines()});
    return ReadOutcome::Failed;
}

void DeviceCycle::identify(CycleReport &report, const Identification &id)
{
    switch (id.family) {
    case Family::TQ:
    case Family::CR: {
        const bool tq = id.family == Family::TQ;
        m_softwareVersion = id.version;
        // The blank before a non-negative number is its sign position.
        const QString number = m_softwareVersion < 0
                                   ? QString::number(m_softwareVersion)
                                   : QLatin1Char(' ') + QString::number(m_softwareVersion);
        report.add(show::VersionLabel{
            (tq ? CycleText::tr("SW Version - TQ") : CycleText::tr("SW Version - CR")) + number});
        report.add(show::LogRows{{(tq ? QStringLiteral("Kordavel Software Version: ")
                                      : QStringLiteral("DoziziveDE Software Version: ")) +
                                  QString::number(m_softwareVersion)}});
        break;
    }
    case Family::Unknown:
        report.add(
            show::VersionLabel{id.familyCode + CycleText::tr(" - Unexpected software version")});
        break;
    }
}

ReadOutcome DeviceCycle::read(CycleReport &report)
{
    m_clockEnabled = false;
    m_compared.reset();
    m_shownVersionData.reset();
    if (!m_scan.deviceRoot)
        return missingVersionFile(report);
    const QString path = m_files.resolve(*m_scan.deviceRoot, QLatin1String(kVersionFilePath));
    if (path.isEmpty())
        return missingVersionFile(report);
    const Files::ReadResult file = m_files.readFile(path, kMaxVersionFileLength);
    if (file.status == Files::ReadStatus::TooLarge)
        return rejectVersionFile(report, path, WhenUndeletable::CountsAsMissing);
    if (file.status != Files::ReadStatus::Ok)
        return missingVersionFile(report);
    m_versionData = file.data;
    const qsizetype length = m_versionData.size();
    if (length < kMinVersionFileLength)
        return rejectVersionFile(report, path, WhenUndeletable::CountsAsMissing);

    const VersionAssessment a = assessVersionFile(m_versionData, m_softwareVersion);
    if (a.verdict == VersionVerdict::BadHeader) {
        report.add(show::Message{CycleText::tr("Kordavel software version value wrong")});
        return rejectVersionFile(report, path, WhenUndeletable::CountsAsMissing);
    }
    identify(report, a.id);

    QStringList rows{QStringLiteral("Version file length: ") + QString::number(length)};
    if (a.verdict == VersionVerdict::Accepted) {
        m_configByte = a.configByte;
        m_clockEnabled = a.clockEnabled;
        rows.append(QStringLiteral("Config. byte: ") + QString::number(m_configByte, 16).toUpper());
    }
    report.add(show::LogRows{rows});
    // What the file shows is decoded before a wrong length rejects it: the
    // screen shows the identification, the days and cleared boxes meanwhile.
    const SettingsChange decoded = m_decoder.decode(m_versionData, a);
    report.add(show::Settings{decoded});
    if (a.verdict == VersionVerdict::Accepted || a.verdict == VersionVerdict::ConfigNotAvailable)
        m_compared =
            ComparedDevice{capabilitiesOf(a.id.family, a.version), fleetSettingsOf(decoded)};
    if (a.verdict == VersionVerdict::WrongLength)
        return rejectVersionFile(report, path, WhenUndeletable::EndsTheRead);
    m_shownVersionData = m_versionData;
    if (a.verdict == VersionVerdict::ConfigNotAvailable) {
        // Old software publishes no settings; the file is kept.
        report.add(FlowAction::MessageConfigNotAvailable);
    }
    return ReadOutcome::Read;
}

std::optional<QByteArray> DeviceCycle::versionDataNow(const QString &root)
{
    // Anything but the whole file read now proves nothing about the device.
    const QString path = m_files.resolve(root, QLatin1String(kVersionFilePath));
    if (path.isEmpty())
        return std::nullopt;
    Files::ReadResult file = m_files.readFile(path, kMaxVersionFileLength);
    if (file.status != Files::ReadStatus::Ok)
        return std::nullopt;
    return std::move(file.data);
}

bool DeviceCycle::isTheDeviceRead(CycleReport &report, qint32 devicesFound, const QString &root)
{
    if (devicesFound > 1) {
        // The ticks keep Configure disabled until one of them is unplugged.
        report.add(show::Message{CycleText::tr("No configuration file was written: more than one "
                                               "Kordavel is plugged in, so unplug those that are "
                                               "not to be configured.")});
        return false;
    }
    // The same device gives the same version file, whatever drive it is on
    // now; another device, or one whose settings changed since they were
    // read, gives another (or none that can be read).
    if (m_shownVersionData && versionDataNow(root) == m_shownVersionData)
        return true;
    report.add(
        show::Message{CycleText::tr("No configuration file was written: the Kordavel plugged "
                                    "in is not the one whose settings are shown, or its "
                                    "settings have changed, so it is read again.")});
    m_shownVersionData.reset();
    dropComparedDevice(report);
    const FlowStep again = planRestart();
    report.add(again.actions);
    m_state = again.nextState;
    return false;
}

CycleReport DeviceCycle::configure(const DeviceSettings &screen)
{
    CycleReport report(CycleRequest::Configure);
    // The window showed these at the press already; a report that came in
    // between (a read that was running) may have changed them since.
    report.add(planConfigureStart());
    // Every drive is searched afresh: the device may have gone, or another
    // come beside it or in its place, since its settings were read.
    const DeviceSearch found = searchForDevices(m_drives, m_files);
    m_scan.roots = found.roots;
    m_scan.deviceRoot = found.deviceRoot;
    m_deviceCount = found.deviceCount;
    // The list is filled afresh, even with the rows it holds; with one device
    // it ends at the device, as the search for it always has.
    report.add(show::DriveLog{});
    report.add(show::LogRows{found.deviceCount == 1 ? found.log.first(found.rowsToFirstDevice)
                                                    : found.log});
    if (!found.deviceRoot)
        return report;
    const QString root = *found.deviceRoot;
    if (found.deviceCount == 1) {
        report.add(show::LogRows{{QStringLiteral("Kordavel found")}});
        report.add(FlowAction::MessageFound);
    }
    if (!isTheDeviceRead(report, found.deviceCount, root))
        return report;
    const std::optional<DeviceSettings> settings = settingsToWrite(screen);
    if (!settings)
        report.add(show::Message{
            CycleText::tr("Nothing was written: your organisation allows only its fleet "
                          "standard on a device, and it could not be read yet.")});
    const bool written = settings && writeConfiguration(report, *settings, root);
    const FlowStep end = planConfigureEnd(written);
    report.add(end.actions);
    m_state = end.nextState;
    if (written) // the device waits to be unplugged
        report.add(show::SafeRemoval{root});
    return report;
}

bool DeviceCycle::writeConfiguration(CycleReport &report, const DeviceSettings &settings,
                                     const QString &root)
{
    const QString familyCode = familyCodeOf(*m_shownVersionData);
    // The device keeps its byte until a file carrying the new one is in place.
    const int newConfigByte = configurationByte(settings, m_configByte, m_clockEnabled);
    const BuildResult built =
        buildConfigurationFile(settings, familyCode, m_softwareVersion, newConfigByte);
    bool written = false;
    if (built.status == BuildStatus::UnknownFamily) {
        report.add(show::Message{built.problem});
    } else if (built.status != BuildStatus::Ok) {
        report.add(show::Message{built.problem + nothingWritten()});
    } else {
        const InstallResult installed =
            installConfigurationFile(m_files, root, built.fileName, built.text, m_pause);
        written = installed.written();
        if (written) {
            m_configByte = newConfigByte;
            // The new file waits for the device; an older one's deletion is moot.
            m_undeletedConfigurationRoot.reset();
            report.add(show::LogRows{{QStringLiteral("Configuration file created")}});
            recordConfigure(report, settings, root, true);
        } else if (installed.status == InstallStatus::Unconfirmed) {
            report.add(show::Message{installed.problem}); // it may be there: say no more
            recordConfigure(report, settings, root, false);
        } else {
            report.add(show::Message{installed.problem + nothingWritten()});
        }
    }
    return written;
}

std::optional<DeviceSettings> DeviceCycle::settingsToWrite(const DeviceSettings &screen) const
{
    if (!m_fleet.locked)
        return screen;
    if (!m_fleet.standard || !m_compared)
        return std::nullopt;
    return withStandardEnforced(*m_fleet.standard, m_compared->capabilities, screen);
}

void DeviceCycle::recordConfigure(CycleReport &report, const DeviceSettings &screen,
                                  const QString &root, bool confirmed)
{
    m_awaitingSuccess.reset();
    if (m_fleet.record.record.isEmpty())
        return;
    RecordEntry entry;
    entry.when = m_now();
    entry.event = confirmed ? RecordEvent::FileWritten : RecordEvent::FileUnconfirmed;
    entry.driveLabel = volumeLabel(m_drives, root).trimmed();
    entry.familyCode = familyCodeOf(*m_shownVersionData);
    entry.softwareVersion = m_softwareVersion;
    entry.standardName = m_fleet.standard ? m_fleet.standard->name : QString();
    entry.written = screen;
    record(report, entry);
    if (confirmed)
        m_awaitingSuccess = entry;
}

show::FleetReport DeviceCycle::fleetReport(bool applied, bool readFailed) const
{
    show::FleetReport fleet;
    fleet.applied = applied;
    if (!m_fleet.standard)
        return fleet;
    fleet.standardName = m_fleet.standard->name;
    if (m_compared) {
        fleet.check =
            checkAgainstStandard(*m_fleet.standard, m_compared->settings, m_compared->capabilities);
    } else if (readFailed) {
        FleetCheck notRead;
        notRead.standardName = m_fleet.standard->name;
        notRead.summary = CycleText::tr("The settings of this device could not be read: it was "
                                        "not compared with the fleet standard \"%1\".")
                              .arg(m_fleet.standard->name);
        fleet.check = notRead;
    }
    return fleet;
}

void DeviceCycle::addFleetSteps(CycleReport &report)
{
    if (!m_fleet.standard)
        return;
    // Only a device the flow goes on to configure takes the standard.
    const bool apply = (m_fleet.applyOnRead || m_fleet.locked) && m_compared &&
                       m_state == FlowState::SettingsShown;
    if (apply)
        report.add(
            show::Settings{settingsForStandard(*m_fleet.standard, m_compared->capabilities)});
    report.add(fleetReport(apply, !m_compared));
}

void DeviceCycle::dropComparedDevice(CycleReport &report)
{
    if (!m_compared)
        return;
    m_compared.reset();
    if (m_fleet.standard)
        report.add(fleetReport());
}

bool DeviceCycle::standardArriving() const
{
    return m_fleet.standardArriving ||
           (m_fleet.checkedOnEveryDevice && m_fleet.checksAnswered < m_checksAsked);
}

std::vector<FlowAction>
DeviceCycle::withoutConfigureWhileStandardArrives(std::vector<FlowAction> actions) const
{
    if (standardArriving())
        std::erase(actions, FlowAction::EnableConfigure);
    return actions;
}

CycleReport DeviceCycle::setFleet(const FleetOptions &options)
{
    const bool wasArriving = standardArriving();
    const bool changed = m_fleet.standard != options.standard;
    m_fleet = options;
    const bool arrived = wasArriving && !standardArriving();
    if (m_fleet.record.record.isEmpty()) {
        m_awaitingSuccess.reset();
    } else {
        // Rows left from before (also from an earlier run) go now if they can;
        // if not, they wait for the next row, as they did.
        const RecordResult added = addToRecord(m_files, m_fleet.record, m_unrecorded);
        if (added.kept)
            m_unrecorded.clear();
    }
    CycleReport report(CycleRequest::Fleet);
    keepUnshared(report);
    if (arrived && m_state == FlowState::SettingsShown && m_deviceCount == 1) {
        // The device read while the standard was on its way takes it now.
        if (m_fleet.standard)
            addFleetSteps(report);
        else
            report.add(fleetReport());
        report.add(FlowAction::EnableConfigure);
        return report;
    }
    if (changed && m_fleet.checkedOnEveryDevice && m_fleet.standard && !standardArriving() &&
        m_state == FlowState::SettingsShown && m_deviceCount == 1) {
        // An answer that came after the device stopped waiting for it: the
        // screen shows what Configure would write.
        addFleetSteps(report);
        return report;
    }
    report.add(fleetReport());
    return report;
}

CycleReport DeviceCycle::applyStandard()
{
    CycleReport report(CycleRequest::ApplyStandard);
    if (!m_fleet.standard)
        return report;
    if (!m_compared || m_state != FlowState::SettingsShown) {
        report.add(show::Message{CycleText::tr(
            "Plug in a Kordavel that can be configured first: the standard is applied to "
            "the settings the device can hold.")});
        return report;
    }
    report.add(show::Settings{settingsForStandard(*m_fleet.standard, m_compared->capabilities)});
    report.add(fleetReport(true));
    return report;
}

void DeviceCycle::keepUnshared(CycleReport &report)
{
    // The organisation's copy goes through the outbox, which a thread of the
    // window's empties into its folder: the device never waits on a share.
    // Rows the outbox could not take wait here for the next chance.
    if (m_fleet.record.outbox.isEmpty() || m_unshared.empty())
        return;
    const std::size_t kept = keepForSharedRecord(m_files, m_fleet.record.outbox, m_unshared);
    m_unshared.erase(m_unshared.begin(), m_unshared.begin() + std::ptrdiff_t(kept));
    if (kept > 0)
        report.add(show::SharedRecordRows{});
}

void DeviceCycle::record(CycleReport &report, const RecordEntry &entry)
{
    if (!m_fleet.record.outbox.isEmpty()) {
        m_unshared.push_back(entry);
        keepUnshared(report);
    }
    // Rows the record could not take before go first, in their order.
    m_unrecorded.push_back(entry);
    const RecordResult added = addToRecord(m_files, m_fleet.record, m_unrecorded);
    if (added.kept)
        m_unrecorded.clear();
    if (added.recorded)
        return;
    report.add(show::Message{
        CycleText::tr("This Configure could not be added to the record %1 (%2). It is added "
                      "with the next one, once the record can be written.")
            .arg(QDir::toNativeSeparators(m_fleet.record.record), added.problem)});
}

void DeviceCycle::deleteTakenUpConfiguration()
{
    // Only the Kordavel's file is deleted; a CR unit's file stays (the flow
    // never takes a CR unit this far by itself).
    if (!m_scan.deviceRoot)
        return;
    m_undeletedConfigurationRoot = m_scan.deviceRoot;
    retryTakenUpDeletion();
}

void DeviceCycle::retryTakenUpDeletion()
{
    // A virus scanner or indexer may hold the file the moment the device comes
    // back; the tick must not wait for it, so it tries once now and again on
    // later ticks while the same drive holds the device.
    if (!m_undeletedConfigurationRoot || m_scan.deviceRoot != m_undeletedConfigurationRoot)
        return;
    const QString path =
        m_files.resolve(*m_undeletedConfigurationRoot,
                        QStringLiteral("UPDATES/") + QLatin1String(kTqConfigurationFileName));
    if (path.isEmpty() || !m_files.isFile(path) || m_files.remove(path))
        m_undeletedConfigurationRoot.reset();
}

} // namespace kordavel

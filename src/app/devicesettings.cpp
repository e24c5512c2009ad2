// Showing a device's settings: the version file is read, judged and mapped
// onto the settings controls; a file that cannot be trusted is deleted so that
// the device writes a fresh one when it is plugged in again.
#include "mainwindow.h"
#include "platform/files.h"
#include "settings/versionfile.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QThread>

namespace kordavel {

namespace {
// How long a rejected version file may take to disappear after its deletion.
constexpr int kDeleteWaitMs = 5000;
constexpr int kDeleteWaitStepMs = 50;

const QString kReconnectLines = QStringLiteral("Disconnect and reconnect Kordavel.\r\n"
                                               "Wait a moment then click 'Current Settings'.");
} // namespace

ReadOutcome MainWindow::reportMissingVersionFile()
{
    inform(QStringLiteral("Configuration file missing.\r\n") + kReconnectLines);
    return ReadOutcome::Failed;
}

ReadOutcome MainWindow::rejectVersionFile(const QString &path, bool beforeLayoutCheck)
{
    m_p.files->setNormal(path);
    if (!m_p.files->remove(path)) {
        // Before the layout check a failing deletion counts as a missing file;
        // after it the failure ends the read without a message.
        return beforeLayoutCheck ? reportMissingVersionFile() : ReadOutcome::Failed;
    }
    // Give a slow medium a moment to let the entry go. No events run meanwhile:
    // a click on Configure waits until the tick has finished, instead of
    // running inside it and having its state overwritten afterwards.
    QElapsedTimer waited;
    waited.start();
    while (!m_p.files->resolve(QFileInfo(path).path(), QFileInfo(path).fileName()).isEmpty() &&
           waited.elapsed() < kDeleteWaitMs)
        QThread::msleep(kDeleteWaitStepMs);
    inform(QStringLiteral("Configuration file error.\r\n") + kReconnectLines);
    return ReadOutcome::Failed;
}

void MainWindow::showIdentification(const Identification &id)
{
    QLabel *versionLabel = m_controls.softwareVersionLabel;
    switch (id.family) {
    case Family::TQ:
    case Family::CR: {
        const bool tq = id.family == Family::TQ;
        softwareVersion = id.version;
        m_controls.driveLog->addItem((tq ? QStringLiteral("Kordavel Software Version: ")
                                         : QStringLiteral("DoziziveDE Software Version: ")) +
                                     QString::number(softwareVersion));
        // The blank before a non-negative number is its sign position.
        const QString number = softwareVersion < 0
                                   ? QString::number(softwareVersion)
                                   : QLatin1Char(' ') + QString::number(softwareVersion);
        versionLabel->setText(
            (tq ? QStringLiteral("SW Version - TQ") : QStringLiteral("SW Version - CR")) + number);
        break;
    }
    case Family::Unknown:
        versionLabel->setText(id.familyCode + QStringLiteral(" - Unexpected software version"));
        break;
    }
    m_rules->applyIdentification(id);
}

ReadOutcome MainWindow::readDeviceSettings()
{
    clockEnabled = false;
    if (!scan.holdsDevice())
        return reportMissingVersionFile();
    const QString path =
        m_p.files->resolve(scan.roots[scan.deviceIndex], QLatin1String(kVersionFilePath));
    if (path.isEmpty())
        return reportMissingVersionFile();
    const Files::ReadResult read = m_p.files->readFile(path, kMaxVersionFileLength);
    if (read.status == Files::ReadStatus::TooLarge)
        return rejectVersionFile(path, true);
    if (read.status != Files::ReadStatus::Ok)
        return reportMissingVersionFile();
    versionData = read.data;
    const qsizetype length = versionData.size();
    if (length < kMinVersionFileLength)
        return rejectVersionFile(path, true);

    const VersionAssessment a = assessVersionFile(versionData, softwareVersion);
    if (a.verdict == VersionVerdict::BadHeader) {
        inform(QStringLiteral("Kordavel software version value wrong"));
        return rejectVersionFile(path, true);
    }
    showIdentification(a.id);

    m_controls.driveLog->addItem(QStringLiteral("Version file length: ") + QString::number(length));
    m_rules->showDaysBack(versionData);
    m_rules->clearDownloadBoxes();
    if (a.verdict == VersionVerdict::ConfigNotAvailable) {
        // Old software publishes no settings; the file is kept.
        showStatus(Status::ConfigNotAvailable);
        return ReadOutcome::Read;
    }
    if (a.verdict == VersionVerdict::WrongLength)
        return rejectVersionFile(path, false);

    m_rules->enableBoxesOfLayout(a.layout.layout);
    configByte = a.configByte;
    clockEnabled = a.clockEnabled;
    m_controls.driveLog->addItem(QStringLiteral("Config. byte: ") +
                                 QString::number(configByte, 16).toUpper());
    m_rules->showConfigurationByte(configByte);
    m_rules->checkBoxesOfCodeList(versionData, VersionOffset::FirstCodeList, a.layout.firstListEnd);
    // Only layout C reaches past the first list: VDO codes, then the dates.
    if (length > VersionOffset::SecondCodeList + 1) {
        m_rules->checkBoxesOfCodeList(versionData, VersionOffset::SecondCodeList, int(length) - 1);
        m_rules->showDates(versionData);
    }
    return ReadOutcome::Read;
}

} // namespace kordavel

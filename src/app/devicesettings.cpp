// Showing a device's settings: what the cycle read from the version file is
// mapped onto the identification, the settings controls and the status.
#include "mainwindow.h"
#include "settings/versionfile.h"

#include <QLabel>
#include <QListWidget>

namespace kordavel {

ReadOutcome MainWindow::readDeviceSettings()
{
    const DeviceReading reading = m_cycle.read();
    showReading(reading);
    return reading.outcome;
}

void MainWindow::showReading(const DeviceReading &reading)
{
    if (reading.identification) {
        m_controls.softwareVersionLabel->setText(reading.versionLabel);
        m_rules->applyIdentification(*reading.identification);
    }
    m_controls.driveLog->addItems(reading.logLines);
    if (reading.settings) {
        const SettingsView &s = *reading.settings;
        m_rules->showDaysBack(s.versionData);
        m_rules->clearDownloadBoxes();
        if (s.layoutKnown) {
            m_rules->enableBoxesOfLayout(s.layout);
            m_rules->showConfigurationByte(s.configByte);
            m_rules->checkBoxesOfCodeList(s.versionData, VersionOffset::FirstCodeList,
                                          s.firstListEnd);
            if (s.secondList) {
                m_rules->checkBoxesOfCodeList(s.versionData, VersionOffset::SecondCodeList,
                                              int(s.versionData.size()) - 1);
                m_rules->showDates(s.versionData);
            }
        }
    }
    if (reading.configNotAvailable)
        showStatus(Status::ConfigNotAvailable);
    for (const QString &text : reading.messages)
        inform(text);
}

} // namespace kordavel

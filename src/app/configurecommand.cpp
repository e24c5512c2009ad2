// The Configure command: finds the device again, builds the configuration file
// from the settings on the screen, puts it on the device and asks the user to
// unplug and replug it so that the device takes the file up.
#include "layout.h"
#include "mainwindow.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "settings/versionfile.h"
#include "writer/configwrite.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace kordavel {

QByteArray MainWindow::readVersionData(const QString &root)
{
    // Without an UPDATES folder nothing can be read and the previous content
    // stays; a missing file in it reads as empty.
    const QString updates = m_p.files->resolve(root, QStringLiteral("UPDATES"));
    if (updates.isEmpty() || !m_p.files->isDir(updates))
        return versionData;
    const QString path = m_p.files->resolve(root, QLatin1String(kVersionFilePath));
    const Files::ReadResult r = path.isEmpty() ? Files::ReadResult{Files::ReadStatus::Missing, {}}
                                               : m_p.files->readFile(path, kMaxVersionFileLength);
    return r.data;
}

ScreenSettings MainWindow::screenSettings() const
{
    ScreenSettings s;
    for (DownloadBox b : kAllDownloadBoxes)
        s.setChecked(b, m_controls.box(b)->checkState() == Qt::Checked);
    s.daysBack = m_controls.daysBackEdit->text();
    s.downloadStart = m_controls.downloadStartPicker->date();
    s.downloadEnd = m_controls.downloadEndPicker->date();
    for (int f = 0; f < kFileNameFormatCount && s.fileNameFormat < 0; ++f)
        if (m_controls.fileNameFormatButtons[std::size_t(f)]->isChecked())
            s.fileNameFormat = f;
    s.kordavelPlus = m_controls.modelKordavelPlusButton->isChecked();
    return s;
}

bool MainWindow::writeConfigurationFile()
{
    const ScreenSettings screen = screenSettings();
    // The device keeps its byte until a file carrying the new one is in place.
    const int newConfigByte = configurationByte(screen, configByte, clockEnabled);
    const BuildResult built =
        buildConfigurationFile(screen, familyCodeOf(versionData), softwareVersion, newConfigByte);
    if (built.status == BuildStatus::UnknownFamily) {
        inform(QStringLiteral("Unknown Kordavel type"));
        return false;
    }
    if (built.status != BuildStatus::Ok) {
        inform(built.problem + QStringLiteral("\r\nNo configuration file was written."));
        return false;
    }
    const InstallResult installed = installConfigurationFile(
        *m_p.files, scan.roots[scan.deviceIndex], built.fileName, built.text);
    if (!installed.written) {
        inform(installed.problem + QStringLiteral("\r\nNo configuration file was written."));
        return false;
    }
    configByte = newConfigByte;
    m_controls.driveLog->addItem(QStringLiteral("Configuration file created"));
    // The new file waits for the device; an older one's deletion is moot.
    m_undeletedConfigurationRoot.clear();
    return true;
}

void MainWindow::configureDevice()
{
    BusyScope busy(*this);
    const MainWindowControls &c = m_controls;
    c.configureButton->setEnabled(false);
    showStatus(Status::None);
    // The drives are searched afresh: the device may have gone since the last
    // tick. The first device found is the one configured.
    const DeviceSearch found = searchForDevices(*m_p.drives, *m_p.files, SearchEnd::AtFirstDevice);
    scan.roots = found.roots;
    c.driveLog->clear();
    c.driveLog->addItems(found.log);
    if (found.deviceIndex < 0) {
        scan.deviceIndex = qint32(scan.roots.size());
        return;
    }
    scan.deviceIndex = found.deviceIndex;
    const QString &root = scan.roots[scan.deviceIndex];
    c.driveLog->addItem(QStringLiteral("Kordavel found"));
    showStatus(Status::KordavelFound);
    deviceCount = 1;
    // The file is built for the family the device's version file shows now.
    versionData = readVersionData(root);
    const bool written = writeConfigurationFile();
    versionData = readVersionData(root);
    if (!written) {
        // Nothing new is on the device: keep the settings and let the user retry.
        c.configureButton->setEnabled(true);
        showStatus(Status::None);
        state = FlowState::SettingsShown;
        return;
    }
    askForUnplugAndReplug();
    state = FlowState::WaitingForUnplug;
    updateSafeRemove();
}

void MainWindow::askForUnplugAndReplug()
{
    showStatus(Status::None);
    m_controls.instructionLabel->setText(QStringLiteral("Disconnect USB"));
    setOuterHeightTwips(kTallHeightTwips);
    if (!m_pollTimer->isActive())
        m_pollTimer->start();
}

} // namespace kordavel

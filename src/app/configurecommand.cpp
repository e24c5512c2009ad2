// The Configure command: hands the settings on the screen to the cycle, which
// puts them on the device, and asks the user to unplug and replug it so that
// the device takes the file up.
#include "layout.h"
#include "mainwindow.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace kordavel {

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

void MainWindow::configureDevice()
{
    BusyScope busy(*this);
    const MainWindowControls &c = m_controls;
    c.configureButton->setEnabled(false);
    showStatus(Status::None);
    const ConfigureReport report = m_cycle.configure(screenSettings());
    c.driveLog->clear();
    c.driveLog->addItems(report.logRows);
    if (!report.deviceFound)
        return;
    c.driveLog->addItem(QStringLiteral("Kordavel found"));
    showStatus(Status::KordavelFound);
    for (const QString &text : report.messages)
        inform(text);
    if (!report.written) {
        // Nothing new is on the device: keep the settings and let the user retry.
        c.configureButton->setEnabled(true);
        showStatus(Status::None);
        return;
    }
    c.driveLog->addItem(QStringLiteral("Configuration file created"));
    askForUnplugAndReplug();
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

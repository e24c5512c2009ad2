// The requests the window hands to the cycle: its timer's ticks, the
// Configure command with the settings on the screen, and starting over.
#include "mainwindow.h"

#include "cycle/executor.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>

namespace kordavel {

void MainWindow::onPollTick()
{
    if (m_busy)
        return; // a message box is open: the tick after it scans instead
    m_p.executor->requestTick();
}

void MainWindow::configureDevice()
{
    if (m_configuresPending > 0)
        return; // one is on its way to the device
    for (FlowAction a : planConfigureStart())
        perform(a);
    // The device may take a while; the window stays usable meanwhile.
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    ++m_configuresPending;
    m_p.executor->requestConfigure(screenSettings());
}

void MainWindow::restartFlow()
{
    m_p.executor->requestRestart();
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

} // namespace kordavel

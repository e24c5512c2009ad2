// The poll tick: twice a second the window scans the drives, shows what it
// found and moves the plug/unplug flow on.
#include "layout.h"
#include "mainwindow.h"
#include "platform/media.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace kordavel {

void MainWindow::onPollTick()
{
    if (m_busy)
        return;
    BusyScope busy(*this);
    const TickReport report = m_cycle.tick();
    m_controls.stateLabel->setText(QString::number(qint32(report.stateBefore)));
    setLogRows(report.logRows);
    updateMountNotice(report);
    for (FlowAction a : report.actions)
        perform(a);
    if (report.reading)
        showReading(*report.reading);
    for (FlowAction a : report.afterRead)
        perform(a);
    updateSafeRemove();
}

void MainWindow::setLogRows(const QStringList &rows)
{
    // Rebuilding an unchanged list twice a second would only flicker.
    QListWidget *log = m_controls.driveLog;
    bool same = log->count() == rows.size();
    for (int i = 0; same && i < rows.size(); ++i)
        same = log->item(i)->text() == rows[i];
    if (same)
        return;
    log->clear();
    log->addItems(rows);
}

void MainWindow::updateMountNotice(const TickReport &report)
{
    // Say that a medium is attached but not mounted, so the user is not left
    // guessing, and offer to mount it where the disk service can.
    m_unmountedDrives = report.unmountedDrives;
    if (!m_mediaProblem.isEmpty() && m_mediaProblemState != report.stateBefore)
        m_mediaProblem.clear(); // the flow has moved on
    showNotice();
}

void MainWindow::showNotice()
{
    const bool canMount = m_p.media && m_p.media->available();
    QString notice;
    if (!m_mediaProblem.isEmpty()) {
        notice = m_mediaProblem;
    } else if (!m_unmountedDrives.isEmpty()) {
        notice = canMount ? QStringLiteral("Drive %1 is attached but not mounted.")
                          : QStringLiteral("A removable drive (%1) is attached but not "
                                           "mounted. Mount it to use it here.");
        notice = notice.arg(m_unmountedDrives.join(QStringLiteral(", ")));
    }
    const bool offerMount = canMount && !m_unmountedDrives.isEmpty();
    QLabel *label = m_controls.mountNoticeLabel;
    if (m_controls.mountButton->isHidden() == offerMount) {
        m_controls.mountButton->setVisible(offerMount);
        label->setGeometry(pixelRect(offerMount ? kNoticeBesideMountButton
                                                : *geometryOf(QStringLiteral("mountNoticeLabel"))));
    }
    if (label->text() != notice)
        label->setText(notice);
}

void MainWindow::updateSafeRemove()
{
    // Offered while the flow waits for the configured device to be unplugged.
    const bool offer = m_p.media && m_p.media->available() &&
                       m_cycle.state() == FlowState::WaitingForUnplug && m_cycle.deviceCount() == 1;
    if (m_controls.safeRemoveButton->isHidden() == offer)
        m_controls.safeRemoveButton->setVisible(offer);
}

void MainWindow::perform(FlowAction action)
{
    const MainWindowControls &c = m_controls;
    switch (action) {
    case FlowAction::MessageReady:
        showStatus(Status::ReadyForNext);
        break;
    case FlowAction::MessageFound:
        showStatus(Status::KordavelFound);
        break;
    case FlowAction::MessageConfigRead:
        showStatus(Status::ConfigurationRead);
        break;
    case FlowAction::MessageNotSuitable:
        showStatus(Status::NotSuitable);
        break;
    case FlowAction::MessageSuccess:
        showStatus(Status::Success);
        break;
    case FlowAction::ShowSWVersion:
        c.softwareVersionLabel->setVisible(true);
        break;
    case FlowAction::HideSWVersion:
        c.softwareVersionLabel->setVisible(false);
        break;
    case FlowAction::EnableConfigure:
        c.configureButton->setEnabled(true);
        break;
    case FlowAction::DisableConfigure:
        c.configureButton->setEnabled(false);
        break;
    case FlowAction::ArrowIn:
        showArrow(c.plugInArrowPicture);
        break;
    case FlowAction::ArrowOut:
        showArrow(c.unplugArrowPicture);
        break;
    case FlowAction::ArrowNone:
        showArrow(c.noArrowPicture);
        break;
    case FlowAction::ShowArrowDisplay:
        c.arrowDisplay->setVisible(true);
        break;
    case FlowAction::HideArrowDisplay:
        c.arrowDisplay->setVisible(false);
        break;
    case FlowAction::InstructionConnect:
        c.instructionLabel->setText(QStringLiteral("Connect USB"));
        break;
    case FlowAction::InstructionDisconnect:
        c.instructionLabel->setText(QStringLiteral("Disconnect USB"));
        break;
    case FlowAction::WindowShort:
        setOuterHeightTwips(kShortHeightTwips);
        break;
    case FlowAction::WindowTall:
        setOuterHeightTwips(kTallHeightTwips);
        break;
    case FlowAction::DeleteConfigFile: // the cycle's own work
        break;
    }
}

void MainWindow::showArrow(const PictureBox *arrow)
{
    m_arrows.showArrow(*m_controls.arrowDisplay, *m_controls.noArrowPicture, *arrow);
}

} // namespace kordavel

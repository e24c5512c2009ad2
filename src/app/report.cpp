// Performing the cycle's reports: each step changes what one control shows.
#include "layout.h"
#include "mainwindow.h"
#include "platform/media.h"
#include "platform/ticker.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace kordavel {

void MainWindow::performReport(const CycleReport &report)
{
    BusyScope busy(*this);
    // The device has answered: its message, if any, comes with the usual cursor.
    if (report.request == CycleRequest::Configure && m_configuresPending > 0) {
        --m_configuresPending;
        QGuiApplication::restoreOverrideCursor();
    }
    for (const ReportStep &step : report.steps)
        perform(step);
    if (m_closeAfterConfigure && m_configuresPending == 0)
        QMetaObject::invokeMethod(this, "close", Qt::QueuedConnection);
}

void MainWindow::perform(const ReportStep &step)
{
    const MainWindowControls &c = m_controls;
    if (const auto *action = std::get_if<FlowAction>(&step)) {
        perform(*action);
    } else if (const auto *state = std::get_if<show::StateNumber>(&step)) {
        c.stateLabel->setText(QString::number(qint32(state->state)));
    } else if (const auto *log = std::get_if<show::DriveLog>(&step)) {
        setLogRows(log->rows);
    } else if (const auto *rows = std::get_if<show::LogRows>(&step)) {
        c.driveLog->addItems(rows->rows);
    } else if (const auto *notice = std::get_if<show::MediaNotice>(&step)) {
        showMediaNotice(*notice);
    } else if (const auto *label = std::get_if<show::VersionLabel>(&step)) {
        c.softwareVersionLabel->setText(label->text);
    } else if (const auto *settings = std::get_if<show::Settings>(&step)) {
        m_rules->apply(settings->settings);
    } else if (const auto *message = std::get_if<show::Message>(&step)) {
        inform(message->text);
    } else if (const auto *removal = std::get_if<show::SafeRemoval>(&step)) {
        offerSafeRemoval(removal->root);
    } else if (const auto *fleet = std::get_if<show::FleetReport>(&step)) {
        showFleetReport(*fleet);
    }
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

void MainWindow::showMediaNotice(const show::MediaNotice &media)
{
    // Say that a medium is attached but not mounted, so the user is not left
    // guessing, and offer to mount it where the disk service can; or say why
    // that failed.
    m_unmountedDrives = media.unmounted;
    const bool canMount = m_p.media && m_p.media->available();
    QString notice;
    if (!media.problem.isEmpty()) {
        notice = media.problem;
    } else if (!m_unmountedDrives.isEmpty()) {
        notice = canMount ? tr("Drive %1 is attached but not mounted.")
                          : tr("A removable drive (%1) is attached but not "
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

void MainWindow::offerSafeRemoval(const QString &root)
{
    m_safeRemovalRoot = root;
    const bool offer = m_p.media && m_p.media->available() && !root.isEmpty();
    if (m_controls.safeRemoveButton->isHidden() == offer)
        m_controls.safeRemoveButton->setVisible(offer);
}

void MainWindow::perform(FlowAction action)
{
    const MainWindowControls &c = m_controls;
    switch (action) {
    case FlowAction::MessageNone:
        showStatus(Status::None);
        break;
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
    case FlowAction::MessageConfigNotAvailable:
        showStatus(Status::ConfigNotAvailable);
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
        c.instructionLabel->setText(tr("Connect USB"));
        nameDevicePictures(c, false);
        break;
    case FlowAction::InstructionDisconnect:
        c.instructionLabel->setText(tr("Disconnect USB"));
        nameDevicePictures(c, true);
        break;
    case FlowAction::WindowShort:
        setOuterHeightTwips(kShortHeightTwips);
        break;
    case FlowAction::WindowTall:
        setOuterHeightTwips(kTallHeightTwips);
        break;
    case FlowAction::PollAgain:
        if (!m_p.ticker->isActive())
            m_p.ticker->start();
        break;
    }
}

void MainWindow::showArrow(const PictureBox *arrow)
{
    m_arrows.showArrow(*m_controls.arrowDisplay, *m_controls.noArrowPicture, *arrow);
}

} // namespace kordavel

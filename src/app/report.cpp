// Performing the cycle's reports: each step changes what one control shows.
#include "apptext.h"
#include "fleetcontroller.h"
#include "later.h"
#include "layout.h"
#include "mainwindow.h"
#include "mediaoffer.h"
#include "platform/ticker.h"
#include "settingscontrols.h"
#include "windowcontrols.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace kordavel {

namespace {
// One handler per kind of report step, for std::visit.
template <typename... Handlers> struct Overloaded : Handlers...
{
    using Handlers::operator()...;
};
template <typename... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;
} // namespace

void MainWindow::performReport(const CycleReport &report)
{
    ++m_busy;
    // The device has answered: its message, if any, comes with the usual cursor.
    if (report.request == CycleRequest::Configure && m_configure.pending > 0) {
        --m_configure.pending;
        QGuiApplication::restoreOverrideCursor();
    }
    const MainWindowControls &c = *m_controls;
    const auto perform = Overloaded{
        [this](FlowAction action) { this->perform(action); },
        [&c](const show::StateNumber &s) {
            c.stateLabel->setText(QString::number(qint32(s.state)));
        },
        [this](const show::DriveLog &log) { setLogRows(log.rows); },
        [&c](const show::LogRows &rows) { c.driveLog->addItems(rows.rows); },
        [this](const show::MediaNotice &notice) { m_media->showNotice(notice); },
        [&c](const show::VersionLabel &label) { c.softwareVersionLabel->setText(label.text); },
        [this](const show::Settings &settings) { m_rules->apply(settings.settings); },
        [this](const show::Message &message) { inform(message.text); },
        [this](const show::SafeRemoval &removal) { m_media->offerSafeRemoval(removal.root); },
        [this](const show::FleetReport &fleet) { m_fleet->showReport(fleet); },
        [this](const show::CheckStandard &check) { m_fleet->checkStandardAgain(check.number); },
        [this](const show::SharedRecordRows &) { m_fleet->sendRecordRows(); },
    };
    for (const ReportStep &step : report.steps)
        std::visit(perform, step);
    --m_busy;
    if (m_configure.closeAfter && m_configure.pending == 0)
        callLater(this, 0, [this] { close(); });
}

void MainWindow::setLogRows(const QStringList &rows)
{
    // Rebuilding an unchanged list twice a second would only flicker.
    QListWidget *log = m_controls->driveLog;
    bool same = log->count() == rows.size();
    for (int i = 0; same && i < rows.size(); ++i)
        same = log->item(i)->text() == rows[i];
    if (same)
        return;
    log->clear();
    log->addItems(rows);
}

bool MainWindow::showStatusOf(FlowAction action)
{
    static const std::pair<FlowAction, Status> statuses[] = {
        {FlowAction::MessageNone, Status::None},
        {FlowAction::MessageReady, Status::ReadyForNext},
        {FlowAction::MessageFound, Status::KordavelFound},
        {FlowAction::MessageConfigRead, Status::ConfigurationRead},
        {FlowAction::MessageNotSuitable, Status::NotSuitable},
        {FlowAction::MessageSuccess, Status::Success},
        {FlowAction::MessageConfigNotAvailable, Status::ConfigNotAvailable},
    };
    for (const auto &[message, status] : statuses) {
        if (message == action) {
            showStatus(status);
            return true;
        }
    }
    return false;
}

void MainWindow::perform(FlowAction action)
{
    if (showStatusOf(action))
        return;
    const MainWindowControls &c = *m_controls;
    switch (action) {
    case FlowAction::ShowSWVersion:
    case FlowAction::HideSWVersion:
        c.softwareVersionLabel->setVisible(action == FlowAction::ShowSWVersion);
        break;
    case FlowAction::EnableConfigure:
    case FlowAction::DisableConfigure:
        c.configureButton->setEnabled(action == FlowAction::EnableConfigure);
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
    case FlowAction::HideArrowDisplay:
        c.arrowDisplay->setVisible(action == FlowAction::ShowArrowDisplay);
        break;
    case FlowAction::InstructionConnect:
    case FlowAction::InstructionDisconnect: {
        const bool unplug = action == FlowAction::InstructionDisconnect;
        c.instructionLabel->setText(unplug ? AppText::tr("Disconnect USB")
                                           : AppText::tr("Connect USB"));
        nameDevicePictures(c, unplug);
        break;
    }
    case FlowAction::WindowShort:
    case FlowAction::WindowTall:
        setHeightTwips(action == FlowAction::WindowTall ? kTallHeightTwips : kShortHeightTwips);
        break;
    case FlowAction::PollAgain:
        if (!m_platform.ticker->isActive())
            m_platform.ticker->start();
        break;
    default: // the messages, shown above
        break;
    }
}

void MainWindow::showArrow(const PictureBox *arrow)
{
    m_arrows.showArrow(*m_controls->arrowDisplay, *m_controls->noArrowPicture, *arrow);
}

} // namespace kordavel

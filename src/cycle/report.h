#pragma once

#include "cycle/flow.h"
#include "fleet/fleetcheck.h"
#include "settings/settingsdecoder.h"

#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

namespace kordavel {

// What a report asks the window to show, one step at a time. Each step names
// what changes; the window performs the steps in their order and decides
// nothing of its own.
namespace show {
// The flow's state number in the diagnostic area.
struct StateNumber
{
    FlowState state = FlowState::WaitingForDevice;
};
// The whole drive log, replacing what it held.
struct DriveLog
{
    QStringList rows;
};
// Rows added to the end of the drive log.
struct LogRows
{
    QStringList rows;
};
// What the window says about removable media: those attached but not
// mounted (kernel names; empty when there are none or no device is awaited),
// and why mounting or safely removing one failed, while the flow is still at
// the stage where it failed (empty when nothing failed).
struct MediaNotice
{
    QStringList unmounted;
    QString problem;
};
// The software version's label.
struct VersionLabel
{
    QString text;
};
// What a version file's settings put on the controls.
struct Settings
{
    SettingsChange settings;
};
// A message box; the next step waits until the user has closed it.
struct Message
{
    QString text;
};
// Safe removal of the device at root may be offered; an empty root withdraws
// the offer.
struct SafeRemoval
{
    QString root;
};
// The fleet strip: the active standard and how the device read last
// compares with it.
struct FleetReport
{
    std::optional<QString> standardName; // nullopt: no standard is active, the strip goes
    std::optional<FleetCheck> check;     // nullopt: no device compared since it became active
    bool applied = false; // the standard was just put on the screen, for Configure to write
};
// A device appeared while the standard is kept where others change it: it is
// to be checked again, and Configure waits until the fleet options say it
// has arrived (or the wait for it has ended).
struct CheckStandard
{
    quint64 number = 0; // FleetOptions::checksAnswered answers it
};
// Rows wait in the outbox for the organisation's record folder.
struct SharedRecordRows
{
};
} // namespace show

using ReportStep =
    std::variant<FlowAction, show::StateNumber, show::DriveLog, show::LogRows, show::MediaNotice,
                 show::VersionLabel, show::Settings, show::Message, show::SafeRemoval,
                 show::FleetReport, show::CheckStandard, show::SharedRecordRows>;

// The requests the window makes of the cycle.
enum class CycleRequest { Tick, Configure, Restart, MediaProblem, Fleet, ApplyStandard };

// What one request to the cycle gives the window to show, in order.
struct CycleReport
{
    CycleReport() = default;
    explicit CycleReport(CycleRequest answers) : request(answers) {}

    CycleRequest request = CycleRequest::Tick; // the request this report answers
    std::vector<ReportStep> steps;

    void add(ReportStep step) { steps.push_back(std::move(step)); }
    void add(const std::vector<FlowAction> &actions)
    {
        for (FlowAction a : actions)
            steps.emplace_back(a);
    }
};

} // namespace kordavel

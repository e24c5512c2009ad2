#pragma once

#include "cycle/flow.h"
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
// Removable media that are attached but not mounted (kernel names); empty
// when there are none, or when no device is awaited.
struct UnmountedMedia
{
    QStringList drives;
};
// The software version's label.
struct VersionLabel
{
    QString text;
};
// What a version file's settings put on the controls.
struct Settings
{
    DecodedSettings settings;
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
} // namespace show

using ReportStep =
    std::variant<FlowAction, show::StateNumber, show::DriveLog, show::LogRows, show::UnmountedMedia,
                 show::VersionLabel, show::Settings, show::Message, show::SafeRemoval>;

// What one request to the cycle gives the window to show, in order.
struct CycleReport
{
    std::vector<ReportStep> steps;
    // How often the flow's state had changed since the cycle began, before
    // and after the request ran: a notice that belongs to one stage of the
    // flow is outdated once the count has moved on.
    quint64 flowChangesBefore = 0;
    quint64 flowChangesAfter = 0;

    void add(ReportStep step) { steps.push_back(std::move(step)); }
    void add(const std::vector<FlowAction> &actions)
    {
        for (FlowAction a : actions)
            steps.emplace_back(a);
    }
};

} // namespace kordavel

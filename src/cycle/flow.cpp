#include "flow.h"

namespace kordavel {

namespace {

FlowStep withNext(FlowState next, std::vector<FlowAction> actions = {})
{
    FlowStep s;
    s.nextState = next;
    s.actions = std::move(actions);
    return s;
}

FlowStep planWaitingForDevice(qint32 deviceCount)
{
    if (deviceCount == 0)
        return withNext(FlowState::WaitingForDevice,
                        {FlowAction::MessageReady, FlowAction::HideSWVersion});
    FlowStep s = withNext(FlowState::WaitingForDevice);
    if (deviceCount == 1) {
        s.actions = {FlowAction::MessageFound};
        s.readDevice = true;
    }
    return s;
}

FlowStep planSettingsShown(qint32 deviceCount, qint32 previousCount)
{
    // Two devices at once: Configure waits, with the user's edits kept, until
    // one device is left; Configure itself checks that it is the one read.
    const bool many = deviceCount >= 2;
    if (deviceCount == 0)
        return withNext(FlowState::WaitingForDevice, {FlowAction::DisableConfigure});
    if (many && previousCount < 2)
        return withNext(FlowState::SettingsShown, {FlowAction::DisableConfigure});
    if (!many && previousCount != 1) // one device again after two, or after a press that found none
        return withNext(FlowState::SettingsShown, {FlowAction::EnableConfigure});
    return withNext(FlowState::SettingsShown);
}

FlowStep planWaitingForUnplug(qint32 deviceCount)
{
    if (deviceCount == 0)
        return withNext(FlowState::WaitingForReplug,
                        {FlowAction::ArrowIn, FlowAction::InstructionConnect});
    if (deviceCount == 1)
        return withNext(FlowState::WaitingForUnplug, {FlowAction::ArrowOut});
    return withNext(FlowState::WaitingForUnplug);
}

FlowStep planWaitingForReplug(qint32 deviceCount)
{
    if (deviceCount == 0)
        return withNext(FlowState::WaitingForReplug,
                        {FlowAction::ArrowIn, FlowAction::InstructionConnect});
    if (deviceCount >= 2)
        return withNext(FlowState::WaitingForReplug);
    FlowStep s = withNext(FlowState::Configured,
                          {FlowAction::InstructionDisconnect, FlowAction::MessageSuccess,
                           FlowAction::ArrowNone, FlowAction::WindowShort});
    s.deleteTakenUpFile = true;
    return s;
}

FlowStep planConfigured(qint32 deviceCount)
{
    if (deviceCount == 0)
        return withNext(
            FlowState::WaitingForDevice,
            {FlowAction::ArrowNone, FlowAction::WindowShort, FlowAction::HideArrowDisplay});
    return withNext(FlowState::Configured, {FlowAction::HideArrowDisplay});
}

} // namespace

FlowStep planTick(FlowState state, qint32 deviceCount, qint32 previousCount)
{
    // Two devices at once make every state wait: the flow cannot tell which
    // one the user means.
    switch (state) {
    case FlowState::WaitingForDevice:
        return planWaitingForDevice(deviceCount);
    case FlowState::SettingsShown:
        return planSettingsShown(deviceCount, previousCount);
    case FlowState::WaitingForUnplug:
        return planWaitingForUnplug(deviceCount);
    case FlowState::WaitingForReplug:
        return planWaitingForReplug(deviceCount);
    case FlowState::Configured:
        return planConfigured(deviceCount);
    case FlowState::ReadAgain:
    default: // any unexpected value
        return withNext(FlowState::WaitingForDevice);
    }
}

FlowStep planAfterRead(ReadOutcome outcome, const QString &familyCode, qint32 version)
{
    FlowStep s;
    if (outcome == ReadOutcome::Failed) {
        // Nothing was read: offer nothing, read again on the tick after next.
        s.nextState = FlowState::ReadAgain;
        return s;
    }
    s.actions = {FlowAction::MessageConfigRead, FlowAction::ShowSWVersion};
    if (familyCode == QLatin1String("CR")) {
        s.nextState = FlowState::WaitingForDevice;
    } else if (version < kMinSuitableVersion) {
        s.actions.insert(s.actions.end(),
                         {FlowAction::MessageNotSuitable, FlowAction::ShowArrowDisplay,
                          FlowAction::ArrowOut, FlowAction::InstructionDisconnect,
                          FlowAction::WindowTall});
        s.nextState = FlowState::ReadAgain;
    } else {
        s.actions.insert(s.actions.end(), {FlowAction::EnableConfigure, FlowAction::WindowShort});
        s.nextState = FlowState::SettingsShown;
    }
    return s;
}

std::vector<FlowAction> planConfigureStart()
{
    return {FlowAction::DisableConfigure, FlowAction::MessageNone};
}

FlowStep planConfigureEnd(bool written)
{
    FlowStep s;
    if (written) {
        s.actions = {FlowAction::MessageNone, FlowAction::InstructionDisconnect,
                     FlowAction::WindowTall, FlowAction::PollAgain};
        s.nextState = FlowState::WaitingForUnplug;
    } else {
        s.actions = {FlowAction::EnableConfigure, FlowAction::MessageNone};
        s.nextState = FlowState::SettingsShown;
    }
    return s;
}

FlowStep planRestart()
{
    FlowStep s;
    s.actions = {FlowAction::MessageNone};
    s.nextState = FlowState::WaitingForDevice;
    return s;
}

} // namespace kordavel

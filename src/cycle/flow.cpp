#include "flow.h"

namespace kordavel {

using A = FlowAction;
using S = FlowState;

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
        return withNext(S::WaitingForDevice, {A::MessageReady, A::HideSWVersion});
    FlowStep s = withNext(S::WaitingForDevice);
    if (deviceCount == 1) {
        s.actions = {A::MessageFound};
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
        return withNext(S::WaitingForDevice, {A::DisableConfigure});
    if (many && previousCount < 2)
        return withNext(S::SettingsShown, {A::DisableConfigure});
    if (!many && previousCount != 1) // one device again after two, or after a press that found none
        return withNext(S::SettingsShown, {A::EnableConfigure});
    return withNext(S::SettingsShown);
}

FlowStep planWaitingForUnplug(qint32 deviceCount)
{
    if (deviceCount == 0)
        return withNext(S::WaitingForReplug, {A::ArrowIn, A::InstructionConnect});
    if (deviceCount == 1)
        return withNext(S::WaitingForUnplug, {A::ArrowOut});
    return withNext(S::WaitingForUnplug);
}

FlowStep planWaitingForReplug(qint32 deviceCount)
{
    if (deviceCount == 0)
        return withNext(S::WaitingForReplug, {A::ArrowIn, A::InstructionConnect});
    if (deviceCount >= 2)
        return withNext(S::WaitingForReplug);
    FlowStep s = withNext(
        S::Configured, {A::InstructionDisconnect, A::MessageSuccess, A::ArrowNone, A::WindowShort});
    s.deleteTakenUpFile = true;
    return s;
}

FlowStep planConfigured(qint32 deviceCount)
{
    if (deviceCount == 0)
        return withNext(S::WaitingForDevice, {A::ArrowNone, A::WindowShort, A::HideArrowDisplay});
    return withNext(S::Configured, {A::HideArrowDisplay});
}

} // namespace

FlowStep planTick(FlowState state, qint32 deviceCount, qint32 previousCount)
{
    // Two devices at once make every state wait: the flow cannot tell which
    // one the user means.
    switch (state) {
    case S::WaitingForDevice:
        return planWaitingForDevice(deviceCount);
    case S::SettingsShown:
        return planSettingsShown(deviceCount, previousCount);
    case S::WaitingForUnplug:
        return planWaitingForUnplug(deviceCount);
    case S::WaitingForReplug:
        return planWaitingForReplug(deviceCount);
    case S::Configured:
        return planConfigured(deviceCount);
    case S::ReadAgain:
    default: // any unexpected value
        return withNext(S::WaitingForDevice);
    }
}

FlowStep planAfterRead(ReadOutcome outcome, const QString &familyCode, qint32 version)
{
    FlowStep s;
    if (outcome == ReadOutcome::Failed) {
        // Nothing was read: offer nothing, read again on the tick after next.
        s.nextState = S::ReadAgain;
        return s;
    }
    s.actions = {A::MessageConfigRead, A::ShowSWVersion};
    if (familyCode == QLatin1String("CR")) {
        s.nextState = S::WaitingForDevice;
    } else if (version < kMinSuitableVersion) {
        s.actions.insert(s.actions.end(), {A::MessageNotSuitable, A::ShowArrowDisplay, A::ArrowOut,
                                           A::InstructionDisconnect, A::WindowTall});
        s.nextState = S::ReadAgain;
    } else {
        s.actions.insert(s.actions.end(), {A::EnableConfigure, A::WindowShort});
        s.nextState = S::SettingsShown;
    }
    return s;
}

std::vector<FlowAction> planConfigureStart()
{
    return {A::DisableConfigure, A::MessageNone};
}

FlowStep planConfigureEnd(bool written)
{
    FlowStep s;
    if (written) {
        s.actions = {A::MessageNone, A::InstructionDisconnect, A::WindowTall, A::PollAgain};
        s.nextState = S::WaitingForUnplug;
    } else {
        s.actions = {A::EnableConfigure, A::MessageNone};
        s.nextState = S::SettingsShown;
    }
    return s;
}

FlowStep planRestart()
{
    FlowStep s;
    s.actions = {A::MessageNone};
    s.nextState = S::WaitingForDevice;
    return s;
}

} // namespace kordavel

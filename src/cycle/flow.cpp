#include "flow.h"

namespace kordavel {

using A = FlowAction;
using S = FlowState;

FlowStep planTick(FlowState state, qint32 deviceCount, qint32 previousCount)
{
    // Two devices at once make every state wait: the flow cannot tell which
    // one the user means. Configure waits too, with the user's edits kept,
    // until one device is left; Configure itself checks that it is the one read.
    FlowStep s;
    const bool many = deviceCount >= 2;
    const bool manyBefore = previousCount >= 2;
    switch (state) {
    case S::WaitingForDevice:
        s.nextState = S::WaitingForDevice;
        if (deviceCount == 0) {
            s.actions = {A::MessageReady, A::HideSWVersion};
        } else if (deviceCount == 1) {
            s.actions = {A::MessageFound};
            s.readDevice = true;
        }
        break;
    case S::SettingsShown:
        s.nextState = S::SettingsShown;
        if (deviceCount == 0) {
            s.actions = {A::DisableConfigure};
            s.nextState = S::WaitingForDevice;
        } else if (many && !manyBefore) {
            s.actions = {A::DisableConfigure};
        } else if (!many && previousCount != 1) {
            // One device again after two, or after a press that found none.
            s.actions = {A::EnableConfigure};
        }
        break;
    case S::WaitingForUnplug:
        s.nextState = S::WaitingForUnplug;
        if (deviceCount == 0) {
            s.actions = {A::ArrowIn, A::InstructionConnect};
            s.nextState = S::WaitingForReplug;
        } else if (!many) {
            s.actions = {A::ArrowOut};
        }
        break;
    case S::WaitingForReplug:
        s.nextState = S::WaitingForReplug;
        if (deviceCount == 0) {
            s.actions = {A::ArrowIn, A::InstructionConnect};
        } else if (!many) {
            s.actions = {A::InstructionDisconnect, A::MessageSuccess, A::ArrowNone, A::WindowShort};
            s.deleteTakenUpFile = true;
            s.nextState = S::Configured;
        }
        break;
    case S::Configured:
        if (deviceCount == 0) {
            s.actions = {A::ArrowNone, A::WindowShort, A::HideArrowDisplay};
            s.nextState = S::WaitingForDevice;
        } else {
            s.actions = {A::HideArrowDisplay};
            s.nextState = S::Configured;
        }
        break;
    case S::ReadAgain:
    default: // any unexpected value
        s.nextState = S::WaitingForDevice;
        break;
    }
    return s;
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

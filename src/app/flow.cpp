#include "flow.h"

namespace kordavel {

using A = FlowAction;

FlowStep planTick(qint32 state, qint32 deviceCount)
{
    FlowStep s;
    const bool many = deviceCount >= 2;
    switch (state) {
    case 0:
        s.nextState = 0;
        if (deviceCount == 0) {
            s.actions = {A::MessageReady, A::HideSWVersion};
        } else if (deviceCount == 1) {
            s.actions = {A::MessageFound};
            s.readDevice = true;
        }
        break;
    case 1:
        s.nextState = 1;
        if (deviceCount == 0) {
            s.actions = {A::DisableConfigure};
            s.nextState = 0;
        }
        break;
    case 2:
        s.nextState = 2;
        if (deviceCount == 0) {
            s.actions = {A::ArrowIn, A::InstructionConnect};
            s.nextState = 3;
        } else if (!many) {
            s.actions = {A::ArrowOut};
        }
        break;
    case 3:
        s.nextState = 3;
        if (deviceCount == 0) {
            s.actions = {A::ArrowIn, A::InstructionConnect};
        } else if (!many) {
            s.actions = {A::InstructionDisconnect, A::MessageSuccess, A::ArrowNone, A::WindowShort,
                         A::DeleteConfigFile};
            s.nextState = 4;
        }
        break;
    case 4:
        if (deviceCount == 0) {
            s.actions = {A::ArrowNone, A::WindowShort, A::HideArrowDisplay};
            s.nextState = 0;
        } else {
            s.actions = {A::HideArrowDisplay};
            s.nextState = 4;
        }
        break;
    default: // 5 and any unexpected value
        s.nextState = 0;
        break;
    }
    return s;
}

FlowStep planAfterRead(ReadOutcome outcome, const QString &familyCode, qint32 version)
{
    FlowStep s;
    if (outcome == ReadOutcome::Failed) {
        // Nothing was read: offer nothing, read again on the tick after next.
        s.nextState = 5;
        return s;
    }
    s.actions = {A::MessageConfigRead, A::ShowSWVersion};
    if (familyCode == QLatin1String("CR")) {
        s.nextState = 0;
    } else if (version < kMinSuitableVersion) {
        s.actions.insert(s.actions.end(), {A::MessageNotSuitable, A::ShowArrowDisplay, A::ArrowOut,
                                           A::InstructionDisconnect, A::WindowTall});
        s.nextState = 5;
    } else {
        s.actions.insert(s.actions.end(), {A::EnableConfigure, A::WindowShort});
        s.nextState = 1;
    }
    return s;
}

} // namespace kordavel

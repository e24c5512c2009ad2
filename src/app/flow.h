#pragma once

#include <QString>

#include <vector>

namespace kordavel {

// What a poll tick does to the window, in order.
enum class FlowAction {
    MessageReady,       // lblMessage = "Ready for next"
    MessageFound,       // lblMessage = "Kordavel found"
    MessageConfigRead,  // lblMessage = "Configuration read"
    MessageNotSuitable, // lblMessage = "Not Suitable"
    MessageSuccess,     // lblMessage = "Success!"
    ShowSWVersion,
    HideSWVersion,
    EnableConfigure,
    DisableConfigure,
    ArrowIn,   // showArrow(picInArrow)
    ArrowOut,  // showArrow(picOutArrow)
    ArrowNone, // showArrow(picNoArrow)
    ShowArrowDisplay,
    HideArrowDisplay,
    InstructionConnect,    // lblInstruction = "Connect USB"
    InstructionDisconnect, // lblInstruction = "Disconnect USB"
    WindowShort,           // outer height 7800 twips
    WindowTall,            // outer height 11500 twips
    DeleteConfigFile,      // DeleteConfigurationFile
};

struct FlowStep
{
    std::vector<FlowAction> actions;
    qint32 nextState = 0;
    bool readDevice = false; // read the device's settings, then planAfterRead
};

// One tick of the plug/unplug flow from the state before the tick and the
// number of devices the scan found.
FlowStep planTick(qint32 state, qint32 deviceCount);

// How a device read in state 0 ended.
enum class ReadOutcome {
    Read,   // the version file was read (including "Config. not available")
    Failed, // missing file or rejected file
};

// The rest of a state-0 tick after the read: the family and suitability test.
// familyCode is the upper-cased start of the version data, version the software
// version held after the read.
FlowStep planAfterRead(ReadOutcome outcome, const QString &familyCode, qint32 version);

// Lowest software version that can be configured.
inline constexpr qint32 kMinSuitableVersion = 23;

} // namespace kordavel

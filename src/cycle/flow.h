#pragma once

#include <QString>

#include <vector>

namespace kordavel {

// The plug/unplug flow. The device takes up a configuration file from UPDATES
// only when it starts, so after Configure has written the file the user must
// unplug the device and plug it in again; the flow waits for each of these,
// shows the matching instruction and arrow, and reports success once the
// device is back. The window shows the state's number.
enum class FlowState : qint32 {
    WaitingForDevice = 0, // "Ready for next": a device that appears is read
    SettingsShown = 1,    // a device's settings are shown; Configure waits for the user
    WaitingForUnplug = 2, // the configuration file is written
    WaitingForReplug = 3,
    Configured = 4, // the device is back and took the file up: "Success!"
    ReadAgain = 5,  // a read failed or the device is unsuitable: start over next tick
};

// What a poll tick does to the window, in order.
enum class FlowAction {
    MessageNone,               // the status is cleared
    MessageReady,              // status "Ready for next"
    MessageFound,              // status "Kordavel found"
    MessageConfigRead,         // status "Configuration read"
    MessageNotSuitable,        // status "Not Suitable"
    MessageSuccess,            // status "Success!"
    MessageConfigNotAvailable, // status "Config. not available"
    ShowSWVersion,
    HideSWVersion,
    EnableConfigure,
    DisableConfigure,
    ArrowIn,   // the moving arrow points into the device
    ArrowOut,  // the moving arrow points out of it
    ArrowNone, // the arrow display is blanked
    ShowArrowDisplay,
    HideArrowDisplay,
    InstructionConnect,    // instruction "Connect USB"
    InstructionDisconnect, // instruction "Disconnect USB"
    WindowShort,           // the short window: settings only
    WindowTall,            // the tall window: the device picture and instruction below
    PollAgain,             // the poll timer runs, if it had stopped
};

struct FlowStep
{
    std::vector<FlowAction> actions;
    FlowState nextState = FlowState::WaitingForDevice;
    bool readDevice = false;        // read the device's settings, then planAfterRead
    bool deleteTakenUpFile = false; // the device took its configuration file up: delete it
};

// One tick of the plug/unplug flow from the state before the tick, the
// number of devices the scan found and the number the scan before it found.
// States outside FlowState start over.
FlowStep planTick(FlowState state, qint32 deviceCount, qint32 previousCount);

// How the read of a device's settings ended.
enum class ReadOutcome {
    Read,   // the version file was read (including "Config. not available")
    Failed, // missing file or rejected file
};

// The rest of a WaitingForDevice tick after the read: the family and suitability test.
// familyCode is the upper-cased start of the version data, version the software
// version held after the read.
FlowStep planAfterRead(ReadOutcome outcome, const QString &familyCode, qint32 version);

// What the window shows at once when the user presses Configure, before the
// command has run; the Configure command's report starts with it again.
std::vector<FlowAction> planConfigureStart();
// The end of a Configure command that found a device: with a new file on it
// the user is asked to unplug and replug the device; without one the settings
// stay for the user to retry.
FlowStep planConfigureEnd(bool written);
// Starting the flow over: the next tick reads a device that is there.
FlowStep planRestart();

// Lowest software version that can be configured.
inline constexpr qint32 kMinSuitableVersion = 23;

} // namespace kordavel

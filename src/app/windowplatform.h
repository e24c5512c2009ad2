#pragma once

#include "fleet/standard.h"
#include "policy.h"

#include <QString>

#include <optional>

namespace kordavel {

class Clock;
class CycleExecutor;
class Desktop;
class FleetFiles;
class Files;
class MediaService;
class MessageBox;
class Ticker;

// What the main window needs from the machine.
struct Platform
{
    // Runs the plug/unplug cycle on the drives and files of the device.
    CycleExecutor *executor = nullptr;
    Files *files = nullptr; // the program's own folder
    Clock *clock = nullptr;
    Ticker *ticker = nullptr; // the poll's beat; the window starts it
    MessageBox *messageBox = nullptr;
    // Mounting and safe removal through the desktop's disk service; none on
    // systems that mount media themselves.
    MediaService *media = nullptr;
    QString programFolder;

    // The fleet features. Without a settings file they keep nothing and
    // start with nothing remembered.
    Desktop *desktop = nullptr;       // file dialogs, opening the record
    FleetFiles *fleetFiles = nullptr; // reads and writes the standard's files
    // Sends the record's rows to the policy's record folder: a thread of its
    // own, so that a share that stalls there never holds the standard's checks.
    FleetFiles *recordSender = nullptr;
    QString fleetSettingsFile; // INI in the user's configuration folder
    QString recordFile;        // the record of every Configure, in the user's data folder
    QString pendingRecordFile; // its rows not added yet, in the program's local data folder
    std::optional<FleetStandard> standardForThisRun; // from the command line; not remembered
    bool applyStandardForThisRun = false;
    // What the organisation set: its fleet values beat the user's and the
    // command line's; the values it could not use are named in the strip.
    MachinePolicy policy;
    // The last good copy of the policy's standard, in the local data folder.
    QString standardCopyFile;
    QString recordOutbox;     // the rows on their way to the policy's record folder, local
    QString sharedRecordName; // this computer's file in the policy's record folder
    // How long rows that could not go to the record folder wait before they
    // are sent again, in milliseconds.
    int recordRetryMs = 60000;
    // How long a device that appears waits for the policy's standard to be
    // checked again before the copy at hand holds for it, in milliseconds.
    int standardCheckBudgetMs = 5000;

    // How long a close waits for a Configure on its way, in milliseconds.
    int configureCloseBudgetMs = 10000;
};

// Caption of every message box; the window itself is captioned kWindowCaption.
inline constexpr char kProgramTitle[] = "Kordavel - Set 'Latest VU' settings";
inline constexpr char kWindowCaption[] = "Kordavel Configuration";
// A file of this name in the program's folder opens the wide layout.
inline constexpr char kWideLayoutMarker[] = "DuzudodeVizuriRedi.txt";
// The interval of the program's poll ticks.
inline constexpr int kPollIntervalMs = 500;

} // namespace kordavel

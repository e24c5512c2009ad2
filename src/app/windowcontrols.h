#pragma once

#include "settingscontrols.h"
#include "widgets.h"

class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace kordavel {

class PictureBox;

// Every control of the main window; each is named by its objectName.
struct MainWindowControls : SettingsControls
{
    QPushButton *helpButton = nullptr;
    QToolButton *fleetButton = nullptr; // opens the fleet menu
    QPlainTextEdit *fleetReport =
        nullptr; // the strip below the window: the device against the standard
    QPushButton *configureButton = nullptr; // writes the settings to the device
    QFrame *modelFrame = nullptr;           // holds the two model buttons
    QLabel *downloadStartLabel = nullptr;
    QLabel *downloadEndLabel = nullptr;

    QLabel *stateCaptionLabel = nullptr;    // "State"
    QLabel *stateLabel = nullptr;           // number of the flow's state
    QLabel *softwareVersionLabel = nullptr; // "SW Version - TQ 54"; a click opens the help
    StatusText *statusLabel = nullptr;      // "Ready for next", "Success!", ...
    StatusText *instructionLabel = nullptr; // "Disconnect USB" / "Connect USB"
    QLabel *programVersionLabel = nullptr;  // "Rev. 0.1.19"
    QLabel *copyrightLabel = nullptr;
    QLabel *mountNoticeLabel = nullptr;      // a removable drive attached but not mounted
    QPushButton *mountButton = nullptr;      // mounts it through the desktop's disk service
    QPushButton *safeRemoveButton = nullptr; // unmounts and powers off the configured device
    QLabel *devicePicture = nullptr;
    QListWidget *driveLog = nullptr; // a row per removable drive, then what was read

    // The arrow display shows the moving arrow; the other three hold the
    // pictures it copies from and stay hidden.
    PictureBox *arrowDisplay = nullptr;
    PictureBox *noArrowPicture = nullptr;
    PictureBox *plugInArrowPicture = nullptr;
    PictureBox *unplugArrowPicture = nullptr;
};

// Creates the controls on the window, with their captions, fonts, tooltips,
// initial states and places from the layout table. The device picture stays
// empty until drawDevicePicture() is called.
MainWindowControls buildMainWindowControls(QWidget *window);
// Names the device picture and the arrow display for a screen reader by what
// the user must do: unplug the device, or plug it in again.
void nameDevicePictures(const MainWindowControls &controls, bool unplug);
// Draws the device picture for the window's scale.
void drawDevicePicture(const MainWindowControls &controls);

} // namespace kordavel

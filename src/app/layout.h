#pragma once

#include "look/units.h"

#include <QRect>
#include <QString>

namespace kordavel {

// Where every control of the main window sits, in twips relative to its container.
struct ControlGeometry
{
    const char *name;   // objectName of the control
    const char *parent; // objectName of its container ("mainWindow" for the client area)
    int left;
    int top;
    int width;
    int height;
};

inline constexpr ControlGeometry kMainWindowLayout[] = {
    {"helpButton", "mainWindow", 4200, 120, 495, 495},
    // The fleet menu's button, in the gap beside the help button and as high.
    {"fleetButton", "mainWindow", 3870, 50, 315, 495},
    {"modelFrame", "mainWindow", 5160, 0, 3975, 495},
    {"fileNamePageButton", "mainWindow", 2400, 120, 1455, 450},
    {"downloadPageButton", "mainWindow", 480, 120, 1815, 450},
    {"fileNamePage", "mainWindow", 5160, 600, 3975, 3375},
    {"downloadPage", "mainWindow", 360, 600, 3975, 4935},
    {"noArrowPicture", "mainWindow", 5160, 7680, 2220, 1215},
    {"arrowDisplay", "mainWindow", 480, 9600, 2220, 1215},
    {"plugInArrowPicture", "mainWindow", 7200, 6240, 1740, 1215},
    {"unplugArrowPicture", "mainWindow", 5160, 6240, 1740, 1215},
    {"driveLog", "mainWindow", 5160, 4560, 4215, 1425},
    {"configureButton", "mainWindow", 2760, 6480, 1575, 495},
    // Starts 120 twips left of its design place so that "State" fits in every
    // face that stands in for the design face.
    {"stateCaptionLabel", "mainWindow", 7920, 7680, 495, 255},
    {"stateLabel", "mainWindow", 8400, 7680, 375, 255},
    {"softwareVersionLabel", "mainWindow", 1560, 5640, 2055, 255},
    {"statusLabel", "mainWindow", 0, 5880, 4695, 555},
    {"instructionLabel", "mainWindow", 360, 7680, 2535, 1095},
    {"devicePicture", "mainWindow", 480, 7440, 4050, 3315},
    {"programVersionLabel", "mainWindow", 2280, 7080, 2055, 255},
    {"copyrightLabel", "mainWindow", 360, 7080, 1935, 255},
    // Hint below the status text when a removable drive is attached but not mounted.
    {"mountNoticeLabel", "mainWindow", 120, 6480, 2520, 600},
    // Where the desktop's disk service can mount it: a button, the hint beside it
    // (kNoticeBesideMountButton).
    {"mountButton", "mainWindow", 120, 6480, 855, 375},
    // Below the "Disconnect USB" instruction, while the configured device is plugged in.
    {"safeRemoveButton", "mainWindow", 360, 8880, 1575, 375},

    {"useDatesBox", "downloadPage", 240, 3480, 2295, 495},
    {"driverCardBox", "downloadPage", 1920, 360, 1935, 495},
    {"technicalDataBox", "downloadPage", 240, 3000, 1695, 495},
    {"eventsFaultsBox", "downloadPage", 240, 1920, 1215, 495},
    {"detailedSpeedBox", "downloadPage", 240, 2520, 1575, 495},
    {"activitiesBox", "downloadPage", 240, 840, 1455, 495},
    {"overviewBox", "downloadPage", 240, 360, 1575, 495},
    {"daysBackEdit", "downloadPage", 240, 1440, 495, 375},
    {"saveCardDateBox", "downloadPage", 1920, 960, 1935, 495},
    {"speed168hBox", "downloadPage", 1920, 1560, 1935, 495},
    {"otherVdoDataBox", "downloadPage", 1920, 2760, 1575, 495},
    {"speed4HzBox", "downloadPage", 1920, 2160, 1575, 495},
    {"downloadEndPicker", "downloadPage", 2160, 4440, 1455, 375},
    {"downloadStartPicker", "downloadPage", 2160, 3960, 1455, 375},
    {"downloadEndLabel", "downloadPage", 240, 4440, 1695, 375},
    {"downloadStartLabel", "downloadPage", 240, 4080, 1695, 375},
    {"daysLabel", "downloadPage", 840, 1440, 615, 375},

    {"shortNamesButton", "fileNamePage", 240, 360, 3495, 375},
    {"europeanNamesButton", "fileNamePage", 240, 960, 3495, 375},
    {"frenchNamesButton", "fileNamePage", 240, 1560, 3495, 375},
    {"spanishNamesButton", "fileNamePage", 240, 2160, 3495, 375},
    {"duvadoRirozoNamesButton", "fileNamePage", 240, 2760, 3495, 375},

    {"modelKordavelButton", "modelFrame", 240, 120, 1575, 375},
    {"modelKordavelPlusButton", "modelFrame", 2280, 120, 1575, 375},
};

// The hint's place while the mount button stands at its left.
inline constexpr ControlGeometry kNoticeBesideMountButton = {
    "mountNoticeLabel", "mainWindow", 1035, 6480, 1605, 600};

// The geometry of a control by name; nullptr for a name not in the table.
const ControlGeometry *geometryOf(const QString &name);

// A control's rectangle in pixels of its container.
QRect pixelRect(const ControlGeometry &g);

// Window sizes in twips (outer, including title bar and borders). The short
// window shows the settings; the tall one adds the device picture with the
// instruction and the moving arrow while the user unplugs and replugs.
inline constexpr int kShortHeightTwips = 7800;
inline constexpr int kTallHeightTwips = 11500;
// The window users see is narrow: the parked page, the drive log and the
// spare arrow pictures lie beyond its right edge. The wide layout, shown when
// the program's folder holds kWideLayoutMarker, reveals them for service work.
inline constexpr int kNarrowWidthTwips = 4800;
inline constexpr int kWideClientWidthTwips = 9570;
// Distance of the window's top-left corner from the screen's.
inline constexpr int kWindowPosTwips = 100;
// Height of the strip the window grows by while a fleet standard is active.
inline constexpr int kFleetStripTwips = 1500;
// The help button sits higher than its place in the table.
inline constexpr int kHelpButtonTopTwips = 50;

} // namespace kordavel

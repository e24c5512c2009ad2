#pragma once

#include "platform/units.h"

#include <QRect>
#include <QString>

namespace kordavel {

// Where every control of the main window sits, in twips relative to its container.
struct ControlGeometry
{
    const char *name;   // objectName of the control
    const char *parent; // objectName of its container ("Form1" for the client area)
    int left;
    int top;
    int width;
    int height;
};

inline constexpr ControlGeometry kForm1Layout[] = {
    {"cmdHelp", "Form1", 4200, 120, 495, 495},
    {"Frame1", "Form1", 5160, 0, 3975, 495},
    {"Option2(1)", "Form1", 2400, 120, 1455, 450},
    {"Option2(0)", "Form1", 480, 120, 1815, 450},
    {"frameFileName", "Form1", 5160, 600, 3975, 3375},
    {"frameSelectFiles", "Form1", 360, 600, 3975, 4935},
    {"picNoArrow", "Form1", 5160, 7680, 2220, 1215},
    {"picArrowDisplay", "Form1", 480, 9600, 2220, 1215},
    {"picInArrow", "Form1", 7200, 6240, 1740, 1215},
    {"picOutArrow", "Form1", 5160, 6240, 1740, 1215},
    {"List1", "Form1", 5160, 4560, 4215, 1425},
    {"cmdConfigure", "Form1", 2760, 6480, 1575, 495},
    {"Label2", "Form1", 8040, 7680, 375, 255},
    {"lblState", "Form1", 8400, 7680, 375, 255},
    {"lblSWVersion", "Form1", 1560, 5640, 2055, 255},
    {"lblMessage", "Form1", 0, 5880, 4695, 555},
    {"lblInstruction", "Form1", 360, 7680, 2535, 1095},
    {"Image1", "Form1", 480, 7440, 4050, 3315},
    {"lblVersion", "Form1", 2280, 7080, 2055, 255},
    {"Label1(0)", "Form1", 360, 7080, 1935, 255},
    // Hint below the status text when a removable drive is attached but not mounted.
    {"lblNotice", "Form1", 120, 6480, 2520, 555},
    // Where the desktop's disk service can mount it: a button, the hint beside it
    // (kNoticeBesideMountButton).
    {"mountButton", "Form1", 120, 6480, 855, 375},
    // Below the "Disconnect USB" instruction, while the configured device is plugged in.
    {"safeRemoveButton", "Form1", 360, 8880, 1575, 375},

    {"Check11", "frameSelectFiles", 240, 3480, 2295, 495},
    {"Check6", "frameSelectFiles", 1920, 360, 1935, 495},
    {"Check5", "frameSelectFiles", 240, 3000, 1695, 495},
    {"Check3", "frameSelectFiles", 240, 1920, 1215, 495},
    {"Check4", "frameSelectFiles", 240, 2520, 1575, 495},
    {"Check2", "frameSelectFiles", 240, 840, 1455, 495},
    {"Check1", "frameSelectFiles", 240, 360, 1575, 495},
    {"tbDays", "frameSelectFiles", 240, 1440, 495, 375},
    {"Check7", "frameSelectFiles", 1920, 960, 1935, 495},
    {"Check9", "frameSelectFiles", 1920, 1560, 1935, 495},
    {"Check8", "frameSelectFiles", 1920, 2760, 1575, 495},
    {"Check10", "frameSelectFiles", 1920, 2160, 1575, 495},
    {"DTPickerEnd", "frameSelectFiles", 2160, 4440, 1455, 375},
    {"DTPickerStart", "frameSelectFiles", 2160, 3960, 1455, 375},
    {"lblEnd", "frameSelectFiles", 240, 4440, 1695, 375},
    {"lblStart", "frameSelectFiles", 240, 4080, 1695, 375},
    {"Label7", "frameSelectFiles", 840, 1440, 615, 375},

    {"Option1(0)", "frameFileName", 240, 360, 3495, 375},
    {"Option1(1)", "frameFileName", 240, 960, 3495, 375},
    {"Option1(2)", "frameFileName", 240, 1560, 3495, 375},
    {"Option1(3)", "frameFileName", 240, 2160, 3495, 375},
    {"Option1(4)", "frameFileName", 240, 2760, 3495, 375},

    {"optKordavel(0)", "Frame1", 240, 120, 1575, 375},
    {"optKordavel(1)", "Frame1", 2280, 120, 1575, 375},
};

// The hint's place while the mount button stands at its left.
inline constexpr ControlGeometry kNoticeBesideMountButton = {"lblNotice", "Form1", 1035,
                                                             6480,        1605,    555};

// The geometry of a control by name; nullptr for a name not in the table.
const ControlGeometry *geometryOf(const QString &name);

// A control's rectangle in pixels of its container.
QRect pixelRect(const ControlGeometry &g);

// Window sizes (outer, including title bar and borders) and layout constants.
inline constexpr int kShortHeightTwips = 7800;
inline constexpr int kTallHeightTwips = 11500;
inline constexpr int kNarrowWidthTwips = 4800;
inline constexpr int kDesignClientWidthTwips = 9570;
inline constexpr int kWindowPosTwips = 100;
inline constexpr int kHelpButtonTopTwips = 50;

} // namespace kordavel

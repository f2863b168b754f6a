#pragma once

#include <string>

#include "app/CommandIds.h"
#include "geometry/Point.h"
#include "layout/Layout.h"
#include "view/Canvas.h"

namespace orvanest {

// What the left button and mouse movement do; set by the keys M, O, P, R, S and Z.
enum class InteractionMode { None = 0, Select = 1, Pan = 2, Move = 3, GuardedMove = 4, ZoomWindow = 5, Rotate = 6 };

// pi as the window's rotation step takes it, not to full precision.
inline constexpr double kRotationStep = 3.1415926 * 0.08333333333333334;

inline constexpr Rgb kBackgroundColours[2] = {kBlack, kWhite};

// The window's own interaction state; it survives every reload.
struct WindowState {
    Extent savedExtent;  // the board after the last load; every resize refits to it
    int clientWidth = 0;
    int clientHeight = 0;
    InteractionMode mode = InteractionMode::None;
    int clickCount = 0;  // left clicks counted towards the current two-click action
    bool animating = false;
    int backgroundIndex = 0;
    int backgroundMenuItem = kCommandBlackBackground;
    bool showPackingPoints = true;
    PixelPoint selStart;
    PixelPoint selEnd;
    PixelPoint anchor;           // last mouse position of a pan or move drag
    bool pickedByClick = false;  // the last first click in select mode toggled a part: no rubber band
    Point rotationCentre;
    PixelPoint rotationCentrePixel;  // the cross stays here when the view changes
    double rotationStep = kRotationStep;
    std::string filePath;  // shared by every file chooser
    int noteIndex = 0;     // of the step tune, kept for the whole program run
};

}  // namespace orvanest

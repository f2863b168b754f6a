#pragma once

#include "geometry/Part.h"
#include "layout/Layout.h"
#include "layout/Platform.h"
#include "packing/SlideSteps.h"

namespace orvanest {

inline constexpr const char* kTimingFileName = "排样计算时间.txt";

// Places one member part by the packing-point method, or leaves it unchanged when nothing fits.
void placePart(Layout& layout, Part& part);

// Push a member part until it is within 0.01 of the board edge or another part, with halving steps.
void slideLeft(Layout& layout, Part& part);
void slideRight(Layout& layout, Part& part);
void slideUp(Layout& layout, Part& part);
void slideDown(Layout& layout, Part& part);

// Places every selected part in list order with the layout's engine, reporting progress to the
// platform; stops after the part in hand when the platform cancels.
void placeSelectedParts(Layout& layout, Platform& platform);

// Key B: places every selected part, then reports the time by sound, message and the timing file.
// Answers the measured time in seconds.
double packTimed(Layout& layout, Platform& platform);

// Key D, one timer tick: places the next selected part off the board and sounds note `noteIndex` of
// the step tune, then advances it (wrapping after the eleventh note). The caller keeps the index for the
// whole program run. Answers whether a selected part is still off the board.
bool packStep(Layout& layout, Platform& platform, int& noteIndex);

}  // namespace orvanest

#pragma once

#include <QPoint>
#include <QRect>
#include <vector>

namespace orvanest {

// The pixels of a one-pixel line from `from` towards `to`, as the window system's line drawing gives
// them: the start pixel is covered, the end pixel is not, whatever the direction (Qt's own line drawing
// leaves out the right or lower end instead). Only the pixels inside `clip` are answered, so a line with
// far-off ends costs no more than one across the clip.
std::vector<QPoint> linePixels(QPoint from, QPoint to, const QRect& clip);

}  // namespace orvanest

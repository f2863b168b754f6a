#include "app/CommandLayer.h"

#include <limits>

#include "app/FileChoosers.h"
#include "input/IdSequence.h"
#include "input/LoadLayout.h"
#include "output/DxfWriter.h"
#include "output/Report.h"
#include "packing/Placement.h"
#include "packing/RemainingRectPacking.h"
#include "packing/Traversal.h"
#include "view/Drawing.h"

namespace orvanest {
namespace {

char32_t lowerCase(char32_t c) { return (c >= U'A' && c <= U'Z') ? c - U'A' + U'a' : c; }

// Raises a flag for the length of a scope.
class RunningFlag {
public:
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& flag_;
};

}  // namespace

CommandLayer::CommandLayer(Platform& platform) : platform_(platform) {}

void CommandLayer::onCreate() {
    state_.animating = false;
    state_.backgroundIndex = 0;
    layout_.reset();
    viewport_ = Viewport();
}

void CommandLayer::onDestroy() {
    state_.animating = false;
    layout_.reset();
    viewport_ = Viewport();
}

void CommandLayer::onSize(int width, int height) {
    state_.clientWidth = width;
    state_.clientHeight = height;
    viewport_.init(width, height, state_.savedExtent);
}

void CommandLayer::onPaint(Canvas& canvas) {
    canvas.fill(backgroundColour());
    if (!layout_) return;
    drawLayout(*layout_, viewport_, canvas);
    if (state_.showPackingPoints) drawPackingPoints(*layout_, viewport_, canvas);
    switch (state_.mode) {
        case InteractionMode::Rotate: drawCross(state_.rotationCentrePixel, canvas); break;
        case InteractionMode::Select:
            if (state_.clickCount == 1 && !state_.pickedByClick)
                drawSelectionBand(state_.selStart, state_.selEnd, canvas);
            break;
        case InteractionMode::ZoomWindow:
            if (state_.clickCount == 1) drawZoomBand(state_.selStart, state_.selEnd, canvas);
            break;
        default: break;
    }
}

void CommandLayer::onKeyDown(ArrowKey key) {
    if (!layout_) return;
    slideSelected(*layout_, key);
    redraw();
}

void CommandLayer::onChar(char32_t character, bool shift) {
    const char32_t key = lowerCase(character);
    auto setMode = [this](InteractionMode mode, bool resetClicks) {
        state_.mode = mode;
        if (resetClicks) state_.clickCount = 0;
    };
    switch (key) {
        case U'm': return setMode(InteractionMode::Move, true);
        case U'o': return setMode(InteractionMode::GuardedMove, true);
        case U'p': return setMode(InteractionMode::Pan, true);
        case U'r': return setMode(InteractionMode::Rotate, true);
        case U's': return setMode(InteractionMode::Select, false);
        case U'z': return setMode(InteractionMode::ZoomWindow, false);
        case U'x': viewport_.fit(); return redraw();
        default: break;
    }
    if (!layout_) return;
    Layout& layout = *layout_;
    switch (key) {
        case kEscape:
            clearSelection(layout);
            state_.clickCount = 0;
            return redraw();
        case U'a':
            if (shift) {
                selectAll(layout);
                return redraw();
            }
            if (state_.mode == InteractionMode::Rotate) rotateBy(state_.rotationStep);
            return;
        case U'c':
            if (state_.mode == InteractionMode::Rotate) rotateBy(-state_.rotationStep);
            return;
        case U'b': {
            const RunningFlag running(packing_);
            packTimed(layout, platform_);
            return redraw();
        }
        case U'd': state_.animating = true; return;
        case U'e': writeReport(layout, "Report.txt", platform_); return redraw();
        case U'k': {
            const RunningFlag running(packing_);
            packTraversal(layout, platform_);
            return redraw();
        }
        case U'l': packRemainingRects(layout, platform_); return redraw();
        case U'n': bringNextPart(layout); return redraw();
        default: return;
    }
}

bool CommandLayer::onCommand(int commandId) {
    switch (commandId) {
        case kCommandOpenPartData: openChosenFile(kLoadPartData); return true;
        case kCommandOpenPartList: openChosenFile(kLoadPartList); return true;
        case kCommandRenewRnPpd: platform_.openRnPpdDialog(); return true;
        case kCommandWriteDxfLayout:
            if (layout_ && platform_.chooseFile(saveFileChooser(), state_.filePath))
                writeDxfLayout(*layout_, state_.filePath, platform_);
            return true;
        case kCommandBlackBackground:
        case kCommandWhiteBackground:
            platform_.setMenuChecked(state_.backgroundMenuItem, false);
            platform_.setMenuChecked(commandId, true);
            state_.backgroundMenuItem = commandId;
            state_.backgroundIndex = commandId - kCommandBlackBackground;
            fullRedraw();
            return true;
        case kCommandIdSequence:
            if (layout_ && platform_.chooseFile(openFileChooser(), state_.filePath))
                applyIdSequence(*layout_, state_.filePath, platform_);
            return true;
        case kCommandShowPackingPoints:
            state_.showPackingPoints = !state_.showPackingPoints;
            platform_.setMenuChecked(kCommandShowPackingPoints, state_.showPackingPoints);
            fullRedraw();
            return true;
        case kCommandExportParts:
            if (layout_) exportParts(*layout_, ".", platform_);
            return true;
        default: return false;
    }
}

void CommandLayer::onTimer() {
    if (!state_.animating || packing_ || platform_.tonePlaying()) return;
    if (!layout_) {
        state_.animating = false;
        return;
    }
    if (!packStep(*layout_, platform_, state_.noteIndex)) state_.animating = false;
    redraw();
}

void CommandLayer::onMouseMove(int x, int y, bool shift) {
    if (!layout_ || state_.clickCount != 1) return;
    const PixelPoint here{x, y};
    switch (state_.mode) {
        case InteractionMode::Select:
            if (state_.pickedByClick) return;
            state_.selEnd = here;
            return redraw();
        case InteractionMode::ZoomWindow: state_.selEnd = here; return redraw();
        case InteractionMode::Pan:
            viewport_.pan(x - state_.anchor.x, y - state_.anchor.y);
            state_.anchor = here;
            return redraw();
        case InteractionMode::Move:
        case InteractionMode::GuardedMove:
            dragSelected(state_.anchor, here, shift || state_.mode == InteractionMode::GuardedMove);
            state_.anchor = here;
            return redraw();
        default: return;
    }
}

void CommandLayer::onLeftButtonDown(int x, int y, bool shift) {
    if (!layout_) return;
    // Clicks in rotate mode never reset the counter; saturate rather than overflow.
    if (state_.clickCount < std::numeric_limits<int>::max()) ++state_.clickCount;
    switch (state_.mode) {
        case InteractionMode::None: state_.clickCount = 0; return;
        case InteractionMode::Select: return leftClickSelect(x, y);
        case InteractionMode::ZoomWindow: return leftClickZoom(x, y);
        case InteractionMode::Pan:
        case InteractionMode::Move:
        case InteractionMode::GuardedMove: return leftClickDrag(x, y, shift);
        case InteractionMode::Rotate:
            state_.rotationCentrePixel = PixelPoint{x, y};
            state_.rotationCentre = viewport_.toModel(x, y);
            return redraw();
    }
}

void CommandLayer::leftClickSelect(int x, int y) {
    if (state_.clickCount == 1) {
        state_.selStart = PixelPoint{x, y};
        if (pickAt(*layout_, viewport_, x, y)) {
            state_.pickedByClick = true;
            state_.clickCount = 0;
            return redraw();
        }
        state_.pickedByClick = false;
    }
    if (state_.clickCount == 2) {
        state_.selEnd = PixelPoint{x, y};
        state_.clickCount = 0;
        selectInRect(*layout_, viewport_, state_.selStart.x, state_.selStart.y, x, y);
        redraw();
    }
}

void CommandLayer::leftClickZoom(int x, int y) {
    if (state_.clickCount == 1) {
        state_.selStart = PixelPoint{x, y};
    } else if (state_.clickCount == 2) {
        state_.selEnd = PixelPoint{x, y};
        state_.clickCount = 0;
        viewport_.zoomToRect(state_.selStart.x, state_.selStart.y, x, y);
        redraw();
    }
}

// The grab-and-release click pair of the pan and move modes.
void CommandLayer::leftClickDrag(int x, int y, bool shift) {
    if (state_.clickCount == 1) {
        state_.anchor = PixelPoint{x, y};
        return;
    }
    if (state_.clickCount != 2) return;
    const PixelPoint here{x, y};
    if (state_.mode == InteractionMode::Pan)
        viewport_.pan(x - state_.anchor.x, y - state_.anchor.y);
    else
        dragSelected(state_.anchor, here, shift || state_.mode == InteractionMode::GuardedMove);
    state_.clickCount = 0;
    redraw();
}

void CommandLayer::dragSelected(PixelPoint from, PixelPoint to, bool guarded) {
    if (guarded)
        moveSelectedGuarded(*layout_, viewport_, from.x, from.y, to.x, to.y);
    else
        moveSelected(*layout_, viewport_, from.x, from.y, to.x, to.y);
}

void CommandLayer::onMouseWheel(int delta, int x, int y) {
    if (state_.mode == InteractionMode::Rotate) {
        if (!layout_) return;
        return rotateBy(delta > 0 ? state_.rotationStep : -state_.rotationStep);
    }
    viewport_.zoomAt(x, y, viewport_.scale() * (delta > 0 ? 1.1 : 0.9));
    redraw();
}

void CommandLayer::rotateBy(double angle) {
    rotateSelected(*layout_, state_.rotationCentre, angle);
    redraw();
}

void CommandLayer::openChosenFile(int kind) {
    if (!platform_.chooseFile(openFileChooser(), state_.filePath)) return;
    openFile(state_.filePath, kind);
}

bool CommandLayer::openFile(const std::string& path, int kind) {
    std::optional<Layout> loaded = loadLayout(path, kind, platform_);
    if (!loaded) return false;
    layout_ = std::move(loaded);
    viewport_ = Viewport();
    state_.savedExtent = layout_->extent;
    viewport_.init(state_.clientWidth, state_.clientHeight, state_.savedExtent);
    redraw();
    return true;
}

}  // namespace orvanest

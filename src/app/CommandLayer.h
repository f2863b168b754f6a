#pragma once

#include <optional>
#include <string>

#include "app/Editing.h"
#include "app/WindowState.h"
#include "layout/Layout.h"
#include "layout/Platform.h"
#include "view/Canvas.h"
#include "view/Viewport.h"

namespace orvanest {

using ArrowKey = SlideDirection;

inline constexpr char32_t kEscape = U'\x1b';

// The window's behaviour, free of any window system: a front end forwards its events here and carries
// out what comes back through the Platform (messages, choosers, repaints, check marks, the dialog).
// Every handler runs to completion; none blocks except the modal messages and choosers.
class CommandLayer {
public:
    explicit CommandLayer(Platform& platform);

    // Resets the animation, background and layout, and makes a fresh unfitted view.
    void onCreate();
    // Drops the layout and the view; the front end stops its timer and ends its loop.
    void onDestroy();
    // Stores the client size and refits the view to the whole board (any zoom and pan are dropped).
    void onSize(int width, int height);
    // Background, layout, packing points when shown, then the overlay of the current mode.
    void onPaint(Canvas& canvas);
    void onKeyDown(ArrowKey key);
    // One typed character; letters act alike in either case. Esc is kEscape.
    void onChar(char32_t character, bool shift);
    // Answers false for an id the command layer does not handle (default handling then applies).
    bool onCommand(int commandId);
    // The 100 ms timer: one animation step while animating, unless a tone of the tune still plays.
    void onTimer();
    void onMouseMove(int x, int y, bool shift);
    void onLeftButtonDown(int x, int y, bool shift);
    // delta > 0 is a turn away from the user (zoom in, or turn counter-clockwise in rotate mode).
    void onMouseWheel(int delta, int x, int y);

    // Loads a file as the open commands do (kind: kLoadPartData or kLoadPartList) and refits the view;
    // the layout before stays when the load fails. For a path given at start-up.
    bool openFile(const std::string& path, int kind);

    const WindowState& state() const { return state_; }
    Layout* layout() { return layout_ ? &*layout_ : nullptr; }
    const Layout* layout() const { return layout_ ? &*layout_ : nullptr; }
    const Viewport& viewport() const { return viewport_; }
    Platform& platform() { return platform_; }

    // What the View menu shows: the checked background item and whether packing points are shown.
    int backgroundMenuItem() const { return state_.backgroundMenuItem; }
    bool showPackingPoints() const { return state_.showPackingPoints; }
    Rgb backgroundColour() const { return kBackgroundColours[state_.backgroundIndex]; }

private:
    void openChosenFile(int kind);
    void leftClickSelect(int x, int y);
    void leftClickZoom(int x, int y);
    void leftClickDrag(int x, int y, bool shift);
    void dragSelected(PixelPoint from, PixelPoint to, bool guarded);
    void rotateBy(double angle);
    void redraw() { platform_.requestRedraw(false); }
    void fullRedraw() { platform_.requestRedraw(true); }

    Platform& platform_;
    WindowState state_;
    // A packing run is under way: the progress dialog lets timer ticks through, and an animation step
    // must not place parts in the middle of it.
    bool packing_ = false;
    std::optional<Layout> layout_;
    Viewport viewport_;
};

}  // namespace orvanest

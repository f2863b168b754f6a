#pragma once

#include <QMainWindow>
#include <QTimer>

#include "app/CommandLayer.h"
#include "platform/qt/QtPlatform.h"

class QMenu;

namespace orvanest {

class LayoutView;

// The program's one window: menus whose actions carry the command ids, the view, the 100 ms timer.
// Everything they report goes to the command layer.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    CommandLayer& commands() { return commands_; }
    QtPlatform& platform() { return platform_; }
    LayoutView* view() const { return view_; }
    // The menu action that issues the command, or nullptr.
    QAction* action(int commandId) const;

private:
    QAction* addCommand(QMenu* menu, const QString& text, int commandId, bool checkable = false);

    QtPlatform platform_;
    CommandLayer commands_;
    LayoutView* view_;
    QTimer timer_;
};

inline constexpr const char* kWindowTitle = "零件排样系统  Orvanest developers 2011.10.5";
inline constexpr int kTimerIntervalMs = 100;

}  // namespace orvanest

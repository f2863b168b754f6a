#pragma once

#include <QWidget>

namespace orvanest {

class CommandLayer;

// The one view widget of the main window: it paints through the command layer and hands it every
// key, click, mouse movement, wheel turn and resize.
class LayoutView : public QWidget {
    Q_OBJECT

public:
    LayoutView(CommandLayer& commands, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    CommandLayer& commands_;
};

}  // namespace orvanest

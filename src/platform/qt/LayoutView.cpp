#include "platform/qt/LayoutView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>
#include <optional>

#include "app/CommandLayer.h"
#include "platform/qt/QtCanvas.h"

namespace orvanest {

namespace {

std::optional<ArrowKey> arrowKey(int key) {
    switch (key) {
        case Qt::Key_Left: return ArrowKey::Left;
        case Qt::Key_Up: return ArrowKey::Up;
        case Qt::Key_Right: return ArrowKey::Right;
        case Qt::Key_Down: return ArrowKey::Down;
        default: return std::nullopt;
    }
}

bool shiftHeld(Qt::KeyboardModifiers modifiers) { return modifiers.testFlag(Qt::ShiftModifier); }

}  // namespace

LayoutView::LayoutView(CommandLayer& commands, QWidget* parent) : QWidget(parent), commands_(commands) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // The command layer paints every pixel; Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LayoutView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QtCanvas canvas(painter);
    commands_.onPaint(canvas);
}

void LayoutView::resizeEvent(QResizeEvent* event) { commands_.onSize(event->size().width(), event->size().height()); }

void LayoutView::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<ArrowKey> arrow = arrowKey(event->key())) {
        commands_.onKeyDown(*arrow);
        return;
    }
    const bool shift = shiftHeld(event->modifiers());
    // Some platforms send Esc without text.
    if (event->key() == Qt::Key_Escape) {
        commands_.onChar(kEscape, shift);
        return;
    }
    for (const char32_t character : event->text().toUcs4()) commands_.onChar(character, shift);
}

void LayoutView::mousePressEvent(QMouseEvent* event) {
    // The right button is taken and does nothing; only the left one counts.
    if (event->button() == Qt::LeftButton) {
        const QPoint p = event->position().toPoint();
        commands_.onLeftButtonDown(p.x(), p.y(), shiftHeld(event->modifiers()));
    }
    event->accept();
}

void LayoutView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    commands_.onMouseMove(p.x(), p.y(), shiftHeld(event->modifiers()));
}

void LayoutView::wheelEvent(QWheelEvent* event) {
    // A sideways turn has no vertical part and is not a zoom.
    const int delta = event->angleDelta().y();
    if (delta != 0) {
        const QPoint p = event->position().toPoint();
        commands_.onMouseWheel(delta, p.x(), p.y());
    }
    event->accept();
}

}  // namespace orvanest

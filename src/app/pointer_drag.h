#pragma once
// Moving and resizing a child control with the mouse. The press starts the
// drag, every move of the held button places the control, and the release
// ends it; the caller runs its after-step when `end` returns the control.

#include "app/selection_frame.h"

#include <QPoint>
#include <QPointer>
#include <QRect>

class QWidget;

namespace vitrine {

enum class DragMode { Move, MoveVertically, Resize };

// The control's geometry after the mouse went `delta` from where it was
// pressed. A resize moves the edge or corner of `edge` and keeps the opposite
// one; it never makes the control narrower or lower than one pixel.
QRect draggedGeometry(const QRect& start, DragMode mode, Edge edge, QPoint delta);

class PointerDrag {
public:
    void begin(QWidget* target, DragMode mode, QPoint globalPress, Edge edge = Edge::BottomRight);
    bool active() const { return target_ != nullptr; }
    QWidget* target() const { return target_; }
    DragMode mode() const { return mode_; }
    // Places the control for the mouse at `global`.
    void follow(QPoint global);
    // Ends the drag and returns the control (null when none was dragged or
    // it was destroyed meanwhile).
    QWidget* end();

private:
    QPointer<QWidget> target_;
    DragMode mode_ = DragMode::Move;
    Edge edge_ = Edge::BottomRight;
    QPoint press_;
    QRect start_;
    bool hadTracking_ = false;
};

}  // namespace vitrine

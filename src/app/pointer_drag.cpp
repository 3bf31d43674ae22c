#include "app/pointer_drag.h"

#include <QWidget>
#include <algorithm>

namespace vitrine {

namespace {
bool movesLeft(Edge e) { return e == Edge::Left || e == Edge::TopLeft || e == Edge::BottomLeft; }
bool movesRight(Edge e) { return e == Edge::Right || e == Edge::TopRight || e == Edge::BottomRight; }
bool movesTop(Edge e) { return e == Edge::Top || e == Edge::TopLeft || e == Edge::TopRight; }
bool movesBottom(Edge e) { return e == Edge::Bottom || e == Edge::BottomLeft || e == Edge::BottomRight; }
}  // namespace

QRect draggedGeometry(const QRect& start, DragMode mode, Edge edge, QPoint delta) {
    switch (mode) {
        case DragMode::Move: return start.translated(delta);
        case DragMode::MoveVertically: return start.translated(0, delta.y());
        case DragMode::Resize: break;
    }
    // Work with the exclusive right and bottom so that the kept edge stays
    // exactly where it was.
    int left = start.x(), top = start.y();
    int right = start.x() + start.width(), bottom = start.y() + start.height();
    if (movesLeft(edge)) left = std::min(left + delta.x(), right - 1);
    if (movesRight(edge)) right = std::max(right + delta.x(), left + 1);
    if (movesTop(edge)) top = std::min(top + delta.y(), bottom - 1);
    if (movesBottom(edge)) bottom = std::max(bottom + delta.y(), top + 1);
    return QRect(left, top, right - left, bottom - top);
}

void PointerDrag::begin(QWidget* target, DragMode mode, QPoint globalPress, Edge edge) {
    target_ = target;
    mode_ = mode;
    edge_ = edge;
    press_ = globalPress;
    start_ = target ? target->geometry() : QRect();
    // Moves without the button reach the control only with tracking on; they
    // tell that the release went elsewhere.
    hadTracking_ = target && target->hasMouseTracking();
    if (target) target->setMouseTracking(true);
}

void PointerDrag::follow(QPoint global) {
    if (!target_) return;
    const QRect g = draggedGeometry(start_, mode_, edge_, global - press_);
    if (g != target_->geometry()) target_->setGeometry(g);
}

QWidget* PointerDrag::end() {
    QWidget* t = target_;
    target_ = nullptr;
    if (t) t->setMouseTracking(hadTracking_);
    return t;
}

}  // namespace vitrine

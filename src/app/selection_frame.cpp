#include "app/selection_frame.h"

#include <QFrame>
#include <QWidget>

namespace vitrine {
using namespace Qt::StringLiterals;

namespace {
int truncated(double v) { return static_cast<int>(v); }

Qt::CursorShape cursorFor(Edge e) {
    switch (e) {
        case Edge::Left:
        case Edge::Right: return Qt::SizeHorCursor;
        case Edge::Top:
        case Edge::Bottom: return Qt::SizeVerCursor;
        case Edge::TopLeft:
        case Edge::BottomRight: return Qt::SizeFDiagCursor;
        case Edge::TopRight:
        case Edge::BottomLeft: return Qt::SizeBDiagCursor;
    }
    return Qt::ArrowCursor;
}
}  // namespace

QPoint handlePosition(Edge edge, const QRect& item, QSize handle) {
    const double l = item.x(), t = item.y(), w = item.width(), h = item.height();
    const double hw = handle.width(), hh = handle.height();
    double x = 0, y = 0;
    switch (edge) {
        case Edge::TopLeft: x = l - hw; y = t - hh; break;
        case Edge::Top: x = l + w / 2 - hw; y = t - hh; break;
        case Edge::TopRight: x = l + w; y = t - hh; break;
        case Edge::Left: x = l - hw; y = t + h / 2 - hh; break;
        case Edge::Right: x = l + w; y = t + h / 2 - hh / 2; break;
        case Edge::BottomLeft: x = l - hw; y = t + h; break;
        case Edge::Bottom: x = l + w / 2 - hw; y = t + h; break;
        case Edge::BottomRight: x = l + w; y = t + h; break;
    }
    return {truncated(x), truncated(y)};
}

SelectionFrame::SelectionFrame(QWidget* window) : QObject(window) {
    for (int i = 0; i < 9; ++i) {
        auto* box = new QFrame(window);
        box->setObjectName(u"外形框"_s + QString::number(i + 1));
        box->setFrameShape(QFrame::Box);
        box->setLineWidth(1);
        box->setAutoFillBackground(true);
        QPalette p = box->palette();
        p.setColor(QPalette::Window, Qt::white);
        p.setColor(QPalette::WindowText, QColor(0x20, 0x20, 0x20));
        box->setPalette(p);
        box->resize(kHandleSize);
        box->hide();
        boxes_[static_cast<std::size_t>(i)] = box;
    }
    for (const HandleName& h : kHandles) handle(h.number)->setCursor(cursorFor(h.edge));
}

void SelectionFrame::showAround(const QWidget* item) {
    const QRect g = item->geometry();
    for (const HandleName& h : kHandles) {
        QWidget* box = handle(h.number);
        box->move(handlePosition(h.edge, g, box->size()));
        box->show();
        box->raise();
    }
}

void SelectionFrame::hideAll() {
    for (QWidget* box : boxes_) box->hide();
}

void SelectionFrame::raise() {
    for (QWidget* box : boxes_) box->raise();
}

std::optional<Edge> SelectionFrame::edgeOf(const QObject* object) const {
    for (const HandleName& h : kHandles)
        if (handle(h.number) == object) return h.edge;
    return std::nullopt;
}

QWidget* SelectionFrame::handle(int number) const { return boxes_.at(static_cast<std::size_t>(number - 1)); }

bool SelectionFrame::visible() const {
    for (const HandleName& h : kHandles)
        if (!handle(h.number)->isHidden()) return true;
    return false;
}

}  // namespace vitrine

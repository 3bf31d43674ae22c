#pragma once
// The eight 8 × 8 handles around the selected item, "外形框1" to "外形框8",
// one per edge and corner, and the frame "外形框9", which is never shown.

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <optional>

class QWidget;

namespace vitrine {

// The edge or corner a handle resizes from, with the edge codes of the
// system's own sizing (1 to 8).
enum class Edge { Left = 1, Right = 2, Top = 3, TopLeft = 4, TopRight = 5, Bottom = 6, BottomLeft = 7, BottomRight = 8 };

inline constexpr QSize kHandleSize{8, 8};

// Where the handle of `edge` goes for an item at `item` (main-window
// pixels). The corners sit just outside the item's corners; the left handle
// and the middle handles of the top and bottom edges subtract a whole handle
// size, the right-edge handle half its height.
QPoint handlePosition(Edge edge, const QRect& item, QSize handle = kHandleSize);

// The handle names, "外形框1" .. "外形框8", and the edge each stands for.
struct HandleName {
    int number;
    Edge edge;
};
inline constexpr std::array<HandleName, 8> kHandles{{
    {1, Edge::BottomRight},
    {2, Edge::TopLeft},
    {3, Edge::BottomLeft},
    {4, Edge::Left},
    {5, Edge::Top},
    {6, Edge::TopRight},
    {7, Edge::Right},
    {8, Edge::Bottom},
}};

class SelectionFrame : public QObject {
    Q_OBJECT
public:
    // Creates the handles as hidden children of `window`.
    explicit SelectionFrame(QWidget* window);

    // Places the eight handles around `item`'s current geometry and shows them.
    void showAround(const QWidget* item);
    // Hides "外形框1" to "外形框9".
    void hideAll();
    // Keeps the handles above everything else of the window.
    void raise();

    // The edge that `handle` stands for, when it is one of the eight.
    std::optional<Edge> edgeOf(const QObject* handle) const;
    QWidget* handle(int number) const;  // 1 .. 9
    bool visible() const;

private:
    std::array<QWidget*, 9> boxes_{};
};

}  // namespace vitrine

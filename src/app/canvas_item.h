#pragma once
// The controls that stand for components on the canvas. Both are children
// of the main window, in main-window pixels, and carry their number as
// decimal text in the property "tag".

#include <QLabel>
#include <QString>

namespace vitrine {

inline constexpr const char* kTagProperty = "tag";

// The number in a canvas control's tag; 0 when it holds none.
int tagNumber(const QWidget* item);
void setTagNumber(QWidget* item, int n);

// A picture box: a built-in picture of its kind, or the picture fetched
// when its component was saved, stretched over the item.
class CanvasItem : public QLabel {
    Q_OBJECT
public:
    explicit CanvasItem(QWidget* parent);

    // A copy of `templateItem`: its place, size and picture, hidden.
    static CanvasItem* cloneOf(const CanvasItem& templateItem);

    void setPicture(const QPixmap& picture);
};

// A transparent label whose text, font and colours the text component's
// window sets. Without text it shows a dashed outline, so that a new text
// can be found and pressed.
class TextItem : public QLabel {
    Q_OBJECT
public:
    explicit TextItem(QWidget* parent);

    // A copy of `templateItem`: its place, size and look, hidden.
    static TextItem* cloneOf(const TextItem& templateItem);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vitrine

#pragma once
// The guide lines over the canvas: the left and right edge lines (the left
// one is the canvas origin), the centre line and the draggable horizontal
// line with its marker and distance field, the two check boxes that show
// them and the colour they share. They only help the eye; nothing of them
// is stored or generated.

#include "app/pointer_drag.h"

#include <QColor>
#include <QObject>
#include <functional>

class QCheckBox;
class QColorDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vitrine {

struct MainLayout;

inline const QColor kInitialGuideColour{0, 224, 128};

class GuideLines : public QObject {
    Q_OBJECT
public:
    using StatusSink = std::function<void(const QString&)>;

    // The lines and the marker become children of `window`, the check
    // boxes, captions, field and colour button children of `toolbar`.
    GuideLines(QWidget* window, QWidget* toolbar, StatusSink status);

    void applyLayout(const MainLayout& layout);
    // Recolours every line and the marker, shown or not.
    void setColour(const QColor& colour);
    QColor colour() const { return colour_; }
    // Keeps the lines and the marker above the canvas items.
    void raise();

    QWidget* leftLine() const { return left_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paint(const QColor& colour);
    void placeFromField(const QString& text);
    void showHorizontal(bool shown);
    void showCentre(bool shown);
    void pickColour();
    // Ends the marker's drag: back to the left edge, the line and the field follow.
    void dropMarker();

    StatusSink status_;
    QColor colour_ = kInitialGuideColour;
    QWidget* left_;
    QWidget* right_;
    QWidget* centre_;
    QWidget* horizontal_;
    QLabel* marker_;
    QCheckBox* horizontalBox_;
    QCheckBox* centreBox_;
    QLineEdit* distance_;
    QPushButton* colourButton_;
    QColorDialog* colourDialog_ = nullptr;
    PointerDrag drag_;
};

}  // namespace vitrine

#pragma once
// A started editor on a fresh program folder, laid out for a 1366 × 768
// screen, and the mouse as the user works it. Every point is in main-window
// pixels; the events go through the window system layer, so a drag goes to
// the control that was pressed, as it does on a real screen.

#include "app/canvas_item.h"
#include "app/main_window.h"

#include <QPoint>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace testsupport {

class Editor {
public:
    explicit Editor(QSize screen = {1366, 768});
    ~Editor();

    vitrine::MainWindow& window() { return *window_; }
    QString base() const { return base_.path(); }
    // Destroys the main window, as the end of the program does.
    void destroy();

    template <class W = QWidget>
    W* find(const QString& name) const {
        return window_->findChild<W*>(name);
    }
    // Registry entry n, text entry t.
    vitrine::CanvasItem* item(int n);
    vitrine::TextItem* text(int t);
    QString cell(int row, int column);
    int rows();

    // Clicks the toolbar button with `caption`; returns the new item.
    vitrine::CanvasItem* add(const QString& caption);
    vitrine::TextItem* addText();

    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void moveTo(QPoint at);
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    // Press, move in two steps, release.
    void drag(QPoint from, QPoint to);
    // Right-clicks at `at` and chooses "移除" in the menu that opens.
    bool removeAt(QPoint at, bool menuOnPress = false);

    bool handlesShown();

private:
    QTemporaryDir base_;
    std::unique_ptr<vitrine::MainWindow> window_;
};

// The centre of a control in main-window pixels.
QPoint centreOf(const QWidget* w);

}  // namespace testsupport

#pragma once
// What a property window and the module settings window need of the main
// window. The main window implements it; tests may use a small host of
// their own.

#include "document/layer.h"
#include "document/settings_file.h"

#include <QString>

class QLabel;
class QNetworkAccessManager;
class QPixmap;
class QWidget;

namespace vitrine {

class PropertyHost {
public:
    virtual ~PropertyHost() = default;

    // The main window: property windows are placed by its width.
    virtual QWidget* hostWindow() = 0;

    // The item the selection names: the selected canvas item when the
    // canvas-item flag is 1, else the selected text item. Null when none.
    // Items are children of the main window; their geometry is in
    // main-window pixels.
    virtual QWidget* selectedItem() = 0;
    // The number in the selected item's tag (its layer row).
    virtual int selectedNumber() = 0;
    // Shows a fetched picture in a canvas item.
    virtual void setItemPicture(QWidget* item, const QPixmap& picture) = 0;

    // Left edge of the line "外形框_左边线" in main-window pixels; the canvas
    // top is always 90.
    virtual int canvasLeft() = 0;
    // The canvas label "标签_背景" that the module settings preview.
    virtual QLabel* canvasLabel() = 0;

    virtual ComponentLayer& components() = 0;
    virtual BackgroundLayer& background() = 0;
    // Null when the settings folder could not be opened.
    virtual const SettingsFolder* settings() = 0;

    // One message at a time in "状态提示".
    virtual void showStatus(const QString& text) = 0;

    // For pictures fetched after saving.
    virtual QNetworkAccessManager& network() = 0;
};

inline constexpr int kCanvasTop = 90;

}  // namespace vitrine

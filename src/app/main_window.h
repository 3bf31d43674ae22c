#pragma once
// The editor's main window: the canvas with its items, the toolbar that adds
// them, the ruler and guide lines, "生成代码" and "预览效果", and the status
// bar "状态提示". It owns the layout document for the whole run and is the
// host of every property window.

#include "app/canvas_item.h"
#include "app/pointer_drag.h"
#include "document/layout_document.h"
#include "generation/emitter.h"
#include "properties/property_host.h"

#include <QNetworkAccessManager>
#include <QPointer>
#include <QSize>
#include <QUrl>
#include <QWidget>
#include <memory>

class QLabel;
class QMenu;
class QMouseEvent;
class QPushButton;
class QStatusBar;

namespace vitrine {

struct KindInfo;
class GuideLines;
class ModuleSettingsWindow;
class PropertyWindowManager;
class SelectionFrame;
class TemplateSource;

struct EditorOptions {
    // The screen the layout fills; empty: the screen the window is on.
    QSize screenSize;
    // The template server; empty: only the templates the program carries.
    QUrl templateServer;
};

class MainWindow : public QWidget, public PropertyHost {
    Q_OBJECT
public:
    using Document = LayoutDocument<QPointer<CanvasItem>, QPointer<TextItem>>;

    // `folder` is the settings folder, already opened; `folderOpen` is false
    // when it could not be created (kinds with settings files then write
    // nothing, and the editor goes on).
    MainWindow(std::unique_ptr<SettingsFolder> folder, bool folderOpen, EditorOptions options = {});
    ~MainWindow() override;

    // Shows the window laid out over the screen, opens "背景设置" and starts
    // fetching the templates.
    void start();

    // PropertyHost
    QWidget* hostWindow() override { return this; }
    QWidget* selectedItem() override;
    int selectedNumber() override;
    void setItemPicture(QWidget* item, const QPixmap& picture) override;
    int canvasLeft() override;
    QLabel* canvasLabel() override { return canvas_; }
    ComponentLayer& components() override { return doc_.components; }
    BackgroundLayer& background() override { return doc_.background; }
    const SettingsFolder* settings() override { return folderOpen_ ? folder_.get() : nullptr; }
    void showStatus(const QString& text) override;
    QNetworkAccessManager& network() override { return network_; }

    Document& document() { return doc_; }
    const SettingsFolder& settingsFolder() const { return *folder_; }
    PropertyWindowManager& propertyWindows() { return *windows_; }
    ModuleSettingsWindow& moduleSettings() { return *moduleSettings_; }
    SelectionFrame& selectionFrame() { return *frame_; }
    QString statusText() const;
    QMenu* contextMenu() const { return menu_; }

    // What the toolbar buttons do.
    CanvasItem* addComponent(const KindInfo& kind);
    TextItem* addText();
    // "移除" of the pop-up menu.
    void removeSelected();
    // Handles hidden, every property window closed; "背景设置" stays.
    void clearSelection();
    void generateCode();
    void openPreview();

signals:
    // The window was closed; the program ends with it.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createToolbar();
    void applyLayout();
    QSize screenSize() const;
    void raiseOverlays();

    CanvasItem* newCanvasItem(const KindInfo& kind);
    void placeCompanion(CanvasItem* companion, const CanvasItem* leader, bool rightCorner);
    CanvasItem* registeredItem(QObject* object) const;
    TextItem* registeredText(QObject* object) const;

    bool pressOn(QObject* watched, QMouseEvent* event);
    bool releaseOn(QObject* watched, QMouseEvent* event);
    // Ends the drag in progress and runs the after-step of what was dragged.
    void endDrag();
    void afterItemStep(CanvasItem* item);
    void afterTextStep(TextItem* item);
    void companionsFollow(int leader, const CanvasItem* item);
    void hideGroupOf(int number, const QString& kind);
    void showContextMenu(QPoint global);
    bool writePreview(const QByteArray& bytes);
    void closeEditor();

    EditorOptions options_;
    std::unique_ptr<SettingsFolder> folder_;
    bool folderOpen_;
    CanvasItem* templateItem_ = nullptr;  // "图片框1"
    TextItem* templateText_ = nullptr;    // "透明标签1"
    Document doc_;
    QNetworkAccessManager network_;
    SeededRandom random_;

    QWidget* topBand_ = nullptr;     // "外形框10"
    QWidget* rulerBand_ = nullptr;   // "外形框11"
    QLabel* logo_ = nullptr;
    QLabel* toolbar_ = nullptr;      // "图片框_顶背景"
    QLabel* ruler_ = nullptr;
    QLabel* canvas_ = nullptr;       // "标签_背景"
    QPushButton* globalButton_ = nullptr;
    QPushButton* generateButton_ = nullptr;
    QPushButton* previewButton_ = nullptr;
    QPushButton* minimiseButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* statusPane_ = nullptr;
    QMenu* menu_ = nullptr;
    GuideLines* guides_ = nullptr;
    SelectionFrame* frame_ = nullptr;
    PointerDrag drag_;
    int sizeRequests_ = 0;

    std::unique_ptr<TemplateSource> templates_;
    std::unique_ptr<PropertyWindowManager> windows_;
    std::unique_ptr<ModuleSettingsWindow> moduleSettings_;
};

}  // namespace vitrine

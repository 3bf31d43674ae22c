#pragma once
// A small main window for the property-window tests: canvas items as child
// widgets, the two layers, a settings folder in a temporary folder, the
// status texts shown, and a network manager.

#include "document/layer.h"
#include "document/settings_file.h"
#include "properties/property_host.h"
#include "support/temp_dir.h"

#include <QByteArray>
#include <QColor>
#include <QLabel>
#include <QList>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class QLineEdit;

class TestHost : public QWidget, public vitrine::PropertyHost {
public:
    static constexpr int kWidth = 1366;
    static constexpr int kHeight = 728;
    static constexpr int kCanvasLeft = 210;

    TestHost();
    ~TestHost() override;

    // Adds a component of `kind` at canvas position x, y with its item and
    // row, and selects it. Returns the item.
    QLabel* addComponent(const QString& kind, int x, int y, int width, int height);
    void select(QLabel* item, int number);

    QWidget* hostWindow() override { return this; }
    QWidget* selectedItem() override { return selected; }
    int selectedNumber() override { return number; }
    void setItemPicture(QWidget* item, const QPixmap& picture) override;
    int canvasLeft() override { return kCanvasLeft; }
    QLabel* canvasLabel() override { return canvas; }
    vitrine::ComponentLayer& components() override { return componentLayer; }
    vitrine::BackgroundLayer& background() override { return backgroundLayer; }
    const vitrine::SettingsFolder* settings() override { return &folder; }
    void showStatus(const QString& text) override { statuses << text; }
    QNetworkAccessManager& network() override { return nam; }

    QPointer<QLabel> selected;
    int number = 0;
    QLabel* canvas = nullptr;
    QList<QLabel*> items;  // entry i is component number i + 2
    vitrine::ComponentLayer componentLayer;
    vitrine::BackgroundLayer backgroundLayer;
    testsupport::TempDir dir;
    vitrine::SettingsFolder folder;
    QStringList statuses;
    int pictureCalls = 0;
    QNetworkAccessManager nam;
};

// The cells of a layer row, columns 0 .. count-1.
QStringList rowCells(const vitrine::Layer& layer, int row);

// Types `text` over the field's whole text as the user would; an empty text
// deletes it.
void typeOver(QLineEdit* field, const QString& text);

// A PNG of one colour.
QByteArray pngBytes(int width, int height, QColor colour = Qt::red);

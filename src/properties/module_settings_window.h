#pragma once
// "背景设置": the module's edition, size, background and top spacing.

#include "properties/property_host.h"

#include <QWidget>
#include <memory>

class QCloseEvent;
class QLabel;

namespace vitrine {

class SpecForm;

class ModuleSettingsWindow : public QWidget {
    Q_OBJECT
public:
    // A top-level window owned by `parent`, or by the main window when none is given.
    explicit ModuleSettingsWindow(PropertyHost& host, QWidget* parent = nullptr);
    ~ModuleSettingsWindow() override;

    // Shows the window at 10,100 with the module settings row loaded.
    void openAndLoad();
    // "全局设置 ☆": opens the window and tells the user what to fill in.
    void openFromGlobalButton();
    // "保存设置": stores the fields into the module settings row and closes.
    void saveAndClose();

    SpecForm& form() { return *form_; }

protected:
    // Any closing by the user stores the fields as "保存设置" does.
    void closeEvent(QCloseEvent* event) override;

private:
    void store();
    void preview(const QString& field);
    void placeCanvasLabel(QLabel* label);
    void showOrHideCanvasLabel(QLabel* label);
    void showPicture(QLabel* label);

    PropertyHost& host_;
    std::unique_ptr<SpecForm> form_;
    bool closingAfterSave_ = false;
};

}  // namespace vitrine

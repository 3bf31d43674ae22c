#pragma once
// "背景设置": the module's edition, size, background and top spacing.

#include "properties/property_host.h"

#include <QWidget>

namespace vitrine {

class ModuleSettingsWindow : public QWidget {
    Q_OBJECT
public:
    explicit ModuleSettingsWindow(PropertyHost& host, QWidget* parent = nullptr);
    ~ModuleSettingsWindow() override;

    // Shows the window at 10,100 with the module settings row loaded.
    void openAndLoad();

private:
    PropertyHost& host_;
};

}  // namespace vitrine

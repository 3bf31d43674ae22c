#include "properties/module_settings_window.h"

// Placeholder until the module settings window lands.
namespace vitrine {

ModuleSettingsWindow::ModuleSettingsWindow(PropertyHost& host, QWidget* parent) : QWidget(parent), host_(host) {}
ModuleSettingsWindow::~ModuleSettingsWindow() = default;
void ModuleSettingsWindow::openAndLoad() {}

}  // namespace vitrine

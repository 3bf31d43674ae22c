#include "properties/property_windows.h"

// Placeholder until the property-window framework lands.
namespace vitrine {

struct PropertyWindowManager::Impl {};

PropertyWindowManager::PropertyWindowManager(PropertyHost&, QObject* parent) : QObject(parent), d(new Impl) {}
PropertyWindowManager::~PropertyWindowManager() { delete d; }
void PropertyWindowManager::open(const QString&) {}
void PropertyWindowManager::closeAll() {}
void PropertyWindowManager::close(const QString&) {}
QWidget* PropertyWindowManager::window(const QString&) const { return nullptr; }

}  // namespace vitrine

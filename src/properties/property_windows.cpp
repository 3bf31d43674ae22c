#include "properties/property_windows.h"

#include "components/kinds.h"
#include "properties/property_window.h"

#include <QPointer>
#include <map>

namespace vitrine {

struct PropertyWindowManager::Impl {
    explicit Impl(PropertyHost& h) : host(h) {}
    PropertyHost& host;
    DraftStore drafts;
    std::map<QString, QPointer<PropertyWindow>> windows;
};

PropertyWindowManager::PropertyWindowManager(PropertyHost& host, QObject* parent)
    : QObject(parent), d(new Impl(host)) {}

PropertyWindowManager::~PropertyWindowManager() {
    closeAll();
    delete d;
}

void PropertyWindowManager::open(const QString& kind) {
    const KindInfo* info = kind == textKind().kind ? &textKind() : findKind(kind);
    const properties::WindowSpec* declaration = info && info->window ? info->window() : nullptr;
    if (!declaration) return;
    QPointer<PropertyWindow>& w = d->windows[kind];
    if (!w) {
        w = new PropertyWindow(d->host, *declaration, info->settingsPrefix, &d->drafts);
        w->placeBesideHost();
    }
    w->show();
    w->raise();
    w->requestLoad();
}

void PropertyWindowManager::closeAll() {
    for (auto& [kind, w] : d->windows) delete w.data();
    d->windows.clear();
}

void PropertyWindowManager::close(const QString& kind) {
    auto it = d->windows.find(kind);
    if (it == d->windows.end()) return;
    delete it->second.data();
    d->windows.erase(it);
}

QWidget* PropertyWindowManager::window(const QString& kind) const {
    auto it = d->windows.find(kind);
    return it == d->windows.end() ? nullptr : it->second.data();
}

}  // namespace vitrine

#pragma once
// The one registry of component kinds. Adding a kind is one module under
// components/ and one line in kinds.cpp.

#include "generation/emitter.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace vitrine {

namespace properties {
struct WindowSpec;  // a property window declared as data
}

struct KindInfo {
    QString kind;             // column 0 of the component row
    QString toolbarCaption;   // the toolbar button that adds it
    QString windowCaption;    // the caption of its property window
    int toolbarX = 0;         // the button's place inside the toolbar picture
    int toolbarY = 0;
    int width = 0;            // size of a new item
    int height = 0;
    QString picture;          // the built-in picture a new item shows
    Emitter emitter = nullptr;         // null for kinds that emit nothing of their own
    bool showsHandles = true;          // whether a selection shows the eight handles
    QString settingsPrefix;            // prefix of its settings file, empty when the row holds everything
    const properties::WindowSpec* (*window)() = nullptr;  // its property window, when built
};

// Every component kind, in toolbar order.
const std::vector<KindInfo>& componentKinds();
// The text component, which lives in the background layer.
const KindInfo& textKind();
// Null for a text that names no kind.
const KindInfo* findKind(const QString& kind);
// The emitter of a kind, null when it has none.
Emitter emitterFor(const QString& kind);
// The prefixes of the component kinds' settings files.
QStringList componentSettingsPrefixes();

}  // namespace vitrine

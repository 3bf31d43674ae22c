#pragma once
// The four outer templates: the module background, the basic edition's
// full-screen wrapper and the two preview pages.

#include <QString>

namespace vitrine {

struct TemplateSet {
    QString common;         // "tyb.txt": opens the module's three elements
    QString fullScreen;     // "jcb.txt": wraps the code for the basic edition
    QString previewTmall;   // "tmb.txt": preview page for Tmall shops
    QString previewMarket;  // "jsb.txt": preview page for the other editions
};

// The templates the program carries, so that generation works offline.
TemplateSet builtinTemplates();

}  // namespace vitrine

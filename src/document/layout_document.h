#pragma once
// The layout the user builds: both layers, both registries and the selection,
// with the add and remove sequences that keep them in step. The document is
// generic over the handles of the items, so the editor keeps its widgets in
// it and the tests plain values.
//
// Invariants after every operation: the component counter equals the item
// registry's size, the component layer has counter + 1 rows, and entry i
// carries tag i and stands for row i; likewise for texts with the background
// layer (text counter + 1 rows).

#include "document/component_kind.h"
#include "document/layer.h"
#include "document/registry.h"
#include "document/settings_file.h"

#include <functional>
#include <vector>

namespace vitrine {

template <class ItemHandle, class TextHandle>
class LayoutDocument {
public:
    using ItemTagWriter = std::function<void(ItemHandle&, int)>;
    using TextTagWriter = std::function<void(TextHandle&, int)>;

    // `templateItem` is the hidden template every canvas item is cloned
    // from; it takes entry 1, which row 1 stands for.
    LayoutDocument(ItemHandle templateItem, ItemTagWriter itemTag, TextTagWriter textTag)
        : itemTag_(std::move(itemTag)), textTag_(std::move(textTag)) {
        items.append(std::move(templateItem));
    }

    ComponentLayer components;
    BackgroundLayer background;
    ItemRegistry<ItemHandle> items;
    TextRegistry<TextHandle> texts;
    Selection<ItemHandle, TextHandle> selection;

    // Settings files follow the renumbering of the components and texts
    // they belong to. Without a folder nothing on disk is touched.
    void setSettingsFolder(const SettingsFolder* folder, QStringList componentPrefixes, QStringList textPrefixes) {
        folder_ = folder;
        componentPrefixes_ = std::move(componentPrefixes);
        textPrefixes_ = std::move(textPrefixes);
    }

    int componentCounter() const { return items.counter(); }
    int textCounter() const { return texts.counter(); }

    // Adds a canvas item of `kindText`; returns its number n (row n, tag n).
    int addComponent(const QString& kindText, ItemHandle item) {
        items.append(std::move(item));
        const int n = items.counter();
        writeItemTag(n);
        const int row = components.appendRow();
        components.setCell(row, col::Kind, kindText);
        return n;
    }

    // Adds a text; returns its number t (background row t, tag t).
    int addText(TextHandle item) {
        texts.append(std::move(item));
        const int t = texts.counter();
        if (textTag_) textTag_(texts.at(t), t);
        const int row = background.appendRow();
        background.setCell(row, col::Kind, kind::Text);
        return t;
    }

    // Removes component n by the rule of its kind: one row for most kinds,
    // the carousel with both of its arrows, nothing for an arrow alone (the
    // editor hides the pair) or for a row whose kind is unknown. The tags of
    // all entries are renumbered in every case. Returns the handles removed,
    // for the editor to destroy.
    std::vector<ItemHandle> removeComponent(int n) {
        std::vector<ItemHandle> removed;
        const QString k = components.getCell(n, col::Kind);
        int count = 0;
        if (n >= 2 && items.contains(n)) {
            if (k == kind::Carousel)
                count = 3;
            else if (k == kind::LeftArrow || k == kind::RightArrow)
                count = 0;
            else if (kind::isComponentKind(k))
                count = 1;
        }
        count = std::min(count, items.size() - n + 1);
        for (int i = 0; i < count; ++i) {
            removed.push_back(items.at(n));
            items.remove(n);
            components.deleteRow(n);
        }
        for (int i = 1; i <= items.size(); ++i) writeItemTag(i);
        if (folder_ && count > 0) folder_->followRemoval(componentPrefixes_, n, count);
        return removed;
    }

    // Removes text t and renumbers the texts after it.
    std::vector<TextHandle> removeText(int t) {
        std::vector<TextHandle> removed;
        if (!texts.contains(t)) return removed;
        removed.push_back(texts.at(t));
        texts.remove(t);
        background.deleteRow(t);
        if (textTag_)
            for (int i = 1; i <= texts.size(); ++i) textTag_(texts.at(i), i);
        if (folder_) folder_->followRemoval(textPrefixes_, t, 1);
        return removed;
    }

private:
    void writeItemTag(int n) {
        if (itemTag_) itemTag_(items.at(n), n);
    }

    ItemTagWriter itemTag_;
    TextTagWriter textTag_;
    const SettingsFolder* folder_ = nullptr;
    QStringList componentPrefixes_;
    QStringList textPrefixes_;
};

}  // namespace vitrine

#pragma once
// The ordered lists of on-canvas items. Entry n (counted from 1) is the item
// whose tag holds n and whose layer row is n. The registry is generic over
// the item handle: the editor keeps widgets in it, the tests plain values.

#include <cassert>
#include <vector>

namespace vitrine {

template <class Handle>
class Registry {
public:
    // The counter always equals the number of entries.
    int counter() const { return size(); }
    int size() const { return static_cast<int>(entries_.size()); }
    bool contains(int n) const { return n >= 1 && n <= size(); }

    void append(Handle h) { entries_.push_back(std::move(h)); }
    // Later entries move up by one.
    void remove(int n) {
        if (contains(n)) entries_.erase(entries_.begin() + (n - 1));
    }
    Handle& at(int n) {
        assert(contains(n));
        return entries_[static_cast<std::size_t>(n - 1)];
    }
    const Handle& at(int n) const {
        assert(contains(n));
        return entries_[static_cast<std::size_t>(n - 1)];
    }
    // The position of `h`, or 0 when it is not registered.
    int indexOf(const Handle& h) const {
        for (std::size_t i = 0; i < entries_.size(); ++i)
            if (entries_[i] == h) return static_cast<int>(i) + 1;
        return 0;
    }

private:
    std::vector<Handle> entries_;
};

template <class Handle>
using ItemRegistry = Registry<Handle>;
template <class Handle>
using TextRegistry = Registry<Handle>;

// What the editor has selected. Both handles keep their last value when the
// other kind of item is selected; the flag says which one counts.
template <class ItemHandle, class TextHandle>
struct Selection {
    ItemHandle item{};
    TextHandle text{};
    int canvasItemFlag = 0;  // 1: the last selection was a canvas item; 0: a text
    int pressLeft = 0;       // the item's left and top in main-window pixels when the button went down
    int pressTop = 0;
};

}  // namespace vitrine

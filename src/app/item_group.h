#pragma once
// Kinds that come as a group of consecutive components: the carousel N with
// its left arrow N+1 and right arrow N+2. The relation is positional, so a
// companion is never added, moved in the registry or removed on its own.

#include <QString>
#include <vector>

namespace vitrine {

struct Companion {
    QString kind;
    bool rightCorner;  // placed inside the leader's bottom-right corner, else its bottom-left
};

struct ItemGroup {
    QString leader;
    std::vector<Companion> companions;  // at numbers leader + 1, leader + 2, ...
    int flagColumn;                     // the leader's row records whether the companions are shown
    QString shownFlag;
    QString hiddenFlag;
};

// The group `kind` leads, or null.
const ItemGroup* groupLedBy(const QString& kind);
// The group `kind` is a companion in, or null; `position` gets its place
// after the leader (1 for the first companion).
const ItemGroup* groupOfCompanion(const QString& kind, int* position = nullptr);

}  // namespace vitrine

#include "app/item_group.h"

#include "document/component_kind.h"

namespace vitrine {
using namespace Qt::StringLiterals;

namespace {
const std::vector<ItemGroup>& groups() {
    static const std::vector<ItemGroup> all{
        {kind::Carousel, {{kind::LeftArrow, false}, {kind::RightArrow, true}}, 1, u"真"_s, u"假"_s},
    };
    return all;
}
}  // namespace

const ItemGroup* groupLedBy(const QString& kind) {
    for (const ItemGroup& g : groups())
        if (g.leader == kind) return &g;
    return nullptr;
}

const ItemGroup* groupOfCompanion(const QString& kind, int* position) {
    for (const ItemGroup& g : groups())
        for (std::size_t i = 0; i < g.companions.size(); ++i)
            if (g.companions[i].kind == kind) {
                if (position) *position = static_cast<int>(i) + 1;
                return &g;
            }
    return nullptr;
}

}  // namespace vitrine

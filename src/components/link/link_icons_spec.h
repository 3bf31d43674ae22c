#pragma once
// The property windows of the six link icons, declared as data from one
// table: the Wangwang group, the cart, the share button, the favourite
// picture, the like button and the Tmall follow button.

#include "properties/window_spec.h"

namespace vitrine::link_icons {

namespace wangwang_group {
extern const QString kSavedText;
const properties::WindowSpec* windowSpec();
}  // namespace wangwang_group

namespace cart {
extern const QString kSavedText;
const properties::WindowSpec* windowSpec();
}  // namespace cart

namespace share {
extern const QString kSavedText;
const properties::WindowSpec* windowSpec();
}  // namespace share

namespace favourite {
extern const QString kSavedText;
const properties::WindowSpec* windowSpec();
}  // namespace favourite

namespace like {
extern const QString kSavedText;
// The style a row without one gets: the blue button.
inline const QString kDefaultStyle = QStringLiteral("2");
const properties::WindowSpec* windowSpec();
}  // namespace like

namespace follow {
extern const QString kSavedText;
const properties::WindowSpec* windowSpec();
}  // namespace follow

}  // namespace vitrine::link_icons

#pragma once
// The double-sided picture's property window "双面图属性设置", declared as data.

#include "properties/window_spec.h"

namespace vitrine::double_sided {

extern const QString kSavedText;
// The names of the back styles, in the order of the chooser "反面样式".
extern const QStringList kBackStyleNames;

const properties::WindowSpec* windowSpec();

}  // namespace vitrine::double_sided

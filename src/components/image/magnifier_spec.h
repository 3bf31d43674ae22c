#pragma once
// The magnifier's property window "放大镜属性设置 ", declared as data.

#include "properties/window_spec.h"

namespace vitrine::magnifier {

extern const QString kSavedText;
// The seven zoom ratios of "放大比例", in tenths: 1.2 to 1.8.
inline constexpr int kFirstRatioTenths = 12;
inline constexpr int kRatios = 7;

// The zoom width the ratio chooser writes for entry `index`: the integer
// part of the side length times the ratio.
QString zoomWidth(const properties::FieldAccess& fields, int index);

const properties::WindowSpec* windowSpec();

}  // namespace vitrine::magnifier

#pragma once
// The customer service's property window "客服属性设置", declared as data.

#include "properties/window_spec.h"

namespace vitrine::customer_service {

extern const QString kSavedText;

const properties::WindowSpec* windowSpec();

}  // namespace vitrine::customer_service

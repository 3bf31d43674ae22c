#pragma once
// The picture's property window "属性设置", declared as data.

#include "properties/window_spec.h"

namespace vitrine::picture {

// The sample picture a picture shows until the user gives it an address.
extern const QString kDefaultAddress;
extern const QString kSavedText;

const properties::WindowSpec* windowSpec();

}  // namespace vitrine::picture

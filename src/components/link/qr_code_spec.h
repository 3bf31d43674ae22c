#pragma once
// The QR code's property window "二维码属性设置", declared as data.

#include "properties/window_spec.h"

namespace vitrine::qr_code {

const properties::WindowSpec* windowSpec();

}  // namespace vitrine::qr_code

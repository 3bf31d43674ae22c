#pragma once
// The video's property window "视频属性设置", declared as data.

#include "properties/window_spec.h"

namespace vitrine::video {

const properties::WindowSpec* windowSpec();

}  // namespace vitrine::video

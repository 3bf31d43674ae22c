#pragma once
// The picture: an image at a place and size, linked to an address, with a
// tooltip and a link target.

#include "generation/emitter.h"

#include <QString>

namespace vitrine::picture {

// Row columns beyond the geometry.
inline constexpr int Target = 5;   // "_blank" or "_self"
inline constexpr int Address = 6;  // picture address
inline constexpr int Link = 7;     // link address
inline constexpr int Title = 8;    // tooltip

// One line of 254 bytes, no line break before or after it.
extern const QString kTemplate;

void emitCode(EmitContext& ctx);

}  // namespace vitrine::picture

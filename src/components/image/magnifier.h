#pragma once
// The magnifier: a square picture that, when the visitor points at it, opens
// the platform's pop-up widget beside it with a larger picture in a frame of
// the border colour.

#include "generation/emitter.h"

#include <QString>

namespace vitrine::magnifier {

// Row columns. Column 1 (left) is what marks the magnifier as saved;
// column 3 is the side of the square picture and column 4 stays empty.
inline constexpr int Target = 5;        // "_blank" or "_self"; stored, not emitted
inline constexpr int SmallPicture = 6;  // the picture on the page
inline constexpr int LargePicture = 7;  // the picture in the pop-up
inline constexpr int Link = 8;
inline constexpr int ZoomWidth = 10;    // the pop-up's width, px
inline constexpr int BorderColour = 11; // "#fff" or "#RRGGBB"

// The class number tying the pop-up's trigger to the small picture.
inline constexpr int kRandomLow = 718;
inline constexpr int kRandomHigh = 9999;

// One line, no line break in it or around it.
extern const QString kTemplate;

void emitCode(EmitContext& ctx);

}  // namespace vitrine::magnifier

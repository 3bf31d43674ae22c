#pragma once
// The double-sided picture: a front picture that a back picture covers while
// the visitor points at it, by the page's own footer-more hover.

#include "generation/emitter.h"

#include <QString>

namespace vitrine::double_sided {

// Row columns beyond the geometry. Column 1 (left) marks it as saved.
inline constexpr int Target = 5;        // "_blank" or "_self"
inline constexpr int FrontPicture = 6;
inline constexpr int Link = 7;
inline constexpr int BackPicture = 8;

// The back styles' pictures are hosts::kDoubleSidedBackPictures, in the
// order of the window's chooser; style 7 "阳光泡泡" is the default back.
inline constexpr int kDefaultBackStyle = 7;

// One line, no line break in it or around it; it opens two elements and
// closes four.
extern const QString kTemplate;

void emitCode(EmitContext& ctx);

}  // namespace vitrine::double_sided

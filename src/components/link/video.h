#pragma once
// The video: a Flash movie of the platform's video service in an embedded
// player.

#include "generation/emitter.h"

#include <QString>

namespace vitrine::video {

// Row columns beyond the geometry.
inline constexpr int Movie = 5;  // the video address, never empty once saved

// Where the player's "pluginspage" sends a visitor without Flash Player.
extern const QString kFlashPlayerDownload;

// Three lines separated by CR LF, the last without a line end; no line is
// indented.
extern const QString kTemplate;

void emitCode(EmitContext& ctx);

}  // namespace vitrine::video

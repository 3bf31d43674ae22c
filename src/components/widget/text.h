#pragma once
// The text: a free line of styled text, optionally a link. Its row is in the
// background layer (row t for text number t) and holds only the kind and the
// saved flag; everything else is in its settings file.

#include "generation/emitter.h"

#include <QString>

namespace vitrine::text {

// The settings file "wz<t>.ini".
inline const QString kSettingsPrefix = QStringLiteral("wz");

// Settings-file keys, in the order saving writes them.
namespace key {
inline const QString Width = QStringLiteral("宽度");  // non-empty once saved
inline const QString Height = QStringLiteral("高度");
inline const QString Left = QStringLiteral("距左");
inline const QString Top = QStringLiteral("距顶");
inline const QString Content = QStringLiteral("内容");
inline const QString Link = QStringLiteral("链接");      // empty: no link
inline const QString Align = QStringLiteral("对齐");     // "left", "center", "right" or empty
inline const QString FontSize = QStringLiteral("字号");
inline const QString Font = QStringLiteral("字体");
inline const QString LineHeight = QStringLiteral("字距");
inline const QString Bold = QStringLiteral("加粗");      // "bold" or "normal;"
inline const QString Colour = QStringLiteral("字色");    // "#RRGGBB"
inline const QString Background = QStringLiteral("背色");  // "#RRGGBB" or empty
}  // namespace key

// Six lines separated by CR LF, the last without a line end.
extern const QString kTemplate;
// The opening of the link, one line without a line end.
extern const QString kLinkTemplate;

void emitCode(EmitContext& ctx);

}  // namespace vitrine::text

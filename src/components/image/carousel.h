#pragma once
// The carousel: a banner of two to eight slides played by the shop page's
// carousel widget, with a left and a right arrow over it. Its two arrows are
// components of their own (kinds "左箭头" and "右箭头") that emit nothing;
// their elements are part of the carousel's block. The carousel keeps its
// geometry and every setting in its settings file; its code reads nothing
// else.

#include "generation/emitter.h"

#include <QString>

namespace vitrine::carousel {

// The settings file "lb<N>.ini".
inline const QString kSettingsPrefix = QStringLiteral("lb");

// Row columns of the carousel row.
inline constexpr int ArrowFlag = 1;  // "真" when the arrows are shown, "假" when hidden
inline const QString kArrowsShown = QStringLiteral("真");
inline const QString kArrowsHidden = QStringLiteral("假");

// Settings-file keys, in the order saving writes them; the slide keys follow.
namespace key {
inline const QString Width = QStringLiteral("宽度");  // non-empty once saved
inline const QString Height = QStringLiteral("高度");
inline const QString Left = QStringLiteral("距左");
inline const QString Top = QStringLiteral("距顶");
inline const QString SlotCount = QStringLiteral("编辑框数量");
inline const QString LeftArrow = QStringLiteral("左箭头");   // left-arrow picture
inline const QString RightArrow = QStringLiteral("右箭头");  // right-arrow picture
inline const QString LeftArrowLeft = QStringLiteral("左箭头距左");  // offsets from the carousel
inline const QString LeftArrowTop = QStringLiteral("左箭头距顶");
inline const QString RightArrowLeft = QStringLiteral("右箭头距左");
inline const QString RightArrowTop = QStringLiteral("右箭头距顶");
inline const QString Target = QStringLiteral("打开方式");    // "_blank" or "_self"
inline const QString Autoplay = QStringLiteral("自动轮播");  // "true" or "false"
inline const QString Effect = QStringLiteral("动画效果");    // "none", "fade", "scrollx", "scrolly"
inline const QString Easing = QStringLiteral("切换效果");
inline const QString Duration = QStringLiteral("刷新间隔");  // seconds
inline const QString ArrowDisplay = QStringLiteral("箭头开关");  // "block" or "none"
// "图片<slot>" and "链接<slot>", slots from 1.
QString slidePicture(int slot);
QString slideLink(int slot);
}  // namespace key

inline constexpr int kMinSlides = 2;
inline constexpr int kMaxSlides = 8;

// The carousel's own text for a carousel that was never saved.
inline const QString kUnsavedSkipText = QStringLiteral("发现未保存设置的轮播组件，已被忽略...");

// The frame, the widget, the slide places and the arrows: a line feed, the
// fifteen lines separated by line feeds, and a closing line feed.
extern const QString kTemplate;
// One slide, one line.
extern const QString kSlideTemplate;

// How many slides the code carries for the stored slot count. The window
// keeps the count within 2..8; a count it did not keep there (empty after
// loading a missing file, "1", or more than 8) is held to 0..8, so that every
// slide place is either filled or removed and no placeholder reaches the page.
int slideCount(const QString& storedCount);

void emitCode(EmitContext& ctx);

}  // namespace vitrine::carousel

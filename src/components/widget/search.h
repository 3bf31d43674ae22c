#pragma once
// The search box: a keyword input with a preset keyword and a "搜索" button
// that submits to the shop's category page. Its row holds only the kind and
// the saved flag; everything else is in its settings file.

#include "generation/emitter.h"

#include <QString>

namespace vitrine::search {

// The settings file "ss<N>.ini".
inline const QString kSettingsPrefix = QStringLiteral("ss");

// Settings-file keys, in the order saving writes them. The colours are "#"
// and three or six hexadecimal digits.
namespace key {
inline const QString Width = QStringLiteral("宽度");  // non-empty once saved
inline const QString Height = QStringLiteral("高度");
inline const QString Left = QStringLiteral("距左");
inline const QString Top = QStringLiteral("距顶");
inline const QString InputWidth = QStringLiteral("搜框宽");
inline const QString InputHeight = QStringLiteral("搜框高");
inline const QString ButtonWidth = QStringLiteral("按扭宽");
inline const QString ButtonHeight = QStringLiteral("按扭高");
inline const QString Keyword = QStringLiteral("预设字");
inline const QString Shop = QStringLiteral("店铺");  // the address the form submits to
inline const QString AreaBackground = QStringLiteral("搜框背景色");
inline const QString InputColour = QStringLiteral("搜框文字色");
inline const QString AreaBorder = QStringLiteral("搜框边框色");
inline const QString ButtonBackground = QStringLiteral("按扭背景色");
inline const QString ButtonColour = QStringLiteral("按扭文字色");
}  // namespace key

// Five lines separated by CR LF, the last without a line end. The first
// opens two elements and the last closes one: the outer one stays open.
extern const QString kTemplate;

void emitCode(EmitContext& ctx);

}  // namespace vitrine::search

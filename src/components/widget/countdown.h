#pragma once
// The countdown: the days, hours, minutes and seconds left until an end time,
// in four cells over a background picture. The code is the platform's
// countdown widget; the shop page's script does the counting.

#include "generation/emitter.h"

#include <QString>

namespace vitrine::countdown {

// The settings file "djs<N>.ini".
inline const QString kSettingsPrefix = QStringLiteral("djs");

// Row columns beyond the kind: the geometry lives in the settings file.
inline constexpr int Background = 6;  // the background picture, written at save

// Settings-file keys, in the order saving writes them.
namespace key {
inline const QString Left = QStringLiteral("距左");
inline const QString Top = QStringLiteral("距顶");
inline const QString Width = QStringLiteral("宽度");  // non-empty once saved
inline const QString Height = QStringLiteral("高度");  // also each cell's height and line height
inline const QString Background = QStringLiteral("底图");
inline const QString Year = QStringLiteral("年数");
inline const QString YearWord = QStringLiteral("年字");    // stored, not emitted
inline const QString Month = QStringLiteral("月数");
inline const QString MonthWord = QStringLiteral("月字");   // stored, not emitted
inline const QString Day = QStringLiteral("号数");
inline const QString DayWord = QStringLiteral("号字");     // after the days cell
inline const QString Hour = QStringLiteral("时数");
inline const QString HourWord = QStringLiteral("时字");
inline const QString Minute = QStringLiteral("分数");
inline const QString MinuteWord = QStringLiteral("分字");
inline const QString Second = QStringLiteral("秒数");
inline const QString SecondWord = QStringLiteral("秒字");
inline const QString CellWidth = QStringLiteral("字距");
inline const QString FontSize = QStringLiteral("字号");
inline const QString Font = QStringLiteral("字体");
inline const QString Colour = QStringLiteral("字色");
}  // namespace key

// 41 lines separated by CR LF, the last without a line end.
extern const QString kTemplate;

void emitCode(EmitContext& ctx);

}  // namespace vitrine::countdown

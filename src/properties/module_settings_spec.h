#pragma once
// The module settings window "背景设置", declared as data: its fields, the
// edition combo and the radio groups mirroring their hidden fields, the
// load from the module settings row with its defaults, and the save.

#include "properties/window_spec.h"

namespace vitrine::properties::module {

inline const QString kEditionField = QStringLiteral("编辑框_版本");
inline const QString kColourField = QStringLiteral("编辑框_背景色");
inline const QString kPictureField = QStringLiteral("编辑框_背景图");
inline const QString kTopSpacingField = QStringLiteral("编辑框_上间距");
inline const QString kColourPicker = QStringLiteral("颜色选择器1");

inline const QString kSavedText = QStringLiteral("全局设置属性值保存完成,如需修改，请重新打开配置窗口....");
// Shown when the user opens the window with "全局设置 ☆".
inline const QString kOpenHint = QStringLiteral(
    "模块尺寸为必须填写，如果需要透明背景，请删除背景颜色和背景图地址，所有数据修改完成后请点击 保存设置...");

// The width up to which the canvas label starts at the canvas origin.
inline constexpr int kCanvasWidth = 950;
// The canvas height is the main window's height less this.
inline constexpr int kHeightMargin = 110;

const WindowSpec& windowSpec();

}  // namespace vitrine::properties::module

#include "components/image/magnifier_spec.h"

#include "components/image/magnifier.h"
#include "components/platform_hosts.h"
#include "document/layer.h"
#include "generation/text_rules.h"

#include <algorithm>
#include <cmath>

namespace vitrine::magnifier {
using namespace Qt::StringLiterals;
using namespace properties;

const QString kSavedText =
    u"放大镜属性值保存完成，如需修改，请再次点击该图片。在设计模式不支持效果显示，可生成代码后预览效果...."_s;

namespace {

const QString kZoomField = u"编辑框_倍数"_s;
const QString kBorderField = u"编辑框_边框色"_s;
const QString kTargetField = u"编辑框_打开"_s;
const QString kSmallField = u"编辑框_底图"_s;
const QString kLargeField = u"编辑框_放大图"_s;
const QString kLinkField = u"编辑框_链接"_s;
const QString kDefaultZoom = u"264"_s;
const QString kDefaultBorder = u"#fff"_s;

// The largest zoom width written as an integer; a side no one types.
constexpr double kZoomLimit = 1e15;

WindowSpec build() {
    WindowSpec w;
    w.caption = u"放大镜属性设置 "_s;
    w.size = {380, 328};
    w.saveButtonName = u"按钮2"_s;

    // The side is what is saved and what the ratios multiply; only the
    // height moves the item while the user types.
    w.fields = geometryFields();
    for (FieldSpec& f : w.fields)
        if (f.name == kWidthField) f.live = false;
    w.fields.push_back({.name = kZoomField, .initial = kDefaultZoom, .shown = false, .whenEmpty = kDefaultZoom});
    w.fields.push_back({.name = kBorderField, .caption = u"边框颜色"_s, .initial = kDefaultBorder});
    w.fields.push_back({.name = kTargetField, .initial = u"_blank"_s, .shown = false, .whenEmpty = u"_blank"_s});
    w.fields.push_back({.name = kSmallField,
                        .caption = u"底层图片"_s,
                        .initial = hosts::kDefaultMagnifierPicture,
                        .whenEmpty = hosts::kDefaultMagnifierPicture});
    w.fields.push_back({.name = kLargeField,
                        .caption = u"放大图片"_s,
                        .initial = hosts::kDefaultMagnifierPicture,
                        .whenEmpty = hosts::kDefaultMagnifierPicture});
    w.fields.push_back({.name = kLinkField, .caption = u"链接地址"_s, .initial = u"#"_s});

    ChooserSpec ratios{.type = ChooserType::Combo,
                       .name = u"组合框2"_s,
                       .caption = u"放大比例"_s,
                       .valueField = kZoomField,
                       .compute = zoomWidth};
    for (int k = 0; k < kRatios; ++k)
        ratios.choices.push_back({u"1.%1 倍"_s.arg(kFirstRatioTenths - 10 + k), {}});
    w.choosers.push_back(ratios);
    w.choosers.push_back(linkTargetChooser(kTargetField));
    w.colorPickers.push_back({.name = u"颜色选择器1"_s, .field = kBorderField});

    // The zoom width and the border colour are loaded too: a window is made
    // afresh for every selection, and saving again must not put back the
    // defaults. The height follows the width, so the item becomes square.
    w.load = fromColumns({{kTargetField, Target}, {kSmallField, SmallPicture}, {kLargeField, LargePicture},
                          {kLinkField, Link}, {kSavedField, col::Saved}, {kZoomField, ZoomWidth},
                          {kBorderField, BorderColour}});
    append(w.load, {defaultIfEmpty(kBorderField, kDefaultBorder), fromItem(kWidthField, Geometry::Width),
                    computed(kHeightField, [](const FieldAccess& f, const HostMetrics&) { return f.text(kWidthField); }),
                    fromItem(kLeftField, Geometry::Left), fromItem(kTopField, Geometry::Top)});

    // Column 4 is not written: the picture is square.
    w.save = toColumns({{kLeftField, col::Left}, {kTopField, col::Top}, {kWidthField, col::Width},
                        {kTargetField, Target}, {kSmallField, SmallPicture}, {kLargeField, LargePicture},
                        {kLinkField, Link}, {kZoomField, ZoomWidth}, {kBorderField, BorderColour}});

    // Once saved, the item is the square the code will show, so that a later
    // load reads the saved side back from it instead of an older one; the
    // height field, which is not saved, follows the side.
    w.hooks.beforeSave = [](FieldAccess& f) { f.setText(kHeightField, f.text(kWidthField)); };
    w.geometryOnSave = {{kWidthField, Geometry::Width}};
    w.fetchAfterSave = kSmallField;
    w.savedText = kSavedText;
    return w;
}

}  // namespace

QString zoomWidth(const FieldAccess& fields, int index) {
    // In tenths, so that 220 × 1.2 is 264 and not 263.99….
    const double side = textToNumber(fields.text(kWidthField));
    const double zoom = std::trunc(side * (kFirstRatioTenths + index) / 10.0);
    return formatInteger(static_cast<long long>(std::clamp(zoom, -kZoomLimit, kZoomLimit)));
}

const WindowSpec* windowSpec() { return builtOnce<build>(); }

}  // namespace vitrine::magnifier

#include "components/image/double_sided_spec.h"

#include "components/image/double_sided.h"
#include "components/platform_hosts.h"
#include "document/layer.h"

#include <iterator>

namespace vitrine::double_sided {
using namespace Qt::StringLiterals;
using namespace properties;

const QString kSavedText = u"双面图属性值保存完成，如需修改，请再次点击该图片。实际效果请生成代码后预览...."_s;
const QStringList kBackStyleNames = {u"大网格层"_s, u"小网格层"_s, u"斜线罩层"_s, u"心形罩层"_s,
                                     u"圆点HOT"_s,  u"蝴蝶飞舞"_s, u"细雨绵绵"_s, u"阳光泡泡"_s,
                                     u"金光闪闪"_s, u"樱花飘扬"_s, u"樱花飞舞"_s};

namespace {

const QString kTargetField = u"编辑框_打开"_s;
const QString kFrontField = u"编辑框_底图"_s;
const QString kBackField = u"编辑框_放大图"_s;
const QString kLinkField = u"编辑框_链接"_s;

WindowSpec build() {
    static_assert(std::size(hosts::kDoubleSidedBackPictures) == 11);
    const QString& defaultBack = hosts::kDoubleSidedBackPictures[kDefaultBackStyle];

    WindowSpec w;
    w.caption = u"双面图属性设置"_s;
    w.size = {296, 344};
    w.saveButtonName = u"按钮2"_s;

    w.fields = geometryFields();
    w.fields.push_back({.name = kTargetField, .initial = u"_blank"_s, .shown = false, .whenEmpty = u"_blank"_s});
    // The back-style chooser stands above the back picture it writes; an
    // address equal to a style's picture selects that style.
    w.fields.push_back({.name = kFrontField,
                        .caption = u"正面图片"_s,
                        .initial = hosts::kDefaultDoubleSidedFront,
                        .whenEmpty = hosts::kDefaultDoubleSidedFront});
    w.fields.push_back({.name = kBackField, .caption = u"反面图片"_s, .initial = defaultBack, .whenEmpty = defaultBack});
    w.fields.push_back({.name = kLinkField, .caption = u"链接地址"_s});

    w.choosers.push_back(linkTargetChooser(kTargetField));
    ChooserSpec styles{.type = ChooserType::Combo,
                       .name = u"组合框2"_s,
                       .caption = u"反面样式"_s,
                       .valueField = kBackField,
                       .captionName = u"标签2"_s};
    for (int k = 0; k < kBackStyleNames.size(); ++k)
        styles.choices.push_back({kBackStyleNames[k], hosts::kDoubleSidedBackPictures[k]});
    w.choosers.push_back(styles);

    w.load = fromColumns({{kTargetField, Target}, {kFrontField, FrontPicture}, {kLinkField, Link},
                          {kBackField, BackPicture}, {kSavedField, col::Saved}});
    append(w.load, geometryFromItem());
    w.save = geometryToColumns();
    append(w.save, toColumns({{kTargetField, Target}, {kFrontField, FrontPicture}, {kLinkField, Link},
                              {kBackField, BackPicture}}));

    w.fetchAfterSave = kFrontField;
    w.savedText = kSavedText;
    return w;
}

}  // namespace

const WindowSpec* windowSpec() { return builtOnce<build>(); }

}  // namespace vitrine::double_sided

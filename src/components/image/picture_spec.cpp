#include "components/image/picture_spec.h"

#include "components/image/picture.h"
#include "components/platform_hosts.h"
#include "document/layer.h"

namespace vitrine::picture {
using namespace Qt::StringLiterals;
using namespace properties;

const QString kDefaultAddress = hosts::kDefaultPicture;
const QString kSavedText =
    u"图片属性值保存完成，如需修改，请再次点击该图片。右上角序号颜色为绿色，表示已保存设置，若为橙黄色，表示未保存设置...."_s;

namespace {

const QString kTargetField = u"编辑框_打开"_s;
const QString kAddressField = u"编辑框_图片"_s;
const QString kLinkField = u"编辑框_链接"_s;
const QString kTitleField = u"编辑框_提示"_s;

WindowSpec build() {
    WindowSpec w;
    w.caption = u"属性设置"_s;
    w.size = {296, 332};

    w.fields = geometryFields();
    w.fields.push_back({.name = kTargetField, .initial = u"_blank"_s, .shown = false, .whenEmpty = u"_blank"_s});
    w.fields.push_back(
        {.name = kAddressField, .caption = u"图片地址"_s, .initial = kDefaultAddress, .whenEmpty = kDefaultAddress});
    w.fields.push_back({.name = kLinkField, .caption = u"链接地址"_s});
    w.fields.push_back({.name = kTitleField, .caption = u"提示文字"_s});

    w.choosers.push_back(linkTargetChooser(kTargetField));

    w.load = {fromColumn(kTargetField, Target), fromColumn(kAddressField, Address), fromColumn(kLinkField, Link),
              fromColumn(kTitleField, Title), fromColumn(kSavedField, col::Saved)};
    for (const LoadStep& s : geometryFromItem()) w.load.push_back(s);

    w.save = geometryToColumns();
    for (const SaveStep& s : {toColumn(kTargetField, Target), toColumn(kAddressField, Address),
                              toColumn(kLinkField, Link), toColumn(kTitleField, Title)})
        w.save.push_back(s);

    w.fetchAfterSave = kAddressField;
    w.savedText = kSavedText;
    return w;
}

}  // namespace

const WindowSpec* windowSpec() {
    static const WindowSpec declaration = build();
    return &declaration;
}

}  // namespace vitrine::picture

#include "components/link/link_icons_spec.h"

#include "components/link/link_icons.h"
#include "components/platform_hosts.h"
#include "document/layer.h"

namespace vitrine::link_icons {
using namespace Qt::StringLiterals;
using namespace properties;

namespace {

const QString kSavedTail = u"属性值保存完成，如需修改，请再次点击该图片。右上角序号颜色为绿色，表示已保存设置，若为橙黄色，表示未保存设置...."_s;

}  // namespace

const QString wangwang_group::kSavedText = u"旺旺群组件"_s + kSavedTail;
const QString cart::kSavedText = u"购物车组件"_s + kSavedTail;
const QString share::kSavedText = u"分享组件"_s + kSavedTail;
const QString favourite::kSavedText = u"图片"_s + kSavedTail;
const QString like::kSavedText = u"喜欢组件属性值保存完成...."_s;
const QString follow::kSavedText = u"关注组件属性值保存完成...."_s;

namespace {

// One field of a kind, kept in one column of its row.
struct KindField {
    QString name;
    QString caption;  // empty for a hidden field
    int column;
    QString fallback{};  // the text an emptied field takes back; for a picture address its default
};

struct Member {
    QString caption;
    QSize size;
    bool sized;       // keeps its width and height (all but the like button)
    bool savedFirst;  // its load writes the saved flag before its fields
    KindField fields[2];
    // The field whose address is fetched into the item after a save; empty: none.
    QString picture;
    const QString& savedText;
};

enum class Icon { WangwangGroup, Cart, Share, Favourite, Like, Follow };

const QString kStyleField = u"编辑框_样式"_s;

const Member& member(Icon icon) {
    static const Member members[] = {
        {u"旺旺群属性设置"_s, {268, 286}, true, true,
         {{u"编辑框_群号"_s, u"旺旺群号"_s, wangwang_group::GroupNumber},
          {u"编辑框_底图"_s, u"群标图片"_s, wangwang_group::Badge, hosts::kDefaultGroupBadge}},
         u"编辑框_底图"_s, wangwang_group::kSavedText},
        {u"购物车属性设置"_s, {266, 283}, true, false,
         {{u"编辑框_图标地址"_s, u"图标地址"_s, cart::Icon, hosts::kDefaultCartIcon},
          {u"编辑框_宝贝地址"_s, u"宝贝地址"_s, cart::Item}},
         u"编辑框_图标地址"_s, cart::kSavedText},
        {u"分享属性设置"_s, {266, 277}, true, false,
         {{u"编辑框_宝贝"_s, u"宝贝地址"_s, share::Item},
          {u"编辑框_图标"_s, u"分享图标"_s, share::Icon, hosts::kDefaultShareIcon}},
         u"编辑框_图标"_s, share::kSavedText},
        {u"收藏属性设置"_s, {282, 292}, true, false,
         {{u"编辑框_图片"_s, u"收藏图片"_s, favourite::Picture, hosts::kDefaultFavouritePicture},
          {u"编辑框_店铺"_s, u"店铺地址"_s, favourite::Shop}},
         u"编辑框_图片"_s, favourite::kSavedText},
        {u"喜欢属性设置"_s, {271, 239}, false, false,
         {{kStyleField, {}, like::Style, like::kDefaultStyle}, {u"编辑框_宝贝地址"_s, u"宝贝地址"_s, like::Item}},
         {}, like::kSavedText},
        {u"天猫关注属性设置"_s, {253, 288}, true, false,
         {{u"编辑框_店铺"_s, u"店铺 ID"_s, follow::ShopId},
          {u"编辑框_图标"_s, u"图标地址"_s, follow::Icon, hosts::kDefaultFollowIcon}},
         u"编辑框_图标"_s, follow::kSavedText},
    };
    return members[static_cast<int>(icon)];
}

WindowSpec build(const Member& m) {
    WindowSpec w;
    w.caption = m.caption;
    w.size = m.size;

    w.fields = geometryFields();
    if (!m.sized) w.fields.resize(2);  // left and top only
    for (const KindField& f : m.fields)
        w.fields.push_back({.name = f.name,
                            .caption = f.caption,
                            .initial = f.name == m.picture ? f.fallback : QString(),
                            .shown = !f.caption.isEmpty(),
                            .whenEmpty = f.fallback});

    if (m.savedFirst) w.load.push_back(fromColumn(kSavedField, col::Saved));
    for (const KindField& f : m.fields) w.load.push_back(fromColumn(f.name, f.column));
    if (!m.savedFirst) w.load.push_back(fromColumn(kSavedField, col::Saved));
    if (m.sized) {
        append(w.load, geometryFromItem());
        w.save = geometryToColumns();
    } else {
        append(w.load, {fromItem(kLeftField, Geometry::Left), fromItem(kTopField, Geometry::Top)});
        w.save = toColumns({{kLeftField, col::Left}, {kTopField, col::Top}});
    }
    for (const KindField& f : m.fields) w.save.push_back(toColumn(f.name, f.column));

    w.fetchAfterSave = m.picture;
    w.savedText = m.savedText;
    return w;
}

WindowSpec buildLike() {
    WindowSpec w = build(member(Icon::Like));
    // Neither button is selected until the first load gives the style.
    w.choosers.push_back({.type = ChooserType::Radio,
                          .caption = u"图标样式"_s,
                          .valueField = kStyleField,
                          .choices = {{u"橙色"_s, u"1"_s, u"单选框1"_s}, {u"蓝色"_s, u"2"_s, u"单选框2"_s}}});
    return w;
}

template <Icon I>
WindowSpec buildIcon() {
    return I == Icon::Like ? buildLike() : build(member(I));
}

}  // namespace

const WindowSpec* wangwang_group::windowSpec() { return builtOnce<buildIcon<Icon::WangwangGroup>>(); }
const WindowSpec* cart::windowSpec() { return builtOnce<buildIcon<Icon::Cart>>(); }
const WindowSpec* share::windowSpec() { return builtOnce<buildIcon<Icon::Share>>(); }
const WindowSpec* favourite::windowSpec() { return builtOnce<buildIcon<Icon::Favourite>>(); }
const WindowSpec* like::windowSpec() { return builtOnce<buildIcon<Icon::Like>>(); }
const WindowSpec* follow::windowSpec() { return builtOnce<buildIcon<Icon::Follow>>(); }

}  // namespace vitrine::link_icons

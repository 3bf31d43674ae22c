#include "components/widget/customer_service_spec.h"

#include "components/platform_hosts.h"
#include "components/widget/customer_service.h"
#include "document/layer.h"

namespace vitrine::customer_service {
using namespace Qt::StringLiterals;
using namespace properties;

const QString kSavedText =
    u"客服组件属性值保存完成，如需修改，请再次点击该图片。右上角序号颜色为绿色，表示已保存设置，若为橙黄色，表示未保存设置...."_s;

namespace {

const QString kAccountField = u"编辑框_旺旺号"_s;
const QString kAvatarField = u"编辑框_头像"_s;
const QString kIconField = u"编辑框_旺旺样式"_s;
const QString kPlaceField = u"编辑框_旺旺位置"_s;
const QString kAlignField = u"编辑框_旺旺对齐"_s;
const QString kChatField = u"编辑框_分流"_s;

enum Page { Basic = 0, Style = 1 };

WindowSpec build() {
    WindowSpec w;
    w.caption = u"客服属性设置"_s;
    w.size = {310, 353};
    w.pages = {u"基本设置"_s, u"样式设置"_s};
    w.pagesName = u"选择夹1"_s;

    w.fields = geometryFields(Basic);
    w.fields.push_back({.name = kAccountField, .caption = u"旺旺帐号"_s, .initial = u"Nirova软件"_s, .page = Basic});
    w.fields.push_back({.name = kAvatarField, .caption = u"头像图片"_s, .initial = hosts::kDefaultServiceAvatar,
                        .page = Basic});
    w.fields.push_back({.name = kChatField,
                        .initial = kChatSplitOn,
                        .shown = false,
                        .page = Basic,
                        .whenEmpty = kChatSplitOff});
    w.fields.push_back({.name = kIconField, .initial = kSmallStatusIcon, .shown = false, .page = Style});
    w.fields.push_back({.name = kPlaceField, .initial = kIconInside, .shown = false, .page = Style});
    w.fields.push_back({.name = kAlignField, .initial = u"right"_s, .shown = false, .page = Style,
                        .whenEmpty = u"right"_s});

    // "主号分流" only writes the chat link: a window shows it cleared, whatever
    // the row holds.
    w.choosers.push_back({.type = ChooserType::Check,
                          .name = u"选择框2"_s,
                          .caption = u"主号分流"_s,
                          .valueField = kChatField,
                          .choices = {{u"主号分流"_s, kChatSplitOn}, {u"不分流"_s, kChatSplitOff}},
                          .follows = ChooserFollows::Nothing});
    // Any avatar address ticks "显示头像"; ticking it again brings the default.
    w.choosers.push_back({.type = ChooserType::Check,
                          .name = u"选择框1"_s,
                          .caption = u"显示头像"_s,
                          .valueField = kAvatarField,
                          .choices = {{u"显示头像"_s, hosts::kDefaultServiceAvatar}, {u"不显示"_s, {}}},
                          .follows = ChooserFollows::Emptiness});
    w.choosers.push_back({.type = ChooserType::Combo,
                          .name = u"组合框1"_s,
                          .caption = u"旺旺样式"_s,
                          .valueField = kIconField,
                          .choices = {{u"大图标"_s, kLargeStatusIcon}, {u"小图标"_s, kSmallStatusIcon},
                                      {u"不显示"_s, {}}}});
    w.choosers.push_back({.type = ChooserType::Combo,
                          .name = u"组合框2"_s,
                          .caption = u"旺旺位置"_s,
                          .valueField = kPlaceField,
                          .choices = {{u"头像下方"_s, {}}, {u"头像内部"_s, kIconInside}},
                          .follows = ChooserFollows::Emptiness});
    w.choosers.push_back({.type = ChooserType::Combo,
                          .name = u"组合框3"_s,
                          .caption = u"对齐方式"_s,
                          .valueField = kAlignField,
                          .choices = {{u"左侧"_s, u"left"_s}, {u"中间"_s, u"center"_s}, {u"右侧"_s, u"right"_s}}});

    w.load = fromColumns({{kSavedField, col::Saved}, {kAccountField, Account}, {kAvatarField, Avatar},
                          {kChatField, ChatLink}, {kIconField, StatusIcon}, {kPlaceField, IconClass},
                          {kAlignField, IconAlign}});
    append(w.load, geometryFromItem());
    w.save = geometryToColumns();
    append(w.save, toColumns({{kAccountField, Account}, {kChatField, ChatLink}, {kAvatarField, Avatar},
                              {kIconField, StatusIcon}, {kPlaceField, IconClass}, {kAlignField, IconAlign}}));

    w.fetchAfterSave = kAvatarField;
    w.savedText = kSavedText;
    return w;
}

}  // namespace

const WindowSpec* windowSpec() { return builtOnce<build>(); }

}  // namespace vitrine::customer_service

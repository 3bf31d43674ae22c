#include "components/link/link_icons.h"

#include "components/platform_hosts.h"
#include "document/layer.h"
#include "generation/gbk.h"
#include "generation/text_rules.h"

#include <span>

namespace vitrine::link_icons {
using namespace Qt::StringLiterals;

namespace {

void fillFromRow(EmitContext& ctx, const std::string& gbkTemplate, std::span<const RowStep> first,
                 std::span<const RowStep> then) {
    if (ctx.cell(col::Width).isEmpty()) {
        ctx.status(kUnsavedSkipText);
        return;
    }
    TemplateFill fill(gbkTemplate);
    for (const auto& steps : {first, then})
        for (const RowStep& step : steps) fill.replace(step.placeholder, ctx.cell(step.column), step.count);
    ctx.append(fill.bytes());
}

}  // namespace

void emitFromRow(EmitContext& ctx, const std::string& gbkTemplate, std::initializer_list<RowStep> steps) {
    fillFromRow(ctx, gbkTemplate, {}, steps);
}

void emitBoxFromRow(EmitContext& ctx, const std::string& gbkTemplate, int sizeCount,
                    std::initializer_list<RowStep> steps) {
    const RowStep box[] = {{u"宽度", col::Width, sizeCount},
                           {u"高度", col::Height, sizeCount},
                           {u"距左", col::Left, 1},
                           {u"距顶", col::Top, 1}};
    fillFromRow(ctx, gbkTemplate, box, steps);
}

namespace wangwang_group {

const QString kTemplate =
    kBoxLine + u"\r\n"
    u"\t<a href=\""_s + hosts::kMainWebHost + u"/go/act/other/wwgroup.php?uid=1&tribeid=群ID\" target=\"_blank\">\r\n"
    u"\t\t<img src=\"群图标\" alt=\"点击这里群聊\">\r\n"
    u"\t</a>\r\n"
    u"</div>"_s;

void emitCode(EmitContext& ctx) {
    static const std::string kTemplateGbk = toGbk(kTemplate);  // converted once
    emitBoxFromRow(ctx, kTemplateGbk, 1, {{u"群ID", GroupNumber, 1}, {u"群图标", Badge, 1}});
}

}  // namespace wangwang_group

namespace cart {

const QString kTemplate =
    u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:4;background:none;top:距顶px;left:距左px;"
        u"width:宽度px;height:高度px;border:0;padding:0;\">\r\n"
    u"    <a class=\"J_CartPluginTrigger\" href=\"宝贝\" target=\"_blank\" title=\"加入购物车\">\r\n"
    u"        <img style=\"width:120px;height:31px;\" src=\"图标\"/>\r\n"
    u"    </a>\r\n"
    u"</div>"_s;

void emitCode(EmitContext& ctx) {
    // The icon comes after the item address, so an address holding "图标"
    // takes the icon there and the picture keeps its placeholder.
    static const std::string kTemplateGbk = toGbk(kTemplate);  // converted once
    emitBoxFromRow(ctx, kTemplateGbk, 1, {{u"宝贝", Item, 1}, {u"图标", Icon, 1}});
}

}  // namespace cart

namespace share {

const QString kTemplate =
    u"\n"_s + kBoxLine + u"\n"
    u"    <div class=\"sns-widget\" data-sharebtn=\"{client_id:68,skinType:3,type:'item',key:宝贝id,"
        u"'comment':'感觉很不错哟，给大家分享一下！'}\" style=\"width:宽度px;height:高度px;background:url(图标) "
        u"no-repeat;cursor:pointer;\">\n"
    u"    </div>\n"
    u"</div>"_s;

void emitCode(EmitContext& ctx) {
    static const std::string kTemplateGbk = toGbk(kTemplate);  // converted once
    emitBoxFromRow(ctx, kTemplateGbk, 2, {{u"宝贝id", Item, 1}, {u"图标", Icon, 1}});
}

}  // namespace share

namespace favourite {

const QString kTemplate =
    kBoxLine + u"\r\n"
    u"    <a class=\"J_TokenSign\" href=\"#链接\" target=\"_blank\">\r\n"
    u"        <img src=\"图标\" style=\"width:宽度px;height:高度px;\">\r\n"
    u"    </a>\r\n"
    u"</div>"_s;

void emitCode(EmitContext& ctx) {
    static const std::string kTemplateGbk = toGbk(kTemplate);  // converted once
    emitBoxFromRow(ctx, kTemplateGbk, 2, {{u"#链接", Shop, 1}, {u"图标", Picture, 1}});
}

}  // namespace favourite

namespace like {

const QString kTemplate =
    u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:距顶px;left:距左px;"
        u"width:109px;height:25px;border:0;padding:0;\">\r\n"
    u"\t<div class=\"sns-widget\" data-like='{\"type\":2,\"key\":\"宝贝\",\"skinType\":样式}'></div>\r\n"
    u"</div>"_s;

void emitCode(EmitContext& ctx) {
    static const std::string kTemplateGbk = toGbk(kTemplate);  // converted once
    emitFromRow(ctx, kTemplateGbk,
                {{u"样式", Style, 1}, {u"宝贝", Item, 1}, {u"距左", col::Left, 1}, {u"距顶", col::Top, 1}});
}

}  // namespace like

namespace follow {

const QString kTemplate =
    kBoxLine + u"\r\n"
    u"\t<a href=\"#\" class=\"j_CollectBrand\" data-brandid=\"店铺\">\r\n"
    u"\t\t<img src=\"图标\" style=\"width:宽度px;height:高度px;\">\r\n"
    u"\t</a>\r\n"
    u"</div>"_s;

void emitCode(EmitContext& ctx) {
    static const std::string kTemplateGbk = toGbk(kTemplate);  // converted once
    emitBoxFromRow(ctx, kTemplateGbk, 2, {{u"店铺", ShopId, 1}, {u"图标", Icon, 1}});
}

}  // namespace follow

}  // namespace vitrine::link_icons

#include "components/widget/customer_service.h"

#include "components/platform_hosts.h"
#include "document/layer.h"
#include "generation/gbk.h"
#include "generation/text_rules.h"

namespace vitrine::customer_service {
using namespace Qt::StringLiterals;

const QString kLargeStatusIcon =
    hosts::kWangwangHost + u"/online.aw?v=2&uid=旺旺&site=cntaobao&s=1&charset=utf-8"_s;
const QString kSmallStatusIcon =
    hosts::kWangwangHost + u"/online.aw?v=2&uid=旺旺&site=cntaobao&s=2&charset=utf-8"_s;
const QString kChatSplitOn =
    hosts::kMainWebHost + u"/webww/ww.php?ver=3&touid=旺旺&siteid=cntaobao&status=1&charset=utf-8"_s;
const QString kChatSplitOff =
    hosts::kWangwangHost + u"/getcid.aw?v=2&uid=旺旺&site=cntaobao&s=1&groupid=0&charset=utf-8"_s;

const QString kTemplate =
    u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:6;background:none;top:距顶px;left:距左px;"
        u"width:宽度px;height:高度px;border:0;padding:0;\">\r\n"
    u"\t显示头像\r\n"
    u"\t<div class=\"位置\" style=\"background:none;top:auto;left:auto;text-align:对齐;width:100%;right:0;"
        u"bottom:0;border:0;padding:0;\">\r\n"
    u"\t\t显示图标\r\n"
    u"</a>\r\n"
    u"\t</div>\r\n"
    u"</div>"_s;

const QString kAvatarTemplate =
    u"<a target=\"_blank\" href=\"#链接\">\r\n"
    u"\t\t<img src=\"头像\">\r\n"
    u"\t</a>"_s;

const QString kIconTemplate =
    u"<a target=\"_blank\" href=\"#链接\">\r\n"
    u"\t<img border=\"0\" src=\"图标\" alt=\"点击这里和我联系\" />"_s;

QString encodeAccount(const QString& account) {
    static constexpr char hex[] = "0123456789ABCDEF";
    QString out;
    for (const char c : account.toUtf8()) {
        const auto b = static_cast<unsigned char>(c);
        const bool kept = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' ||
                          b == '.';
        if (kept) {
            out += QLatin1Char(static_cast<char>(b));
        } else {
            out += u'%';
            out += QLatin1Char(hex[b >> 4]);
            out += QLatin1Char(hex[b & 0xF]);
        }
    }
    return out;
}

void emitCode(EmitContext& ctx) {
    if (ctx.cell(col::Width).isEmpty()) {
        ctx.status(kUnsavedSkipText);
        return;
    }
    // Each step takes the first occurrence, so the order places every value:
    // the avatar's picture, its link and the account in that link, then the
    // icon's picture, the account in the icon address, the icon's link and
    // the account in that link.
    const QString account = encodeAccount(ctx.cell(Account));
    const QString avatar = ctx.cell(Avatar);
    const QString icon = ctx.cell(StatusIcon);
    static const std::string kTemplateGbk = toGbk(kTemplate);  // converted once
    TemplateFill fill(kTemplateGbk);
    fill.replace(u"宽度", ctx.cell(col::Width), 1)
        .replace(u"高度", ctx.cell(col::Height), 1)
        .replace(u"距左", ctx.cell(col::Left), 1)
        .replace(u"距顶", ctx.cell(col::Top), 1);
    if (!avatar.isEmpty()) {
        fill.replace(u"显示头像", kAvatarTemplate, 1)
            .replace(u"头像", avatar, 1)
            .replace(u"#链接", ctx.cell(ChatLink), 1)
            .replace(u"旺旺", account, 1);
    } else {
        fill.replace(u"显示头像", u"", 1);
    }
    if (!icon.isEmpty()) {
        fill.replace(u"显示图标", kIconTemplate, 1)
            .replace(u"图标", icon, 1)
            .replace(u"旺旺", account, 1)
            .replace(u"#链接", ctx.cell(ChatLink), 1)
            .replace(u"旺旺", account, 1);
    } else {
        fill.replace(u"显示图标", u"", 1);
    }
    fill.replace(u"位置", ctx.cell(IconClass), 1).replace(u"对齐", ctx.cell(IconAlign), 1);
    ctx.append(fill.bytes());
}

}  // namespace vitrine::customer_service

#include "components/widget/search.h"

#include "generation/gbk.h"
#include "generation/text_rules.h"

namespace vitrine::search {
using namespace Qt::StringLiterals;

// Continuations of a template line are indented further.
const QString kTemplate =
    u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:距顶px;left:距左px;width:模宽px;"
        u"height:模高px;padding: 0;border:0;background:none;\"><div style=\"width:模宽px;height:模高px;"
        u"line-height:缩进px;float:left;margin:0px 0px 0 0px;border:1px solid #框边色;background:#框背色;\">\r\n"
    u"\t<form action=\"店铺/category.htm?scene=taobao_shop\" name=\"SearchForm\" method=\"post\">\r\n"
    u"\t\t <input type=\"hidden\" value=\"y\" name=\"search\" /> <input class=\"keyword-input prompt\" "
        u"value=\"关键字\" name=\"keyword\" size=\"40\" style=\"width:框宽px;height:框高px;padding:0 2px;"
        u"border:none;background:none;float:left;outline:none;color:#框字色;\" /> <input type=\"submit\" "
        u"class=\"btn\" value=\"搜索\" style=\"width:按宽px;height:按高px;border:none;float:right;"
        u"background:#按背色;cursor:pointer;color:#按字色;\" />&nbsp;\r\n"
    u"\t</form>\r\n"
    u"</div>"_s;

void emitCode(EmitContext& ctx) {
    const SettingsSnapshot s = ctx.settings(kSettingsPrefix);
    if (s.read(key::Width).isEmpty()) {
        ctx.status(kUnsavedSkipText);
        return;
    }
    const QString height = s.read(key::Height);
    static const std::string kTemplateGbk = toGbk(kTemplate);  // converted once
    TemplateFill fill(kTemplateGbk);
    fill.replace(u"模宽", s.read(key::Width), 2)
        .replace(u"模高", height, 2)
        .replace(u"距左", s.read(key::Left), 1)
        .replace(u"距顶", s.read(key::Top), 1)
        .replace(u"框宽", s.read(key::InputWidth), 1)
        .replace(u"框高", s.read(key::InputHeight), 1)
        .replace(u"按宽", s.read(key::ButtonWidth), 1)
        .replace(u"按高", s.read(key::ButtonHeight), 1)
        .replace(u"关键字", s.read(key::Keyword), 1)
        .replace(u"店铺", s.read(key::Shop), 1)
        .replace(u"#框背色", s.read(key::AreaBackground), 1)
        .replace(u"#框字色", s.read(key::InputColour), 1)
        .replace(u"#框边色", s.read(key::AreaBorder), 1)
        .replace(u"#按背色", s.read(key::ButtonBackground), 1)
        .replace(u"#按字色", s.read(key::ButtonColour), 1)
        // The area's line height leaves room for its one-pixel border.
        .replace(u"缩进", formatInteger(textToInteger(height) - 2LL), 1);
    ctx.append(fill.bytes());
}

}  // namespace vitrine::search

#include "components/image/picture.h"

#include "document/layer.h"
#include "generation/gbk.h"
#include "generation/text_rules.h"

namespace vitrine::picture {
using namespace Qt::StringLiterals;

const QString kTemplate =
    u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:距顶px;left:距左px;width:宽度px;"
    u"height:高度px;padding: 0;border:0;background:none;\"><a href=\"#链接\" target=\"打开\" title=\"提示\">"
    u"<img src=\"图片\" style=\"width:宽度px;height:高度px\"></a></div>"_s;

void emitCode(EmitContext& ctx) {
    if (ctx.cell(col::Left).isEmpty()) {
        ctx.status(kUnsavedSkipText);
        return;
    }
    static const std::string kTemplateGbk = toGbk(kTemplate);  // converted once
    TemplateFill fill(kTemplateGbk);
    fill.replace(u"距左", ctx.cell(col::Left), 1)
        .replace(u"距顶", ctx.cell(col::Top), 1)
        .replace(u"宽度", ctx.cell(col::Width), 2)
        .replace(u"高度", ctx.cell(col::Height), 2)
        .replace(u"打开", ctx.cell(Target), 1)
        .replace(u"图片", ctx.cell(Address), 1)
        .replace(u"#链接", ctx.cell(Link), 1)
        .replace(u"提示", ctx.cell(Title), 1);
    ctx.append(fill.bytes());
}

}  // namespace vitrine::picture

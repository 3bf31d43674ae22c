#include "components/image/double_sided.h"

#include "document/layer.h"
#include "generation/gbk.h"
#include "generation/text_rules.h"

namespace vitrine::double_sided {
using namespace Qt::StringLiterals;

// Continuations of the one template line are indented further.
const QString kTemplate =
    u"<div class=\"most-footer footer-more-trigger\" data-title=\"鼠标滑动效果\" style=\"z-index:2;top:距顶px;"
        u"left:距左px;width:宽度px;height:高度px;border:0;padding:0;background:none;overflow:hidden;\">"
        u"<div class=\"footer-more\" style=\"width:宽度px;height:高度px;float:none;padding:0;right:auto;top:0;"
        u"left:0;\"><a style=\"padding:0;height:auto;background:none;\" href=\"#链接\" target=\"打开方式\">"
        u"<img src=\"底图\" width=\"宽度px\" height=\"高度px\" alt=\"\"></a><span class=\"footer-more-panel\" "
        u"style=\"width:宽度px;height:高度px;border:0;padding:0;background:none;bottom:auto;right:auto;top:0;"
        u"left:0;\"><a href=\"#链接\" target=\"打开方式\"><img src=\"变图\" width=\"宽度px\" height=\"高度px\" "
        u"alt=\"\"></a></span></div></div></div></div>"_s;

void emitCode(EmitContext& ctx) {
    if (ctx.cell(col::Left).isEmpty()) {
        ctx.status(kUnsavedSkipText);
        return;
    }
    static const std::string kTemplateGbk = toGbk(kTemplate);  // converted once
    TemplateFill fill(kTemplateGbk);
    fill.replace(u"距左", ctx.cell(col::Left), 1)
        .replace(u"距顶", ctx.cell(col::Top), 1)
        .replace(u"宽度", ctx.cell(col::Width), 5)
        .replace(u"高度", ctx.cell(col::Height), 5)
        .replace(u"打开方式", ctx.cell(Target), 2)
        .replace(u"底图", ctx.cell(FrontPicture), 1)
        .replace(u"变图", ctx.cell(BackPicture), 1)
        .replace(u"#链接", ctx.cell(Link), 2);
    ctx.append(fill.bytes());
}

}  // namespace vitrine::double_sided

#include "components/image/magnifier.h"

#include "document/layer.h"
#include "generation/gbk.h"
#include "generation/text_rules.h"

namespace vitrine::magnifier {
using namespace Qt::StringLiterals;

// Continuations of the one template line are indented further. Five spaces
// stand between the last "</span>" and the first of the closing "</div>".
const QString kTemplate =
    u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:距顶px;left:距左px;width:宽度px;"
        u"height:宽度px;padding: 0;border:0;background:none;\"><span><a href=\"#链接\" target=\"_blank\">"
        u"<img class=\"nirova序号\" src=\"底图\" style=\"width:宽度px;\" /></a></span><div class=\"J_TWidget\" "
        u"data-widget-config=\"{'trigger':'.nirova序号','align':{'node':'.nirova序号','offset':[-8,-20],"
        u"'points':['lc','lc']}}\" data-widget-type=\"Popup\" style=\"width:放大宽px;display:none;z-index:99;\"> "
        u"<div style=\"width:放大2px;text-align:center;color:#000000;font-size:10pt;background-color:#边框色;"
        u"margin-top: 1px;\"> <span><a href=\"#链接\" target=\"_blank\"><img src=\"放大图\" style=\"width:放大宽px;"
        u"margin-left:auto;float:none;margin-top: 10px;margin: 5px;\" /></a> </span>     </div> </div> </div>"_s;

void emitCode(EmitContext& ctx) {
    if (ctx.cell(col::Left).isEmpty()) {
        ctx.status(kUnsavedSkipText);
        return;
    }
    const QString zoom = ctx.cell(ZoomWidth);
    static const std::string kTemplateGbk = toGbk(kTemplate);  // converted once
    TemplateFill fill(kTemplateGbk);
    fill.replace(u"宽度", ctx.cell(col::Width), 4)
        .replace(u"#边框色", ctx.cell(BorderColour), 1)
        .replace(u"序号", QString::number(ctx.random(kRandomLow, kRandomHigh)), 3)
        .replace(u"放大2", zoom, 1)
        .replace(u"放大宽", formatNumber(textToNumber(zoom) - 10), 2)
        .replace(u"底图", ctx.cell(SmallPicture), 1)
        .replace(u"放大图", ctx.cell(LargePicture), 2)
        .replace(u"#链接", ctx.cell(Link), 2)
        .replace(u"距左", ctx.cell(col::Left), 1)
        .replace(u"距顶", ctx.cell(col::Top), 1);
    ctx.append(fill.bytes());
}

}  // namespace vitrine::magnifier

#include "components/image/carousel.h"

#include "generation/gbk.h"
#include "generation/text_rules.h"

#include <algorithm>

namespace vitrine::carousel {
using namespace Qt::StringLiterals;

QString key::slidePicture(int slot) { return u"图片"_s + QString::number(slot); }
QString key::slideLink(int slot) { return u"链接"_s + QString::number(slot); }

// A template line may run over several source lines; its continuations are
// indented further, and each template line ends with its visible line end.
const QString kTemplate =
    u"\n"
    u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:距顶px;left:距左px;"
        u"width:图宽px;height:图高px;border:0;padding:0;\">\n"
    u"    <div class=\"J_TWidget\" data-widget-type=\"Carousel\" data-widget-config=\"{'effect':'动画',"
        u"'easing':'切换','circular':true,'autoplay':自动,'contentCls':'vemuro_content_随机','navCls':'vemuro_随机',"
        u"'activeTriggerCls':'selected','duration':'刷新','prevBtnCls': 'prev_随机', 'nextBtnCls': 'next_随机'}\" "
        u"style=\"width:490px;height:300px;\">\n"
    u"        <div class=\"vemuro_box\" style=\"width:图宽px;height:图高px; overflow: hidden; position: relative;\">\n"
    u"            <div class=\"vemuro_content_随机\" style=\"position: absolute;\">\n"
    u"\t\t\t\t图层01图层02图层03图层04图层05图层06图层07图层08          </div>\n"
    u"        </div>\n"
    u"        <ul class=\"vemuro_随机\" style=\"display:none;\">\n"
    u"\t\t\t序号01序号02序号03序号04序号05序号06序号07序号08\n"
    u"        </ul>\n"
    u"        <div class=\"prev_随机 most-footer footer-more-trigger\" style=\"display:箭显;background:none;border:0;"
        u"padding:0;z-index:99;left:箭左左px;top:箭左顶px;width:40px;height:40px;background:url(箭左图);"
        u"cursor:pointer;\">\n"
    u"        </div>\n"
    u"        <div class=\"next_随机 most-footer footer-more-trigger\" style=\"display:箭显;background:none;border:0;"
        u"padding:0;z-index:99;left:箭右左px;top:箭右顶px;width:40px;height:40px;background:url(箭右图);"
        u"cursor:pointer;\">\n"
    u"        </div>\n"
    u"    </div>\n"
    u"</div>\n"_s;

const QString kSlideTemplate =
    u"<div style=\"width: 图宽px; height: 图高px; overflow: hidden; display: block; opacity: 1; position: absolute; "
        u"z-index: 1;\"><a target=\"打开\" href=\"#链接\"><img src=\"图片\" style=\"width:图宽px;height:图高px;\">"
        u"</a></div>"_s;

namespace {

// "图层01" .. "图层08": where slide `slot` goes; "序号01" .. "序号08": its number.
std::string slidePlace(int slot) { return toGbk(u"图层0"_s + QString::number(slot)); }
std::string numberPlace(int slot) { return toGbk(u"序号0"_s + QString::number(slot)); }

}  // namespace

int slideCount(const QString& storedCount) { return std::clamp(textToInteger(storedCount), 0, kMaxSlides); }

void emitCode(EmitContext& ctx) {
    const SettingsSnapshot s = ctx.settings(kSettingsPrefix);
    const QString width = s.read(key::Width);
    if (width.isEmpty()) {
        ctx.status(kUnsavedSkipText);
        return;
    }
    // One number for the whole block, so that the widget's class references
    // name the classes of its own content, list and arrows.
    const QString random = QString::number(ctx.random(1, 100));
    const QString height = s.read(key::Height);

    static const std::string kTemplateGbk = toGbk(kTemplate);  // converted once
    static const std::string kSlideTemplateGbk = toGbk(kSlideTemplate);
    TemplateFill fill(kTemplateGbk);
    fill.replace(u"距左", s.read(key::Left), 1)
        .replace(u"随机", random, 10)
        .replace(u"距顶", s.read(key::Top), 1)
        .replace(u"图宽", width, 2)
        .replace(u"图高", height, 2)
        .replace(u"动画", s.read(key::Effect), 1)
        .replace(u"切换", s.read(key::Easing), 1)
        .replace(u"自动", s.read(key::Autoplay), 1)
        .replace(u"刷新", s.read(key::Duration), 1)
        .replace(u"箭显", s.read(key::ArrowDisplay), 2)
        .replace(u"箭左图", s.read(key::LeftArrow), 1)
        .replace(u"箭右图", s.read(key::RightArrow), 1)
        .replace(u"箭左左", s.read(key::LeftArrowLeft), 1)
        .replace(u"箭左顶", s.read(key::LeftArrowTop), 1)
        .replace(u"箭右左", s.read(key::RightArrowLeft), 1)
        .replace(u"箭右顶", s.read(key::RightArrowTop), 1);

    TemplateFill slide(kSlideTemplateGbk);
    slide.replace(u"图宽", width, 2).replace(u"图高", height, 2).replace(u"打开", s.read(key::Target), 1);

    const int n = slideCount(s.read(key::SlotCount));
    for (int k = n + 1; k <= kMaxSlides; ++k) fill.replaceBytes(slidePlace(k), {}, 1);
    for (int k = n + 1; k <= kMaxSlides; ++k) fill.replaceBytes(numberPlace(k), {}, 1);
    for (int i = 1; i <= n; ++i) {
        TemplateFill one(slide.bytes());
        one.replace(u"图片", s.read(key::slidePicture(i)), 1).replace(u"#链接", s.read(key::slideLink(i)), 1);
        fill.replaceBytes(slidePlace(i), one.bytes(), 1)
            .replaceBytes(numberPlace(i), "<li>" + std::to_string(i - 1) + "</li>", 1);
    }
    ctx.append(fill.bytes());
}

}  // namespace vitrine::carousel

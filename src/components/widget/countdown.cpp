#include "components/widget/countdown.h"

#include "generation/gbk.h"
#include "generation/text_rules.h"

namespace vitrine::countdown {
using namespace Qt::StringLiterals;

// Continuations of a template line are indented further. The first line ends
// inside the opening tag, which goes on in the second. The fourth cell has a
// doubled semicolon after its line height, and the last line closes three
// more elements.
const QString kTemplate =
    u"<div class=\"most-footer footer-more-trigger J_TWidget\" data-type=\"countdown\" style=\"z-index:8;"
        u"background:none;top:距顶px;left:距左px;width:模宽px;height:模高px;background-image:url(背景图);"
        u"background-repeat:no-repeat;border:0;padding:0;\"\r\n"
    u"data-widget-type=\"Countdown\" data-widget-config=\"{'endTime':'年份-月份-日期 小时:分钟:秒数',"
        u"'interval': 1000, 'timeRunCls': '.time-run', 'timeUnitCls':{'d': '.ks-d','h': '.ks-h','m': '.ks-m',"
        u"'s': '.ks-s','i': '.ks-i'},'minDigit': 1,'timeEndCls': '.time-e'}\">\r\n"
    u"    <div class=\"time-run\">\r\n"
    u"        <div style=\"float:left;width:字距px;height:模高px;line-height:模高px;text-align:center;"
        u"color:#文字色;font-family:微软雅黑;font-size:字号px;font-weight:normal;;display:inline;\">\r\n"
    u"            <span class=\"ks-d\">\r\n"
    u"                00\r\n"
    u"            </span>\r\n"
    u"            <span style=\"display:inline\">\r\n"
    u"                天字\r\n"
    u"            </span>\r\n"
    u"        </div>\r\n"
    u"        <div style=\"float:left;width:字距px;height:模高px;line-height:模高px;text-align:center;"
        u"color:#文字色;font-family:微软雅黑;font-size:字号px;font-weight:normal;;display:inline;\">\r\n"
    u"            <span class=\"ks-h\">\r\n"
    u"                00\r\n"
    u"            </span>\r\n"
    u"            <span style=\"display:inline\">\r\n"
    u"                时字\r\n"
    u"            </span>\r\n"
    u"        </div>\r\n"
    u"        <div style=\"float:left;width:字距px;height:模高px;line-height:模高px;text-align:center;"
        u"color:#文字色;font-family:微软雅黑;font-size:字号px;font-weight:normal;;display:inline;\">\r\n"
    u"            <span class=\"ks-m\">\r\n"
    u"                00\r\n"
    u"            </span>\r\n"
    u"            <span style=\"display:inline\">\r\n"
    u"                分字\r\n"
    u"            </span>\r\n"
    u"        </div>\r\n"
    u"        <div style=\"float:left;width:字距px;height:模高px;line-height:模高px;;text-align:center;"
        u"color:#文字色;font-family:微软雅黑;font-size:字号px;font-weight:normal;;display:inline;\">\r\n"
    u"            <span class=\"ks-s\">\r\n"
    u"                00\r\n"
    u"            </span>\r\n"
    u"            <span style=\"display:inline\">\r\n"
    u"                秒字\r\n"
    u"            </span>\r\n"
    u"        </div>\r\n"
    u"    </div>\r\n"
    u"    <div class=\"time-e\" style=\"display:none\">\r\n"
    u"        已结束\r\n"
    u"    </div>\r\n"
    u"</div>\r\n"
    u"</div></div></div>"_s;

void emitCode(EmitContext& ctx) {
    const SettingsSnapshot s = ctx.settings(kSettingsPrefix);
    if (s.read(key::Width).isEmpty()) {
        ctx.status(kUnsavedSkipText);
        return;
    }
    // The font-family placeholder is the default font's own name.
    static const std::string kTemplateGbk = toGbk(kTemplate);  // converted once
    TemplateFill fill(kTemplateGbk);
    fill.replace(u"模宽", s.read(key::Width), 2)
        .replace(u"模高", s.read(key::Height), 10)
        .replace(u"距左", s.read(key::Left), 1)
        .replace(u"距顶", s.read(key::Top), 1)
        .replace(u"字号", s.read(key::FontSize), 5)
        .replace(u"#文字色", s.read(key::Colour), 4)
        .replace(u"字距", s.read(key::CellWidth), 4)
        .replace(u"微软雅黑", s.read(key::Font), 4)
        .replace(u"背景图", s.read(key::Background), 1)
        .replace(u"年份", s.read(key::Year), 1)
        .replace(u"月份", s.read(key::Month), 1)
        .replace(u"日期", s.read(key::Day), 1)
        .replace(u"天字", s.read(key::DayWord), 1)
        .replace(u"小时", s.read(key::Hour), 1)
        .replace(u"时字", s.read(key::HourWord), 1)
        .replace(u"分钟", s.read(key::Minute), 1)
        .replace(u"分字", s.read(key::MinuteWord), 1)
        .replace(u"秒数", s.read(key::Second), 1)
        .replace(u"秒字", s.read(key::SecondWord), 1);
    ctx.append(fill.bytes());
}

}  // namespace vitrine::countdown

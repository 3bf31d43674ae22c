#include "components/widget/text.h"

#include "generation/gbk.h"
#include "generation/text_rules.h"

namespace vitrine::text {
using namespace Qt::StringLiterals;

// Continuations of a template line are indented further.
const QString kTemplate =
    u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:距顶px;left:距左px;width:宽度px;"
        u"height:高度px;background:none;background-color:#背色;border:0;padding:0;\">\r\n"
    u"\t<div style=\"line-height:字距px;text-align:对齐;\">\r\n"
    u"\t\t文字@链接\r\n"
    u"\t\t<span style=\"font-size:字号px;color:#字色;font-family:字体;font-weight:加粗;\">内容</span>链@接尾\r\n"
    u"\t</div>\r\n"
    u"</div>"_s;

const QString kLinkTemplate = u"<a href=\"#链接\" target=\"_blank\" style=\"color:#字色;text-decoration: none;\">"_s;

void emitCode(EmitContext& ctx) {
    const SettingsSnapshot s = ctx.settings(kSettingsPrefix);
    if (s.read(key::Width).isEmpty()) {
        ctx.status(kUnsavedSkipText);
        return;
    }
    // Every replacement takes the first occurrence. The content goes in
    // before the style placeholders, which all stand before it, so placeholder
    // words inside it stay as typed; only "链接" of step 7 reaches into it.
    const QString link = s.read(key::Link);
    static const std::string kTemplateGbk = toGbk(kTemplate);  // converted once
    TemplateFill fill(kTemplateGbk);
    fill.replace(u"宽度", s.read(key::Width), 1)
        .replace(u"高度", s.read(key::Height), 1)
        .replace(u"距左", s.read(key::Left), 1)
        .replace(u"距顶", s.read(key::Top), 1)
        .replace(u"内容", s.read(key::Content), 1);
    if (!link.isEmpty()) {
        fill.replace(u"文字@链接", kLinkTemplate, 1)
            .replace(u"#链接", link, 1)
            .replace(u"#字色", s.read(key::Colour), 1)
            .replace(u"链@接尾", u"</a>", 1);
    } else {
        fill.replace(u"文字@链接", u"", 1).replace(u"链@接尾", u"", 1);
    }
    fill.replace(u"链接", link, 1)
        .replace(u"对齐", s.read(key::Align), 1)
        .replace(u"字号", s.read(key::FontSize), 1)
        .replace(u"字体", s.read(key::Font), 1)
        .replace(u"字距", s.read(key::LineHeight), 1)
        .replace(u"加粗", s.read(key::Bold), 1)
        .replace(u"#字色", s.read(key::Colour), 1)
        .replace(u"#背色", s.read(key::Background), 1);
    ctx.append(fill.bytes());
}

}  // namespace vitrine::text

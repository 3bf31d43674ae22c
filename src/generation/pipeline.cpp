#include "generation/pipeline.h"

#include "document/component_kind.h"
#include "generation/gbk.h"
#include "generation/text_rules.h"

#include <algorithm>

namespace vitrine {
using namespace Qt::StringLiterals;

namespace {

const QString kTmall = u"天猫版"_s;
const QString kPro = u"专业版"_s;
const QString kBasic = u"基础版"_s;

// The module text: the outer frame, the background and the edition's class.
std::string moduleText(const QString& common, const BackgroundLayer& bg) {
    auto m = [&](int column) { return bg.getCell(ModuleSettingsRow, column); };
    const QString edition = m(modcol::Edition);
    const bool basic = edition == kBasic;
    const double height = textToNumber(m(modcol::Height));
    const double total = basic ? height : height + textToNumber(m(modcol::TopSpacing));
    const double offset = (textToInteger(m(modcol::Width)) - 950.0) / -2.0;

    TemplateFill fill(common);
    fill.replace(u"宽度", m(modcol::Width), 4)
        .replace(u"总高", formatNumber(total), 2)
        .replace(u"高度", m(modcol::Height), 4)
        .replace(u"距顶", basic ? u"0"_s : m(modcol::TopSpacing), 1)
        .replace(u"#背景色", m(modcol::Colour), 1)
        .replace(u"背景图", m(modcol::Picture), 1)
        .replace(u"固定", m(modcol::Attachment), 1)
        .replace(u"平铺", m(modcol::Repeat), 1)
        .replace(u"上下", m(modcol::VerticalPosition), 1)
        .replace(u"左右", m(modcol::HorizontalPosition), 1)
        .replace(u"偏移", formatNumber(offset), 1);
    if (basic || edition == kPro)
        fill.replace(u"Nirova版本", u"most-footer footer-more-trigger", 3);
    else if (edition == kTmall)
        fill.replace(u"Nirova版本", u"sn-simple-logo", 3);
    return fill.take();
}

// The basic edition's full-screen wrapper around the whole code.
std::string wrapFullScreen(const QString& wrapper, const BackgroundLayer& bg, const std::string& code) {
    auto m = [&](int column) { return bg.getCell(ModuleSettingsRow, column); };
    const double total = textToNumber(m(modcol::Height)) + textToNumber(m(modcol::TopSpacing));
    TemplateFill fill(wrapper);
    fill.replace(u"总高", formatNumber(total), 1)
        .replace(u"高度", m(modcol::Height), 4)
        .replace(u"偏移量", textToInteger(m(modcol::Width)) <= 950 ? u"-200"_s : u"-574"_s, 1)
        .replace(u"间距", m(modcol::TopSpacing), 1)
        .replaceBytes(toGbk(u"Nirova软件735206914"), code, 1);
    return fill.take();
}

}  // namespace

GenerationResult generate(const GenerationInput& in) {
    GenerationResult out;
    const BackgroundLayer& bg = in.background;
    out.statuses << kStatusModule;
    if (bg.getCell(ModuleSettingsRow, modcol::HorizontalPosition).isEmpty()) {
        out.statuses << kStatusRefused;
        out.refused = true;
        return out;
    }

    std::string code = moduleText(in.templates.common, bg);
    // Room for a large block per row (a carousel of eight slides is about
    // 4 KB), so that the code is not copied again and again as it grows;
    // memory that is never written is never touched.
    const auto rows = static_cast<std::size_t>(in.components.rowCount() + bg.rowCount());
    code.reserve(code.size() + std::min<std::size_t>(4096 * rows, std::size_t{16} << 20));
    out.statuses << kStatusComponents;

    auto run = [&](Emitter emitter, const Layer& layer, int row) {
        EmitContext ctx(layer, row, in.settings, code, out.statuses, in.random);
        out.emitterState = kEmitterPaused;
        emitter(ctx);
        out.emitterState = kEmitterStarted;
    };

    for (int r = 2; r < in.components.rowCount(); ++r) {
        const Emitter emitter = in.emitterFor ? in.emitterFor(in.components.getCell(r, col::Kind)) : nullptr;
        if (emitter) run(emitter, in.components, r);
    }

    // Texts run from row 1; the first row without a kind, at the latest the
    // one past the end, closes the code.
    for (int t = 1; t <= bg.rowCount(); ++t) {
        const QString k = bg.getCell(t, col::Kind);
        if (k == kind::Text) {
            if (in.textEmitter) run(in.textEmitter, bg, t);
            continue;
        }
        if (!k.isEmpty()) continue;

        code += "</div></div></div>";
        const QString edition = bg.getCell(ModuleSettingsRow, modcol::Edition);
        QString preview;
        if (edition == kTmall)
            preview = in.templates.previewTmall;
        else if (edition == kPro || edition == kBasic)
            preview = in.templates.previewMarket;
        if (edition == kBasic) code = wrapFullScreen(in.templates.fullScreen, bg, code);

        out.statuses << kStatusDone;
        std::string page = Replace(toGbk(preview), "735206914", code, 1);
        out.preview = QByteArray(page.data(), static_cast<qsizetype>(page.size()));
        out.code = fromGbk(code);
        out.codeGbk = std::move(code);
        break;
    }
    return out;
}

}  // namespace vitrine

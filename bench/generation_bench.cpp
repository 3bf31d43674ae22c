// Timings of one "生成代码" over layouts of growing size: only pictures, and
// a mixed layout of every kind whose settings files lie in a temporary
// folder. The time should grow with the size of the output; the counter
// "output_bytes" is the size of the generated code.

#include "components/kinds.h"
#include "document/component_kind.h"
#include "document/layer.h"
#include "document/settings_file.h"
#include "generation/pipeline.h"
#include "generation/template_set.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <utility>
#include <vector>

using namespace vitrine;
using namespace Qt::StringLiterals;

namespace {

using Keys = std::vector<std::pair<QString, QString>>;

struct Layout {
    QTemporaryDir dir;
    SettingsFolder folder{dir.path()};
    ComponentLayer components;
    BackgroundLayer background;
    TemplateSet templates = builtinTemplates();
    SeededRandom random{1};

    Layout() {
        if (!dir.isValid() || folder.open() != SettingsFolder::OpenResult::Ok)
            throw std::runtime_error("no settings folder");
        background.setCell(0, modcol::Edition, u"天猫版"_s);
        background.setCell(0, modcol::Width, u"950"_s);
        background.setCell(0, modcol::Height, u"2000"_s);
        background.setCell(0, modcol::TopSpacing, u"0"_s);
        background.setCell(0, modcol::HorizontalPosition, u"center"_s);
    }

    int add(const QString& kind, const QStringList& cells = {}) {
        const int r = components.appendRow();
        components.setCell(r, col::Kind, kind);
        for (int c = 0; c < cells.size(); ++c) components.setCell(r, c + 1, cells[c]);
        return r;
    }
    // A settings file written whole, as the editor's saves leave it.
    void settings(const QString& prefix, int number, const Keys& keys) {
        QString text = u"[配置]\r\n"_s;
        for (const auto& [key, value] : keys) text += key + u'=' + value + u"\r\n"_s;
        QFile f(folder.filePath(prefix, number));
        if (!f.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write a settings file");
        f.write(QStringEncoder("GB18030").encode(text));
    }

    GenerationResult run() {
        return generate({components, background, &folder, templates, random, emitterFor, textKind().emitter});
    }
};

const QStringList kPicture = {u"10"_s, u"20"_s, u"300"_s, u"200"_s, u"_blank"_s,
                              u"https://img.alicdn.com/imgextra/i1/1/p.jpg"_s, u"https://shop1.taobao.com/"_s,
                              u"新品上市"_s, u"1"_s};

// Adds one component of the kind at `i` of the cycle; returns how many
// components it added (a carousel brings its two arrows).
int addOneOfEach(Layout& l, int i) {
    const QString pic = u"https://img.alicdn.com/imgextra/i1/1/x.jpg"_s;
    switch (i % 16) {
    case 0:
        l.add(kind::Picture, kPicture);
        return 1;
    case 1: {
        const int r = l.add(kind::Carousel, {u"真"_s, {}, {}, {}, {}, {}, {}, {}, u"1"_s});
        Keys k = {{u"宽度"_s, u"750"_s}, {u"高度"_s, u"325"_s}, {u"距左"_s, u"100"_s}, {u"距顶"_s, u"20"_s},
                  {u"编辑框数量"_s, u"5"_s}, {u"左箭头"_s, pic}, {u"右箭头"_s, pic}, {u"左箭头距左"_s, u"0"_s},
                  {u"左箭头距顶"_s, u"285"_s}, {u"右箭头距左"_s, u"710"_s}, {u"右箭头距顶"_s, u"285"_s},
                  {u"打开方式"_s, u"_blank"_s}, {u"自动轮播"_s, u"true"_s}, {u"动画效果"_s, u"scrollx"_s},
                  {u"切换效果"_s, u"bounceIn"_s}, {u"刷新间隔"_s, u"0.5"_s}, {u"箭头开关"_s, u"block"_s}};
        for (int s = 1; s <= 5; ++s) {
            k.emplace_back(u"图片"_s + QString::number(s), pic);
            k.emplace_back(u"链接"_s + QString::number(s), u"https://shop1.taobao.com/"_s);
        }
        l.settings(u"lb"_s, r, k);
        l.add(kind::LeftArrow);
        l.add(kind::RightArrow);
        return 3;
    }
    case 2:
        l.add(kind::Magnifier, {u"1"_s, u"2"_s, u"220"_s, u""_s, u"_blank"_s, pic, pic, u"#"_s, u"1"_s, u"264"_s,
                                u"#fff"_s});
        return 1;
    case 3:
        l.add(kind::DoubleSided, {u"3"_s, u"4"_s, u"300"_s, u"300"_s, u"_blank"_s, pic, u"#"_s, pic, u"1"_s});
        return 1;
    case 4: {
        const int r = l.add(kind::Countdown, {{}, {}, {}, {}, {}, pic, {}, {}, u"1"_s});
        l.settings(u"djs"_s, r,
                   {{u"距左"_s, u"5"_s}, {u"距顶"_s, u"6"_s}, {u"宽度"_s, u"360"_s}, {u"高度"_s, u"90"_s},
                    {u"底图"_s, pic}, {u"年数"_s, u"2015"_s}, {u"年字"_s, u"年"_s}, {u"月数"_s, u"5"_s},
                    {u"月字"_s, u"月"_s}, {u"号数"_s, u"9"_s}, {u"号字"_s, u"日"_s}, {u"时数"_s, u"20"_s},
                    {u"时字"_s, u"时"_s}, {u"分数"_s, u"23"_s}, {u"分字"_s, u"分"_s}, {u"秒数"_s, u"18"_s},
                    {u"秒字"_s, u"秒"_s}, {u"字距"_s, u"89"_s}, {u"字号"_s, u"18"_s}, {u"字体"_s, u"微软雅黑"_s},
                    {u"字色"_s, u"#fff"_s}});
        return 1;
    }
    case 5:
        l.add(kind::WangwangGroup, {u"1"_s, u"2"_s, u"63"_s, u"20"_s, u"123456"_s, pic, {}, {}, u"1"_s});
        return 1;
    case 6:
        l.add(kind::Cart, {u"1"_s, u"2"_s, u"120"_s, u"31"_s, pic, u"https://item.taobao.com/item.htm?id=1"_s, {}, {},
                           u"1"_s});
        return 1;
    case 7:
        l.add(kind::QrCode, {u"1"_s, u"2"_s, u"1"_s, u"https://gqrcode.alicdn.com/img?v=1&type=bi&item_id=数字"_s,
                             u"123"_s, {}, {}, {}, u"1"_s});
        return 1;
    case 8:
        l.add(kind::CustomerService, {u"1"_s, u"2"_s, u"70"_s, u"70"_s, u"店小二"_s,
                                      u"https://amos.alicdn.com/getcid.aw?v=2&uid=旺旺&site=cntaobao"_s, pic,
                                      u"https://amos.alicdn.com/online.aw?v=2&uid=旺旺&s=2"_s, u"1"_s,
                                      u"most-footer footer-more-trigger"_s, u"right"_s});
        return 1;
    case 9:
        l.add(kind::Video, {u"1"_s, u"2"_s, u"350"_s, u"240"_s, u"https://cloud.video.taobao.com/v.swf"_s, {}, {}, {},
                            u"1"_s});
        return 1;
    case 10: {
        const int r = l.add(kind::Search, {{}, {}, {}, {}, {}, {}, {}, {}, u"1"_s});
        l.settings(u"ss"_s, r,
                   {{u"宽度"_s, u"238"_s}, {u"高度"_s, u"31"_s}, {u"距左"_s, u"1"_s}, {u"距顶"_s, u"2"_s},
                    {u"搜框宽"_s, u"180"_s}, {u"搜框高"_s, u"30"_s}, {u"按扭宽"_s, u"50"_s}, {u"按扭高"_s, u"30"_s},
                    {u"预设字"_s, u"连衣裙"_s}, {u"店铺"_s, u"https://shop1.taobao.com"_s},
                    {u"搜框背景色"_s, u"#fff"_s}, {u"搜框文字色"_s, u"#000"_s}, {u"搜框边框色"_s, u"#FF798A"_s},
                    {u"按扭背景色"_s, u"#FF798A"_s}, {u"按扭文字色"_s, u"#fff"_s}});
        return 1;
    }
    case 11:
        l.add(kind::Share, {u"1"_s, u"2"_s, u"92"_s, u"27"_s, u"520"_s, pic, {}, {}, u"1"_s});
        return 1;
    case 12:
        l.add(kind::Favourite, {u"1"_s, u"2"_s, u"190"_s, u"174"_s, pic, u"https://shop1.taobao.com"_s, {}, {}, u"1"_s});
        return 1;
    case 13:
        l.add(kind::Like, {u"1"_s, u"2"_s, u"2"_s, u"https://item.taobao.com/item.htm?id=1"_s, {}, {}, {}, {}, u"1"_s});
        return 1;
    case 14:
        l.add(kind::Follow, {u"1"_s, u"2"_s, u"75"_s, u"22"_s, u"880"_s, pic, {}, {}, u"1"_s});
        return 1;
    default: {
        const int t = l.background.appendRow();
        l.background.setCell(t, col::Kind, kind::Text);
        l.background.setCell(t, col::Saved, u"1"_s);
        l.settings(u"wz"_s, t,
                   {{u"宽度"_s, u"75"_s}, {u"高度"_s, u"22"_s}, {u"距左"_s, u"1"_s}, {u"距顶"_s, u"2"_s},
                    {u"内容"_s, u"Nirova软件"_s}, {u"链接"_s, u"#"_s}, {u"对齐"_s, u"left"_s}, {u"字号"_s, u"12"_s},
                    {u"字体"_s, u"仿宋"_s}, {u"字距"_s, u"22"_s}, {u"加粗"_s, u"bold"_s}, {u"字色"_s, u"#000000"_s},
                    {u"背色"_s, u""_s}});
        return 1;
    }
    }
}

void measure(benchmark::State& state, Layout& layout) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        GenerationResult r = layout.run();
        bytes = r.codeGbk.size();
        benchmark::DoNotOptimize(r);
    }
    state.counters["output_bytes"] = static_cast<double>(bytes);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

void BM_Pictures(benchmark::State& state) {
    Layout layout;
    for (int i = 0; i < state.range(0); ++i) layout.add(kind::Picture, kPicture);
    measure(state, layout);
}
BENCHMARK(BM_Pictures)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_MixedLayout(benchmark::State& state) {
    Layout layout;
    for (int i = 0, added = 0; added < state.range(0); ++i) added += addOneOfEach(layout, i);
    measure(state, layout);
}
BENCHMARK(BM_MixedLayout)->Arg(100)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

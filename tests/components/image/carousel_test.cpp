#include "components/image/carousel.h"

#include "support/emitter_fixture.h"

#include <gtest/gtest.h>

using namespace vitrine;
using namespace Qt::StringLiterals;
using testsupport::EmitterFixture;

namespace {

// A carousel saved at 750 × 325 with the window's defaults, two arrows in its
// bottom corners and slide keys for all eight slots, of which only the
// counted ones may be used.
struct CarouselFixture : EmitterFixture {
    int row = addRow(u"轮播"_s);

    CarouselFixture() {
        writeSettings(u"lb"_s, row,
                      {{u"宽度"_s, u"750"_s},        {u"高度"_s, u"325"_s},      {u"距左"_s, u"100"_s},
                       {u"距顶"_s, u"20"_s},         {u"编辑框数量"_s, u"2"_s},  {u"左箭头"_s, u"http://a/L.png"_s},
                       {u"右箭头"_s, u"http://a/R.png"_s}, {u"左箭头距左"_s, u"0"_s}, {u"左箭头距顶"_s, u"285"_s},
                       {u"右箭头距左"_s, u"710"_s},  {u"右箭头距顶"_s, u"285"_s}, {u"打开方式"_s, u"_blank"_s},
                       {u"自动轮播"_s, u"true"_s},   {u"动画效果"_s, u"scrollx"_s}, {u"切换效果"_s, u"bounceIn"_s},
                       {u"刷新间隔"_s, u"0.5"_s},    {u"箭头开关"_s, u"block"_s}});
        for (int i = 1; i <= 8; ++i)
            writeSettings(u"lb"_s, row,
                          {{u"图片"_s + QString::number(i), u"http://p/"_s + QString::number(i) + u".jpg"_s},
                           {u"链接"_s + QString::number(i), u"http://l/"_s + QString::number(i)}});
    }
    void set(const QString& key, const QString& value) { writeSettings(u"lb"_s, row, {{key, value}}); }
};

QString slide(int i) {
    return QStringLiteral(
               "<div style=\"width: 750px; height: 325px; overflow: hidden; display: block; opacity: 1; "
               "position: absolute; z-index: 1;\"><a target=\"_blank\" href=\"http://l/%1\"><img src=\"http://p/%1.jpg\" "
               "style=\"width:750px;height:325px;\"></a></div>")
        .arg(i);
}

// The block of the fixture's carousel with two slides and the number 42.
const QString kTwoSlides =
    u"\n"
    u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:20px;left:100px;"
    u"width:750px;height:325px;border:0;padding:0;\">\n"
    u"    <div class=\"J_TWidget\" data-widget-type=\"Carousel\" data-widget-config=\"{'effect':'scrollx',"
    u"'easing':'bounceIn','circular':true,'autoplay':true,'contentCls':'vemuro_content_42','navCls':'vemuro_42',"
    u"'activeTriggerCls':'selected','duration':'0.5','prevBtnCls': 'prev_42', 'nextBtnCls': 'next_42'}\" "
    u"style=\"width:490px;height:300px;\">\n"
    u"        <div class=\"vemuro_box\" style=\"width:750px;height:325px; overflow: hidden; position: relative;\">\n"
    u"            <div class=\"vemuro_content_42\" style=\"position: absolute;\">\n"
    u"\t\t\t\t"_s + slide(1) + slide(2) + u"          </div>\n"
    u"        </div>\n"
    u"        <ul class=\"vemuro_42\" style=\"display:none;\">\n"
    u"\t\t\t<li>0</li><li>1</li>\n"
    u"        </ul>\n"
    u"        <div class=\"prev_42 most-footer footer-more-trigger\" style=\"display:block;background:none;border:0;"
    u"padding:0;z-index:99;left:0px;top:285px;width:40px;height:40px;background:url(http://a/L.png);"
    u"cursor:pointer;\">\n"
    u"        </div>\n"
    u"        <div class=\"next_42 most-footer footer-more-trigger\" style=\"display:block;background:none;border:0;"
    u"padding:0;z-index:99;left:710px;top:285px;width:40px;height:40px;background:url(http://a/R.png);"
    u"cursor:pointer;\">\n"
    u"        </div>\n"
    u"    </div>\n"
    u"</div>\n"_s;

// Lines 5 and 8 of a block: the slides and their numbers.
QString slidesLine(int n) {
    QString line = u"\t\t\t\t"_s;
    for (int i = 1; i <= n; ++i) line += slide(i);
    return line + u"          </div>"_s;
}
QString numbersLine(int n) {
    QString line = u"\t\t\t"_s;
    for (int i = 0; i < n; ++i) line += u"<li>"_s + QString::number(i) + u"</li>"_s;
    return line;
}

// The placeholder words of both templates.
const QStringList kPlaceholders = {u"距左"_s, u"随机"_s, u"距顶"_s, u"图宽"_s, u"图高"_s, u"动画"_s,
                                   u"切换"_s, u"自动"_s, u"刷新"_s, u"箭显"_s, u"箭左"_s, u"箭右"_s,
                                   u"图层"_s, u"序号"_s, u"打开"_s, u"图片"_s, u"链接"_s};

TEST(Carousel, TwoSlidesWithTheDefaults) {
    CarouselFixture f;
    const auto out = f.run(carousel::emitCode, f.row);
    EXPECT_EQ(out.code, kTwoSlides);
    EXPECT_TRUE(out.statuses.isEmpty());
    EXPECT_EQ(out.bytes.find('\r'), std::string::npos);
    // One number for the whole block, drawn from 1..100.
    ASSERT_EQ(f.random.ranges.size(), 1u);
    EXPECT_EQ(f.random.ranges[0], std::make_pair(1, 100));
}

TEST(Carousel, SlideCountsChangeOnlyTheSlideAndNumberLines) {
    struct Case {
        QString count;
        int slides;
    };
    // 2..8 as the window keeps it; anything else is held to 0..8.
    const Case cases[] = {{u"5"_s, 5}, {u"8"_s, 8}, {u"3"_s, 3}, {u""_s, 0}, {u"abc"_s, 0}, {u"0"_s, 0},
                          {u"1"_s, 1}, {u"-3"_s, 0}, {u"9"_s, 8}, {u"12"_s, 8}};
    const QStringList expected = kTwoSlides.split(u'\n');
    for (const Case& c : cases) {
        CarouselFixture f;
        f.set(u"编辑框数量"_s, c.count);
        const QStringList lines = f.run(carousel::emitCode, f.row).code.split(u'\n');
        ASSERT_EQ(lines.size(), expected.size()) << c.count.toStdString();
        for (int i = 0; i < lines.size(); ++i) {
            if (i == 5)
                EXPECT_EQ(lines[i], slidesLine(c.slides)) << c.count.toStdString();
            else if (i == 8)
                EXPECT_EQ(lines[i], numbersLine(c.slides)) << c.count.toStdString();
            else
                EXPECT_EQ(lines[i], expected[i]) << c.count.toStdString() << " line " << i;
        }
        for (const QString& word : kPlaceholders)
            EXPECT_FALSE(lines.join(u'\n').contains(word)) << c.count.toStdString() << " keeps " << word.toStdString();
    }
}

TEST(Carousel, ArrowsHiddenAndOffsetsAsStored) {
    CarouselFixture f;
    f.set(u"箭头开关"_s, u"none"_s);
    f.set(u"左箭头距左"_s, u"-10"_s);
    f.set(u"右箭头距顶"_s, u"-4"_s);
    const QString code = f.run(carousel::emitCode, f.row).code;
    EXPECT_EQ(code.count(u"display:none;background:none;"_s), 2);
    EXPECT_TRUE(code.contains(u"z-index:99;left:-10px;top:285px;"_s));
    EXPECT_TRUE(code.contains(u"z-index:99;left:710px;top:-4px;"_s));
}

TEST(Carousel, EachCarouselDrawsItsOwnNumber) {
    CarouselFixture f;
    f.random = testsupport::ScriptedRandom({7, 100});
    const QString first = f.run(carousel::emitCode, f.row).code;
    const QString second = f.run(carousel::emitCode, f.row).code;
    EXPECT_EQ(first.count(u"_7"_s), 4 + 1 + 1 + 1 + 1);  // the configuration, content, list and arrows
    EXPECT_EQ(second.count(u"_100"_s), 8);
    EXPECT_EQ(first, QString(second).replace(u"_100"_s, u"_7"_s));
}

TEST(Carousel, UnsavedIsSkippedWithItsOwnText) {
    testsupport::expectSkippedUntilWidthSaved(carousel::emitCode, u"lb"_s, u"发现未保存设置的轮播组件，已被忽略..."_s);
}

}  // namespace

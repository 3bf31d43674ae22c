#include "components/widget/countdown.h"

#include "support/emitter_fixture.h"

#include <gtest/gtest.h>

using namespace vitrine;
using namespace Qt::StringLiterals;
using testsupport::EmitterFixture;

namespace {

// A countdown saved at 360 × 90 with the window's initial texts.
struct CountdownFixture : EmitterFixture {
    int row = addRow(u"倒计时"_s);

    CountdownFixture() {
        setCell(row, 6, u"http://p/bg.jpg"_s);
        setCell(row, col::Saved, u"1"_s);
        writeSettings(u"djs"_s, row,
                      {{u"距左"_s, u"15"_s},  {u"距顶"_s, u"25"_s},  {u"宽度"_s, u"360"_s}, {u"高度"_s, u"90"_s},
                       {u"底图"_s, u"http://p/bg.jpg"_s},             {u"年数"_s, u"2015"_s}, {u"年字"_s, u"年"_s},
                       {u"月数"_s, u"5"_s},   {u"月字"_s, u"月"_s},  {u"号数"_s, u"9"_s},   {u"号字"_s, u"日"_s},
                       {u"时数"_s, u"20"_s},  {u"时字"_s, u"时"_s},  {u"分数"_s, u"23"_s},  {u"分字"_s, u"分"_s},
                       {u"秒数"_s, u"18"_s},  {u"秒字"_s, u"秒"_s},  {u"字距"_s, u"89"_s},  {u"字号"_s, u"18"_s},
                       {u"字体"_s, u"微软雅黑"_s}, {u"字色"_s, u"#fff"_s}});
    }
};

TEST(Countdown, TheFormsInitialTexts) {
    CountdownFixture f;
    const auto out = f.run(countdown::emitCode, f.row);
    EXPECT_EQ(out.code,
              u"<div class=\"most-footer footer-more-trigger J_TWidget\" data-type=\"countdown\" style=\"z-index:8;"
              u"background:none;top:25px;left:15px;width:360px;height:90px;background-image:url(http://p/bg.jpg);"
              u"background-repeat:no-repeat;border:0;padding:0;\"\r\n"
              u"data-widget-type=\"Countdown\" data-widget-config=\"{'endTime':'2015-5-9 20:23:18','interval': 1000, "
              u"'timeRunCls': '.time-run', 'timeUnitCls':{'d': '.ks-d','h': '.ks-h','m': '.ks-m','s': '.ks-s',"
              u"'i': '.ks-i'},'minDigit': 1,'timeEndCls': '.time-e'}\">\r\n"
              u"    <div class=\"time-run\">\r\n"
              u"        <div style=\"float:left;width:89px;height:90px;line-height:90px;text-align:center;color:#fff;"
              u"font-family:微软雅黑;font-size:18px;font-weight:normal;;display:inline;\">\r\n"
              u"            <span class=\"ks-d\">\r\n"
              u"                00\r\n"
              u"            </span>\r\n"
              u"            <span style=\"display:inline\">\r\n"
              u"                日\r\n"
              u"            </span>\r\n"
              u"        </div>\r\n"
              u"        <div style=\"float:left;width:89px;height:90px;line-height:90px;text-align:center;color:#fff;"
              u"font-family:微软雅黑;font-size:18px;font-weight:normal;;display:inline;\">\r\n"
              u"            <span class=\"ks-h\">\r\n"
              u"                00\r\n"
              u"            </span>\r\n"
              u"            <span style=\"display:inline\">\r\n"
              u"                时\r\n"
              u"            </span>\r\n"
              u"        </div>\r\n"
              u"        <div style=\"float:left;width:89px;height:90px;line-height:90px;text-align:center;color:#fff;"
              u"font-family:微软雅黑;font-size:18px;font-weight:normal;;display:inline;\">\r\n"
              u"            <span class=\"ks-m\">\r\n"
              u"                00\r\n"
              u"            </span>\r\n"
              u"            <span style=\"display:inline\">\r\n"
              u"                分\r\n"
              u"            </span>\r\n"
              u"        </div>\r\n"
              u"        <div style=\"float:left;width:89px;height:90px;line-height:90px;;text-align:center;color:#fff;"
              u"font-family:微软雅黑;font-size:18px;font-weight:normal;;display:inline;\">\r\n"
              u"            <span class=\"ks-s\">\r\n"
              u"                00\r\n"
              u"            </span>\r\n"
              u"            <span style=\"display:inline\">\r\n"
              u"                秒\r\n"
              u"            </span>\r\n"
              u"        </div>\r\n"
              u"    </div>\r\n"
              u"    <div class=\"time-e\" style=\"display:none\">\r\n"
              u"        已结束\r\n"
              u"    </div>\r\n"
              u"</div>\r\n"
              u"</div></div></div>"_s);
    EXPECT_TRUE(out.statuses.isEmpty());
}

TEST(Countdown, HeightFontAndUnitWordsGoEverywhereTheyStand) {
    CountdownFixture f;
    f.writeSettings(u"djs"_s, f.row,
                    {{u"高度"_s, u"60"_s}, {u"字体"_s, u"黑体"_s}, {u"号字"_s, u"天"_s}, {u"月数"_s, u"12"_s}});
    const QString code = f.run(countdown::emitCode, f.row).code;
    EXPECT_EQ(code.count(u"height:60px"_s), 9);
    EXPECT_EQ(code.count(u"font-family:黑体;"_s), 4);
    EXPECT_FALSE(code.contains(u"微软雅黑"_s));
    EXPECT_TRUE(code.contains(u"'endTime':'2015-12-9 20:23:18'"_s));
    EXPECT_TRUE(code.contains(u"\r\n                天\r\n"_s));
}

TEST(Countdown, UnsavedIsSkipped) {
    testsupport::expectSkippedUntilWidthSaved(countdown::emitCode, u"djs"_s, kUnsavedSkipText);
}

}  // namespace

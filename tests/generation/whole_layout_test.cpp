#include "components/kinds.h"
#include "components/platform_hosts.h"
#include "document/component_kind.h"
#include "generation/pipeline.h"
#include "support/emitter_fixture.h"

#include <gtest/gtest.h>

using namespace vitrine;
using namespace Qt::StringLiterals;

namespace {

// One saved component of every kind, in row order, with the carousel's two
// arrows after it, and one saved text.
struct WholeLayout : testsupport::EmitterFixture {
    TemplateSet templates{u"<M>"_s, u"<W>Nirova软件735206914</W>"_s, u"<T>735206914</T>"_s, u"<J>735206914</J>"_s};

    WholeLayout() {
        background.setCell(0, modcol::Edition, u"专业版"_s);
        background.setCell(0, modcol::Width, u"950"_s);
        background.setCell(0, modcol::Height, u"500"_s);
        background.setCell(0, modcol::TopSpacing, u"0"_s);
        background.setCell(0, modcol::HorizontalPosition, u"center"_s);
        random = testsupport::ScriptedRandom({5, 800});

        addRow(kind::Picture, {u"1"_s, u"2"_s, u"10"_s, u"10"_s, u"_blank"_s, u"p.jpg"_s, u"#"_s, u"t"_s, u"1"_s});
        const int carousel = addRow(kind::Carousel, {u"真"_s, {}, {}, {}, {}, {}, {}, {}, u"1"_s});
        writeSettings(u"lb"_s, carousel,
                      {{u"宽度"_s, u"100"_s}, {u"高度"_s, u"50"_s}, {u"距左"_s, u"0"_s}, {u"距顶"_s, u"0"_s},
                       {u"编辑框数量"_s, u"2"_s}, {u"左箭头"_s, u"L"_s}, {u"右箭头"_s, u"R"_s},
                       {u"左箭头距左"_s, u"0"_s}, {u"左箭头距顶"_s, u"10"_s}, {u"右箭头距左"_s, u"60"_s},
                       {u"右箭头距顶"_s, u"10"_s}, {u"打开方式"_s, u"_self"_s}, {u"自动轮播"_s, u"false"_s},
                       {u"动画效果"_s, u"fade"_s}, {u"切换效果"_s, u"easeNone"_s}, {u"刷新间隔"_s, u"1"_s},
                       {u"箭头开关"_s, u"block"_s}, {u"图片1"_s, u"a"_s}, {u"链接1"_s, u"b"_s}, {u"图片2"_s, u"c"_s},
                       {u"链接2"_s, u"d"_s}});
        addRow(kind::LeftArrow);
        addRow(kind::RightArrow);
        addRow(kind::Magnifier, {u"1"_s, u"2"_s, u"100"_s, u""_s, u"_blank"_s, u"s"_s, u"b"_s, u"#"_s, u"1"_s,
                                 u"120"_s, u"#fff"_s});
        addRow(kind::DoubleSided, {u"3"_s, u"4"_s, u"50"_s, u"60"_s, u"_blank"_s, u"f"_s, u"#"_s, u"k"_s, u"1"_s});
        const int countdown = addRow(kind::Countdown, {{}, {}, {}, {}, {}, u"bg"_s, {}, {}, u"1"_s});
        writeSettings(u"djs"_s, countdown,
                      {{u"距左"_s, u"5"_s}, {u"距顶"_s, u"6"_s}, {u"宽度"_s, u"300"_s}, {u"高度"_s, u"60"_s},
                       {u"底图"_s, u"bg"_s}, {u"年数"_s, u"2020"_s}, {u"年字"_s, u"年"_s}, {u"月数"_s, u"1"_s},
                       {u"月字"_s, u"月"_s}, {u"号数"_s, u"2"_s}, {u"号字"_s, u"天"_s}, {u"时数"_s, u"3"_s},
                       {u"时字"_s, u"时"_s}, {u"分数"_s, u"4"_s}, {u"分字"_s, u"分"_s}, {u"秒数"_s, u"5"_s},
                       {u"秒字"_s, u"秒"_s}, {u"字距"_s, u"70"_s}, {u"字号"_s, u"16"_s}, {u"字体"_s, u"黑体"_s},
                       {u"字色"_s, u"#f00"_s}});
        addRow(kind::WangwangGroup, {u"1"_s, u"2"_s, u"63"_s, u"20"_s, u"7"_s, u"g"_s, {}, {}, u"1"_s});
        addRow(kind::Cart, {u"1"_s, u"2"_s, u"120"_s, u"31"_s, u"c"_s, u"i"_s, {}, {}, u"1"_s});
        addRow(kind::QrCode, {u"1"_s, u"2"_s, u"2"_s, u"http://q/?id=数字"_s, u"9"_s, {}, {}, {}, u"1"_s});
        addRow(kind::CustomerService, {u"1"_s, u"2"_s, u"70"_s, u"70"_s, u"ww"_s, u"chat?u=旺旺"_s, u"av"_s,
                                       u"icon?u=旺旺"_s, u"1"_s, u""_s, u"left"_s});
        addRow(kind::Video, {u"1"_s, u"2"_s, u"350"_s, u"240"_s, u"v.swf"_s, {}, {}, {}, u"1"_s});
        const int search = addRow(kind::Search, {{}, {}, {}, {}, {}, {}, {}, {}, u"1"_s});
        writeSettings(u"ss"_s, search,
                      {{u"宽度"_s, u"238"_s}, {u"高度"_s, u"31"_s}, {u"距左"_s, u"1"_s}, {u"距顶"_s, u"2"_s},
                       {u"搜框宽"_s, u"180"_s}, {u"搜框高"_s, u"30"_s}, {u"按扭宽"_s, u"50"_s}, {u"按扭高"_s, u"30"_s},
                       {u"预设字"_s, u"k"_s}, {u"店铺"_s, u"s"_s}, {u"搜框背景色"_s, u"#fff"_s},
                       {u"搜框文字色"_s, u"#000"_s}, {u"搜框边框色"_s, u"#f00"_s}, {u"按扭背景色"_s, u"#f00"_s},
                       {u"按扭文字色"_s, u"#fff"_s}});
        addRow(kind::Share, {u"1"_s, u"2"_s, u"92"_s, u"27"_s, u"8"_s, u"si"_s, {}, {}, u"1"_s});
        addRow(kind::Favourite, {u"1"_s, u"2"_s, u"190"_s, u"174"_s, u"fp"_s, u"fs"_s, {}, {}, u"1"_s});
        addRow(kind::Like, {u"1"_s, u"2"_s, u"2"_s, u"li"_s, {}, {}, {}, {}, u"1"_s});
        addRow(kind::Follow, {u"1"_s, u"2"_s, u"75"_s, u"22"_s, u"id"_s, u"fi"_s, {}, {}, u"1"_s});

        const int text = background.appendRow();
        background.setCell(text, col::Kind, kind::Text);
        background.setCell(text, col::Saved, u"1"_s);
        writeSettings(u"wz"_s, text,
                      {{u"宽度"_s, u"75"_s}, {u"高度"_s, u"22"_s}, {u"距左"_s, u"1"_s}, {u"距顶"_s, u"2"_s},
                       {u"内容"_s, u"字"_s}, {u"链接"_s, u""_s}, {u"对齐"_s, u"center"_s}, {u"字号"_s, u"14"_s},
                       {u"字体"_s, u"宋体"_s}, {u"字距"_s, u"22"_s}, {u"加粗"_s, u"bold"_s}, {u"字色"_s, u"#000000"_s},
                       {u"背色"_s, u""_s}});
    }

    GenerationResult run() {
        return generate({components, background, &folder(), templates, random, emitterFor, textKind().emitter});
    }
};

QString countdownCell(const QString& unitClass, const QString& unit, bool doubledSemicolon) {
    return u"        <div style=\"float:left;width:70px;height:60px;line-height:60px;"_s +
           (doubledSemicolon ? u";"_s : u""_s) +
           u"text-align:center;color:#f00;font-family:黑体;font-size:16px;font-weight:normal;;display:inline;\">\r\n"
           u"            <span class=\""_s + unitClass + u"\">\r\n"
           u"                00\r\n"
           u"            </span>\r\n"
           u"            <span style=\"display:inline\">\r\n"
           u"                "_s + unit + u"\r\n"
           u"            </span>\r\n"
           u"        </div>\r\n"_s;
}

TEST(WholeLayout, EveryKindInRowOrderThenTheTextThenTheClosing) {
    WholeLayout f;
    const GenerationResult r = f.run();
    const QString slide =
        u"<div style=\"width: 100px; height: 50px; overflow: hidden; display: block; opacity: 1; position: absolute; "
        u"z-index: 1;\"><a target=\"_self\" href=\"%1\"><img src=\"%2\" style=\"width:100px;height:50px;\"></a></div>"_s;
    const QString expected =
        u"<M>"
        // picture
        u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:2px;left:1px;width:10px;height:10px;"
        u"padding: 0;border:0;background:none;\"><a href=\"#\" target=\"_blank\" title=\"t\"><img src=\"p.jpg\" "
        u"style=\"width:10px;height:10px\"></a></div>"
        // carousel, its arrows within
        u"\n"
        u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:0px;left:0px;"
        u"width:100px;height:50px;border:0;padding:0;\">\n"
        u"    <div class=\"J_TWidget\" data-widget-type=\"Carousel\" data-widget-config=\"{'effect':'fade',"
        u"'easing':'easeNone','circular':true,'autoplay':false,'contentCls':'vemuro_content_5','navCls':'vemuro_5',"
        u"'activeTriggerCls':'selected','duration':'1','prevBtnCls': 'prev_5', 'nextBtnCls': 'next_5'}\" "
        u"style=\"width:490px;height:300px;\">\n"
        u"        <div class=\"vemuro_box\" style=\"width:100px;height:50px; overflow: hidden; position: relative;\">\n"
        u"            <div class=\"vemuro_content_5\" style=\"position: absolute;\">\n"
        u"\t\t\t\t"_s + slide.arg(u"b"_s, u"a"_s) + slide.arg(u"d"_s, u"c"_s) + u"          </div>\n"
        u"        </div>\n"
        u"        <ul class=\"vemuro_5\" style=\"display:none;\">\n"
        u"\t\t\t<li>0</li><li>1</li>\n"
        u"        </ul>\n"
        u"        <div class=\"prev_5 most-footer footer-more-trigger\" style=\"display:block;background:none;border:0;"
        u"padding:0;z-index:99;left:0px;top:10px;width:40px;height:40px;background:url(L);cursor:pointer;\">\n"
        u"        </div>\n"
        u"        <div class=\"next_5 most-footer footer-more-trigger\" style=\"display:block;background:none;border:0;"
        u"padding:0;z-index:99;left:60px;top:10px;width:40px;height:40px;background:url(R);cursor:pointer;\">\n"
        u"        </div>\n"
        u"    </div>\n"
        u"</div>\n"
        // magnifier
        u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:2px;left:1px;width:100px;"
        u"height:100px;padding: 0;border:0;background:none;\"><span><a href=\"#\" target=\"_blank\"><img "
        u"class=\"nirova800\" src=\"s\" style=\"width:100px;\" /></a></span><div class=\"J_TWidget\" "
        u"data-widget-config=\"{'trigger':'.nirova800','align':{'node':'.nirova800','offset':[-8,-20],"
        u"'points':['lc','lc']}}\" data-widget-type=\"Popup\" style=\"width:110px;display:none;z-index:99;\"> "
        u"<div style=\"width:120px;text-align:center;color:#000000;font-size:10pt;background-color:#fff;"
        u"margin-top: 1px;\"> <span><a href=\"#\" target=\"_blank\"><img src=\"b\" style=\"width:110px;"
        u"margin-left:auto;float:none;margin-top: 10px;margin: 5px;\" /></a> </span>     </div> </div> </div>"
        // double-sided picture
        u"<div class=\"most-footer footer-more-trigger\" data-title=\"鼠标滑动效果\" style=\"z-index:2;top:4px;"
        u"left:3px;width:50px;height:60px;border:0;padding:0;background:none;overflow:hidden;\"><div "
        u"class=\"footer-more\" style=\"width:50px;height:60px;float:none;padding:0;right:auto;top:0;left:0;\"><a "
        u"style=\"padding:0;height:auto;background:none;\" href=\"#\" target=\"_blank\"><img src=\"f\" width=\"50px\" "
        u"height=\"60px\" alt=\"\"></a><span class=\"footer-more-panel\" style=\"width:50px;height:60px;border:0;"
        u"padding:0;background:none;bottom:auto;right:auto;top:0;left:0;\"><a href=\"#\" target=\"_blank\"><img "
        u"src=\"k\" width=\"50px\" height=\"60px\" alt=\"\"></a></span></div></div></div></div>"
        // countdown
        u"<div class=\"most-footer footer-more-trigger J_TWidget\" data-type=\"countdown\" style=\"z-index:8;"
        u"background:none;top:6px;left:5px;width:300px;height:60px;background-image:url(bg);"
        u"background-repeat:no-repeat;border:0;padding:0;\"\r\n"
        u"data-widget-type=\"Countdown\" data-widget-config=\"{'endTime':'2020-1-2 3:4:5','interval': 1000, "
        u"'timeRunCls': '.time-run', 'timeUnitCls':{'d': '.ks-d','h': '.ks-h','m': '.ks-m','s': '.ks-s',"
        u"'i': '.ks-i'},'minDigit': 1,'timeEndCls': '.time-e'}\">\r\n"
        u"    <div class=\"time-run\">\r\n"_s +
        countdownCell(u"ks-d"_s, u"天"_s, false) + countdownCell(u"ks-h"_s, u"时"_s, false) +
        countdownCell(u"ks-m"_s, u"分"_s, false) + countdownCell(u"ks-s"_s, u"秒"_s, true) +
        u"    </div>\r\n"
        u"    <div class=\"time-e\" style=\"display:none\">\r\n"
        u"        已结束\r\n"
        u"    </div>\r\n"
        u"</div>\r\n"
        u"</div></div></div>"
        // Wangwang group
        u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:2px;left:1px;"
        u"width:63px;height:20px;border:0;padding:0;\">\r\n"
        u"\t<a href=\""_s + hosts::kMainWebHost + u"/go/act/other/wwgroup.php?uid=1&tribeid=7\" target=\"_blank\">\r\n"
        u"\t\t<img src=\"g\" alt=\"点击这里群聊\">\r\n"
        u"\t</a>\r\n"
        u"</div>"
        // cart
        u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:4;background:none;top:2px;left:1px;"
        u"width:120px;height:31px;border:0;padding:0;\">\r\n"
        u"    <a class=\"J_CartPluginTrigger\" href=\"i\" target=\"_blank\" title=\"加入购物车\">\r\n"
        u"        <img style=\"width:120px;height:31px;\" src=\"c\"/>\r\n"
        u"    </a>\r\n"
        u"</div>"
        // QR code
        u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:5;background:none;top:2px;left:1px;"
        u"width:140px;height:140px;border:0;padding:0;\">\r\n"
        u"\t<img src=\"http://q/?id=9\" style=\"width:90px;height:90px\">\r\n"
        u"</div>"
        // customer service
        u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:6;background:none;top:2px;left:1px;"
        u"width:70px;height:70px;border:0;padding:0;\">\r\n"
        u"\t<a target=\"_blank\" href=\"chat?u=ww\">\r\n"
        u"\t\t<img src=\"av\">\r\n"
        u"\t</a>\r\n"
        u"\t<div class=\"\" style=\"background:none;top:auto;left:auto;text-align:left;width:100%;right:0;bottom:0;"
        u"border:0;padding:0;\">\r\n"
        u"\t\t<a target=\"_blank\" href=\"chat?u=ww\">\r\n"
        u"\t<img border=\"0\" src=\"icon?u=ww\" alt=\"点击这里和我联系\" />\r\n"
        u"</a>\r\n"
        u"\t</div>\r\n"
        u"</div>"
        // video
        u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:2px;left:1px;"
        u"width:350px;height:240px;border:0;padding:0;\">\r\n"
        u"<embed wmode=\"transparent\" allowscriptaccess=\"never\" flashvars=\"scene=taobao_shop\" width=\"350px\" "
        u"height=\"240px\" pluginspage=\""_s + hosts::kFlashPlayerHost + u"/go/getflashplayer\" quality=\"high\" "
        u"src=\"v.swf\" type=\"application/x-shockwave-flash\">\r\n"
        u"</div>"
        // search box, its outer element left open
        u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:2px;left:1px;width:238px;height:31px;"
        u"padding: 0;border:0;background:none;\"><div style=\"width:238px;height:31px;line-height:29px;float:left;"
        u"margin:0px 0px 0 0px;border:1px solid #f00;background:#fff;\">\r\n"
        u"\t<form action=\"s/category.htm?scene=taobao_shop\" name=\"SearchForm\" method=\"post\">\r\n"
        u"\t\t <input type=\"hidden\" value=\"y\" name=\"search\" /> <input class=\"keyword-input prompt\" "
        u"value=\"k\" name=\"keyword\" size=\"40\" style=\"width:180px;height:30px;padding:0 2px;border:none;"
        u"background:none;float:left;outline:none;color:#000;\" /> <input type=\"submit\" class=\"btn\" "
        u"value=\"搜索\" style=\"width:50px;height:30px;border:none;float:right;background:#f00;cursor:pointer;"
        u"color:#fff;\" />&nbsp;\r\n"
        u"\t</form>\r\n"
        u"</div>"
        // share
        u"\n"
        u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:2px;left:1px;"
        u"width:92px;height:27px;border:0;padding:0;\">\n"
        u"    <div class=\"sns-widget\" data-sharebtn=\"{client_id:68,skinType:3,type:'item',key:8,"
        u"'comment':'感觉很不错哟，给大家分享一下！'}\" style=\"width:92px;height:27px;background:url(si) no-repeat;"
        u"cursor:pointer;\">\n"
        u"    </div>\n"
        u"</div>"
        // favourite
        u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:2px;left:1px;"
        u"width:190px;height:174px;border:0;padding:0;\">\r\n"
        u"    <a class=\"J_TokenSign\" href=\"fs\" target=\"_blank\">\r\n"
        u"        <img src=\"fp\" style=\"width:190px;height:174px;\">\r\n"
        u"    </a>\r\n"
        u"</div>"
        // like
        u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:2px;left:1px;"
        u"width:109px;height:25px;border:0;padding:0;\">\r\n"
        u"\t<div class=\"sns-widget\" data-like='{\"type\":2,\"key\":\"li\",\"skinType\":2}'></div>\r\n"
        u"</div>"
        // Tmall follow
        u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:2px;left:1px;"
        u"width:75px;height:22px;border:0;padding:0;\">\r\n"
        u"\t<a href=\"#\" class=\"j_CollectBrand\" data-brandid=\"id\">\r\n"
        u"\t\t<img src=\"fi\" style=\"width:75px;height:22px;\">\r\n"
        u"\t</a>\r\n"
        u"</div>"
        // the text
        u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:2px;left:1px;width:75px;height:22px;"
        u"background:none;background-color:;border:0;padding:0;\">\r\n"
        u"\t<div style=\"line-height:22px;text-align:center;\">\r\n"
        u"\t\t\r\n"
        u"\t\t<span style=\"font-size:14px;color:#000000;font-family:宋体;font-weight:bold;\">字</span>\r\n"
        u"\t</div>\r\n"
        u"</div>"
        // the closing
        u"</div></div></div>"_s;

    ASSERT_FALSE(r.refused);
    EXPECT_EQ(r.code, expected);
    EXPECT_EQ(r.preview, QByteArray::fromStdString(r.codeGbk).prepend("<J>").append("</J>"));
    EXPECT_EQ(r.statuses, QStringList({kStatusModule, kStatusComponents, kStatusDone}));
    EXPECT_EQ(r.emitterState, kEmitterStarted);
    EXPECT_EQ(f.random.ranges, (std::vector<std::pair<int, int>>{{1, 100}, {718, 9999}}));
}

}  // namespace

#include "components/link/link_icons.h"

#include "components/platform_hosts.h"
#include "components/link/qr_code.h"
#include "components/link/video.h"
#include "support/emitter_fixture.h"

#include <gtest/gtest.h>

using namespace vitrine;
using namespace Qt::StringLiterals;
using testsupport::EmitterFixture;
namespace icons = vitrine::link_icons;

namespace {

TEST(LinkIcons, Outputs) {
    struct Case {
        const char* name;
        Emitter emitter;
        QStringList cells;  // columns 1..6
        QString expected;
    };
    const Case cases[] = {
        {"Wangwang group",
         icons::wangwang_group::emitCode,
         {u"1"_s, u"2"_s, u"63"_s, u"20"_s, u"123456"_s, u"http://p/g.gif"_s},
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:2px;left:1px;"
         u"width:63px;height:20px;border:0;padding:0;\">\r\n"
         u"\t<a href=\""_s + hosts::kMainWebHost + u"/go/act/other/wwgroup.php?uid=1&tribeid=123456\" "
         u"target=\"_blank\">\r\n"
         u"\t\t<img src=\"http://p/g.gif\" alt=\"点击这里群聊\">\r\n"
         u"\t</a>\r\n"
         u"</div>"_s},
        {"Wangwang group without a number",
         icons::wangwang_group::emitCode,
         {u"1"_s, u"2"_s, u"63"_s, u"20"_s, u""_s, u"g"_s},
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:2px;left:1px;"
         u"width:63px;height:20px;border:0;padding:0;\">\r\n"
         u"\t<a href=\""_s + hosts::kMainWebHost + u"/go/act/other/wwgroup.php?uid=1&tribeid=\" target=\"_blank\">\r\n"
         u"\t\t<img src=\"g\" alt=\"点击这里群聊\">\r\n"
         u"\t</a>\r\n"
         u"</div>"_s},
        {"cart",
         icons::cart::emitCode,
         {u"3"_s, u"4"_s, u"130"_s, u"40"_s, u"http://p/c.png"_s, u"https://item.taobao.com/item.htm?id=9"_s},
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:4;background:none;top:4px;left:3px;"
         u"width:130px;height:40px;border:0;padding:0;\">\r\n"
         u"    <a class=\"J_CartPluginTrigger\" href=\"https://item.taobao.com/item.htm?id=9\" target=\"_blank\" "
         u"title=\"加入购物车\">\r\n"
         u"        <img style=\"width:120px;height:31px;\" src=\"http://p/c.png\"/>\r\n"
         u"    </a>\r\n"
         u"</div>"_s},
        {"cart whose item address holds \"图标\"",
         icons::cart::emitCode,
         {u"3"_s, u"4"_s, u"120"_s, u"31"_s, u"I"_s, u"http://s/图标"_s},
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:4;background:none;top:4px;left:3px;"
         u"width:120px;height:31px;border:0;padding:0;\">\r\n"
         u"    <a class=\"J_CartPluginTrigger\" href=\"http://s/I\" target=\"_blank\" title=\"加入购物车\">\r\n"
         u"        <img style=\"width:120px;height:31px;\" src=\"图标\"/>\r\n"
         u"    </a>\r\n"
         u"</div>"_s},
        {"share, with line feeds alone",
         icons::share::emitCode,
         {u"5"_s, u"6"_s, u"92"_s, u"27"_s, u"520"_s, u"http://p/s.gif"_s},
         u"\n"
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:6px;left:5px;"
         u"width:92px;height:27px;border:0;padding:0;\">\n"
         u"    <div class=\"sns-widget\" data-sharebtn=\"{client_id:68,skinType:3,type:'item',key:520,"
         u"'comment':'感觉很不错哟，给大家分享一下！'}\" style=\"width:92px;height:27px;background:url(http://p/s.gif) "
         u"no-repeat;cursor:pointer;\">\n"
         u"    </div>\n"
         u"</div>"_s},
        {"favourite",
         icons::favourite::emitCode,
         {u"7"_s, u"8"_s, u"190"_s, u"174"_s, u"http://p/f.gif"_s, u"https://shop1.taobao.com"_s},
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:8px;left:7px;"
         u"width:190px;height:174px;border:0;padding:0;\">\r\n"
         u"    <a class=\"J_TokenSign\" href=\"https://shop1.taobao.com\" target=\"_blank\">\r\n"
         u"        <img src=\"http://p/f.gif\" style=\"width:190px;height:174px;\">\r\n"
         u"    </a>\r\n"
         u"</div>"_s},
        {"like: always 109 × 25, its columns 3 and 4 hold the style and the item",
         icons::like::emitCode,
         {u"9"_s, u"10"_s, u"1"_s, u"https://item.taobao.com/item.htm?id=9"_s},
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:10px;left:9px;"
         u"width:109px;height:25px;border:0;padding:0;\">\r\n"
         u"\t<div class=\"sns-widget\" data-like='{\"type\":2,\"key\":\"https://item.taobao.com/item.htm?id=9\","
         u"\"skinType\":1}'></div>\r\n"
         u"</div>"_s},
        {"Tmall follow",
         icons::follow::emitCode,
         {u"11"_s, u"12"_s, u"75"_s, u"22"_s, u"880"_s, u"http://p/t.png"_s},
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:12px;left:11px;"
         u"width:75px;height:22px;border:0;padding:0;\">\r\n"
         u"\t<a href=\"#\" class=\"j_CollectBrand\" data-brandid=\"880\">\r\n"
         u"\t\t<img src=\"http://p/t.png\" style=\"width:75px;height:22px;\">\r\n"
         u"\t</a>\r\n"
         u"</div>"_s},
    };
    for (const Case& c : cases) {
        EmitterFixture f;
        const auto out = f.run(c.emitter, f.addRow(u"链接图标"_s, c.cells));
        EXPECT_EQ(out.code, c.expected) << c.name;
        EXPECT_TRUE(out.statuses.isEmpty()) << c.name;
    }
}

// Column 3 marks a save for every link kind; the saved flag is not looked at.
TEST(LinkIcons, UnsavedIsSkippedByEveryLinkKind) {
    const Emitter emitters[] = {icons::wangwang_group::emitCode, icons::cart::emitCode, icons::share::emitCode,
                                icons::favourite::emitCode,      icons::like::emitCode, icons::follow::emitCode,
                                qr_code::emitCode,               video::emitCode};
    for (const Emitter emitter : emitters) {
        EmitterFixture f;
        const int row = f.addRow(u"链接图标"_s, {u"1"_s, u"2"_s, u""_s, u"20"_s, u"x"_s, u"y"_s});
        f.setCell(row, col::Saved, u"1"_s);
        const auto out = f.run(emitter, row);
        EXPECT_TRUE(out.bytes.empty());
        EXPECT_EQ(out.statuses, QStringList{kUnsavedSkipText});
    }
}

}  // namespace

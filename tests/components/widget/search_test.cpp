#include "components/widget/search.h"

#include "support/emitter_fixture.h"

#include <gtest/gtest.h>

using namespace vitrine;
using namespace Qt::StringLiterals;
using testsupport::EmitterFixture;

namespace {

// A search box saved at 238 × 31 with the window's initial sizes and colours.
struct SearchFixture : EmitterFixture {
    int row = addRow(u"搜索"_s);

    SearchFixture() {
        setCell(row, col::Saved, u"1"_s);
        writeSettings(u"ss"_s, row,
                      {{u"宽度"_s, u"238"_s}, {u"高度"_s, u"31"_s}, {u"距左"_s, u"700"_s}, {u"距顶"_s, u"12"_s},
                       {u"搜框宽"_s, u"180"_s}, {u"搜框高"_s, u"30"_s}, {u"按扭宽"_s, u"50"_s}, {u"按扭高"_s, u"30"_s},
                       {u"预设字"_s, u"连衣裙"_s}, {u"店铺"_s, u"https://shop1.taobao.com"_s},
                       {u"搜框背景色"_s, u"#fff"_s}, {u"搜框文字色"_s, u"#000"_s}, {u"搜框边框色"_s, u"#FF798A"_s},
                       {u"按扭背景色"_s, u"#FF798A"_s}, {u"按扭文字色"_s, u"#fff"_s}});
    }
};

TEST(Search, SavedAt238By31) {
    SearchFixture f;
    const auto out = f.run(search::emitCode, f.row);
    EXPECT_EQ(out.code,
              u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:12px;left:700px;width:238px;"
              u"height:31px;padding: 0;border:0;background:none;\"><div style=\"width:238px;height:31px;"
              u"line-height:29px;float:left;margin:0px 0px 0 0px;border:1px solid #FF798A;background:#fff;\">\r\n"
              u"\t<form action=\"https://shop1.taobao.com/category.htm?scene=taobao_shop\" name=\"SearchForm\" "
              u"method=\"post\">\r\n"
              u"\t\t <input type=\"hidden\" value=\"y\" name=\"search\" /> <input class=\"keyword-input prompt\" "
              u"value=\"连衣裙\" name=\"keyword\" size=\"40\" style=\"width:180px;height:30px;padding:0 2px;border:none;"
              u"background:none;float:left;outline:none;color:#000;\" /> <input type=\"submit\" class=\"btn\" "
              u"value=\"搜索\" style=\"width:50px;height:30px;border:none;float:right;background:#FF798A;"
              u"cursor:pointer;color:#fff;\" />&nbsp;\r\n"
              u"\t</form>\r\n"
              u"</div>"_s);
    EXPECT_TRUE(out.statuses.isEmpty());
}

TEST(Search, EmptyTextsAndAHeightThatIsNoNumber) {
    SearchFixture f;
    f.writeSettings(u"ss"_s, f.row, {{u"预设字"_s, u""_s}, {u"店铺"_s, u""_s}, {u"高度"_s, u"abc"_s}});
    const QString code = f.run(search::emitCode, f.row).code;
    EXPECT_TRUE(code.contains(u"<form action=\"/category.htm?scene=taobao_shop\""_s));
    EXPECT_TRUE(code.contains(u"value=\"\" name=\"keyword\""_s));
    EXPECT_TRUE(code.contains(u"height:abcpx;line-height:-2px;"_s));
}

TEST(Search, UnsavedIsSkipped) {
    testsupport::expectSkippedUntilWidthSaved(search::emitCode, u"ss"_s, kUnsavedSkipText);
}

}  // namespace

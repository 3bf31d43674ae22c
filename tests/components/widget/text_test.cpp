#include "components/widget/text.h"

#include "document/component_kind.h"
#include "support/emitter_fixture.h"

#include <gtest/gtest.h>

using namespace vitrine;
using namespace Qt::StringLiterals;
using testsupport::EmitterFixture;

namespace {

// Text 1, saved with the window's initial texts.
struct TextFixture : EmitterFixture {
    int row = background.appendRow();

    TextFixture() {
        background.setCell(row, col::Kind, kind::Text);
        background.setCell(row, col::Saved, u"1"_s);
        writeSettings(u"wz"_s, row,
                      {{u"宽度"_s, u"75"_s}, {u"高度"_s, u"22"_s}, {u"距左"_s, u"10"_s}, {u"距顶"_s, u"30"_s},
                       {u"内容"_s, u"Nirova软件"_s}, {u"链接"_s, u"#"_s}, {u"对齐"_s, u"left"_s},
                       {u"字号"_s, u"12"_s}, {u"字体"_s, u"仿宋"_s}, {u"字距"_s, u"22"_s}, {u"加粗"_s, u"bold"_s},
                       {u"字色"_s, u"#000000"_s}, {u"背色"_s, u""_s}});
    }
};

TEST(Text, Outputs) {
    struct Case {
        const char* name;
        testsupport::Settings changes;
        QString expected;
    };
    const Case cases[] = {
        {"the link \"#\" opens on line 3 and closes after the span",
         {},
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:30px;left:10px;width:75px;height:22px;"
         u"background:none;background-color:;border:0;padding:0;\">\r\n"
         u"\t<div style=\"line-height:22px;text-align:left;\">\r\n"
         u"\t\t<a href=\"#\" target=\"_blank\" style=\"color:#000000;text-decoration: none;\">\r\n"
         u"\t\t<span style=\"font-size:12px;color:#000000;font-family:仿宋;font-weight:bold;\">Nirova软件</span></a>\r\n"
         u"\t</div>\r\n"
         u"</div>"_s},
        {"without a link, alignment and line height, with a background",
         {{u"链接"_s, u""_s}, {u"对齐"_s, u""_s}, {u"字距"_s, u""_s}, {u"加粗"_s, u"normal;"_s},
          {u"字色"_s, u"#00FF00"_s}, {u"背色"_s, u"#0000FF"_s}},
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:30px;left:10px;width:75px;height:22px;"
         u"background:none;background-color:#0000FF;border:0;padding:0;\">\r\n"
         u"\t<div style=\"line-height:px;text-align:;\">\r\n"
         u"\t\t\r\n"
         u"\t\t<span style=\"font-size:12px;color:#00FF00;font-family:仿宋;font-weight:normal;;\">Nirova软件</span>\r\n"
         u"\t</div>\r\n"
         u"</div>"_s},
        {"\"链接\" in the content takes the link; other placeholder words stay",
         {{u"内容"_s, u"看链接与对齐字号链接"_s}, {u"链接"_s, u"http://s/"_s}},
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:30px;left:10px;width:75px;height:22px;"
         u"background:none;background-color:;border:0;padding:0;\">\r\n"
         u"\t<div style=\"line-height:22px;text-align:left;\">\r\n"
         u"\t\t<a href=\"http://s/\" target=\"_blank\" style=\"color:#000000;text-decoration: none;\">\r\n"
         u"\t\t<span style=\"font-size:12px;color:#000000;font-family:仿宋;font-weight:bold;\">看http://s/与对齐字号"
         u"链接</span></a>\r\n"
         u"\t</div>\r\n"
         u"</div>"_s},
        {"without a link, \"链接\" in the content is removed",
         {{u"内容"_s, u"看链接"_s}, {u"链接"_s, u""_s}},
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:30px;left:10px;width:75px;height:22px;"
         u"background:none;background-color:;border:0;padding:0;\">\r\n"
         u"\t<div style=\"line-height:22px;text-align:left;\">\r\n"
         u"\t\t\r\n"
         u"\t\t<span style=\"font-size:12px;color:#000000;font-family:仿宋;font-weight:bold;\">看</span>\r\n"
         u"\t</div>\r\n"
         u"</div>"_s},
    };
    for (const Case& c : cases) {
        TextFixture f;
        f.writeSettings(u"wz"_s, f.row, c.changes);
        const auto out = f.runText(text::emitCode, f.row);
        EXPECT_EQ(out.code, c.expected) << c.name;
        EXPECT_TRUE(out.statuses.isEmpty()) << c.name;
    }
}

TEST(Text, UnsavedIsSkipped) {
    testsupport::expectSkippedUntilWidthSaved(text::emitCode, u"wz"_s, kUnsavedSkipText, true);
}

}  // namespace

#include "components/image/magnifier.h"

#include "support/emitter_fixture.h"

#include <gtest/gtest.h>

using namespace vitrine;
using namespace Qt::StringLiterals;
using testsupport::EmitterFixture;

namespace {

TEST(Magnifier, Outputs) {
    struct Case {
        const char* name;
        QStringList cells;  // columns 1..11
        int random;
        QString expected;
    };
    const Case cases[] = {
        {"a new magnifier saved unchanged at 1.2 times",
         {u"10"_s, u"20"_s, u"220"_s, u""_s, u"_self"_s, u"http://p/s.jpg"_s, u"http://p/b.jpg"_s, u"#"_s, u"1"_s,
          u"264"_s, u"#fff"_s},
         718,
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:20px;left:10px;width:220px;"
         u"height:220px;padding: 0;border:0;background:none;\"><span><a href=\"#\" target=\"_blank\"><img "
         u"class=\"nirova718\" src=\"http://p/s.jpg\" style=\"width:220px;\" /></a></span><div class=\"J_TWidget\" "
         u"data-widget-config=\"{'trigger':'.nirova718','align':{'node':'.nirova718','offset':[-8,-20],"
         u"'points':['lc','lc']}}\" data-widget-type=\"Popup\" style=\"width:254px;display:none;z-index:99;\"> "
         u"<div style=\"width:264px;text-align:center;color:#000000;font-size:10pt;background-color:#fff;"
         u"margin-top: 1px;\"> <span><a href=\"#\" target=\"_blank\"><img src=\"http://p/b.jpg\" "
         u"style=\"width:254px;margin-left:auto;float:none;margin-top: 10px;margin: 5px;\" /></a> </span>     "
         u"</div> </div> </div>"_s},
        {"a picked colour, a fractional zoom width and a link",
         {u"0"_s, u"0"_s, u"300"_s, u""_s, u"_blank"_s, u"s"_s, u"b"_s, u"http://shop/"_s, u"1"_s, u"450.5"_s,
          u"#0000FF"_s},
         9999,
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:0px;left:0px;width:300px;"
         u"height:300px;padding: 0;border:0;background:none;\"><span><a href=\"http://shop/\" target=\"_blank\"><img "
         u"class=\"nirova9999\" src=\"s\" style=\"width:300px;\" /></a></span><div class=\"J_TWidget\" "
         u"data-widget-config=\"{'trigger':'.nirova9999','align':{'node':'.nirova9999','offset':[-8,-20],"
         u"'points':['lc','lc']}}\" data-widget-type=\"Popup\" style=\"width:440.5px;display:none;z-index:99;\"> "
         u"<div style=\"width:450.5px;text-align:center;color:#000000;font-size:10pt;background-color:#0000FF;"
         u"margin-top: 1px;\"> <span><a href=\"http://shop/\" target=\"_blank\"><img src=\"b\" "
         u"style=\"width:440.5px;margin-left:auto;float:none;margin-top: 10px;margin: 5px;\" /></a> </span>     "
         u"</div> </div> </div>"_s},
    };
    for (const Case& c : cases) {
        EmitterFixture f;
        f.random = testsupport::ScriptedRandom({c.random});
        const auto out = f.run(magnifier::emitCode, f.addRow(u"放大镜"_s, c.cells));
        EXPECT_EQ(out.code, c.expected) << c.name;
        EXPECT_EQ(out.bytes.find('\n'), std::string::npos) << c.name;
        ASSERT_EQ(f.random.ranges.size(), 1u) << c.name;
        EXPECT_EQ(f.random.ranges[0], std::make_pair(718, 9999)) << c.name;
    }
}

TEST(Magnifier, UnsavedIsSkipped) {
    EmitterFixture f;
    // The emitter looks at the left, not at the saved flag.
    const int row = f.addRow(u"放大镜"_s, {u""_s, u"20"_s, u"220"_s, u""_s, u"_blank"_s, u"s"_s, u"b"_s, u"#"_s,
                                            u"1"_s, u"264"_s, u"#fff"_s});
    const auto out = f.run(magnifier::emitCode, row);
    EXPECT_TRUE(out.bytes.empty());
    EXPECT_EQ(out.statuses, QStringList{kUnsavedSkipText});
    EXPECT_TRUE(f.random.ranges.empty());
}

}  // namespace

#include "components/image/double_sided.h"

#include "support/emitter_fixture.h"

#include <gtest/gtest.h>

using namespace vitrine;
using namespace Qt::StringLiterals;
using testsupport::EmitterFixture;

namespace {

TEST(DoubleSided, FrontAndBackWithOneLinkAndTarget) {
    EmitterFixture f;
    const int row = f.addRow(u"双面图"_s, {u"5"_s, u"6"_s, u"300"_s, u"200"_s, u"_self"_s, u"http://p/front.jpg"_s,
                                            u"http://shop/"_s, u"http://p/back.gif"_s, u"1"_s});
    const auto out = f.run(double_sided::emitCode, row);
    EXPECT_EQ(out.code,
              u"<div class=\"most-footer footer-more-trigger\" data-title=\"鼠标滑动效果\" style=\"z-index:2;top:6px;"
              u"left:5px;width:300px;height:200px;border:0;padding:0;background:none;overflow:hidden;\"><div "
              u"class=\"footer-more\" style=\"width:300px;height:200px;float:none;padding:0;right:auto;top:0;left:0;\">"
              u"<a style=\"padding:0;height:auto;background:none;\" href=\"http://shop/\" target=\"_self\"><img "
              u"src=\"http://p/front.jpg\" width=\"300px\" height=\"200px\" alt=\"\"></a><span "
              u"class=\"footer-more-panel\" style=\"width:300px;height:200px;border:0;padding:0;background:none;"
              u"bottom:auto;right:auto;top:0;left:0;\"><a href=\"http://shop/\" target=\"_self\"><img "
              u"src=\"http://p/back.gif\" width=\"300px\" height=\"200px\" alt=\"\"></a></span></div></div></div>"
              u"</div>"_s);
    EXPECT_TRUE(out.statuses.isEmpty());
}

TEST(DoubleSided, UnsavedIsSkipped) {
    EmitterFixture f;
    const auto out = f.run(double_sided::emitCode, f.addRow(u"双面图"_s));
    EXPECT_TRUE(out.bytes.empty());
    EXPECT_EQ(out.statuses, QStringList{kUnsavedSkipText});
}

}  // namespace

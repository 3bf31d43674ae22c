#include "components/link/video.h"

#include "components/platform_hosts.h"
#include "support/emitter_fixture.h"

#include <gtest/gtest.h>

using namespace vitrine;
using namespace Qt::StringLiterals;
using testsupport::EmitterFixture;

namespace {

TEST(Video, SavedWithTheDefaultMovie) {
    EmitterFixture f;
    const int row = f.addRow(u"视频"_s, {u"20"_s, u"30"_s, u"350"_s, u"240"_s, hosts::kDefaultVideo});
    const auto out = f.run(video::emitCode, row);
    EXPECT_EQ(out.code,
              u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:30px;left:20px;"
              u"width:350px;height:240px;border:0;padding:0;\">\r\n"
              u"<embed wmode=\"transparent\" allowscriptaccess=\"never\" flashvars=\"scene=taobao_shop\" "
              u"width=\"350px\" height=\"240px\" pluginspage=\""_s +
                  hosts::kFlashPlayerHost + u"/go/getflashplayer\" quality=\"high\" src=\""_s + hosts::kDefaultVideo +
                  u"\" type=\"application/x-shockwave-flash\">\r\n"
                  u"</div>"_s);
    EXPECT_TRUE(hosts::kDefaultVideo.endsWith(u".swf"_s));
}

}  // namespace

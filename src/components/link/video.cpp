#include "components/link/video.h"

#include "components/link/link_icons.h"
#include "components/platform_hosts.h"
#include "document/layer.h"
#include "generation/gbk.h"

namespace vitrine::video {
using namespace Qt::StringLiterals;

const QString kFlashPlayerDownload = hosts::kFlashPlayerHost + u"/go/getflashplayer"_s;

// The player's width and height attributes carry the unit "px" after the number.
const QString kTemplate =
    link_icons::kBoxLine + u"\r\n"
    u"<embed wmode=\"transparent\" allowscriptaccess=\"never\" flashvars=\"scene=taobao_shop\" width=\"宽度px\" "
        u"height=\"高度px\" pluginspage=\""_s + kFlashPlayerDownload + u"\" quality=\"high\" src=\"视频\" "
        u"type=\"application/x-shockwave-flash\">\r\n"
    u"</div>"_s;

void emitCode(EmitContext& ctx) {
    static const std::string kTemplateGbk = toGbk(kTemplate);  // converted once
    link_icons::emitBoxFromRow(ctx, kTemplateGbk, 2, {{u"视频", Movie, 1}});
}

}  // namespace vitrine::video

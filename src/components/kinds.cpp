#include "components/kinds.h"

#include "components/image/carousel.h"
#include "components/image/double_sided.h"
#include "components/image/magnifier.h"
#include "components/image/picture.h"
#include "components/link/link_icons.h"
#include "components/link/qr_code.h"
#include "components/link/video.h"
#include "components/widget/countdown.h"
#include "components/widget/customer_service.h"
#include "components/widget/search.h"
#include "components/widget/text.h"
#include "components/image/picture_spec.h"
#include "components/image/magnifier_spec.h"
#include "components/image/double_sided_spec.h"
#include "components/link/link_icons_spec.h"
#include "components/link/qr_code_spec.h"
#include "components/link/video_spec.h"
#include "components/widget/customer_service_spec.h"

namespace vitrine {
using namespace Qt::StringLiterals;

namespace {

std::vector<KindInfo> buildKinds() {
    // kind, toolbar caption, window caption, toolbar x, y, new width, height, picture, emitter, handles, prefix
    return {
        {u"图片"_s, u"图片"_s, u"属性设置"_s, 130, 7, 120, 120, u"picture"_s, picture::emitCode, true, {}, picture::windowSpec},
        {u"轮播"_s, u"轮播"_s, u"轮播属性设置"_s, 183, 7, 300, 130, u"carousel"_s, carousel::emitCode, true, carousel::kSettingsPrefix},
        {u"放大镜"_s, u"放大镜"_s, u"放大镜属性设置 "_s, 236, 7, 220, 220, u"magnifier"_s, magnifier::emitCode, true, {}, magnifier::windowSpec},
        {u"双面图"_s, u"双面图"_s, u"双面图属性设置"_s, 289, 7, 120, 120, u"doublesided"_s, double_sided::emitCode, true, {}, double_sided::windowSpec},
        {u"倒计时"_s, u"倒计时"_s, u"倒计时属性置"_s, 342, 7, 360, 90, u"countdown"_s, countdown::emitCode, true, countdown::kSettingsPrefix},
        {u"旺旺群"_s, u"旺旺群"_s, u"旺旺群属性设置"_s, 395, 7, 63, 20, u"wangwanggroup"_s, link_icons::wangwang_group::emitCode, true, {}, link_icons::wangwang_group::windowSpec},
        {u"购物车"_s, u"购物车"_s, u"购物车属性设置"_s, 448, 7, 120, 31, u"cart"_s, link_icons::cart::emitCode, true, {}, link_icons::cart::windowSpec},
        {u"二维码"_s, u"二维码"_s, u"二维码属性设置"_s, 501, 7, 140, 140, u"qrcode"_s, qr_code::emitCode, false, {}, qr_code::windowSpec},
        {u"客服"_s, u"客服"_s, u"客服属性设置"_s, 130, 35, 70, 70, u"service"_s, customer_service::emitCode, true, {}, customer_service::windowSpec},
        {u"视频"_s, u"视频"_s, u"视频属性设置"_s, 183, 35, 350, 240, u"video"_s, video::emitCode, true, {}, video::windowSpec},
        {u"搜索"_s, u"搜索"_s, u"搜索属性设置"_s, 236, 35, 238, 31, u"search"_s, search::emitCode, true, search::kSettingsPrefix},
        {u"分享"_s, u"分享"_s, u"分享属性设置"_s, 342, 35, 92, 27, u"share"_s, link_icons::share::emitCode, true, {}, link_icons::share::windowSpec},
        {u"收藏"_s, u"收藏"_s, u"收藏属性设置"_s, 395, 35, 190, 174, u"favourite"_s, link_icons::favourite::emitCode, true, {}, link_icons::favourite::windowSpec},
        {u"喜欢"_s, u"喜欢"_s, u"喜欢属性设置"_s, 448, 35, 111, 27, u"like"_s, link_icons::like::emitCode, false, {}, link_icons::like::windowSpec},
        {u"关注"_s, u"关注"_s, u"天猫关注属性设置"_s, 501, 35, 75, 22, u"follow"_s, link_icons::follow::emitCode, true, {}, link_icons::follow::windowSpec},
        {u"左箭头"_s, u"左箭头"_s, u"轮播属性设置"_s, 32, 8, 40, 40, u"leftarrow"_s, nullptr, true, {}},
        {u"右箭头"_s, u"右箭头"_s, u"轮播属性设置"_s, 32, 34, 40, 40, u"rightarrow"_s, nullptr, true, {}},
    };
}

}  // namespace

const std::vector<KindInfo>& componentKinds() {
    static const std::vector<KindInfo> kinds = buildKinds();
    return kinds;
}

const KindInfo& textKind() {
    static const KindInfo text{u"文字"_s, u"文字"_s, u"文字属性设置"_s, 289, 35, 75, 22, {}, text::emitCode, true, text::kSettingsPrefix};
    return text;
}

const KindInfo* findKind(const QString& kind) {
    for (const KindInfo& k : componentKinds())
        if (k.kind == kind) return &k;
    return nullptr;
}

Emitter emitterFor(const QString& kind) {
    const KindInfo* k = findKind(kind);
    return k ? k->emitter : nullptr;
}

QStringList componentSettingsPrefixes() {
    QStringList prefixes;
    for (const KindInfo& k : componentKinds())
        if (!k.settingsPrefix.isEmpty()) prefixes << k.settingsPrefix;
    return prefixes;
}

}  // namespace vitrine

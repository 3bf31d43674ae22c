#include "components/link/qr_code.h"

#include "components/link/link_icons.h"
#include "components/platform_hosts.h"
#include "document/layer.h"
#include "generation/gbk.h"

namespace vitrine::qr_code {
using namespace Qt::StringLiterals;

QString addressForm(CodeType type) {
    switch (type) {
    case CodeType::TmallShop:
        return hosts::kQrTransitHost + u"/web/doSuperTransit.do?url="_s + hosts::kShopShortLink +
               u"&type=shop&biz=tmall&iframe=1&mmstat=shop_head&key=数字"_s;
    case CodeType::TmallItem:
        return hosts::kQrImageHost + u"/img?v=1&type=bi&item_id=数字"_s;
    case CodeType::MarketShop:
        return hosts::kQrImageHost + u"/img?type=cs&shop_id=数字&seller_id=&w=90&h=90&el=q&v=1"_s;
    case CodeType::MarketItem:
        return hosts::kQrImageHost + u"/img?type=ci&item_id=数字&isShow=0&v=1"_s;
    }
    return {};
}

const QString kInitialAddressForm =
    hosts::kQrImageHost + u"/img?type=cs&shop_id=数字&seller_id=&w=140&h=140&el=q&v=1"_s;

const QString kTemplate =
    u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:5;background:none;top:距顶px;left:距左px;"
        u"width:140px;height:140px;border:0;padding:0;\">\r\n"
    u"\t<img src=\"#链接\" style=\"width:90px;height:90px\">\r\n"
    u"</div>"_s;

void emitCode(EmitContext& ctx) {
    // The template holds no "数字": the number goes into the address form
    // that the first step puts in.
    static const std::string kTemplateGbk = toGbk(kTemplate);  // converted once
    link_icons::emitFromRow(ctx, kTemplateGbk,
                            {{u"#链接", AddressForm, 1},
                             {u"数字", Number, 1},
                             {u"距左", col::Left, 1},
                             {u"距顶", col::Top, 1}});
}

}  // namespace vitrine::qr_code

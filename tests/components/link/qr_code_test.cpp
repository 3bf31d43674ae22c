#include "components/link/qr_code.h"

#include "components/platform_hosts.h"
#include "support/emitter_fixture.h"

#include <gtest/gtest.h>

using namespace vitrine;
using namespace Qt::StringLiterals;
using testsupport::EmitterFixture;

namespace {

QString box(const QString& left, const QString& top, const QString& picture) {
    return u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:5;background:none;top:"_s + top +
           u"px;left:"_s + left + u"px;width:140px;height:140px;border:0;padding:0;\">\r\n"
           u"\t<img src=\""_s + picture + u"\" style=\"width:90px;height:90px\">\r\n"
           u"</div>"_s;
}

TEST(QrCode, Outputs) {
    struct Case {
        const char* name;
        QStringList cells;  // columns 1..5
        QString expected;
    };
    const Case cases[] = {
        {"\"天猫宝贝\" with 123",
         {u"30"_s, u"40"_s, u"1"_s, qr_code::addressForm(qr_code::CodeType::TmallItem), u"123"_s},
         box(u"30"_s, u"40"_s, hosts::kQrImageHost + u"/img?v=1&type=bi&item_id=123"_s)},
        {"a new component saved as it opened: the market shop at 140 × 140",
         {u"0"_s, u"0"_s, qr_code::kDefaultType, qr_code::kInitialAddressForm, u"456"_s},
         box(u"0"_s, u"0"_s, hosts::kQrImageHost + u"/img?type=cs&shop_id=456&seller_id=&w=140&h=140&el=q&v=1"_s)},
        {"a Tmall shop, through the transit service and the short link",
         {u"1"_s, u"2"_s, u"0"_s, qr_code::addressForm(qr_code::CodeType::TmallShop), u"77"_s},
         box(u"1"_s, u"2"_s,
             hosts::kQrTransitHost + u"/web/doSuperTransit.do?url="_s + hosts::kShopShortLink +
                 u"&type=shop&biz=tmall&iframe=1&mmstat=shop_head&key=77"_s)},
        {"only the first \"数字\" takes the number; an empty number leaves the id empty",
         {u"1"_s, u"2"_s, u"3"_s, u"http://q/?a=数字&b=数字"_s, u""_s},
         box(u"1"_s, u"2"_s, u"http://q/?a=&b=数字"_s)},
    };
    for (const Case& c : cases) {
        EmitterFixture f;
        const auto out = f.run(qr_code::emitCode, f.addRow(u"二维码"_s, c.cells));
        EXPECT_EQ(out.code, c.expected) << c.name;
    }
}

}  // namespace

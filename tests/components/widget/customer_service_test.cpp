#include "components/widget/customer_service.h"

#include "support/emitter_fixture.h"

#include <gtest/gtest.h>

using namespace vitrine;
using namespace Qt::StringLiterals;
using testsupport::EmitterFixture;

namespace {

TEST(CustomerService, AccountEncoding) {
    const std::pair<QString, QString> cases[] = {
        {u"a b/c_软~"_s, u"a%20b%2Fc%5F%E8%BD%AF%7E"_s},
        {u""_s, u""_s},
        {u"Shop-1.cn"_s, u"Shop-1.cn"_s},
        {u"店😀:"_s, u"%E5%BA%97%F0%9F%98%80%3A"_s},
    };
    for (const auto& [account, encoded] : cases)
        EXPECT_EQ(customer_service::encodeAccount(account), encoded) << account.toStdString();
}

// Every service address the window offers has the account's place.
TEST(CustomerService, ServiceAddressesHoldTheAccountsPlace) {
    for (const QString& address : {customer_service::kLargeStatusIcon, customer_service::kSmallStatusIcon,
                                   customer_service::kChatSplitOn, customer_service::kChatSplitOff}) {
        EXPECT_TRUE(address.startsWith(u"https://"_s)) << address.toStdString();
        EXPECT_EQ(address.count(u"=旺旺&"_s), 1) << address.toStdString();
    }
}

TEST(CustomerService, Outputs) {
    struct Case {
        const char* name;
        QString avatar, icon, iconClass;
        QString expected;
    };
    const Case cases[] = {
        {"avatar and small icon inside the avatar",
         u"http://p/a.jpg"_s, u"http://ww/online?uid=旺旺&s=2"_s, u"most-footer footer-more-trigger"_s,
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:6;background:none;top:8px;left:4px;"
         u"width:70px;height:80px;border:0;padding:0;\">\r\n"
         u"\t<a target=\"_blank\" href=\"http://chat/?uid=a%20b%2Fc%5F%E8%BD%AF%7E\">\r\n"
         u"\t\t<img src=\"http://p/a.jpg\">\r\n"
         u"\t</a>\r\n"
         u"\t<div class=\"most-footer footer-more-trigger\" style=\"background:none;top:auto;left:auto;"
         u"text-align:right;width:100%;right:0;bottom:0;border:0;padding:0;\">\r\n"
         u"\t\t<a target=\"_blank\" href=\"http://chat/?uid=a%20b%2Fc%5F%E8%BD%AF%7E\">\r\n"
         u"\t<img border=\"0\" src=\"http://ww/online?uid=a%20b%2Fc%5F%E8%BD%AF%7E&s=2\" alt=\"点击这里和我联系\" />\r\n"
         u"</a>\r\n"
         u"\t</div>\r\n"
         u"</div>"_s},
        {"\"不显示\": no icon, the link's closing tag stays",
         u"http://p/a.jpg"_s, u""_s, u""_s,
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:6;background:none;top:8px;left:4px;"
         u"width:70px;height:80px;border:0;padding:0;\">\r\n"
         u"\t<a target=\"_blank\" href=\"http://chat/?uid=a%20b%2Fc%5F%E8%BD%AF%7E\">\r\n"
         u"\t\t<img src=\"http://p/a.jpg\">\r\n"
         u"\t</a>\r\n"
         u"\t<div class=\"\" style=\"background:none;top:auto;left:auto;"
         u"text-align:right;width:100%;right:0;bottom:0;border:0;padding:0;\">\r\n"
         u"\t\t\r\n"
         u"</a>\r\n"
         u"\t</div>\r\n"
         u"</div>"_s},
        {"no avatar, the icon below",
         u""_s, u"http://ww/online?uid=旺旺&s=1"_s, u""_s,
         u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:6;background:none;top:8px;left:4px;"
         u"width:70px;height:80px;border:0;padding:0;\">\r\n"
         u"\t\r\n"
         u"\t<div class=\"\" style=\"background:none;top:auto;left:auto;"
         u"text-align:right;width:100%;right:0;bottom:0;border:0;padding:0;\">\r\n"
         u"\t\t<a target=\"_blank\" href=\"http://chat/?uid=a%20b%2Fc%5F%E8%BD%AF%7E\">\r\n"
         u"\t<img border=\"0\" src=\"http://ww/online?uid=a%20b%2Fc%5F%E8%BD%AF%7E&s=1\" alt=\"点击这里和我联系\" />\r\n"
         u"</a>\r\n"
         u"\t</div>\r\n"
         u"</div>"_s},
    };
    for (const Case& c : cases) {
        EmitterFixture f;
        const int row = f.addRow(u"客服"_s, {u"4"_s, u"8"_s, u"70"_s, u"80"_s, u"a b/c_软~"_s, u"http://chat/?uid=旺旺"_s,
                                             c.avatar, c.icon, u"1"_s, c.iconClass, u"right"_s});
        const auto out = f.run(customer_service::emitCode, row);
        EXPECT_EQ(out.code, c.expected) << c.name;
        EXPECT_TRUE(out.statuses.isEmpty()) << c.name;
    }
}

TEST(CustomerService, AnEmptyAccountLeavesItsPlacesEmpty) {
    EmitterFixture f;
    const int row = f.addRow(u"客服"_s, {u"0"_s, u"0"_s, u"70"_s, u"70"_s, u""_s, u"http://chat/?touid=旺旺&x=1"_s,
                                         u"a.jpg"_s, u"http://ww/?uid=旺旺&s=2"_s, u"1"_s, u""_s, u"left"_s});
    const QString code = f.run(customer_service::emitCode, row).code;
    EXPECT_EQ(code.count(u"href=\"http://chat/?touid=&x=1\""_s), 2);
    EXPECT_TRUE(code.contains(u"src=\"http://ww/?uid=&s=2\""_s));
    EXPECT_FALSE(code.contains(u"旺旺"_s));
}

TEST(CustomerService, UnsavedIsSkipped) {
    EmitterFixture f;
    // Never saved, whatever the row's other cells say: the width marks a save.
    const int row = f.addRow(u"客服"_s, {u"4"_s, u"8"_s, u""_s, u"80"_s, u"shop"_s});
    const auto out = f.run(customer_service::emitCode, row);
    EXPECT_TRUE(out.bytes.empty());
    EXPECT_EQ(out.statuses, QStringList{kUnsavedSkipText});
}

}  // namespace

// The windows of the kinds that keep all their settings in their row (the
// magnifier, the double-sided picture, the customer service, the six link
// icons, the QR code and the video), each worked through the same path: a
// new item opens with its defaults and the orange marker, the user edits and
// saves, the row holds exactly what was typed and chosen, the picture is
// fetched where the kind has one, a reopened window shows the saved values
// with the green marker, and "生成代码" emits the kind's block from the row.

#include "components/image/double_sided_spec.h"
#include "components/image/magnifier_spec.h"
#include "components/kinds.h"
#include "components/link/link_icons_spec.h"
#include "components/link/qr_code.h"
#include "components/platform_hosts.h"
#include "components/widget/customer_service.h"
#include "components/widget/customer_service_spec.h"
#include "properties/property_windows.h"
#include "properties/test_host.h"
#include "properties/window_driver.h"
#include "properties/window_spec.h"
#include "support/http_server.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <vector>

using namespace vitrine;
using namespace vitrine::properties;
using namespace windowdriver;
using namespace Qt::StringLiterals;
using testsupport::HttpServer;

namespace {

// A control and what is done to it, or what it shows (see window_driver.h).
struct Step {
    QString control;
    QString value;
};

struct KindCase {
    QString kind;
    QList<Step> atFirst;  // what a never-saved item's window shows
    QList<Step> edits;
    QStringList row;      // columns 1 .. 11 after the save
    QString savedText;    // empty: the save leaves the status bar alone
    bool fetches;         // the picture at the served address reaches the item
    QList<Step> reopened;
    QStringList code;     // parts of the generated block
};

// Stands for the address of a picture the test serves.
const QString kServed = u"@pic@"_s;

const QString& back(int style) { return hosts::kDoubleSidedBackPictures[style]; }

std::vector<KindCase> kindCases() {
    using namespace customer_service;
    const Step left{kLeftField, u"50"_s}, top{kTopField, u"60"_s};
    return {
        {u"放大镜"_s,
         {{u"编辑框_打开"_s, u"_blank"_s}, {u"组合框1"_s, u"0"_s}, {u"编辑框_底图"_s, hosts::kDefaultMagnifierPicture},
          {u"编辑框_放大图"_s, hosts::kDefaultMagnifierPicture}, {u"编辑框_链接"_s, {}}, {u"编辑框_倍数"_s, u"264"_s},
          {u"编辑框_边框色"_s, u"#fff"_s}, {kWidthField, u"220"_s}, {kHeightField, u"220"_s}, {kLeftField, u"30"_s},
          {kTopField, u"40"_s}},
         {left, top, {kWidthField, u"300"_s}, {u"组合框2"_s, u"3"_s}, {u"编辑框_边框色"_s, u"#FF8000"_s},
          {u"组合框1"_s, u"1"_s}, {u"编辑框_底图"_s, kServed}, {u"编辑框_放大图"_s, u"http://img.example/large.jpg"_s},
          {u"编辑框_链接"_s, u"http://shop.example/m"_s}},
         {u"50"_s, u"60"_s, u"300"_s, {}, u"_self"_s, kServed, u"http://img.example/large.jpg"_s,
          u"http://shop.example/m"_s, u"1"_s, u"450"_s, u"#FF8000"_s},
         magnifier::kSavedText, true,
         {{kWidthField, u"300"_s}, {kHeightField, u"300"_s}, {u"组合框1"_s, u"1"_s}, {u"编辑框_底图"_s, kServed},
          {u"编辑框_放大图"_s, u"http://img.example/large.jpg"_s}, {u"编辑框_链接"_s, u"http://shop.example/m"_s},
          {u"编辑框_倍数"_s, u"450"_s}, {u"编辑框_边框色"_s, u"#FF8000"_s}},
         {u"width:300px;height:300px"_s, u"background-color:#FF8000"_s, u"style=\"width:440px;display:none"_s,
          u"<img class=\"nirova718\" src=\"@pic@\""_s}},

        {u"双面图"_s,
         {{u"编辑框_打开"_s, u"_blank"_s}, {u"组合框1"_s, u"0"_s}, {u"编辑框_底图"_s, hosts::kDefaultDoubleSidedFront},
          {u"编辑框_放大图"_s, back(7)}, {u"组合框2"_s, u"7"_s}, {u"编辑框_链接"_s, {}}, {kWidthField, u"120"_s},
          {kHeightField, u"120"_s}},
         {left, top, {kWidthField, u"300"_s}, {kHeightField, u"200"_s}, {u"组合框1"_s, u"1"_s}, {u"组合框2"_s, u"3"_s},
          {u"编辑框_底图"_s, kServed}, {u"编辑框_链接"_s, u"http://shop.example/d"_s}},
         {u"50"_s, u"60"_s, u"300"_s, u"200"_s, u"_self"_s, kServed, u"http://shop.example/d"_s, back(3), u"1"_s, {}, {}},
         double_sided::kSavedText, true,
         {{u"组合框1"_s, u"1"_s}, {u"组合框2"_s, u"3"_s}, {u"编辑框_放大图"_s, back(3)}, {u"编辑框_底图"_s, kServed},
          {kWidthField, u"300"_s}, {kHeightField, u"200"_s}},
         {u"target=\"_self\"><img src=\"@pic@\" width=\"300px\" height=\"200px\""_s, u"<img src=\""_s + back(3)}},

        {u"客服"_s,
         {{u"编辑框_旺旺号"_s, {}}, {u"编辑框_头像"_s, {}}, {u"选择框1"_s, u"cleared"_s}, {u"选择框2"_s, u"cleared"_s},
          {u"编辑框_分流"_s, kChatSplitOff}, {u"编辑框_旺旺样式"_s, {}}, {u"组合框1"_s, u"2"_s},
          {u"编辑框_旺旺位置"_s, {}}, {u"组合框2"_s, u"0"_s}, {u"编辑框_旺旺对齐"_s, u"right"_s}, {u"组合框3"_s, u"2"_s},
          {kWidthField, u"70"_s}},
         {left, top, {kWidthField, u"80"_s}, {kHeightField, u"90"_s}, {u"编辑框_旺旺号"_s, u"a b/c_软~"_s},
          {u"选择框1"_s, {}}, {u"编辑框_头像"_s, kServed}, {u"选择框2"_s, {}}, {u"组合框1"_s, u"1"_s},
          {u"组合框2"_s, u"1"_s}, {u"组合框3"_s, u"1"_s}},
         {u"50"_s, u"60"_s, u"80"_s, u"90"_s, u"a b/c_软~"_s, kChatSplitOn, kServed, kSmallStatusIcon, u"1"_s,
          kIconInside, u"center"_s},
         customer_service::kSavedText, true,
         {{u"编辑框_旺旺号"_s, u"a b/c_软~"_s}, {u"编辑框_头像"_s, kServed}, {u"选择框1"_s, u"ticked"_s},
          {u"选择框2"_s, u"cleared"_s}, {u"编辑框_分流"_s, kChatSplitOn}, {u"组合框1"_s, u"1"_s},
          {u"组合框2"_s, u"1"_s}, {u"组合框3"_s, u"1"_s}},
         {u"touid=a%20b%2Fc%5F%E8%BD%AF%7E"_s, u"<img src=\"@pic@\">"_s,
          u"<div class=\"most-footer footer-more-trigger\" style=\"background:none;top:auto;left:auto;text-align:center;"_s}},

        {u"旺旺群"_s,
         {{u"编辑框_群号"_s, {}}, {u"编辑框_底图"_s, hosts::kDefaultGroupBadge}, {kWidthField, u"63"_s},
          {kHeightField, u"20"_s}},
         {left, top, {kWidthField, u"70"_s}, {kHeightField, u"25"_s}, {u"编辑框_群号"_s, u"123456"_s},
          {u"编辑框_底图"_s, kServed}},
         {u"50"_s, u"60"_s, u"70"_s, u"25"_s, u"123456"_s, kServed, {}, {}, u"1"_s, {}, {}},
         link_icons::wangwang_group::kSavedText, true,
         {{u"编辑框_群号"_s, u"123456"_s}, {u"编辑框_底图"_s, kServed}},
         {u"tribeid=123456\""_s, u"<img src=\"@pic@\" alt=\"点击这里群聊\">"_s, u"width:70px;height:25px"_s}},

        {u"购物车"_s,
         {{u"编辑框_图标地址"_s, hosts::kDefaultCartIcon}, {u"编辑框_宝贝地址"_s, {}}, {kWidthField, u"120"_s}},
         {left, top, {kWidthField, u"130"_s}, {kHeightField, u"40"_s}, {u"编辑框_图标地址"_s, kServed},
          {u"编辑框_宝贝地址"_s, u"https://item.taobao.com/item.htm?id=9"_s}},
         {u"50"_s, u"60"_s, u"130"_s, u"40"_s, kServed, u"https://item.taobao.com/item.htm?id=9"_s, {}, {}, u"1"_s, {}, {}},
         link_icons::cart::kSavedText, true,
         {{u"编辑框_图标地址"_s, kServed}, {u"编辑框_宝贝地址"_s, u"https://item.taobao.com/item.htm?id=9"_s}},
         {u"z-index:4;background:none;top:60px;left:50px;width:130px;height:40px"_s,
          u"href=\"https://item.taobao.com/item.htm?id=9\""_s, u"src=\"@pic@\"/>"_s}},

        {u"分享"_s,
         {{u"编辑框_宝贝"_s, {}}, {u"编辑框_图标"_s, hosts::kDefaultShareIcon}, {kWidthField, u"92"_s}},
         {left, top, {kWidthField, u"100"_s}, {kHeightField, u"30"_s}, {u"编辑框_宝贝"_s, u"520"_s},
          {u"编辑框_图标"_s, kServed}},
         {u"50"_s, u"60"_s, u"100"_s, u"30"_s, u"520"_s, kServed, {}, {}, u"1"_s, {}, {}},
         link_icons::share::kSavedText, true,
         {{u"编辑框_宝贝"_s, u"520"_s}, {u"编辑框_图标"_s, kServed}},
         {u"key:520,"_s, u"style=\"width:100px;height:30px;background:url(@pic@) no-repeat"_s}},

        {u"收藏"_s,
         {{u"编辑框_图片"_s, hosts::kDefaultFavouritePicture}, {u"编辑框_店铺"_s, {}}, {kHeightField, u"174"_s}},
         {left, top, {kWidthField, u"200"_s}, {kHeightField, u"180"_s}, {u"编辑框_图片"_s, kServed},
          {u"编辑框_店铺"_s, u"https://shop1.taobao.com"_s}},
         {u"50"_s, u"60"_s, u"200"_s, u"180"_s, kServed, u"https://shop1.taobao.com"_s, {}, {}, u"1"_s, {}, {}},
         link_icons::favourite::kSavedText, true,
         {{u"编辑框_图片"_s, kServed}, {u"编辑框_店铺"_s, u"https://shop1.taobao.com"_s}},
         {u"href=\"https://shop1.taobao.com\""_s, u"<img src=\"@pic@\" style=\"width:200px;height:180px;\">"_s}},

        // The served address as the item address: a like button fetches nothing.
        {u"喜欢"_s,
         {{u"编辑框_样式"_s, u"2"_s}, {u"单选框2"_s, u"checked"_s}, {u"单选框1"_s, u"unchecked"_s},
          {u"编辑框_宝贝地址"_s, {}}, {kWidthField, u"<missing>"_s}, {kHeightField, u"<missing>"_s},
          {kLeftField, u"30"_s}},
         {left, top, {u"单选框1"_s, {}}, {u"编辑框_宝贝地址"_s, kServed}},
         {u"50"_s, u"60"_s, u"1"_s, kServed, {}, {}, {}, {}, u"1"_s, {}, {}},
         link_icons::like::kSavedText, false,
         {{u"编辑框_样式"_s, u"1"_s}, {u"单选框1"_s, u"checked"_s}, {u"编辑框_宝贝地址"_s, kServed}},
         {u"\"key\":\"@pic@\",\"skinType\":1}"_s, u"top:60px;left:50px;width:109px;height:25px"_s}},

        {u"关注"_s,
         {{u"编辑框_店铺"_s, {}}, {u"编辑框_图标"_s, hosts::kDefaultFollowIcon}, {kWidthField, u"75"_s}},
         {left, top, {kWidthField, u"80"_s}, {kHeightField, u"24"_s}, {u"编辑框_店铺"_s, u"12345"_s},
          {u"编辑框_图标"_s, kServed}},
         {u"50"_s, u"60"_s, u"80"_s, u"24"_s, u"12345"_s, kServed, {}, {}, u"1"_s, {}, {}},
         link_icons::follow::kSavedText, true,
         {{u"编辑框_店铺"_s, u"12345"_s}, {u"编辑框_图标"_s, kServed}},
         {u"data-brandid=\"12345\""_s, u"<img src=\"@pic@\" style=\"width:80px;height:24px;\">"_s}},

        // The size fields move the item only; the row keeps the code type there.
        {u"二维码"_s,
         {{u"编辑框_店铺"_s, u"2"_s}, {u"组合框1"_s, u"2"_s}, {u"编辑框_数字"_s, {}},
          {u"编辑框_宝贝"_s, qr_code::kInitialAddressForm}, {kWidthField, u"140"_s}},
         {left, top, {kWidthField, u"160"_s}, {u"组合框1"_s, u"1"_s}, {u"编辑框_数字"_s, u"123"_s}},
         {u"50"_s, u"60"_s, u"1"_s, qr_code::addressForm(qr_code::CodeType::TmallItem), u"123"_s, {}, {}, {}, u"1"_s,
          {}, {}},
         {}, false,
         {{u"编辑框_店铺"_s, u"1"_s}, {u"组合框1"_s, u"1"_s}, {u"编辑框_数字"_s, u"123"_s},
          {u"编辑框_宝贝"_s, qr_code::addressForm(qr_code::CodeType::TmallItem)}, {kWidthField, u"160"_s}},
         {u"top:60px;left:50px;width:140px;height:140px"_s,
          u"<img src=\""_s + hosts::kQrImageHost + u"/img?v=1&type=bi&item_id=123\" style=\"width:90px;height:90px\">"_s}},

        // A video address is not fetched either, though it is a web address.
        {u"视频"_s,
         {{u"编辑框_视频地址"_s, hosts::kDefaultVideo}, {kWidthField, u"350"_s}, {kHeightField, u"240"_s}},
         {left, top, {kWidthField, u"400"_s}, {kHeightField, u"300"_s}, {u"编辑框_视频地址"_s, kServed}},
         {u"50"_s, u"60"_s, u"400"_s, u"300"_s, kServed, {}, {}, {}, u"1"_s, {}, {}},
         {}, false,
         {{u"编辑框_视频地址"_s, kServed}, {kWidthField, u"400"_s}},
         {u"width=\"400px\" height=\"300px\""_s, u"src=\"@pic@\" type=\"application/x-shockwave-flash\""_s}},
    };
}

QString served(QString text, const QString& address) { return text.replace(kServed, address); }

void expectShown(QWidget* w, const QList<Step>& steps, const QString& address) {
    for (const Step& s : steps) {
        const QString now = w->findChild<QLineEdit*>(s.control) ? text(w, s.control) : shown(w, s.control);
        QVERIFY2(now == served(s.value, address),
                 qPrintable(u"%1 shows \"%2\", not \"%3\""_s.arg(s.control, now, served(s.value, address))));
    }
}

}  // namespace

class RowWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        quietOffscreenNotes();
        HttpServer::Route picture;
        picture.body = pngBytes(8, 8);
        picture.contentType = "image/png";
        server.route(u"/p.png"_s, picture);
    }

    void everyKind_data() {
        QTest::addColumn<int>("index");
        const auto cases = kindCases();
        for (int i = 0; i < static_cast<int>(cases.size()); ++i) QTest::newRow(qPrintable(cases[i].kind)) << i;
    }

    void opensWithItsDefaultsAndTheOrangeMarker_data() { everyKind_data(); }
    void opensWithItsDefaultsAndTheOrangeMarker() {
        QFETCH(int, index);
        const KindCase c = kindCases()[index];
        const KindInfo* kind = findKind(c.kind);
        QVERIFY(kind && kind->window);
        TestHost host;
        host.addComponent(c.kind, 30, 40, kind->width, kind->height);
        PropertyWindowManager windows(host);
        windows.open(c.kind);
        QWidget* w = windows.window(c.kind);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), kind->windowCaption);
        expectShown(w, c.atFirst, {});
        QCOMPARE(w->findChild<QLabel*>(kOrdinalLabel)->text(), u"1"_s);
        QCOMPARE(marker(w), kOrange);
        QCOMPARE(host.statuses, QStringList{kUnsavedText});
        QCOMPARE(rowCells(host.componentLayer, host.number).mid(1), QStringList(11, QString()));
    }

    void savesReopensAndGenerates_data() { everyKind_data(); }
    void savesReopensAndGenerates() {
        QFETCH(int, index);
        const KindCase c = kindCases()[index];
        const QString address = server.url(u"/p.png"_s).toString();
        const int hitsBefore = server.hits(u"/p.png"_s);
        const KindInfo* kind = findKind(c.kind);
        TestHost host;
        host.addComponent(c.kind, 30, 40, kind->width, kind->height);
        PropertyWindowManager windows(host);
        windows.open(c.kind);
        QWidget* w = windows.window(c.kind);
        for (const Step& s : c.edits) QVERIFY2(act(w, s.control, served(s.value, address)), qPrintable(s.control));
        host.statuses.clear();
        clickSave(w);

        QStringList row;
        for (const QString& cell : c.row) row << served(cell, address);
        QCOMPARE(rowCells(host.componentLayer, host.number), QStringList{c.kind} + row);
        QCOMPARE(marker(w), kGreen);
        QCOMPARE(host.statuses, c.savedText.isEmpty() ? QStringList{} : QStringList{c.savedText});
        if (c.fetches) {
            QTRY_COMPARE(host.pictureCalls, 1);
            QCOMPARE(host.selected->pixmap().size(), QSize(8, 8));
        } else {
            QTest::qWait(100);
            QCOMPARE(server.hits(u"/p.png"_s), hitsBefore);
        }

        windows.closeAll();
        host.statuses.clear();
        windows.open(c.kind);
        w = windows.window(c.kind);
        expectShown(w, c.reopened, address);
        QCOMPARE(marker(w), kGreen);
        QCOMPARE(host.statuses, QStringList{});

        const QString code = generatedCode(host);
        QVERIFY(code.contains(emittedBlock(host, host.number)));
        for (const QString& part : c.code)
            QVERIFY2(code.contains(served(part, address)), qPrintable(served(part, address)));
    }

private:
    HttpServer server;
};

QTEST_MAIN(RowWindowsTest)
#include "row_windows_test.moc"

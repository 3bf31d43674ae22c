// The rules of their own that the windows of the row-keeping kinds add to
// the shared path: the magnifier's side, height, zoom and border colour, the
// double-sided picture's back styles, the customer service's check boxes and
// choosers, the like button's style, the QR code's type, and the picture
// and video addresses that an emptied field takes back.

#include "components/image/magnifier.h"
#include "components/kinds.h"
#include "components/link/link_icons.h"
#include "components/link/qr_code.h"
#include "components/platform_hosts.h"
#include "components/widget/customer_service.h"
#include "properties/property_windows.h"
#include "properties/test_host.h"
#include "properties/window_driver.h"
#include "properties/window_spec.h"

#include <QColorDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vitrine;
using namespace vitrine::properties;
using namespace windowdriver;
using namespace Qt::StringLiterals;

namespace {

using Steps = QList<QPair<QString, QString>>;  // control, what is done to it (see window_driver.h)

// A host with one component of `kind`, its row holding `cells` from column 1
// on, and its window open.
struct Opened {
    Opened(const QString& kind, const QStringList& cells = {}, QSize size = {}) : kind(kind) {
        const KindInfo* info = findKind(kind);
        item = host.addComponent(kind, 30, 40, size.isValid() ? size.width() : info->width,
                                 size.isValid() ? size.height() : info->height);
        for (int c = 0; c < cells.size(); ++c) host.componentLayer.setCell(host.number, c + 1, cells[c]);
        windows.open(kind);
    }
    QWidget* w() const { return windows.window(kind); }
    void run(const Steps& steps) {
        for (const auto& [control, value] : steps) QVERIFY2(act(w(), control, value), qPrintable(control));
    }
    QString cell(int column) const { return host.componentLayer.getCell(host.number, column); }

    QString kind;
    TestHost host;
    QLabel* item = nullptr;
    PropertyWindowManager windows{host};
};

// A saved row of the QR code: left, top, type, address form, number.
QStringList qrRow(const QString& type, const QString& form) {
    return {u"5"_s, u"6"_s, type, form, u"77"_s, {}, {}, {}, u"1"_s};
}

const QString& back(int style) { return hosts::kDoubleSidedBackPictures[style]; }

}  // namespace

class RowWindowRulesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietOffscreenNotes(); }

    void magnifierSideAndHeight() {
        Opened m(u"放大镜"_s, {}, {220, 150});
        QCOMPARE(m.item->size(), QSize(220, 220));  // the load makes it square
        QCOMPARE(text(m.w(), kHeightField), u"220"_s);
        m.run({{kWidthField, u"300"_s}});
        QCOMPARE(m.item->size(), QSize(220, 220));  // the side is only saved
        m.run({{kHeightField, u"150"_s}});
        QCOMPARE(m.item->size(), QSize(220, 150));
        // Once saved, the item is the square the code shows.
        clickSave(m.w());
        QCOMPARE(m.item->size(), QSize(300, 300));
        QCOMPARE(text(m.w(), kHeightField), u"300"_s);
        QCOMPARE(m.cell(col::Height), QString());
    }

    void magnifierZoomIsComputedOnce_data() {
        QTest::addColumn<QString>("side");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("zoom");
        QTest::newRow("220 × 1.2") << u"220"_s << 0 << u"264"_s;
        QTest::newRow("300 × 1.5") << u"300"_s << 3 << u"450"_s;
        QTest::newRow("200 × 1.8") << u"200"_s << 6 << u"360"_s;
        QTest::newRow("the integer part") << u"225"_s << 1 << u"292"_s;
        QTest::newRow("no number is 0") << u"abc"_s << 6 << u"0"_s;
    }
    void magnifierZoomIsComputedOnce() {
        QFETCH(QString, side);
        QFETCH(int, entry);
        QFETCH(QString, zoom);
        Opened m(u"放大镜"_s);
        m.run({{kWidthField, side}, {u"组合框2"_s, QString::number(entry)}});
        QCOMPARE(text(m.w(), u"编辑框_倍数"_s), zoom);
        m.run({{kWidthField, u"999"_s}});
        QCOMPARE(text(m.w(), u"编辑框_倍数"_s), zoom);
    }

    void magnifierBorderColour_data() {
        QTest::addColumn<QColor>("picked");
        QTest::addColumn<QString>("stored");
        QTest::newRow("blue") << QColor(0, 0, 255) << u"#0000FF"_s;
        QTest::newRow("magenta") << QColor(255, 0, 255) << u"#FF00FF"_s;
        QTest::newRow("orange") << QColor(255, 128, 0) << u"#FF8000"_s;
    }
    void magnifierBorderColour() {
        QFETCH(QColor, picked);
        QFETCH(QString, stored);
        Opened m(u"放大镜"_s);
        QTest::mouseClick(m.w()->findChild<QPushButton*>(u"颜色选择器1"_s), Qt::LeftButton);
        auto* dialog = m.w()->findChild<QColorDialog*>();
        QVERIFY(dialog);
        dialog->setCurrentColor(picked);
        dialog->accept();
        QCOMPARE(text(m.w(), u"编辑框_边框色"_s), stored);
        clickSave(m.w());
        QCOMPARE(m.cell(magnifier::BorderColour), stored);
    }

    void doubleSidedBackStyles_data() {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("style");
        QTest::newRow("a style writes its picture") << Steps{{u"组合框2"_s, u"3"_s}} << back(3) << u"3"_s;
        QTest::newRow("a style's picture selects it") << Steps{{u"编辑框_放大图"_s, back(10)}} << back(10) << u"10"_s;
        QTest::newRow("a picture of no style leaves the chooser")
            << Steps{{u"组合框2"_s, u"2"_s}, {u"编辑框_放大图"_s, u"http://img.example/own.gif"_s}}
            << u"http://img.example/own.gif"_s << u"2"_s;
        QTest::newRow("only the exact address selects")
            << Steps{{u"编辑框_放大图"_s, back(5).chopped(1)}} << back(5).chopped(1) << u"7"_s;
        QTest::newRow("emptied, the default style comes back")
            << Steps{{u"组合框2"_s, u"0"_s}, {u"编辑框_放大图"_s, {}}} << back(7) << u"7"_s;
    }
    void doubleSidedBackStyles() {
        QFETCH(Steps, steps);
        QFETCH(QString, picture);
        QFETCH(QString, style);
        Opened d(u"双面图"_s);
        d.run(steps);
        QCOMPARE(text(d.w(), u"编辑框_放大图"_s), picture);
        QCOMPARE(shown(d.w(), u"组合框2"_s), style);
    }

    void serviceAvatar_data() {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("avatar");
        QTest::addColumn<QString>("box");
        QTest::newRow("ticking brings the default") << Steps{{u"选择框1"_s, {}}} << hosts::kDefaultServiceAvatar
                                                    << u"ticked"_s;
        QTest::newRow("clearing empties it") << Steps{{u"选择框1"_s, {}}, {u"选择框1"_s, {}}} << QString()
                                            << u"cleared"_s;
        QTest::newRow("any typed address ticks it")
            << Steps{{u"编辑框_头像"_s, u"http://img.example/me.png"_s}} << u"http://img.example/me.png"_s
            << u"ticked"_s;
        QTest::newRow("deleting the address clears it")
            << Steps{{u"选择框1"_s, {}}, {u"编辑框_头像"_s, {}}} << QString() << u"cleared"_s;
    }
    void serviceAvatar() {
        QFETCH(Steps, steps);
        QFETCH(QString, avatar);
        QFETCH(QString, box);
        Opened s(u"客服"_s);
        s.run(steps);
        QCOMPARE(text(s.w(), u"编辑框_头像"_s), avatar);
        QCOMPARE(shown(s.w(), u"选择框1"_s), box);
    }

    void serviceSplitIsNotLoaded() {
        using namespace customer_service;
        QStringList row(11);
        row[ChatLink - 1] = kChatSplitOn;
        row[col::Saved - 1] = u"1"_s;
        Opened s(u"客服"_s, row);
        QCOMPARE(shown(s.w(), u"选择框2"_s), u"cleared"_s);
        QCOMPARE(text(s.w(), u"编辑框_分流"_s), kChatSplitOn);  // saving again keeps the split
        s.run({{u"选择框2"_s, {}}});
        QCOMPARE(text(s.w(), u"编辑框_分流"_s), kChatSplitOn);
        QCOMPARE(shown(s.w(), u"选择框2"_s), u"ticked"_s);
        s.run({{u"选择框2"_s, {}}});
        QCOMPARE(text(s.w(), u"编辑框_分流"_s), kChatSplitOff);
    }

    void serviceChoosersFollowTheRow_data() {
        using namespace customer_service;
        QTest::addColumn<QStringList>("cells");  // status icon, icon class, alignment
        QTest::addColumn<QStringList>("shownAs");  // 组合框1, 组合框2, 组合框3, then 编辑框_旺旺对齐
        QTest::newRow("large, inside, left") << QStringList{kLargeStatusIcon, kIconInside, u"left"_s}
                                             << QStringList{u"0"_s, u"1"_s, u"0"_s, u"left"_s};
        QTest::newRow("small, below, center") << QStringList{kSmallStatusIcon, {}, u"center"_s}
                                              << QStringList{u"1"_s, u"0"_s, u"1"_s, u"center"_s};
        QTest::newRow("no icon; empty alignment is right") << QStringList{{}, {}, {}}
                                                           << QStringList{u"2"_s, u"0"_s, u"2"_s, u"right"_s};
        QTest::newRow("any class is inside; unknown texts leave the choosers")
            << QStringList{u"http://other/icon.png"_s, u"x"_s, u"justify"_s}
            << QStringList{u"1"_s, u"1"_s, u"2"_s, u"justify"_s};
    }
    void serviceChoosersFollowTheRow() {
        using namespace customer_service;
        QFETCH(QStringList, cells);
        QFETCH(QStringList, shownAs);
        QStringList row(11);
        row[StatusIcon - 1] = cells[0];
        row[IconClass - 1] = cells[1];
        row[IconAlign - 1] = cells[2];
        Opened s(u"客服"_s, row);
        QCOMPARE((QStringList{shown(s.w(), u"组合框1"_s), shown(s.w(), u"组合框2"_s), shown(s.w(), u"组合框3"_s),
                              text(s.w(), u"编辑框_旺旺对齐"_s)}),
                 shownAs);
    }

    void serviceChoosersWriteTheirFields() {
        Opened s(u"客服"_s);
        s.run({{u"组合框1"_s, u"0"_s}, {u"组合框2"_s, u"1"_s}, {u"组合框3"_s, u"0"_s}});
        QCOMPARE(text(s.w(), u"编辑框_旺旺样式"_s), customer_service::kLargeStatusIcon);
        QCOMPARE(text(s.w(), u"编辑框_旺旺位置"_s), customer_service::kIconInside);
        QCOMPARE(text(s.w(), u"编辑框_旺旺对齐"_s), u"left"_s);
        s.run({{u"组合框1"_s, u"2"_s}, {u"组合框2"_s, u"0"_s}});
        QCOMPARE(text(s.w(), u"编辑框_旺旺样式"_s), QString());
        QCOMPARE(text(s.w(), u"编辑框_旺旺位置"_s), QString());
    }

    void likeStyle_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("orange");
        QTest::addColumn<QString>("blue");
        QTest::newRow("never saved: blue") << QString() << u"2"_s << u"unchecked"_s << u"checked"_s;
        QTest::newRow("orange") << u"1"_s << u"1"_s << u"checked"_s << u"unchecked"_s;
        QTest::newRow("blue") << u"2"_s << u"2"_s << u"unchecked"_s << u"checked"_s;
        QTest::newRow("a style of no button") << u"3"_s << u"3"_s << u"unchecked"_s << u"unchecked"_s;
    }
    void likeStyle() {
        QFETCH(QString, stored);
        QFETCH(QString, style);
        QFETCH(QString, orange);
        QFETCH(QString, blue);
        Opened l(u"喜欢"_s, {{}, {}, stored}, {150, 40});
        QCOMPARE(text(l.w(), u"编辑框_样式"_s), style);
        QCOMPARE(shown(l.w(), u"单选框1"_s), orange);
        QCOMPARE(shown(l.w(), u"单选框2"_s), blue);
        QCOMPARE(l.item->size(), QSize(150, 40));  // the like window has no size fields
        l.run({{u"单选框1"_s, {}}});
        QCOMPARE(text(l.w(), u"编辑框_样式"_s), u"1"_s);
        l.run({{u"单选框2"_s, {}}});
        QCOMPARE(text(l.w(), u"编辑框_样式"_s), u"2"_s);
    }

    void qrTypeChooserWritesIndexAndForm_data() {
        QTest::addColumn<int>("entry");
        for (int t = 0; t < qr_code::kCodeTypes; ++t) QTest::addRow("entry %d", t) << t;
    }
    void qrTypeChooserWritesIndexAndForm() {
        QFETCH(int, entry);
        Opened q(u"二维码"_s);
        q.run({{u"组合框1"_s, QString::number(entry)}});
        QCOMPARE(text(q.w(), u"编辑框_店铺"_s), QString::number(entry));
        QCOMPARE(text(q.w(), u"编辑框_宝贝"_s), qr_code::addressForm(static_cast<qr_code::CodeType>(entry)));
    }

    // The address form is what the code is built from: a loaded row must
    // keep it, so that saving again without choosing keeps the code type.
    void qrLoadKeepsTheCodeType_data() {
        using qr_code::CodeType;
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("form");
        QTest::newRow("a saved form comes back as saved")
            << qrRow(u"3"_s, u"http://qr.example/img?id=数字&w=200"_s) << 3 << u"http://qr.example/img?id=数字&w=200"_s;
        QTest::newRow("a saved Tmall shop") << qrRow(u"0"_s, qr_code::addressForm(CodeType::TmallShop)) << 0
                                            << qr_code::addressForm(CodeType::TmallShop);
        QTest::newRow("a row without its form takes its type's")
            << qrRow(u"1"_s, {}) << 1 << qr_code::addressForm(CodeType::TmallItem);
        QTest::newRow("never saved: the market shop at 140") << QStringList{} << 2 << qr_code::kInitialAddressForm;
    }
    void qrLoadKeepsTheCodeType() {
        QFETCH(QStringList, cells);
        QFETCH(int, entry);
        QFETCH(QString, form);
        Opened q(u"二维码"_s, cells);
        QCOMPARE(shown(q.w(), u"组合框1"_s), QString::number(entry));
        QCOMPARE(text(q.w(), u"编辑框_宝贝"_s), form);
        clickSave(q.w());
        QCOMPARE(q.cell(qr_code::Type), QString::number(entry));
        QCOMPARE(q.cell(qr_code::AddressForm), form);
    }

    void qrSavedAgainWithoutChoosing() {
        Opened q(u"二维码"_s);
        q.run({{u"组合框1"_s, u"1"_s}, {u"编辑框_数字"_s, u"123"_s}});
        clickSave(q.w());
        q.windows.closeAll();  // the user pressed elsewhere, then on the code again
        q.windows.open(q.kind);
        q.run({{kLeftField, u"70"_s}});
        clickSave(q.w());
        QCOMPARE(q.cell(qr_code::Type), u"1"_s);
        QVERIFY(generatedCode(q.host).contains(hosts::kQrImageHost + u"/img?v=1&type=bi&item_id=123\""_s));
    }

    void emptiedAddressesTakeTheirDefaultBack_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("fallback");
        QTest::newRow("magnifier, small picture") << u"放大镜"_s << u"编辑框_底图"_s << hosts::kDefaultMagnifierPicture;
        QTest::newRow("magnifier, large picture") << u"放大镜"_s << u"编辑框_放大图"_s << hosts::kDefaultMagnifierPicture;
        QTest::newRow("double-sided front") << u"双面图"_s << u"编辑框_底图"_s << hosts::kDefaultDoubleSidedFront;
        QTest::newRow("group badge") << u"旺旺群"_s << u"编辑框_底图"_s << hosts::kDefaultGroupBadge;
        QTest::newRow("cart icon") << u"购物车"_s << u"编辑框_图标地址"_s << hosts::kDefaultCartIcon;
        QTest::newRow("share icon") << u"分享"_s << u"编辑框_图标"_s << hosts::kDefaultShareIcon;
        QTest::newRow("favourite picture") << u"收藏"_s << u"编辑框_图片"_s << hosts::kDefaultFavouritePicture;
        QTest::newRow("follow icon") << u"关注"_s << u"编辑框_图标"_s << hosts::kDefaultFollowIcon;
        QTest::newRow("video") << u"视频"_s << u"编辑框_视频地址"_s << hosts::kDefaultVideo;
    }
    void emptiedAddressesTakeTheirDefaultBack() {
        QFETCH(QString, kind);
        QFETCH(QString, field);
        QFETCH(QString, fallback);
        Opened o(kind);
        o.run({{field, u"http://img.example/mine.png"_s}, {field, {}}});
        QCOMPARE(text(o.w(), field), fallback);
    }
};

QTEST_MAIN(RowWindowRulesTest)
#include "row_window_rules_test.moc"

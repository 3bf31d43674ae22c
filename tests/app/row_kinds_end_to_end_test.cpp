// One layout with each kind that keeps its settings in its row: every item
// added from the toolbar, dragged into place, set and saved in its own
// window, then "生成代码". The clipboard holds each kind's block, filled from
// the rows the windows saved, in the order of the rows.

#include "components/kinds.h"
#include "editor_fixture.h"
#include "generation/gbk.h"
#include "properties/property_windows.h"
#include "properties/window_driver.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace vitrine;
using namespace windowdriver;
using testsupport::centreOf;
using testsupport::Editor;

namespace {

// Nobody answers there: the fetch after a save fails quietly.
const QString kNoPicture = u"http://127.0.0.1:9/none.png"_s;

struct Placed {
    QString kind;
    QPoint canvas;  // where the drag puts the item's top left corner
    QList<QPair<QString, QString>> edits;
};

const QList<Placed>& layout() {
    static const QList<Placed> kinds = {
        {u"放大镜"_s, {10, 10}, {{u"组合框2"_s, u"1"_s}, {u"编辑框_底图"_s, kNoPicture}, {u"编辑框_链接"_s, u"http://shop.example/m"_s}}},
        {u"双面图"_s, {250, 10}, {{u"组合框2"_s, u"4"_s}, {u"编辑框_底图"_s, kNoPicture}, {u"编辑框_链接"_s, u"http://shop.example/d"_s}}},
        {u"客服"_s, {400, 10}, {{u"编辑框_旺旺号"_s, u"vitrine"_s}, {u"选择框1"_s, {}}, {u"编辑框_头像"_s, kNoPicture}, {u"组合框3"_s, u"0"_s}}},
        {u"旺旺群"_s, {500, 10}, {{u"编辑框_群号"_s, u"42"_s}, {u"编辑框_底图"_s, kNoPicture}}},
        {u"购物车"_s, {600, 10}, {{u"编辑框_图标地址"_s, kNoPicture}, {u"编辑框_宝贝地址"_s, u"https://item.taobao.com/item.htm?id=1"_s}}},
        {u"分享"_s, {750, 10}, {{u"编辑框_宝贝"_s, u"520"_s}, {u"编辑框_图标"_s, kNoPicture}}},
        {u"收藏"_s, {10, 260}, {{u"编辑框_图片"_s, kNoPicture}, {u"编辑框_店铺"_s, u"https://shop1.taobao.com"_s}}},
        {u"喜欢"_s, {250, 260}, {{u"单选框1"_s, {}}, {u"编辑框_宝贝地址"_s, u"http://item.example/2"_s}}},
        {u"关注"_s, {400, 260}, {{u"编辑框_店铺"_s, u"999"_s}, {u"编辑框_图标"_s, kNoPicture}}},
        {u"二维码"_s, {500, 260}, {{u"组合框1"_s, u"3"_s}, {u"编辑框_数字"_s, u"55"_s}}},
        {u"视频"_s, {10, 450}, {}},
    };
    return kinds;
}

// The magnifier's class number is drawn afresh at every generation.
QString withoutClassNumbers(QString code) { return code.replace(QRegularExpression(u"nirova\\d+"_s), u"nirovaN"_s); }

}  // namespace

class RowKindsEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietOffscreenNotes(); }

    void eachKindSavedInItsWindowIsGenerated() {
        Editor e;
        MainWindow& main = e.window();
        for (const Placed& p : layout()) {
            CanvasItem* item = e.add(findKind(p.kind)->toolbarCaption);
            QVERIFY2(item, qPrintable(p.kind));
            const QPoint target(main.canvasLeft() + p.canvas.x(), 90 + p.canvas.y());
            e.drag(centreOf(item), centreOf(item) + (target - item->pos()));
            QWidget* window = main.propertyWindows().window(p.kind);
            QVERIFY2(window, qPrintable(p.kind));
            for (const auto& [control, value] : p.edits)
                QVERIFY2(act(window, control, value), qPrintable(p.kind + u' ' + control));
            clickSave(window);
            const int n = e.rows() - 1;
            QCOMPARE(e.cell(n, 0), p.kind);
            QCOMPARE(e.cell(n, 9), u"1"_s);
            QCOMPARE(QPoint(e.cell(n, 1).toInt(), e.cell(n, 2).toInt()), p.canvas);
        }

        QString expected;
        for (int n = 2; n < e.rows(); ++n) {
            std::string block;
            QStringList statuses;
            LowestRandom random;
            EmitContext ctx(main.document().components, n, main.settings(), block, statuses, random);
            emitterFor(e.cell(n, 0))(ctx);
            QVERIFY2(statuses.isEmpty(), qPrintable(e.cell(n, 0)));
            expected += fromGbk(block);
        }
        QTest::mouseClick(e.find<QPushButton>(u"超级按钮_生成"_s), Qt::LeftButton);
        const QString code = QGuiApplication::clipboard()->text();
        QCOMPARE(code.count(u"nirova"_s), 3);
        QVERIFY(withoutClassNumbers(code).contains(withoutClassNumbers(expected)));
        QVERIFY(code.contains(u"uid=vitrine&site=cntaobao&s=1&groupid=0"_s));
        QVERIFY(code.contains(u"type=ci&item_id=55&"_s));
        QVERIFY(code.contains(u"\"skinType\":1}"_s));
    }
};

QTEST_MAIN(RowKindsEndToEndTest)
#include "row_kinds_end_to_end_test.moc"

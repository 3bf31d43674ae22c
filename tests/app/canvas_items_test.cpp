// Canvas items worked with the mouse: adding from the toolbar, pressing and
// dragging, resizing from the handles, clearing the selection, removing
// with renumbering, the carousel's group and the texts.

#include "app/selection_frame.h"
#include "components/kinds.h"
#include "document/component_kind.h"
#include "editor_fixture.h"
#include "properties/property_windows.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace vitrine;
using testsupport::centreOf;
using testsupport::Editor;

namespace {
const QString kSelected =
    u"可拖动图片四周方格或设置左侧属性值对图片尺寸进行缩放调节，在图片中间按住鼠标左键拖动或设置左侧对应属性值可移动图片位置..."_s;
const QString kPictureAdded =
    u"添加一张图片成完，鼠标右键点击图片可删除，鼠标左键点击图片可进行属性设置，设置完成请务必点击 保存配置..."_s;
const QString kRemoved = u"组件删除完成，点击上方组件名称添加对应组件..."_s;

// Where every new item appears: the place of the hidden template.
constexpr QPoint kNewItemPlace{9, 247};

QString tagOf(const QWidget* w) { return w->property(kTagProperty).toString(); }

QRect handleGeometry(Editor& e, int number) { return e.find(u"外形框"_s + QString::number(number))->geometry(); }

// The handles stand around `item` as the selection places them.
bool handlesAround(Editor& e, const QWidget* item) {
    if (!e.handlesShown()) return false;
    for (const HandleName& h : kHandles)
        if (handleGeometry(e, h.number).topLeft() != handlePosition(h.edge, item->geometry())) return false;
    return true;
}
}  // namespace

class CanvasItemsTest : public QObject {
    Q_OBJECT
private slots:
    void everyToolbarKindAddsItsItemAndRow();
    void pressSelectsAndDragsAtOnce();
    void clickWithoutMovingKeepsTheGeometry();
    void lostReleaseEndsTheDrag();
    void resizeFromAHandle_data();
    void resizeFromAHandle();
    void handlesOfTheWorkedExample();
    void likeAndQrCodeShowNoHandles();
    void releaseOnTheEmptyCanvasClearsTheSelection();
    void removalRenumbersTheRest();
    void carouselAddsItsGroup();
    void carouselDragMovesItsArrows();
    void carouselResizeAfterADragMovesArrowsOnce();
    void carouselRemovedWithItsArrows();
    void arrowRemovalHidesThePair_data();
    void arrowRemovalHidesThePair();
    void textAddedMovedAndRemoved();
    void rightClickOnATextRemovesTheText();
};

void CanvasItemsTest::everyToolbarKindAddsItsItemAndRow() {
    Editor e;
    int expected = 1;
    for (const KindInfo& kind : componentKinds()) {
        auto* button = e.find<QPushButton>(u"按钮_"_s + kind.toolbarCaption);
        QVERIFY2(button, qPrintable(kind.kind));
        if (kind.kind == kind::LeftArrow || kind.kind == kind::RightArrow) {
            QVERIFY2(button->isHidden(), "arrows come only with their carousel");
            continue;
        }
        e.window().showStatus(QString());
        CanvasItem* item = e.add(kind.toolbarCaption);
        QVERIFY2(item, qPrintable(kind.kind));
        const int n = ++expected;
        QCOMPARE(tagOf(item), QString::number(n));
        QCOMPARE(e.cell(n, 0), kind.kind);
        QCOMPARE(item->geometry(), QRect(kNewItemPlace, QSize(kind.width, kind.height)));
        QVERIFY(item->isVisible());
        QVERIFY(!item->pixmap().isNull());
        QCOMPARE(e.window().statusText(), kind.kind == kind::Picture ? kPictureAdded : QString());
        if (kind.kind == kind::Carousel) expected += 2;
        QCOMPARE(e.window().document().componentCounter(), expected);
        QCOMPARE(e.rows(), expected + 1);
        // Nothing is selected by adding.
        QVERIFY(!e.handlesShown());
    }
}

void CanvasItemsTest::pressSelectsAndDragsAtOnce() {
    Editor e;
    CanvasItem* item = e.add(u"图片"_s);
    const QPoint from = centreOf(item);
    e.press(from);
    QCOMPARE(e.window().statusText(), kSelected);
    e.moveTo(from + QPoint(150, 20));
    QCOMPARE(item->pos(), kNewItemPlace + QPoint(150, 20));  // follows the mouse while the button is held
    QVERIFY(!e.handlesShown());
    e.moveTo(from + QPoint(300, 50));
    e.release(from + QPoint(300, 50));
    QCOMPARE(item->geometry(), QRect(kNewItemPlace + QPoint(300, 50), QSize(120, 120)));
    QVERIFY(handlesAround(e, item));
    QCOMPARE(e.window().selectedItem(), item);
    QCOMPARE(e.window().selectedNumber(), 2);
    // The row holds only its kind until the property window saves it.
    QCOMPARE(e.cell(2, 1), QString());
}

void CanvasItemsTest::clickWithoutMovingKeepsTheGeometry() {
    Editor e;
    CanvasItem* item = e.add(u"搜索"_s);
    const QRect before = item->geometry();
    e.click(centreOf(item));
    QCOMPARE(item->geometry(), before);
    QVERIFY(handlesAround(e, item));
}

// Another window took the mouse and the release never came: the next move
// without the button ends the drag, and the editor goes on.
void CanvasItemsTest::lostReleaseEndsTheDrag() {
    Editor e;
    CanvasItem* first = e.add(u"图片"_s);
    e.press(centreOf(first));
    e.moveTo(centreOf(first) + QPoint(100, 0));
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), first->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(first, &move);
    QCOMPARE(first->pos(), kNewItemPlace + QPoint(100, 0));
    QVERIFY(handlesAround(e, first));
    e.release(centreOf(first));  // lets the test's own mouse forget the button

    // The same when the next thing the editor hears of is a press.
    CanvasItem* second = e.add(u"搜索"_s);
    e.press(centreOf(second));
    e.moveTo(QPoint(700, 500));
    auto send = [first](QEvent::Type type, QPoint local, Qt::MouseButtons held) {
        QMouseEvent me(type, QPointF(local), first->mapToGlobal(QPointF(local)), Qt::LeftButton, held,
                       Qt::NoModifier);
        QApplication::sendEvent(first, &me);
    };
    send(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    QCOMPARE(second->pos(), QPoint(582, 485));
    send(QEvent::MouseMove, {5, 105}, Qt::LeftButton);  // now dragging the first
    send(QEvent::MouseButtonRelease, {5, 5}, Qt::NoButton);
    QCOMPARE(first->pos(), kNewItemPlace + QPoint(100, 100));
    QVERIFY(handlesAround(e, first));
    e.release(QPoint(700, 500));
}

void CanvasItemsTest::resizeFromAHandle_data() {
    QTest::addColumn<int>("handle");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("expected");
    // A 120 × 120 picture at 400, 300; the opposite edge or corner stays.
    QTest::newRow("外形框2 top-left corner") << 2 << QPoint(20, 10) << QRect(420, 310, 100, 110);
    QTest::newRow("外形框5 top edge") << 5 << QPoint(20, 10) << QRect(400, 310, 120, 110);
    QTest::newRow("外形框6 top-right corner") << 6 << QPoint(20, 10) << QRect(400, 310, 140, 110);
    QTest::newRow("外形框4 left edge") << 4 << QPoint(20, 10) << QRect(420, 300, 100, 120);
    QTest::newRow("外形框7 right edge") << 7 << QPoint(20, 10) << QRect(400, 300, 140, 120);
    QTest::newRow("外形框3 bottom-left corner") << 3 << QPoint(20, 10) << QRect(420, 300, 100, 130);
    QTest::newRow("外形框8 bottom edge") << 8 << QPoint(20, 10) << QRect(400, 300, 120, 130);
    QTest::newRow("外形框1 bottom-right corner") << 1 << QPoint(20, 10) << QRect(400, 300, 140, 130);
    QTest::newRow("外形框1 shrunk") << 1 << QPoint(-50, -70) << QRect(400, 300, 70, 50);
    // Dragged past the opposite edge, the item keeps one pixel and its kept edge.
    QTest::newRow("外形框7 past the left edge") << 7 << QPoint(-300, 0) << QRect(400, 300, 1, 120);
    QTest::newRow("外形框2 past the far corner") << 2 << QPoint(300, 300) << QRect(519, 419, 1, 1);
}

void CanvasItemsTest::resizeFromAHandle() {
    QFETCH(int, handle);
    QFETCH(QPoint, delta);
    QFETCH(QRect, expected);
    Editor e;
    CanvasItem* item = e.add(u"图片"_s);
    e.drag(centreOf(item), centreOf(item) + QPoint(400, 300) - kNewItemPlace);
    QCOMPARE(item->pos(), QPoint(400, 300));
    const QPoint grip = handleGeometry(e, handle).center();
    e.press(grip);
    e.moveTo(grip + delta / 2);
    e.moveTo(grip + delta);
    e.release(grip + delta);
    QCOMPARE(item->geometry(), expected);
    QVERIFY(handlesAround(e, item));
}

void CanvasItemsTest::handlesOfTheWorkedExample() {
    Editor e;
    CanvasItem* item = e.add(u"图片"_s);
    item->setGeometry(300, 200, 101, 50);  // as typing into the property window does
    e.press(centreOf(item), Qt::RightButton);
    QCOMPARE(handleGeometry(e, 7), QRect(401, 221, 8, 8));
    QCOMPARE(handleGeometry(e, 4), QRect(292, 217, 8, 8));
    QCOMPARE(handleGeometry(e, 8), QRect(342, 250, 8, 8));
    QVERIFY(e.find(u"外形框9"_s)->isHidden());
    e.release(centreOf(item), Qt::RightButton);
    QTRY_VERIFY(e.window().contextMenu()->isVisible());
    QTest::keyClick(e.window().contextMenu(), Qt::Key_Escape);
    QCOMPARE(item->geometry(), QRect(300, 200, 101, 50));
}

void CanvasItemsTest::likeAndQrCodeShowNoHandles() {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        for (const QString& caption : {u"喜欢"_s, u"二维码"_s}) {
            Editor e;
            CanvasItem* picture = e.add(u"图片"_s);
            e.drag(centreOf(picture), QPoint(600, 400));
            QVERIFY(e.handlesShown());
            CanvasItem* item = e.add(caption);
            e.press(centreOf(item), button);
            e.release(centreOf(item), button);
            QVERIFY2(!e.handlesShown(), qPrintable(caption));
            QCOMPARE(e.window().selectedItem(), item);
            QTest::keyClick(e.window().contextMenu(), Qt::Key_Escape);
        }
    }
}

void CanvasItemsTest::releaseOnTheEmptyCanvasClearsTheSelection() {
    for (const QPoint empty : {QPoint(700, 500), QPoint(1300, 400), QPoint(150, 600)}) {
        Editor e;
        CanvasItem* item = e.add(u"图片"_s);
        e.click(centreOf(item));
        QVERIFY(e.handlesShown());
        e.click(empty);
        QVERIFY2(!e.handlesShown(), qPrintable(u"%1,%2"_s.arg(empty.x()).arg(empty.y())));
        // The selection record keeps its values.
        QCOMPARE(e.window().selectedItem(), item);
    }
}

void CanvasItemsTest::removalRenumbersTheRest() {
    Editor e;
    QPointer<CanvasItem> picture = e.add(u"图片"_s);
    QPointer<CanvasItem> like = e.add(u"喜欢"_s);
    QPointer<CanvasItem> qr = e.add(u"二维码"_s);
    QCOMPARE(QStringList({tagOf(picture), tagOf(like), tagOf(qr)}), QStringList({u"2"_s, u"3"_s, u"4"_s}));
    e.drag(centreOf(qr), QPoint(700, 400));  // uncovers the "喜欢" under it
    e.click(QPoint(60, 340));                 // the picture, below the "喜欢"
    QVERIFY(e.window().propertyWindows().window(kind::Picture));
    QVERIFY(e.removeAt(centreOf(like)));
    // Only the removed kind's window closes.
    QVERIFY(e.window().propertyWindows().window(kind::Picture));
    QVERIFY(!like);
    QCOMPARE(e.rows(), 4);
    QCOMPARE(e.cell(2, 0), kind::Picture);
    QCOMPARE(e.cell(3, 0), kind::QrCode);
    QCOMPARE(tagOf(qr), u"3"_s);
    QCOMPARE(e.item(3), qr.data());
    QCOMPARE(tagOf(e.item(1)), u"1"_s);  // the template entry is renumbered too
    QCOMPARE(e.window().document().componentCounter(), 3);
    QCOMPARE(e.window().statusText(), kRemoved);
    QVERIFY(!e.handlesShown());
}

void CanvasItemsTest::carouselAddsItsGroup() {
    Editor e;
    e.add(u"图片"_s);
    CanvasItem* carousel = e.add(u"轮播"_s);
    QCOMPARE(e.rows(), 6);
    QCOMPARE(QStringList({e.cell(3, 0), e.cell(3, 1), e.cell(4, 0), e.cell(5, 0)}),
             QStringList({kind::Carousel, u"真"_s, kind::LeftArrow, kind::RightArrow}));
    QCOMPARE(carousel->geometry(), QRect(9, 247, 300, 130));
    QCOMPARE(carousel->pixmap().size(), QSize(750, 325));
    QCOMPARE(e.item(4)->geometry(), QRect(9, 337, 40, 40));
    QCOMPARE(e.item(5)->geometry(), QRect(269, 337, 40, 40));
    QCOMPARE(QStringList({tagOf(e.item(4)), tagOf(e.item(5))}), QStringList({u"4"_s, u"5"_s}));
}

void CanvasItemsTest::carouselDragMovesItsArrows() {
    Editor e;
    CanvasItem* carousel = e.add(u"轮播"_s);
    e.drag(centreOf(carousel), centreOf(carousel) + QPoint(50, 20));
    QCOMPARE(carousel->pos(), QPoint(59, 267));
    QCOMPARE(e.item(3)->pos(), QPoint(59, 357));
    QCOMPARE(e.item(4)->pos(), QPoint(319, 357));
    // A right press leaves the carousel where it is, and so its arrows.
    e.press(centreOf(carousel), Qt::RightButton);
    e.release(centreOf(carousel), Qt::RightButton);
    QTRY_VERIFY(e.window().contextMenu()->isVisible());
    QTest::keyClick(e.window().contextMenu(), Qt::Key_Escape);
    QCOMPARE(e.item(3)->pos(), QPoint(59, 357));
    QCOMPARE(e.item(4)->pos(), QPoint(319, 357));
    // Dragging an arrow moves only that arrow.
    e.drag(centreOf(e.item(3)), centreOf(e.item(3)) - QPoint(10, 0));
    QCOMPARE(e.item(3)->pos(), QPoint(49, 357));
    QCOMPARE(carousel->pos(), QPoint(59, 267));
    QCOMPARE(e.item(4)->pos(), QPoint(319, 357));
}

// The origin of a follow is where the carousel was when the arrows last
// caught up with it, so a drag is never counted twice.
void CanvasItemsTest::carouselResizeAfterADragMovesArrowsOnce() {
    Editor e;
    CanvasItem* carousel = e.add(u"轮播"_s);
    e.drag(centreOf(carousel), centreOf(carousel) + QPoint(300, 100));
    QCOMPARE(carousel->pos(), QPoint(309, 347));
    const QPoint grip = handleGeometry(e, 4).center();  // the left edge
    e.drag(grip, grip - QPoint(30, 0));
    QCOMPARE(carousel->geometry(), QRect(279, 347, 330, 130));
    QCOMPARE(e.item(3)->pos(), QPoint(279, 437));
    QCOMPARE(e.item(4)->pos(), QPoint(539, 437));
    // From the right edge the carousel's left stays, and so do the arrows.
    const QPoint right = handleGeometry(e, 7).center();
    e.drag(right, right + QPoint(40, 0));
    QCOMPARE(carousel->width(), 370);
    QCOMPARE(e.item(3)->pos(), QPoint(279, 437));
    QCOMPARE(e.item(4)->pos(), QPoint(539, 437));
}

void CanvasItemsTest::carouselRemovedWithItsArrows() {
    Editor e;
    e.add(u"图片"_s);
    QPointer<CanvasItem> carousel = e.add(u"轮播"_s);
    QPointer<CanvasItem> left = e.item(4), right = e.item(5);
    CanvasItem* last = e.add(u"视频"_s);
    e.drag(centreOf(last), QPoint(800, 500));
    e.drag(centreOf(carousel), QPoint(500, 300));
    QVERIFY(e.removeAt(centreOf(carousel)));
    QVERIFY(!carousel && !left && !right);
    QCOMPARE(e.rows(), 4);
    QCOMPARE(e.cell(3, 0), kind::Video);
    QCOMPARE(tagOf(last), u"3"_s);
    QCOMPARE(e.window().document().componentCounter(), 3);
}

void CanvasItemsTest::arrowRemovalHidesThePair_data() {
    QTest::addColumn<int>("arrow");
    QTest::newRow("左箭头") << 3;
    QTest::newRow("右箭头") << 4;
}

void CanvasItemsTest::arrowRemovalHidesThePair() {
    QFETCH(int, arrow);
    Editor e;
    CanvasItem* carousel = e.add(u"轮播"_s);
    QVERIFY(e.removeAt(centreOf(e.item(arrow))));
    QVERIFY(e.item(3)->isHidden());
    QVERIFY(e.item(4)->isHidden());
    QVERIFY(carousel->isVisible());
    QCOMPARE(e.rows(), 5);
    QCOMPARE(e.cell(2, 1), u"假"_s);
    QCOMPARE(e.window().statusText(), kRemoved);
}

void CanvasItemsTest::textAddedMovedAndRemoved() {
    Editor e;
    QPointer<TextItem> text = e.addText();
    QVERIFY(text);
    QCOMPARE(text->geometry(), QRect(64, 200, 75, 22));
    QCOMPARE(tagOf(text), u"1"_s);
    QCOMPARE(e.window().document().background.getCell(1, 0), kind::Text);
    TextItem* second = e.addText();
    QCOMPARE(tagOf(second), u"2"_s);
    e.drag(centreOf(second), QPoint(500, 300));
    QCOMPARE(second->geometry(), QRect(463, 290, 75, 22));
    QVERIFY(handlesAround(e, second));
    QCOMPARE(e.window().selectedItem(), second);

    QVERIFY(e.removeAt(centreOf(text), true));  // the text's menu opens on the press
    QVERIFY(!text);
    QCOMPARE(tagOf(second), u"1"_s);
    QCOMPARE(e.window().document().background.rowCount(), 2);
    QVERIFY(e.removeAt(centreOf(second), true));
    QCOMPARE(e.window().document().background.rowCount(), 1);
    QCOMPARE(e.window().document().textCounter(), 0);
    QCOMPARE(e.window().statusText(), kRemoved);
}

void CanvasItemsTest::rightClickOnATextRemovesTheText() {
    Editor e;
    CanvasItem* picture = e.add(u"图片"_s);
    e.drag(centreOf(picture), QPoint(600, 400));
    QPointer<TextItem> text = e.addText();
    // Pressing a text leaves the picture's window open.
    e.click(centreOf(text));
    QVERIFY(e.window().propertyWindows().window(kind::Picture));
    QVERIFY(e.removeAt(centreOf(text), true));
    QVERIFY(!text);
    QCOMPARE(e.rows(), 3);
    QVERIFY(picture->isVisible());
    QCOMPARE(e.window().document().textCounter(), 0);
}

QTEST_MAIN(CanvasItemsTest)
#include "canvas_items_test.moc"

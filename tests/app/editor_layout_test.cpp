// The main window's layout for a screen size, the controls of its design,
// the ruler picture and the places of the selection handles.

#include "app/builtin_pictures.h"
#include "app/main_layout.h"
#include "app/selection_frame.h"
#include "editor_fixture.h"

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace vitrine;
using testsupport::Editor;

namespace {
struct Expected {
    int ruler, leftLine, centreLine, rightLine, generate, preview, close, minimise;
    int height, lineHeight, canvasHeight, statusTop;
};
}  // namespace
Q_DECLARE_METATYPE(Expected)

class EditorLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void layoutForScreen_data();
    void layoutForScreen();
    void appliedToTheWindow_data() { layoutForScreen_data(); }
    void appliedToTheWindow();
    void canvasKeepsTopAndWidth();
    void designedControls_data();
    void designedControls();
    void hiddenAtStart();
    void rulerZeroMark();
    void handlePlaces_data();
    void handlePlaces();
};

void EditorLayoutTest::layoutForScreen_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<Expected>("expected");
    QTest::newRow("1366 x 768") << QSize(1366, 768)
                                << Expected{208, 210, 685, 1159, 1166, 1226, 1340, 1314, 728, 638, 618, 708};
    // 682.5 - 475, the fraction dropped.
    QTest::newRow("1365 x 768") << QSize(1365, 768)
                                << Expected{207, 209, 684, 1158, 1165, 1225, 1339, 1313, 728, 638, 618, 708};
    QTest::newRow("1920 x 1080") << QSize(1920, 1080)
                                 << Expected{485, 487, 962, 1436, 1720, 1780, 1894, 1868, 1040, 950, 930, 1020};
}

void EditorLayoutTest::layoutForScreen() {
    QFETCH(QSize, screen);
    QFETCH(Expected, expected);
    const MainLayout l = computeMainLayout(screen);
    QCOMPARE(l.window, QSize(screen.width(), expected.height));
    QCOMPARE(l.rulerLeft, expected.ruler);
    QCOMPARE(l.leftLine, expected.leftLine);
    QCOMPARE(l.canvasLeft, expected.leftLine);
    QCOMPARE(l.toolbarLeft, expected.leftLine);
    QCOMPARE(l.centreLine, expected.centreLine);
    QCOMPARE(l.rightLine, expected.rightLine);
    QCOMPARE(l.generateLeft, expected.generate);
    QCOMPARE(l.previewLeft, expected.preview);
    QCOMPARE(l.closeLeft, expected.close);
    QCOMPARE(l.minimiseLeft, expected.minimise);
    QCOMPARE(l.lineHeight, expected.lineHeight);
    QCOMPARE(l.canvasHeight, expected.canvasHeight);
    QCOMPARE(l.statusBar, QRect(0, expected.statusTop, screen.width(), 20));
    QCOMPARE(l.statusPaneWidth, screen.width() - 50);
}

// The same figures on the real controls, found by their names.
void EditorLayoutTest::appliedToTheWindow() {
    QFETCH(QSize, screen);
    QFETCH(Expected, expected);
    Editor e(screen);
    auto geometry = [&](const char16_t* name) { return e.find(QString::fromUtf16(name))->geometry(); };
    QCOMPARE(e.window().size(), QSize(screen.width(), expected.height));
    QCOMPARE(geometry(u"外形框10").width(), screen.width());
    QCOMPARE(geometry(u"外形框11").width(), screen.width());
    QCOMPARE(geometry(u"图片框_刻度"), QRect(expected.ruler, 4, 980, 18));
    QCOMPARE(geometry(u"外形框_左边线"), QRect(expected.leftLine, 90, 1, expected.lineHeight));
    QCOMPARE(geometry(u"外形框_中心线"), QRect(expected.centreLine, 90, 1, expected.lineHeight));
    QCOMPARE(geometry(u"外形框_右边线"), QRect(expected.rightLine, 90, 1, expected.lineHeight));
    QCOMPARE(geometry(u"超级按钮_生成").x(), expected.generate);
    QCOMPARE(geometry(u"超级按钮_预览").x(), expected.preview);
    QCOMPARE(geometry(u"超级按钮_关闭").x(), expected.close);
    QCOMPARE(geometry(u"超级按钮_最小化").x(), expected.minimise);
    QCOMPARE(geometry(u"标签_背景"), QRect(expected.leftLine, 90, 950, expected.canvasHeight));
    QCOMPARE(geometry(u"状态提示"), QRect(0, expected.statusTop, screen.width(), 20));
    QCOMPARE(geometry(u"图片框_logo").x(), 0);
    QCOMPARE(geometry(u"超级按钮_全局").x(), 76);
    QCOMPARE(geometry(u"图片框_顶背景").x(), expected.leftLine);
    QCOMPARE(geometry(u"选择框_中心线").x(), 611);
    QCOMPARE(geometry(u"外形框_水平线").width(), screen.width());
    QCOMPARE(e.window().canvasLeft(), expected.leftLine);
}

// The module settings may widen the canvas and move it; a new layout puts
// its left back on the edge line and keeps its top and width.
void EditorLayoutTest::canvasKeepsTopAndWidth() {
    Editor e;
    QLabel* canvas = e.window().canvasLabel();
    canvas->setGeometry(83, 90, 1200, 400);
    e.window().resize(800, 600);
    QTRY_COMPARE(e.window().size(), QSize(1366, 728));
    QCOMPARE(canvas->geometry(), QRect(210, 90, 1200, 618));
}

void EditorLayoutTest::designedControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    auto row = [](const char16_t* name, QRect g, const QString& text = {}) {
        QTest::newRow(QString::fromUtf16(name).toUtf8()) << QString::fromUtf16(name) << g << text;
    };
    // Places the layout does not change, relative to each control's container.
    row(u"外形框10", {0, 0, 1366, 90});
    row(u"外形框11", {0, 66, 1366, 24});
    row(u"图片框_logo", {0, 0, 66, 66});
    row(u"超级按钮_全局", {76, 24, 76, 24}, u"全局设置 ☆"_s);
    row(u"图片框_顶背景", {210, 0, 950, 66});
    row(u"超级按钮_生成", {1166, 0, 54, 66}, u"生成\n代码"_s);
    row(u"超级按钮_预览", {1226, 0, 54, 66}, u"预览\n效果"_s);
    row(u"超级按钮_最小化", {1314, 2, 24, 20}, u"-"_s);
    row(u"超级按钮_关闭", {1340, 2, 24, 20}, u"×"_s);
    row(u"按钮_图片", {130, 7, 48, 24}, u"图片"_s);
    row(u"按钮_轮播", {183, 7, 48, 24}, u"轮播"_s);
    row(u"按钮_二维码", {501, 7, 48, 24}, u"二维码"_s);
    row(u"按钮_客服", {130, 35, 48, 24}, u"客服"_s);
    row(u"按钮_文字", {289, 35, 48, 24}, u"文字"_s);
    row(u"按钮_关注", {501, 35, 48, 24}, u"关注"_s);
    row(u"按钮_左箭头", {32, 8, 48, 24}, u"左箭头"_s);
    row(u"按钮_右箭头", {32, 34, 48, 24}, u"右箭头"_s);
    row(u"选择框_水平线", {612, 8, 84, 24}, u"显示水平线"_s);
    row(u"选择框_中心线", {611, 37, 84, 24}, u"显示中心线"_s);
    row(u"透明标签_水平线距顶", {708, 11, 64, 16}, u"水平线距顶"_s);
    row(u"编辑框_水平线顶边", {780, 6, 48, 24}, u"0"_s);
    row(u"透明标签_辅助线颜色", {708, 41, 64, 16}, u"辅助线颜色"_s);
    row(u"颜色选择器1", {780, 36, 48, 24});
    row(u"外形框_水平线", {15, 471, 1366, 1});
    row(u"透明标签_水平线", {0, 464, 16, 16}, u"◆"_s);
    row(u"图片框1", {9, 247, 120, 120});
    row(u"透明标签1", {64, 200, 75, 22});
}

void EditorLayoutTest::designedControls() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    Editor e;
    QWidget* w = e.find(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(w->geometry(), geometry);
    if (auto* b = qobject_cast<QAbstractButton*>(w); b && !text.isEmpty()) QCOMPARE(b->text(), text);
    if (auto* l = qobject_cast<QLabel*>(w); l && !text.isEmpty()) QCOMPARE(l->text(), text);
    if (auto* f = qobject_cast<QLineEdit*>(w)) QCOMPARE(f->text(), text);
}

void EditorLayoutTest::hiddenAtStart() {
    Editor e;
    for (const char16_t* name : {u"图片框1", u"透明标签1", u"外形框_中心线", u"外形框_水平线", u"透明标签_水平线",
                                 u"外形框1", u"外形框5", u"外形框8", u"外形框9"})
        QVERIFY2(e.find(QString::fromUtf16(name))->isHidden(), qPrintable(QString::fromUtf16(name)));
    for (const char16_t* name : {u"外形框_左边线", u"外形框_右边线", u"图片框_刻度", u"状态提示"})
        QVERIFY2(e.find(QString::fromUtf16(name))->isVisible(), qPrintable(QString::fromUtf16(name)));
    QCOMPARE(e.window().statusText(), QString());
}

// The left edge line sits under the ruler's zero mark, 2 pixels from its
// left, and the canvas's last column (949) has its mark too.
void EditorLayoutTest::rulerZeroMark() {
    const QImage ruler = rulerPicture().toImage();
    QCOMPARE(ruler.size(), QSize(980, 18));
    const int y = 11;  // below the labels, where only the long marks reach
    const QRgb ground = ruler.pixel(1, y);
    for (int x : {2, 52, 502, 952}) QVERIFY2(ruler.pixel(x, y) != ground, qPrintable(QString::number(x)));
    for (int x : {0, 1, 3, 27, 953}) QVERIFY2(ruler.pixel(x, y) == ground, qPrintable(QString::number(x)));
}

void EditorLayoutTest::handlePlaces_data() {
    QTest::addColumn<int>("edge");
    QTest::addColumn<QPoint>("place");
    // An item 101 wide and 50 high at 300, 200.
    QTest::newRow("外形框2 top-left") << int(Edge::TopLeft) << QPoint(292, 192);
    QTest::newRow("外形框5 top") << int(Edge::Top) << QPoint(342, 192);
    QTest::newRow("外形框6 top-right") << int(Edge::TopRight) << QPoint(401, 192);
    QTest::newRow("外形框4 left") << int(Edge::Left) << QPoint(292, 217);
    QTest::newRow("外形框7 right") << int(Edge::Right) << QPoint(401, 221);
    QTest::newRow("外形框3 bottom-left") << int(Edge::BottomLeft) << QPoint(292, 250);
    QTest::newRow("外形框8 bottom") << int(Edge::Bottom) << QPoint(342, 250);
    QTest::newRow("外形框1 bottom-right") << int(Edge::BottomRight) << QPoint(401, 250);
}

void EditorLayoutTest::handlePlaces() {
    QFETCH(int, edge);
    QFETCH(QPoint, place);
    QCOMPARE(handlePosition(static_cast<Edge>(edge), QRect(300, 200, 101, 50)), place);
}

QTEST_MAIN(EditorLayoutTest)
#include "editor_layout_test.moc"

// The guide lines: the distance field, the marker's drag, the check boxes
// and the colour, worked through the main window's own controls.

#include "editor_fixture.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace vitrine;
using testsupport::centreOf;
using testsupport::Editor;

namespace {
const QString kHorizontalShown =
    u"水平线已显示，可拖动左侧方形框或设置水平线距顶值移动水平线位置，再次点击可隐藏水平线...."_s;
const QString kCentreShown = u"中心线已显示，再次点击可隐藏，也可设置所有辅助线的颜色..."_s;
const QString kColourChanged = u"所有辅助线颜色值已修改...."_s;

struct Guide {
    QWidget* line;
    QLabel* marker;
    QLineEdit* field;
    QCheckBox* box;
    explicit Guide(Editor& e)
        : line(e.find(u"外形框_水平线"_s)),
          marker(e.find<QLabel>(u"透明标签_水平线"_s)),
          field(e.find<QLineEdit>(u"编辑框_水平线顶边"_s)),
          box(e.find<QCheckBox>(u"选择框_水平线"_s)) {}
};

QColor lineColour(QWidget* w) { return w->palette().color(QPalette::Window); }
}  // namespace

class GuideLinesTest : public QObject {
    Q_OBJECT
private slots:
    void typedDistancePlacesTheGuide_data();
    void typedDistancePlacesTheGuide();
    void showingRewritesTheFieldFromTheLine();
    void markerDragsOnlyUpAndDown_data();
    void markerDragsOnlyUpAndDown();
    void colourReachesHiddenLinesToo();
    void centreLineBox();
};

void GuideLinesTest::typedDistancePlacesTheGuide_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("line");
    QTest::newRow("distance") << u"120"_s << u"120"_s << 210;
    QTest::newRow("negative is corrected") << u"-5"_s << u"0"_s << 90;
    QTest::newRow("not a number is kept") << u"abc"_s << u"abc"_s << 90;
    QTest::newRow("leading number") << u"40px"_s << u"40px"_s << 130;
    QTest::newRow("full-width digits") << u"１２"_s << u"１２"_s << 102;
    QTest::newRow("far below") << u"5000"_s << u"5000"_s << 5090;
}

// Typing moves the guide even while it is hidden.
void GuideLinesTest::typedDistancePlacesTheGuide() {
    QFETCH(QString, typed);
    QFETCH(QString, field);
    QFETCH(int, line);
    Editor e;
    Guide g(e);
    g.field->clear();
    for (const QChar c : typed) g.field->insert(QString(c));  // one character at a time, as typed
    QCOMPARE(g.field->text(), field);
    QCOMPARE(g.line->y(), line);
    QCOMPARE(g.marker->y(), line - 7);
    QVERIFY(g.line->isHidden());
}

void GuideLinesTest::showingRewritesTheFieldFromTheLine() {
    Editor e;
    Guide g(e);
    QCOMPARE(g.field->text(), u"0"_s);  // while the line still lies at its design place
    QTest::mouseClick(g.box, Qt::LeftButton);
    QVERIFY(g.box->isChecked());
    QVERIFY(g.line->isVisible() && g.marker->isVisible());
    QCOMPARE(g.field->text(), u"381"_s);
    QCOMPARE(e.window().statusText(), kHorizontalShown);

    e.window().showStatus(u"之前的提示"_s);
    QTest::mouseClick(g.box, Qt::LeftButton);
    QVERIFY(g.line->isHidden() && g.marker->isHidden());
    QCOMPARE(e.window().statusText(), u"之前的提示"_s);
    QCOMPARE(g.line->y(), 471);  // hiding keeps the place
}

void GuideLinesTest::markerDragsOnlyUpAndDown_data() {
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("field");
    QTest::newRow("up and sideways") << QPoint(40, -100) << 371 << u"281"_s;
    QTest::newRow("down") << QPoint(-3, 60) << 531 << u"441"_s;
    QTest::newRow("above the canvas top") << QPoint(0, -420) << 90 << u"0"_s;
}

void GuideLinesTest::markerDragsOnlyUpAndDown() {
    QFETCH(QPoint, delta);
    QFETCH(int, line);
    QFETCH(QString, field);
    Editor e;
    Guide g(e);
    QTest::mouseClick(g.box, Qt::LeftButton);
    const QPoint from = centreOf(g.marker);
    e.press(from);
    e.moveTo(from + delta);
    QCOMPARE(g.marker->x(), 0);
    e.release(from + delta);
    QCOMPARE(g.marker->pos(), QPoint(0, line - 7));
    QCOMPARE(g.line->y(), line);
    QCOMPARE(g.field->text(), field);
}

void GuideLinesTest::colourReachesHiddenLinesToo() {
    Editor e;
    Guide g(e);
    const QColor start(0, 224, 128);
    for (const char16_t* name : {u"外形框_左边线", u"外形框_右边线", u"外形框_中心线", u"外形框_水平线"})
        QCOMPARE(lineColour(e.find(QString::fromUtf16(name))), start);

    QTest::mouseClick(e.find<QPushButton>(u"颜色选择器1"_s), Qt::LeftButton);
    auto* dialog = e.window().findChild<QColorDialog*>(u"辅助线颜色对话框"_s);
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());
    QCOMPARE(dialog->currentColor(), start);
    dialog->setCurrentColor(QColor(255, 128, 0));
    dialog->accept();

    const QColor picked(255, 128, 0);
    for (const char16_t* name : {u"外形框_左边线", u"外形框_右边线", u"外形框_中心线", u"外形框_水平线"})
        QCOMPARE(lineColour(e.find(QString::fromUtf16(name))), picked);
    QCOMPARE(g.marker->palette().color(QPalette::WindowText), picked);
    QCOMPARE(e.window().statusText(), kColourChanged);
    QTest::mouseClick(g.box, Qt::LeftButton);
    QCOMPARE(lineColour(g.line), picked);
}

void GuideLinesTest::centreLineBox() {
    Editor e;
    auto* box = e.find<QCheckBox>(u"选择框_中心线"_s);
    QWidget* line = e.find(u"外形框_中心线"_s);
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(line->isVisible());
    QCOMPARE(e.window().statusText(), kCentreShown);
    e.window().showStatus(u"之前的提示"_s);
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(line->isHidden());
    QCOMPARE(e.window().statusText(), u"之前的提示"_s);
    // The edge lines cannot be hidden.
    QVERIFY(e.find(u"外形框_左边线"_s)->isVisible() && e.find(u"外形框_右边线"_s)->isVisible());
}

QTEST_MAIN(GuideLinesTest)
#include "guide_lines_test.moc"

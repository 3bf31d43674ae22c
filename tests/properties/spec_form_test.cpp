// The framework's choosers and the hidden value fields they drive, on a
// declaration made for the test: a combo box, a radio group, a check box
// and a chooser whose value is computed.

#include "properties/spec_form.h"
#include "generation/text_rules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace vitrine;
using namespace vitrine::properties;
using namespace Qt::StringLiterals;

namespace {

int chosenCalls = 0;

QString zoomWidth(const FieldAccess& fields, int index) {
    return formatInteger(static_cast<long long>(textToNumber(fields.text(u"编辑框_宽"_s)) * (12 + index) / 10));
}

WindowSpec testSpec() {
    WindowSpec w;
    w.caption = u"测试"_s;
    w.fields = {
        {.name = u"编辑框_对齐"_s, .initial = u"left"_s, .shown = false},
        {.name = u"编辑框_样式"_s, .shown = false},
        {.name = u"编辑框_开关"_s, .initial = u"block"_s, .shown = false},
        {.name = u"编辑框_宽"_s, .caption = u"宽"_s, .initial = u"220"_s},
        {.name = u"编辑框_倍数"_s, .initial = u"264"_s, .shown = false},
        {.name = u"编辑框_头像"_s, .caption = u"头像"_s, .initial = u"http://a/1.png"_s},
        {.name = u"编辑框_分流"_s, .initial = u"on"_s, .shown = false},
        {.name = u"编辑框_类型"_s, .initial = u"0"_s, .shown = false},
        {.name = u"编辑框_地址"_s, .initial = u"a/数字"_s, .shown = false},
    };
    w.choosers = {
        {.type = ChooserType::Combo,
         .name = u"组合框1"_s,
         .caption = u"对齐方式"_s,
         .valueField = u"编辑框_对齐"_s,
         .choices = {{u"居左"_s, u"left"_s}, {u"居中"_s, u"center"_s}, {u"居右"_s, u"right"_s}}},
        {.type = ChooserType::Radio,
         .caption = u"图标样式"_s,
         .valueField = u"编辑框_样式"_s,
         .choices = {{u"橙色"_s, u"1"_s, u"单选框1"_s}, {u"蓝色"_s, u"2"_s, u"单选框2"_s}}},
        {.type = ChooserType::Check,
         .name = u"选择框1"_s,
         .caption = u"显示箭头"_s,
         .valueField = u"编辑框_开关"_s,
         .choices = {{u"显示"_s, u"block"_s}, {u"隐藏"_s, u"none"_s}}},
        {.type = ChooserType::Combo,
         .name = u"组合框2"_s,
         .caption = u"放大比例"_s,
         .valueField = u"编辑框_倍数"_s,
         .choices = {{u"1.2 倍"_s, {}}, {u"1.3 倍"_s, {}}, {u"1.4 倍"_s, {}}, {u"1.5 倍"_s, {}}},
         .compute = zoomWidth},
        {.type = ChooserType::Check,
         .name = u"选择框2"_s,
         .caption = u"显示头像"_s,
         .valueField = u"编辑框_头像"_s,
         .choices = {{u"显示"_s, u"http://a/default.png"_s}, {u"隐藏"_s, {}}},
         .follows = ChooserFollows::Emptiness},
        {.type = ChooserType::Check,
         .name = u"选择框3"_s,
         .caption = u"分流"_s,
         .valueField = u"编辑框_分流"_s,
         .choices = {{u"分流"_s, u"on"_s}, {u"不分流"_s, u"off"_s}},
         .follows = ChooserFollows::Nothing},
        {.type = ChooserType::Combo,
         .name = u"组合框3"_s,
         .caption = u"类型"_s,
         .valueField = u"编辑框_类型"_s,
         .choices = {{u"甲"_s, u"0"_s, {}, {{u"编辑框_地址"_s, u"a/数字"_s}}},
                     {u"乙"_s, u"1"_s, {}, {{u"编辑框_地址"_s, u"b/数字"_s}}}}},
    };
    w.hooks.chosen = [](FieldAccess&, const QString&, int) { ++chosenCalls; };
    return w;
}

// What a chooser shows: the combo index, the ticked state, or the checked radio's objectName.
QString shown(QWidget& window, const QString& chooser) {
    if (auto* combo = window.findChild<QComboBox*>(chooser)) return QString::number(combo->currentIndex());
    if (auto* check = window.findChild<QCheckBox*>(chooser)) return check->isChecked() ? u"ticked"_s : u"cleared"_s;
    for (auto* radio : window.findChildren<QRadioButton*>())
        if (radio->isChecked()) return radio->objectName();
    return u"none"_s;
}

}  // namespace

class SpecFormTest : public QObject {
    Q_OBJECT
private slots:
    void init() { chosenCalls = 0; }

    void initialValuesShowInTheChoosers() {
        const WindowSpec declaration = testSpec();
        QWidget window;
        SpecForm form(declaration, &window);
        QCOMPARE(shown(window, u"组合框1"_s), u"0"_s);
        QCOMPARE(shown(window, u"选择框1"_s), u"ticked"_s);
        QCOMPARE(shown(window, u"单选框"_s), u"none"_s);  // an empty value selects no radio button
        QCOMPARE(shown(window, u"选择框2"_s), u"ticked"_s);   // any address ticks it
        QCOMPARE(shown(window, u"选择框3"_s), u"cleared"_s);  // it never follows its field
    }

    void fieldSelectsChooser_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("chooser");
        QTest::addColumn<QString>("expected");
        QTest::newRow("combo entry") << u"编辑框_对齐"_s << u"center"_s << u"组合框1"_s << u"1"_s;
        QTest::newRow("combo, no entry") << u"编辑框_对齐"_s << u"middle"_s << u"组合框1"_s << u"0"_s;
        QTest::newRow("radio button") << u"编辑框_样式"_s << u"2"_s << u"单选框"_s << u"单选框2"_s;
        QTest::newRow("radio, no entry") << u"编辑框_样式"_s << u"3"_s << u"单选框"_s << u"none"_s;
        QTest::newRow("check box cleared") << u"编辑框_开关"_s << u"none"_s << u"选择框1"_s << u"cleared"_s;
        QTest::newRow("check box, no entry") << u"编辑框_开关"_s << u"half"_s << u"选择框1"_s << u"ticked"_s;
        QTest::newRow("emptiness: any text ticks") << u"编辑框_头像"_s << u"http://b/2.png"_s << u"选择框2"_s << u"ticked"_s;
        QTest::newRow("emptiness: empty clears") << u"编辑框_头像"_s << QString() << u"选择框2"_s << u"cleared"_s;
        QTest::newRow("a chooser that only writes") << u"编辑框_分流"_s << u"on"_s << u"选择框3"_s << u"cleared"_s;
        QTest::newRow("computed value selects nothing") << u"编辑框_倍数"_s << u"999"_s << u"组合框2"_s << u"-1"_s;
    }
    void fieldSelectsChooser() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, chooser);
        QFETCH(QString, expected);
        const WindowSpec declaration = testSpec();
        QWidget window;
        SpecForm form(declaration, &window);
        form.setText(field, text);
        QCOMPARE(shown(window, chooser), expected);
        QCOMPARE(form.text(field), text);
        QCOMPARE(chosenCalls, 0);  // selecting by the field runs no chooser rule
    }

    void typingIntoAValueFieldSelectsToo() {
        const WindowSpec declaration = testSpec();
        QWidget window;
        SpecForm form(declaration, &window);
        QLineEdit* field = form.field(u"编辑框_对齐"_s);
        field->clear();
        QTest::keyClicks(field, u"right"_s);
        QCOMPARE(shown(window, u"组合框1"_s), u"2"_s);
        QCOMPARE(chosenCalls, 0);
    }

    void chooserWritesField_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::newRow("combo, next entry") << u"组合框1"_s << u"编辑框_对齐"_s << u"center"_s;
        QTest::newRow("radio button") << u"单选框2"_s << u"编辑框_样式"_s << u"2"_s;
        QTest::newRow("check box") << u"选择框1"_s << u"编辑框_开关"_s << u"none"_s;
        QTest::newRow("emptiness: clearing the check box empties") << u"选择框2"_s << u"编辑框_头像"_s << QString();
        QTest::newRow("a check box that only writes") << u"选择框3"_s << u"编辑框_分流"_s << u"on"_s;
        QTest::newRow("computed: 220 × 1.2") << u"组合框2"_s << u"编辑框_倍数"_s << u"264"_s;
    }
    void chooserWritesField() {
        QFETCH(QString, control);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        const WindowSpec declaration = testSpec();
        QWidget window;
        SpecForm form(declaration, &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget* widget = window.findChild<QWidget*>(control);
        QVERIFY(widget);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            combo->setFocus();
            QTest::keyClick(combo, Qt::Key_Down);  // the user picks the next entry
        } else {
            QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));  // on the indicator
        }
        QCOMPARE(form.text(field), expected);
        QCOMPARE(chosenCalls, 1);
    }

    void aChoiceWritesItsFurtherFields() {
        const WindowSpec declaration = testSpec();
        QWidget window;
        SpecForm form(declaration, &window);
        window.show();
        form.setText(u"编辑框_类型"_s, u"1"_s);  // the field alone moves the chooser, and writes nothing more
        QCOMPARE(shown(window, u"组合框3"_s), u"1"_s);
        QCOMPARE(form.text(u"编辑框_地址"_s), u"a/数字"_s);
        auto* combo = window.findChild<QComboBox*>(u"组合框3"_s);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(form.text(u"编辑框_类型"_s), u"0"_s);
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(form.text(u"编辑框_类型"_s), u"1"_s);
        QCOMPARE(form.text(u"编辑框_地址"_s), u"b/数字"_s);
    }

    void computedValueIsNotRecomputedLater() {
        const WindowSpec declaration = testSpec();
        QWidget window;
        SpecForm form(declaration, &window);
        window.show();
        form.setText(u"编辑框_宽"_s, u"300"_s);
        auto* combo = window.findChild<QComboBox*>(u"组合框2"_s);
        combo->setFocus();
        for (int i = 0; i < 4; ++i) QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(form.text(u"编辑框_倍数"_s), u"450"_s);
        form.setText(u"编辑框_宽"_s, u"200"_s);
        QCOMPARE(form.text(u"编辑框_倍数"_s), u"450"_s);
    }
};

QTEST_MAIN(SpecFormTest)
#include "spec_form_test.moc"

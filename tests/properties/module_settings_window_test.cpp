// "背景设置": the module settings row loaded with its defaults, the edition
// combo and the radio groups mirroring their hidden fields, the canvas
// preview, and the store on "保存设置" and on closing.

#include "properties/module_settings_spec.h"
#include "properties/module_settings_window.h"
#include "properties/spec_form.h"
#include "properties/test_host.h"
#include "support/http_server.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace vitrine;
using namespace vitrine::properties;
using namespace Qt::StringLiterals;
using testsupport::HttpServer;

namespace {

QLineEdit* field(QWidget* w, const QString& name) { return w->findChild<QLineEdit*>(name); }

void type(QWidget* w, const QString& name, const QString& what) { typeOver(field(w, name), what); }

// A click on the button's indicator, where the user aims.
void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }

QPushButton* saveButton(QWidget* w) { return w->findChild<QPushButton*>(u"按钮1"_s); }

QStringList moduleRow(TestHost& host) { return rowCells(host.backgroundLayer, ModuleSettingsRow); }

}  // namespace

class ModuleSettingsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void openingAndClosingStoresTheDefaults_data() {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("closed by the user") << false;
        QTest::newRow("保存设置") << true;
    }
    void openingAndClosingStoresTheDefaults() {
        QFETCH(bool, byButton);
        TestHost host;
        ModuleSettingsWindow window(host);
        window.openAndLoad();
        QCOMPARE(window.pos(), QPoint(10, 100));
        QCOMPARE(window.windowTitle(), u"背景设置"_s);
        QCOMPARE(window.findChild<QComboBox*>(u"组合框1"_s)->currentIndex(), 1);
        QVERIFY(window.findChild<QRadioButton*>(u"单选框2"_s)->isChecked());
        QVERIFY(window.findChild<QRadioButton*>(u"单选框6"_s)->isChecked());
        QVERIFY(window.findChild<QRadioButton*>(u"单选框7"_s)->isChecked());
        QVERIFY(window.findChild<QRadioButton*>(u"单选框11"_s)->isChecked());
        if (byButton)
            QTest::mouseClick(saveButton(&window), Qt::LeftButton);
        else
            window.close();
        QVERIFY(!window.isVisible());
        QCOMPARE(moduleRow(host), QStringList({u"专业版"_s, u"950"_s, QString::number(TestHost::kHeight - 110), {}, {},
                                               u"scroll"_s, u"no-repeat"_s, u"top"_s, u"center"_s, {}, u"0"_s}));
        QCOMPARE(host.statuses, QStringList{module::kSavedText});
    }

    void reopeningShowsTheStoredRow() {
        TestHost host;
        ModuleSettingsWindow window(host);
        window.openAndLoad();
        auto* combo = window.findChild<QComboBox*>(u"组合框1"_s);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);  // "基础版"
        QCOMPARE(field(&window, module::kEditionField)->text(), u"基础版"_s);
        type(&window, kWidthField, u"abc"_s);
        click(window.findChild<QRadioButton*>(u"单选框1"_s));
        QTest::mouseClick(saveButton(&window), Qt::LeftButton);
        QCOMPARE(moduleRow(host).mid(0, 2), QStringList({u"基础版"_s, u"abc"_s}));  // stored as typed
        QCOMPARE(host.backgroundLayer.getCell(ModuleSettingsRow, modcol::Attachment), u"fixed"_s);

        window.form().setText(module::kEditionField, u"天猫版"_s);  // unsaved, then reloaded
        window.openFromGlobalButton();
        QCOMPARE(combo->currentIndex(), 2);
        QVERIFY(window.findChild<QRadioButton*>(u"单选框1"_s)->isChecked());
        QCOMPARE(host.statuses.last(), module::kOpenHint);
    }

    void choicesMirrorTheirFields_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("checked");  // the radio button checked afterwards
        QTest::newRow("repeat-y selects 纵向平铺") << u"编辑框_平铺"_s << u"repeat-y"_s << u"单选框5"_s;
        QTest::newRow("repeat-x selects 横向平铺") << u"编辑框_平铺"_s << u"repeat-x"_s << u"单选框4"_s;
        QTest::newRow("a text of no choice changes nothing") << u"编辑框_平铺"_s << u"sideways"_s << u"单选框6"_s;
        QTest::newRow("bottom selects 下") << u"编辑框_上下"_s << u"bottom"_s << u"单选框9"_s;
        QTest::newRow("right selects 右") << u"编辑框_左右"_s << u"right"_s << u"单选框10"_s;
        QTest::newRow("left selects 左") << u"编辑框_左右"_s << u"left"_s << u"单选框12"_s;
        QTest::newRow("fixed selects 是") << u"编辑框_固定"_s << u"fixed"_s << u"单选框1"_s;
    }
    void choicesMirrorTheirFields() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, checked);
        TestHost host;
        ModuleSettingsWindow window(host);
        window.openAndLoad();
        window.form().setText(name, text);
        QVERIFY(window.findChild<QRadioButton*>(checked)->isChecked());
        // and back: clicking the radio button writes its value
        click(window.findChild<QRadioButton*>(u"单选框3"_s));
        QCOMPARE(field(&window, u"编辑框_平铺"_s)->text(), u"repeat"_s);
    }

    void canvasPreviewOfTheWidth_data() {
        QTest::addColumn<QString>("width");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("shownWidth");
        QTest::newRow("1200 is centred") << u"1200"_s << TestHost::kWidth / 2 - 600 << 1200;
        QTest::newRow("950 at the canvas origin") << u"950"_s << TestHost::kCanvasLeft << 950;
        QTest::newRow("951 truncated") << u"951"_s << 207 << 951;  // 683 − 475.5
        QTest::newRow("abc is 0") << u"abc"_s << TestHost::kCanvasLeft << 0;
    }
    void canvasPreviewOfTheWidth() {
        QFETCH(QString, width);
        QFETCH(int, left);
        QFETCH(int, shownWidth);
        TestHost host;
        ModuleSettingsWindow window(host);
        window.openAndLoad();
        type(&window, kHeightField, u"400"_s);
        type(&window, kWidthField, width);
        QCOMPARE(host.canvas->geometry(), QRect(left, kCanvasTop, shownWidth, 400));
        QCOMPARE(host.backgroundLayer.getCell(ModuleSettingsRow, modcol::Width), QString());  // only a preview
    }

    void canvasLabelShowsWhenThereIsABackground() {
        TestHost host;
        ModuleSettingsWindow window(host);
        window.openAndLoad();
        QVERIFY(!host.canvas->isVisibleTo(&host));  // no colour, no picture: transparent
        type(&window, module::kColourField, u"#fff"_s);
        QVERIFY(host.canvas->isVisibleTo(&host));
        type(&window, module::kPictureField, u"bg.png"_s);
        type(&window, module::kColourField, QString());
        QVERIFY(host.canvas->isVisibleTo(&host));
        type(&window, module::kPictureField, QString());  // both cleared, the picture last
        QVERIFY(!host.canvas->isVisibleTo(&host));
        QCOMPARE(host.canvas->size(), QSize(TestHost::kWidth, TestHost::kHeight - 110));
    }

    void colourPicker() {
        TestHost host;
        ModuleSettingsWindow window(host);
        window.openAndLoad();
        QPushButton* picker = window.findChild<QPushButton*>(module::kColourPicker);
        QCOMPARE(picker->accessibleName(), picker->text());
        QTest::mouseClick(picker, Qt::LeftButton);
        QColorDialog* dialog = window.findChild<QColorDialog*>();
        QVERIFY(dialog);
        dialog->setCurrentColor(QColor(10, 187, 204));
        dialog->accept();
        QCOMPARE(field(&window, module::kColourField)->text(), u"#0ABBCC"_s);
        QCOMPARE(host.canvas->palette().color(QPalette::Window), QColor(10, 187, 204));
        // Typing a colour does not recolour the canvas.
        type(&window, module::kColourField, u"#000000"_s);
        QCOMPARE(host.canvas->palette().color(QPalette::Window), QColor(10, 187, 204));
    }

    void backgroundPicturePreview_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("shown");
        QTest::newRow("a PNG is shown") << 200 << true;
        QTest::newRow("404 shows none") << 404 << false;
    }
    void backgroundPicturePreview() {
        QFETCH(int, status);
        QFETCH(bool, shown);
        HttpServer server;
        HttpServer::Route r;
        r.status = status;
        r.body = pngBytes(8, 6);
        r.contentType = "image/png";
        server.route(u"/bg.png"_s, r);
        TestHost host;
        ModuleSettingsWindow window(host);
        window.openAndLoad();
        type(&window, kWidthField, u"800.9"_s);
        field(&window, module::kPictureField)->setText(server.url(u"/bg.png"_s).toString());
        QCOMPARE(host.canvas->width(), 800);
        QTRY_COMPARE(server.hits(u"/bg.png"_s), 1);
        if (shown) QTRY_COMPARE(host.canvas->pixmap().size(), QSize(8, 6));
        QTest::qWait(100);
        QCOMPARE(!host.canvas->pixmap().isNull(), shown);
        field(&window, module::kPictureField)->setText(u"no picture"_s);
        QVERIFY(host.canvas->pixmap().isNull());
        QVERIFY(host.statuses.isEmpty());  // nothing reported
    }

    void everyControlCarriesItsName() {
        TestHost host;
        ModuleSettingsWindow window(host);
        window.openAndLoad();
        for (auto* f : window.findChildren<QLineEdit*>()) {
            if (!f->isVisible()) continue;
            QVERIFY2(!f->accessibleName().isEmpty(), qPrintable(f->objectName()));
            bool buddied = false;
            for (auto* label : window.findChildren<QLabel*>()) buddied = buddied || label->buddy() == f;
            QVERIFY2(buddied, qPrintable(f->objectName()));
        }
        for (auto* r : window.findChildren<QRadioButton*>()) QCOMPARE(r->accessibleName(), r->text());
        QCOMPARE(saveButton(&window)->accessibleName(), kSaveText);
    }
};

QTEST_MAIN(ModuleSettingsWindowTest)
#include "module_settings_window_test.moc"

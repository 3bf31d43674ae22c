// The property-window protocol, proven with the picture's window "属性设置":
// load from the item, live geometry, the saved marker, the save, reopening,
// the picture's own defaults, and the unsaved edits kept when a window goes.

#include "components/image/picture.h"
#include "components/image/picture_spec.h"
#include "properties/property_window.h"
#include "properties/property_windows.h"
#include "properties/test_host.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vitrine;
using namespace vitrine::properties;
using namespace Qt::StringLiterals;

namespace {

const QString kPicture = u"图片"_s;
const QColor kGreen(0, 255, 0);
const QColor kOrange(255, 128, 0);

QLineEdit* field(QWidget* window, const QString& name) { return window->findChild<QLineEdit*>(name); }

void type(QWidget* w, const QString& name, const QString& what) { typeOver(field(w, name), what); }

QString text(QWidget* window, const QString& name) {
    QLineEdit* f = field(window, name);
    return f ? f->text() : u"<missing>"_s;
}

QColor marker(QWidget* window) {
    return window->findChild<QLabel*>(kOrdinalLabel)->palette().color(QPalette::WindowText);
}

void clickSave(QWidget* window) {
    QPushButton* save = nullptr;
    for (auto* b : window->findChildren<QPushButton*>())
        if (b->text() == kSaveText) save = b;
    QVERIFY(save);
    QTest::mouseClick(save, Qt::LeftButton);
}

QPushButton* restoreButton(QWidget* window) { return window->findChild<QPushButton*>(kRestoreButton); }

}  // namespace

class PropertyWindowTest : public QObject {
    Q_OBJECT
private slots:
    void placementAndCaption() {
        TestHost host;
        host.addComponent(kPicture, 0, 0, 120, 120);
        PropertyWindowManager windows(host);
        windows.open(kPicture);
        QWidget* w = windows.window(kPicture);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), u"属性设置"_s);
        QCOMPARE(w->pos(), QPoint(TestHost::kWidth - w->width() - 5, 95));
        QVERIFY(w->isVisible());
        QCOMPARE(w->findChild<QLabel*>(kCircleLabel)->text(), u"○"_s);
        for (const QString& hidden : {kSavedField, kLoadField, u"编辑框_打开"_s}) QVERIFY(!field(w, hidden)->isVisible());
    }

    void loadsFromTheItem_data() {
        QTest::addColumn<int>("components");  // pictures added; the last one is opened
        QTest::addColumn<QStringList>("cells");  // columns 1 .. 9 of its row
        QTest::addColumn<QStringList>("expected");  // 打开, 图片, 链接, 提示, 距左, 距顶, 宽度, 高度, ordinal
        QTest::addColumn<int>("combo");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QStringList>("statuses");
        QTest::newRow("never saved: the defaults, orange")
            << 1 << QStringList{}
            << QStringList{u"_blank"_s, picture::kDefaultAddress, {}, {}, u"30"_s, u"40"_s, u"120"_s, u"110"_s, u"1"_s}
            << 0 << kOrange << QStringList{kUnsavedText};
        QTest::newRow("saved: the row's values and the item's geometry, green")
            << 2
            << QStringList{u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"_self"_s, u"http://img/p.png"_s, u"http://shop/"_s,
                           u"标题"_s, u"1"_s}
            << QStringList{u"_self"_s, u"http://img/p.png"_s, u"http://shop/"_s, u"标题"_s, u"30"_s, u"40"_s,
                           u"120"_s, u"110"_s, u"2"_s}
            << 1 << kGreen << QStringList{};
        QTest::newRow("a target of no entry leaves the combo box")
            << 1 << QStringList{{}, {}, {}, {}, u"_top"_s, u"p"_s, {}, {}, u"0"_s}
            << QStringList{u"_top"_s, u"p"_s, {}, {}, u"30"_s, u"40"_s, u"120"_s, u"110"_s, u"1"_s}
            << 0 << kOrange << QStringList{kUnsavedText};
    }
    void loadsFromTheItem() {
        QFETCH(int, components);
        QFETCH(QStringList, cells);
        QFETCH(QStringList, expected);
        QFETCH(int, combo);
        QFETCH(QColor, colour);
        QFETCH(QStringList, statuses);
        TestHost host;
        for (int i = 0; i < components; ++i) host.addComponent(kPicture, 30, 40, 120, 110);
        for (int c = 0; c < cells.size(); ++c) host.componentLayer.setCell(host.number, c + 1, cells[c]);
        PropertyWindowManager windows(host);
        windows.open(kPicture);
        QWidget* w = windows.window(kPicture);
        const QStringList names{u"编辑框_打开"_s, u"编辑框_图片"_s, u"编辑框_链接"_s, u"编辑框_提示"_s,
                                kLeftField, kTopField, kWidthField, kHeightField};
        QStringList shown;
        for (const QString& n : names) shown << text(w, n);
        shown << w->findChild<QLabel*>(kOrdinalLabel)->text();
        QCOMPARE(shown, expected);
        QCOMPARE(w->findChild<QComboBox*>(u"组合框1"_s)->currentIndex(), combo);
        QCOMPARE(marker(w), colour);
        QCOMPARE(host.statuses, statuses);
        QCOMPARE(host.selected->geometry(), QRect(30 + TestHost::kCanvasLeft, 40 + kCanvasTop, 120, 110));
    }

    void everyOpenLoadsAndRunsTheRulesAgain() {
        TestHost host;
        host.addComponent(kPicture, 0, 0, 120, 120);
        PropertyWindowManager windows(host);
        windows.open(kPicture);
        windows.open(kPicture);  // the saved field is empty again: its rule still runs
        QCOMPARE(host.statuses, QStringList({kUnsavedText, kUnsavedText}));
        host.selected->resize(200, 150);  // a resize by a handle reopens the window
        windows.open(kPicture);
        QCOMPARE(text(windows.window(kPicture), kWidthField), u"200"_s);
    }

    void liveGeometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QRect>("geometry");  // main-window pixels
        const int x = TestHost::kCanvasLeft + 30, y = kCanvasTop + 40;
        QTest::newRow("left") << kLeftField << u"50"_s << QRect(TestHost::kCanvasLeft + 50, y, 120, 110);
        QTest::newRow("left of the canvas") << kLeftField << u"-30"_s << QRect(TestHost::kCanvasLeft - 30, y, 120, 110);
        QTest::newRow("top") << kTopField << u"20"_s << QRect(x, kCanvasTop + 20, 120, 110);
        QTest::newRow("width abc is 0") << kWidthField << u"abc"_s << QRect(x, y, 0, 110);
        QTest::newRow("width, leading number") << kWidthField << u"75px"_s << QRect(x, y, 75, 110);
        QTest::newRow("height, full-width digits") << kHeightField << u"３００"_s << QRect(x, y, 120, 300);
        QTest::newRow("empty top is 0") << kTopField << QString() << QRect(x, kCanvasTop, 120, 110);
        QTest::newRow("an absurd left stays placeable") << kLeftField << u"99999999999"_s
                                                        << QRect(QWIDGETSIZE_MAX, y, 120, 110);
    }
    void liveGeometry() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QRect, geometry);
        TestHost host;
        host.addComponent(kPicture, 30, 40, 120, 110);
        PropertyWindowManager windows(host);
        windows.open(kPicture);
        type(windows.window(kPicture), name, typed);
        QCOMPARE(host.selected->geometry(), geometry);
        QCOMPARE(rowCells(host.componentLayer, host.number).mid(1, 4), QStringList({{}, {}, {}, {}}));
    }

    void savedMarker_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("unsavedText");
        QTest::newRow("1 is green") << u"0"_s << u"1"_s << kGreen << false;
        QTest::newRow("0 is orange") << u"1"_s << u"0"_s << kOrange << true;
        QTest::newRow("empty is orange") << u"1"_s << QString() << kOrange << true;
        QTest::newRow("other text leaves green") << u"1"_s << u"x"_s << kGreen << false;
        QTest::newRow("other text leaves orange") << u"0"_s << u"2"_s << kOrange << false;
    }
    void savedMarker() {
        QFETCH(QString, before);
        QFETCH(QString, written);
        QFETCH(QColor, colour);
        QFETCH(bool, unsavedText);
        TestHost host;
        host.addComponent(kPicture, 0, 0, 120, 120);
        host.componentLayer.setCell(host.number, col::Saved, before);
        PropertyWindowManager windows(host);
        windows.open(kPicture);
        host.statuses.clear();
        field(windows.window(kPicture), kSavedField)->setText(written);
        QCOMPARE(marker(windows.window(kPicture)), colour);
        QCOMPARE(host.statuses, unsavedText ? QStringList{kUnsavedText} : QStringList{});
    }

    void saveWritesExactlyThePictureColumns() {
        TestHost host;
        host.addComponent(kPicture, 0, 0, 120, 120);
        QLabel* item = host.addComponent(kPicture, 30, 40, 120, 110);
        PropertyWindowManager windows(host);
        windows.open(kPicture);
        QWidget* w = windows.window(kPicture);
        type(w, kLeftField, u"50"_s);
        type(w, kTopField, u"20"_s);
        type(w, kWidthField, u"abc"_s);
        type(w, kHeightField, u"200"_s);
        auto* combo = w->findChild<QComboBox*>(u"组合框1"_s);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        type(w, u"编辑框_图片"_s, u"picture.png"_s);
        type(w, u"编辑框_链接"_s, u"https://shop.example/item"_s);
        type(w, u"编辑框_提示"_s, u"say \"hi\""_s);
        host.statuses.clear();
        clickSave(w);
        QCOMPARE(rowCells(host.componentLayer, 3),
                 QStringList({kPicture, u"50"_s, u"20"_s, u"abc"_s, u"200"_s, u"_self"_s, u"picture.png"_s,
                              u"https://shop.example/item"_s, u"say \"hi\""_s, u"1"_s, {}, {}}));
        QCOMPARE(rowCells(host.componentLayer, 2), QStringList({kPicture, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}}));
        QCOMPARE(text(w, kSavedField), u"1"_s);
        QCOMPARE(marker(w), kGreen);
        QCOMPARE(host.statuses, QStringList{picture::kSavedText});
        QCOMPARE(item->geometry(), QRect(TestHost::kCanvasLeft + 50, kCanvasTop + 20, 0, 200));
        QVERIFY(w->isVisible());  // the window stays open after saving
        QCOMPARE(host.pictureCalls, 0);  // no "http": nothing is fetched
    }

    void reopeningShowsSavedValues() {
        TestHost host;
        host.addComponent(kPicture, 0, 0, 120, 120);
        PropertyWindowManager windows(host);
        windows.open(kPicture);
        type(windows.window(kPicture), u"编辑框_链接"_s, u"#top"_s);
        type(windows.window(kPicture), u"编辑框_图片"_s, u"no-address"_s);
        clickSave(windows.window(kPicture));
        windows.closeAll();
        QVERIFY(!windows.window(kPicture));

        host.selected->move(host.selected->x() + 15, host.selected->y());  // dragged after the save
        host.statuses.clear();
        windows.open(kPicture);
        QWidget* w = windows.window(kPicture);
        QCOMPARE(text(w, u"编辑框_链接"_s), u"#top"_s);
        QCOMPARE(text(w, kLeftField), u"15"_s);
        QCOMPARE(marker(w), kGreen);
        QCOMPARE(host.statuses, QStringList{});
        QCOMPARE(host.componentLayer.getCell(host.number, col::Left), u"0"_s);  // the row keeps the saved place
        QCOMPARE(w->findChild<QLabel*>(kOrdinalLabel)->text(), u"1"_s);
    }

    void pictureFieldRules_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("combo");
        QTest::newRow("emptied address takes the default")
            << u"编辑框_图片"_s << QString() << u"_self"_s << picture::kDefaultAddress << 1;
        QTest::newRow("emptied target takes _blank")
            << u"编辑框_打开"_s << QString() << u"_blank"_s << u"http://img/x.png"_s << 0;
        QTest::newRow("a target of no entry leaves the combo box")
            << u"编辑框_打开"_s << u"_top"_s << u"_top"_s << u"http://img/x.png"_s << 1;
    }
    void pictureFieldRules() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, target);
        QFETCH(QString, address);
        QFETCH(int, combo);
        TestHost host;
        host.addComponent(kPicture, 0, 0, 120, 120);
        host.componentLayer.setCell(host.number, picture::Target, u"_self"_s);
        host.componentLayer.setCell(host.number, picture::Address, u"http://img/x.png"_s);
        PropertyWindowManager windows(host);
        windows.open(kPicture);
        type(windows.window(kPicture), name, typed);
        QCOMPARE(text(windows.window(kPicture), u"编辑框_打开"_s), target);
        QCOMPARE(text(windows.window(kPicture), u"编辑框_图片"_s), address);
        QCOMPARE(windows.window(kPicture)->findChild<QComboBox*>(u"组合框1"_s)->currentIndex(), combo);
    }

    void everyControlCarriesItsName() {
        TestHost host;
        host.addComponent(kPicture, 0, 0, 120, 120);
        PropertyWindowManager windows(host);
        windows.open(kPicture);
        QWidget* w = windows.window(kPicture);
        int shownFields = 0;
        for (auto* f : w->findChildren<QLineEdit*>()) {
            if (!f->isVisible()) continue;
            ++shownFields;
            QVERIFY2(!f->accessibleName().isEmpty(), qPrintable(f->objectName()));
            bool buddied = false;
            for (auto* label : w->findChildren<QLabel*>())
                buddied = buddied || (label->buddy() == f && label->text() == f->accessibleName());
            QVERIFY2(buddied, qPrintable(f->objectName()));
        }
        QCOMPARE(shownFields, 7);
        for (auto* b : w->findChildren<QPushButton*>()) QCOMPARE(b->accessibleName(), b->text());
        QCOMPARE(w->findChild<QComboBox*>(u"组合框1"_s)->accessibleName(), u"打开方式"_s);
    }

    void windowsAreDestroyed() {
        TestHost host;
        host.addComponent(kPicture, 0, 0, 120, 120);
        PropertyWindowManager windows(host);
        windows.open(kPicture);
        windows.open(u"轮播"_s);  // no window built for it: nothing opens
        QVERIFY(!windows.window(u"轮播"_s));
        QPointer<QWidget> w = windows.window(kPicture);
        windows.close(u"轮播"_s);
        QVERIFY(w);
        windows.close(kPicture);
        QVERIFY(!w);
        windows.open(kPicture);
        w = windows.window(kPicture);
        windows.closeAll();
        QVERIFY(!w);
    }

    // A window destroyed by a click elsewhere must not lose what was typed:
    // the edits are kept per component and offered back when it reopens.
    void unsavedEditsAreOfferedBack() {
        TestHost host;
        QLabel* first = host.addComponent(kPicture, 0, 0, 120, 120);
        PropertyWindowManager windows(host);
        windows.open(kPicture);
        type(windows.window(kPicture), u"编辑框_链接"_s, u"http://shop/sale"_s);
        type(windows.window(kPicture), kLeftField, u"44"_s);
        windows.closeAll();  // the user pressed another item

        QLabel* second = host.addComponent(kPicture, 0, 0, 120, 120);
        windows.open(kPicture);
        QVERIFY(!restoreButton(windows.window(kPicture))->isVisible());  // the other component has none
        windows.closeAll();

        host.select(first, 2);
        host.statuses.clear();
        windows.open(kPicture);
        QWidget* w = windows.window(kPicture);
        QCOMPARE(text(w, u"编辑框_链接"_s), QString());  // the load shows what is saved
        QCOMPARE(text(w, kLeftField), u"44"_s);            // the item kept its place
        QVERIFY(restoreButton(w)->isVisible());
        QCOMPARE(host.statuses.last(), kUnsavedEditsText);
        QTest::mouseClick(restoreButton(w), Qt::LeftButton);
        QCOMPARE(text(w, u"编辑框_链接"_s), u"http://shop/sale"_s);
        QVERIFY(!restoreButton(w)->isVisible());
        QCOMPARE(host.statuses.last(), kEditsRestoredText);

        // Still unsaved: closing again keeps them again; saving ends the offer.
        windows.closeAll();
        windows.open(kPicture);
        QVERIFY(restoreButton(windows.window(kPicture))->isVisible());
        QTest::mouseClick(restoreButton(windows.window(kPicture)), Qt::LeftButton);
        type(windows.window(kPicture), u"编辑框_图片"_s, u"local.png"_s);
        clickSave(windows.window(kPicture));
        windows.closeAll();
        windows.open(kPicture);
        QVERIFY(!restoreButton(windows.window(kPicture))->isVisible());
        QCOMPARE(text(windows.window(kPicture), u"编辑框_链接"_s), u"http://shop/sale"_s);
        Q_UNUSED(second);
    }

    void aReloadOffersTheEditsItOverwrote() {
        TestHost host;
        host.addComponent(kPicture, 0, 0, 120, 120);
        PropertyWindowManager windows(host);
        windows.open(kPicture);
        type(windows.window(kPicture), u"编辑框_提示"_s, u"新品"_s);
        host.selected->resize(60, 60);
        windows.open(kPicture);  // resized by a handle: the window reloads
        QWidget* w = windows.window(kPicture);
        QCOMPARE(text(w, u"编辑框_提示"_s), QString());
        QVERIFY(restoreButton(w)->isVisible());
        QTest::mouseClick(restoreButton(w), Qt::LeftButton);
        QCOMPARE(text(w, u"编辑框_提示"_s), u"新品"_s);
        QCOMPARE(text(w, kWidthField), u"60"_s);
    }
};

QTEST_MAIN(PropertyWindowTest)
#include "property_window_test.moc"

// A whole run of the editor: start-up, "生成代码" with the clipboard and the
// preview page, "预览效果", "全局设置 ☆", "-", "×" and the end of the program.

#include "components/kinds.h"
#include "document/component_kind.h"
#include "editor_fixture.h"
#include "properties/property_windows.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringDecoder>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;
using namespace vitrine;
using testsupport::centreOf;
using testsupport::Editor;

namespace {
const QString kDone = u"代码生成完毕，并已复制到剪切板..."_s;
const QString kRefused = u"您未配置 全局设置 里面的数属性，不能生成代码..."_s;

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What the picture's save writes into its row.
void saveAsPictureWindowDoes(Editor& e, int n) {
    CanvasItem* item = e.item(n);
    auto& layer = e.window().document().components;
    const QStringList values = {QString::number(item->x() - e.window().canvasLeft()), QString::number(item->y() - 90),
                                QString::number(item->width()), QString::number(item->height()), u"_blank"_s,
                                u"http://img.example/p.jpg"_s, u"http://shop.example/"_s, u"标题"_s};
    for (int c = 0; c < values.size(); ++c) layer.setCell(n, c + 1, values[c]);
    layer.setCell(n, 9, u"1"_s);
}

void pressButton(Editor& e, const char16_t* name) {
    auto* b = e.find<QPushButton>(QString::fromUtf16(name));
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};
}  // namespace

class EditorSessionTest : public QObject {
    Q_OBJECT
private slots:
    void startUp();
    void leftoverSettingsAreNotTakenOver();
    void generateCopiesTheCodeAndWritesThePreview();
    void pictureSavedInItsWindowIsGenerated();
    void refusalTouchesNeitherClipboardNorFile();
    void previewThatCannotBeWrittenIsReported();
    void previewButtonOpensThePage();
    void globalSettingsButton();
    void minimiseClearsTheSelection();
    void closeButtonRemovesTheSettingsFolder();
    void endOfTheWindowDeletesThePreview();
};

void EditorSessionTest::startUp() {
    Editor e;
    auto& doc = e.window().document();
    QVERIFY(e.window().isVisible());
    QCOMPARE(doc.componentCounter(), 1);
    QCOMPARE(doc.textCounter(), 0);
    QCOMPARE(doc.items.at(1)->objectName(), u"图片框1"_s);
    QVERIFY(doc.items.at(1)->isHidden());
    QVERIFY(QDir(e.base() + u"/bj"_s).exists());
    QCOMPARE(e.window().settings(), &e.window().settingsFolder());
}

void EditorSessionTest::leftoverSettingsAreNotTakenOver() {
    QTemporaryDir base;
    QDir().mkpath(base.path() + u"/bj"_s);
    QFile old(base.path() + u"/bj/lb2.ini"_s);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("[\xC5\xE4\xD6\xC3]\r\n");
    old.close();
    auto folder = std::make_unique<SettingsFolder>(base.path());
    QCOMPARE(folder->open(), SettingsFolder::OpenResult::Ok);
    MainWindow w(std::move(folder), true, {QSize(1366, 768), {}});
    w.start();
    QVERIFY(w.addComponent(*findKind(kind::Carousel)));
    QVERIFY(!QFile::exists(base.path() + u"/bj/lb2.ini"_s));
}

void EditorSessionTest::generateCopiesTheCodeAndWritesThePreview() {
    Editor e;
    CanvasItem* picture = e.add(u"图片"_s);
    e.drag(centreOf(picture), centreOf(picture) + QPoint(301, 53));  // to canvas 100, 210
    CanvasItem* unsaved = e.add(u"图片"_s);
    QVERIFY(unsaved);
    saveAsPictureWindowDoes(e, 2);
    QGuiApplication::clipboard()->setText(u"earlier"_s);

    pressButton(e, u"超级按钮_生成");
    const QString code = QGuiApplication::clipboard()->text();
    const QString block =
        u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:210px;left:100px;width:120px;"
        u"height:120px;padding: 0;border:0;background:none;\"><a href=\"http://shop.example/\" target=\"_blank\" "
        u"title=\"标题\"><img src=\"http://img.example/p.jpg\" style=\"width:120px;height:120px\"></a></div>"_s;
    QCOMPARE(code.count(block), 1);
    QVERIFY(code.endsWith(u"</div></div></div>"_s));
    QCOMPARE(e.window().statusText(), kDone);
    QVERIFY(!e.handlesShown());

    // The preview page holds the code, as GBK bytes.
    const QByteArray page = readAll(e.base() + u"/yl.htm"_s);
    QVERIFY(!page.isEmpty());
    QStringDecoder gbk("GB18030");
    const QString decoded = gbk.decode(page);
    QVERIFY(!gbk.hasError());
    QVERIFY(decoded.contains(code));
    QVERIFY(!page.startsWith("\xEF\xBB\xBF"));

    // A second generation gives the same code.
    pressButton(e, u"超级按钮_生成");
    QCOMPARE(QGuiApplication::clipboard()->text(), code);
}

// The whole road: added, dragged onto the canvas, set and saved in "属性设置",
// generated.
void EditorSessionTest::pictureSavedInItsWindowIsGenerated() {
    Editor e;
    CanvasItem* picture = e.add(u"图片"_s);
    e.drag(centreOf(picture), centreOf(picture) + QPoint(341, 33));  // to canvas 140, 190
    QWidget* window = e.window().propertyWindows().window(kind::Picture);
    QVERIFY(window);
    auto type = [window](const char16_t* name, const QString& text) {
        auto* field = window->findChild<QLineEdit*>(QString::fromUtf16(name));
        QVERIFY2(field, qPrintable(QString::fromUtf16(name)));
        field->selectAll();
        field->insert(text);  // typed over the selected text
    };
    type(u"编辑框_图片", u"http://127.0.0.1:9/p.jpg"_s);  // nobody answers there
    type(u"编辑框_链接", u"http://shop.example/item"_s);
    type(u"编辑框_提示", u"新品上市"_s);
    QPushButton* save = nullptr;
    for (auto* b : window->findChildren<QPushButton*>())
        if (b->text() == u"保存设置"_s) save = b;
    QVERIFY(save);
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(e.cell(2, 9), u"1"_s);

    pressButton(e, u"超级按钮_生成");
    const QString block =
        u"<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:190px;left:140px;width:120px;"
        u"height:120px;padding: 0;border:0;background:none;\"><a href=\"http://shop.example/item\" target=\"_blank\" "
        u"title=\"新品上市\"><img src=\"http://127.0.0.1:9/p.jpg\" style=\"width:120px;height:120px\"></a></div>"_s;
    QCOMPARE(QGuiApplication::clipboard()->text().count(block), 1);
    QCOMPARE(e.window().statusText(), kDone);
    // Every property window closes after a generation.
    QVERIFY(!e.window().propertyWindows().window(kind::Picture));
}

void EditorSessionTest::refusalTouchesNeitherClipboardNorFile() {
    Editor e;
    e.click(centreOf(e.add(u"客服"_s)));
    QVERIFY(e.handlesShown());
    e.window().document().background.setCell(0, 8, QString());
    QGuiApplication::clipboard()->setText(u"earlier"_s);
    pressButton(e, u"超级按钮_生成");
    QCOMPARE(e.window().statusText(), kRefused);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"earlier"_s);
    QVERIFY(!QFile::exists(e.base() + u"/yl.htm"_s));
    QVERIFY(!e.handlesShown());
}

void EditorSessionTest::previewThatCannotBeWrittenIsReported() {
    Editor e;
    QVERIFY(QDir().mkpath(e.base() + u"/yl.htm"_s));  // a folder where the page should go
    QGuiApplication::clipboard()->setText(u"earlier"_s);
    pressButton(e, u"超级按钮_生成");
    QVERIFY(QGuiApplication::clipboard()->text().endsWith(u"</div></div></div>"_s));
    QVERIFY(e.window().statusText() != kDone);
    QVERIFY(e.window().statusText().contains(u"yl.htm"_s));
}

void EditorSessionTest::previewButtonOpensThePage() {
    Editor e;
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(u"file"_s, &catcher, "open");
    pressButton(e, u"超级按钮_预览");
    QDesktopServices::unsetUrlHandler(u"file"_s);
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(e.base() + u"/yl.htm"_s)});
}

void EditorSessionTest::globalSettingsButton() {
    Editor e;
    pressButton(e, u"超级按钮_全局");
    QCOMPARE(e.window().statusText(),
             u"模块尺寸为必须填写，如果需要透明背景，请删除背景颜色和背景图地址，所有数据修改完成后请点击 保存设置..."_s);
}

void EditorSessionTest::minimiseClearsTheSelection() {
    Editor e;
    e.click(centreOf(e.add(u"图片"_s)));
    QVERIFY(e.handlesShown());
    QVERIFY(e.window().propertyWindows().window(kind::Picture));
    pressButton(e, u"超级按钮_最小化");
    QVERIFY(!e.handlesShown());
    QVERIFY(!e.window().propertyWindows().window(kind::Picture));
    QTRY_VERIFY(e.window().isMinimized());
}

void EditorSessionTest::closeButtonRemovesTheSettingsFolder() {
    Editor e;
    e.add(u"轮播"_s);
    QFile settings(e.base() + u"/bj/lb2.ini"_s);
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.close();
    QSignalSpy closed(&e.window(), &MainWindow::closed);
    pressButton(e, u"超级按钮_关闭");
    QVERIFY(!QDir(e.base() + u"/bj"_s).exists());
    QCOMPARE(closed.count(), 1);
    QVERIFY(!e.window().isVisible());
}

void EditorSessionTest::endOfTheWindowDeletesThePreview() {
    Editor e;
    pressButton(e, u"超级按钮_生成");
    QVERIFY(QFile::exists(e.base() + u"/yl.htm"_s));
    e.destroy();
    QVERIFY(!QFile::exists(e.base() + u"/yl.htm"_s));
    // Without "×" the settings folder stays for the next run.
    QVERIFY(QDir(e.base() + u"/bj"_s).exists());
}

QTEST_MAIN(EditorSessionTest)
#include "editor_session_test.moc"

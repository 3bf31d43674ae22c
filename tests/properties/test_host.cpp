#include "properties/test_host.h"

#include <QBuffer>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

using namespace vitrine;
using namespace Qt::StringLiterals;

TestHost::TestHost() : folder(dir.path()) {
    resize(kWidth, kHeight);
    folder.open();
    canvas = new QLabel(this);
    canvas->setObjectName(u"标签_背景"_s);
    canvas->setGeometry(kCanvasLeft, kCanvasTop, 950, kHeight - 110);
}

TestHost::~TestHost() = default;

QLabel* TestHost::addComponent(const QString& kind, int x, int y, int width, int height) {
    auto* item = new QLabel(this);
    QPixmap placeholder(width, height);
    placeholder.fill(Qt::gray);
    item->setPixmap(placeholder);
    item->setGeometry(x + kCanvasLeft, y + kCanvasTop, width, height);
    const int row = componentLayer.appendRow();
    componentLayer.setCell(row, col::Kind, kind);
    items << item;
    select(item, row);
    return item;
}

void TestHost::select(QLabel* item, int n) {
    selected = item;
    number = n;
}

void TestHost::setItemPicture(QWidget* item, const QPixmap& picture) {
    ++pictureCalls;
    if (auto* label = qobject_cast<QLabel*>(item)) label->setPixmap(picture);
}

QStringList rowCells(const Layer& layer, int row) {
    QStringList cells;
    for (int c = 0; c < layer.columnCount(); ++c) cells << layer.getCell(row, c);
    return cells;
}

void typeOver(QLineEdit* field, const QString& text) {
    field->selectAll();
    if (text.isEmpty()) QTest::keyClick(field, Qt::Key_Delete);
    // Typing replaces the selection, so the field is never empty on the way.
    // Qt Test types Latin-1 only; the rest arrives as an input method would commit it.
    bool latin1 = true;
    for (QChar c : text) latin1 = latin1 && c.unicode() < 0x80;
    if (latin1)
        QTest::keyClicks(field, text);
    else
        field->insert(text);
}

QByteArray pngBytes(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

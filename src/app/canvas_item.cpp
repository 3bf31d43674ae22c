#include "app/canvas_item.h"

#include "generation/text_rules.h"

#include <QPainter>
#include <QPixmap>

namespace vitrine {

int tagNumber(const QWidget* item) {
    return item ? textToInteger(item->property(kTagProperty).toString()) : 0;
}

void setTagNumber(QWidget* item, int n) {
    if (item) item->setProperty(kTagProperty, QString::number(n));
}

CanvasItem::CanvasItem(QWidget* parent) : QLabel(parent) {
    setScaledContents(true);
    setAlignment(Qt::AlignCenter);
}

CanvasItem* CanvasItem::cloneOf(const CanvasItem& templateItem) {
    auto* item = new CanvasItem(templateItem.parentWidget());
    item->setGeometry(templateItem.geometry());
    item->setPixmap(templateItem.pixmap());
    item->setCursor(templateItem.cursor());
    item->hide();
    return item;
}

void CanvasItem::setPicture(const QPixmap& picture) { setPixmap(picture); }

TextItem::TextItem(QWidget* parent) : QLabel(parent) {}

TextItem* TextItem::cloneOf(const TextItem& templateItem) {
    auto* item = new TextItem(templateItem.parentWidget());
    item->setGeometry(templateItem.geometry());
    item->setFont(templateItem.font());
    item->setPalette(templateItem.palette());
    item->setAlignment(templateItem.alignment());
    item->setCursor(templateItem.cursor());
    item->hide();
    return item;
}

void TextItem::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!text().isEmpty() || !pixmap().isNull()) return;
    QPainter p(this);
    QPen pen(QColor(0x80, 0x80, 0x80));
    pen.setStyle(Qt::DashLine);
    p.setPen(pen);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace vitrine

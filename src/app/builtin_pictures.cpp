#include "app/builtin_pictures.h"

#include "app/main_layout.h"
#include "components/kinds.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <algorithm>
#include <functional>

namespace vitrine {
using namespace Qt::StringLiterals;

namespace {

constexpr QSize kBannerSize{750, 325};
constexpr QSize kArrowSize{40, 40};

// Each kind its own hue, spread round the colour wheel in toolbar order.
QColor kindColour(const KindInfo& info) {
    const auto& kinds = componentKinds();
    int index = 0;
    const int count = static_cast<int>(kinds.size());
    for (int i = 0; i < count; ++i)
        if (kinds[static_cast<std::size_t>(i)].kind == info.kind) index = i;
    return QColor::fromHsv((index * 360 / std::max(count, 1) + 200) % 360, 80, 240);
}

QFont pixelFont(int pixels, bool bold = false) {
    QFont f;
    f.setPixelSize(std::max(pixels, 6));
    f.setBold(bold);
    return f;
}

QPixmap filled(QSize size, const QColor& colour) {
    QPixmap pm(size);
    pm.fill(colour);
    return pm;
}

QPixmap genericPicture(const KindInfo& info) {
    const QSize size(std::max(info.width, 1), std::max(info.height, 1));
    const QColor ground = kindColour(info);
    QPixmap pm = filled(size, ground);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(ground.darker(160), 1));
    p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
    p.setPen(ground.darker(300));
    const int namePx = std::clamp(size.height() - 8, 8, 22);
    p.setFont(pixelFont(namePx, true));
    if (size.height() >= 60) {
        QRect top = QRect(0, 0, size.width(), size.height() / 2 + namePx / 2);
        p.drawText(top, Qt::AlignHCenter | Qt::AlignBottom, info.kind);
        p.setFont(pixelFont(11));
        QRect bottom(0, top.bottom() + 4, size.width(), 16);
        p.drawText(bottom, Qt::AlignHCenter | Qt::AlignTop, u"%1 × %2"_s.arg(size.width()).arg(size.height()));
    } else {
        p.drawText(pm.rect(), Qt::AlignCenter, info.kind);
    }
    return pm;
}

// A landscape on a light ground: the picture box's own placeholder.
QPixmap landscapePicture(const KindInfo& info) {
    const QSize size(std::max(info.width, 1), std::max(info.height, 1));
    QPixmap pm = filled(size, QColor(0xdd, 0xee, 0xfb));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf6, 0xc3, 0x43));
    p.drawEllipse(QPointF(w * 0.72, h * 0.28), w * 0.09, w * 0.09);
    QPainterPath hills;
    hills.moveTo(0, h * 0.78);
    hills.lineTo(w * 0.32, h * 0.45);
    hills.lineTo(w * 0.55, h * 0.68);
    hills.lineTo(w * 0.72, h * 0.52);
    hills.lineTo(w, h * 0.78);
    hills.lineTo(w, h);
    hills.lineTo(0, h);
    hills.closeSubpath();
    p.setBrush(QColor(0x5a, 0xa8, 0x6b));
    p.drawPath(hills);
    p.setPen(QColor(0x1f, 0x4e, 0x2c));
    p.setFont(pixelFont(16, true));
    p.drawText(QRectF(0, h * 0.78, w, h * 0.22), Qt::AlignCenter, info.kind);
    p.setPen(QPen(QColor(0x7a, 0x9c, 0xb8), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    return pm;
}

// The carousel's sample banner: a wide gradient with slide dots.
QPixmap bannerPicture(const KindInfo& info) {
    QPixmap pm(kBannerSize);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient g(0, 0, kBannerSize.width(), kBannerSize.height());
    g.setColorAt(0, QColor(0xff, 0x7a, 0x45));
    g.setColorAt(1, QColor(0xc8, 0x2a, 0x6a));
    p.fillRect(pm.rect(), g);
    p.setPen(Qt::white);
    p.setFont(pixelFont(96, true));
    p.drawText(QRect(0, 40, kBannerSize.width(), 150), Qt::AlignCenter, info.kind);
    p.setFont(pixelFont(30));
    p.drawText(QRect(0, 190, kBannerSize.width(), 50), Qt::AlignCenter, u"750 × 325"_s);
    const int dots = 4, gap = 34, y = 280;
    const int x0 = kBannerSize.width() / 2 - (dots - 1) * gap / 2;
    for (int i = 0; i < dots; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(i == 0 ? QColor(Qt::white) : QColor(255, 255, 255, 110));
        p.drawEllipse(QPoint(x0 + i * gap, y), 9, 9);
    }
    return pm;
}

// A chevron on a dark round ground, pointing left or right.
QPixmap chevronPicture(bool left) {
    QPixmap pm(kArrowSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawEllipse(QRectF(1, 1, 38, 38));
    QPen pen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    const double tip = left ? 14 : 26, back = left ? 24 : 16;
    const QPointF points[] = {{back, 10}, {tip, 20}, {back, 30}};
    p.drawPolyline(points, 3);
    return pm;
}

QPixmap cached(const QString& key, const std::function<QPixmap()>& draw) {
    QPixmap pm;
    if (!QPixmapCache::find(key, &pm)) {
        pm = draw();
        QPixmapCache::insert(key, pm);
    }
    return pm;
}

}  // namespace

QPixmap kindPicture(const KindInfo& kind) {
    const QString key = u"vitrine-kind-"_s + kind.picture + u'-' + kind.kind;
    return cached(key, [&] {
        if (kind.picture == u"carousel"_s) return bannerPicture(kind);
        if (kind.picture == u"leftarrow"_s) return chevronPicture(true);
        if (kind.picture == u"rightarrow"_s) return chevronPicture(false);
        if (kind.picture == u"picture"_s) return landscapePicture(kind);
        return genericPicture(kind);
    });
}

QPixmap rulerPicture() {
    return cached(u"vitrine-ruler"_s, [] {
        QPixmap pm(design::Ruler);
        pm.fill(QColor(0x2a, 0x2d, 0x32));
        QPainter p(&pm);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(pixelFont(9));
        const int h = design::Ruler.height();
        for (int v = 0; v <= design::CanvasWidth; v += 10) {
            const int x = design::RulerZero + v;
            const bool major = v % 50 == 0;
            p.setPen(QColor(0xc8, 0xcc, 0xd2));
            p.drawLine(x, h - 1, x, h - (major ? 10 : v % 50 == 25 ? 6 : 4));
            if (major) p.drawText(QRect(x + 2, 0, 30, 11), Qt::AlignLeft | Qt::AlignVCenter, QString::number(v));
        }
        p.drawLine(0, h - 1, design::Ruler.width() - 1, h - 1);
        return pm;
    });
}

QPixmap logoPicture() {
    return cached(u"vitrine-logo"_s, [] {
        QPixmap pm(design::Logo);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        QLinearGradient g(0, 0, 0, 66);
        g.setColorAt(0, QColor(0xff, 0x8a, 0x3d));
        g.setColorAt(1, QColor(0xff, 0x50, 0x00));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(8, 8, 50, 50), 10, 10);
        p.setPen(Qt::white);
        p.setFont(pixelFont(30, true));
        p.drawText(QRect(8, 6, 50, 38), Qt::AlignCenter, u"V"_s);
        p.setFont(pixelFont(11, true));
        p.drawText(QRect(8, 38, 50, 16), Qt::AlignCenter, u"装修"_s);
        return pm;
    });
}

QPixmap toolbarPicture() {
    return cached(u"vitrine-toolbar"_s, [] {
        QPixmap pm(design::Toolbar);
        QPainter p(&pm);
        QLinearGradient g(0, 0, 0, design::Toolbar.height());
        g.setColorAt(0, QColor(0x41, 0x4a, 0x58));
        g.setColorAt(1, QColor(0x2e, 0x34, 0x3e));
        p.fillRect(pm.rect(), g);
        p.setPen(QColor(0x57, 0x60, 0x6e));
        p.drawLine(104, 6, 104, 60);
        p.drawLine(598, 6, 598, 60);
        return pm;
    });
}

}  // namespace vitrine

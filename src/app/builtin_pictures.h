#pragma once
// The pictures the editor carries: a placeholder per component kind, shown
// until the user saves a picture of their own, the ruler, the logo and the
// toolbar's ground. All are drawn at start, so nothing is read from disk.

#include <QPixmap>
#include <QString>

namespace vitrine {

struct KindInfo;

// The placeholder of `kind`: the sample banner (750 × 325) for the carousel,
// a 40 × 40 chevron for each arrow, and for every other kind its name on a
// ground of its own colour at the size of a new item.
QPixmap kindPicture(const KindInfo& kind);

// 980 × 18, labelled 0 to 950 every 50 with ticks every 10; the zero mark
// lies 2 pixels from its left edge.
QPixmap rulerPicture();
QPixmap logoPicture();
QPixmap toolbarPicture();

}  // namespace vitrine

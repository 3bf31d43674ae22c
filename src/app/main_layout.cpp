#include "app/main_layout.h"

namespace vitrine {

namespace {
// Worked in floating point, the fraction dropped.
int truncated(double v) { return static_cast<int>(v); }
}  // namespace

MainLayout computeMainLayout(QSize screen) {
    MainLayout l;
    const int w = screen.width();
    const int h = screen.height() - design::TaskBarHeight;
    l.window = QSize(w, h);
    l.bandWidth = w;
    l.closeLeft = w - design::WindowButton.width() - 2;
    l.minimiseLeft = l.closeLeft - design::WindowButton.width() - 2;
    l.rulerLeft = truncated(l.bandWidth / 2.0 - (design::Ruler.width() - 30) / 2.0);
    l.leftLine = l.rulerLeft + design::RulerZero;
    l.rightLine = l.rulerLeft + design::Ruler.width() - 29;
    l.centreLine = l.leftLine + 475;
    l.lineHeight = h - design::CanvasTop;
    l.statusBar = QRect(0, h - design::StatusBarHeight, w, design::StatusBarHeight);
    l.statusPaneWidth = w - 50;
    l.generateLeft = w - 200;
    l.previewLeft = l.generateLeft + 60;
    l.canvasLeft = l.leftLine;
    l.canvasHeight = h - 110;
    l.logoLeft = 0;
    l.toolbarLeft = l.leftLine;
    l.globalLeft = l.logoLeft + 76;
    l.centreCheckLeft = 611;
    l.horizontalLineWidth = w;
    return l;
}

}  // namespace vitrine

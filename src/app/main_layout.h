#pragma once
// Where the main window puts its controls for a given screen: the window
// fills the screen's width and its height less 40 (room for the task bar),
// and the canvas stays centred under the ruler. A pure function of the
// screen size, applied on every size change of the main window.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vitrine {

// The sizes of the main window's own controls as designed.
namespace design {
inline constexpr QSize WindowButton{24, 20};  // "-" and "×"
inline constexpr int WindowButtonTop = 2;
inline constexpr QSize BigButton{54, 66};  // "生成代码" and "预览效果"
inline constexpr QSize Ruler{980, 18};
inline constexpr int RulerTop = 4;   // inside the ruler band
inline constexpr int RulerZero = 2;  // the zero mark's distance from the ruler's left
inline constexpr int TopBandHeight = 90;
inline constexpr int RulerBandTop = 66;
inline constexpr int RulerBandHeight = 24;
inline constexpr QSize Logo{66, 66};
inline constexpr QSize GlobalButton{76, 24};
inline constexpr int GlobalButtonTop = 24;
inline constexpr QSize Toolbar{950, 66};
inline constexpr int StatusBarHeight = 20;
inline constexpr int CanvasTop = 90;
inline constexpr int CanvasWidth = 950;
inline constexpr int TaskBarHeight = 40;
}  // namespace design

struct MainLayout {
    QSize window;               // W × H
    int bandWidth = 0;          // the top band and the ruler band
    int closeLeft = 0;          // "×"
    int minimiseLeft = 0;       // "-"
    int rulerLeft = 0;          // inside the ruler band, whose left is 0
    int leftLine = 0;           // the canvas origin
    int rightLine = 0;
    int centreLine = 0;
    int lineHeight = 0;         // the three vertical guide lines
    QRect statusBar;
    int statusPaneWidth = 0;    // the pane every message goes to
    int generateLeft = 0;
    int previewLeft = 0;
    int canvasLeft = 0;
    int canvasHeight = 0;
    int logoLeft = 0;
    int toolbarLeft = 0;
    int globalLeft = 0;
    int centreCheckLeft = 0;    // inside the toolbar picture
    int horizontalLineWidth = 0;
};

MainLayout computeMainLayout(QSize screen);

}  // namespace vitrine

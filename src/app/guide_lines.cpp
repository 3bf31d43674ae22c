#include "app/guide_lines.h"

#include "app/main_layout.h"
#include "generation/text_rules.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <climits>

namespace vitrine {
using namespace Qt::StringLiterals;

namespace {

const QString kHorizontalShown =
    u"水平线已显示，可拖动左侧方形框或设置水平线距顶值移动水平线位置，再次点击可隐藏水平线...."_s;
const QString kCentreShown = u"中心线已显示，再次点击可隐藏，也可设置所有辅助线的颜色..."_s;
const QString kColourChanged = u"所有辅助线颜色值已修改...."_s;

// The marker sits 7 pixels above the line it drags.
constexpr int kMarkerAbove = 7;

QWidget* makeLine(QWidget* parent, const QString& name, const QRect& geometry, bool shown) {
    auto* line = new QWidget(parent);
    line->setObjectName(name);
    line->setGeometry(geometry);
    line->setAutoFillBackground(true);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    line->setVisible(shown);
    return line;
}

QLabel* makeCaption(QWidget* parent, const QString& name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QIcon swatch(const QColor& colour) {
    QPixmap pm(32, 14);
    pm.fill(colour);
    QPainter p(&pm);
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    return QIcon(pm);
}

}  // namespace

GuideLines::GuideLines(QWidget* window, QWidget* toolbar, StatusSink status)
    : QObject(window), status_(std::move(status)) {
    left_ = makeLine(window, u"外形框_左边线"_s, {136, 90, 1, 408}, true);
    right_ = makeLine(window, u"外形框_右边线"_s, {1088, 90, 1, 408}, true);
    centre_ = makeLine(window, u"外形框_中心线"_s, {616, 90, 1, 408}, false);
    horizontal_ = makeLine(window, u"外形框_水平线"_s, {15, 471, 1100, 1}, false);

    marker_ = new QLabel(u"◆"_s, window);
    marker_->setObjectName(u"透明标签_水平线"_s);
    marker_->setGeometry(0, 464, 16, 16);
    marker_->setAlignment(Qt::AlignCenter);
    marker_->setCursor(Qt::SizeVerCursor);
    marker_->hide();
    marker_->installEventFilter(this);

    horizontalBox_ = new QCheckBox(u"显示水平线"_s, toolbar);
    horizontalBox_->setObjectName(u"选择框_水平线"_s);
    horizontalBox_->setGeometry(612, 8, 84, 24);
    centreBox_ = new QCheckBox(u"显示中心线"_s, toolbar);
    centreBox_->setObjectName(u"选择框_中心线"_s);
    centreBox_->setGeometry(612, 37, 84, 24);

    makeCaption(toolbar, u"透明标签_水平线距顶"_s, u"水平线距顶"_s, {708, 11, 64, 16});
    distance_ = new QLineEdit(u"0"_s, toolbar);
    distance_->setObjectName(u"编辑框_水平线顶边"_s);
    distance_->setGeometry(780, 6, 48, 24);
    makeCaption(toolbar, u"透明标签_辅助线颜色"_s, u"辅助线颜色"_s, {708, 41, 64, 16});
    colourButton_ = new QPushButton(toolbar);
    colourButton_->setObjectName(u"颜色选择器1"_s);
    colourButton_->setGeometry(780, 36, 48, 24);
    colourButton_->setIconSize(QSize(32, 14));
    colourButton_->setAccessibleName(u"辅助线颜色"_s);

    connect(distance_, &QLineEdit::textChanged, this, &GuideLines::placeFromField);
    connect(horizontalBox_, &QCheckBox::clicked, this, &GuideLines::showHorizontal);
    connect(centreBox_, &QCheckBox::clicked, this, &GuideLines::showCentre);
    connect(colourButton_, &QPushButton::clicked, this, &GuideLines::pickColour);

    // The start colour is the picker's own; it reports nothing.
    paint(colour_);
}

void GuideLines::applyLayout(const MainLayout& l) {
    for (auto [line, left] : {std::pair{left_, l.leftLine}, {right_, l.rightLine}, {centre_, l.centreLine}})
        line->setGeometry(left, line->y(), 1, l.lineHeight);
    horizontal_->resize(l.horizontalLineWidth, 1);
    centreBox_->move(l.centreCheckLeft, centreBox_->y());
}

void GuideLines::setColour(const QColor& colour) {
    paint(colour);
    if (status_) status_(kColourChanged);
}

void GuideLines::paint(const QColor& colour) {
    colour_ = colour;
    for (QWidget* line : {left_, right_, centre_, horizontal_}) {
        QPalette p = line->palette();
        p.setColor(QPalette::Window, colour);
        line->setPalette(p);
    }
    QPalette p = marker_->palette();
    p.setColor(QPalette::WindowText, colour);
    marker_->setPalette(p);
    colourButton_->setIcon(swatch(colour));
}

void GuideLines::raise() {
    for (QWidget* w : {left_, right_, centre_, horizontal_, static_cast<QWidget*>(marker_)}) w->raise();
}

void GuideLines::placeFromField(const QString& text) {
    int n = textToInteger(text);
    if (n < 0) {
        distance_->setText(u"0"_s);  // runs this rule again, with the new text
        n = 0;
    }
    const int top = static_cast<int>(std::min<long long>(static_cast<long long>(n) + 90, INT_MAX / 2));
    horizontal_->move(horizontal_->x(), top);
    marker_->move(marker_->x(), top - kMarkerAbove);
}

void GuideLines::showHorizontal(bool shown) {
    horizontal_->setVisible(shown);
    marker_->setVisible(shown);
    if (!shown) return;
    distance_->setText(QString::number(horizontal_->y() - 90));
    if (status_) status_(kHorizontalShown);
}

void GuideLines::showCentre(bool shown) {
    centre_->setVisible(shown);
    if (shown && status_) status_(kCentreShown);
}

void GuideLines::pickColour() {
    if (!colourDialog_) {
        colourDialog_ = new QColorDialog(colour_, colourButton_->window());
        colourDialog_->setObjectName(u"辅助线颜色对话框"_s);
        colourDialog_->setWindowTitle(u"辅助线颜色"_s);
        connect(colourDialog_, &QColorDialog::colorSelected, this, &GuideLines::setColour);
    }
    colourDialog_->setCurrentColor(colour_);
    colourDialog_->open();
}

void GuideLines::dropMarker() {
    drag_.end();
    // The marker moves only up and down; the line and the field follow it.
    marker_->move(0, marker_->y());
    horizontal_->move(horizontal_->x(), marker_->y() + kMarkerAbove);
    distance_->setText(QString::number(horizontal_->y() - 90));
}

bool GuideLines::eventFilter(QObject* watched, QEvent* event) {
    if (watched != marker_) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* me = static_cast<QMouseEvent*>(event);
            if (me->button() == Qt::LeftButton) {
                if (drag_.active()) dropMarker();  // its release was lost
                drag_.begin(marker_, DragMode::MoveVertically, me->globalPosition().toPoint());
            }
            return true;
        }
        case QEvent::MouseMove: {
            auto* me = static_cast<QMouseEvent*>(event);
            if (!drag_.active()) return true;
            if (me->buttons() & Qt::LeftButton)
                drag_.follow(me->globalPosition().toPoint());
            else
                dropMarker();
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* me = static_cast<QMouseEvent*>(event);
            if (me->button() != Qt::LeftButton || !drag_.active()) return true;
            drag_.follow(me->globalPosition().toPoint());
            dropMarker();
            return true;
        }
        default: return false;
    }
}

}  // namespace vitrine

#include "app/main_window.h"

#include "app/builtin_pictures.h"
#include "app/guide_lines.h"
#include "app/item_group.h"
#include "app/main_layout.h"
#include "app/selection_frame.h"
#include "components/kinds.h"
#include "document/component_kind.h"
#include "generation/pipeline.h"
#include "generation/template_source.h"
#include "properties/module_settings_window.h"
#include "properties/property_windows.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>

namespace vitrine {
using namespace Qt::StringLiterals;

namespace {

const QString kSelectedStatus =
    u"可拖动图片四周方格或设置左侧属性值对图片尺寸进行缩放调节，在图片中间按住鼠标左键拖动或设置左侧对应属性值可移动图片位置..."_s;
const QString kPictureAddedStatus =
    u"添加一张图片成完，鼠标右键点击图片可删除，鼠标左键点击图片可进行属性设置，设置完成请务必点击 保存配置..."_s;
const QString kRemovedStatus = u"组件删除完成，点击上方组件名称添加对应组件..."_s;
const QString kGlobalStatus =
    u"模块尺寸为必须填写，如果需要透明背景，请删除背景颜色和背景图地址，所有数据修改完成后请点击 保存设置..."_s;
// Shown instead of the pipeline's last text when the preview page could not be written.
const QString kPreviewFailedStatus =
    u"代码已生成并复制到剪切板，但预览文件 yl.htm 写入失败，预览效果无法打开，请检查程序所在文件夹是否可写..."_s;

// The check box of the carousel's window that says whether its arrows show.
const QString kArrowsBox = u"选择框1"_s;

constexpr QRect kTemplateItemGeometry{9, 247, 120, 120};
constexpr QRect kTemplateTextGeometry{64, 200, 75, 22};
constexpr QSize kToolbarButton{48, 24};
constexpr int kMaxSizeRequests = 3;

void fill(QWidget* w, const QColor& colour) {
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
}

template <class W>
W* named(W* w, const QString& name, const QRect& geometry) {
    w->setObjectName(name);
    w->setGeometry(geometry);
    return w;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QRect& geometry) {
    auto* b = named(new QPushButton(text, parent), name, geometry);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAccessibleName(QString(text).replace(u'\n', QString()));
    return b;
}

QPoint globalPoint(const QMouseEvent* e) { return e->globalPosition().toPoint(); }

}  // namespace

MainWindow::MainWindow(std::unique_ptr<SettingsFolder> folder, bool folderOpen, EditorOptions options)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      options_(std::move(options)),
      folder_(std::move(folder)),
      folderOpen_(folderOpen),
      templateItem_(new CanvasItem(this)),
      templateText_(new TextItem(this)),
      doc_(QPointer<CanvasItem>(templateItem_), [](QPointer<CanvasItem>& h, int n) { setTagNumber(h, n); },
           [](QPointer<TextItem>& h, int n) { setTagNumber(h, n); }) {
    Q_ASSERT(folder_);
    setWindowTitle(u"Vitrine 店铺装修"_s);
    if (folderOpen_) doc_.setSettingsFolder(folder_.get(), componentSettingsPrefixes(), {textKind().settingsPrefix});
    createControls();
    templates_ = std::make_unique<TemplateSource>();
    windows_ = std::make_unique<PropertyWindowManager>(*this);
    moduleSettings_ = std::make_unique<ModuleSettingsWindow>(*this);
}

MainWindow::~MainWindow() {
    windows_->closeAll();
    windows_.reset();
    moduleSettings_.reset();
    templates_.reset();  // stops the fetches still running
    QFile::remove(folder_->previewPath());
}

void MainWindow::createControls() {
    fill(this, QColor(0xc9, 0xcc, 0xd1));
    QFont f = font();
    f.setPixelSize(12);
    setFont(f);

    // The hidden templates every new item is copied from.
    named(templateItem_, u"图片框1"_s, kTemplateItemGeometry);
    if (const KindInfo* picture = findKind(kind::Picture)) templateItem_->setPicture(kindPicture(*picture));
    templateItem_->setCursor(Qt::SizeAllCursor);
    templateItem_->hide();
    named(templateText_, u"透明标签1"_s, kTemplateTextGeometry);
    templateText_->setCursor(Qt::SizeAllCursor);
    templateText_->hide();

    canvas_ = named(new QLabel(this), u"标签_背景"_s, {136, design::CanvasTop, design::CanvasWidth, 510});
    fill(canvas_, Qt::white);
    canvas_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    topBand_ = named(new QFrame(this), u"外形框10"_s, {0, 0, 1200, design::TopBandHeight});
    fill(topBand_, QColor(0x23, 0x27, 0x2e));
    logo_ = named(new QLabel(topBand_), u"图片框_logo"_s, {16, 0, 66, 66});
    logo_->setPixmap(logoPicture());
    globalButton_ = button(topBand_, u"超级按钮_全局"_s, u"全局设置 ☆"_s, {92, design::GlobalButtonTop, 76, 24});
    toolbar_ = named(new QLabel(topBand_), u"图片框_顶背景"_s, {140, 0, 950, 66});
    toolbar_->setPixmap(toolbarPicture());
    QPalette light = toolbar_->palette();
    light.setColor(QPalette::WindowText, QColor(0xe8, 0xea, 0xee));
    toolbar_->setPalette(light);
    generateButton_ = button(topBand_, u"超级按钮_生成"_s, u"生成\n代码"_s, {1006, 0, 54, 66});
    previewButton_ = button(topBand_, u"超级按钮_预览"_s, u"预览\n效果"_s, {1066, 0, 54, 66});
    minimiseButton_ = button(topBand_, u"超级按钮_最小化"_s, u"-"_s, {1133, 2, 24, 20});
    closeButton_ = button(topBand_, u"超级按钮_关闭"_s, u"×"_s, {1166, 2, 24, 20});
    minimiseButton_->setAccessibleName(u"最小化"_s);
    closeButton_->setAccessibleName(u"关闭"_s);
    rulerBand_ = named(new QFrame(topBand_), u"外形框11"_s, {0, design::RulerBandTop, 1200, design::RulerBandHeight});
    fill(rulerBand_, QColor(0x2a, 0x2d, 0x32));
    ruler_ = named(new QLabel(rulerBand_), u"图片框_刻度"_s, {133, design::RulerTop, 980, 18});
    ruler_->setPixmap(rulerPicture());

    statusBar_ = named(new QStatusBar(this), u"状态提示"_s, {0, 608, 1200, design::StatusBarHeight});
    statusBar_->setSizeGripEnabled(false);
    fill(statusBar_, QColor(0xee, 0xef, 0xf1));
    statusPane_ = new QLabel(statusBar_);
    statusPane_->setObjectName(u"状态提示_窗格1"_s);
    statusBar_->addWidget(statusPane_);

    createToolbar();
    guides_ = new GuideLines(this, toolbar_, [this](const QString& s) { showStatus(s); });
    frame_ = new SelectionFrame(this);
    for (int i = 1; i <= 8; ++i) frame_->handle(i)->installEventFilter(this);

    menu_ = new QMenu(this);
    menu_->setObjectName(u"弹出菜单"_s);
    QAction* remove = menu_->addAction(u"移除"_s);
    remove->setObjectName(u"移除"_s);
    connect(remove, &QAction::triggered, this, &MainWindow::removeSelected);

    connect(globalButton_, &QPushButton::clicked, this, [this] {
        moduleSettings_->openAndLoad();
        showStatus(kGlobalStatus);
    });
    connect(generateButton_, &QPushButton::clicked, this, &MainWindow::generateCode);
    connect(previewButton_, &QPushButton::clicked, this, &MainWindow::openPreview);
    connect(minimiseButton_, &QPushButton::clicked, this, [this] {
        clearSelection();
        showMinimized();
    });
    connect(closeButton_, &QPushButton::clicked, this, &MainWindow::closeEditor);
}

void MainWindow::createToolbar() {
    auto add = [this](const KindInfo& kind, auto action) {
        auto* b = button(toolbar_, u"按钮_"_s + kind.toolbarCaption, kind.toolbarCaption,
                         QRect(QPoint(kind.toolbarX, kind.toolbarY), kToolbarButton));
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    for (const KindInfo& kind : componentKinds()) {
        QPushButton* b = add(kind, [this, &kind] { addComponent(kind); });
        // A carousel's arrows come only with their carousel: on its own an
        // arrow would belong to no carousel.
        if (groupOfCompanion(kind.kind)) b->hide();
    }
    add(textKind(), [this] { addText(); });
}

void MainWindow::start() {
    if (!options_.screenSize.isValid() && screen()) move(screen()->geometry().topLeft());
    applyLayout();
    show();
    raise();
    activateWindow();
    moduleSettings_->openAndLoad();
    templates_->start(options_.templateServer);
}

QSize MainWindow::screenSize() const {
    if (options_.screenSize.isValid()) return options_.screenSize;
    if (const QScreen* s = screen()) return s->geometry().size();
    return {1366, 768};
}

void MainWindow::applyLayout() {
    const MainLayout l = computeMainLayout(screenSize());
    // The window always takes the screen's size; a window manager that
    // insists on another size is given up on after a few tries.
    if (size() == l.window) {
        sizeRequests_ = 0;
    } else if (sizeRequests_ < kMaxSizeRequests) {
        ++sizeRequests_;
        resize(l.window);
    }
    topBand_->resize(l.bandWidth, topBand_->height());
    rulerBand_->resize(l.bandWidth, rulerBand_->height());
    closeButton_->move(l.closeLeft, closeButton_->y());
    minimiseButton_->move(l.minimiseLeft, minimiseButton_->y());
    ruler_->move(l.rulerLeft, ruler_->y());
    guides_->applyLayout(l);
    statusBar_->setGeometry(l.statusBar);
    statusPane_->setFixedWidth(l.statusPaneWidth);
    generateButton_->move(l.generateLeft, generateButton_->y());
    previewButton_->move(l.previewLeft, previewButton_->y());
    // The module settings may have widened the canvas and moved its left;
    // its width and top stay, its left goes back on the edge line.
    canvas_->setGeometry(l.canvasLeft, canvas_->y(), canvas_->width(), l.canvasHeight);
    logo_->move(l.logoLeft, logo_->y());
    toolbar_->move(l.toolbarLeft, toolbar_->y());
    globalButton_->move(l.globalLeft, globalButton_->y());
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyLayout();
}

void MainWindow::raiseOverlays() {
    guides_->raise();
    frame_->raise();
}

// ---- the host of the property windows ----

QWidget* MainWindow::selectedItem() {
    if (doc_.selection.canvasItemFlag == 1) return doc_.selection.item.data();
    return doc_.selection.text.data();
}

int MainWindow::selectedNumber() { return tagNumber(selectedItem()); }

void MainWindow::setItemPicture(QWidget* item, const QPixmap& picture) {
    if (CanvasItem* c = registeredItem(item)) c->setPicture(picture);
}

int MainWindow::canvasLeft() { return guides_->leftLine()->x(); }

void MainWindow::showStatus(const QString& text) { statusPane_->setText(text); }

QString MainWindow::statusText() const { return statusPane_->text(); }

// ---- adding and removing ----

CanvasItem* MainWindow::newCanvasItem(const KindInfo& kind) {
    CanvasItem* item = CanvasItem::cloneOf(*templateItem_);
    if (kind.width > 0 && kind.height > 0) item->resize(kind.width, kind.height);
    item->setPicture(kindPicture(kind));
    item->installEventFilter(this);
    doc_.addComponent(kind.kind, item);
    item->show();
    return item;
}

void MainWindow::placeCompanion(CanvasItem* companion, const CanvasItem* leader, bool rightCorner) {
    const QRect l = leader->geometry();
    const int left = rightCorner ? l.x() + l.width() - companion->width() : l.x();
    companion->move(left, l.y() + l.height() - companion->height());
}

CanvasItem* MainWindow::addComponent(const KindInfo& kind) {
    if (groupOfCompanion(kind.kind)) return nullptr;
    CanvasItem* item = newCanvasItem(kind);
    if (const ItemGroup* group = groupLedBy(kind.kind)) {
        doc_.components.setCell(tagNumber(item), group->flagColumn, group->shownFlag);
        for (const Companion& c : group->companions)
            if (const KindInfo* info = findKind(c.kind)) placeCompanion(newCanvasItem(*info), item, c.rightCorner);
    }
    if (kind.kind == kind::Picture) showStatus(kPictureAddedStatus);
    raiseOverlays();
    return item;
}

TextItem* MainWindow::addText() {
    TextItem* item = TextItem::cloneOf(*templateText_);
    item->resize(textKind().width, textKind().height);
    item->installEventFilter(this);
    doc_.addText(item);
    item->show();
    raiseOverlays();
    return item;
}

void MainWindow::hideGroupOf(int number, const QString& kind) {
    int position = 0;
    const ItemGroup* group = groupOfCompanion(kind, &position);
    const int leader = number - position;
    if (!group || doc_.components.getCell(leader, col::Kind) != group->leader) return;
    const int count = static_cast<int>(group->companions.size());
    for (int i = 1; i <= count; ++i)
        if (doc_.items.contains(leader + i))
            if (CanvasItem* c = doc_.items.at(leader + i)) c->hide();
    doc_.components.setCell(leader, group->flagColumn, group->hiddenFlag);
    QStringList kinds{group->leader};
    for (const Companion& c : group->companions) kinds << c.kind;
    for (const QString& k : kinds)
        if (QWidget* w = windows_->window(k))
            if (auto* box = w->findChild<QCheckBox*>(kArrowsBox)) {
                const QSignalBlocker quiet(box);
                box->setChecked(false);
            }
}

void MainWindow::removeSelected() {
    frame_->hideAll();
    if (doc_.selection.canvasItemFlag == 1) {
        const int n = tagNumber(doc_.selection.item.data());
        const QString kind = doc_.components.getCell(n, col::Kind);
        if (groupOfCompanion(kind)) {
            hideGroupOf(n, kind);
        } else if (kind::isComponentKind(kind)) {
            windows_->close(kind);
            if (const ItemGroup* group = groupLedBy(kind))
                for (const Companion& c : group->companions) windows_->close(c.kind);
        }
        for (const QPointer<CanvasItem>& item : doc_.removeComponent(n)) delete item.data();
    } else {
        const int t = tagNumber(doc_.selection.text.data());
        windows_->close(textKind().kind);
        for (const QPointer<TextItem>& item : doc_.removeText(t)) delete item.data();
    }
    showStatus(kRemovedStatus);
}

// ---- selecting, moving and resizing ----

CanvasItem* MainWindow::registeredItem(QObject* object) const {
    auto* item = qobject_cast<CanvasItem*>(object);
    if (!item || item == templateItem_) return nullptr;
    return doc_.items.indexOf(QPointer<CanvasItem>(item)) > 0 ? item : nullptr;
}

TextItem* MainWindow::registeredText(QObject* object) const {
    auto* item = qobject_cast<TextItem*>(object);
    if (!item || item == templateText_) return nullptr;
    return doc_.texts.indexOf(QPointer<TextItem>(item)) > 0 ? item : nullptr;
}

void MainWindow::clearSelection() {
    frame_->hideAll();
    windows_->closeAll();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: return pressOn(watched, static_cast<QMouseEvent*>(event));
        case QEvent::MouseMove:
            if (drag_.active()) {
                auto* me = static_cast<QMouseEvent*>(event);
                // The release went elsewhere (another window took the mouse):
                // the drag ends where the item is.
                if (!(me->buttons() & Qt::LeftButton))
                    endDrag();
                else
                    drag_.follow(globalPoint(me));
                return true;
            }
            break;
        case QEvent::MouseButtonRelease: return releaseOn(watched, static_cast<QMouseEvent*>(event));
        default: break;
    }
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::pressOn(QObject* watched, QMouseEvent* event) {
    if (drag_.active()) {
        // One interaction at a time: a second button during a drag does nothing.
        if (event->buttons() & ~event->button() & Qt::LeftButton) return true;
        endDrag();  // its release was lost
    }
    auto& sel = doc_.selection;
    const bool left = event->button() == Qt::LeftButton;
    const bool right = event->button() == Qt::RightButton;
    if (CanvasItem* item = registeredItem(watched)) {
        if (left) {
            clearSelection();
            sel.item = item;
            sel.pressLeft = item->x();
            sel.pressTop = item->y();
            showStatus(kSelectedStatus);
            drag_.begin(item, DragMode::Move, globalPoint(event));
        } else if (right) {
            sel.item = item;
            sel.pressLeft = item->x();
            sel.pressTop = item->y();
            afterItemStep(item);
        }
        return true;
    }
    if (TextItem* item = registeredText(watched)) {
        if (left) {
            sel.text = item;
            drag_.begin(item, DragMode::Move, globalPoint(event));
        } else if (right) {
            sel.text = item;
            sel.canvasItemFlag = 0;
            showContextMenu(globalPoint(event));
        }
        return true;
    }
    if (const std::optional<Edge> edge = frame_->edgeOf(watched)) {
        if (left)
            if (QWidget* target = selectedItem()) drag_.begin(target, DragMode::Resize, globalPoint(event), *edge);
        return true;
    }
    return false;
}

bool MainWindow::releaseOn(QObject* watched, QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && drag_.active()) {
        drag_.follow(globalPoint(event));
        endDrag();
        return true;
    }
    if (CanvasItem* item = registeredItem(watched)) {
        if (event->button() == Qt::RightButton && doc_.selection.item == item) showContextMenu(globalPoint(event));
        return true;
    }
    return registeredText(watched) || frame_->edgeOf(watched);
}

void MainWindow::endDrag() {
    QWidget* target = drag_.end();
    if (CanvasItem* item = registeredItem(target))
        afterItemStep(item);
    else if (TextItem* text = registeredText(target))
        afterTextStep(text);
}

void MainWindow::afterItemStep(CanvasItem* item) {
    doc_.selection.canvasItemFlag = 1;
    const int n = tagNumber(item);
    const QString kind = doc_.components.getCell(n, col::Kind);
    if (groupLedBy(kind)) companionsFollow(n, item);
    windows_->open(kind);
    const KindInfo* info = findKind(kind);
    if (info && !info->showsHandles) {
        frame_->hideAll();
        return;
    }
    frame_->showAround(item);
}

void MainWindow::afterTextStep(TextItem* item) {
    doc_.selection.canvasItemFlag = 0;
    windows_->open(textKind().kind);
    frame_->showAround(item);
}

void MainWindow::companionsFollow(int leader, const CanvasItem* item) {
    auto& sel = doc_.selection;
    const ItemGroup* group = groupLedBy(doc_.components.getCell(leader, col::Kind));
    const QPoint delta = item->pos() - QPoint(sel.pressLeft, sel.pressTop);
    const int count = static_cast<int>(group->companions.size());
    for (int i = 1; i <= count && doc_.items.contains(leader + i); ++i) {
        if (doc_.components.getCell(leader + i, col::Kind) != group->companions[static_cast<std::size_t>(i - 1)].kind)
            continue;
        if (CanvasItem* c = doc_.items.at(leader + i)) c->move(c->pos() + delta);
    }
    // Counted once: a later resize from a handle moves them only by what it moves.
    sel.pressLeft = item->x();
    sel.pressTop = item->y();
}

void MainWindow::showContextMenu(QPoint global) { menu_->popup(global); }

void MainWindow::mousePressEvent(QMouseEvent* event) { event->accept(); }

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    // The empty canvas, or the window's own surface.
    if (event->button() == Qt::LeftButton && !drag_.active()) clearSelection();
    event->accept();
}

// ---- generation, preview and the window's own buttons ----

void MainWindow::generateCode() {
    const GenerationInput input{doc_.components, doc_.background, settings(), templates_->templates(),
                                random_,         &emitterFor,     textKind().emitter};
    const GenerationResult result = generate(input);
    bool previewWritten = true;
    if (!result.refused) {
        QGuiApplication::clipboard()->setText(result.code);
        previewWritten = writePreview(result.preview);
    }
    for (const QString& status : result.statuses) showStatus(status);
    if (!previewWritten) showStatus(kPreviewFailedStatus);
    clearSelection();
}

bool MainWindow::writePreview(const QByteArray& bytes) {
    QSaveFile file(folder_->previewPath());
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void MainWindow::openPreview() { QDesktopServices::openUrl(QUrl::fromLocalFile(folder_->previewPath())); }

void MainWindow::closeEditor() {
    clearSelection();
    if (folderOpen_) {
        doc_.setSettingsFolder(nullptr, {}, {});
        folder_->removeAll();
        folderOpen_ = false;
    }
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

}  // namespace vitrine

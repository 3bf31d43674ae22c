#include "editor_fixture.h"

#include "app/selection_frame.h"
#include "components/kinds.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace vitrine;

namespace testsupport {

namespace {
// The offscreen platform cannot raise windows; it says so for every window.
QtMessageHandler previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(u"This plugin does not support"_s)) return;
    previousHandler(type, context, message);
}
}  // namespace

Editor::Editor(QSize screen) {
    static const bool quiet = [] {
        previousHandler = qInstallMessageHandler(quietHandler);
        return true;
    }();
    Q_UNUSED(quiet);
    auto folder = std::make_unique<SettingsFolder>(base_.path());
    const bool opened = folder->open() == SettingsFolder::OpenResult::Ok;
    EditorOptions options;
    options.screenSize = screen;
    window_ = std::make_unique<MainWindow>(std::move(folder), opened, options);
    window_->start();
    window_->move(0, 0);
    if (!QTest::qWaitForWindowExposed(window_.get())) qWarning("the main window was not exposed");
}

Editor::~Editor() = default;

void Editor::destroy() { window_.reset(); }

CanvasItem* Editor::item(int n) {
    auto& items = window_->document().items;
    return items.contains(n) ? items.at(n).data() : nullptr;
}

TextItem* Editor::text(int t) {
    auto& texts = window_->document().texts;
    return texts.contains(t) ? texts.at(t).data() : nullptr;
}

QString Editor::cell(int row, int column) { return window_->document().components.getCell(row, column); }

int Editor::rows() { return window_->document().components.rowCount(); }

CanvasItem* Editor::add(const QString& caption) {
    auto* button = find<QPushButton>(u"按钮_"_s + caption);
    if (!button) return nullptr;
    const int before = window_->document().items.size();
    QTest::mouseClick(button, Qt::LeftButton);
    return window_->document().items.size() > before ? item(before + 1) : nullptr;
}

TextItem* Editor::addText() {
    const int before = window_->document().texts.size();
    QTest::mouseClick(find<QPushButton>(u"按钮_"_s + textKind().toolbarCaption), Qt::LeftButton);
    return window_->document().texts.size() > before ? text(before + 1) : nullptr;
}

void Editor::press(QPoint at, Qt::MouseButton button) { QTest::mousePress(window_.get(), button, {}, at); }

void Editor::moveTo(QPoint at) { QTest::mouseMove(window_.get(), at); }

void Editor::release(QPoint at, Qt::MouseButton button) { QTest::mouseRelease(window_.get(), button, {}, at); }

void Editor::click(QPoint at, Qt::MouseButton button) {
    press(at, button);
    release(at, button);
}

void Editor::drag(QPoint from, QPoint to) {
    press(from);
    moveTo(from + (to - from) / 2);
    moveTo(to);
    release(to);
}

bool Editor::removeAt(QPoint at, bool menuOnPress) {
    QMenu* menu = window_->contextMenu();
    press(at, Qt::RightButton);
    if (menuOnPress && !menu->isVisible()) return false;
    release(at, Qt::RightButton);
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000)) return false;
    QAction* remove = menu->findChild<QAction*>(u"移除"_s);
    if (!remove) return false;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(remove).center());
    return QTest::qWaitFor([menu] { return !menu->isVisible(); }, 2000);
}

bool Editor::handlesShown() {
    for (const HandleName& h : kHandles)
        if (find(u"外形框"_s + QString::number(h.number))->isHidden()) return false;
    return true;
}

QPoint centreOf(const QWidget* w) { return w->geometry().center(); }

}  // namespace testsupport

#include "properties/window_driver.h"

#include "components/kinds.h"
#include "generation/gbk.h"
#include "generation/pipeline.h"
#include "properties/test_host.h"
#include "properties/window_spec.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace vitrine;
using namespace Qt::StringLiterals;

namespace windowdriver {

QLineEdit* field(QWidget* window, const QString& name) { return window->findChild<QLineEdit*>(name); }

QString text(QWidget* window, const QString& name) {
    QLineEdit* f = field(window, name);
    return f ? f->text() : u"<missing>"_s;
}

QColor marker(QWidget* window) {
    return window->findChild<QLabel*>(properties::kOrdinalLabel)->palette().color(QPalette::WindowText);
}

void clickSave(QWidget* window) {
    for (auto* b : window->findChildren<QPushButton*>())
        if (b->text() == properties::kSaveText) QTest::mouseClick(b, Qt::LeftButton);
}

namespace {

// Brings the page that holds `control` to the front, as the user clicks its tab.
void showPageOf(QWidget* window, const QWidget* control) {
    for (auto* tabs : window->findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(control)) tabs->setCurrentIndex(i);
}

}  // namespace

bool act(QWidget* window, const QString& name, const QString& value) {
    if (auto* control = window->findChild<QWidget*>(name)) showPageOf(window, control);
    if (QLineEdit* edit = field(window, name)) {
        typeOver(edit, value);
        return true;
    }
    if (auto* combo = window->findChild<QComboBox*>(name)) {
        // Through the open list, so that picking the entry shown also counts.
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        list->setCurrentIndex(combo->model()->index(value.toInt(), 0));
        QTest::keyClick(list, Qt::Key_Return);
        return true;
    }
    if (auto* button = window->findChild<QAbstractButton*>(name)) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));  // on the indicator
        return true;
    }
    return false;
}

QString shown(QWidget* window, const QString& name) {
    if (auto* combo = window->findChild<QComboBox*>(name)) return QString::number(combo->currentIndex());
    if (auto* check = window->findChild<QCheckBox*>(name)) return check->isChecked() ? u"ticked"_s : u"cleared"_s;
    if (auto* radio = window->findChild<QRadioButton*>(name)) return radio->isChecked() ? u"checked"_s : u"unchecked"_s;
    return u"<missing>"_s;
}

namespace {
QtMessageHandler previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(u"This plugin does not support"_s)) return;
    previousHandler(type, context, message);
}
}  // namespace

void quietOffscreenNotes() {
    if (!previousHandler) previousHandler = qInstallMessageHandler(quietHandler);
}

QString generatedCode(TestHost& host) {
    BackgroundLayer& bg = host.backgroundLayer;
    bg.setCell(ModuleSettingsRow, modcol::Edition, u"专业版"_s);
    bg.setCell(ModuleSettingsRow, modcol::Width, u"950"_s);
    bg.setCell(ModuleSettingsRow, modcol::Height, u"500"_s);
    bg.setCell(ModuleSettingsRow, modcol::HorizontalPosition, u"center"_s);
    const TemplateSet templates{u"<M>"_s, u"<W>"_s, u"<T>735206914</T>"_s, u"<J>735206914</J>"_s};
    LowestRandom random;
    const GenerationResult result =
        generate({host.componentLayer, bg, host.settings(), templates, random, emitterFor, textKind().emitter});
    return result.code;
}

QString emittedBlock(TestHost& host, int row) {
    const Emitter emitter = emitterFor(host.componentLayer.getCell(row, col::Kind));
    if (!emitter) return {};
    std::string code;
    QStringList statuses;
    LowestRandom random;
    EmitContext ctx(host.componentLayer, row, host.settings(), code, statuses, random);
    emitter(ctx);
    return fromGbk(code);
}

}  // namespace windowdriver

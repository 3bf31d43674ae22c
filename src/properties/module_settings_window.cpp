#include "properties/module_settings_window.h"

#include "document/layer.h"
#include "generation/text_rules.h"
#include "properties/module_settings_spec.h"
#include "properties/picture_fetch.h"
#include "properties/spec_form.h"
#include "properties/window_spec.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace vitrine {
using namespace Qt::StringLiterals;
using namespace properties;
using namespace properties::module;

ModuleSettingsWindow::ModuleSettingsWindow(PropertyHost& host, QWidget* parent)
    : QWidget(parent ? parent : host.hostWindow(), Qt::Tool), host_(host) {
    const WindowSpec& declaration = module::windowSpec();
    setWindowTitle(declaration.caption);
    setAccessibleName(declaration.caption);
    form_ = std::make_unique<SpecForm>(declaration, this);

    auto* save = new QPushButton(kSaveText, this);
    save->setObjectName(declaration.saveButtonName);
    save->setAccessibleName(kSaveText);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addStretch();
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(form_->content(), 1);
    outer->addLayout(buttons);
    resize(declaration.size);

    connect(save, &QPushButton::clicked, this, &ModuleSettingsWindow::saveAndClose);
    connect(form_.get(), &SpecForm::fieldChanged, this, &ModuleSettingsWindow::preview);
    connect(form_.get(), &SpecForm::colorPicked, this, [this](const QString&, const QColor& colour) {
        // Only a picked colour recolours the canvas; typing a colour does not.
        if (QLabel* label = host_.canvasLabel()) {
            QPalette p = label->palette();
            p.setColor(QPalette::Window, colour);
            label->setPalette(p);
            label->setAutoFillBackground(true);
        }
    });
}

ModuleSettingsWindow::~ModuleSettingsWindow() {
    if (QLabel* label = host_.canvasLabel()) cancelPictureFetch(label);
}

void ModuleSettingsWindow::openAndLoad() {
    move(module::windowSpec().position);
    show();
    raise();
    RowAccess row;
    row.layer = &host_.background();
    row.row = ModuleSettingsRow;
    const QWidget* main = host_.hostWindow();
    row.metrics = {main ? main->width() : 0, main ? main->height() : 0, host_.canvasLeft()};
    form_->load(row);
}

void ModuleSettingsWindow::openFromGlobalButton() {
    openAndLoad();
    host_.showStatus(kOpenHint);
}

void ModuleSettingsWindow::store() {
    RowAccess row;
    row.layer = &host_.background();
    row.row = ModuleSettingsRow;
    form_->store(row);
    host_.showStatus(kSavedText);
}

void ModuleSettingsWindow::saveAndClose() {
    store();
    closingAfterSave_ = true;
    close();
    closingAfterSave_ = false;
}

void ModuleSettingsWindow::closeEvent(QCloseEvent* event) {
    if (!closingAfterSave_) store();
    event->accept();
}

// ---- The canvas preview ----------------------------------------------------

void ModuleSettingsWindow::placeCanvasLabel(QLabel* label) {
    // Up to the canvas width the label starts at the canvas origin; a wider
    // module is centred in the main window.
    const int width = textToInteger(form_->text(kWidthField));
    const QWidget* main = host_.hostWindow();
    const int left = width <= kCanvasWidth ? host_.canvasLeft()
                                           : static_cast<int>(std::trunc((main ? main->width() : 0) / 2.0 - width / 2.0));
    label->move(left, label->y());
}

void ModuleSettingsWindow::showOrHideCanvasLabel(QLabel* label) {
    label->setVisible(!form_->text(kColourField).isEmpty() || !form_->text(kPictureField).isEmpty());
}

void ModuleSettingsWindow::showPicture(QLabel* label) {
    const QUrl url = fetchableAddress(form_->text(kPictureField));
    if (url.isEmpty()) {
        cancelPictureFetch(label);
        label->setPixmap(QPixmap());
        return;
    }
    QPointer<QLabel> target(label);
    // The preview shows the picture from the label's top left corner, at its own size.
    fetchPicture(host_.network(), label, url, [target](const QImage& picture) {
        if (target) target->setPixmap(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
    });
}

void ModuleSettingsWindow::preview(const QString& field) {
    QLabel* label = host_.canvasLabel();
    if (!label) return;
    const int height = textToInteger(form_->text(kHeightField));
    if (field == kWidthField) {
        label->resize(textToInteger(form_->text(kWidthField)), height);
        placeCanvasLabel(label);
    } else if (field == kHeightField) {
        label->resize(label->width(), height);
        placeCanvasLabel(label);
    } else if (field == kColourField) {
        showOrHideCanvasLabel(label);
    } else if (field == kPictureField) {
        const QString address = form_->text(kPictureField);
        if (address.contains(u"http"_s, Qt::CaseSensitive)) {
            const double width = std::trunc(textToNumber(form_->text(kWidthField)));
            label->resize(static_cast<int>(std::clamp(width, 0.0, double(QWIDGETSIZE_MAX))), height);
        }
        showPicture(label);
        const QWidget* main = host_.hostWindow();
        if (main && form_->text(kColourField).isEmpty() && address.isEmpty())
            label->resize(main->width(), main->height() - kHeightMargin);
        // Clearing the picture after the colour must hide the label too.
        showOrHideCanvasLabel(label);
    }
}

}  // namespace vitrine

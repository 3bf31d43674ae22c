#include "properties/property_window.h"

#include "document/layer.h"
#include "generation/text_rules.h"
#include "properties/picture_fetch.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vitrine {
using namespace Qt::StringLiterals;
using namespace properties;

// ---- DraftStore ------------------------------------------------------------

void DraftStore::purge() {
    std::erase_if(entries_, [](const Entry& e) { return e.item.isNull(); });
}

void DraftStore::keep(QWidget* item, const Edits& edits) {
    purge();
    if (!item || edits.isEmpty()) return;
    for (Entry& e : entries_)
        if (e.item == item) {
            e.edits.insert(edits);
            return;
        }
    entries_.push_back({item, edits});
}

DraftStore::Edits DraftStore::find(QWidget* item) const {
    for (const Entry& e : entries_)
        if (e.item && e.item == item) return e.edits;
    return {};
}

void DraftStore::discard(QWidget* item) {
    std::erase_if(entries_, [item](const Entry& e) { return e.item.isNull() || e.item == item; });
}

// ---- PropertyWindow --------------------------------------------------------

namespace {

QColor fromBgr(unsigned bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

// Geometry typed by the user, kept where Qt can place a widget.
int clampedCoordinate(long long value) {
    return static_cast<int>(std::clamp<long long>(value, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

}  // namespace

PropertyWindow::PropertyWindow(PropertyHost& host, const WindowSpec& declaration, QString settingsPrefix,
                               DraftStore* drafts)
    : QWidget(host.hostWindow(), Qt::Tool),
      host_(host),
      declaration_(declaration),
      prefix_(std::move(settingsPrefix)),
      drafts_(drafts) {
    setWindowTitle(declaration.caption);
    setAccessibleName(declaration.caption);
    form_ = std::make_unique<SpecForm>(declaration, this,
                                       std::vector<std::pair<QString, QString>>{{kSavedField, declaration.savedInitial},
                                                                                {kLoadField, QString()}});

    // The ordinal inside the circle glyph, in the top right corner.
    auto* corner = new QWidget(this);
    corner->setFixedSize(40, 40);
    auto* circle = new QLabel(kCircleGlyph, corner);
    circle->setObjectName(kCircleLabel);
    circle->setGeometry(0, 0, 40, 40);
    circle->setAlignment(Qt::AlignCenter);
    QFont big = circle->font();
    big.setPointSize(22);
    circle->setFont(big);
    ordinal_ = new QLabel(corner);
    ordinal_->setObjectName(kOrdinalLabel);
    ordinal_->setGeometry(0, 0, 40, 40);
    ordinal_->setAlignment(Qt::AlignCenter);
    ordinal_->raise();

    auto* save = new QPushButton(kSaveText, this);
    save->setObjectName(declaration.saveButtonName);
    save->setAccessibleName(kSaveText);
    restore_ = new QPushButton(kRestoreText, this);
    restore_->setObjectName(kRestoreButton);
    restore_->setAccessibleName(kRestoreText);
    restore_->hide();

    auto* top = new QHBoxLayout;
    top->addWidget(form_->content(), 1);
    top->addWidget(corner, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(restore_);
    buttons->addWidget(save);
    buttons->addStretch();
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(top, 1);
    outer->addLayout(buttons);
    resize(declaration.size);

    const QString initial = declaration.savedInitial;
    setMarker(initial == u"1"_s ? kSavedColour : kUnsavedColour);

    connect(form_.get(), &SpecForm::fieldChanged, this, &PropertyWindow::onFieldChanged);
    connect(save, &QPushButton::clicked, this, &PropertyWindow::save);
    connect(restore_, &QPushButton::clicked, this, &PropertyWindow::restoreUnsavedEdits);
}

PropertyWindow::~PropertyWindow() { keepUnsavedEdits(); }

void PropertyWindow::placeBesideHost() {
    const QWidget* main = host_.hostWindow();
    move((main ? main->width() : 0) - width() - 5, 95);
}

void PropertyWindow::requestLoad() {
    QLineEdit* trigger = form_->field(kLoadField);
    trigger->clear();
    trigger->setText(u"1"_s);
}

void PropertyWindow::setMarker(unsigned bgr) {
    QPalette p = ordinal_->palette();
    p.setColor(QPalette::WindowText, fromBgr(bgr));
    ordinal_->setPalette(p);
}

void PropertyWindow::onFieldChanged(const QString& name) {
    if (name == kLoadField) {
        if (form_->text(kLoadField) == u"1"_s) load();
        return;
    }
    if (name == kSavedField) {
        const QString flag = form_->text(kSavedField);
        if (flag == u"1"_s) {
            setMarker(kSavedColour);
        } else if (flag.isEmpty() || flag == u"0"_s) {
            setMarker(kUnsavedColour);
            if (!declaration_.unsavedText.isEmpty()) host_.showStatus(declaration_.unsavedText);
        }
        return;
    }
    if (const FieldSpec* f = form_->fieldSpec(name); f && f->geometry != Geometry::None && f->live)
        applyGeometry(f->geometry, form_->text(name));
}

void PropertyWindow::applyGeometry(Geometry geometry, const QString& text) {
    QWidget* item = host_.selectedItem();
    if (!item) return;
    const long long value = textToInteger(text);
    switch (geometry) {
    case Geometry::Left: item->move(clampedCoordinate(value + host_.canvasLeft()), item->y()); break;
    case Geometry::Top: item->move(item->x(), clampedCoordinate(value + kCanvasTop)); break;
    case Geometry::Width: item->resize(clampedCoordinate(value), item->height()); break;
    case Geometry::Height: item->resize(item->width(), clampedCoordinate(value)); break;
    case Geometry::None: break;
    }
}

int PropertyWindow::rowNumber() const {
    return declaration_.row == RowSource::ModuleSettings ? ModuleSettingsRow : host_.selectedNumber();
}

RowAccess PropertyWindow::rowAccess(QWidget* item) const {
    RowAccess a;
    a.layer = declaration_.row == RowSource::SelectedComponent ? static_cast<Layer*>(&host_.components())
                                                        : static_cast<Layer*>(&host_.background());
    a.row = rowNumber();
    a.settings = host_.settings();
    a.prefix = prefix_;
    a.item = item;
    const QWidget* main = host_.hostWindow();
    a.metrics = {main ? main->width() : 0, main ? main->height() : 0, host_.canvasLeft()};
    return a;
}

QStringList PropertyWindow::draftFields() const {
    // What a save stores and a load would overwrite; the live geometry is
    // safe on the item itself.
    QStringList fields;
    for (const SaveStep& s : declaration_.save) {
        const FieldSpec* f = form_->fieldSpec(s.field);
        if (f && f->geometry != Geometry::None && f->live) continue;
        if (!fields.contains(s.field)) fields << s.field;
    }
    return fields;
}

void PropertyWindow::keepUnsavedEdits() {
    if (!loadedItem_ || !drafts_) return;
    DraftStore::Edits edits;
    for (auto it = loaded_.cbegin(); it != loaded_.cend(); ++it) {
        const QString now = form_->text(it.key());
        if (now != it.value()) edits.insert(it.key(), now);
    }
    drafts_->keep(loadedItem_, edits);
}

void PropertyWindow::load() {
    QWidget* item = host_.selectedItem();
    if (!item) return;
    // A reload overwrites the fields: keep what was typed for the item shown so far.
    keepUnsavedEdits();
    const int n = rowNumber();
    const int ordinal = declaration_.ordinal == Ordinal::NumberMinusOne ? n - 1 : n + host_.components().rowCount() - 2;
    ordinal_->setText(formatInteger(ordinal));
    form_->load(rowAccess(item));
    loadedItem_ = item;
    loaded_ = form_->values(draftFields());
    offerUnsavedEdits();
}

void PropertyWindow::offerUnsavedEdits() {
    restore_->hide();
    if (!drafts_ || !loadedItem_) return;
    const DraftStore::Edits edits = drafts_->find(loadedItem_);
    bool differs = false;
    for (auto it = edits.cbegin(); it != edits.cend(); ++it)
        differs = differs || form_->text(it.key()) != it.value();
    if (!differs) {
        drafts_->discard(loadedItem_);
        return;
    }
    restore_->show();
    host_.showStatus(kUnsavedEditsText);
}

void PropertyWindow::restoreUnsavedEdits() {
    if (!drafts_ || !loadedItem_) return;
    const DraftStore::Edits edits = drafts_->find(loadedItem_);
    drafts_->discard(loadedItem_);
    for (auto it = edits.cbegin(); it != edits.cend(); ++it) form_->setText(it.key(), it.value());
    restore_->hide();
    host_.showStatus(kEditsRestoredText);
}

void PropertyWindow::save() {
    QWidget* item = host_.selectedItem();
    if (!item) return;
    if (declaration_.announcesSaving) host_.showStatus(kSavingText);
    if (!declaration_.requireHttpIn.isEmpty() && !form_->text(declaration_.requireHttpIn).contains(u"http"_s, Qt::CaseSensitive)) {
        host_.showStatus(declaration_.refusedText);
        return;
    }
    if (declaration_.hooks.beforeSave) declaration_.hooks.beforeSave(*form_);
    const RowAccess row = rowAccess(item);
    form_->store(row);
    row.layer->setCell(row.row, col::Saved, u"1"_s);
    form_->setText(kSavedField, u"1"_s);
    for (const auto& [field, geometry] : declaration_.geometryOnSave) applyGeometry(geometry, form_->text(field));
    if (!declaration_.fetchAfterSave.isEmpty()) fetchItemPicture(host_, item, form_->text(declaration_.fetchAfterSave));
    if (!declaration_.savedText.isEmpty()) host_.showStatus(declaration_.savedText);

    // What is saved is no draft any more.
    if (drafts_) drafts_->discard(item);
    restore_->hide();
    if (loadedItem_ == item) loaded_ = form_->values(draftFields());
}

}  // namespace vitrine

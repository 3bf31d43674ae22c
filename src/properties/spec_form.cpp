#include "properties/spec_form.h"

#include "document/layer.h"
#include "document/settings_file.h"
#include "generation/text_rules.h"
#include "properties/property_host.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <algorithm>

namespace vitrine {
using namespace Qt::StringLiterals;
using namespace properties;

QString colourText(const QColor& colour) {
    const auto bgr = static_cast<std::uint32_t>(colour.red()) | static_cast<std::uint32_t>(colour.green()) << 8 |
                     static_cast<std::uint32_t>(colour.blue()) << 16;
    return colorToText(bgr);
}

SpecForm::SpecForm(const WindowSpec& declaration, QWidget* window, const std::vector<std::pair<QString, QString>>& extraHidden)
    : declaration_(declaration), window_(window) {
    build(extraHidden);
}

SpecForm::~SpecForm() = default;

QLineEdit* SpecForm::makeField(const QString& name, const QString& initial, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setText(initial);
    fields_.insert(name, edit);
    return edit;
}

void SpecForm::build(const std::vector<std::pair<QString, QString>>& extraHidden) {
    std::vector<QWidget*> pages;
    std::vector<QFormLayout*> forms;
    const int pageCount = std::max<int>(1, static_cast<int>(declaration_.pages.size()));
    QTabWidget* tabs = nullptr;
    if (!declaration_.pages.isEmpty()) {
        tabs = new QTabWidget(window_);
        tabs->setObjectName(declaration_.pagesName);
        content_ = tabs;
    } else {
        content_ = new QWidget(window_);
    }
    for (int p = 0; p < pageCount; ++p) {
        QWidget* page = tabs ? new QWidget : content_;
        auto* form = new QFormLayout(page);
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
        if (tabs) tabs->addTab(page, declaration_.pages[p]);
        pages.push_back(page);
        forms.push_back(form);
    }

    QHBoxLayout* row = nullptr;
    for (const FieldSpec& f : declaration_.fields) {
        const int p = std::clamp(f.page, 0, pageCount - 1);
        QWidget* page = pages[p];
        QFormLayout* form = forms[p];
        // A chooser stands in place of its hidden value field, or just above a shown one.
        for (const ChooserSpec& c : declaration_.choosers)
            if (c.valueField == f.name) addChooser(c, page, form);

        QLineEdit* edit = makeField(f.name, f.initial, page);
        if (!f.shown) {
            edit->hide();
            row = nullptr;
            continue;
        }
        edit->setAccessibleName(f.accessibleName.isEmpty() ? f.caption : f.accessibleName);
        auto* caption = new QLabel(f.caption, page);
        caption->setBuddy(edit);
        if (f.sameRow && row) {
            row->addWidget(caption);
            row->addWidget(edit, 1);
        } else {
            auto* line = new QWidget(page);
            row = new QHBoxLayout(line);
            row->setContentsMargins(0, 0, 0, 0);
            row->addWidget(edit, 1);
            form->addRow(caption, line);
        }
        if (!f.unit.isEmpty()) row->addWidget(new QLabel(f.unit, page));
        for (const ColorPickerSpec& picker : declaration_.colorPickers) {
            if (picker.field != f.name) continue;
            auto* button = new QPushButton(u"选择颜色"_s, page);
            button->setObjectName(picker.name);
            button->setAccessibleName(button->text());
            connect(button, &QPushButton::clicked, this, [this, name = picker.name] { openColorDialog(name); });
            row->addWidget(button);
        }
    }
    for (const auto& [name, initial] : extraHidden) makeField(name, initial, window_)->hide();

    for (auto it = fields_.cbegin(); it != fields_.cend(); ++it)
        connect(it.value(), &QLineEdit::textChanged, this, [this, name = it.key()] { runRules(name); });
    // The choosers show the initial values; no rule runs before the first load.
    for (const Chooser& c : choosers_) selectFor(c.declaration->valueField);
}

void SpecForm::addChooser(const ChooserSpec& c, QWidget* page, QFormLayout* form) {
    Chooser chooser;
    chooser.declaration = &c;
    const int index = static_cast<int>(choosers_.size());
    switch (c.type) {
    case ChooserType::Combo: {
        auto* combo = new QComboBox(page);
        combo->setObjectName(c.name);
        for (const ChoiceSpec& e : c.choices) combo->addItem(e.text);
        combo->setCurrentIndex(-1);
        combo->setAccessibleName(c.caption);
        auto* caption = new QLabel(c.caption, page);
        caption->setObjectName(c.captionName);
        caption->setBuddy(combo);
        form->addRow(caption, combo);
        connect(combo, &QComboBox::activated, this, [this, index](int i) { choose(choosers_[index], i); });
        chooser.combo = combo;
        break;
    }
    case ChooserType::Radio: {
        auto* group = new QWidget(page);
        group->setObjectName(c.name);
        group->setAccessibleName(c.caption);
        auto* line = new QHBoxLayout(group);
        line->setContentsMargins(0, 0, 0, 0);
        chooser.radios = new QButtonGroup(group);
        for (int i = 0; i < static_cast<int>(c.choices.size()); ++i) {
            auto* radio = new QRadioButton(c.choices[i].text, group);
            radio->setObjectName(c.choices[i].name);
            radio->setAccessibleName(c.choices[i].text);
            chooser.radios->addButton(radio, i);
            line->addWidget(radio);
        }
        auto* caption = new QLabel(c.caption, page);
        caption->setObjectName(c.captionName);
        if (!chooser.radios->buttons().isEmpty()) caption->setBuddy(chooser.radios->buttons().first());
        form->addRow(caption, group);
        connect(chooser.radios, &QButtonGroup::idClicked, this, [this, index](int i) { choose(choosers_[index], i); });
        break;
    }
    case ChooserType::Check: {
        auto* check = new QCheckBox(c.caption, page);
        check->setObjectName(c.name);
        check->setAccessibleName(c.caption);
        form->addRow(check);
        connect(check, &QCheckBox::clicked, this, [this, index](bool ticked) { choose(choosers_[index], ticked ? 0 : 1); });
        chooser.check = check;
        break;
    }
    }
    choosers_.push_back(chooser);
}

QLineEdit* SpecForm::field(const QString& name) const { return fields_.value(name); }

const FieldSpec* SpecForm::fieldSpec(const QString& name) const {
    for (const FieldSpec& f : declaration_.fields)
        if (f.name == name) return &f;
    return nullptr;
}

QString SpecForm::text(const QString& field) const {
    const QLineEdit* edit = fields_.value(field);
    return edit ? edit->text() : QString();
}

void SpecForm::setText(const QString& field, const QString& text) {
    QLineEdit* edit = fields_.value(field);
    if (!edit) return;
    if (edit->text() != text)
        edit->setText(text);  // textChanged runs the rules
    else
        runRules(field);
}

QMap<QString, QString> SpecForm::values(const QStringList& fields) const {
    QMap<QString, QString> v;
    for (const QString& f : fields) v.insert(f, text(f));
    return v;
}

void SpecForm::runRules(const QString& name) {
    const FieldSpec* f = fieldSpec(name);
    if (f && !f->whenEmpty.isEmpty() && text(name).isEmpty()) {
        setText(name, f->whenEmpty);  // the refilled text runs the rules
        return;
    }
    selectFor(name);
    emit fieldChanged(name);
    if (declaration_.hooks.fieldChanged) declaration_.hooks.fieldChanged(*this, name);
}

namespace {

// The entry a value field's text selects, -1 for none.
int entryFor(const ChooserSpec& c, const QString& value) {
    if (c.compute || c.follows == ChooserFollows::Nothing) return -1;
    for (int i = 0; i < static_cast<int>(c.choices.size()); ++i) {
        const QString& v = c.choices[i].value;
        const bool match =
            c.follows == ChooserFollows::Emptiness ? v.isEmpty() == value.isEmpty() : v == value;
        if (match) return i;
    }
    return -1;
}

}  // namespace

void SpecForm::selectFor(const QString& field) {
    const QString value = text(field);
    for (const Chooser& c : choosers_) {
        if (c.declaration->valueField != field) continue;
        const int match = entryFor(*c.declaration, value);
        if (match < 0) continue;  // a value of no entry changes nothing
        // Selecting by program emits neither activated nor clicked: the chooser's rule does not run.
        if (c.combo) c.combo->setCurrentIndex(match);
        if (c.check) c.check->setChecked(match == 0);
        if (c.radios) c.radios->button(match)->setChecked(true);
    }
}

void SpecForm::choose(const Chooser& c, int index) {
    if (index < 0 || index >= static_cast<int>(c.declaration->choices.size())) return;
    const QString value = c.declaration->compute ? c.declaration->compute(*this, index) : c.declaration->choices[index].value;
    setText(c.declaration->valueField, value);
    for (const auto& [field, text] : c.declaration->choices[index].also) setText(field, text);
    if (declaration_.hooks.chosen) declaration_.hooks.chosen(*this, c.declaration->name, index);
}

void SpecForm::openColorDialog(const QString& picker) {
    QString field;
    for (const ColorPickerSpec& p : declaration_.colorPickers)
        if (p.name == picker) field = p.field;
    const QColor current = QColor::fromString(text(field));
    auto* dialog = new QColorDialog(current.isValid() ? current : QColor(Qt::white), window_);
    dialog->setObjectName(u"颜色对话框"_s);
    dialog->setOption(QColorDialog::DontUseNativeDialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QColorDialog::colorSelected, this, [this, picker](const QColor& c) { pickColor(picker, c); });
    dialog->open();
}

void SpecForm::pickColor(const QString& picker, const QColor& colour) {
    for (const ColorPickerSpec& p : declaration_.colorPickers)
        if (p.name == picker) {
            setText(p.field, colourText(colour));
            emit colorPicked(picker, colour);
        }
}

namespace {

QString itemGeometry(const QWidget* item, Geometry g, const HostMetrics& host) {
    if (!item) return {};
    switch (g) {
    case Geometry::Left: return formatInteger(item->x() - host.canvasLeft);
    case Geometry::Top: return formatInteger(item->y() - kCanvasTop);
    case Geometry::Width: return formatInteger(item->width());
    case Geometry::Height: return formatInteger(item->height());
    case Geometry::None: break;
    }
    return {};
}

}  // namespace

void SpecForm::load(const RowAccess& from) {
    for (const LoadStep& s : declaration_.load) {
        switch (s.source) {
        case LoadStep::Source::Column:
            setText(s.field, from.layer ? from.layer->getCell(from.row, s.column) : QString());
            break;
        case LoadStep::Source::SettingsKey:
            setText(s.field, from.settings && !from.prefix.isEmpty()
                                 ? from.settings->file(from.prefix, from.row).read(s.key)
                                 : QString());
            break;
        case LoadStep::Source::ItemGeometry:
            setText(s.field, itemGeometry(from.item, s.geometry, from.metrics));
            break;
        case LoadStep::Source::DefaultIfEmpty:
            if (text(s.field).isEmpty()) setText(s.field, s.compute ? s.compute(*this, from.metrics) : s.text);
            break;
        case LoadStep::Source::Computed:
            if (s.compute) setText(s.field, s.compute(*this, from.metrics));
            break;
        }
    }
}

void SpecForm::store(const RowAccess& to) const {
    std::vector<std::pair<QString, QString>> keys;
    for (const SaveStep& s : declaration_.save) {
        const QString value = text(s.field);
        if (s.target == SaveStep::Target::Column) {
            if (to.layer) to.layer->setCell(to.row, s.column, value);
        } else {
            keys.emplace_back(s.key, value);
        }
    }
    // All keys in one write; a file that cannot be written is not reported.
    if (!keys.empty() && to.settings && !to.prefix.isEmpty()) to.settings->file(to.prefix, to.row).write(keys);
}

}  // namespace vitrine

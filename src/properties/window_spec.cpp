#include "properties/window_spec.h"

#include "document/layer.h"

#include <QSet>
#include <algorithm>

namespace vitrine::properties {
using namespace Qt::StringLiterals;

using Source = LoadStep::Source;

LoadStep fromColumn(const QString& field, int column) { return {.field = field, .source = Source::Column, .column = column}; }
LoadStep fromKey(const QString& field, const QString& key) { return {.field = field, .source = Source::SettingsKey, .key = key}; }
LoadStep fromItem(const QString& field, Geometry geometry) {
    return {.field = field, .source = Source::ItemGeometry, .geometry = geometry};
}
LoadStep defaultIfEmpty(const QString& field, const QString& text) {
    return {.field = field, .source = Source::DefaultIfEmpty, .text = text};
}
LoadStep defaultIfEmpty(const QString& field, QString (*compute)(const FieldAccess&, const HostMetrics&)) {
    return {.field = field, .source = Source::DefaultIfEmpty, .compute = compute};
}
LoadStep computed(const QString& field, QString (*compute)(const FieldAccess&, const HostMetrics&)) {
    return {.field = field, .source = Source::Computed, .compute = compute};
}

SaveStep toColumn(const QString& field, int column) {
    return {.field = field, .target = SaveStep::Target::Column, .column = column};
}
SaveStep toKey(const QString& field, const QString& key) {
    return {.field = field, .target = SaveStep::Target::SettingsKey, .key = key};
}

std::vector<LoadStep> fromColumns(std::initializer_list<ColumnField> fields) {
    std::vector<LoadStep> steps;
    for (const auto& [field, column] : fields) steps.push_back(fromColumn(field, column));
    return steps;
}
std::vector<SaveStep> toColumns(std::initializer_list<ColumnField> fields) {
    std::vector<SaveStep> steps;
    for (const auto& [field, column] : fields) steps.push_back(toColumn(field, column));
    return steps;
}

ChooserSpec linkTargetChooser(const QString& valueField) {
    return {.type = ChooserType::Combo,
            .name = u"组合框1"_s,
            .caption = u"打开方式"_s,
            .valueField = valueField,
            .choices = {{u"新窗口"_s, u"_blank"_s}, {u"当前窗口"_s, u"_self"_s}}};
}

std::vector<FieldSpec> geometryFields(int page) {
    const struct {
        const QString& name;
        QString caption;
        Geometry geometry;
    } rows[] = {
        {kLeftField, u"图片距左"_s, Geometry::Left},
        {kTopField, u"图片距顶"_s, Geometry::Top},
        {kWidthField, u"图片宽度"_s, Geometry::Width},
        {kHeightField, u"图片高度"_s, Geometry::Height},
    };
    std::vector<FieldSpec> fields;
    for (const auto& r : rows) {
        FieldSpec f;
        f.name = r.name;
        f.caption = r.caption;
        f.page = page;
        f.geometry = r.geometry;
        f.unit = u"PX"_s;
        fields.push_back(f);
    }
    return fields;
}

std::vector<LoadStep> geometryFromItem() {
    return {fromItem(kWidthField, Geometry::Width), fromItem(kHeightField, Geometry::Height),
            fromItem(kLeftField, Geometry::Left), fromItem(kTopField, Geometry::Top)};
}

std::vector<SaveStep> geometryToColumns() {
    return {toColumn(kLeftField, col::Left), toColumn(kTopField, col::Top), toColumn(kWidthField, col::Width),
            toColumn(kHeightField, col::Height)};
}

QStringList checkSpec(const WindowSpec& declaration) {
    QStringList problems;
    QSet<QString> fields;
    if (declaration.protocol) fields << kSavedField << kLoadField;
    for (const FieldSpec& f : declaration.fields) {
        if (f.name.isEmpty()) problems << u"a field without a name"_s;
        if (fields.contains(f.name)) problems << u"field %1 declared twice"_s.arg(f.name);
        fields << f.name;
        if (f.page < 0 || (f.page > 0 && f.page >= declaration.pages.size()))
            problems << u"field %1 on page %2, which does not exist"_s.arg(f.name).arg(f.page);
        if (f.shown && f.caption.isEmpty() && f.accessibleName.isEmpty())
            problems << u"shown field %1 has no caption"_s.arg(f.name);
    }
    QSet<QString> controls;
    auto named = [&](const QString& name, const QString& what) {
        if (name.isEmpty()) return;
        if (fields.contains(name) || controls.contains(name)) problems << u"%1 %2 named twice"_s.arg(what, name);
        controls << name;
    };
    for (const ChooserSpec& c : declaration.choosers) {
        named(c.name, u"chooser"_s);
        if (!fields.contains(c.valueField))
            problems << u"chooser %1 drives %2, which is not declared"_s.arg(c.name, c.valueField);
        const size_t wanted = c.type == ChooserType::Check ? 2 : 1;
        if (c.choices.size() < wanted) problems << u"chooser %1 has too few entries"_s.arg(c.name);
        if (c.type == ChooserType::Check && c.choices.size() > 2)
            problems << u"check box %1 has more than two entries"_s.arg(c.name);
        named(c.captionName, u"chooser caption"_s);
        for (const ChoiceSpec& e : c.choices) {
            if (c.type == ChooserType::Radio) named(e.name, u"radio button"_s);
            for (const auto& [field, text] : e.also)
                if (!fields.contains(field))
                    problems << u"entry %1 of chooser %2 writes %3, which is not declared"_s.arg(e.text, c.name, field);
        }
        if (c.follows == ChooserFollows::Emptiness && !c.compute) {
            const auto empties = std::count_if(c.choices.begin(), c.choices.end(),
                                               [](const ChoiceSpec& e) { return e.value.isEmpty(); });
            if (empties != 1 || c.choices.size() < 2)
                problems << u"chooser %1 follows emptiness but needs one entry of empty value and another"_s.arg(c.name);
        }
    }
    for (const ColorPickerSpec& p : declaration.colorPickers) {
        named(p.name, u"colour picker"_s);
        if (!fields.contains(p.field)) problems << u"colour picker %1 writes %2, which is not declared"_s.arg(p.name, p.field);
    }
    for (const LoadStep& s : declaration.load) {
        if (!fields.contains(s.field)) problems << u"a load step writes %1, which is not declared"_s.arg(s.field);
        if (s.source == Source::Computed && !s.compute)
            problems << u"the computed load step of %1 computes nothing"_s.arg(s.field);
    }
    for (const SaveStep& s : declaration.save)
        if (!fields.contains(s.field)) problems << u"a save step reads %1, which is not declared"_s.arg(s.field);
    for (const QString* f : {&declaration.fetchAfterSave, &declaration.requireHttpIn})
        if (!f->isEmpty() && !fields.contains(*f)) problems << u"%1 is named but not declared"_s.arg(*f);
    for (const auto& [field, geometry] : declaration.geometryOnSave)
        if (!fields.contains(field) || geometry == Geometry::None)
            problems << u"the geometry a save applies from %1 is not declared"_s.arg(field);
    if (!declaration.requireHttpIn.isEmpty() && declaration.refusedText.isEmpty())
        problems << u"a save that can be refused needs its refusal text"_s;
    return problems;
}

}  // namespace vitrine::properties

#include "components/link/qr_code_spec.h"

#include "components/link/qr_code.h"
#include "document/layer.h"

namespace vitrine::qr_code {
using namespace Qt::StringLiterals;
using namespace properties;

namespace {

const QString kTypeField = u"编辑框_店铺"_s;
const QString kNumberField = u"编辑框_数字"_s;
const QString kFormField = u"编辑框_宝贝"_s;

// What the address field holds when a row is loaded without an address form
// of its own: the form of its stored type, and for a row never saved (type
// "2") the form a new window starts with.
QString loadedAddressForm(const QString& type) {
    for (int t = 0; t < kCodeTypes; ++t)
        if (type == QString::number(t) && type != kDefaultType) return addressForm(static_cast<CodeType>(t));
    return kInitialAddressForm;
}

WindowSpec build() {
    WindowSpec w;
    w.caption = u"二维码属性设置"_s;
    w.size = {269, 284};

    // The size fields resize the item only: the code is always 140 × 140.
    w.fields = geometryFields();
    w.fields.push_back({.name = kTypeField, .initial = kDefaultType, .shown = false, .whenEmpty = kDefaultType});
    w.fields.push_back({.name = kNumberField, .caption = u"数字 ID"_s});
    w.fields.push_back({.name = kFormField, .initial = kInitialAddressForm, .shown = false});

    // Choosing a type writes its index and then its address form; the index
    // alone selects the entry again.
    ChooserSpec types{.type = ChooserType::Combo, .name = u"组合框1"_s, .caption = u"生成类型"_s, .valueField = kTypeField};
    const QString names[kCodeTypes] = {u"天猫店铺"_s, u"天猫宝贝"_s, u"集市店铺"_s, u"集市宝贝"_s};
    for (int t = 0; t < kCodeTypes; ++t)
        types.choices.push_back(
            {names[t], QString::number(t), {}, {{kFormField, addressForm(static_cast<CodeType>(t))}}});
    w.choosers.push_back(types);

    // The address form is loaded too, so that saving again without choosing
    // keeps the code the component had.
    w.load = fromColumns(
        {{kSavedField, col::Saved}, {kTypeField, Type}, {kNumberField, Number}, {kFormField, AddressForm}});
    w.load.push_back(defaultIfEmpty(
        kFormField, [](const FieldAccess& f, const HostMetrics&) { return loadedAddressForm(f.text(kTypeField)); }));
    append(w.load, geometryFromItem());

    w.save = toColumns({{kLeftField, col::Left}, {kTopField, col::Top}, {kTypeField, Type}, {kFormField, AddressForm},
                        {kNumberField, Number}});
    return w;
}

}  // namespace

const WindowSpec* windowSpec() { return builtOnce<build>(); }

}  // namespace vitrine::qr_code

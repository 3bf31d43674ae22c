#include "properties/module_settings_spec.h"

#include "document/layer.h"
#include "generation/text_rules.h"

namespace vitrine::properties::module {
using namespace Qt::StringLiterals;

namespace {

const QString kAttachmentField = u"编辑框_固定"_s;
const QString kRepeatField = u"编辑框_平铺"_s;
const QString kVerticalField = u"编辑框_上下"_s;
const QString kHorizontalField = u"编辑框_左右"_s;

QString canvasHeight(const FieldAccess&, const HostMetrics& host) { return formatInteger(host.height - kHeightMargin); }

ChooserSpec radios(const QString& caption, const QString& field, std::vector<ChoiceSpec> choices) {
    return {.type = ChooserType::Radio, .caption = caption, .valueField = field, .choices = std::move(choices)};
}

WindowSpec build() {
    WindowSpec w;
    w.caption = u"背景设置"_s;
    w.size = {303, 403};
    w.row = RowSource::ModuleSettings;
    w.protocol = false;
    w.position = {10, 100};
    w.saveButtonName = u"按钮1"_s;

    w.fields = {
        {.name = kEditionField, .initial = u"专业版"_s, .shown = false},
        {.name = kTopSpacingField, .caption = u"上间距"_s},
        {.name = kWidthField, .caption = u"模块尺寸"_s},
        {.name = kHeightField, .caption = u"×"_s, .unit = u"PX"_s, .sameRow = true, .accessibleName = u"模块高度"_s},
        {.name = kColourField, .caption = u"背景颜色"_s},
        {.name = kPictureField, .caption = u"背景图片"_s},
        {.name = kAttachmentField, .initial = u"scroll"_s, .shown = false},
        {.name = kRepeatField, .initial = u"no-repeat"_s, .shown = false},
        {.name = kVerticalField, .initial = u"top"_s, .shown = false},
        {.name = kHorizontalField, .initial = u"center"_s, .shown = false},
    };

    w.choosers = {
        {.type = ChooserType::Combo,
         .name = u"组合框1"_s,
         .caption = u"店铺版本"_s,
         .valueField = kEditionField,
         .choices = {{u"天猫版"_s, u"天猫版"_s}, {u"专业版"_s, u"专业版"_s}, {u"基础版"_s, u"基础版"_s}}},
        radios(u"背景固定"_s, kAttachmentField, {{u"是"_s, u"fixed"_s, u"单选框1"_s}, {u"否"_s, u"scroll"_s, u"单选框2"_s}}),
        radios(u"平铺方式"_s, kRepeatField,
               {{u"平铺"_s, u"repeat"_s, u"单选框3"_s},
                {u"横向平铺"_s, u"repeat-x"_s, u"单选框4"_s},
                {u"不平铺"_s, u"no-repeat"_s, u"单选框6"_s},
                {u"纵向平铺"_s, u"repeat-y"_s, u"单选框5"_s}}),
        radios(u"上下位置"_s, kVerticalField,
               {{u"上"_s, u"top"_s, u"单选框7"_s}, {u"中"_s, u"center"_s, u"单选框8"_s}, {u"下"_s, u"bottom"_s, u"单选框9"_s}}),
        radios(u"左右位置"_s, kHorizontalField,
               {{u"左"_s, u"left"_s, u"单选框12"_s}, {u"中"_s, u"center"_s, u"单选框11"_s}, {u"右"_s, u"right"_s, u"单选框10"_s}}),
    };
    w.colorPickers = {{kColourPicker, kColourField}};

    // The row's columns, in column order, then the defaults of an empty row.
    const struct {
        const QString& field;
        int column;
    } columns[] = {
        {kEditionField, modcol::Edition},       {kWidthField, modcol::Width},
        {kHeightField, modcol::Height},         {kColourField, modcol::Colour},
        {kPictureField, modcol::Picture},       {kAttachmentField, modcol::Attachment},
        {kRepeatField, modcol::Repeat},         {kVerticalField, modcol::VerticalPosition},
        {kHorizontalField, modcol::HorizontalPosition}, {kTopSpacingField, modcol::TopSpacing},
    };
    for (const auto& c : columns) {
        w.load.push_back(fromColumn(c.field, c.column));
        w.save.push_back(toColumn(c.field, c.column));
    }
    w.load.push_back(defaultIfEmpty(kWidthField, formatInteger(kCanvasWidth)));
    w.load.push_back(defaultIfEmpty(kHeightField, canvasHeight));
    w.load.push_back(defaultIfEmpty(kTopSpacingField, u"0"_s));

    w.savedText = kSavedText;
    w.unsavedText.clear();
    return w;
}

}  // namespace

const WindowSpec& windowSpec() {
    static const WindowSpec declaration = build();
    return declaration;
}

}  // namespace vitrine::properties::module

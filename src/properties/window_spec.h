#pragma once
// A property window declared as data: what it shows, how its choosers and
// the hidden value fields behind them mirror each other, what a load writes
// and what a save stores. Nothing here needs Qt Widgets, so every kind's
// declaration builds with the core; the editor builds the real window from
// it (properties/spec_form.h, properties/property_window.h).

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <utility>
#include <vector>

namespace vitrine::properties {

// Names and texts every property window shares.
inline const QString kOrdinalLabel = QStringLiteral("透明标签_序号");
inline const QString kCircleLabel = QStringLiteral("透明标签13");
inline const QString kCircleGlyph = QStringLiteral("○");
inline const QString kSavedField = QStringLiteral("编辑框_保存");
inline const QString kLoadField = QStringLiteral("编辑框_读数据");
inline const QString kLeftField = QStringLiteral("编辑框_距左");
inline const QString kTopField = QStringLiteral("编辑框_距顶");
inline const QString kWidthField = QStringLiteral("编辑框_宽度");
inline const QString kHeightField = QStringLiteral("编辑框_高度");
inline const QString kSaveText = QStringLiteral("保存设置");
inline const QString kSavingText = QStringLiteral("正在保存设置，请稍候....");
inline const QString kUnsavedText =
    QStringLiteral("该图片组件未保存设置，请配置好后点击 保存设置，否则会影响生成代码的效果....");

// The marker colours of the ordinal, red in the low byte.
inline constexpr unsigned kSavedColour = 65280;    // green
inline constexpr unsigned kUnsavedColour = 33023;  // orange

// What a kind's own rule sees of an open window: its fields by objectName.
class FieldAccess {
public:
    virtual ~FieldAccess() = default;
    // Empty text for a field the window does not have.
    virtual QString text(const QString& field) const = 0;
    // Writes a field as a load does: its rules run, also when the text is
    // already there. A field the window does not have is ignored.
    virtual void setText(const QString& field, const QString& text) = 0;
};

// The main window's measures, for values computed from them.
struct HostMetrics {
    int width = 0;
    int height = 0;
    int canvasLeft = 0;
};

// Which edge or size of the item a geometry field stands for.
enum class Geometry { None, Left, Top, Width, Height };

struct FieldSpec {
    QString name{};      // objectName of its QLineEdit
    QString caption{};   // the label in front of it, its buddy; on a shared row the text between the fields
    QString initial{};   // text when the window is created
    bool shown = true;
    int page = 0;      // index into WindowSpec::pages
    Geometry geometry = Geometry::None;
    bool live = true;  // for a geometry field: the item follows while the user types
    QString unit{};      // label after the field, e.g. "PX"
    bool sameRow = false;      // continues the row of the field declared before it
    QString accessibleName{};    // when the caption alone does not say what the field is
    QString whenEmpty{};         // refills the field whenever its text becomes empty
};

enum class ChooserType { Combo, Radio, Check };

struct ChoiceSpec {
    ChoiceSpec(QString text, QString value, QString name = {}, std::vector<std::pair<QString, QString>> also = {})
        : text(std::move(text)), value(std::move(value)), name(std::move(name)), also(std::move(also)) {}
    QString text{};   // the combo item's text, or the radio button's
    QString value{};  // what choosing it writes into the value field
    QString name{};   // objectName of a radio button
    // Further fields the choice writes (field, text), in order, after the value field.
    std::vector<std::pair<QString, QString>> also{};
};

// How a change of a chooser's value field moves the chooser.
enum class ChooserFollows {
    ExactValue,  // selects the entry whose value equals the text; a text of no entry changes nothing
    Emptiness,   // an empty text selects the entry of empty value, any other text the first entry of another
    Nothing,     // the field never moves the chooser: it only writes the field
};

// A combo box, a group of radio buttons or a check box driving a hidden value
// field. Choosing an entry writes its value into the field; a change of the
// field selects the matching entry (`follows`) without running the chooser's
// rule. A check box has two entries: ticked, then cleared. The chooser sits
// where its value field is declared (just above it when the field is shown).
struct ChooserSpec {
    ChooserType type = ChooserType::Combo;
    QString name{};     // objectName of the combo box or check box, or of the radio group
    QString caption{};  // label of a combo box or radio group; the text of a check box
    QString valueField{};
    std::vector<ChoiceSpec> choices{};
    // A computed value: choosing entry i writes compute(fields, i) instead of
    // the entry's value, and a change of the field selects nothing.
    QString (*compute)(const FieldAccess& fields, int index) = nullptr;
    ChooserFollows follows = ChooserFollows::ExactValue;
    QString captionName{};  // objectName of the caption label, when it has one
};

// A colour picker button beside `field`; a pick writes the colour's text.
struct ColorPickerSpec {
    QString name{};
    QString field{};
};

// One write of a load, in order. Each write runs the field's rules.
struct LoadStep {
    enum class Source { Column, SettingsKey, ItemGeometry, DefaultIfEmpty, Computed };
    QString field{};
    Source source = Source::Column;
    int column = -1;
    QString key{};
    Geometry geometry = Geometry::None;
    QString text{};  // DefaultIfEmpty: the default unless `compute` is set
    QString (*compute)(const FieldAccess& fields, const HostMetrics& host) = nullptr;
};

LoadStep fromColumn(const QString& field, int column);
LoadStep fromKey(const QString& field, const QString& key);
LoadStep fromItem(const QString& field, Geometry geometry);
LoadStep defaultIfEmpty(const QString& field, const QString& text);
LoadStep defaultIfEmpty(const QString& field, QString (*compute)(const FieldAccess&, const HostMetrics&));
LoadStep computed(const QString& field, QString (*compute)(const FieldAccess&, const HostMetrics&));

// One store of a save, in order: a field's text, exactly as typed.
struct SaveStep {
    enum class Target { Column, SettingsKey };
    QString field{};
    Target target = Target::Column;
    int column = -1;
    QString key{};
};

SaveStep toColumn(const QString& field, int column);
SaveStep toKey(const QString& field, const QString& key);

// A field and the row column it is kept in.
using ColumnField = std::pair<QString, int>;
// Loads from, or saves into, these columns, in the order given.
std::vector<LoadStep> fromColumns(std::initializer_list<ColumnField> fields);
std::vector<SaveStep> toColumns(std::initializer_list<ColumnField> fields);

// `more` appended to `steps`.
template <class Step>
void append(std::vector<Step>& steps, const std::vector<Step>& more) {
    steps.insert(steps.end(), more.begin(), more.end());
}

// What a kind does that no declaration says. Each hook is optional.
struct Hooks {
    // After the generic rules of a field change.
    void (*fieldChanged)(FieldAccess& fields, const QString& field) = nullptr;
    // After a chooser wrote its value on the user's choice.
    void (*chosen)(FieldAccess& fields, const QString& chooser, int index) = nullptr;
    // Before anything is stored.
    void (*beforeSave)(FieldAccess& fields) = nullptr;
};

// Which row a window loads and saves.
enum class RowSource {
    SelectedComponent,  // the selected canvas item's row of the component layer
    SelectedText,       // the selected text's row of the background layer
    ModuleSettings,     // row 0 of the background layer
};

// What the ordinal label shows.
enum class Ordinal {
    NumberMinusOne,           // the component number − 1
    TextNumberPlusComponents, // the text number + the canvas items on the canvas
};

struct WindowSpec {
    QString caption{};
    QSize size{};
    RowSource row = RowSource::SelectedComponent;
    // The property-window protocol: the ordinal over "○", the hidden saved
    // and load fields, placement beside the main window, the saved marker.
    bool protocol = true;
    Ordinal ordinal = Ordinal::NumberMinusOne;
    QString savedInitial = QStringLiteral("0");  // initial text of the saved field
    QPoint position{};           // screen position of a window without the protocol
    QStringList pages{};         // empty: one page, no tabs
    QString pagesName{};         // objectName of the tab widget
    std::vector<FieldSpec> fields{};
    std::vector<ChooserSpec> choosers{};
    std::vector<ColorPickerSpec> colorPickers{};
    std::vector<LoadStep> load{};
    std::vector<SaveStep> save{};
    QString saveButtonName = QStringLiteral("按钮_保存设置");
    // Shows kSavingText before anything else.
    bool announcesSaving = false;
    // When set, a save whose `requireHttpIn` field lacks "http" shows
    // `refusedText` and stores nothing.
    QString requireHttpIn{};
    QString refusedText{};
    // After saving, the picture at this field's address is fetched into the
    // item when the text contains "http" (case-sensitive).
    QString fetchAfterSave{};
    // After a save the item takes these fields' values as the edge or size
    // named beside each, so that the canvas shows what was stored also where
    // a field has no live geometry.
    std::vector<std::pair<QString, Geometry>> geometryOnSave{};
    QString savedText{};  // empty: the status bar is left alone
    QString unsavedText = kUnsavedText;
    Hooks hooks{};
};

// The declaration `build` makes, built on first use and kept.
template <WindowSpec (*build)()>
const WindowSpec* builtOnce() {
    static const WindowSpec declaration = build();
    return &declaration;
}

// The four geometry fields with their usual captions and "PX".
std::vector<FieldSpec> geometryFields(int page = 0);
// "打开方式": the combo box "组合框1" writing "_blank" or "_self" into `valueField`.
ChooserSpec linkTargetChooser(const QString& valueField);
// Load steps: width, height, left, top from the item.
std::vector<LoadStep> geometryFromItem();
// Save steps: left, top, width, height into columns 1 to 4.
std::vector<SaveStep> geometryToColumns();

// What is wrong with a declaration: steps, choosers and pickers naming no
// field, names given twice, choosers without entries. Empty when sound.
QStringList checkSpec(const WindowSpec& declaration);

}  // namespace vitrine::properties

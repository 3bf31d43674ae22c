#pragma once
// The widgets of a declared window (window_spec.h) and the rules that tie
// them together: a QLineEdit per field, the choosers mirroring their hidden
// value fields, the empty-text defaults, the colour pickers, and the load and
// store of the declared steps. The property windows and the module settings
// window are built on it.

#include "properties/window_spec.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <utility>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QColor;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QWidget;

namespace vitrine {

class Layer;
class SettingsFolder;

// Where a load reads from and a store writes to.
struct RowAccess {
    Layer* layer = nullptr;
    int row = -1;
    const SettingsFolder* settings = nullptr;  // null: settings-file keys read empty and are not written
    QString prefix;                            // the kind's settings-file prefix
    QWidget* item = nullptr;                   // the item whose geometry a load reads
    properties::HostMetrics metrics;
};

class SpecForm : public QObject, public properties::FieldAccess {
    Q_OBJECT
public:
    // Builds the widgets inside `window`; content() is to be laid out by it.
    // `extraHidden` are hidden fields the window adds of its own (name, initial text).
    SpecForm(const properties::WindowSpec& declaration, QWidget* window,
             const std::vector<std::pair<QString, QString>>& extraHidden = {});
    ~SpecForm() override;

    const properties::WindowSpec& declaration() const { return declaration_; }
    // The pages (a QTabWidget when the declaration has pages).
    QWidget* content() const { return content_; }
    QLineEdit* field(const QString& name) const;
    const properties::FieldSpec* fieldSpec(const QString& name) const;

    QString text(const QString& field) const override;
    void setText(const QString& field, const QString& text) override;
    QMap<QString, QString> values(const QStringList& fields) const;

    // What a pick of `colour` in the picker `picker` does.
    void pickColor(const QString& picker, const QColor& colour);

    // Runs the declared load steps in order; every write runs the rules.
    void load(const RowAccess& from);
    // Stores the declared fields in order, exactly as they stand.
    void store(const RowAccess& to) const;

signals:
    // After the generic rules of a change and before the kind's hook.
    void fieldChanged(const QString& name);
    void colorPicked(const QString& picker, const QColor& colour);

private:
    struct Chooser {
        const properties::ChooserSpec* declaration = nullptr;
        QComboBox* combo = nullptr;
        QCheckBox* check = nullptr;
        QButtonGroup* radios = nullptr;
    };

    void build(const std::vector<std::pair<QString, QString>>& extraHidden);
    void addChooser(const properties::ChooserSpec& c, QWidget* page, QFormLayout* form);
    QLineEdit* makeField(const QString& name, const QString& initial, QWidget* parent);
    void runRules(const QString& name);
    void choose(const Chooser& c, int index);
    void selectFor(const QString& field);
    void openColorDialog(const QString& picker);

    const properties::WindowSpec& declaration_;
    QWidget* window_;
    QWidget* content_ = nullptr;
    QMap<QString, QLineEdit*> fields_;
    std::vector<Chooser> choosers_;
};

// The text of a picked colour, "#RRGGBB".
QString colourText(const QColor& colour);

}  // namespace vitrine

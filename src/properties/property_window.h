#pragma once
// One property window built from its kind's declaration, running the
// protocol every kind shares: the ordinal over "○" in the saved marker's
// colour, the hidden saved and load fields, placement beside the main
// window, live geometry, and the save with its status texts.

#include "properties/property_host.h"
#include "properties/spec_form.h"
#include "properties/window_spec.h"

#include <QColor>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

class QLabel;
class QPushButton;

namespace vitrine {

// Shown when a window reopens on a component whose edits were not saved.
inline const QString kUnsavedEditsText =
    QStringLiteral("该组件上次的修改尚未保存，点击 恢复未保存的修改 可找回，或直接重新设置....");
inline const QString kEditsRestoredText = QStringLiteral("未保存的修改已恢复，请点击 保存设置 保存....");
inline const QString kRestoreText = QStringLiteral("恢复未保存的修改");
inline const QString kRestoreButton = QStringLiteral("按钮_恢复修改");

// What the user typed into a component's window and did not save, kept
// while the window is gone, per item. An entry goes with its item.
class DraftStore : public QObject {
    Q_OBJECT
public:
    using Edits = QMap<QString, QString>;
    // Adds to what is kept for `item`; later edits of a field win.
    void keep(QWidget* item, const Edits& edits);
    Edits find(QWidget* item) const;
    void discard(QWidget* item);

private:
    struct Entry {
        QPointer<QWidget> item;
        Edits edits;
    };
    void purge();
    std::vector<Entry> entries_;
};

class PropertyWindow : public QWidget {
    Q_OBJECT
public:
    // A top-level window owned by the main window. `settingsPrefix` names
    // the kind's settings files; `drafts` may be null.
    PropertyWindow(PropertyHost& host, const properties::WindowSpec& declaration, QString settingsPrefix,
                   DraftStore* drafts);
    ~PropertyWindow() override;

    // Left at the main window's width − own width − 5, top 95.
    void placeBesideHost();
    // Writes "1" into the load field, which loads the selected item, also
    // when it held "1" already.
    void requestLoad();
    // Stores what the user typed and did not save into the draft store.
    void keepUnsavedEdits();

    SpecForm& form() { return *form_; }
    const properties::WindowSpec& declaration() const { return declaration_; }

private:
    void onFieldChanged(const QString& name);
    void applyGeometry(properties::Geometry geometry, const QString& text);
    void setMarker(unsigned bgr);
    void load();
    void save();
    void offerUnsavedEdits();
    void restoreUnsavedEdits();
    RowAccess rowAccess(QWidget* item) const;
    int rowNumber() const;
    QStringList draftFields() const;

    PropertyHost& host_;
    const properties::WindowSpec& declaration_;
    QString prefix_;
    QPointer<DraftStore> drafts_;
    std::unique_ptr<SpecForm> form_;
    QLabel* ordinal_ = nullptr;
    QPushButton* restore_ = nullptr;
    // The item the last load was for, and the field values it left.
    QPointer<QWidget> loadedItem_;
    QMap<QString, QString> loaded_;
};

}  // namespace vitrine

#pragma once
// Working an open property window as the user does, by the objectNames of
// its controls, and reading back what it shows.

#include "generation/emitter.h"

#include <QColor>
#include <QString>

class QLineEdit;
class QWidget;
class TestHost;

namespace windowdriver {

QLineEdit* field(QWidget* window, const QString& name);
// The field's text, or "<missing>" when the window has no such field.
QString text(QWidget* window, const QString& name);
// The colour of the ordinal: the saved marker.
QColor marker(QWidget* window);
void clickSave(QWidget* window);

// What the user does to the control `name`: types `value` over a text field,
// picks entry number `value` of a combo box (also the entry already shown),
// or clicks a check box or radio button (`value` is not used). False when
// the window has no such control.
bool act(QWidget* window, const QString& name, const QString& value = {});
// What a chooser shows: a combo box's index, "ticked" or "cleared" for a
// check box, "checked" or "unchecked" for a radio button.
QString shown(QWidget* window, const QString& name);

inline const QColor kGreen(0, 255, 0);
inline const QColor kOrange(255, 128, 0);

// Always the lowest number it may give.
class LowestRandom : public vitrine::RandomSource {
public:
    int uniform(int low, int) override { return low; }
};

// Drops the offscreen platform's notes that it cannot raise windows or grab
// the keyboard, which every window would print.
void quietOffscreenNotes();

// "生成代码" over the host's layers, with the module settings complete.
QString generatedCode(TestHost& host);
// What the kind's emitter appends for row `row` alone.
QString emittedBlock(TestHost& host, int row);

}  // namespace windowdriver

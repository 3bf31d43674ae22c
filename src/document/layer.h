#pragma once
// The two tables that hold the whole layout. Every cell is text.

#include <QString>
#include <QStringList>
#include <vector>

namespace vitrine {

class Layer {
public:
    explicit Layer(QStringList headers);

    // Empty text for a row or column that does not exist.
    QString getCell(int row, int column) const;
    // Does nothing for a row or column that does not exist.
    void setCell(int row, int column, const QString& text);
    int rowCount() const { return static_cast<int>(rows_.size()); }
    int columnCount() const { return static_cast<int>(headers_.size()); }
    const QStringList& headers() const { return headers_; }
    // Appends an empty row at the end and returns its index.
    int appendRow();
    // Later rows move up by one; nothing happens for a row that does not exist.
    void deleteRow(int row);

private:
    QStringList headers_;
    std::vector<std::vector<QString>> rows_;
};

// Columns common to every component row; the kind's own module names the
// meaning it gives to 5..8, 10 and 11.
namespace col {
inline constexpr int Kind = 0;
inline constexpr int Left = 1;
inline constexpr int Top = 2;
inline constexpr int Width = 3;
inline constexpr int Height = 4;
inline constexpr int Open = 5;
inline constexpr int Picture = 6;
inline constexpr int Link = 7;
inline constexpr int Tip = 8;
inline constexpr int Saved = 9;
inline constexpr int Extra1 = 10;
inline constexpr int Extra2 = 11;
}  // namespace col

// Columns of the module settings row, row 0 of the background layer.
namespace modcol {
inline constexpr int Edition = 0;
inline constexpr int Width = 1;
inline constexpr int Height = 2;
inline constexpr int Colour = 3;
inline constexpr int Picture = 4;
inline constexpr int Attachment = 5;
inline constexpr int Repeat = 6;
inline constexpr int VerticalPosition = 7;
inline constexpr int HorizontalPosition = 8;
inline constexpr int Saved = 9;
inline constexpr int TopSpacing = 10;
}  // namespace modcol

// One row per canvas component. Rows 0 and 1 are fixed rows of "-1", so that
// the first component added gets row 2, the same as its number.
class ComponentLayer : public Layer {
public:
    ComponentLayer();
};

// Row 0 is the module settings row; rows 1 and up are text components.
class BackgroundLayer : public Layer {
public:
    BackgroundLayer();
};

inline constexpr int ModuleSettingsRow = 0;

}  // namespace vitrine

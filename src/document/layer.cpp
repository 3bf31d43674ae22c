#include "document/layer.h"

namespace vitrine {
using namespace Qt::StringLiterals;

Layer::Layer(QStringList headers) : headers_(std::move(headers)) {}

QString Layer::getCell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return {};
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void Layer::setCell(int row, int column, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return;
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
}

int Layer::appendRow() {
    rows_.emplace_back(static_cast<std::size_t>(columnCount()));
    return rowCount() - 1;
}

void Layer::deleteRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    rows_.erase(rows_.begin() + row);
}

ComponentLayer::ComponentLayer()
    : Layer({u"识别"_s, u"距左"_s, u"距顶"_s, u"宽度"_s, u"高度"_s, u"打开"_s, u"图片"_s, u"链接"_s,
             u"提示"_s, u"保存"_s, u"附加1"_s, u"附加2"_s}) {
    for (int r = 0; r < 2; ++r) {
        appendRow();
        for (int c = 0; c <= 10; ++c) setCell(r, c, QStringLiteral("-1"));
    }
}

BackgroundLayer::BackgroundLayer()
    : Layer({u"版本"_s, u"宽度"_s, u"高度"_s, u"背色"_s, u"背图"_s, u"固定"_s, u"平铺"_s, u"上下"_s,
             u"左右"_s, u"保存"_s, u"上间距"_s}) {
    appendRow();
    setCell(ModuleSettingsRow, modcol::Edition, u"专业版"_s);
    setCell(ModuleSettingsRow, modcol::Attachment, u"scroll"_s);
    setCell(ModuleSettingsRow, modcol::Repeat, u"no-repeat"_s);
    setCell(ModuleSettingsRow, modcol::VerticalPosition, u"top"_s);
    setCell(ModuleSettingsRow, modcol::HorizontalPosition, u"center"_s);
}

}  // namespace vitrine

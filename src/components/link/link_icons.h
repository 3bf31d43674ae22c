#pragma once
// The link icons: the Wangwang group badge, the add-to-cart button, the share
// button, the favourite-the-shop picture, the like button and the Tmall
// follow button. Each keeps its fields in its row and fills one template from
// it; the QR code and the video follow the same shape.

#include "generation/emitter.h"

#include <QString>
#include <QStringView>
#include <initializer_list>
#include <string>

namespace vitrine::link_icons {

// One replacement of a template filled from the current row.
struct RowStep {
    QStringView placeholder;
    int column;
    int count;
};

// The emitter these kinds share: a row whose column 3 is empty was never
// saved and is skipped with the common text; otherwise the template (GBK
// bytes) is filled from the row by `steps`, in order, and appended.
void emitFromRow(EmitContext& ctx, const std::string& gbkTemplate, std::initializer_list<RowStep> steps);
// The same for a template of the box of the saved size: width and height
// (`sizeCount` times each), left and top come first, then `steps`.
void emitBoxFromRow(EmitContext& ctx, const std::string& gbkTemplate, int sizeCount,
                    std::initializer_list<RowStep> steps);

// The opening line of the box that most link kinds put their content in,
// without its line end. Defined here, so that a template of any file may be
// built from it while the program starts.
inline const QString kBoxLine = QStringLiteral(
    "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;background:none;top:距顶px;left:距左px;"
        "width:宽度px;height:高度px;border:0;padding:0;\">");

namespace wangwang_group {
inline constexpr int GroupNumber = 5;
inline constexpr int Badge = 6;  // the group picture address
// Five lines separated by CR LF, the last without a line end.
extern const QString kTemplate;
void emitCode(EmitContext& ctx);
}  // namespace wangwang_group

namespace cart {
inline constexpr int Icon = 5;
inline constexpr int Item = 6;  // the item address
// Five lines separated by CR LF, the last without a line end. The box has
// z-index 4 and the picture is always 120 × 31.
extern const QString kTemplate;
void emitCode(EmitContext& ctx);
}  // namespace cart

namespace share {
inline constexpr int Item = 5;
inline constexpr int Icon = 6;
// A line feed, then four lines separated by line feeds alone, the last
// without a line end.
extern const QString kTemplate;
void emitCode(EmitContext& ctx);
}  // namespace share

namespace favourite {
inline constexpr int Picture = 5;
inline constexpr int Shop = 6;  // the shop address
// Five lines separated by CR LF, the last without a line end.
extern const QString kTemplate;
void emitCode(EmitContext& ctx);
}  // namespace favourite

namespace like {
// The like button keeps no size: its columns 3 and 4 hold these.
inline constexpr int Style = 3;  // "1" orange, "2" blue; never empty once saved
inline constexpr int Item = 4;   // the item address
// Three lines separated by CR LF, the last without a line end; the box is
// always 109 × 25.
extern const QString kTemplate;
void emitCode(EmitContext& ctx);
}  // namespace like

namespace follow {
inline constexpr int ShopId = 5;
inline constexpr int Icon = 6;
// Five lines separated by CR LF, the last without a line end.
extern const QString kTemplate;
void emitCode(EmitContext& ctx);
}  // namespace follow

}  // namespace vitrine::link_icons

#pragma once
// The QR code: the platform's QR-code picture of a shop or an item, always
// 90 × 90 in a 140 × 140 box. The row keeps no size: the number the user
// types goes into the address form of the chosen code type.

#include "generation/emitter.h"

#include <QString>

namespace vitrine::qr_code {

// Row columns beyond left and top.
inline constexpr int Type = 3;         // "0" .. "3"; never empty once saved
inline constexpr int AddressForm = 4;  // holds "数字" where the number goes
inline constexpr int Number = 5;       // the shop or item number

// The code types, in the order of the window's chooser.
enum class CodeType { TmallShop = 0, TmallItem = 1, MarketShop = 2, MarketItem = 3 };
inline constexpr int kCodeTypes = 4;
inline const QString kDefaultType = QStringLiteral("2");

// The address form of a code type, with "数字" where the number goes.
QString addressForm(CodeType type);
// The form a new window holds: the market shop at 140 × 140.
extern const QString kInitialAddressForm;

// Three lines separated by CR LF, the last without a line end.
extern const QString kTemplate;

void emitCode(EmitContext& ctx);

}  // namespace vitrine::qr_code

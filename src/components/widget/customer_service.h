#pragma once
// The customer service: a shop's Wangwang contact, an optional avatar and an
// optional online-status icon, each a link that opens a chat with the account.
// Everything is in its row.

#include "generation/emitter.h"

#include <QString>

namespace vitrine::customer_service {

// Row columns beyond the geometry. Column 3 (width) marks it as saved.
inline constexpr int Account = 5;     // the Wangwang account, as typed
inline constexpr int ChatLink = 6;    // holds "旺旺" where the account goes
inline constexpr int Avatar = 7;      // empty: no avatar
inline constexpr int StatusIcon = 8;  // holds "旺旺"; empty: no icon
inline constexpr int IconClass = 10;  // empty (below the avatar) or kIconInside
inline constexpr int IconAlign = 11;  // "left", "center" or "right"

inline const QString kIconInside = QStringLiteral("most-footer footer-more-trigger");

// The service addresses the window offers, with "旺旺" where the account goes.
extern const QString kLargeStatusIcon;  // "大图标"
extern const QString kSmallStatusIcon;  // "小图标"
extern const QString kChatSplitOn;      // "主号分流" ticked
extern const QString kChatSplitOff;

// Seven lines separated by CR LF, the last without a line end. Its fifth line
// closes the icon's link, also when no icon is shown.
extern const QString kTemplate;
// Three lines separated by CR LF, the last without a line end.
extern const QString kAvatarTemplate;
// Two lines separated by CR LF, the last without a line end and without the
// link's closing tag.
extern const QString kIconTemplate;

// The account as it goes into the service addresses: its UTF-8 bytes, each
// byte that is not an ASCII letter, digit, "-" or "." written as "%XX".
QString encodeAccount(const QString& account);

void emitCode(EmitContext& ctx);

}  // namespace vitrine::customer_service

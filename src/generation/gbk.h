#pragma once
// The GBK code page: generated code, the preview page and every template are
// GBK bytes. Text inside the program is QString; these functions convert.

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

namespace vitrine {

// Appends `text` as GBK bytes. A character that GBK cannot hold (an emoji, a
// rare CJK character, a lone surrogate) is written as an HTML numeric
// character reference such as "&#128512;", which a page shows as the
// character itself, so nothing the user typed is dropped or turned into "?".
// The output holds only ASCII bytes and two-byte characters whose first byte
// is 0x81..0xFE, which is what the substitution scan relies on.
void appendGbk(std::string& out, QStringView text);
std::string toGbk(QStringView text);

// Decodes GBK bytes. A byte sequence that is not GBK becomes U+FFFD.
QString fromGbk(std::string_view bytes);

}  // namespace vitrine

#pragma once
// The rules every template fill and every computed value goes through.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <string>
#include <string_view>

namespace vitrine {

// Replaces up to `count` occurrences of `placeholder` in `text`, all GBK bytes.
// A match is tried only where a character starts (a byte of 0x80 or more
// starts a two-byte character), ASCII letter bytes equal their other case
// wherever they stand, and inserted text is never scanned again in this call.
std::string Replace(std::string_view text, std::string_view placeholder, std::string_view value, int count);

// A template being filled: each call applies Replace to the result of the
// previous one, so the order of the calls is part of the template.
class TemplateFill {
public:
    explicit TemplateFill(std::string gbkTemplate) : text_(std::move(gbkTemplate)) {}
    explicit TemplateFill(QStringView templateText);

    TemplateFill& replace(QStringView placeholder, QStringView value, int count);
    TemplateFill& replaceBytes(std::string_view placeholderGbk, std::string_view valueGbk, int count);

    const std::string& bytes() const { return text_; }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

// A computed number: at most 13 significant digits, no trailing zeros, exponent
// form ("1e+013") from 1e13 up and below 1e-4, and -0 written as "0".
QString formatNumber(double value);
// An integer in decimal.
QString formatInteger(long long value);

// Full-width forms (U+FF01..U+FF5E and the ideographic space) to half-width.
QString toHalfWidth(QStringView text);
// Leading blanks, an optional sign, then digits up to the first other
// character; no digits gives 0. Saturates at the 32-bit range.
int textToInteger(QStringView text);
// The leading decimal number (sign, fraction, exponent) after blanks; nothing
// readable, or a number out of the double range, gives 0.
double textToNumber(QStringView text);

// A colour picker's value, red in the low byte, as "#RRGGBB".
QString colorToText(std::uint32_t bgr);

}  // namespace vitrine

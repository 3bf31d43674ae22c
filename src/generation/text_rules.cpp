#include "generation/text_rules.h"

#include "generation/gbk.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace vitrine {
namespace {

inline unsigned char foldLetter(unsigned char b) {
    return (b >= 'A' && b <= 'Z') ? static_cast<unsigned char>(b + ('a' - 'A')) : b;
}

inline bool matchesAt(std::string_view text, std::size_t at, std::string_view placeholder) {
    if (text.size() - at < placeholder.size()) return false;
    for (std::size_t k = 0; k < placeholder.size(); ++k) {
        if (foldLetter(static_cast<unsigned char>(text[at + k])) !=
            foldLetter(static_cast<unsigned char>(placeholder[k])))
            return false;
    }
    return true;
}

inline bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// The first position at or after `from` whose byte equals `first` (ASCII
// letters in either case), character boundaries not considered.
std::size_t findCandidate(std::string_view text, std::size_t from, unsigned char first) {
    const char* base = text.data();
    const std::size_t n = text.size();
    const bool letter = first >= 'a' && first <= 'z';
    if (!letter) {
        const void* hit = std::memchr(base + from, first, n - from);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - base) : std::string_view::npos;
    }
    const auto upper = static_cast<unsigned char>(first - ('a' - 'A'));
    for (std::size_t i = from; i < n; ++i) {
        const auto b = static_cast<unsigned char>(base[i]);
        if (b == first || b == upper) return i;
    }
    return std::string_view::npos;
}

// Whether `at` starts a character, given that `start` (<= at) does. After a
// byte below 0x80 a character always starts, so the bytes of 0x80 or more
// right before `at` pair up from a character start: `at` starts one exactly
// when there is an even number of them.
bool startsCharacter(std::string_view text, std::size_t start, std::size_t at) {
    std::size_t high = 0;
    while (at > start && static_cast<unsigned char>(text[at - 1]) >= 0x80) {
        --at;
        ++high;
    }
    return high % 2 == 0;
}

}  // namespace

std::string Replace(std::string_view text, std::string_view placeholder, std::string_view value, int count) {
    if (text.empty() || placeholder.empty() || count <= 0) return std::string(text);
    std::string out;
    out.reserve(text.size() + value.size());
    std::size_t i = 0;  // always a character start
    std::size_t copiedUpTo = 0;
    int done = 0;
    const auto first = foldLetter(static_cast<unsigned char>(placeholder[0]));
    while (i < text.size() && done < count) {
        const std::size_t at = findCandidate(text, i, first);
        if (at == std::string_view::npos) break;
        if (!startsCharacter(text, i, at)) {
            i = at + 1;  // `at` was the second byte of a character
            continue;
        }
        if (matchesAt(text, at, placeholder)) {
            out.append(text.substr(copiedUpTo, at - copiedUpTo));
            out.append(value);
            i = at + placeholder.size();
            copiedUpTo = i;
            ++done;
            continue;
        }
        i = at + ((static_cast<unsigned char>(text[at]) >= 0x80 && at + 1 < text.size()) ? 2 : 1);
    }
    out.append(text.substr(copiedUpTo));
    return out;
}

TemplateFill::TemplateFill(QStringView templateText) : text_(toGbk(templateText)) {}

TemplateFill& TemplateFill::replace(QStringView placeholder, QStringView value, int count) {
    return replaceBytes(toGbk(placeholder), toGbk(value), count);
}

TemplateFill& TemplateFill::replaceBytes(std::string_view placeholderGbk, std::string_view valueGbk, int count) {
    text_ = Replace(text_, placeholderGbk, valueGbk, count);
    return *this;
}

QString formatNumber(double value) {
    if (!std::isfinite(value) || value == 0.0) return QStringLiteral("0");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.13g", value);
    std::string s(buf);
    // The exponent is written with three digits.
    const auto e = s.find('e');
    if (e != std::string::npos) {
        std::string digits = s.substr(e + 2);
        while (digits.size() < 3) digits.insert(digits.begin(), '0');
        s = s.substr(0, e + 2) + digits;
    }
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

QString formatInteger(long long value) { return QString::number(value); }

QString toHalfWidth(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            out += QChar(static_cast<char16_t>(u - 0xFEE0));
        else if (u == 0x3000)
            out += QChar(u' ');
        else
            out += c;
    }
    return out;
}

int textToInteger(QStringView text) {
    const QString s = toHalfWidth(text);
    qsizetype i = 0;
    while (i < s.size() && isBlank(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        negative = s[i] == u'-';
        ++i;
    }
    long long v = 0;
    constexpr long long limit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i) {
        v = v * 10 + (s[i].unicode() - u'0');
        if (v > limit) v = limit;
    }
    if (negative) v = -v;
    if (v > std::numeric_limits<int>::max()) v = std::numeric_limits<int>::max();
    return static_cast<int>(v);
}

double textToNumber(QStringView text) {
    const QString s = toHalfWidth(text);
    qsizetype i = 0;
    while (i < s.size() && isBlank(s[i])) ++i;
    std::string number;
    auto digitAt = [&](qsizetype k) { return k < s.size() && s[k] >= u'0' && s[k] <= u'9'; };
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        if (s[i] == u'-') number += '-';
        ++i;
    }
    bool anyDigit = false;
    while (digitAt(i)) {
        number += static_cast<char>(s[i++].unicode());
        anyDigit = true;
    }
    if (i < s.size() && s[i] == u'.') {
        std::string fraction;
        qsizetype k = i + 1;
        while (digitAt(k)) fraction += static_cast<char>(s[k++].unicode());
        if (anyDigit || !fraction.empty()) {
            number += '.';
            number += fraction;
            anyDigit = anyDigit || !fraction.empty();
            i = k;
        }
    }
    if (!anyDigit) return 0.0;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        qsizetype k = i + 1;
        std::string exponent = "e";
        if (k < s.size() && (s[k] == u'+' || s[k] == u'-')) exponent += static_cast<char>(s[k++].unicode());
        if (digitAt(k)) {
            while (digitAt(k)) exponent += static_cast<char>(s[k++].unicode());
            number += exponent;
        }
    }
    double v = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), v);
    (void)ptr;
    if (ec != std::errc() || !std::isfinite(v)) return 0.0;
    return v;
}

QString colorToText(std::uint32_t bgr) {
    const unsigned red = bgr & 0xFF, green = (bgr >> 8) & 0xFF, blue = (bgr >> 16) & 0xFF;
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", red, green, blue);
    return QString::fromLatin1(buf, 7);
}

}  // namespace vitrine

#include "generation/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace vitrine {
namespace {

// Lookup tables built once from Qt's ICU-backed GBK converter. A converter
// call per value would dominate generation time; a table lookup does not.
struct GbkTables {
    std::vector<std::uint16_t> encode;  // UTF-16 unit -> two GBK bytes, 0 when unmapped
    std::vector<char16_t> decode;       // (lead << 8 | trail) -> UTF-16 unit, 0 when invalid

    GbkTables() : encode(0x10000, 0), decode(0x10000, 0) {
        QStringDecoder decoder("GBK");
        QStringEncoder encoder("GBK");
        char pair[2];
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail == 0x7F) continue;
                pair[0] = static_cast<char>(lead);
                pair[1] = static_cast<char>(trail);
                decoder.resetState();
                const QString s = decoder.decode(QByteArrayView(pair, 2));
                if (decoder.hasError() || s.size() != 1 || s[0] == QChar(0xFFFD)) continue;
                decode[(lead << 8) | trail] = s[0].unicode();
            }
        }
        // The reverse direction is taken from the encoder itself, so that a
        // character with more than one GBK form gets the one Qt would write.
        for (std::size_t code = 0x8100; code < decode.size(); ++code) {
            const char16_t u = decode[code];
            if (u == 0 || encode[u] != 0) continue;
            encoder.resetState();
            const QChar c(u);
            const QByteArray b = encoder.encode(QStringView(&c, 1));
            if (encoder.hasError() || b.size() != 2) continue;
            const auto lead = static_cast<unsigned char>(b[0]);
            const auto trail = static_cast<unsigned char>(b[1]);
            if (lead < 0x81) continue;
            encode[u] = static_cast<std::uint16_t>((lead << 8) | trail);
        }
    }
};

const GbkTables& tables() {
    static const GbkTables t;
    return t;
}

void appendReference(std::string& out, char32_t codePoint) {
    out += "&#";
    out += std::to_string(static_cast<unsigned long>(codePoint));
    out += ';';
}

}  // namespace

void appendGbk(std::string& out, QStringView text) {
    const GbkTables* t = nullptr;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (u < 0x80) {
            out += static_cast<char>(u);
            continue;
        }
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode())) {
            appendReference(out, QChar::surrogateToUcs4(u, text[i + 1].unicode()));
            ++i;
            continue;
        }
        if (!t) t = &tables();
        const std::uint16_t code = t->encode[u];
        if (code == 0) {
            appendReference(out, u);
            continue;
        }
        out += static_cast<char>(code >> 8);
        out += static_cast<char>(code & 0xFF);
    }
}

std::string toGbk(QStringView text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()) * 2);
    appendGbk(out, text);
    return out;
}

QString fromGbk(std::string_view bytes) {
    const GbkTables* t = nullptr;
    // Never more characters than bytes: written in place, then cut to size.
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    char16_t* d = reinterpret_cast<char16_t*>(out.data());
    qsizetype n = 0;
    const std::size_t size = bytes.size();
    for (std::size_t i = 0; i < size; ++i) {
        // Generated code is mostly ASCII: eight bytes at a time while it is.
        while (i + 8 <= size) {
            std::uint64_t word;
            std::memcpy(&word, bytes.data() + i, 8);
            if (word & 0x8080808080808080ULL) break;
            for (int k = 0; k < 8; ++k) d[n + k] = static_cast<unsigned char>(bytes[i + k]);
            n += 8;
            i += 8;
        }
        if (i >= size) break;
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            d[n++] = b;
            continue;
        }
        if (!t) t = &tables();
        if (b >= 0x81 && b <= 0xFE && i + 1 < size) {
            const auto trail = static_cast<unsigned char>(bytes[i + 1]);
            const char16_t u = t->decode[(b << 8) | trail];
            if (u != 0) {
                d[n++] = u;
                ++i;
                continue;
            }
        }
        d[n++] = 0xFFFD;
    }
    out.truncate(n);
    return out;
}

}  // namespace vitrine

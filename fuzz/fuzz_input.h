#pragma once
// Splits a fuzzer's bytes into the pieces a target needs.

#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzzinput {

// Pieces separated by the byte 0xFF, which GBK text never holds.
inline std::vector<std::string> split(const std::uint8_t* data, std::size_t size, std::size_t pieces) {
    std::vector<std::string> out(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFF && out.size() < pieces)
            out.emplace_back();
        else
            out.back() += static_cast<char>(data[i]);
    }
    out.resize(pieces);
    return out;
}

// Any UTF-16 text, lone surrogates included: two bytes a unit.
inline QString utf16(const std::string& bytes) {
    QString s;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        s += QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                         (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    return s;
}

}  // namespace fuzzinput

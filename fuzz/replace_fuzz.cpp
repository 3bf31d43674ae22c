// Replace against a plain restatement of the rule: same result, no crash.
#include "fuzz_input.h"
#include "generation/text_rules.h"

#include <cstdlib>

namespace {

unsigned char fold(unsigned char b) { return (b >= 'A' && b <= 'Z') ? static_cast<unsigned char>(b + 32) : b; }

std::string reference(const std::string& text, const std::string& ph, const std::string& value, int count) {
    if (text.empty() || ph.empty()) return text;
    std::string out;
    std::size_t i = 0;
    int done = 0;
    while (i < text.size()) {
        bool match = done < count && text.size() - i >= ph.size();
        for (std::size_t k = 0; match && k < ph.size(); ++k)
            match = fold(static_cast<unsigned char>(text[i + k])) == fold(static_cast<unsigned char>(ph[k]));
        if (match) {
            out += value;
            i += ph.size();
            ++done;
        } else if (static_cast<unsigned char>(text[i]) >= 0x80 && i + 1 < text.size()) {
            out += text.substr(i, 2);
            i += 2;
        } else {
            out += text[i++];
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const int count = data[0] % 8;
    const auto parts = fuzzinput::split(data + 1, size - 1, 3);
    const std::string got = vitrine::Replace(parts[0], parts[1], parts[2], count);
    if (got != reference(parts[0], parts[1], parts[2], count)) std::abort();
    return 0;
}

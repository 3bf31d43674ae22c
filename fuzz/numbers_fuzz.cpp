// The number rules: no crash on any text, and a formatted number reads back
// as the same value to 13 significant digits.
#include "fuzz_input.h"
#include "generation/text_rules.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const QString text = fuzzinput::utf16(bytes);
    (void)vitrine::textToInteger(text);
    const double read = vitrine::textToNumber(text);
    if (!std::isfinite(read)) std::abort();

    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        const QString formatted = vitrine::formatNumber(value);
        if (!std::isfinite(value)) {
            if (formatted != QStringLiteral("0")) std::abort();
            return 0;
        }
        const double back = vitrine::textToNumber(formatted);
        if (value == 0.0) {
            if (formatted != QStringLiteral("0")) std::abort();
        } else if (std::fabs(value) >= 1e-300 && std::fabs(back - value) > std::fabs(value) * 1e-12) {
            std::abort();
        }
    }
    return 0;
}

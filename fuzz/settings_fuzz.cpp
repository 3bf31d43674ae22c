// Settings files and the GBK layer: whatever is written reads back exactly,
// and encoding and decoding agree on GBK text.
#include "document/settings_file.h"
#include "fuzz_input.h"
#include "generation/gbk.h"

#include <QTemporaryDir>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzzinput::split(data, size, 2);
    const QString value = fuzzinput::utf16(parts[0]);

    const std::string gbk = vitrine::toGbk(value);
    const QString decoded = vitrine::fromGbk(gbk);
    if (vitrine::toGbk(decoded) != gbk) std::abort();
    if (decoded.contains(QChar(0xFFFD)) && !value.contains(QChar(0xFFFD))) std::abort();
    (void)vitrine::fromGbk(parts[1]);  // any bytes decode without a crash

    static QTemporaryDir dir;
    vitrine::ComponentSettingsFile file(dir.filePath(QStringLiteral("lb2.ini")));
    const QString other = fuzzinput::utf16(parts[1]);
    if (!file.write(QStringLiteral("图片1"), value) || !file.write(QStringLiteral("链接1"), other)) std::abort();
    if (file.read(QStringLiteral("图片1")) != value || file.read(QStringLiteral("链接1")) != other) std::abort();
    return 0;
}

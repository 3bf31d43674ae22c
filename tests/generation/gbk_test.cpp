#include "generation/gbk.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace vitrine;

namespace {

TEST(Gbk, MatchesQtsEncoderForGbkText) {
    const QString text = QStringLiteral("店铺装修 ABC 123 ，。！《》【】 ①②③ αβγ ЖЯ 龘 ～");
    QStringEncoder encoder("GBK");
    const QByteArray qt = encoder.encode(text);
    ASSERT_FALSE(encoder.hasError());
    EXPECT_EQ(toGbk(text), qt.toStdString());
    EXPECT_EQ(fromGbk(toGbk(text)), text);
}

TEST(Gbk, CharactersOutsideGbkBecomeReferences) {
    EXPECT_EQ(toGbk(QStringLiteral("a😀b")), "a&#128512;b");
    EXPECT_EQ(toGbk(QStringLiteral("€")), "&#8364;");  // GBK's one-byte euro would break the character scan
    EXPECT_EQ(toGbk(QString(QChar(0xD800))), "&#55296;");  // a lone surrogate
    EXPECT_EQ(toGbk(QString::fromUcs4(U"\U00020000")), "&#131072;");
}

TEST(Gbk, EncodedTextHasOnlyAsciiAndTwoByteCharacters) {
    QString all;
    for (char32_t c = 1; c < 0x30000; c += 7) all += QString::fromUcs4(&c, 1);
    const std::string bytes = toGbk(all);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) continue;
        ASSERT_GE(b, 0x81);
        ASSERT_LE(b, 0xFE);
        ASSERT_LT(i + 1, bytes.size());
        ++i;
    }
}

TEST(Gbk, DecodingInvalidBytes) {
    EXPECT_EQ(fromGbk("a\x80z"), QStringLiteral("a\uFFFDz"));
    EXPECT_EQ(fromGbk("\xB0"), QStringLiteral("\uFFFD"));
    EXPECT_EQ(fromGbk("\xB0\xA1"), QStringLiteral("啊"));
}

}  // namespace

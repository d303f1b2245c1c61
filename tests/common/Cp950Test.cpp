#include "common/Cp950.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

using namespace brevmark;

// Our converter must produce exactly the bytes python3's cp950 codec produces, both ways.
TEST(Cp950, MatchesPythonByteForByte) {
    const QString samples[] = {
        QStringLiteral("新細明體"), QStringLiteral("★"), QStringLiteral("€"),
        QStringLiteral("”"),       QStringLiteral("ㄑ"), QStringLiteral("細明體 ABC 123"),
        QStringLiteral("條碼檔.zip,\"標籤A\"\r\n"), QStringLiteral("□自訂種類名稱")};
    for (const QString& s : samples) {
        const QByteArray expected = test::pythonCp950(s);
        EXPECT_EQ(cp950::encode(s).toHex(), expected.toHex()) << s.toStdString();
        EXPECT_EQ(cp950::decode(expected), s) << s.toStdString();
    }
}

TEST(Cp950, KnownDoubleByteCodes) {
    EXPECT_EQ(cp950::encode(QStringLiteral("”")).toHex(), "a1a8");
    EXPECT_EQ(cp950::encode(QStringLiteral("ㄑ")).toHex(), "a3a2");
    EXPECT_EQ(cp950::encode(QStringLiteral("€")).toHex(), "a3e1");
}

TEST(Cp950, BadInputNeverFails) {
    // A lead byte followed by an invalid trail byte, a lone lead byte at the end, a NUL.
    const QString text = cp950::decode(QByteArray("\x81\x30" "a\0b\xA4", 6));
    EXPECT_TRUE(text.contains(QChar(0xFFFD)));
    EXPECT_TRUE(text.contains(QLatin1Char('a')));
    EXPECT_EQ(cp950::encode(QStringLiteral("a😀b")), QByteArray("a?b"));
    EXPECT_FALSE(cp950::canEncode(QStringLiteral("😀")));
    EXPECT_TRUE(cp950::canEncode(QStringLiteral("新細明體★")));
}

TEST(Cp950, NamesTheCharactersItCannotHold) {
    EXPECT_EQ(cp950::unencodableCharacters(QStringLiteral("新細明體★€ABC")), QString());
    // A simplified-only character, an emoji (a surrogate pair kept whole), each named once.
    EXPECT_EQ(cp950::unencodableCharacters(QStringLiteral("国A😀国b😀")), QStringLiteral("国😀"));
    EXPECT_EQ(cp950::unencodableCharacters(QString()), QString());
}

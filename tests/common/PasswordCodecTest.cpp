#include "common/PasswordCodec.h"
#include "support/TempDataFolder.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace brevmark;
namespace codec = brevmark::password_codec;

namespace {

QString hex2(int v) {
    return QString::number(v, 16).rightJustified(2, QLatin1Char('0')).toUpper();
}

} // namespace

TEST(PasswordCodec, ThreeAsciiLettersForEveryKey) {
    for (int key = 65; key <= 90; ++key) {
        const QString stored = codec::encodeWithKey(QStringLiteral("AbZ"), key);
        EXPECT_EQ(stored, hex2(key) + hex2('A' + key) + hex2('b' + key) + hex2('Z' + key)) << key;
        EXPECT_EQ(stored.size(), 8);
        EXPECT_EQ(codec::decode(stored), QStringLiteral("AbZ")) << key;
        // The random number in [0, 1) that picks this key gives the same text.
        EXPECT_EQ(codec::encode(QStringLiteral("AbZ"), (key - 65 + 0.5) / 26.0), stored);
    }
}

TEST(PasswordCodec, RandomNumberCoversKeys65To90) {
    EXPECT_TRUE(codec::encode(QStringLiteral("a"), 0.0).startsWith(QStringLiteral("41")));
    EXPECT_TRUE(codec::encode(QStringLiteral("a"), 0.999999).startsWith(QStringLiteral("5A")));
    EXPECT_EQ(codec::encode(QString(), 0.3), QString());
}

TEST(PasswordCodec, Big5PasswordMatchesPython) {
    const QString password = QStringLiteral("條碼管理Ab9");
    for (int key : {65, 77, 90}) {
        const QString expected = test::pythonStoredPassword(password, key);
        EXPECT_EQ(codec::encodeWithKey(password, key), expected);
        EXPECT_EQ(expected.size(), 2 + 2 * (4 * 2 + 3));
        EXPECT_EQ(codec::decode(expected), password);
    }
}

TEST(PasswordCodec, ByteSumsOf256AndMoreWrapAround) {
    // 條 is B1 F8 in code page 950: B1 + 5A = 10B, F8 + 5A = 152.
    EXPECT_EQ(codec::encodeWithKey(QStringLiteral("條"), 0x5A), QStringLiteral("5A0B52"));
    EXPECT_EQ(codec::decode(QStringLiteral("5A0B52")), QStringLiteral("條"));
    // A byte of exactly 256 − k stores 00.
    EXPECT_EQ(codec::encodeWithKey(QString(QChar(0x20)), 0xE0), QStringLiteral("E000"));
}

struct DecodeCase {
    const char* name;
    const char* stored;
    QString expected;
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
    *os << '"' << c.stored << '"';
}

class PasswordDecode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(PasswordDecode, ReadsTheStoredValue) {
    EXPECT_EQ(codec::decode(QString::fromLatin1(GetParam().stored)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PasswordDecode,
    ::testing::Values(
        DecodeCase{"empty", "", QString()}, DecodeCase{"keyOnly", "41", QString()},
        DecodeCase{"oneCharacter", "4", QString()},
        // Odd lengths: 2m + 1 digits give m pairs when m is even, m + 1 when m is odd.
        DecodeCase{"oneDigitAfterKey", "008", QString()},
        DecodeCase{"threeDigits", "00414", QStringLiteral("A\x04")},
        DecodeCase{"fiveDigits", "0041424", QStringLiteral("AB")},
        DecodeCase{"sevenDigits", "004142434", QStringLiteral("ABC\x04")},
        DecodeCase{"lowerCaseDigits", "4a8b", QStringLiteral("A")},
        DecodeCase{"nonHexPairReadsAsZero", "0041G142", QString::fromLatin1("A\0B", 3)},
        DecodeCase{"halfHexPairReadsAsZero", "00414G42", QString::fromLatin1("A\0B", 3)},
        DecodeCase{"keyNotHex", "ZZ4142", QString()},
        DecodeCase{"keyWithSpace", " 14142", QString()}),
    [](const auto& info) { return std::string(info.param.name); });

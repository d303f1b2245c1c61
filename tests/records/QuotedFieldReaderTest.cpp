#include "records/QuotedFieldReader.h"
#include "records/QuotedFieldWriter.h"

#include <gtest/gtest.h>

using namespace brevmark;

namespace {
QStringList readAll(const QString& text, bool* failed = nullptr) {
    QuotedFieldReader reader(text);
    QStringList fields;
    while (!reader.atEnd()) {
        auto f = reader.next();
        if (!f) {
            if (failed)
                *failed = true;
            break;
        }
        fields << *f;
    }
    return fields;
}
} // namespace

struct ReaderCase {
    const char* name;
    const char* text;
    QStringList fields;
};

class FieldReader : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(FieldReader, ReadsFieldsInOrder) {
    bool failed = false;
    EXPECT_EQ(readAll(QString::fromUtf8(GetParam().text), &failed), GetParam().fields);
    EXPECT_FALSE(failed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldReader,
    ::testing::Values(
        ReaderCase{"quoted", "\"a\",\"b\"\r\n", {"a", "b"}},
        ReaderCase{"commaInsideQuotes", "\"a,b\",\"c\"\r\n", {"a,b", "c"}},
        ReaderCase{"trailingTextAfterQuote", "\"a\"xyz,\"b\"junk\r\n", {"a", "b"}},
        ReaderCase{"bareWithSpaces", "  12  , ab c  \r\n", {"12", "ab c"}},
        ReaderCase{"leadingSpacesBeforeQuote", "   \"x\",  \"y\"\r\n", {"x", "y"}},
        ReaderCase{"lfOnly", "\"a\",\"b\"\n\"c\",\"d\"\n", {"a", "b", "c", "d"}},
        ReaderCase{"crOnly", "\"a\",\"b\"\r\"c\",\"d\"\r", {"a", "b", "c", "d"}},
        ReaderCase{"noFinalLineEnd", "\"a\",\"b\"", {"a", "b"}},
        ReaderCase{"emptyValues", "\"\",\"\"\r\n", {"", ""}},
        ReaderCase{"emptyBareBeforeLineEnd", "\"a\",\r\n", {"a", ""}},
        ReaderCase{"integers", "\"k\",-12,7\r\n", {"k", "-12", "7"}},
        ReaderCase{"threeFieldsShiftPairs", "\"a\",\"b\",\"c\"\r\n\"d\"\r\n", {"a", "b", "c", "d"}},
        ReaderCase{"onlyCommas", ",,,", {"", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FieldReaderFailures, ReadingPastTheEndFails) {
    QuotedFieldReader reader(QStringLiteral("\"a\"\r\n"));
    EXPECT_EQ(reader.next(), QStringLiteral("a"));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.next().has_value());
}

TEST(FieldReaderFailures, UnterminatedQuoteFails) {
    QuotedFieldReader reader(QStringLiteral("\"a\",\"never closed\r\n"));
    EXPECT_EQ(reader.next(), QStringLiteral("a"));
    EXPECT_FALSE(reader.next().has_value());
    EXPECT_TRUE(reader.atEnd());
}

TEST(FieldReaderFailures, LongLineAndNulAreJustText) {
    QString big(1 << 20, QLatin1Char('x'));
    big[500] = QChar(0);
    QuotedFieldReader reader(QLatin1Char('"') + big + QStringLiteral("\",\"v\"\r\n"));
    EXPECT_EQ(reader.next()->size(), big.size());
    EXPECT_EQ(reader.next(), QStringLiteral("v"));
}

TEST(FieldWriter, WritesQuotedTextsBareIntegersAndCrLf) {
    EXPECT_EQ(quotedFieldLine({QStringLiteral("主視窗大小"), QStringLiteral("1 0 1200"), qint64(-5)}),
              QStringLiteral("\"主視窗大小\",\"1 0 1200\",-5\r\n"));
    EXPECT_EQ(quotedFieldLine(QStringList{QString(), QStringLiteral("a")}),
              QStringLiteral("\"\",\"a\"\r\n"));
}

TEST(FieldWriter, RoundTripsThroughTheReader) {
    const QString line = quotedFieldLine({QStringLiteral("a b"), QStringLiteral(""), qint64(42)});
    EXPECT_EQ(readAll(line), (QStringList{"a b", "", "42"}));
}

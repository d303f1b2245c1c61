#include "common/Rounding.h"
#include "common/Fixed4.h"
#include "common/LeadingNumber.h"

#include "support/RowNames.h"

#include <gtest/gtest.h>

using namespace brevmark;
using brevmark::test::rowName;

struct RoundCase {
    double in;
    double out;
};
void PrintTo(const RoundCase& c, std::ostream* os) {
    *os << c.in;
}
class RoundHalfEven : public ::testing::TestWithParam<RoundCase> {};
TEST_P(RoundHalfEven, RoundsHalvesToEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(GetParam().in), GetParam().out);
}
INSTANTIATE_TEST_SUITE_P(Cases, RoundHalfEven,
                         ::testing::Values(RoundCase{0.5, 0}, RoundCase{1.5, 2}, RoundCase{2.5, 2},
                                           RoundCase{3.5, 4}, RoundCase{-0.5, 0},
                                           RoundCase{-1.5, -2}, RoundCase{-2.5, -2},
                                           RoundCase{2.4999, 2}, RoundCase{2.5001, 3},
                                           RoundCase{230.4, 230}, RoundCase{1317.6, 1318}),
                         [](const auto& info) { return rowName(QString::number(info.param.in)); });

TEST(SmallIntegers, ClampInsteadOfWrapping) {
    EXPECT_EQ(toInt16(40000), 32767);
    EXPECT_EQ(toInt16(-40000), -32768);
    EXPECT_EQ(toInt16(12.5), 12);
    EXPECT_EQ(toUInt8(256), 255);
    EXPECT_EQ(toUInt8(-1), 0);
    EXPECT_EQ(toUInt8(2.5), 2);
}

struct NumberCase {
    const char* text;
    double value;
};
void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}
class LeadingNumberRule : public ::testing::TestWithParam<NumberCase> {};
TEST_P(LeadingNumberRule, TakesLongestLeadingDecimal) {
    EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(GetParam().text)), GetParam().value);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, LeadingNumberRule,
    ::testing::Values(NumberCase{"12", 12}, NumberCase{"  12abc", 12}, NumberCase{"abc", 0},
                      NumberCase{"", 0}, NumberCase{"7.2", 7.2}, NumberCase{"2.5", 2.5},
                      NumberCase{"-3.5x", -3.5}, NumberCase{".5", 0.5}, NumberCase{"5.", 5},
                      NumberCase{"1 2", 1}, NumberCase{"\t3", 0}, NumberCase{"-", 0},
                      NumberCase{"00012", 12}, NumberCase{"１２", 0}, NumberCase{"+4", 4}),
    [](const auto& info) {
        return "row" + std::to_string(info.index) + "_" +
               rowName(QString::fromUtf8(info.param.text));
    });

TEST(NumberText, ShortestDecimalWithoutExponent) {
    EXPECT_EQ(numberText(7.2), "7.2");
    EXPECT_EQ(numberText(12), "12");
    EXPECT_EQ(numberText(-0.5), "-0.5");
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(1e20), "100000000000000000000");
    EXPECT_EQ(singleText(7.2f), "7.2");
    EXPECT_EQ(singleText(1317.6f), "1317.6");
}

TEST(Fixed4Numbers, FourDecimalsWithoutDrift) {
    const Fixed4 r = Fixed4::fromText(QStringLiteral("7.2"));
    EXPECT_EQ(r.raw(), 72000);
    EXPECT_EQ((r * 64).toText(), "460.8");
    EXPECT_EQ(Fixed4::fromDouble(6.8).toText(), "6.8");
    EXPECT_EQ(Fixed4::fromText(QStringLiteral("7.00")).toText(), "7");
    EXPECT_EQ(Fixed4::fromDouble(0.00005).raw(), 0); // half to even
    EXPECT_EQ((Fixed4::fromText(QStringLiteral("1.5")) * Fixed4::fromText(QStringLiteral("0.0001")))
                  .raw(),
              2);
    EXPECT_EQ(Fixed4::fromDouble(-2.5).toText(), "-2.5");
    Fixed4 sum;
    for (int i = 0; i < 10000; ++i)
        sum = sum + r;
    EXPECT_EQ(sum.toText(), "72000");
}

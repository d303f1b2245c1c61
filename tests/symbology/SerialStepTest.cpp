#include "symbology/SerialStep.h"
#include "QStringPrinting.h"

#include "support/RowNames.h"

#include <gtest/gtest.h>

using namespace brevmark;
using brevmark::test::rowName;

namespace {

struct StepCase {
    const char* before;
    SerialStep step;
    const char* after;
};

class SerialStepRule : public testing::TestWithParam<StepCase> {};

TEST_P(SerialStepRule, StepsTheDigitsInTheirPlaces) {
    const StepCase& c = GetParam();
    EXPECT_EQ(serialStep(QString::fromLatin1(c.before), c.step), QString::fromLatin1(c.after));
}

constexpr SerialStep add = SerialStep::Add;
constexpr SerialStep subtract = SerialStep::Subtract;

INSTANTIATE_TEST_SUITE_P(
    Cases, SerialStepRule,
    testing::Values(StepCase{"A0099", add, "A0100"}, StepCase{"12-34", add, "12-35"},
                    StepCase{"1-9", add, "2-0"}, StepCase{"999", add, "000"},
                    StepCase{"ABC", add, "ABC"}, StepCase{"A0100", subtract, "A0099"},
                    StepCase{"X10", subtract, "X09"}, StepCase{"ABC", subtract, "ABC"},
                    StepCase{"", add, ""}, StepCase{"", subtract, ""}, StepCase{"9a9", add, "0a0"},
                    StepCase{"0", add, "1"},
                    // All zeros minus one wraps to all nines and keeps the length.
                    StepCase{"000", subtract, "999"}, StepCase{"A0-0", subtract, "A9-9"},
                    StepCase{"0", subtract, "9"},
                    // Twenty digits, past what a double holds exactly.
                    StepCase{"12345678901234567890", add, "12345678901234567891"},
                    StepCase{"12345678901234567890", subtract, "12345678901234567889"},
                    StepCase{"99999999999999999999", add, "00000000000000000000"},
                    StepCase{"00000000000000000000", subtract, "99999999999999999999"},
                    StepCase{"10000000000000000000", subtract, "09999999999999999999"},
                    StepCase{"A1234567890-123456789", add, "A1234567890-123456790"},
                    StepCase{"9007199254740993", add, "9007199254740994"}),
    [](const auto& info) {
        return rowName(QString::fromUtf8(info.param.before) + (info.param.step == SerialStep::Add
                                                                   ? QStringLiteral(" plus")
                                                                   : QStringLiteral(" minus")));
    });

TEST(SerialStepHint, AsksForATextFirstThenNamesTheStep) {
    EXPECT_EQ(serialStepHint(QString(), SerialStep::Add),
              QStringLiteral("請先輸入條碼，才能使用此功能"));
    EXPECT_EQ(serialStepHint(QString(), SerialStep::Subtract),
              QStringLiteral("請先輸入條碼，才能使用此功能"));
    EXPECT_EQ(serialStepHint(QStringLiteral("A1"), SerialStep::Add),
              QStringLiteral("依照條碼編號【增加一碼】"));
    EXPECT_EQ(serialStepHint(QStringLiteral("A1"), SerialStep::Subtract),
              QStringLiteral("依照條碼編號【扣除一碼】"));
}

} // namespace

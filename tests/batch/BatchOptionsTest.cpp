// The command line of brevmark-batch: what each accepted form means, and the usage errors.
#include "batch/BatchOptions.h"

#include "support/RowNames.h"

#include <gtest/gtest.h>

using namespace brevmark;
using brevmark::test::rowName;

namespace {

BatchOptions parsed(const QStringList& arguments) {
    auto result = BatchOptions::parse(arguments);
    if (const BatchFailure* f = std::get_if<BatchFailure>(&result)) {
        ADD_FAILURE() << f->message.toStdString();
        return {};
    }
    return std::get<BatchOptions>(result);
}

QStringList split(const char* line) {
    return QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

TEST(BatchOptions, LayoutAndFormatWithOptionsAnywhere) {
    const BatchOptions layout = parsed(split("--output a.pdf layout 三個標籤 --copies 3"));
    EXPECT_EQ(layout.command, BatchOptions::Command::Layout);
    EXPECT_EQ(layout.layoutName, QStringLiteral("三個標籤"));
    EXPECT_EQ(layout.output, QStringLiteral("a.pdf"));
    EXPECT_EQ(layout.copies, 3);

    const BatchOptions format = parsed(
        split("format 商品 --records=r.csv 價格 --filter 種類=食 --filter 名稱= --arrangement "
              "--printer q --resolution 4.8 --label-printer --data /d"));
    EXPECT_EQ(format.command, BatchOptions::Command::Format);
    EXPECT_EQ(format.category, QStringLiteral("商品"));
    EXPECT_EQ(format.formatName, QStringLiteral("價格"));
    EXPECT_EQ(format.recordsFile, QStringLiteral("r.csv"));
    ASSERT_EQ(format.filters.size(), 2);
    EXPECT_EQ(format.filters[0], qMakePair(QStringLiteral("種類"), QStringLiteral("食")));
    EXPECT_EQ(format.filters[1], qMakePair(QStringLiteral("名稱"), QString()));
    EXPECT_TRUE(format.arrangement);
    EXPECT_EQ(format.printer, QStringLiteral("q"));
    EXPECT_EQ(format.resolution, Fixed4::fromRaw(48000));
    EXPECT_EQ(format.printerKind, std::uint8_t(1));
    EXPECT_EQ(format.dataFolder, QStringLiteral("/d"));
    EXPECT_EQ(format.copies, 1);
    EXPECT_TRUE(format.output.isEmpty());
}

TEST(BatchOptions, NamesAfterTheEndOfOptionsMayBeginWithDashes) {
    const BatchOptions o = parsed({QStringLiteral("format"), QStringLiteral("--"),
                                   QStringLiteral("--page-printer"), QStringLiteral("-1")});
    EXPECT_EQ(o.category, QStringLiteral("--page-printer"));
    EXPECT_EQ(o.formatName, QStringLiteral("-1"));
    EXPECT_FALSE(o.printerKind.has_value());
    EXPECT_EQ(parsed(split("--page-printer layout x")).printerKind, std::uint8_t(0));
}

TEST(BatchOptions, HelpAndVersionWinOverEverythingElse) {
    EXPECT_EQ(parsed(split("layout x --help")).command, BatchOptions::Command::Help);
    EXPECT_EQ(parsed(split("-h")).command, BatchOptions::Command::Help);
    EXPECT_EQ(parsed(split("--version --bogus")).command, BatchOptions::Command::Version);
    EXPECT_TRUE(BatchOptions::usage().contains(QStringLiteral("--records")));
}

TEST(BatchOptions, ASheetByItsNameAndTheSheetsListedByWords) {
    const BatchOptions sheet =
        parsed({QStringLiteral("format"), QStringLiteral("a"), QStringLiteral("b"),
                QStringLiteral("--sheet"), QStringLiteral(" Avery   L7651 ")});
    EXPECT_EQ(sheet.command, BatchOptions::Command::Format);
    EXPECT_EQ(sheet.sheet, QStringLiteral("Avery L7651"));
    // A TOP.reg's label printer does not matter; only the option itself is refused.
    EXPECT_EQ(parsed(split("format a b --sheet=x --page-printer")).sheet, QStringLiteral("x"));

    // The words after --list-sheets are what to look for, even "format" or "layout".
    const BatchOptions listed = parsed(split("--list-sheets avery layout --data /d"));
    EXPECT_EQ(listed.command, BatchOptions::Command::ListSheets);
    EXPECT_EQ(listed.sheetSearch, QStringLiteral("avery layout"));
    EXPECT_EQ(listed.dataFolder, QStringLiteral("/d"));
    EXPECT_EQ(parsed(split("--list-sheets=avery 65")).sheetSearch, QStringLiteral("avery 65"));
    EXPECT_EQ(parsed(split("--list-sheets")).sheetSearch, QString());
    EXPECT_TRUE(BatchOptions::usage().contains(QStringLiteral("--list-sheets")));
}

struct UsageCase {
    const char* line;
    const char* says;
};

// The command line names the case in test listings.
void PrintTo(const UsageCase& c, std::ostream* os) {
    *os << '"' << c.line << '"';
}

class BatchUsageErrors : public ::testing::TestWithParam<UsageCase> {};

TEST_P(BatchUsageErrors, AreRefusedWithTheUsageStatus) {
    auto result = BatchOptions::parse(split(GetParam().line));
    ASSERT_TRUE(std::holds_alternative<BatchFailure>(result)) << GetParam().line;
    const BatchFailure& f = std::get<BatchFailure>(result);
    EXPECT_EQ(f.exit, BatchExit::Usage);
    EXPECT_TRUE(f.message.contains(QString::fromUtf8(GetParam().says))) << f.message.toStdString();
    EXPECT_TRUE(f.message.contains(QStringLiteral("--help")));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BatchUsageErrors,
    ::testing::Values(UsageCase{"", "layout"}, UsageCase{"print x", "不明的指令 print"},
                      UsageCase{"layout", "排版名稱"}, UsageCase{"layout a b", "排版名稱"},
                      UsageCase{"format a", "種類與名稱"}, UsageCase{"--bogus layout a", "--bogus"},
                      UsageCase{"-x layout a", "-x"}, UsageCase{"layout a --copies", "需要一個值"},
                      UsageCase{"layout a --copies 0", "--copies"},
                      UsageCase{"layout a --copies -2", "--copies"},
                      UsageCase{"layout a --copies 1000001", "--copies"},
                      UsageCase{"layout a --copies 2x", "--copies"},
                      UsageCase{"layout a --resolution 0", "--resolution"},
                      UsageCase{"layout a --resolution 7.25001", "--resolution"},
                      UsageCase{"layout a --resolution 1441", "--resolution"},
                      UsageCase{"layout a --resolution abc", "--resolution"},
                      UsageCase{"layout a --printer p --output o.pdf", "只能選一個"},
                      UsageCase{"layout a --label-printer --page-printer", "只能選一個"},
                      UsageCase{"layout a --arrangement=1", "不接受值"},
                      UsageCase{"layout a --records r.csv", "--records"},
                      UsageCase{"layout a --arrangement", "--arrangement"},
                      UsageCase{"format a b --filter 種類=食", "--records"},
                      UsageCase{"format a b --records r --filter =食", "欄位=開頭"},
                      UsageCase{"format a b --records r --filter 種類", "欄位=開頭"},
                      UsageCase{"layout a --output=", "需要一個值"},
                      UsageCase{"format a b --sheet", "需要一個值"},
                      UsageCase{"layout a --sheet x", "--sheet 只能與 format"},
                      UsageCase{"format a b --sheet x --arrangement", "--arrangement"},
                      UsageCase{"format a b --label-printer --sheet x", "--label-printer"}),
    [](const auto& info) {
        return "row" + std::to_string(info.index) + "_" +
               rowName(QString::fromUtf8(info.param.line));
    });

#include "batch/BatchOptions.h"

#include "print/PrintSettings.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace brevmark {

namespace {

BatchFailure usageError(const QString& text) {
    return {BatchExit::Usage, text + QStringLiteral("\n請用 brevmark-batch --help 查看用法。")};
}

std::optional<std::int64_t> wholeNumber(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,12}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    return text.toLongLong();
}

std::optional<Fixed4> resolutionFrom(const QString& text) {
    static const QRegularExpression decimal(QStringLiteral("^[0-9]{1,4}(\\.[0-9]{1,4})?$"));
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    const Fixed4 value = Fixed4::fromText(text);
    if (value.raw() <= 0 || value.toDouble() > PrintSettings::largestResolution)
        return std::nullopt;
    return value;
}

} // namespace

std::variant<BatchOptions, BatchFailure> BatchOptions::parse(const QStringList& arguments) {
    BatchOptions o;
    QStringList words;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!optionsEnded && argument == QLatin1String("-h"))
            return BatchOptions{};
        if (!optionsEnded && argument.size() > 1 && argument.startsWith(QLatin1Char('-')) &&
            !argument.startsWith(QLatin1String("--")))
            return usageError(QStringLiteral("不明的選項 ") + argument +
                              QStringLiteral("（名稱以 - 開頭時，請寫在 -- 之後）"));
        if (optionsEnded || !argument.startsWith(QLatin1String("--")) || argument.size() == 2) {
            if (!optionsEnded && argument == QLatin1String("--"))
                optionsEnded = true;
            else
                words << argument;
            continue;
        }
        QString name = argument.mid(2);
        std::optional<QString> inlineValue;
        if (const qsizetype eq = name.indexOf(QLatin1Char('=')); eq >= 0) {
            inlineValue = name.mid(eq + 1);
            name.truncate(eq);
        }
        // The option's value; nothing (and the error is returned) when it is missing.
        std::optional<QString> value;
        const auto takeValue = [&]() -> bool {
            if (inlineValue) {
                value = *inlineValue;
                return true;
            }
            if (i + 1 >= arguments.size())
                return false;
            value = arguments.at(++i);
            return true;
        };
        const QString option = QStringLiteral("--") + name;
        if (name == QLatin1String("help") || name == QLatin1String("version")) {
            if (inlineValue)
                return usageError(option + QStringLiteral(" 不接受值"));
            BatchOptions shown;
            shown.command = name == QLatin1String("help") ? Command::Help : Command::Version;
            return shown;
        }
        if (name == QLatin1String("list-sheets")) {
            o.command = Command::ListSheets;
            if (inlineValue)
                o.sheetSearch = *inlineValue;
            continue;
        }
        if (name == QLatin1String("arrangement") || name == QLatin1String("label-printer") ||
            name == QLatin1String("page-printer")) {
            if (inlineValue)
                return usageError(option + QStringLiteral(" 不接受值"));
            if (name == QLatin1String("arrangement")) {
                o.arrangement = true;
            } else {
                const std::uint8_t kind = name == QLatin1String("label-printer") ? 1 : 0;
                if (o.printerKind && *o.printerKind != kind)
                    return usageError(
                        QStringLiteral("--label-printer 與 --page-printer 只能選一個"));
                o.printerKind = kind;
            }
            continue;
        }
        static const QStringList valued = {QStringLiteral("records"), QStringLiteral("filter"),
                                           QStringLiteral("copies"),  QStringLiteral("printer"),
                                           QStringLiteral("output"),  QStringLiteral("resolution"),
                                           QStringLiteral("data"),    QStringLiteral("sheet")};
        if (!valued.contains(name))
            return usageError(QStringLiteral("不明的選項 ") + option);
        if (!takeValue())
            return usageError(option + QStringLiteral(" 需要一個值"));
        const QString& v = *value;
        if (name == QLatin1String("filter")) {
            const qsizetype eq = v.indexOf(QLatin1Char('='));
            if (eq <= 0)
                return usageError(
                    QStringLiteral("--filter 的值應為 欄位=開頭，例如 --filter 種類=A，而不是 ") +
                    v);
            o.filters.append({v.left(eq), v.mid(eq + 1)});
            continue;
        }
        if (v.isEmpty())
            return usageError(option + QStringLiteral(" 需要一個值"));
        if (name == QLatin1String("records")) {
            o.recordsFile = v;
        } else if (name == QLatin1String("copies")) {
            const std::optional<std::int64_t> n = wholeNumber(v);
            if (!n || *n < 1 || *n > maxCopies)
                return usageError(
                    QStringLiteral("--copies 應為 1 到 %1 的整數，而不是 ").arg(maxCopies) + v);
            o.copies = *n;
        } else if (name == QLatin1String("printer")) {
            o.printer = v;
        } else if (name == QLatin1String("output")) {
            o.output = v;
        } else if (name == QLatin1String("resolution")) {
            const std::optional<Fixed4> r = resolutionFrom(v);
            if (!r)
                return usageError(
                    QStringLiteral(
                        "--resolution 應為大於 0 的 twips 數（最多四位小數，例如 7.2），而不是 ") +
                    v);
            o.resolution = r;
        } else if (name == QLatin1String("data")) {
            o.dataFolder = v;
        } else if (name == QLatin1String("sheet")) {
            o.sheet = v.simplified();
        }
    }
    if (o.command == Command::ListSheets) {
        // The words that follow are the text to look for, not a command.
        o.sheetSearch = (QStringList{o.sheetSearch} + words).join(QLatin1Char(' ')).simplified();
        return o;
    }
    if (words.isEmpty())
        return usageError(QStringLiteral("請指定 layout 名稱 或 format 種類 名稱"));
    const QString& command = words.first();
    if (command == QLatin1String("layout")) {
        if (words.size() != 2)
            return usageError(QStringLiteral("layout 需要一個排版名稱"));
        o.command = Command::Layout;
        o.layoutName = words.at(1);
    } else if (command == QLatin1String("format")) {
        if (words.size() != 3)
            return usageError(QStringLiteral("format 需要種類與名稱兩個值"));
        o.command = Command::Format;
        o.category = words.at(1);
        o.formatName = words.at(2);
    } else {
        return usageError(QStringLiteral("不明的指令 ") + command +
                          QStringLiteral("（應為 layout 或 format）"));
    }
    if (!o.printer.isEmpty() && !o.output.isEmpty())
        return usageError(QStringLiteral("--printer 與 --output 只能選一個"));
    if (!o.sheet.isEmpty()) {
        if (o.command == Command::Layout)
            return usageError(QStringLiteral("--sheet 只能與 format 一起使用"));
        if (o.arrangement)
            return usageError(QStringLiteral("--sheet 與 --arrangement 只能選一個"));
        if (o.printerKind == 1)
            return usageError(QStringLiteral(
                "--sheet 的標籤紙要用一般印表機列印，不能與 --label-printer 一起使用"));
    }
    if (o.command == Command::Layout) {
        if (!o.recordsFile.isEmpty())
            return usageError(QStringLiteral("--records 只能與 format 一起使用"));
        if (o.arrangement)
            return usageError(QStringLiteral("--arrangement 只能與 format 一起使用"));
    }
    if (!o.filters.isEmpty() && o.recordsFile.isEmpty())
        return usageError(QStringLiteral("--filter 需要 --records"));
    return o;
}

QString BatchOptions::version() {
    return QStringLiteral("brevmark-batch ") + QCoreApplication::applicationVersion();
}

QString BatchOptions::usage() {
    return QStringLiteral(
        "用法：brevmark-batch [選項] layout 名稱\n"
        "      brevmark-batch [選項] format 種類 名稱\n"
        "      brevmark-batch --list-sheets [文字]\n"
        "\n"
        "不開視窗列印：layout 印出儲存的排版（記錄資料/名稱.wab），與頁面編輯器相同；\n"
        "format 印出一個儲存的條碼格式（記錄資料/排版記錄.zip）。\n"
        "\n"
        "選項：\n"
        "  --records 檔案       每筆記錄印一次格式，記錄的條碼為條碼文字；文字標籤寫成\n"
        "                       {欄位名稱}（例如 {名稱}）時印出該欄位。檔案可為 條碼檔.zip\n"
        "                       （Big5），或有標題列的 UTF-8 CSV／TSV 檔\n"
        "  --filter 欄位=開頭   只印該欄位以此開頭的記錄，與記錄管理的篩選相同；可重複，\n"
        "                       全部符合才印\n"
        "  --copies N           每張標籤印 N 次（預設 1）\n"
        "  --arrangement        依照儲存的排列設定（列印排列）一列一列排列標籤\n"
        "  --sheet \"廠牌 型號\"  印在這種標籤紙的每張標籤上，由左而右、由上而下，一頁接一頁\n"
        "                       （例如 --sheet \"Avery L7651\"，不分大小寫）\n"
        "  --list-sheets [文字]  列出廠牌、型號或說明含有文字的標籤紙\n"
        "  --printer 名稱       送到此 CUPS 印表機（預設：系統的預設印表機）\n"
        "  --output 檔案.pdf    寫成 PDF 檔，不送印表機\n"
        "  --resolution R       列印解析度，單位 twips（預設：TOP.reg 的 列印解析度，7.2）\n"
        "  --label-printer      標籤印表機：每張標籤單獨一頁\n"
        "  --page-printer       一般印表機：標籤排在紙張上\n"
        "  --data 資料夾        程式資料夾，內含 記錄資料 與 圖形資料\n"
        "                       （預設：BREVMARK_HOME、程式所在資料夾或 ~/.local/share/Brevmark）\n"
        "  --help               顯示此說明\n"
        "  --version            顯示版本\n"
        "\n"
        "結束代碼：0 已列印，1 列印失敗，2 指令錯誤，3 找不到資料或標籤紙，4 檔案損壞或\n"
        "條碼格式大於標籤，"
        "5 沒有此欄位，6 沒有印表機，7 無法寫入輸出檔，8 沒有可列印的標籤。\n"
        "詳見 man brevmark-batch。\n");
}

} // namespace brevmark

// Fuzz target: the command line of brevmark-batch. The input is the argument list, arguments
// separated by NUL bytes (as the kernel hands them over), each taken as UTF-8.
//
// Any argument list is either refused with a usage message or gives options within their
// bounds; and options given back as a command line, written out in full, read as the same
// options (a name that starts with "-" after "--", values inline or as the next argument).
#include "support/FuzzCheck.h"
#include "support/FuzzInput.h"

#include "batch/BatchOptions.h"
#include "print/PrintSettings.h"

#include <cstddef>
#include <cstdint>

using namespace brevmark;

namespace {

QStringList argumentsOf(const QByteArray& bytes) {
    QStringList arguments;
    for (const QByteArray& a : bytes.split('\0'))
        arguments << QString::fromUtf8(a);
    return arguments;
}

// The options as a command line that says everything: each value inline or as the next
// argument, as `inlineValues` says, and the names after "--".
QStringList commandLineOf(const BatchOptions& o, bool inlineValues) {
    QStringList line;
    const auto add = [&](const QString& option, const QString& value) {
        if (inlineValues)
            line << option + QLatin1Char('=') + value;
        else
            line << option << value;
    };
    if (!o.recordsFile.isEmpty())
        add(QStringLiteral("--records"), o.recordsFile);
    for (const auto& [field, prefix] : o.filters)
        add(QStringLiteral("--filter"), field + QLatin1Char('=') + prefix);
    add(QStringLiteral("--copies"), QString::number(o.copies));
    if (o.arrangement)
        line << QStringLiteral("--arrangement");
    if (!o.printer.isEmpty())
        add(QStringLiteral("--printer"), o.printer);
    if (!o.output.isEmpty())
        add(QStringLiteral("--output"), o.output);
    if (o.resolution)
        add(QStringLiteral("--resolution"), o.resolution->toText());
    if (o.printerKind)
        line << (*o.printerKind == 1 ? QStringLiteral("--label-printer")
                                     : QStringLiteral("--page-printer"));
    if (!o.dataFolder.isEmpty())
        add(QStringLiteral("--data"), o.dataFolder);
    line << QStringLiteral("--");
    if (o.command == BatchOptions::Command::Layout)
        line << QStringLiteral("layout") << o.layoutName;
    else
        line << QStringLiteral("format") << o.category << o.formatName;
    return line;
}

bool same(const BatchOptions& a, const BatchOptions& b) {
    return a.command == b.command && a.layoutName == b.layoutName && a.category == b.category &&
           a.formatName == b.formatName && a.recordsFile == b.recordsFile &&
           a.filters == b.filters && a.copies == b.copies && a.arrangement == b.arrangement &&
           a.printer == b.printer && a.output == b.output && a.resolution == b.resolution &&
           a.printerKind == b.printerKind && a.dataFolder == b.dataFolder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::inputBytes(data, size);
    const auto parsed = BatchOptions::parse(argumentsOf(bytes));
    if (const BatchFailure* failure = std::get_if<BatchFailure>(&parsed)) {
        FUZZ_CHECK(failure->exit == BatchExit::Usage && !failure->message.isEmpty(),
                   "a refused command line ends otherwise than with a usage message");
        return 0;
    }
    const BatchOptions& o = std::get<BatchOptions>(parsed);
    if (o.command == BatchOptions::Command::Help || o.command == BatchOptions::Command::Version)
        return 0;
    FUZZ_CHECK(o.copies >= 1 && o.copies <= BatchOptions::maxCopies, "copies out of bounds");
    FUZZ_CHECK(!o.resolution || (o.resolution->raw() > 0 && o.resolution->toDouble() <= PrintSettings::largestResolution),
               "a resolution out of bounds");
    FUZZ_CHECK(o.printer.isEmpty() || o.output.isEmpty(), "both a printer and an output file");
    FUZZ_CHECK(o.filters.isEmpty() || !o.recordsFile.isEmpty(), "filters without records");
    for (const auto& filter : o.filters)
        FUZZ_CHECK(!filter.first.isEmpty(), "a filter without a field");

    for (const bool inlineValues : {false, true}) {
        const QStringList line = commandLineOf(o, inlineValues);
        const auto again = BatchOptions::parse(line);
        const BatchOptions* reread = std::get_if<BatchOptions>(&again);
        FUZZ_CHECK(reread, QStringLiteral("the options given back are refused: ") +
                               std::get<BatchFailure>(again).message + QStringLiteral("\n  ") +
                               line.join(QStringLiteral(" | ")));
        FUZZ_CHECK(same(*reread, o), QStringLiteral("the options given back read otherwise: ") +
                                         line.join(QStringLiteral(" | ")));
    }
    return 0;
}

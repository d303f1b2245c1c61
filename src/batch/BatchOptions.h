#pragma once

#include "batch/BatchFailure.h"
#include "common/Fixed4.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <variant>

namespace brevmark {

// The command line of brevmark-batch:
//   brevmark-batch [options] layout NAME
//   brevmark-batch [options] format CATEGORY NAME
//   brevmark-batch --list-sheets [TEXT]
// Options may stand before, between or after the words; "--" ends them. Values follow their
// option as the next argument or after "=".
struct BatchOptions {
    enum class Command { Help, Version, Layout, Format, ListSheets };
    static constexpr std::int64_t maxCopies = 1000000;

    Command command = Command::Help;
    QString layoutName;
    QString category;
    QString formatName;

    QString recordsFile;                     // --records: merge the format with these records
    QList<QPair<QString, QString>> filters;  // --filter FIELD=PREFIX, all must match
    std::int64_t copies = 1;                 // --copies: each label this many times
    bool arrangement = false;                // --arrangement: the stored arrangement's rows
    QString sheet;                           // --sheet: onto the labels of this stock sheet
    QString sheetSearch;                     // --list-sheets: the words the sheets must hold
    QString printer;                         // --printer: a CUPS queue; empty for the default
    QString output;                          // --output: a PDF file instead of a printer
    std::optional<Fixed4> resolution;        // --resolution: twips, instead of TOP.reg's
    std::optional<std::uint8_t> printerKind; // --label-printer 1, --page-printer 0
    QString dataFolder;                      // --data: the program folder

    // The arguments after the program's name.
    static std::variant<BatchOptions, BatchFailure> parse(const QStringList& arguments);
    // What --help prints.
    static QString usage();
    static QString version();
};

} // namespace brevmark

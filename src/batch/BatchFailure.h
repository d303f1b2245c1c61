#pragma once

#include <QString>

namespace brevmark {

// How brevmark-batch ends: its exit status, one value per kind of failure so that scripts can
// tell them apart (the manual page lists them).
enum class BatchExit {
    Printed = 0,
    PrintFailed = 1,    // a label could not be printed completely, or the printer refused the job
    Usage = 2,          // the command line is wrong
    NotFound = 3,       // no such data folder, layout, format, record file or stock sheet
    Damaged = 4,        // a file cannot be read or is damaged, a record cannot be printed, or
                        // the format is larger than the sheet's labels
    UnknownField = 5,   // a filter or a text label names a field the records do not have
    NoPrinter = 6,      // no default printer, or no queue of that name
    OutputFailed = 7,   // the PDF file cannot be written
    NothingToPrint = 8, // no record selected, or a layout without items
};

// Why a command stops: the status it ends with and the one message it tells on standard error.
struct BatchFailure {
    BatchExit exit = BatchExit::PrintFailed;
    QString message;
};

} // namespace brevmark

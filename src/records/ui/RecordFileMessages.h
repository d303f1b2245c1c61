#pragma once

#include "records/BarcodeRecordFile.h"

namespace brevmark {

class MessageBoxes;

// The messages of the barcode record file 條碼檔.zip, for every window that reads or writes it
// (the record manager, the bulk import window, the main window's record-load panel): the model
// returns what happened, the window shows it here, in the order the user meets it.
class RecordFileMessages {
public:
    // A damaged file: the notice, then the repair, then what the repair came to. True when the
    // file was rebuilt and the program must end now.
    static bool repairDamaged(BarcodeRecordFile& file, MessageBoxes& messages);
    // A read that could not open or read the file.
    static void showUnreadable(const BarcodeRecordFile& file, const QString& reason,
                               MessageBoxes& messages);
    // A write refused for its characters or failed; nothing for the other outcomes.
    static void showWriteProblem(const BarcodeRecordFile& file,
                                 const BarcodeRecordFile::WriteResult& write,
                                 MessageBoxes& messages);
};

} // namespace brevmark

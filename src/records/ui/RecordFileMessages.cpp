#include "records/ui/RecordFileMessages.h"

#include "common/Cp950.h"
#include "platform/MessageBoxes.h"
#include "records/RecordFileTexts.h"

namespace brevmark {

bool RecordFileMessages::repairDamaged(BarcodeRecordFile& file, MessageBoxes& messages) {
    messages.warn(RecordFileTexts::damagedTitle(), RecordFileTexts::damagedText());
    const BarcodeRecordFile::RepairResult repaired = file.repair();
    switch (repaired.outcome) {
    case BarcodeRecordFile::RepairOutcome::Rebuilt:
        messages.inform(RecordFileTexts::repairedTitle(), RecordFileTexts::repairedText());
        return true;
    case BarcodeRecordFile::RepairOutcome::NotWritten:
        messages.warn(RecordFileTexts::writeFailedTitle(),
                      RecordFileTexts::writeFailedText(file.filePath(), repaired.error));
        return false;
    case BarcodeRecordFile::RepairOutcome::NothingKept:
        return false;
    }
    return false;
}

void RecordFileMessages::showUnreadable(const BarcodeRecordFile& file, const QString& reason,
                                        MessageBoxes& messages) {
    messages.warn(RecordFileTexts::unreadableTitle(),
                  RecordFileTexts::unreadableText(file.filePath(), reason));
}

void RecordFileMessages::showWriteProblem(const BarcodeRecordFile& file,
                                          const BarcodeRecordFile::WriteResult& write,
                                          MessageBoxes& messages) {
    switch (write.outcome) {
    case BarcodeRecordFile::WriteOutcome::Refused:
        messages.warn(RecordFileTexts::unencodableTitle(),
                      RecordFileTexts::unencodableText(cp950::listedCharacters(write.error)));
        break;
    case BarcodeRecordFile::WriteOutcome::Failed:
        messages.warn(RecordFileTexts::writeFailedTitle(),
                      RecordFileTexts::writeFailedText(file.filePath(), write.error));
        break;
    default:
        break;
    }
}

} // namespace brevmark

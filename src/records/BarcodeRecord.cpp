#include "records/BarcodeRecord.h"

namespace brevmark {

RecordEntry BarcodeRecord::entry() const {
    RecordEntry e;
    for (int k = 0; k < entryFieldCount; ++k)
        e[std::size_t(k)] = fields[std::size_t(k)];
    return e;
}

BarcodeRecord BarcodeRecord::fromEntry(const RecordEntry& entry) {
    BarcodeRecord r;
    for (int k = 0; k < entryFieldCount; ++k)
        r.fields[std::size_t(k)] = entry[std::size_t(k)];
    return r;
}

BarcodeRecord BarcodeRecord::fromList(const QStringList& list) {
    BarcodeRecord r;
    for (int k = 0; k < textFieldCount && k < list.size(); ++k)
        r.fields[std::size_t(k)] = list.at(k);
    return r;
}

} // namespace brevmark

#pragma once

#include "common/Cp950.h"

#include <QString>

namespace brevmark::fuzz {

// A text as it reads back after a writer stored it in a quoted-field line: writers leave out
// double quotes (only an unquoted field of a damaged line can hold one), and code page 950 keeps
// only what it can hold.
inline QString storedForm(const QString& text) {
    return cp950::decode(cp950::encode(QString(text).remove(QLatin1Char('"'))));
}

template <typename Record> Record storedRecord(const Record& record) {
    Record stored;
    for (std::size_t f = 0; f < record.fields.size(); ++f)
        stored.fields[f] = storedForm(record.fields[f]);
    return stored;
}

template <typename Records> Records storedRecords(const Records& records) {
    Records stored;
    for (const auto& r : records)
        stored.append(storedRecord(r));
    return stored;
}

} // namespace brevmark::fuzz

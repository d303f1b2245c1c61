#include "import/ConversionTable.h"

#include "records/RecordTextPreparation.h"

namespace brevmark {

void ConversionTable::clear() {
    fields_.clear();
    widest_ = 0;
}

void ConversionTable::convert(const QStringList& lines, int lastLine) {
    clear();
    for (int j = 0; j <= lastLine && j < CellTable::rows && j < lines.size(); ++j) {
        const QString line = record_texts::trimSpaces(lines.at(j));
        int w = 0;
        QString field;
        const auto keep = [&] { fields_.setText(j, w, field); };
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line.at(i);
            if (c == separator) {
                keep();
                field.clear();
                ++w;
                if (w > widest_)
                    widest_ = w;
                if (widest_ >= CellTable::columns)
                    return; // more than twelve fields: the rest stays unconverted
                continue;
            }
            // A character outside the Basic Multilingual Plane is kept or dropped whole.
            const bool pair =
                c.isHighSurrogate() && i + 1 < line.size() && line.at(i + 1).isLowSurrogate();
            if (field.size() + (pair ? 2 : 1) <= fieldLength)
                field += pair ? line.mid(i, 2) : QString(c);
            if (pair)
                ++i;
        }
        keep();
    }
}

} // namespace brevmark

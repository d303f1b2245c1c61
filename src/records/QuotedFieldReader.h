#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace brevmark {

// Reads the fields of quoted-field lines one at a time, in the way every record file is read:
// leading spaces are skipped; a field that starts with a double quote runs to the next double
// quote and anything after that quote up to the next comma or line end is skipped; any other field
// runs to the next comma or line end with trailing spaces removed. A comma or a line end (CR LF,
// CR or LF) ends a field. Fields pair up in reading order, not by line.
class QuotedFieldReader {
public:
    explicit QuotedFieldReader(QString text);

    // True when no data is left.
    bool atEnd() const { return pos_ >= text_.size(); }
    // The next field, or nothing when no data is left (a read failure) or a quoted field never
    // closes.
    std::optional<QString> next();
    // The same as a view into the text the reader was given, which must outlive the view; large
    // files are read without copying every field.
    std::optional<QStringView> nextView();

private:
    void skipTerminator();
    QString text_;
    qsizetype pos_ = 0;
};

} // namespace brevmark

#pragma once

#include "records/BarcodeRecord.h"
#include "records/ShownText.h"

#include <QList>
#include <QStringList>
#include <array>
#include <iterator>
#include <optional>

namespace brevmark {

// The record manager's tables and its text list. The loaded table holds the rows of the last
// read, the display table the rows the list shows, both in file order. The list shows a header
// line of captions first, then the display rows from the last to the first, every column padded
// to its widest cell in code page 950 bytes plus two, for a font in which a character outside
// ASCII is twice as wide as one inside.
//
// A field takes part in the list and the export when its tick is on and it is in use (its
// number is at most the field count).
class RecordList {
public:
    static constexpr int fieldCount = BarcodeRecord::entryFieldCount;
    using Flags = std::array<bool, fieldCount>;
    using Captions = std::array<QString, fieldCount>;

    // The width of a text in code page 950 bytes: one for an ASCII character, two otherwise.
    static int byteWidth(const QString& text) { return ShownText::byteWidth(text); }
    // The text a list line (or a value list) shows for a field: at most ShownText::listWidth
    // bytes of it (ShownText).
    static QString shownText(const QString& text) { return ShownText::cut(text); }
    // The line a filter that keeps nothing shows instead of the list.
    static QString noMatchLine() { return QStringLiteral(" 篩選後 查無 相同的資料"); }

    // A read: the loaded table and the rows the list shows.
    void setTables(QList<StoredRecord> loaded, QList<StoredRecord> display);
    void clear();
    const QList<StoredRecord>& loaded() const { return loaded_; }
    const QList<StoredRecord>& display() const { return display_; }

    void setTicks(const Flags& ticks) { ticks_ = ticks; }
    const Flags& ticks() const { return ticks_; }
    void setCaptions(const Captions& captions) { captions_ = captions; }
    // Fields 0 to lastField are in use.
    void setLastField(int lastField) { lastField_ = lastField; }
    bool isListed(int field) const { return ticks_[std::size_t(field)] && field <= lastField_; }

    // `排列歷史清單`: the lines and the two value lists from the display table.
    void build();
    const QStringList& lines() const { return lines_; }
    // The distinct categories and names of the display table (letter case ignored).
    const QStringList& categories() const { return categories_; }
    const QStringList& names() const { return names_; }

    // Keeps the loaded rows whose field k begins with entry text k for every field in use with a
    // non-empty text, and builds the list; with nothing kept the list is the no-match line.
    void filter(const RecordEntry& texts);
    // The filter's rule for one row of any field table: every non-empty text is the beginning of
    // the field of the same number (exact comparison), for the fields 0 to lastField.
    template <typename Fields, typename Texts>
    static bool passesFilter(const Fields& fields, const Texts& texts, int lastField) {
        for (int k = 0; k <= lastField && k < int(std::size(texts)); ++k) {
            const QString& t = texts[std::size_t(k)];
            if (!t.isEmpty() && !fields[k].startsWith(t))
                return false;
        }
        return true;
    }

    // The display row a list line shows; nothing for the header, the no-match line or no line.
    std::optional<int> displayRowOfLine(int line) const;
    std::optional<StoredRecord> recordOfLine(int line) const;
    bool canMoveUp(int line) const;
    bool canMoveDown(int line) const;
    // The line a move exchanges the line with: the one above (up) or below.
    int partnerLine(int line, bool up) const { return up ? line - 1 : line + 1; }
    // After the file has swapped the two rows' records: swaps the rows' fields (each keeps its
    // position), the loaded table's copies and the two lines' texts.
    void swapLines(int lineA, int lineB);

    // The first display row (in file order) whose barcode equals the text, as its line.
    std::optional<int> lineOfBarcode(const QString& barcode) const;

    // The spreadsheet text: a header line of captions, then the display rows in list order;
    // fields 0 to 5 are each followed by a TAB, field 6 by nothing; every line ends with CR LF.
    QString exportText() const;

private:
    QList<StoredRecord> loaded_;
    QList<StoredRecord> display_;
    Flags ticks_{true, true, true, true, true, true, true};
    Captions captions_;
    int lastField_ = 6;
    QStringList lines_;
    QStringList categories_;
    QStringList names_;
    bool noMatch_ = false;
};

} // namespace brevmark

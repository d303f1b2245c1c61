#pragma once

#include <QPointF>
#include <QString>

namespace brevmark {

class SettingsStore;
struct LabelTemplate;
struct SheetFormat;

// Where a sheet's guide lies on the page, as the settings store keeps it. The six formats: key
// `對齊格式位置_` followed by the format number, value "x y" in twips. A sheet of the template
// database: `對齊標籤紙` names the sheet last chosen and `對齊標籤紙位置` holds its "x y".
class GuideOffset {
public:
    // The largest offset the guide handle of the six formats reaches; a stored part up to this is
    // used.
    static constexpr double largest = 1000;

    static QString key(int format);
    static QString text(QPointF offset);
    // The default offset, overridden part by part by every stored value of exactly two parts
    // whose part is at most `largest` (rounded to whole twips, halves to even); later entries win.
    static QPointF read(const SettingsStore& store, const SheetFormat& format);

    // A database sheet's guide starts where its template puts the labels' top-left corner (on the
    // paper), rounded to whole twips.
    static QPointF sheetDefault(const LabelTemplate& sheet);
    // How far its handle may go: 1000 twips beyond its default (never less than 1000).
    static QPointF sheetLargest(const LabelTemplate& sheet);
    // The stored offset when the stored choice is this sheet, read as the six formats' offsets
    // are (with the sheet's own largest); else the default.
    static QPointF readSheet(const SettingsStore& store, const LabelTemplate& sheet);
    // The sheet's name as `對齊標籤紙` stores it: without the characters a settings line cannot
    // hold (double quotes, commas, line breaks).
    static QString storedName(const LabelTemplate& sheet);

private:
    static QPointF readValue(const SettingsStore& store, const QString& key, QPointF offset,
                             QPointF limit);
};

} // namespace brevmark

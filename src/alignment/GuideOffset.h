#pragma once

#include <QPointF>
#include <QString>

namespace brevmark {

class SettingsStore;
struct SheetFormat;

// Where a sheet format's guide lies on the page, as the settings store keeps it: key
// `對齊格式位置_` followed by the format number, value "x y" in twips.
class GuideOffset {
public:
    // The largest offset the guide handle reaches; a stored part up to this is used.
    static constexpr double largest = 1000;

    static QString key(int format);
    static QString text(QPointF offset);
    // The default offset, overridden part by part by every stored value of exactly two parts
    // whose part is at most `largest` (rounded to whole twips, halves to even); later entries win.
    static QPointF read(const SettingsStore& store, const SheetFormat& format);
};

} // namespace brevmark

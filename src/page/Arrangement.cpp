#include "page/Arrangement.h"

#include "common/LeadingNumber.h"
#include "common/Rounding.h"
#include "page/ItemTable.h"

namespace brevmark {

std::int16_t ArrangementSettings::twipsOf(const QString& text) {
    return toInt16(leadingNumber(text) * 15);
}

QString ArrangementSettings::settingText() const {
    return QStringList{horizontalGap, verticalGap, startLeft, startTop}.join(QLatin1Char(' '));
}

bool ArrangementSettings::restore(const QStringList& parts) {
    if (parts.size() != 4)
        return false;
    QString* boxes[4] = {&horizontalGap, &verticalGap, &startLeft, &startTop};
    for (int i = 0; i < 4; ++i)
        *boxes[i] = numberText(leadingNumber(parts[i]));
    return true;
}

bool ArrangementSettings::restore(const QString& settingText) {
    return restore(settingText.split(QLatin1Char(' ')));
}

namespace {

// A position plus a size, as a 16-bit running position.
std::int16_t advance(double position, double extent, double gap = 0) {
    return toInt16(roundHalfEven(position + extent) + gap);
}

void place(BarcodeItem& item, std::int16_t x, std::int16_t y) {
    item.left = x;
    item.top = y;
}

} // namespace

Arrangement::Outcome Arrangement::arrange(int mode, ItemTable& items,
                                          const ArrangementSettings& settings, double pageWidth,
                                          double pageHeight) {
    switch (mode) {
    case 0:
        return singleColumn(items, settings, pageHeight);
    case 1:
        return twoColumns(items, settings, pageHeight);
    case 2:
        return rows(items, settings, pageWidth, pageHeight);
    default:
        return Outcome::Done;
    }
}

Arrangement::Outcome Arrangement::singleColumn(ItemTable& items, const ArrangementSettings& s,
                                               double pageHeight) {
    const std::int16_t vgap = ArrangementSettings::twipsOf(s.verticalGap);
    const std::int16_t x = ArrangementSettings::twipsOf(s.startLeft);
    std::int16_t y = ArrangementSettings::twipsOf(s.startTop);
    for (int k : ItemTable::pageIndexes()) {
        if (!items.exists(k))
            continue;
        BarcodeItem& item = items.at(k);
        place(item, x, y);
        y = advance(y, item.height, vgap);
        if (y > pageHeight)
            return Outcome::Overflow;
    }
    return Outcome::Done;
}

Arrangement::Outcome Arrangement::twoColumns(ItemTable& items, const ArrangementSettings& s,
                                             double pageHeight) {
    const std::int16_t hgap = ArrangementSettings::twipsOf(s.horizontalGap);
    const std::int16_t vgap = ArrangementSettings::twipsOf(s.verticalGap);
    float maxWidth = 0;
    for (int k : ItemTable::pageIndexes())
        if (items.exists(k) && items.at(k).width > maxWidth)
            maxWidth = items.at(k).width;

    std::int16_t x = ArrangementSettings::twipsOf(s.startLeft);
    std::int16_t y = ArrangementSettings::twipsOf(s.startTop);
    std::uint8_t c = 0;
    float rowHeight = 0;
    for (int k : ItemTable::pageIndexes()) {
        if (!items.exists(k))
            continue;
        BarcodeItem& item = items.at(k);
        place(item, x, y);
        if (c % 2 == 0) {
            rowHeight = item.height;
            x = advance(x, maxWidth, hgap);
        } else {
            rowHeight = qMax(rowHeight, item.height);
            x = ArrangementSettings::twipsOf(s.startLeft);
            y = advance(y, rowHeight, vgap);
        }
        if (y > pageHeight)
            return Outcome::Overflow;
        ++c;
    }
    return Outcome::Done;
}

Arrangement::Outcome Arrangement::rows(ItemTable& items, const ArrangementSettings& s,
                                       double pageWidth, double pageHeight) {
    const std::int16_t hgap = ArrangementSettings::twipsOf(s.horizontalGap);
    const std::int16_t vgap = ArrangementSettings::twipsOf(s.verticalGap);
    std::int16_t x = ArrangementSettings::twipsOf(s.startLeft);
    std::int16_t y = ArrangementSettings::twipsOf(s.startTop);
    std::int16_t nextY = 0;
    for (int k : ItemTable::pageIndexes()) {
        if (!items.exists(k))
            continue;
        BarcodeItem& item = items.at(k);
        for (;;) {
            place(item, x, y);
            if (item.top + item.height > nextY)
                nextY = advance(item.top, item.height, vgap);
            x = advance(x, item.width, hgap);
            if (nextY > pageHeight)
                return Outcome::Overflow;
            if (!(item.left + item.width + 120 > pageWidth))
                break;
            // A new row for the same item. When the row would not move down (an item of no
            // height with no gap) the item stays where it is, instead of trying forever.
            const bool progress = nextY > y;
            x = ArrangementSettings::twipsOf(s.startLeft);
            y = nextY;
            nextY = 0;
            if (!progress)
                break;
        }
    }
    return Outcome::Done;
}

} // namespace brevmark

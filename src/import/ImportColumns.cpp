#include "import/ImportColumns.h"

#include "import/GridFont.h"
#include "manager/FieldCaptions.h"
#include "platform/FontMetricsTwips.h"

#include <algorithm>

namespace brevmark {

ImportColumns::ImportColumns()
    : ImportColumns([](const QString& text) { return measureTextWidth(text, gridFont()); }) {}

ImportColumns::ImportColumns(Measure measure) : measure_(std::move(measure)) {
    for (int c = 0; c < 7; ++c)
        captions_[std::size_t(c)] = field_captions::defaultCaption(c);
    resetWidths();
}

void ImportColumns::setCount(int count) {
    count_ = std::clamp(count, 1, CellTable::columns);
}

const QString& ImportColumns::caption(int c) const {
    static const QString none;
    return CellTable::contains(0, c) ? captions_[std::size_t(c)] : none;
}

void ImportColumns::setCaption(int c, const QString& caption) {
    if (CellTable::contains(0, c))
        captions_[std::size_t(c)] = caption;
}

double ImportColumns::left(int c) const {
    return CellTable::contains(0, c) ? lefts_[std::size_t(c)] : firstLeft;
}

double ImportColumns::width(int c) const {
    return CellTable::contains(0, c) ? widths_[std::size_t(c)] : 0;
}

double ImportColumns::captionWidth(int c) const {
    return measure_(caption(c));
}

double ImportColumns::captionLeft(int c) const {
    return left(c) + width(c) / 2 - captionWidth(c) / 2;
}

double ImportColumns::stripWidth() const {
    return right(count_ - 1) + gap;
}

void ImportColumns::resetWidths() {
    for (int c = 0; c < CellTable::columns; ++c)
        widths_[std::size_t(c)] = captionWidth(c) + captionMargin;
    lefts_[0] = firstLeft;
    placeFrom(1);
}

void ImportColumns::placeFrom(int c) {
    for (int k = std::max(c, 1); k < CellTable::columns; ++k)
        lefts_[std::size_t(k)] = right(k - 1) + gap;
}

bool ImportColumns::dragTo(int c, double x) {
    if (!CellTable::contains(0, c) || x <= captionWidth(c) + fitMargin || x == width(c))
        return false;
    widths_[std::size_t(c)] = x;
    placeFrom(c + 1);
    return true;
}

bool ImportColumns::onSizingBand(int c, double x) const {
    return x > width(c) - sizingBand;
}

bool ImportColumns::fitTo(int c, const QStringList& texts) {
    if (!CellTable::contains(0, c))
        return false;
    const double captionW = captionWidth(c);
    double widest = captionW;
    for (const QString& text : texts)
        widest = std::max(widest, measure_(text));
    if (widest <= captionW)
        return false;
    widths_[std::size_t(c)] = widest + fitMargin;
    placeFrom(c + 1);
    return true;
}

int ImportColumns::columnAt(double x) const {
    for (int c = 0; c < count_; ++c)
        if (left(c) < x && x < right(c))
            return c;
    return -1;
}

} // namespace brevmark

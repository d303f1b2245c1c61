#include "alignment/SheetFormat.h"

#include "common/Twips.h"

namespace brevmark {

namespace {

using Spans = QList<SheetFormat::Span>;

// Labels that touch share their outline: consecutive lines bound one label each.
Spans touching(const QList<int>& lines) {
    Spans spans;
    for (qsizetype i = 1; i < lines.size(); ++i)
        spans.append({lines[i - 1], lines[i]});
    return spans;
}

// Lines every `step` pixels from 0 to `last`.
Spans every(int step, int last) {
    QList<int> lines;
    for (int y = 0; y <= last; y += step)
        lines.append(y);
    return touching(lines);
}

QRectF area(double xFrom, double xTo, double yFrom, double yTo) {
    return {xFrom, yFrom, xTo - xFrom, yTo - yFrom};
}

} // namespace

QSizeF SheetFormat::pictureTwips() const {
    return {twips::fromPixels(picturePixels.width()), twips::fromPixels(picturePixels.height())};
}

bool SheetFormat::areaContains(QPointF p) const {
    return p.x() > windowArea.left() && p.x() < windowArea.right() && p.y() > windowArea.top() &&
           p.y() < windowArea.bottom();
}

const QList<SheetFormat>& SheetFormats::all() {
    static const QList<SheetFormat> formats{
        {24,
         {225, 630},
         area(390, 3000, 120, 3825),
         {744, 1025},
         {{0, 242}, {250, 492}, {501, 743}},
         every(128, 1024)},
        {30,
         {120, 510},
         area(3130, 5815, 120, 3825),
         {757, 1041},
         {{0, 245}, {255, 500}, {511, 756}},
         every(104, 1040)},
        {68,
         {300, 195},
         area(5880, 8490, 120, 3825),
         {733, 1089},
         touching({0, 183, 366, 549, 732}),
         every(64, 1088)},
        {70,
         {150, 585},
         area(390, 3000, 4080, 8025),
         {755, 1032},
         touching({0, 150, 302, 452, 604, 754}),
         touching({0, 74, 148, 222, 294, 368, 442, 515, 589, 663, 737, 809, 883, 957, 1031})},
        {95,
         {540, 750},
         area(3135, 5815, 4080, 8025),
         {697, 1008},
         touching({0, 140, 278, 418, 556, 696}),
         every(53, 1007)},
        {96,
         {330, 660},
         area(5880, 8490, 4080, 8025),
         {737, 1025},
         {{0, 116}, {124, 240}, {248, 364}, {372, 488}, {496, 612}, {620, 736}},
         every(64, 1024)},
    };
    return formats;
}

const SheetFormat* SheetFormats::find(int number) {
    for (const SheetFormat& f : all())
        if (f.number == number)
            return &f;
    return nullptr;
}

const SheetFormat* SheetFormats::atWindowPoint(QPointF twips) {
    for (const SheetFormat& f : all())
        if (f.areaContains(twips))
            return &f;
    return nullptr;
}

} // namespace brevmark

#pragma once

#include <QColor>
#include <QImage>

namespace brevmark {

struct LabelTemplate;
struct SheetFormat;

// The guide picture `對齊圖` of a sheet format: an opaque image of the whole sheet at page scale,
// a light grey field with the one-pixel light red outline of every label.
class GuidePicture {
public:
    static QColor field() { return QColor(242, 242, 242); }
    static QColor outline() { return QColor(246, 169, 169); }

    // Two colours only, so the image is kept as 8-bit indexes (under a megabyte for a sheet).
    static QImage draw(const SheetFormat& format);
    // A sheet of the template database: the area of its labels on the paper (from the top-left
    // corner of their bounding box) with each label's outline in its shape, a label edge on the
    // pixel nearest to it (15 twips a pixel).
    static QImage draw(const LabelTemplate& sheet);
};

} // namespace brevmark

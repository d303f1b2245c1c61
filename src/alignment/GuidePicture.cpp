#include "alignment/GuidePicture.h"

#include "alignment/SheetFormat.h"

namespace brevmark {

namespace {
constexpr uchar fieldIndex = 0;
constexpr uchar outlineIndex = 1;
} // namespace

QImage GuidePicture::draw(const SheetFormat& format) {
    QImage image(format.picturePixels, QImage::Format_Indexed8);
    image.setColorTable({field().rgb(), outline().rgb()});
    image.fill(fieldIndex);
    const auto put = [&image](int x, int y) {
        if (image.rect().contains(x, y))
            image.scanLine(y)[x] = outlineIndex;
    };
    // Each label has its outline from its column's first to last pixel and its row's.
    for (const SheetFormat::Span& column : format.columns)
        for (const SheetFormat::Span& row : format.rows) {
            for (int x = column.first; x <= column.second; ++x) {
                put(x, row.first);
                put(x, row.second);
            }
            for (int y = row.first; y <= row.second; ++y) {
                put(column.first, y);
                put(column.second, y);
            }
        }
    return image;
}

} // namespace brevmark

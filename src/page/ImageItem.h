#pragma once

#include <QString>

namespace brevmark {

// A picture inside a barcode item: a file of the pictures folder drawn stretched to its size, in
// twips from the item's top-left corner. An empty file name shows a placeholder.
struct ImageItem {
    QString file;
    float left = 0;
    float top = 0;
    float width = 375;
    float height = 375;
};

} // namespace brevmark

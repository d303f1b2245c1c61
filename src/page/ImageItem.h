#pragma once

#include "platform/Picture.h"

#include <QString>

namespace brevmark {

// A picture inside a barcode item: a file of the pictures folder drawn stretched to its size, in
// twips from the item's top-left corner. An empty file name shows a placeholder.
struct ImageItem {
    QString file;
    // What the image shows, kept from the moment the file was read: screen and print show this
    // even when the file is deleted or replaced afterwards. Null until the editor reads the file
    // (records carry the file name only).
    Picture picture;
    float left = 0;
    float top = 0;
    float width = 375;
    float height = 375;
};

} // namespace brevmark

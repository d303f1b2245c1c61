#pragma once

#include "import/TableFunctions.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace brevmark {

// The pictures of the bulk import window that are its own, drawn by the program at screen
// resolution in the colours of the grid; the frame, caption buttons and toolbar buttons come
// from FramePictures, the pop-up cards from cardPicture.
class ImportPictures {
public:
    // `拖動底圖`: the picture stretched over each column header.
    static QImage header(QSize pixels);
    // `數字底`: the background of a row label.
    static QImage rowLabel(QSize pixels);
    // `指標`: the range handle, a tab below the last row.
    static QImage handle(QSize pixels, bool hover);
    // `全選圖`: the corner before the headers that clears every cell.
    static QImage clearAll(QSize pixels, bool hover);
    // `貼上`: the paste pop-up.
    static QImage pastePopup(QSize pixels, bool hover);
    // `表格功能圖`: the table function bar with the items offered; the first position names the
    // mode (a row or a column).
    static QImage functionBar(QSize pixels, TableFunctions::Mode mode,
                              const TableFunctions::Offered& offered);
    // `表功能圖` i: an item lit, brought over the bar while the pointer is on it.
    static QImage functionItem(int item, QSize pixels);
    // The title of the window drawn on its top edge.
    static QImage title(QSize pixels, const QString& caption);
};

} // namespace brevmark

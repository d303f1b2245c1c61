#pragma once

#include <QString>

namespace brevmark {

// The barcode text box `條碼輸入`: after every change of the box's text, whatever caused it, the
// edited item takes the text in upper case. (A non-empty text shows the item's symbol handle and
// draws the item anew; an empty one hides the handle and clears the drawing: the item's view
// follows.)
QString itemTextOfEntry(const QString& entryText);

} // namespace brevmark

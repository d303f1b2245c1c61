#pragma once

#include <QString>

namespace brevmark {

// The rules of the barcode text box `條碼輸入` (at most 20 characters, a limit the box enforces
// itself).

// What the key rule does with one typed character code, before the box takes it.
enum class EntryKey {
    Pass,         // a barcode character (lower case included), Backspace, Tab or Escape
    PassAndClose, // Enter: passes, changes no text, and the edit panel closes
    Discard,      // anything else: the box receives nothing
};
EntryKey entryKeyRule(char16_t code);

// The change rule: after every change of the box's text, whatever caused it, the edited item
// takes the text in upper case. (A non-empty text shows the item's symbol handle and draws the
// item anew; an empty one hides the handle and clears the drawing: the item's view follows.)
QString itemTextOfEntry(const QString& entryText);

} // namespace brevmark

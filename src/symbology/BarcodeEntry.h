#pragma once

#include <QString>
#include <optional>

namespace brevmark {

class EditedBarcode;
class EntryPanel;

// The rules of the barcode text box `條碼輸入` (at most 20 characters, a limit the box enforces
// itself).

// Key rule, for every character code typed into the box before the box takes it: Enter,
// Backspace, Tab and Escape pass (Enter also hides the edit panel and changes no text); a
// barcode character passes as it is, lower case included; anything else is discarded (nullopt).
std::optional<char16_t> filterEntryKey(char16_t code, EntryPanel& panel);

// Change rule, after every change of the box's text, whatever caused it: the edited item takes
// the text in upper case; a non-empty text shows the symbol handle and redraws the item, an empty
// one hides the handle and clears the item's drawing.
void applyEntryChange(const QString& entryText, EditedBarcode& item);

} // namespace brevmark

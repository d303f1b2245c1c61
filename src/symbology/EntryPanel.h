#pragma once

namespace brevmark {

// The barcode edit panel `條碼輸入區` as the entry key rule sees it: Enter in the barcode text
// box closes the panel.
class EntryPanel {
public:
    virtual ~EntryPanel() = default;
    virtual void hideEntryPanel() = 0;
};

} // namespace brevmark

#include "symbology/BarcodeEntry.h"

#include "symbology/BarcodeText.h"
#include "symbology/EditedBarcode.h"
#include "symbology/EntryPanel.h"

namespace brevmark {

namespace {
constexpr char16_t enterKey = 13;
constexpr char16_t backspaceKey = 8;
constexpr char16_t tabKey = 9;
constexpr char16_t escapeKey = 27;
} // namespace

std::optional<char16_t> filterEntryKey(char16_t code, EntryPanel& panel) {
    switch (code) {
    case enterKey:
        panel.hideEntryPanel();
        return code;
    case backspaceKey:
    case tabKey:
    case escapeKey:
        return code;
    default:
        if (isBarcodeCharacter(QChar(code)))
            return code;
        return std::nullopt;
    }
}

void applyEntryChange(const QString& entryText, EditedBarcode& item) {
    const QString text = entryText.toUpper();
    item.setBarcodeText(text);
    if (!text.isEmpty()) {
        item.setSymbolHandleVisible(true);
        item.redrawBarcode();
    } else {
        item.setSymbolHandleVisible(false);
        item.clearBarcodeDrawing();
    }
}

} // namespace brevmark

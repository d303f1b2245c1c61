#include "symbology/BarcodeEntry.h"

#include "symbology/BarcodeText.h"

namespace brevmark {

namespace {
constexpr char16_t enterKey = 13;
constexpr char16_t backspaceKey = 8;
constexpr char16_t tabKey = 9;
constexpr char16_t escapeKey = 27;
} // namespace

EntryKey entryKeyRule(char16_t code) {
    switch (code) {
    case enterKey:
        return EntryKey::PassAndClose;
    case backspaceKey:
    case tabKey:
    case escapeKey:
        return EntryKey::Pass;
    default:
        return isBarcodeCharacter(QChar(code)) ? EntryKey::Pass : EntryKey::Discard;
    }
}

QString itemTextOfEntry(const QString& entryText) {
    return entryText.toUpper();
}

} // namespace brevmark

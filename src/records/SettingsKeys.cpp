#include "records/SettingsKeys.h"

namespace brevmark::settings_keys {

namespace {
struct KnownKey {
    const QString& text;
    bool isPrefix;
};

#define BREVMARK_SETTINGS_KEY_ROW(name, text, isPrefix) KnownKey{name, isPrefix},
const KnownKey knownKeys[] = {BREVMARK_SETTINGS_KEYS(BREVMARK_SETTINGS_KEY_ROW)};
#undef BREVMARK_SETTINGS_KEY_ROW
} // namespace

bool isKnown(const QString& key) {
    for (const KnownKey& known : knownKeys)
        if (known.isPrefix ? key.startsWith(known.text) : key == known.text)
            return true;
    return false;
}

} // namespace brevmark::settings_keys

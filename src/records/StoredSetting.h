#pragma once

#include "records/SettingsStore.h"

#include <QList>
#include <QString>
#include <optional>

namespace brevmark {

// One key of the settings store with the type its value has for the program: the key, the value
// in force while the key is missing or unreadable, how a stored text reads and how a value is
// written. Every reader of the key goes through here, so that each value is parsed in one place
// at the file's boundary and the program works with typed values only.
template <typename T> struct StoredSetting {
    QString key;
    T fallback;
    // The value of a stored text, or nothing when the text is not one (the entry is passed over).
    std::optional<T> (*parse)(const QString& text);
    // Null for a key stored in a form of its own elsewhere (the password, scrambled with a key
    // drawn at random).
    QString (*format)(const T& value);

    // Every readable entry of the key in table order (a key may be stored twice).
    QList<T> readAll(const SettingsStore& store) const {
        QList<T> values;
        store.forEach(key, [&](const QString& text) {
            if (std::optional<T> value = parse(text))
                values.append(std::move(*value));
        });
        return values;
    }
    // The last readable entry, as every reader applies the copies of a key in turn; the fallback
    // when there is none.
    T read(const SettingsStore& store) const {
        const QList<T> values = readAll(store);
        return values.isEmpty() ? fallback : values.last();
    }
    // Stores a value at once (in memory and in the file); false when the file could not take it.
    bool write(SettingsStore& store, const T& value) const {
        Q_ASSERT(format);
        return store.set(key, format(value));
    }
};

} // namespace brevmark

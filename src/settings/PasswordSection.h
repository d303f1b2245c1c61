#pragma once

#include "records/SettingsStore.h"

#include <QChar>
#include <QString>
#include <functional>

namespace brevmark {

class MessageBoxes;
class SystemServices;

// The password panel `密碼功能` of the settings window as rules: when the save button `儲存` is
// enabled, when the field `密碼` shows its text, which keys it refuses, and the save itself, which
// stores the encoded password under `使用密碼` and ends the program (the password takes effect at
// the next start).
class PasswordSection {
public:
    // `expectedPassword` is the password in force this run (empty: none); `endProgram` ends the
    // program at once without storing the window placement.
    PasswordSection(SettingsStore& store, MessageBoxes& messages, SystemServices& system,
                    QString expectedPassword, std::function<void()> endProgram);

    bool saveEnabled() const { return saveEnabled_; }
    // Whether the field hides its text behind "*".
    bool masked() const { return masked_; }

    // After every change of the field's text. With a password in force, typing it unlocks the
    // section once (with a notice); without one, any text does.
    void textChanged(const QString& text);
    // A typed character the field refuses: the double quote, Ctrl+V (22), the other characters
    // the field cleaning drops, and characters code page 950 cannot hold (such a password could
    // never be typed at the lock screen).
    static bool refuses(QChar typed);
    // Whether the field may hold the text: no character of it is refused. Every way into the
    // field (keys, an input method, anything dropped or pasted) passes this one check.
    static bool accepts(const QString& text);
    // The text the save stores: the field cleaning of the typed text.
    static QString clean(const QString& text);
    // The save: returns the cleaned text the field is to show. Nothing happens while the button
    // is disabled; a value the settings file did not take is not reported as saved, and a text
    // the lock screen could not take back is refused with a message naming its characters.
    QString save(const QString& text);

    static QString doneTitle() { return QStringLiteral("完成提示"); }
    static QString unstorableTitle() { return SettingsStore::unencodableTitle(); }
    static QString unlockedNotice();
    static QString storedNotice();
    static QString removedNotice();

private:
    SettingsStore& store_;
    MessageBoxes& messages_;
    SystemServices& system_;
    QString expected_;
    std::function<void()> endProgram_;
    bool saveEnabled_ = false;
    bool masked_;
};

} // namespace brevmark

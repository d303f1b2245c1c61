#pragma once

#include <QList>
#include <QString>

namespace brevmark {

// A message of the bulk import for the user: the commands say what went wrong or what they did,
// the import window shows it in a box (information or warning, one OK button).
struct ImportMessage {
    enum class Icon { Information, Warning };
    Icon icon = Icon::Information;
    QString title;
    QString text;
    bool operator==(const ImportMessage&) const = default;
};

// What a command that fills the grid from the clipboard did: whether the grid changed, and the
// messages to show, in order.
struct ImportResult {
    bool changed = false;
    QList<ImportMessage> messages;
};

} // namespace brevmark

#pragma once

#include "platform/MessageBoxes.h"

#include <QString>

namespace brevmark {

// What a model operation has to tell the user (a refusal, a failure and its cause, a notice): the
// window that called it shows it in a message box. Model code returns these; it never shows a box.
struct UserMessage {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::Warning;

    static UserMessage warning(QString title, QString text) {
        return {std::move(title), std::move(text), MessageIcon::Warning};
    }
    static UserMessage information(QString title, QString text) {
        return {std::move(title), std::move(text), MessageIcon::Information};
    }
    bool operator==(const UserMessage&) const = default;
};

// Shows a message with an OK button.
inline void tell(MessageBoxes& boxes, const UserMessage& message) {
    boxes.show(message.title, message.text, message.icon, MessageButtons::Ok);
}

} // namespace brevmark

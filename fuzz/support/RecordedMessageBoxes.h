#pragma once

#include "platform/MessageBoxes.h"

#include <QStringList>

namespace brevmark::fuzz {

// Message boxes that nobody sees: each is remembered by its title and answered Yes (any answer
// but No goes on).
class RecordedMessageBoxes : public MessageBoxes {
public:
    QStringList titles;

    MessageAnswer show(const QString& title, const QString&, MessageIcon,
                       MessageButtons buttons) override {
        titles << title;
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
    }
};

} // namespace brevmark::fuzz

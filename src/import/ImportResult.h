#pragma once

#include "platform/UserMessage.h"

#include <QList>

namespace brevmark {

// What a command that fills the grid from the clipboard did: whether the grid changed, and the
// messages to show, in order.
struct ImportResult {
    bool changed = false;
    QList<UserMessage> messages;
};

} // namespace brevmark

#pragma once

#include "platform/MessageBoxes.h"

#include <QList>
#include <QQueue>

namespace brevmark::test {

// Message boxes that answer from a script (Yes when the script runs out) and remember what
// they showed.
class ScriptedMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        QString title;
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };
    QList<Shown> shown;
    QQueue<MessageAnswer> answers;

    MessageAnswer show(const QString& title, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override {
        shown.append({title, text, icon, buttons});
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return answers.isEmpty() ? MessageAnswer::Yes : answers.dequeue();
    }
    QStringList titles() const {
        QStringList t;
        for (const Shown& s : shown)
            t << s.title;
        return t;
    }
};

} // namespace brevmark::test

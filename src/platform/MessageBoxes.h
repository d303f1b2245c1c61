#pragma once

#include <QString>

namespace brevmark {

enum class MessageIcon { Information, Warning, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes: the only way the program reports to the user.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const QString& title, const QString& text, MessageIcon icon,
                               MessageButtons buttons) = 0;

    void inform(const QString& title, const QString& text) {
        show(title, text, MessageIcon::Information, MessageButtons::Ok);
    }
    void warn(const QString& title, const QString& text) {
        show(title, text, MessageIcon::Warning, MessageButtons::Ok);
    }
    // Any answer but No goes on.
    bool confirm(const QString& title, const QString& text,
                 MessageIcon icon = MessageIcon::Question) {
        return show(title, text, icon, MessageButtons::YesNo) != MessageAnswer::No;
    }
};

} // namespace brevmark

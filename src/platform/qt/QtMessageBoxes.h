#pragma once

#include "platform/MessageBoxes.h"

class QWidget;

namespace brevmark {

class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    MessageAnswer show(const QString& title, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override;

private:
    QWidget* parent_;
};

} // namespace brevmark

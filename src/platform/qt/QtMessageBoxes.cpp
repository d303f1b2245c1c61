#include "platform/qt/QtMessageBoxes.h"

#include <QPushButton>
#include <QMessageBox>

namespace brevmark {

MessageAnswer QtMessageBoxes::show(const QString& title, const QString& text, MessageIcon icon,
                                   MessageButtons buttons) {
    QMessageBox box(parent_);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    if (buttons == MessageButtons::YesNo) {
        box.addButton(QStringLiteral("是"), QMessageBox::YesRole);
        QAbstractButton* no = box.addButton(QStringLiteral("否"), QMessageBox::NoRole);
        box.exec();
        return box.clickedButton() == no ? MessageAnswer::No : MessageAnswer::Yes;
    }
    box.addButton(QStringLiteral("確定"), QMessageBox::AcceptRole);
    box.exec();
    return MessageAnswer::Ok;
}

} // namespace brevmark

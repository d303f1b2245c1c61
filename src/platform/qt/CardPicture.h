#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace brevmark {

// The card behind a group of controls in the program's light windows (the record manager, the
// settings window, the bulk import window's pop-ups): a white rounded panel with a soft shadow
// and, optionally, a title at its top-left.
QImage cardPicture(QSize pixels, const QString& title = QString());

// Their close button: a round, faint button with a white cross that turns red under the pointer.
QImage closeButtonPicture(bool hover, QSize pixels);

} // namespace brevmark

#pragma once

#include <QByteArray>
#include <QString>

// Copying as another program copies: xclip owns an X selection and serves the bytes until
// someone else takes it.
namespace brevmark::test::x_selection {

// Empty when xclip is at hand, else what is missing.
QString missing();
// Puts the bytes on the selection ("clipboard", or "primary" for the text last selected with the
// mouse) as the target type ("UTF8_STRING", "image/png"); false when xclip failed.
bool copy(const QByteArray& bytes, const QString& selection = QStringLiteral("clipboard"),
          const QString& target = QStringLiteral("UTF8_STRING"));
// What a program pasting from the selection gets as that target, read by xclip.
QByteArray paste(const QString& selection = QStringLiteral("clipboard"),
                 const QString& target = QStringLiteral("UTF8_STRING"));

} // namespace brevmark::test::x_selection

#pragma once

#include <QString>
#include <QStringList>

namespace brevmark {

// Clipboard text as lines. Spreadsheets on Windows end each copied row with CR LF; LibreOffice
// Calc and Gnumeric on Linux end them with LF, and old Mac programs with a lone CR. A line ends
// at any of the three, so a copy from each of them gives the same lines.
namespace clipboard_lines {

QStringList split(const QString& text);
bool hasLineBreak(const QString& text);
// The line count rule: the index of the last line to use, the number of lines less one, and one
// less again when the last line holds only spaces (a copied block ends with a line break).
// -1 for text that is only spaces.
int lastLineIndex(const QStringList& lines);

} // namespace clipboard_lines

} // namespace brevmark

#pragma once

#include "platform/TextFont.h"

#include <QFont>
#include <QString>

namespace brevmark {

// The Qt font for a program font; point sizes map to the same twips on every device.
QFont toQFont(const TextFont& font);

// Text measurement in twips, as on a 96-dpi screen.
double measureTextWidth(const QString& text, const TextFont& font);
double measureTextHeight(const TextFont& font);

// Lets the fonts the program names (新細明體, 細明體) resolve to the installed Chinese fonts.
void installFontSubstitutions();

} // namespace brevmark

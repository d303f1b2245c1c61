#pragma once

#include "platform/TextFont.h"

namespace brevmark {

// The captions and the cells of the import grid are drawn in 新細明體 9.75 points.
inline TextFont gridFont() {
    TextFont font;
    font.family = QStringLiteral("新細明體");
    font.pointSize = 9.75;
    return font;
}

} // namespace brevmark

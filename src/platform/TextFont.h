#pragma once

#include <QString>

namespace brevmark {

// A font as the program names it: a family, a size in points and the three styles.
struct TextFont {
    QString family = QStringLiteral("新細明體");
    double pointSize = 9.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const TextFont&) const = default;
};

} // namespace brevmark

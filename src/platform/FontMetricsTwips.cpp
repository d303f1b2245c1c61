#include "platform/FontMetricsTwips.h"

#include "common/Twips.h"

#include <QFontMetricsF>
#include <QStringList>
#include <optional>

namespace brevmark {

QFont toQFont(const TextFont& font) {
    QFont f(font.family);
    f.setPointSizeF(font.pointSize > 0 ? font.pointSize : 9.0);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

namespace {
// Metrics are taken at a fixed 96-dpi scale so that measurements do not depend on the device.
QFont atScreenScale(const TextFont& font) {
    QFont f = toQFont(font);
    f.setPixelSize(qMax(1, int(qRound(f.pointSizeF() * 96.0 / 72.0))));
    return f;
}
} // namespace

namespace {
// Metrics of the last font measured: callers measure many texts in one font in a row.
// Kept for the whole process and never destroyed: font objects must not outlive the application
// object at exit.
struct MetricsCache {
    TextFont last;
    std::optional<QFontMetricsF> metrics;
};

const QFontMetricsF& metricsFor(const TextFont& font) {
    static MetricsCache* cache = new MetricsCache;
    if (!cache->metrics || !(cache->last == font)) {
        cache->metrics.emplace(atScreenScale(font));
        cache->last = font;
    }
    return *cache->metrics;
}
} // namespace

double measureTextWidth(const QString& text, const TextFont& font) {
    return twips::fromPixels(metricsFor(font).horizontalAdvance(text));
}

double measureTextHeight(const TextFont& font) {
    return twips::fromPixels(metricsFor(font).height());
}

void installFontSubstitutions() {
    const QStringList chinese{QStringLiteral("AR PL UMing TW"), QStringLiteral("AR PL UMing TW MBE"),
                              QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK TC")};
    QFont::insertSubstitutions(QStringLiteral("新細明體"), chinese);
    QFont::insertSubstitutions(QStringLiteral("細明體"), chinese);
    QFont::insertSubstitutions(QStringLiteral("PMingLiU"), chinese);
    QFont::insertSubstitutions(QStringLiteral("MingLiU"), chinese);
}

} // namespace brevmark

#include "import/ImportSettings.h"

#include "common/LeadingNumber.h"
#include "common/Rounding.h"
#include "records/SettingsKeys.h"
#include "records/SettingsStore.h"

#include <QStringList>
#include <algorithm>

namespace brevmark {

bool ImportSettings::isSmallScreen(QSizeF screenTwips) {
    const double pixels = screenTwips.height() / 15;
    return pixels == 450 || pixels == 600;
}

ImportSettings ImportSettings::read(const SettingsStore& store, QSizeF screenTwips) {
    namespace keys = settings_keys;
    ImportSettings s;
    s.smallScreen = isSmallScreen(screenTwips);
    s.maximised = s.smallScreen;
    for (const SettingsStore::Entry& e : store.entries()) {
        if (e.key == keys::importWindowSize && !s.smallScreen) {
            const QStringList parts = e.value.split(QLatin1Char(' '));
            if (parts.size() != 5)
                continue;
            if (roundHalfEvenToInt(leadingNumber(parts.at(0))) == 2) {
                s.maximised = true;
            } else {
                s.maximised = false;
                s.geometry = QRectF(leadingNumber(parts.at(1)), leadingNumber(parts.at(2)),
                                    std::max(leadingNumber(parts.at(3)), designWidth),
                                    std::max(leadingNumber(parts.at(4)), designHeight));
            }
        } else if (e.key == keys::fieldCount) {
            // The record manager keeps 1 to 6 here; other values change nothing.
            const std::int64_t last = roundHalfEvenToInt(leadingNumber(e.value));
            if (last >= 1 && last <= 6)
                s.columnCount = int(last) + 1;
        } else if (e.key == keys::fieldCaptions) {
            if (const auto captions = field_captions::parse(e.value))
                s.captions = *captions;
        }
    }
    return s;
}

QString ImportSettings::placementText(int state, const QRectF& g) {
    return QStringList{QString::number(state), singleText(float(g.left())),
                       singleText(float(g.top())), singleText(float(g.width())),
                       singleText(float(g.height()))}
        .join(QLatin1Char(' '));
}

} // namespace brevmark

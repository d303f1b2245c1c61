#include "manager/ManagerSettings.h"

#include "common/LeadingNumber.h"
#include "common/Rounding.h"
#include "records/SettingsKeys.h"
#include "records/SettingsStore.h"

#include <QStringList>

namespace brevmark {

std::array<double, 7> ManagerSettings::defaultColumnEdges() {
    return {240, 2760, 4800, 7800, 9960, 12120, 14280};
}

ManagerSettings ManagerSettings::read(SettingsStore& store) {
    namespace keys = settings_keys;
    ManagerSettings s;
    bool thicknessReset = false;
    for (const SettingsStore::Entry& e : store.entries()) {
        if (e.key == keys::fieldCaptions) {
            if (const auto captions = field_captions::parse(e.value))
                for (int k = 1; k < 7; ++k)
                    s.captions[std::size_t(k)] = (*captions)[std::size_t(k)];
        } else if (e.key == keys::columnPositions) {
            const QStringList parts = e.value.split(QLatin1Char(' '));
            if (parts.size() == 12)
                for (int k = 0; k < 7; ++k)
                    s.columnEdges[std::size_t(k)] = leadingNumber(parts.at(k));
        } else if (e.key == keys::fieldTicks) {
            if (e.value.size() == 12)
                for (int k = 0; k < 7; ++k)
                    s.ticks[std::size_t(k)] = e.value.at(k) == QLatin1Char('1');
        } else if (e.key == keys::fieldCount) {
            s.fieldCountStored = true;
            // Rounded and saturated: a number beyond any whole number is no count either.
            const std::int64_t count = roundHalfEvenToInt(leadingNumber(e.value));
            if (count >= 1 && count <= 6)
                s.fieldCount = int(count);
        } else if (e.key == keys::pictureText) {
            s.pictureText = e.value == QStringLiteral("1");
        } else if (e.key == keys::pictureThickness) {
            const std::int64_t t = roundHalfEvenToInt(leadingNumber(e.value));
            thicknessReset = thicknessReset || t < 1;
            s.thickness = t < 1 ? 3 : int(qMin<std::int64_t>(t, 5));
        } else if (e.key == keys::managerPreview) {
            s.preview = e.value == QStringLiteral("1");
        }
    }
    if (thicknessReset)
        store.set(keys::pictureThickness, QStringLiteral("3"));
    return s;
}

QString ManagerSettings::ticksValue(const std::array<bool, 7>& ticks) {
    QString value;
    for (bool on : ticks)
        value += on ? QLatin1Char('1') : QLatin1Char('0');
    return value + QStringLiteral("11111");
}

QString ManagerSettings::columnEdgesValue(const std::array<double, 7>& edges) {
    QStringList parts;
    for (double edge : edges)
        parts << numberText(edge);
    for (int i = 0; i < 5; ++i)
        parts << QStringLiteral("自訂");
    return parts.join(QLatin1Char(' '));
}

} // namespace brevmark

#include "shell/StartupSettings.h"

#include "common/LeadingNumber.h"
#include "common/PasswordCodec.h"
#include "common/Rounding.h"
#include "manager/FieldCaptions.h"
#include "print/StoredPrintSettings.h"
#include "records/SettingsKeys.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace brevmark::startup_settings {

namespace keys = settings_keys;

namespace {
QString numberOf(const int& value) {
    return QString::number(value);
}

// The whole part of a stored number, held to the range of an int: a damaged file may hold a
// number of any length.
int wholePart(double value) {
    return int(std::clamp(std::trunc(value), double(std::numeric_limits<int>::min()),
                          double(std::numeric_limits<int>::max())));
}
} // namespace

const StoredSetting<WindowPlacement>& windowPlacement() {
    static const StoredSetting<WindowPlacement> setting{
        keys::mainWindowSize, WindowPlacement{},
        [](const QString& text) -> std::optional<WindowPlacement> {
            const QStringList parts = text.split(QLatin1Char(' '));
            if (parts.size() != 6)
                return std::nullopt;
            const int layoutNumber = wholePart(leadingNumber(parts[0]));
            return WindowPlacement{layoutModeOf(layoutNumber),
                                   layoutNumber,
                                   wholePart(leadingNumber(parts[1])),
                                   leadingNumber(parts[2]),
                                   leadingNumber(parts[3]),
                                   leadingNumber(parts[4]),
                                   leadingNumber(parts[5])};
        },
        [](const WindowPlacement& p) {
            return QStringList{numberOf(storedNumberOf(p.layoutMode, p.otherLayoutNumber)),
                               numberOf(p.state),
                               singleText(float(p.left)),
                               singleText(float(p.top)),
                               singleText(float(p.width)),
                               singleText(float(p.height))}
                .join(QLatin1Char(' '));
        }};
    return setting;
}

const StoredSetting<QStringList>& fieldCaptions() {
    static const auto toList = [](const field_captions::Captions& captions) {
        return QStringList(captions.begin(), captions.end());
    };
    static const StoredSetting<QStringList> setting{
        keys::fieldCaptions, toList(field_captions::defaults()),
        [](const QString& text) -> std::optional<QStringList> {
            if (const std::optional<field_captions::Captions> captions =
                    field_captions::parse(text))
                return toList(*captions);
            return std::nullopt;
        },
        [](const QStringList& captions) {
            field_captions::Captions stored;
            for (std::size_t field = 0; field < stored.size(); ++field)
                stored[field] = captions.value(qsizetype(field));
            return field_captions::settingValue(stored);
        }};
    return setting;
}

const StoredSetting<int>& fieldCount() {
    static const StoredSetting<int> setting{
        keys::fieldCount, 1,
        [](const QString& text) -> std::optional<int> { return int(toInt16(leadingNumber(text))); },
        &numberOf};
    return setting;
}

const StoredSetting<QString>& password() {
    static const StoredSetting<QString> setting{
        keys::password, QString(),
        [](const QString& text) -> std::optional<QString> { return password_codec::decode(text); },
        // The settings window stores it, each time with a key drawn at random.
        nullptr};
    return setting;
}

const StoredSetting<int>& updateCheck() {
    static const StoredSetting<int> setting{keys::updateSetting, 0,
                                            [](const QString& text) -> std::optional<int> {
                                                // Only a whole number names one of the choices.
                                                const double number = leadingNumber(text);
                                                const int whole = wholePart(number);
                                                return double(whole) == number ? whole : -1;
                                            },
                                            &numberOf};
    return setting;
}

const StoredSetting<std::uint8_t>& printerKind() {
    static const StoredSetting<std::uint8_t> setting{
        keys::printerKind, std::uint8_t(0),
        [](const QString& text) -> std::optional<std::uint8_t> {
            PrintSettings settings;
            StoredPrintSettings::apply(settings, keys::printerKind, text);
            return settings.printerKind;
        },
        [](const std::uint8_t& kind) { return QString::number(int(kind)); }};
    return setting;
}

const StoredSetting<Fixed4>& printResolution() {
    static const StoredSetting<Fixed4> setting{
        keys::printResolution, PrintSettings().resolution,
        [](const QString& text) -> std::optional<Fixed4> {
            PrintSettings settings;
            settings.resolution = Fixed4::fromRaw(0);
            StoredPrintSettings::apply(settings, keys::printResolution, text);
            if (settings.resolution.raw() <= 0)
                return std::nullopt;
            return settings.resolution;
        },
        [](const Fixed4& resolution) { return resolution.toText(); }};
    return setting;
}

} // namespace brevmark::startup_settings

#include "shell/StartupValues.h"

#include "common/LeadingNumber.h"
#include "common/PasswordCodec.h"
#include "common/Rounding.h"
#include "print/StoredPrintSettings.h"
#include "records/SettingsKeys.h"
#include "records/SettingsStore.h"

namespace brevmark {

namespace keys = settings_keys;

int StartupValues::layoutModeNumber() const {
    return toInt16(leadingNumber(layoutMode));
}

namespace {

void applyWindowSize(StartupValues& v, const QString& value, double screenW, double screenH) {
    const QStringList parts = value.split(QLatin1Char(' '));
    if (parts.size() != 6)
        return;
    v.layoutMode = numberText(leadingNumber(parts[0]));
    if (leadingNumber(parts[1]) == 2) {
        v.maximised = true;
        return;
    }
    const double left = leadingNumber(parts[2]);
    const double top = leadingNumber(parts[3]);
    if (left < screenW)
        v.left = left;
    if (top < screenH)
        v.top = top;
    v.width = leadingNumber(parts[4]);
    v.height = leadingNumber(parts[5]);
}

void applyArrangement(StartupValues& v, const QString& value) {
    const QStringList parts = value.split(QLatin1Char(' '));
    if (parts.size() != 4)
        return;
    QStringList texts;
    for (const QString& p : parts)
        texts << numberText(leadingNumber(p));
    v.arrangement = texts;
}

void applyCaptions(StartupValues& v, QString value) {
    const QString box = QStringLiteral("□");
    value.replace(QLatin1Char(' '), box);
    value.replace(QStringLiteral("★"), QStringLiteral(" "));
    const QStringList parts = value.split(QLatin1Char(' '));
    if (parts.size() != 12)
        return;
    for (int field = 1; field <= 6; ++field)
        v.fieldCaptions[field - 1] = QString(parts[field]).replace(box, QStringLiteral(" "));
}

} // namespace

int storedLastShownField(const SettingsStore& store) {
    int last = StartupValues().lastShownField;
    for (const SettingsStore::Entry& e : store.entries())
        if (e.key == keys::fieldCount)
            last = qMax(last, int(toInt16(leadingNumber(e.value))));
    return last;
}

StartupValues applyStartupSettings(const SettingsStore& store, double screenW, double screenH) {
    StartupValues v;
    v.lastShownField = storedLastShownField(store);
    for (const SettingsStore::Entry& e : store.entries()) {
        const QString& value = e.value;
        if (e.key == keys::mainWindowSize) {
            applyWindowSize(v, value, screenW, screenH);
        } else if (e.key == keys::printArrangement) {
            applyArrangement(v, value);
        } else if (e.key == keys::fieldCaptions) {
            applyCaptions(v, value);
        } else if (e.key == keys::password) {
            v.expectedPassword = password_codec::decode(value);
        } else if (e.key == keys::updateSetting) {
            v.updateFlag = numberText(leadingNumber(value));
        } else if (StoredPrintSettings::apply(v.printing, e.key, value)) {
            if (e.key == keys::printerKind && v.printing.printerKind == 1)
                v.item0Width = 2700;
        }
    }
    return v;
}

QString windowPlacementText(const QString& layoutMode, int windowState, double left, double top,
                            double width, double height) {
    return QStringList{numberText(leadingNumber(layoutMode)),
                       QString::number(windowState),
                       singleText(float(left)),
                       singleText(float(top)),
                       singleText(float(width)),
                       singleText(float(height))}
        .join(QLatin1Char(' '));
}

} // namespace brevmark

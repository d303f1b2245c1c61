// Fuzz target: the settings file TOP.reg. The input is the file as it lies on disk.
//
// A file that loads gives every reader of a setting values it can use, and a setting stored into
// it reads back with every other entry as it was (a rewrite copies every other line byte for byte,
// but for a double quote that only a damaged line can hold). A file that does not load is repaired
// into one that loads at the next start without another repair, or deleted when nothing can be
// saved.
#include "support/FuzzCheck.h"
#include "support/FuzzInput.h"
#include "support/InputHash.h"
#include "support/FreshStart.h"
#include "support/StoredForm.h"

#include "alignment/GuideOffset.h"
#include "alignment/SheetFormat.h"
#include "batch/BatchSettings.h"
#include "import/ImportSettings.h"
#include "manager/ManagerSettings.h"
#include "platform/DataLocation.h"
#include "print/StoredPrintSettings.h"
#include "records/SettingsStore.h"
#include "shell/StartupValues.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace brevmark;

namespace {

const QString relativePath =
    DataLocation::recordsFolderName() + QLatin1Char('/') + SettingsStore::fileName();

// The input as TOP.reg in the records folder, and the settings store over it.
struct Session : fuzz::FreshStart {
    explicit Session(const QByteArray& bytes) : FreshStart(relativePath, bytes) {}
    DataLocation location{folder()};
    SettingsStore store{files, location.recordsFolder()};
    // What the shell would show for a write that failed.
    QStringList writeFailures;
    QMetaObject::Connection announced = QObject::connect(
        &store, &SettingsStore::writeFailed,
        [this](const QString&, const QString& text) { writeFailures << text; });
};

QString withoutQuotes(const QString& text) {
    return text.contains(QLatin1Char('"')) ? QString(text).remove(QLatin1Char('"')) : text;
}

// Whether the entries read after an append are those before it and the new one. A lead byte left
// alone at the very end of the last value reads as nothing; the append keeps that byte where it is
// (inside the field) and it then reads as U+FFFD.
bool sameAfterAppend(QList<SettingsStore::Entry> after, const QList<SettingsStore::Entry>& expected) {
    if (after.size() != expected.size())
        return false;
    if (after.size() >= 2) {
        SettingsStore::Entry& last = after[after.size() - 2];
        if (last.value.endsWith(QChar(0xFFFD)) && !expected.at(after.size() - 2).value.endsWith(QChar(0xFFFD)))
            last.value.chop(1);
    }
    return after == expected;
}

// Whether the entries read after a rewrite are those before it: each the same, but for an entry
// of a damaged line that held a double quote, which the rewrite leaves out of its bytes (the
// bytes on either side of it may then read as another character).
bool sameAfterRewrite(const QList<SettingsStore::Entry>& after,
                      const QList<SettingsStore::Entry>& before) {
    if (after.size() != before.size())
        return false;
    for (qsizetype i = 0; i < after.size(); ++i) {
        const SettingsStore::Entry& a = after.at(i);
        const SettingsStore::Entry& b = before.at(i);
        const bool quoted = b.key.contains(QLatin1Char('"')) || b.value.contains(QLatin1Char('"'));
        if (quoted ? a.key.contains(QLatin1Char('"')) || a.value.contains(QLatin1Char('"'))
                   : !(a == b))
            return false;
    }
    return true;
}

bool finite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// Every reader of the settings takes what it can use from whatever the file holds.
void readEverySetting(Session& s) {
    const PrintSettings printing = StoredPrintSettings::from(s.store);
    FUZZ_CHECK(printing.resolution.raw() > 0 &&
                   printing.resolution.toDouble() <= PrintSettings::largestResolution,
               QStringLiteral("the bars would print %1 twips apart").arg(printing.resolution.toText()));

    const ImportSettings import = ImportSettings::read(s.store, QSizeF(28800, 16200));
    FUZZ_CHECK(import.columnCount >= 1 && import.columnCount <= 7,
               QStringLiteral("the import window would show %1 columns").arg(import.columnCount));
    if (import.geometry)
        FUZZ_CHECK(std::isfinite(import.geometry->left()) && std::isfinite(import.geometry->top()) &&
                       std::isfinite(import.geometry->width()) &&
                       std::isfinite(import.geometry->height()),
                   "the import window would open at no place");

    const ManagerSettings manager = ManagerSettings::read(s.store);
    FUZZ_CHECK(manager.fieldCount >= 1 && manager.fieldCount <= 6,
               QStringLiteral("the record manager would use %1 fields").arg(manager.fieldCount));
    FUZZ_CHECK(manager.thickness >= 1 && manager.thickness <= 5,
               QStringLiteral("the picture thickness is %1").arg(manager.thickness));
    for (const double edge : manager.columnEdges)
        FUZZ_CHECK(std::isfinite(edge), "a record manager column stands at no place");

    for (const SheetFormat& format : SheetFormats::all())
        FUZZ_CHECK(finite(GuideOffset::read(s.store, format)), "a guide stands at no place");

    const StartupValues start = applyStartupSettings(s.store, 28800, 16200);
    for (const std::optional<double>& part : {start.left, start.top, start.width, start.height})
        FUZZ_CHECK(!part || std::isfinite(*part), "the main window would open at no place");
    FUZZ_CHECK(start.printing.resolution.raw() > 0, "start-up took a resolution of nothing");
    // Fields 0 and 1 are always shown; a number beyond 6 shows them all.
    FUZZ_CHECK(start.lastShownField >= 1,
               QStringLiteral("the record-load panel would show up to field %1")
                   .arg(start.lastShownField));

    const auto batch = BatchSettings::load(s.files, s.location);
    FUZZ_CHECK(std::holds_alternative<BatchSettings>(batch),
               "brevmark-batch refuses a settings file the program loads");
    FUZZ_CHECK(std::get<BatchSettings>(batch).recordCaptions.size() == 7,
               "brevmark-batch has no caption for every field");
}

// Stores a value as the program would (a text the file can hold) and loads the file again.
void checkSet(const QByteArray& input, const QList<SettingsStore::Entry>& loaded) {
    Session s(input);
    FUZZ_CHECK(s.store.load() == SettingsStore::LoadResult::Loaded, "a second load differs");
    const std::uint32_t h = fuzz::inputHash(input);
    QString key = QStringLiteral("印表裝置");
    QString value = QStringLiteral("1");
    if (!loaded.isEmpty()) {
        const SettingsStore::Entry& picked = loaded.at(int(h % std::uint32_t(loaded.size())));
        key = fuzz::storedForm(picked.key);
        value = fuzz::storedForm(loaded.at(int((h / 31u) % std::uint32_t(loaded.size()))).value);
    }
    // Keys and values as the program stores them: never a double quote, a comma or a line end.
    for (const QChar c : {QLatin1Char('"'), QLatin1Char(','), QLatin1Char('\r'), QLatin1Char('\n')}) {
        key.remove(c);
        value.remove(c);
    }
    if (key.isEmpty())
        key = QStringLiteral("更新設定");
    QList<SettingsStore::Entry> expected = s.store.entries();
    FUZZ_CHECK(s.store.set(key, value),
               "a setting could not be stored: " + s.writeFailures.join(QLatin1Char('\n')));
    bool matched = false;
    for (SettingsStore::Entry& e : expected)
        if (withoutQuotes(e.key) == key) {
            e.value = value;
            matched = true;
        }
    if (!matched && expected.size() < SettingsStore::maxEntries)
        expected.append({key, value});

    Session again(s.bytes());
    FUZZ_CHECK(again.store.load() == SettingsStore::LoadResult::Loaded,
               "storing a setting made the file need a repair");
    // A new key is appended and leaves every line before it as it was; a known key rewrites the
    // file, copying every other line's bytes.
    if (matched)
        FUZZ_CHECK(sameAfterRewrite(again.store.entries(), expected),
                   QStringLiteral("storing %1 changed other settings").arg(key));
    else if (loaded.size() < SettingsStore::maxEntries)
        FUZZ_CHECK(sameAfterAppend(again.store.entries(), expected),
                   QStringLiteral("adding %1 changed other settings").arg(key));
    FUZZ_CHECK(again.store.value(key) == value,
               QStringLiteral("%1 stored as [%2] reads back as [%3]")
                   .arg(key, value, again.store.value(key)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input = fuzz::inputBytes(data, size);
    Session s(input);
    QString error;
    const bool readsAsIs = s.store.loadAsIs(&error);
    const QList<SettingsStore::Entry> asIs = s.store.entries();
    FUZZ_CHECK(s.bytes() == input, "reading the settings as they stand changed the file");

    if (s.store.load() == SettingsStore::LoadResult::Loaded) {
        FUZZ_CHECK(readsAsIs && s.store.entries() == asIs, "two loads of one file disagree");
        FUZZ_CHECK(s.bytes() == input, "a clean load changed the file");
        readEverySetting(s);
        checkSet(input, asIs);
        return 0;
    }
    FUZZ_CHECK(!readsAsIs, "a file brevmark-batch reads was called damaged");
    FUZZ_CHECK(s.bytes() == input, "finding the file damaged changed it");
    switch (s.store.repair()) {
    case SettingsStore::RepairResult::RebuiltEndProgram: {
        Session again(s.bytes());
        FUZZ_CHECK(again.store.load() == SettingsStore::LoadResult::Loaded,
                   "the repaired settings file needs another repair at the next start");
        FUZZ_CHECK(!again.store.entries().isEmpty(), "the repair kept nothing but ended the program");
        break;
    }
    case SettingsStore::RepairResult::Deleted:
        FUZZ_CHECK(!s.fileExists(), "a settings file nothing could be saved from is still there");
        break;
    case SettingsStore::RepairResult::Vanished:
        FUZZ_CHECK(false, "the settings file vanished during the repair");
        break;
    case SettingsStore::RepairResult::NotWritten:
        FUZZ_CHECK(false, "the repaired settings could not be written: " +
                              s.writeFailures.join(QLatin1Char('\n')));
        break;
    }
    return 0;
}

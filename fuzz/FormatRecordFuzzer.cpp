// Fuzz target: the barcode format file 排版記錄.zip. The input is the file as it lies on disk.
//
// A file that reads lists every category and name it holds, previews each format with its own
// records, and after a delete or a save through the panels' models reads back as the same formats
// less the deleted one or with the saved one at the end, every other record as it was read. A
// file that does not read is never written over.
#include "support/FuzzCheck.h"
#include "support/FuzzInput.h"
#include "support/InputHash.h"
#include "support/FreshStart.h"
#include "support/StoredForm.h"

#include "page/FormatBrowser.h"
#include "page/FormatSaver.h"
#include "records/FormatCatalogue.h"
#include "records/FormatRecordFile.h"

#include <cstddef>
#include <cstdint>

using namespace brevmark;

namespace {

// The input as the format file, and the two panels' models over it.
struct Session : fuzz::FreshStart {
    explicit Session(const QByteArray& bytes) : FreshStart(FormatRecordFile::fileName(), bytes) {}
    FormatBrowser browser{files, folder()};
    FormatSaver saver{files, folder()};

    std::optional<QList<FormatRecord>> readBack() {
        FormatRecordFile file(files);
        return file.read(filePath());
    }
};

struct Chosen {
    QString category;
    QString name;
};

// Lists the categories and the names of each as the panel does; every listed format previews as
// its first records in file order.
QList<Chosen> browseAll(Session& s, const QList<FormatRecord>& records) {
    QList<Chosen> formats;
    FUZZ_CHECK(s.browser.listCategories(), "a readable format file could not be listed");
    for (const QString& category : s.browser.categories()) {
        FUZZ_CHECK(!category.isEmpty(), "an empty category was listed");
        // A category whose formats all lack a name (only a damaged file holds one) is listed
        // without names, as it always was: the save panel offers it to file a format under.
        FUZZ_CHECK(s.browser.chooseCategory(category), "a listed category could not be chosen");
        for (const QString& n : s.browser.allNames()) {
            const auto shown = s.browser.preview(n);
            FUZZ_CHECK(shown, "a listed format could not be previewed");
            const QList<FormatRecord> own = FormatCatalogue::format(
                records, category, n, FormatBrowser::previewLimit);
            FUZZ_CHECK(*shown == own, "a preview shows other records than the format's");
            FUZZ_CHECK(!shown->isEmpty(), "a listed format has no records");
            formats.append({category, n});
        }
    }
    return formats;
}

void checkDeleteAndSave(const QByteArray& input, const QList<FormatRecord>& records,
                        const QList<Chosen>& formats) {
    const Chosen chosen = formats.at(int(fuzz::inputHash(input) % std::uint32_t(formats.size())));
    {
        Session s(input);
        FUZZ_CHECK(s.browser.listCategories() && s.browser.chooseCategory(chosen.category) &&
                       s.browser.preview(chosen.name),
                   "a listed format could not be chosen again");
        FUZZ_CHECK(s.browser.deleteChosen(), "deleting a listed format failed");
        // Every other record keeps the bytes it was read with.
        FUZZ_CHECK(s.readBack() == FormatCatalogue::without(records, chosen.category, chosen.name),
                   "deleting a format changed the others");
    }
    // Saving the format again under its own names, as the save-format panel does when its names
    // are left as they were: it moves to the end, the others stay.
    const FormatSaver::Names names = FormatSaver::clean(chosen.category, chosen.name);
    if (names.category != chosen.category || names.name != chosen.name)
        return; // names the save panel would not keep as they are
    Session s(input);
    const QList<FormatRecord> format =
        FormatCatalogue::format(records, chosen.category, chosen.name, FormatBrowser::previewLimit);
    if (FormatSaver::refusal(names))
        return;
    const bool stored = !s.saver.store(names, format);
    if (!stored) {
        FUZZ_CHECK(s.bytes() == input, "a refused save changed the file");
        return;
    }
    QList<FormatRecord> expected = FormatCatalogue::without(records, chosen.category, chosen.name);
    expected.append(fuzz::storedRecords(format));
    FUZZ_CHECK(s.readBack() == expected,
               "saving a format changed the others");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input = fuzz::inputBytes(data, size);
    Session s(input);
    const std::optional<QList<FormatRecord>> records = s.readBack();
    if (!records) {
        // Neither the panel nor a save may write over a file that does not read.
        s.browser.listCategories();
        s.saver.store({QStringLiteral("A"), QStringLiteral("B")},
                      {FormatRecord::fromList({QStringLiteral("A"), QStringLiteral("B"),
                                               FormatRecord::barcodeKind()})});
        FUZZ_CHECK(s.bytes() == input, "a damaged format file was written over");
        return 0;
    }
    // Writing what was read and reading it again gives the same records.
    {
        FormatRecordFile file(s.files);
        FUZZ_CHECK(file.write(s.filePath(), *records),
                   "the records read could not be written");
        FUZZ_CHECK(s.readBack() == fuzz::storedRecords(*records),
                   "records written and read again differ");
    }
    Session fresh(input);
    const QList<Chosen> formats = browseAll(fresh, *records);
    FUZZ_CHECK(fresh.bytes() == input, "browsing the formats changed the file");
    if (!formats.isEmpty())
        checkDeleteAndSave(input, *records, formats);
    return 0;
}

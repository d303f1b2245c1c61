// Fuzz target: the layout files (*.wab) and the page kept between runs, which is written in the
// same form. The input is the file as it lies on disk.
//
// A layout that reads can be taken onto the page; the page's items saved as a layout and taken
// again give the same items at the same places, and nothing taken lies at a place the page cannot
// show. A layout that does not read is reported and left as it is; the kept page reads whatever
// a layout reads.
#include "support/FuzzCheck.h"
#include "support/FuzzInput.h"
#include "support/GuiStart.h"
#include "support/ScratchFolder.h"
#include "support/StoredForm.h"

#include "common/Cp950.h"
#include "page/FormatMemory.h"
#include "page/FormatTexts.h"
#include "page/KeptPage.h"
#include "page/LayoutLibrary.h"
#include "page/LayoutPlacement.h"
#include "page/PageModel.h"
#include "platform/LocalFileSystem.h"
#include "records/LayoutFile.h"

#include <QFileInfo>

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace brevmark;
using brevmark::fuzz::ScratchFolder;

namespace {

// A text of the page that code page 950 cannot hold: the save refuses the page.
bool holdsUnstorableText(const Layout& page) {
    for (const FormatRecord& record : LayoutFile::records(page))
        for (const QString& field : record.fields)
            if (!cp950::canEncode(field))
                return true;
    return false;
}

const QString layoutName = QStringLiteral("版面");
const QString savedName = QStringLiteral("再存");

// The layout's items on an empty page, and the page's items captured again as the layout
// panel's save captures them.
Layout takeAndCapture(const Layout& layout) {
    PageModel model;
    const QList<int> placed =
        LayoutPlacement::place(model, layout, [](const QString&) { return false; });
    FUZZ_CHECK(placed.size() <= layout.items.size(), "more items were placed than the layout has");
    Layout captured;
    for (int k : model.pageItems()) {
        const BarcodeItem& item = model.items().at(k);
        FUZZ_CHECK(std::isfinite(item.left) && std::isfinite(item.top) &&
                       std::isfinite(item.width) && std::isfinite(item.height),
                   QStringLiteral("an item was taken to %1, %2 (%3 x %4)")
                       .arg(item.left)
                       .arg(item.top)
                       .arg(item.width)
                       .arg(item.height));
        FormatMemory memory;
        const TagTable::ItemTags* found = model.tags().find(k);
        TagTable::ItemTags tags = found ? *found : TagTable::ItemTags{};
        memory.capture(model.items().at(k), &tags);
        captured.items.append({QPointF(item.left, item.top), memory.records()});
    }
    FUZZ_CHECK(captured.items.size() == placed.size(), "a placed item is missing from the page");
    return captured;
}

// Where two layouts first differ, or an empty text when they hold the same items.
QString firstDifference(const Layout& a, const Layout& b) {
    if (a.items.size() != b.items.size())
        return QStringLiteral("%1 items, then %2").arg(a.items.size()).arg(b.items.size());
    for (qsizetype i = 0; i < a.items.size(); ++i) {
        const LayoutItem& x = a.items.at(i);
        const LayoutItem& y = b.items.at(i);
        if (x.position != y.position)
            return QStringLiteral("item %1 at %2, %3, then at %4, %5")
                .arg(i + 1)
                .arg(x.position.value_or(QPointF()).x())
                .arg(x.position.value_or(QPointF()).y())
                .arg(y.position.value_or(QPointF()).x())
                .arg(y.position.value_or(QPointF()).y());
        if (x.records.size() != y.records.size())
            return QStringLiteral("item %1 has %2 records, then %3")
                .arg(i + 1)
                .arg(x.records.size())
                .arg(y.records.size());
        for (qsizetype r = 0; r < x.records.size(); ++r)
            if (x.records.at(r) != y.records.at(r))
                return QStringLiteral("item %1, record %2: %3\n  then %4")
                    .arg(i + 1)
                    .arg(r + 1)
                    .arg(x.records.at(r).toList().join(QLatin1Char('|')),
                         y.records.at(r).toList().join(QLatin1Char('|')));
    }
    return {};
}

} // namespace

// Text labels are measured in their fonts when they are taken onto the page.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::startGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input = fuzz::inputBytes(data, size);
    ScratchFolder& scratch = ScratchFolder::instance();
    scratch.empty();
    const QString fileName = layoutName + LayoutFile::extension();
    scratch.put(fileName, input);

    LocalFileSystem files;
    LayoutLibrary library(files, scratch.path());
    library.listLayouts();
    FUZZ_CHECK(library.names() == QStringList{layoutName}, "the layout is not listed");
    library.choose(0);
    const LayoutLibrary::Read read = library.readChosen();
    const std::optional<Layout>& layout = read.layout;
    const QStringList titles = read.message ? QStringList{read.message->title} : QStringList();
    FUZZ_CHECK(scratch.bytesOf(fileName) == input, "taking a layout changed its file");

    // The kept page is read without the layout limits.
    KeptPage kept(files, scratch.path(), QStringLiteral("/program"));
    scratch.put(QFileInfo(kept.path()).fileName(), input);
    const std::optional<Layout> keptPage = kept.load();
    if (!layout) {
        FUZZ_CHECK(!titles.isEmpty(), "a layout that does not read was not reported");
        return 0;
    }
    // Items the file places off the page are moved onto it, and the user is told which.
    const QStringList expectedTitles =
        layout->movedItems.isEmpty() ? QStringList() : QStringList{FormatTexts::layoutMovedTitle()};
    FUZZ_CHECK(titles == expectedTitles,
               "a layout that reads showed a message: " + titles.join(QLatin1Char(',')));
    FUZZ_CHECK(keptPage && firstDifference(*keptPage, *layout).isEmpty(),
               "the kept page reads otherwise than the same layout");

    // Taken, saved and taken again: the same items at the same places.
    const Layout page = takeAndCapture(*layout);
    const LayoutLibrary::SaveOutcome saved = library.save(savedName, page).outcome;
    if (page.items.size() < 2) {
        FUZZ_CHECK(saved == LayoutLibrary::SaveOutcome::TooFew, "a page of one item was saved");
        return 0;
    }
    if (page.recordCount() > LayoutFile::recordLimit) {
        FUZZ_CHECK(saved == LayoutLibrary::SaveOutcome::Failed,
                   "a layout over its limit was saved");
        return 0;
    }
    if (holdsUnstorableText(page)) {
        FUZZ_CHECK(saved == LayoutLibrary::SaveOutcome::Failed,
                   "a layout with text code page 950 cannot hold was saved");
        return 0;
    }
    FUZZ_CHECK(saved == LayoutLibrary::SaveOutcome::Saved,
               "a page taken from a layout could not be saved");
    library.listLayouts();
    library.choose(int(library.names().indexOf(savedName)));
    const std::optional<Layout> again = library.readChosen().layout;
    FUZZ_CHECK(again, "a saved layout does not read");
    // What a layout file could never hold (a double quote a damaged line gave a text) is lost.
    Layout stored = page;
    for (LayoutItem& item : stored.items)
        item.records = fuzz::storedRecords(item.records);
    const QString difference = firstDifference(stored, takeAndCapture(*again));
    FUZZ_CHECK(difference.isEmpty(),
               QStringLiteral("a saved layout taken again gives other items: ") + difference);
    return 0;
}

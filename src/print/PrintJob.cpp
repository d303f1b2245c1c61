#include "print/PrintJob.h"

#include "common/LeadingNumber.h"
#include "page/PageModel.h"
#include "platform/Printer.h"
#include "print/ItemPrinter.h"
#include "print/PrintSettings.h"
#include "print/SimplePrintPlan.h"

namespace brevmark {

QList<PrintJob::Placement> PrintJob::simpleCopies(const PageModel& model,
                                                  const PrintSettings& settings) {
    const BarcodeItem& item = model.items().at(ItemTable::simpleItem);
    const QPointF start(ArrangementSettings::twipsOf(model.arrangement.startLeft),
                        ArrangementSettings::twipsOf(model.arrangement.startTop));
    const QList<SimplePrintPlan::Copy> copies = SimplePrintPlan::plan(
        leadingNumber(model.printQuantity), start, item.width, item.height, settings.printerKind);
    QList<Placement> placements;
    placements.reserve(copies.size());
    for (const SimplePrintPlan::Copy& copy : copies) {
        // An item's place is held in single precision, as it would be had the item moved there.
        const QPointF place(float(copy.topLeft.x()), float(copy.topLeft.y()));
        placements.append({ItemTable::simpleItem, place, copy.newPageBefore});
    }
    return placements;
}

QList<PrintJob::Placement> PrintJob::pageItems(const PageModel& model,
                                               const PrintSettings& settings) {
    QList<Placement> placements;
    const int kind = settings.printerKind;
    if (kind != 0 && kind != 1)
        return placements;
    for (int index : ItemTable::pageIndexes()) {
        if (!model.items().exists(index))
            continue;
        const BarcodeItem& item = model.items().at(index);
        placements.append(
            {index, QPointF(item.left, item.top), kind == 1 && !placements.isEmpty()});
    }
    return placements;
}

PrintJob::PrintJob(ItemPrinter& items, const PrintSettings& settings)
    : items_(items), settings_(settings) {}

QList<int> PrintJob::print(const QList<Placement>& placements, Printer& printer) const {
    QList<int> failed;
    for (const Placement& placement : placements) {
        if (placement.newPageBefore)
            printer.newPage();
        if (!items_.print(placement.index, placement.placeOnPage, printer, settings_))
            failed.append(placement.index);
    }
    printer.endDocument();
    return failed;
}

} // namespace brevmark

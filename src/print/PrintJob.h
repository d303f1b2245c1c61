#pragma once

#include <QList>
#include <QPointF>

namespace brevmark {

class ItemPrinter;
class Printer;
struct PageModel;
struct PrintSettings;

// One print job: items of the page model drawn at given places on an open printer. It knows no
// window; closing panels, hiding item 0 and refocusing the barcode entry are the steps the print
// commands take around it.
class PrintJob {
public:
    // One item on paper: its index, the place on the label page it prints at, and whether a new
    // page starts before it.
    struct Placement {
        int index = 0;
        QPointF placeOnPage;
        bool newPageBefore = false;

        bool operator==(const Placement&) const = default;
    };

    // The simple layout's job (`確定列印`): item 0 in the print quantity, copies placed from the
    // arrangement's start point (SimplePrintPlan).
    static QList<Placement> simpleCopies(const PageModel& model, const PrintSettings& settings);
    // The professional layout's job (`確定列印_V`): every item of the page where it lies, each
    // on a page of its own on a label printer; nothing for any other printer kind.
    static QList<Placement> pageItems(const PageModel& model, const PrintSettings& settings);

    PrintJob(ItemPrinter& items, const PrintSettings& settings);

    // Draws the placements into the open document of `printer`, then ends the document. Returns
    // the indexes of the items that failed, in print order; the next item still printed.
    QList<int> print(const QList<Placement>& placements, Printer& printer) const;

private:
    ItemPrinter& items_;
    const PrintSettings& settings_;
};

} // namespace brevmark

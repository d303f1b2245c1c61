#pragma once

#include "print/PrintJob.h"

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace brevmark {

struct PageModel;
struct PrintSettings;

// The look over a job before it starts: what would come out wrong on paper, item by item, so
// that the user can be told once and choose whether to go on.
class PrintCheck {
public:
    enum class Fault {
        SymbolClipped,      // the bars reach beyond their item, which cuts them
        BeyondLabel,        // on a label printer: the item is larger than the label
        BeyondPage,         // on a page printer: the item reaches beyond the page
        BeyondPrintable,    // the item reaches into the margins the printer cannot ink
        ModuleBelowDot,     // a module is narrower than one printer dot
    };
    struct Finding {
        int index = 0;
        Fault fault = Fault::SymbolClipped;
        bool operator==(const Finding&) const = default;
    };
    // What the check needs of the printer: its page (empty when unknown: no page checks), its
    // printable area, and its dot (0 when unknown: no dot check).
    struct Paper {
        QSizeF page;
        QRectF printable;
        double dotTwips = 0;
    };

    // Each item of the job once per fault, in the job's order.
    static QList<Finding> check(const PageModel& model, const QList<PrintJob::Placement>& job,
                                const PrintSettings& settings, const Paper& paper);
    // One finding as a line: the item and what is wrong with it.
    static QString describe(const Finding& finding);
    // The one message naming them, ending with the question whether to print all the same.
    static QString message(const QList<Finding>& findings);
};

} // namespace brevmark

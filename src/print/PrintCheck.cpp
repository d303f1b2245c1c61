#include "print/PrintCheck.h"

#include "page/PageModel.h"
#include "print/ItemPrinter.h"
#include "print/PrintSettings.h"
#include "print/PrintTexts.h"
#include "symbology/PrintedSymbol.h"

namespace brevmark {

namespace {

// Tolerance for edges that meet exactly: a twentieth of a twip is far below any printer's dot.
constexpr double slack = 0.05;

bool inside(const QRectF& inner, const QRectF& outer) {
    return inner.left() >= outer.left() - slack && inner.top() >= outer.top() - slack &&
           inner.right() <= outer.right() + slack && inner.bottom() <= outer.bottom() + slack;
}

// The bars of the item's symbol as they print, relative to the item's corner at `origin`.
QRectF barsOnPaper(const BarcodeAppearance& look, QPointF origin, const PrintSettings& settings,
                   double dotTwips) {
    if (look.text.isEmpty())
        return {};
    const PrintedSymbol symbol(Code39Symbol::assemble(look.text, look.widthRatio), look.barWidth,
                               settings.resolution, dotTwips);
    if (symbol.symbol().isEmpty())
        return {};
    const Fixed4 left = PrintedSymbol::snapToGrid(origin.x() + look.symbolLeft, settings.resolution);
    const Fixed4 top = PrintedSymbol::snapToGrid(origin.y() + look.symbolTop, settings.resolution);
    const double height = Fixed4::fromText(look.barHeight).toDouble();
    return QRectF(symbol.printedLeft(left), top.toDouble(), symbol.printedWidth(), height);
}

} // namespace

QList<PrintCheck::Finding> PrintCheck::check(const PageModel& model,
                                             const QList<PrintJob::Placement>& job,
                                             const PrintSettings& settings, const Paper& paper) {
    QList<Finding> findings;
    auto note = [&findings](int index, Fault fault) {
        const Finding f{index, fault};
        if (!findings.contains(f))
            findings.append(f);
    };
    const QRectF page(QPointF(0, 0), paper.page);
    for (const PrintJob::Placement& placement : job) {
        const BarcodeItem& item = model.items().at(placement.index);
        const QPointF origin = ItemPrinter::printOrigin(placement.placeOnPage, settings.printerKind);
        const QRectF frame(origin, QSizeF(item.width, item.height));
        const QRectF bars = barsOnPaper(item.symbol, origin, settings, paper.dotTwips);
        if (!bars.isNull() && !inside(bars, frame))
            note(placement.index, Fault::SymbolClipped);
        if (!paper.page.isEmpty() && !inside(frame, page))
            note(placement.index,
                 settings.isLabelPrinter() ? Fault::BeyondLabel : Fault::BeyondPage);
        else if (paper.printable.isValid() && !inside(frame, paper.printable))
            note(placement.index, Fault::BeyondPrintable);
        const int barWidth = item.symbol.barWidth == 0 ? 2 : item.symbol.barWidth;
        if (!item.symbol.text.isEmpty() && paper.dotTwips > 0 &&
            (settings.resolution * barWidth).toDouble() < paper.dotTwips - slack)
            note(placement.index, Fault::ModuleBelowDot);
    }
    return findings;
}

QString PrintCheck::describe(const Finding& finding) {
    QString what;
    switch (finding.fault) {
    case Fault::SymbolClipped:
        what = print_texts::symbolClipped();
        break;
    case Fault::BeyondLabel:
        what = print_texts::beyondLabel();
        break;
    case Fault::BeyondPage:
        what = print_texts::beyondPage();
        break;
    case Fault::BeyondPrintable:
        what = print_texts::beyondPrintable();
        break;
    case Fault::ModuleBelowDot:
        what = print_texts::moduleBelowDot();
        break;
    }
    return print_texts::itemName(finding.index) + QStringLiteral("：") + what;
}

QString PrintCheck::message(const QList<Finding>& findings) {
    QStringList lines{print_texts::checkHeading()};
    for (const Finding& f : findings)
        lines << describe(f);
    lines << QString() << print_texts::checkQuestion();
    return lines.join(QLatin1Char('\n'));
}

} // namespace brevmark

#include "platform/qt/QtPrinter.h"

#include "common/Twips.h"
#include "platform/FontMetricsTwips.h"
#include "platform/PainterSurface.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace brevmark {

QtPrinter::QtPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    available_ = !info.isNull();
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (available_) {
        printer_->setPrinterName(info.printerName());
        printer_->setResolution(dotResolution(info.supportedResolutions()));
    }
    printer_->setFullPage(true);
    printer_->setDocName(QStringLiteral("Brevmark"));
}

int QtPrinter::dotResolution(const QList<int>& supported) {
    // Qt hands the printer a vector document, so the dot is the unit of that document: the thinnest
    // line is one dot wide and bars are lines one print resolution apart. The calibration scales
    // span 3 to 15 twips (96 to 480 dpi), so the dot is 300 dpi when the printer offers it, else
    // the nearest offered resolution above, else the highest one.
    constexpr int preferred = 300;
    if (supported.isEmpty())
        return preferred;
    int best = 0;
    for (int dpi : supported)
        if (dpi >= preferred && (best == 0 || dpi < best))
            best = dpi;
    if (best == 0)
        best = *std::max_element(supported.begin(), supported.end());
    return best;
}

QtPrinter::QtPrinter(const QString& pdfOutputPath, double dotsPerInch) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(pdfOutputPath);
    printer_->setResolution(int(dotsPerInch));
    printer_->setFullPage(true);
    printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setDocName(QStringLiteral("Brevmark"));
}

QtPrinter::~QtPrinter() {
    if (painter_ && painter_->isActive())
        painter_->end();
}

bool QtPrinter::isAvailable() const {
    return available_;
}

QString QtPrinter::name() const {
    return printer_->printerName();
}

double QtPrinter::dotsPerInch() const {
    return printer_->resolution();
}

PainterSurface& QtPrinter::surface() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        painter_->begin(printer_.get());
        surface_ = std::make_unique<PainterSurface>(painter_.get(), printer_->resolution());
    }
    return *surface_;
}

void QtPrinter::newPage() {
    if (painter_)
        printer_->newPage();
    else
        surface(); // a new page before any drawing opens the document with an empty first page
}

void QtPrinter::endDocument() {
    if (painter_)
        painter_->end();
    painter_.reset();
    surface_.reset();
}

void QtPrinter::abortDocument() {
    if (painter_) {
        printer_->abort();
        painter_->end();
    }
    painter_.reset();
    surface_.reset();
}

void QtPrinter::setClipRect(const QRectF& rect) {
    surface().setClipRect(rect);
}

void QtPrinter::resetClip() {
    if (surface_)
        surface_->resetClip();
}

void QtPrinter::drawLine(QPointF from, QPointF to, const QColor& color, double widthTwips) {
    // The thinnest line is one printer dot: an upright or level one is filled as a rectangle one
    // dot wide from its coordinate, so that it covers exactly the dot there instead of straddling
    // two dots (a stroke is centred on its coordinate).
    if (widthTwips <= 0 && (from.x() == to.x() || from.y() == to.y())) {
        const double dot = twips::fromDots(1, printer_->resolution());
        const QRectF rect = from.x() == to.x() ? QRectF(QPointF(from.x(), qMin(from.y(), to.y())),
                                                        QSizeF(dot, qAbs(to.y() - from.y())))
                                               : QRectF(QPointF(qMin(from.x(), to.x()), from.y()),
                                                        QSizeF(qAbs(to.x() - from.x()), dot));
        surface().fillRect(rect, color);
        return;
    }
    surface().drawLine(from, to, color, widthTwips);
}
void QtPrinter::fillRect(const QRectF& rect, const QColor& color) {
    surface().fillRect(rect, color);
}
void QtPrinter::drawRect(const QRectF& rect, const QColor& color, LineStyle style) {
    surface().drawRect(rect, color, style);
}
void QtPrinter::drawText(QPointF topLeft, const QString& text, const TextFont& font,
                         const QColor& color) {
    surface().drawText(topLeft, text, font, color);
}
double QtPrinter::textWidth(const QString& text, const TextFont& font) const {
    return measureTextWidth(text, font);
}
double QtPrinter::textHeight(const TextFont& font) const {
    return measureTextHeight(font);
}
bool QtPrinter::drawPicture(const Picture& picture, const QRectF& target) {
    return surface().drawPicture(picture, target);
}

} // namespace brevmark

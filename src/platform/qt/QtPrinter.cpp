#include "platform/qt/QtPrinter.h"

#include "common/Twips.h"
#include "platform/PrinterDot.h"

#include <QPrinter>
#include <QPrinterInfo>

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
    // Qt hands the printer a vector document, so the dot is the unit of that document.
    return PrinterDot::resolution(supported);
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
    endPainting();
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

QSizeF QtPrinter::pageTwips() const {
    return printer_->pageLayout().fullRect(QPageLayout::Point).size() * twips::perPoint;
}

void QtPrinter::turnPage(QPainter&) {
    printer_->newPage();
}

QPagedPaintDevice& QtPrinter::device() {
    return *printer_;
}

void QtPrinter::discardDocument() {
    printer_->abort();
}

} // namespace brevmark

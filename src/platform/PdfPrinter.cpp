#include "platform/PdfPrinter.h"

#include "common/Twips.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

namespace brevmark {

PdfPrinter::PdfPrinter(const QString& path, const QPageSize& pageSize, double dotsPerInch)
    : path_(path), dotsPerInch_(dotsPerInch), file_(std::make_unique<QSaveFile>(path)) {
    // The file is opened (as a temporary beside it) at once, so that an output that cannot be
    // written is known before any page is drawn.
    const bool opened = file_->open(QIODevice::WriteOnly);
    if (!opened) {
        error_ = file_->errorString();
        // Drawings on an output that cannot be written go nowhere.
        discarded_ = std::make_unique<QBuffer>();
        discarded_->open(QIODevice::WriteOnly);
    }
    writer_ = std::make_unique<QPdfWriter>(opened ? static_cast<QIODevice*>(file_.get())
                                                  : discarded_.get());
    writer_->setResolution(int(dotsPerInch));
    writer_->setTitle(QStringLiteral("Brevmark"));
    writer_->setCreator(QStringLiteral("Brevmark"));
    // Positions are from the paper's corner: no margins.
    writer_->setPageLayout(
        QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point));
}

PdfPrinter::~PdfPrinter() {
    // Unfinished: nothing replaces the file (the temporary goes with the save file).
    dropPainting();
}

void PdfPrinter::setPageSize(const QPageSize& pageSize) {
    writer_->setPageSize(pageSize);
}

QSizeF PdfPrinter::pageTwips() const {
    return writer_->pageLayout().pageSize().size(QPageSize::Point) * twips::perPoint;
}

bool PdfPrinter::isAvailable() const {
    return discarded_ == nullptr;
}

void PdfPrinter::turnPage(QPainter&) {
    writer_->newPage();
}

QPagedPaintDevice& PdfPrinter::device() {
    return *writer_;
}

void PdfPrinter::endDocument() {
    if (!documentOpen() || !isAvailable()) {
        dropPainting();
        return; // nothing drawn, or nowhere to write it: no file
    }
    if (!endPainting()) {
        error_ = QStringLiteral("the PDF could not be finished");
        file_->cancelWriting();
        return;
    }
    if (!file_->commit()) {
        error_ = file_->errorString();
        return;
    }
    written_ = true;
}

void PdfPrinter::discardDocument() {
    file_->cancelWriting();
}

} // namespace brevmark

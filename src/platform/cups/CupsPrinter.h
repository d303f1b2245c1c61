#pragma once

#include "platform/PdfPrinter.h"
#include "platform/cups/CupsQueue.h"

#include <QTemporaryDir>
#include <memory>

namespace brevmark {

// A CUPS queue as a printer, without Qt's print support: the document is drawn as a PDF on the
// queue's current media at the queue's own resolution (else the one PrinterDot chooses), so that
// one dot of the document is one dot of the printer, kept in a temporary folder, and sent to the
// queue as one job, with the queue's options and no scaling, when the document ends. A document
// with nothing drawn, or dropped, is not sent.
class CupsPrinter : public PdfPrinter {
public:
    // The printer of a queue found before.
    explicit CupsPrinter(CupsQueue queue);
    ~CupsPrinter() override;

    bool isAvailable() const override;
    QString name() const override { return queue_.name; }
    QRectF printableArea() const override { return queue_.printableArea & QRectF(QPointF(0, 0), pageTwips()); }
    void endDocument() override;

    const CupsQueue& queue() const { return queue_; }
    // The job the document became; 0 until it was sent.
    int jobId() const { return job_; }

private:
    CupsPrinter(CupsQueue queue, std::unique_ptr<QTemporaryDir> folder);

    CupsQueue queue_;
    std::unique_ptr<QTemporaryDir> folder_;
    int job_ = 0;
};

} // namespace brevmark

#include "platform/cups/CupsPrinter.h"

namespace brevmark {

CupsPrinter::CupsPrinter(CupsQueue queue)
    : CupsPrinter(std::move(queue), std::make_unique<QTemporaryDir>()) {}

CupsPrinter::CupsPrinter(CupsQueue queue, std::unique_ptr<QTemporaryDir> folder)
    : PdfPrinter(folder->filePath(QStringLiteral("job.pdf")), queue.media, queue.dotResolution()),
      queue_(std::move(queue)), folder_(std::move(folder)) {}

CupsPrinter::~CupsPrinter() {
    dropPainting();
}

bool CupsPrinter::isAvailable() const {
    return folder_->isValid() && PdfPrinter::isAvailable();
}

void CupsPrinter::endDocument() {
    PdfPrinter::endDocument();
    if (!written())
        return;
    QString error;
    job_ = queue_.submit(PdfPrinter::name(), QStringLiteral("Brevmark"), &error);
    if (job_ == 0)
        setErrorString(error);
}

} // namespace brevmark

#pragma once

#include "platform/PaintedPrinter.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QString>

#include <memory>

class QBuffer;
class QPdfWriter;
class QSaveFile;

namespace brevmark {

// A PDF file as a printer, with Qt Gui alone (QPdfWriter): pages of a chosen size, drawn at a
// chosen resolution (its dot), the whole file put in place in one step when the document ends.
// A document that is dropped, fails, or has nothing drawn leaves no file behind, and an existing
// file of that name stays as it was.
class PdfPrinter : public PaintedPrinter {
public:
    PdfPrinter(const QString& path, const QPageSize& pageSize, double dotsPerInch);
    ~PdfPrinter() override;

    // The size of the pages started from now on; the page under way keeps its size.
    void setPageSize(const QPageSize& pageSize);

    // False when the file cannot be written at all (the reason is in errorString()).
    bool isAvailable() const override;
    QString name() const override { return path_; }
    double dotsPerInch() const override { return dotsPerInch_; }
    QSizeF pageTwips() const override;
    void endDocument() override;

    // True once a document has been written to the file.
    bool written() const { return written_; }
    // Why the file could not be opened or written; empty otherwise.
    const QString& errorString() const { return error_; }

protected:
    QPagedPaintDevice& device() override;
    void turnPage(QPainter&) override;
    void discardDocument() override;
    void setErrorString(const QString& error) { error_ = error; }

private:
    QString path_;
    double dotsPerInch_;
    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QBuffer> discarded_; // where drawings go when the file cannot be opened
    std::unique_ptr<QPdfWriter> writer_;
    bool written_ = false;
    QString error_;
};

} // namespace brevmark

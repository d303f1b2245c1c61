#pragma once

#include "platform/PaintedPrinter.h"

#include <QList>
#include <QPagedPaintDevice>

#include <memory>

class QPrinter;

namespace brevmark {

// The system's default printer (CUPS on Linux) through Qt's print support, or a PDF file when
// constructed with an output path (used for previews and benchmarks).
class QtPrinter : public PaintedPrinter {
public:
    QtPrinter();
    explicit QtPrinter(const QString& pdfOutputPath, double dotsPerInch = 600);
    ~QtPrinter() override;

    // The resolution that makes one printer dot, among those the printer offers (PrinterDot).
    static int dotResolution(const QList<int>& supported);

    bool isAvailable() const override;
    QString name() const override;
    double dotsPerInch() const override;
    QSizeF pageTwips() const override;

protected:
    QPagedPaintDevice& device() override;
    void turnPage(QPainter&) override;
    void discardDocument() override;

private:
    bool available_ = true;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace brevmark

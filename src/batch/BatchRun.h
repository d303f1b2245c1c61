#pragma once

#include "alignment/LabelTemplate.h"
#include "batch/BatchFailure.h"
#include "batch/BatchOptions.h"
#include "batch/BatchSettings.h"
#include "batch/LabelMerge.h"
#include "batch/MergeTable.h"
#include "page/PageModel.h"
#include "platform/DataLocation.h"
#include "print/PrintJob.h"
#include "print/PrintPictures.h"

#include <QSet>

#include <functional>
#include <memory>
#include <optional>
#include <variant>

namespace brevmark {

class BatchConsole;
class FileSystem;
class ItemPrinter;
class PdfPrinter;
class Printer;
class PictureLoader;

// One run of brevmark-batch: the settings and the layout or format are read from the data folder
// (never written), the items are put on a page model as the page editor puts them, their places
// on paper are planned as the print commands plan them, and the labels are printed with the
// program's own item print. Every failure is told on the console and ends the run before a
// document is sent or a file is written.
class BatchRun {
public:
    // The paper a job asks for: a stock sheet's, or (empty) the queue's own media, A4 for a file.
    struct Paper {
        QSizeF points;
        QString name; // for messages: the sheet and its paper
    };
    // Where the document goes: the PDF file or the CUPS queue of the options.
    using OutputOpener = std::function<std::variant<std::unique_ptr<PdfPrinter>, BatchFailure>(
        const BatchOptions& options, const Paper& paper)>;
    // A PDF file is drawn at this resolution: its thinnest line is a 600-dpi dot, finer than every
    // print resolution of the calibration scales, so bars are exactly the resolution wide.
    static constexpr int pdfDotsPerInch = 600;

    BatchRun(const BatchOptions& options, DataLocation location, FileSystem& files,
             const PictureLoader& pictures, BatchConsole& console);
    ~BatchRun();
    BatchRun(const BatchRun&) = delete;
    BatchRun& operator=(const BatchRun&) = delete;

    // The real outputs: a PDF file (A4, or the paper asked for, at 600 dpi; label-sized pages for
    // a label printer), or the named or default CUPS queue, on the paper asked for when there is
    // one: a queue that offers no such paper is refused (NoPrinter).
    static std::variant<std::unique_ptr<PdfPrinter>, BatchFailure>
    openOutput(const BatchOptions& options, const Paper& paper);
    void setOutputOpener(OutputOpener opener) { openOutput_ = std::move(opener); }

    BatchExit run();

    // After run(): what was planned.
    const QList<PrintJob::Placement>& placements() const { return placements_; }
    int pageCount() const;
    const PrintSettings& printSettings() const { return printing_; }

private:
    std::optional<BatchFailure> prepare();
    std::optional<BatchFailure> checkDataFolder() const;
    std::optional<BatchFailure> loadSettings();
    std::optional<BatchFailure> placeLayout();
    std::optional<BatchFailure> placeFormat();
    std::optional<BatchFailure> loadRecords();
    bool keeps(const MergeTable::Row& row) const;
    std::optional<BatchFailure> findSheet();
    void planLayoutCopies();
    void planFormatCopies(std::int64_t labels);
    std::optional<BatchFailure> print();
    bool labelSizedPages() const;
    // Prints placement i; the failure (after ending the document) when it could not be printed.
    std::optional<BatchFailure> printPlacement(qsizetype i, const QString& which,
                                               PdfPrinter& printer, ItemPrinter& items, int& page,
                                               int pages);
    // Names, on the console, every label the check finds fault with for this printer's paper.
    void warnBeforePrinting(const Printer& printer, bool labelSizedPages);
    bool pictureUsable(const QString& file);

    const BatchOptions& options_;
    DataLocation location_;
    FileSystem& files_;
    BatchConsole& console_;
    PrintPictures pictures_;
    OutputOpener openOutput_;

    BatchSettings settings_;
    PrintSettings printing_;
    std::unique_ptr<PageModel> model_;
    std::optional<MergeTable> records_;
    // The --filter texts, each in its field's place; the records they keep, and a digest of
    // those records, so that printing meets the same records the check met.
    QList<QStringList> filters_;
    std::int64_t keptRecords_ = 0;
    std::size_t keptDigest_ = 0;
    std::optional<LabelTemplate> sheet_; // --sheet
    std::optional<LabelMerge> merge_;
    QList<PrintJob::Placement> placements_;
    QSet<QString> missingPictures_;
};

} // namespace brevmark

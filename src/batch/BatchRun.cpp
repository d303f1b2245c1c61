#include "batch/BatchRun.h"

#include "alignment/TemplateDatabase.h"
#include "batch/BatchConsole.h"
#include "batch/BatchSheets.h"
#include "batch/MergeSource.h"
#include "common/Twips.h"
#include "manager/RecordList.h"
#include "page/FormatBrowser.h"
#include "page/FormatMemory.h"
#include "page/LayoutPlacement.h"
#include "page/PaperTable.h"
#include "platform/FileSystem.h"
#include "platform/PdfPrinter.h"
#include "platform/cups/CupsPrinter.h"
#include "print/ArrangedPrintPlan.h"
#include "print/ItemPrinter.h"
#include "print/PrintCheck.h"
#include "print/PrintTexts.h"
#include "records/FormatCatalogue.h"
#include "records/FormatRecordFile.h"
#include "records/LayoutFile.h"
#include "records/LayoutFolder.h"

#include <QSet>

namespace brevmark {

namespace {

QString quoted(const QString& text) {
    return QStringLiteral("「") + text + QStringLiteral("」");
}

const QString notChanged = QStringLiteral("（檔案沒有變更，請用 Brevmark 開啟以修復）");

} // namespace

BatchRun::BatchRun(const BatchOptions& options, DataLocation location, FileSystem& files,
                   const PictureLoader& pictures, BatchConsole& console)
    : options_(options), location_(location), files_(files), console_(console),
      pictures_(pictures, location), openOutput_(&BatchRun::openOutput) {}

BatchRun::~BatchRun() = default;

int BatchRun::pageCount() const {
    if (placements_.isEmpty())
        return 0;
    int pages = 1;
    for (const PrintJob::Placement& p : placements_)
        pages += p.newPageBefore ? 1 : 0;
    return pages;
}

BatchExit BatchRun::run() {
    std::optional<BatchFailure> failure = prepare();
    if (!failure)
        failure = print();
    if (!failure)
        return BatchExit::Printed;
    console_.error(failure->message);
    return failure->exit;
}

std::optional<BatchFailure> BatchRun::prepare() {
    if (std::optional<BatchFailure> f = checkDataFolder())
        return f;
    if (std::optional<BatchFailure> f = loadSettings())
        return f;
    if (std::optional<BatchFailure> f = findSheet())
        return f;
    model_ = std::make_unique<PageModel>();
    model_->arrangement = settings_.arrangement;
    if (options_.command == BatchOptions::Command::Layout) {
        if (std::optional<BatchFailure> f = placeLayout())
            return f;
        planLayoutCopies();
        return std::nullopt;
    }
    if (std::optional<BatchFailure> f = placeFormat())
        return f;
    std::int64_t labels = options_.copies;
    if (!options_.recordsFile.isEmpty()) {
        if (std::optional<BatchFailure> f = loadRecords())
            return f;
        labels *= keptRecords_;
    }
    if (sheet_) {
        const BarcodeItem& item = model_->items().at(ItemTable::simpleItem);
        if (std::optional<BatchFailure> f =
                BatchSheets::checkFits(*sheet_, QSizeF(item.width, item.height),
                                       options_.category + QLatin1Char('/') + options_.formatName))
            return f;
        placements_ = BatchSheets::plan(*sheet_, labels, ItemTable::simpleItem);
        return std::nullopt;
    }
    planFormatCopies(labels);
    return std::nullopt;
}

std::optional<BatchFailure> BatchRun::findSheet() {
    if (options_.sheet.isEmpty())
        return std::nullopt;
    // A sheet's labels lie across the paper: a page printer's job, whatever TOP.reg says.
    printing_.printerKind = 0;
    const TemplateDatabase database = TemplateDatabase::load(TemplateDatabase::standardFolders());
    std::variant<const LabelTemplate*, BatchFailure> found =
        BatchSheets::find(database, options_.sheet);
    if (BatchFailure* f = std::get_if<BatchFailure>(&found)) {
        // What was left out may be why the sheet is missing.
        for (const TemplateDatabase::Problem& p : database.problems())
            console_.warning(QStringLiteral("略過 ") + p.file + QStringLiteral("：") + p.reason);
        return *f;
    }
    sheet_ = *std::get<const LabelTemplate*>(found);
    return std::nullopt;
}

std::optional<BatchFailure> BatchRun::checkDataFolder() const {
    if (!files_.folderExists(location_.programFolder()))
        return BatchFailure{BatchExit::NotFound,
                            QStringLiteral("找不到程式資料夾 ") + location_.programFolder()};
    if (!files_.folderExists(location_.recordsFolder()))
        return BatchFailure{BatchExit::NotFound,
                            QStringLiteral("程式資料夾 ") + location_.programFolder() +
                                QStringLiteral(" 裡沒有 ") + DataLocation::recordsFolderName() +
                                QStringLiteral(" 資料夾（可用 --data 指定程式資料夾）")};
    return std::nullopt;
}

std::optional<BatchFailure> BatchRun::loadSettings() {
    std::variant<BatchSettings, BatchFailure> loaded = BatchSettings::load(files_, location_);
    if (BatchFailure* f = std::get_if<BatchFailure>(&loaded))
        return *f;
    settings_ = std::get<BatchSettings>(std::move(loaded));
    printing_ = settings_.printing;
    if (options_.printerKind)
        printing_.printerKind = *options_.printerKind;
    if (options_.resolution)
        printing_.resolution = *options_.resolution;
    // The program prints nothing for another kind; a command must not end as if it had printed.
    if (printing_.printerKind != 0 && printing_.printerKind != 1)
        return BatchFailure{
            BatchExit::Damaged,
            QStringLiteral("設定檔的 印表裝置 為 %1，不是 0（一般印表機）或 1"
                           "（標籤印表機）；請加上 --page-printer 或 --label-printer")
                .arg(printing_.printerKind)};
    return std::nullopt;
}

bool BatchRun::pictureUsable(const QString& file) {
    if (!pictures_.picture(file).isNull())
        return true;
    // The editor leaves such an image empty too; a command says so, once per file.
    if (!missingPictures_.contains(file)) {
        missingPictures_.insert(file);
        console_.warning(QStringLiteral("圖片") + quoted(file) + QStringLiteral("不在 ") +
                         DataLocation::picturesFolderName() +
                         QStringLiteral(" 資料夾或無法讀取，這張圖片不會印出"));
    }
    return false;
}

std::optional<BatchFailure> BatchRun::placeLayout() {
    const QString& name = options_.layoutName;
    if (!LayoutFolder::isSafeName(name))
        return BatchFailure{BatchExit::Usage, QStringLiteral("排版名稱") + quoted(name) +
                                                  QStringLiteral("不可含 / 或 \\，也不可只有句點")};
    const LayoutFolder folder(files_, location_.recordsFolder());
    const QString path = folder.pathOf(name);
    if (!files_.fileExists(path))
        return BatchFailure{BatchExit::NotFound, QStringLiteral("找不到排版") + quoted(name) +
                                                     QStringLiteral("（") + path +
                                                     QStringLiteral("）")};
    LayoutFile file(files_);
    const std::optional<Layout> layout = file.read(path);
    if (!layout)
        return BatchFailure{BatchExit::Damaged, QStringLiteral("排版檔 ") + path +
                                                    QStringLiteral(" 無法使用：") +
                                                    file.errorString() + notChanged};
    if (layout->items.isEmpty())
        return BatchFailure{BatchExit::NothingToPrint,
                            QStringLiteral("排版") + quoted(name) + QStringLiteral("沒有條碼標籤")};
    if (layout->items.size() > ItemTable::pageCapacity)
        return BatchFailure{BatchExit::Damaged,
                            QStringLiteral("排版 %1 有 %2 個條碼標籤，頁面最多只能放 %3 個")
                                .arg(quoted(name))
                                .arg(layout->items.size())
                                .arg(ItemTable::pageCapacity)};
    for (int item : layout->movedItems)
        console_.warning(
            QStringLiteral("排版") + quoted(name) +
            QStringLiteral("的第 %1 個條碼標籤位置超出紙張範圍，已移到紙張內").arg(item));
    LayoutPlacement::place(*model_, *layout,
                           [this](const QString& file) { return pictureUsable(file); });
    return std::nullopt;
}

std::optional<BatchFailure> BatchRun::placeFormat() {
    const QString path = location_.recordsFile(FormatRecordFile::fileName());
    if (!files_.fileExists(path))
        return BatchFailure{BatchExit::NotFound, QStringLiteral("尚未記錄格式：找不到 ") + path};
    FormatRecordFile file(files_);
    const std::optional<QList<FormatRecord>> records = file.read(path);
    if (!records)
        return BatchFailure{BatchExit::Damaged, QStringLiteral("格式檔 ") + path +
                                                    QStringLiteral(" 無法使用：") +
                                                    file.errorString() + notChanged};
    int total = 0;
    const QList<FormatRecord> format = FormatCatalogue::format(
        *records, options_.category, options_.formatName, FormatBrowser::previewLimit, &total);
    if (format.isEmpty()) {
        const QStringList names = FormatCatalogue::names(*records, options_.category);
        QString hint;
        if (!names.isEmpty())
            hint = QStringLiteral("；種類") + quoted(options_.category) + QStringLiteral("有 ") +
                   names.join(QStringLiteral("、"));
        return BatchFailure{BatchExit::NotFound,
                            QStringLiteral("找不到條碼格式：種類") + quoted(options_.category) +
                                QStringLiteral("，名稱") + quoted(options_.formatName) + hint};
    }
    if (total > format.size())
        console_.warning(QStringLiteral("條碼格式有 %1 筆記錄，只使用前 %2 筆（與格式預覽相同）")
                             .arg(total)
                             .arg(format.size()));
    // Item 0, as the simple layout's print takes a format: a new item, then the format applied.
    FormatMemory memory;
    memory.setRecords(format);
    model_->insertItems({memory.filled(
        ItemTable::simpleItem, BarcodeItem::blank({0, 0}, printing_.isLabelPrinter()),
        [this](const QString& file) { return pictureUsable(file); })});
    return std::nullopt;
}

namespace {
std::size_t rowDigest(const MergeTable::Row& row, std::size_t seed) {
    return qHash(row.cells, qHash(row.source, seed));
}
} // namespace

bool BatchRun::keeps(const MergeTable::Row& row) const {
    const int last = int(records_->captions.size()) - 1;
    for (const QStringList& texts : filters_)
        if (!RecordList::passesFilter(row.cells, texts, last))
            return false;
    return true;
}

std::optional<BatchFailure> BatchRun::loadRecords() {
    std::variant<MergeTable, BatchFailure> read =
        MergeSource::read(files_, options_.recordsFile, settings_.recordCaptions);
    if (BatchFailure* f = std::get_if<BatchFailure>(&read))
        return *f;
    records_ = std::get<MergeTable>(std::move(read));
    const MergeTable& table = *records_;
    const int columns = int(table.captions.size());
    // Each filter as the manager's filter texts: the prefix in its field's place.
    for (const auto& [field, prefix] : options_.filters) {
        const std::optional<int> column = table.columnOf(field);
        if (!column)
            return BatchFailure{BatchExit::UnknownField,
                                QStringLiteral("--filter 的欄位") + quoted(field) +
                                    QStringLiteral("不在記錄中；記錄的欄位有 ") +
                                    table.captionList()};
        QStringList texts(columns);
        texts[*column] = prefix;
        filters_.append(texts);
    }
    // Every record is checked once before anything prints, one at a time; only their number and
    // a digest stay.
    const std::optional<int> capacity =
        LabelMerge::capacity(model_->items().at(ItemTable::simpleItem), printing_.resolution);
    std::int64_t total = 0;
    std::optional<BatchFailure> refused;
    QString error;
    const bool readable = table.visitRows(
        [&](const MergeTable::Row& row) {
            ++total;
            if (!keeps(row))
                return true;
            refused = LabelMerge::checkBarcode(table, row, capacity);
            if (refused)
                return false;
            ++keptRecords_;
            keptDigest_ = rowDigest(row, keptDigest_);
            return true;
        },
        &error);
    if (!readable)
        return MergeSource::damagedRecordFile(options_.recordsFile, error);
    if (total == 0)
        return BatchFailure{BatchExit::NothingToPrint, QStringLiteral("記錄檔 ") +
                                                           options_.recordsFile +
                                                           QStringLiteral(" 沒有記錄")};
    if (refused)
        return refused;
    if (keptRecords_ == 0)
        return BatchFailure{BatchExit::NothingToPrint, QStringLiteral("沒有符合篩選條件的記錄")};
    std::variant<LabelMerge, BatchFailure> merge =
        LabelMerge::prepare(*model_, ItemTable::simpleItem, table);
    if (BatchFailure* f = std::get_if<BatchFailure>(&merge))
        return *f;
    merge_ = std::get<LabelMerge>(std::move(merge));
    return std::nullopt;
}

void BatchRun::planLayoutCopies() {
    const QList<PrintJob::Placement> page = PrintJob::pageItems(*model_, printing_);
    placements_.reserve(page.size() * options_.copies);
    for (std::int64_t c = 0; c < options_.copies; ++c)
        for (qsizetype i = 0; i < page.size(); ++i) {
            PrintJob::Placement p = page.at(i);
            // Each copy of the page starts on a sheet of its own.
            if (c > 0 && i == 0)
                p.newPageBefore = true;
            placements_.append(p);
        }
}

void BatchRun::planFormatCopies(std::int64_t labels) {
    const BarcodeItem& item = model_->items().at(ItemTable::simpleItem);
    if (!options_.arrangement) {
        model_->printQuantity = QString::number(labels);
        placements_ = PrintJob::simpleCopies(*model_, printing_);
        return;
    }
    const QList<SimplePrintPlan::Copy> copies =
        ArrangedPrintPlan::plan(labels, settings_.arrangement, QSizeF(item.width, item.height),
                                PaperTable::size(PaperSize::A4, false), printing_.printerKind);
    placements_.reserve(copies.size());
    for (const SimplePrintPlan::Copy& copy : copies)
        placements_.append({ItemTable::simpleItem,
                            QPointF(float(copy.topLeft.x()), float(copy.topLeft.y())),
                            copy.newPageBefore});
}

std::variant<std::unique_ptr<PdfPrinter>, BatchFailure>
BatchRun::openOutput(const BatchOptions& options, const Paper& paper) {
    if (!options.output.isEmpty()) {
        const QPageSize size = paper.points.isEmpty()
                                   ? QPageSize(QPageSize::A4)
                                   : QPageSize(paper.points, QPageSize::Point, QString(),
                                               QPageSize::FuzzyOrientationMatch);
        auto pdf = std::make_unique<PdfPrinter>(options.output, size, pdfDotsPerInch);
        if (!pdf->isAvailable())
            return BatchFailure{BatchExit::OutputFailed, QStringLiteral("無法寫入 ") +
                                                             options.output + QStringLiteral("：") +
                                                             pdf->errorString()};
        return pdf;
    }
    QString error;
    std::optional<CupsQueue> queue = CupsQueue::find(options.printer, &error);
    if (!queue) {
        if (options.printer.isEmpty())
            return BatchFailure{BatchExit::NoPrinter,
                                QStringLiteral("系統沒有預設印表機（") + error +
                                    QStringLiteral("）；請用 --printer 指定印表機，或用 --output "
                                                   "寫成 PDF 檔")};
        return BatchFailure{BatchExit::NoPrinter,
                            QStringLiteral("找不到印表機") + quoted(options.printer) +
                                QStringLiteral("（") + error + QStringLiteral("）")};
    }
    // A sheet's labels lie where its paper has them: the job asks for that paper, not for the
    // one the queue happens to use.
    if (!paper.points.isEmpty() && !queue->requestPaper(paper.points)) {
        QStringList offered;
        for (const CupsQueue::OfferedMedia& m : std::as_const(queue->offeredMedia))
            offered << QString::fromUtf8(m.name);
        return BatchFailure{
            BatchExit::NoPrinter,
            QStringLiteral("印表機") + quoted(queue->name) + QStringLiteral("沒有 ") + paper.name +
                QStringLiteral("這種紙張（它有 ") + offered.join(QStringLiteral("、")) +
                QStringLiteral("）；請用 --printer 指定可用這種紙張的印表機，或用 "
                               "--output 寫成 PDF 檔")};
    }
    auto printer = std::make_unique<CupsPrinter>(*queue);
    if (!printer->isAvailable())
        return BatchFailure{BatchExit::PrintFailed,
                            QStringLiteral("無法準備列印工作：") + printer->errorString()};
    return printer;
}

bool BatchRun::labelSizedPages() const {
    // A PDF for a label printer has pages the size of their label, as the printer's labels are.
    return !options_.output.isEmpty() && printing_.isLabelPrinter();
}

std::optional<BatchFailure> BatchRun::printPlacement(qsizetype i, const QString& which,
                                                     PdfPrinter& printer, ItemPrinter& items,
                                                     int& page, int pages) {
    const PrintJob::Placement& placement = placements_.at(i);
    if (labelSizedPages() && (i == 0 || placement.newPageBefore)) {
        const BarcodeItem& item = model_->items().at(placement.index);
        printer.setPageSize(QPageSize(QSizeF(item.width / 20.0, item.height / 20.0),
                                      QPageSize::Point, QString(), QPageSize::ExactMatch));
    }
    if (placement.newPageBefore) {
        printer.newPage();
        console_.progress(++page, pages);
    }
    if (!items.print(placement.index, placement.placeOnPage, printer, printing_)) {
        console_.endProgress();
        printer.abortDocument();
        return BatchFailure{BatchExit::PrintFailed,
                            which +
                                QStringLiteral(" 無法完整列印（圖片無法繪出），沒有送出任何頁面")};
    }
    return std::nullopt;
}

void BatchRun::warnBeforePrinting(const Printer& printer, bool labelSizedPages) {
    // Told, not refused: the labels print all the same, as in the window when the user goes on.
    PrintCheck::Paper paper;
    if (!labelSizedPages) {
        paper.page = printer.pageTwips();
        paper.printable = printer.printableArea();
    }
    paper.dotTwips = twips::fromDots(1, printer.dotsPerInch());
    for (const PrintCheck::Finding& f : PrintCheck::check(*model_, placements_, printing_, paper))
        console_.warning(PrintCheck::describe(f));
}

std::optional<BatchFailure> BatchRun::print() {
    if (placements_.isEmpty())
        return BatchFailure{BatchExit::NothingToPrint, QStringLiteral("沒有可列印的標籤")};
    Paper paper;
    if (sheet_) {
        paper.points = sheet_->paper / twips::perPoint;
        const QString size =
            LabelTemplate::millimetres(sheet_->paper.width()) + QStringLiteral(" × ") +
            LabelTemplate::millimetres(sheet_->paper.height()) + QStringLiteral(" mm");
        const QString text = BatchSheets::paperText(*sheet_);
        paper.name = text + QStringLiteral("（") +
                     (text == size ? QString() : size + QStringLiteral("，")) +
                     QStringLiteral("標籤紙 ") + sheet_->name() + QStringLiteral("）");
    }
    std::variant<std::unique_ptr<PdfPrinter>, BatchFailure> opened = openOutput_(options_, paper);
    if (BatchFailure* f = std::get_if<BatchFailure>(&opened))
        return *f;
    PdfPrinter& printer = *std::get<std::unique_ptr<PdfPrinter>>(opened);

    ItemPrinter items(model_->items(), model_->tags(), pictures_);
    // The output opened on the sheet's paper; a label printer's PDF takes each label's size as
    // its page (printPlacement).
    warnBeforePrinting(printer, labelSizedPages());
    const int pages = pageCount();
    int page = 1;
    console_.progress(page, pages);
    if (!merge_) {
        for (qsizetype i = 0; i < placements_.size(); ++i)
            if (std::optional<BatchFailure> f = printPlacement(
                    i, QStringLiteral("第 %1 張標籤").arg(i + 1), printer, items, page, pages))
                return f;
    } else {
        // The records are read again, one at a time, each printed as often as asked in its
        // planned places; they must be those the check met.
        qsizetype i = 0;
        std::int64_t seen = 0;
        std::size_t digest = 0;
        std::optional<BatchFailure> failed;
        QString error;
        const bool readable = records_->visitRows(
            [&](const MergeTable::Row& row) {
                if (!keeps(row))
                    return true;
                ++seen;
                digest = rowDigest(row, digest);
                if (seen > keptRecords_)
                    return false;
                merge_->apply(*model_, row);
                for (std::int64_t c = 0; c < options_.copies && i < placements_.size(); ++c, ++i) {
                    failed = printPlacement(i,
                                            QStringLiteral("第 %1 張標籤（").arg(i + 1) +
                                                records_->whereIs(row) + QStringLiteral("）"),
                                            printer, items, page, pages);
                    if (failed)
                        return false;
                }
                return true;
            },
            &error);
        if (failed)
            return failed;
        if (!readable || seen != keptRecords_ || digest != keptDigest_) {
            console_.endProgress();
            printer.abortDocument();
            if (!readable)
                return MergeSource::damagedRecordFile(options_.recordsFile, error);
            return BatchFailure{
                BatchExit::Damaged,
                QStringLiteral("記錄檔 ") + options_.recordsFile +
                    QStringLiteral(" 在列印期間被變更（可能是 Brevmark 正在修改記錄），"
                                   "沒有送出任何頁面；請再執行一次")};
        }
    }
    console_.endProgress();
    printer.endDocument();
    if (printer.written() && printer.errorString().isEmpty())
        return std::nullopt;
    if (!options_.output.isEmpty())
        return BatchFailure{BatchExit::OutputFailed, QStringLiteral("無法寫入 ") + options_.output +
                                                         QStringLiteral("：") +
                                                         printer.errorString()};
    return BatchFailure{BatchExit::PrintFailed, QStringLiteral("印表機") + quoted(printer.name()) +
                                                    QStringLiteral("沒有接受列印工作：") +
                                                    printer.errorString()};
}

} // namespace brevmark

#include "page/PageDocument.h"

#include "page/AddItemsCommand.h"
#include "page/AddTagCommand.h"
#include "page/FreeIndexes.h"
#include "page/HistoryTexts.h"
#include "page/ItemLookCommand.h"
#include "page/ItemPlacementCommand.h"
#include "page/ItemTextCommand.h"
#include "page/LayoutPlacement.h"
#include "page/PaperCommand.h"
#include "page/RemoveItemsCommand.h"
#include "page/RemoveTagCommand.h"
#include "page/ReplaceItemCommand.h"
#include "page/TagChangeCommand.h"
#include "symbology/BarcodeEntry.h"

namespace brevmark {

PageDocument::PageDocument(QObject* parent) : QObject(parent) {
    history_.setUndoLimit(historyLimit);
}

std::uint64_t PageDocument::mergeKeyFor(std::uint64_t gesture) {
    if (gesture == 0)
        return 0;
    if (gesture != lastGesture_) {
        lastGesture_ = gesture;
        lastMergeKey_ = gesture;
    } else if (history_.index() != indexAfterLastPush_) {
        // The gesture goes on after an undo: its next steps merge among themselves only.
        lastMergeKey_ = newGesture();
    }
    return lastMergeKey_;
}

void PageDocument::push(QUndoCommand* command) {
    history_.push(command);
    indexAfterLastPush_ = history_.index();
}

bool PageDocument::pictureUsable(const QString& fileName) const {
    return pictures_ && !pictures_(fileName).isNull();
}

void PageDocument::givePictures(PlacedItem& placed) const {
    if (!pictures_)
        return;
    for (auto& [number, image] : placed.images)
        if (!image.file.isEmpty() && image.picture.isNull())
            image.picture = pictures_(image.file);
}

void PageDocument::restore(const Layout& page) {
    QList<PlacedItem> planned =
        LayoutPlacement::plan(model_.items(), page, LayoutPlacement::Options{},
                              [this](const QString& file) { return pictureUsable(file); });
    for (PlacedItem& placed : planned)
        givePictures(placed);
    model_.insertItems(planned);
}

// ---------------------------------------------------------------- barcode items

std::optional<int> PageDocument::addBlankItem(QPointF topLeft, bool labelPrinter) {
    const std::optional<int> index = model_.items().freeIndex();
    if (!index)
        return std::nullopt;
    const PlacedItem blank{*index, BarcodeItem::blank(topLeft, labelPrinter), {}, {}};
    push(new AddItemsCommand(model_, {blank}, HistoryTexts::addItems()));
    return index;
}

PageDocument::Copies PageDocument::addCopies(QPointF origin, int count,
                                             const QList<FormatRecord>& records,
                                             bool labelPrinter) {
    FormatMemory memory;
    memory.setRecords(records);
    FreeIndexes free(model_.items());
    QList<PlacedItem> copies;
    const auto makeCopy = [&](QPointF at) -> std::optional<QSizeF> {
        const std::optional<int> index = free.next();
        if (!index)
            return std::nullopt;
        copies.append(filledCopy(memory, *index, at, labelPrinter));
        return QSizeF(copies.last().item.width, copies.last().item.height);
    };
    Copies result;
    result.placement = CopyPlacement::run(
        origin, [count] { return count; }, makeCopy, model_.page().width, model_.page().height);
    pushCopies(copies, result);
    return result;
}

PageDocument::Copies PageDocument::addCopiesInto(const QList<QRectF>& boxes,
                                                 const QList<FormatRecord>& records,
                                                 bool labelPrinter) {
    FormatMemory memory;
    memory.setRecords(records);
    FreeIndexes free(model_.items());
    QList<PlacedItem> copies;
    Copies result;
    for (const QRectF& box : boxes) {
        const std::optional<int> index = free.next();
        if (!index) {
            result.placement.stop = CopyPlacement::Stop::NoFreeIndex;
            break;
        }
        PlacedItem copy = filledCopy(memory, *index, box.topLeft(), labelPrinter);
        copy.item.width = float(box.width());
        copy.item.height = float(box.height());
        copies.append(copy);
    }
    result.placement.made = int(copies.size());
    pushCopies(copies, result);
    return result;
}

PlacedItem PageDocument::filledCopy(const FormatMemory& memory, int index, QPointF topLeft,
                                    bool labelPrinter) const {
    PlacedItem copy = memory.filled(index, BarcodeItem::blank(topLeft, labelPrinter),
                                    [this](const QString& file) { return pictureUsable(file); });
    givePictures(copy);
    return copy;
}

void PageDocument::pushCopies(const QList<PlacedItem>& copies, Copies& result) {
    if (copies.isEmpty())
        return;
    result.last = copies.last().index;
    push(new AddItemsCommand(model_, copies, HistoryTexts::addItems()));
}

PageDocument::LayoutTaken PageDocument::takeLayout(const Layout& layout, QPointF origin) {
    LayoutPlacement::Options options;
    options.namedByGroup = true;
    options.exactFontSizes = false;
    options.origin = origin;
    QList<PlacedItem> planned =
        LayoutPlacement::plan(model_.items(), layout, options,
                              [this](const QString& file) { return pictureUsable(file); });
    for (PlacedItem& placed : planned)
        givePictures(placed);
    LayoutTaken taken;
    taken.pageFull = planned.size() < layout.items.size();
    for (const PlacedItem& placed : std::as_const(planned))
        taken.indexes.append(placed.index);
    if (!planned.isEmpty())
        push(new AddItemsCommand(model_, planned, HistoryTexts::takeLayout()));
    return taken;
}

void PageDocument::applyFormat(int index, const QList<FormatRecord>& records) {
    if (!model_.items().exists(index) || records.isEmpty())
        return;
    FormatMemory memory;
    memory.setRecords(records);
    PlacedItem after = memory.filled(index, model_.items().at(index),
                                     [this](const QString& file) { return pictureUsable(file); });
    givePictures(after);
    push(new ReplaceItemCommand(model_, after, HistoryTexts::applyFormat()));
}

void PageDocument::deleteItem(int index) {
    if (!ItemTable::isPageIndex(index) || !model_.items().exists(index))
        return;
    push(new RemoveItemsCommand(model_, {index}, HistoryTexts::deleteItem()));
}

int PageDocument::clearPage() {
    const QList<int> indexes = model_.pageItems();
    if (!indexes.isEmpty())
        push(new RemoveItemsCommand(model_, indexes, HistoryTexts::clearPage()));
    return int(indexes.size());
}

void PageDocument::placeItem(int index, const QRectF& rect, bool resized, std::uint64_t gesture) {
    if (!model_.items().exists(index))
        return;
    const QRectF before = model_.items().at(index).rect();
    if (before == rect)
        return;
    push(new ItemPlacementCommand(model_, {{index, before, rect}},
                                  resized ? HistoryTexts::resizeItem() : HistoryTexts::moveItem(),
                                  mergeKeyFor(gesture)));
}

Arrangement::Outcome PageDocument::arrange(int mode) {
    ItemTable arranged = model_.items();
    const Arrangement::Outcome outcome = Arrangement::arrange(
        mode, arranged, model_.arrangement, model_.page().width, model_.page().height);
    QList<ItemPlacementCommand::Change> changes;
    for (int k : model_.pageItems()) {
        const QRectF before = model_.items().at(k).rect();
        const QRectF after = arranged.at(k).rect();
        if (before != after)
            changes.append({k, before, after});
    }
    if (!changes.isEmpty())
        push(new ItemPlacementCommand(model_, changes, HistoryTexts::arrange()));
    return outcome;
}

void PageDocument::setItemText(int index, const QString& text, TextSource source) {
    changeText(index, text,
               source == TextSource::SerialStep ? HistoryTexts::serialStep()
                                                : HistoryTexts::pickRecord(),
               0);
}

void PageDocument::typeText(const QString& typed) {
    changeText(model_.editedItem, itemTextOfEntry(typed), HistoryTexts::typeBarcode(), typingRun_);
}

void PageDocument::changeText(int index, const QString& text, const QString& stepName,
                              std::uint64_t gesture) {
    if (!model_.items().exists(index))
        return;
    const QString before = model_.items().at(index).symbol.text;
    if (before != text)
        push(new ItemTextCommand(model_, {{index, before, text}}, stepName, mergeKeyFor(gesture)));
}

void PageDocument::setItemLook(int index, const ItemLook& look, std::uint64_t gesture) {
    if (!model_.items().exists(index))
        return;
    const ItemLook before = ItemLook::of(model_.items().at(index));
    if (!before.symbolDiffers(look) && !before.frameDiffers(look))
        return;
    push(new ItemLookCommand(model_, {{index, before, look}},
                             gesture ? HistoryTexts::moveSymbol() : HistoryTexts::changeLook(),
                             mergeKeyFor(gesture)));
}

// ---------------------------------------------------------------- text labels and images

std::optional<int> PageDocument::addLabel(int item, QPointF at) {
    return addTag(TagKind::Label, item, TextLabelItem::added(float(at.x()), float(at.y())),
                  HistoryTexts::addLabel());
}

std::optional<int> PageDocument::addImage(int item, QPointF at) {
    ImageItem image;
    image.left = float(at.x());
    image.top = float(at.y());
    return addTag(TagKind::Image, item, image, HistoryTexts::addImage());
}

std::optional<int> PageDocument::addTag(TagKind kind, int item, const TagValue& value,
                                        const QString& stepName) {
    if (!model_.items().exists(item))
        return std::nullopt;
    const std::optional<int> number = model_.tags().firstFree(kind, item);
    if (number)
        push(new AddTagCommand(model_, {kind, item, *number}, value, stepName));
    return number;
}

void PageDocument::removeTag(const TagAddress& tag) {
    if (!model_.tag(tag))
        return;
    push(new RemoveTagCommand(model_, tag, HistoryTexts::deleteTag(tag.kind == TagKind::Image)));
}

void PageDocument::changeTag(const TagAddress& tag, const TagValue& after, const QString& stepName,
                             std::uint64_t gesture) {
    const std::optional<TagValue> before = model_.tag(tag);
    if (!before)
        return;
    push(new TagChangeCommand(model_, {{tag, *before, after}}, stepName, mergeKeyFor(gesture)));
}

int PageDocument::replaceCaptions(const QString& from, const QString& to) {
    QList<TagChangeCommand::Change> changes;
    for (int i : model_.pageItems()) {
        for (int j = 0; j <= TagTable::maxPerItem; ++j) {
            const TextLabelItem* label = model_.tags().label(i, j);
            if (!label || label->caption != from)
                continue;
            TextLabelItem replaced = *label;
            replaced.caption = to;
            replaced.fitToCaption();
            changes.append({{TagKind::Label, i, j}, *label, replaced});
        }
    }
    if (!changes.isEmpty() && from != to)
        push(new TagChangeCommand(model_, changes, HistoryTexts::replaceAll()));
    return int(changes.size());
}

// ---------------------------------------------------------------- the sheet

void PageDocument::choosePaper(PaperSize paper) {
    if (model_.page().paperSize == paper)
        return;
    push(new PaperCommand(model_, {paper, model_.page().orientation}, HistoryTexts::paperSize()));
}

void PageDocument::chooseOrientation(int index) {
    const std::int16_t orientation = index == 0 ? 0 : -1;
    if (model_.page().orientation == orientation)
        return;
    push(new PaperCommand(model_, {model_.page().paperSize, orientation},
                          HistoryTexts::orientation()));
}

} // namespace brevmark

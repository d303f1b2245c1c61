#pragma once

#include "page/Arrangement.h"
#include "page/CopyPlacement.h"
#include "page/FormatMemory.h"
#include "page/PageModel.h"
#include "platform/Picture.h"
#include "records/LayoutFile.h"

#include <QObject>
#include <QUndoStack>
#include <cstdint>
#include <functional>
#include <optional>

namespace brevmark {

// The label page with its history: every edit the user makes goes through here as one step of
// the page history (one QUndoStack), so that Ctrl+Z takes it back and Ctrl+Y does it again. Each
// kind of step is a command of its own (AddItemsCommand, ItemPlacementCommand …); the steps of one
// drag or one typing run merge into one. A step holds what it changed, never the whole page, and
// the history keeps the last `historyLimit` steps. Nothing here writes a file.
class PageDocument : public QObject {
    Q_OBJECT
public:
    static constexpr int historyLimit = 200;
    // The picture of a file of the pictures folder, null when it cannot be shown.
    using PictureSource = std::function<Picture(const QString& fileName)>;

    explicit PageDocument(QObject* parent = nullptr);

    PageModel& model() { return model_; }
    const PageModel& model() const { return model_; }
    QUndoStack& history() { return history_; }
    // Where the images of new items find their pictures (none until set).
    void setPictureSource(PictureSource pictures) { pictures_ = std::move(pictures); }

    // A key for the steps of one gesture (a drag, a typing run): steps pushed with the same key,
    // one right after the other, become one step.
    std::uint64_t newGesture() { return ++gestures_; }

    // Puts the page kept from the last run back, each item at its place with its labels' exact
    // font sizes; no step of the history.
    void restore(const Layout& page);

    // --- barcode items ---
    // A copy of the memory's format at an index and a page point, its pictures given; the page
    // does not change (the format preview shows such a copy outside the page's history).
    PlacedItem filledCopy(const FormatMemory& memory, int index, QPointF topLeft,
                          bool labelPrinter) const;
    // A blank item at a page point in the first free index; nothing when the page is full.
    std::optional<int> addBlankItem(QPointF topLeft, bool labelPrinter);
    struct Copies {
        CopyPlacement::Result placement;
        int last = -1; // the last copy made, -1 for none
    };
    // Add copies: `count` items filled from the records, the first at `origin`, placed as
    // CopyPlacement says; one step.
    Copies addCopies(QPointF origin, int count, const QList<FormatRecord>& records,
                     bool labelPrinter);
    // Fill a sheet: one item per box, filled from the records, at the box's corner and of its size;
    // stops when the page is full (stop NoFreeIndex). One step.
    Copies addCopiesInto(const QList<QRectF>& boxes, const QList<FormatRecord>& records,
                         bool labelPrinter);
    struct LayoutTaken {
        QList<int> indexes; // the items added, in the layout's order
        bool pageFull = false;
    };
    // The layout panel's take: each item of the layout once, at its stored place (items without
    // one at `origin`), named by its group and position texts; one step.
    LayoutTaken takeLayout(const Layout& layout, QPointF origin);
    // A stored format applied to an existing item: its labels and images go, the format's come.
    void applyFormat(int index, const QList<FormatRecord>& records);
    void deleteItem(int index);
    // Removes every page item (item 0 stays); the number removed.
    int clearPage();
    // One step of a drag that moves or resizes an item.
    void placeItem(int index, const QRectF& rect, bool resized, std::uint64_t gesture);
    // The automatic arrangement with the model's arrangement settings; one step.
    Arrangement::Outcome arrange(int mode);

    // A text the program puts into an item: each is a step of its own.
    enum class TextSource { SerialStep, Record };
    void setItemText(int index, const QString& text, TextSource source);
    // The edited item's box opened (model().editedItem): what is typed next is a new typing run.
    void startTypingRun() { typingRun_ = newGesture(); }
    // The text of the edited item's box after a key: the item takes it in upper case. The keys of
    // one typing run are one step while they keep adding, or keep taking away, characters.
    void typeText(const QString& typed);
    // A look of the edit panel, or one step of a symbol handle drag (`gesture` not 0).
    void setItemLook(int index, const ItemLook& look, std::uint64_t gesture = 0);

    // --- text labels and images ---
    // A new label or image with the defaults at a point of the item; nothing when all 50 are used.
    std::optional<int> addLabel(int item, QPointF at);
    std::optional<int> addImage(int item, QPointF at);
    void removeTag(const TagAddress& tag);
    // A changed label or image: a drag step, a panel edit or a taken picture.
    void changeTag(const TagAddress& tag, const TagValue& after, const QString& stepName,
                   std::uint64_t gesture = 0);
    // Every label of the page whose caption is `from` gets `to`; the number changed.
    int replaceCaptions(const QString& from, const QString& to);

    // --- the sheet ---
    void choosePaper(PaperSize paper);
    void chooseOrientation(int index);

private:
    // The gesture's key while its steps follow one another; a fresh key once the history moved
    // in between (an undo), so that nothing merges across it.
    std::uint64_t mergeKeyFor(std::uint64_t gesture);
    void push(QUndoCommand* command);
    // A new label or image in the item's first free number; one step.
    std::optional<int> addTag(TagKind kind, int item, const TagValue& value,
                              const QString& stepName);
    // A text step; steps of one gesture (a typing run) merge, 0 for none.
    void changeText(int index, const QString& text, const QString& stepName, std::uint64_t gesture);
    bool pictureUsable(const QString& fileName) const;
    // Gives the images with a file the picture they show.
    void givePictures(PlacedItem& placed) const;
    // The copies made, as one step of adding items.
    void pushCopies(const QList<PlacedItem>& copies, Copies& result);

    PageModel model_;
    QUndoStack history_;
    PictureSource pictures_;
    std::uint64_t gestures_ = 0;
    std::uint64_t lastGesture_ = 0;
    std::uint64_t lastMergeKey_ = 0;
    std::uint64_t typingRun_ = 0;
    int indexAfterLastPush_ = -1;
};

} // namespace brevmark

// The page history: every kind of edit is one step that Ctrl+Z takes back to the page exactly as
// it was and Ctrl+Y does again; the steps of one drag or one typing run merge; the history keeps
// a bounded number of steps.
#include "page/FormatMemory.h"
#include "page/PageDocument.h"
#include "records/FormatRecordLines.h"

#include "support/PageModelEdits.h"
#include "support/RowNames.h"

#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>

using namespace brevmark;
using brevmark::test::rowName;

namespace {

// Everything the page holds, as one comparable text: the sheet, then every item with its place
// and the records of its look, labels and images.
QString pageState(const PageModel& model) {
    QString state = QStringLiteral("paper %1 %2\n")
                        .arg(int(model.page().paperSize))
                        .arg(model.page().orientation);
    QList<int> indexes{ItemTable::simpleItem};
    indexes += ItemTable::pageIndexes();
    for (int k : indexes) {
        if (!model.items().exists(k))
            continue;
        const BarcodeItem& item = model.items().at(k);
        state += QStringLiteral("item %1 at %2 %3\n").arg(k).arg(item.left).arg(item.top);
        state += FormatRecordLines::serialise(FormatMemory::recordsOf(item, model.tags().find(k)));
    }
    return state;
}

BarcodeItem labelled(QPointF at, const QString& text) {
    BarcodeItem item = BarcodeItem::blank(at, false);
    item.symbol.text = text;
    return item;
}

// Items 1 and 2 on the page, item 1 with a label and an image.
void twoItems(PageDocument& d) {
    test::putItem(d.model(), 1, labelled({600, 600}, QStringLiteral("A-1")));
    test::putItem(d.model(), 2, labelled({600, 2400}, QStringLiteral("B-2")));
    test::addTag(d.model(), 1, TextLabelItem::added(2400, 60));
    ImageItem image;
    image.left = 3000;
    image.file = QStringLiteral("logo.bmp");
    test::addTag(d.model(), 1, image);
}

QList<FormatRecord> storedFormat() {
    FormatMemory memory;
    BarcodeItem look = labelled({0, 0}, QStringLiteral("FMT-9"));
    look.width = 4200;
    look.border = 1;
    TagTable tags;
    tags.addLabel(0, TextLabelItem::added(60, 60));
    memory.capture(look, &tags.of(0));
    return memory.records();
}

struct StepCase {
    const char* name;
    std::function<void(PageDocument&)> edit;
};

class PageStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(PageStep, IsOneStepThatUndoRestoresAndRedoRepeats) {
    PageDocument document;
    twoItems(document);
    const QString before = pageState(document.model());
    GetParam().edit(document);
    const QString after = pageState(document.model());
    ASSERT_NE(after, before) << "the edit changed the page";
    ASSERT_EQ(document.history().count(), 1);

    document.history().undo();
    EXPECT_EQ(pageState(document.model()).toStdString(), before.toStdString());
    document.history().redo();
    EXPECT_EQ(pageState(document.model()).toStdString(), after.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, PageStep,
    ::testing::Values(
        StepCase{"AddBlankItem",
                 [](PageDocument& d) {
                     d.addBlankItem({1200, 5000}, false);
                 }},
        StepCase{"AddThreeCopies",
                 [](PageDocument& d) {
                     d.addCopies({6000, 600}, 3, storedFormat(), false);
                 }},
        StepCase{"TakeALayout",
                 [](PageDocument& d) {
                     Layout layout;
                     layout.items << LayoutItem{QPointF(900, 7000), storedFormat()}
                                  << LayoutItem{QPointF(900, 9000), storedFormat()};
                     d.takeLayout(layout, {0, 0});
                 }},
        StepCase{"ApplyAFormatToAnItem", [](PageDocument& d) { d.applyFormat(1, storedFormat()); }},
        StepCase{"DeleteAnItemWithItsTags", [](PageDocument& d) { d.deleteItem(1); }},
        StepCase{"ClearThePage", [](PageDocument& d) { d.clearPage(); }},
        StepCase{"MoveAnItem",
                 [](PageDocument& d) {
                     d.placeItem(2, QRectF(1200, 3000, 3600, 900), false, d.newGesture());
                 }},
        StepCase{"ResizeAnItem",
                 [](PageDocument& d) {
                     d.placeItem(2, QRectF(600, 2400, 4200, 1200), true, d.newGesture());
                 }},
        StepCase{"ArrangeThePage", [](PageDocument& d) { d.arrange(2); }},
        StepCase{"TypeABarcode",
                 [](PageDocument& d) {
                     d.model().editedItem = 2;
                     d.startTypingRun();
                     d.typeText(QStringLiteral("b-23"));
                 }},
        StepCase{"SerialStep",
                 [](PageDocument& d) {
                     d.setItemText(2, QStringLiteral("B-3"), PageDocument::TextSource::SerialStep);
                 }},
        StepCase{"ChangeTheLook",
                 [](PageDocument& d) {
                     ItemLook look = ItemLook::of(d.model().items().at(1));
                     look.symbol.barWidth = 4;
                     look.backColour = 0xCCEEFF;
                     d.setItemLook(1, look);
                 }},
        StepCase{"AddALabel",
                 [](PageDocument& d) {
                     d.addLabel(2, {120, 60});
                 }},
        StepCase{"AddAnImage",
                 [](PageDocument& d) {
                     d.addImage(2, {120, 60});
                 }},
        StepCase{"DeleteALabel",
                 [](PageDocument& d) {
                     d.removeTag({TagKind::Label, 1, 1});
                 }},
        StepCase{"MoveAnImage",
                 [](PageDocument& d) {
                     ImageItem image = *d.model().tags().image(1, 1);
                     image.top = 420;
                     d.changeTag({TagKind::Image, 1, 1}, image, QStringLiteral("移動圖片"),
                                 d.newGesture());
                 }},
        StepCase{"ReplaceAllCaptions",
                 [](PageDocument& d) {
                     d.replaceCaptions(QStringLiteral("標籤"), QStringLiteral("價格"));
                 }},
        StepCase{"ChoosePaper", [](PageDocument& d) { d.choosePaper(PaperSize::B5); }},
        StepCase{"ChooseOrientation", [](PageDocument& d) { d.chooseOrientation(1); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PageHistory, TheStepsOfOneDragAreOneStepAndTwoDragsAreTwo) {
    PageDocument document;
    twoItems(document);
    const std::uint64_t drag = document.newGesture();
    for (int step = 1; step <= 5; ++step)
        document.placeItem(2, QRectF(600, 2400 + 60 * step, 3600, 900), false, drag);
    EXPECT_EQ(document.history().count(), 1);
    document.placeItem(2, QRectF(660, 2700, 3600, 900), false, document.newGesture());
    EXPECT_EQ(document.history().count(), 2);
    document.history().undo();
    document.history().undo();
    EXPECT_EQ(document.model().items().at(2).rect(), QRectF(600, 2400, 3600, 900));
}

TEST(PageHistory, ADragBackToItsStartLeavesNoStep) {
    PageDocument document;
    twoItems(document);
    const std::uint64_t drag = document.newGesture();
    document.placeItem(2, QRectF(600, 2460, 3600, 900), false, drag);
    document.placeItem(2, QRectF(600, 2400, 3600, 900), false, drag);
    EXPECT_EQ(document.history().count(), 0);
}

// What the box of the edited item hands over after each key.
void typeInto(PageDocument& document, int index, std::initializer_list<const char*> texts) {
    document.model().editedItem = std::int16_t(index);
    for (const char* text : texts)
        document.typeText(QString::fromLatin1(text));
}

TEST(PageHistory, TypingMergesWhileItGrowsAndDeletingIsAStepOfItsOwn) {
    PageDocument document;
    twoItems(document);
    document.startTypingRun();
    typeInto(document, 2, {"B-2x", "b-2xy", "B-2XYZ"});
    EXPECT_EQ(document.model().items().at(2).symbol.text, QStringLiteral("B-2XYZ"));
    EXPECT_EQ(document.history().count(), 1);
    typeInto(document, 2, {"B-2XY"});
    EXPECT_EQ(document.history().count(), 2);
    document.history().undo();
    document.history().undo();
    EXPECT_EQ(document.model().items().at(2).symbol.text, QStringLiteral("B-2"));
}

TEST(PageHistory, TypingAfterAnUndoOrInAnotherOpeningStartsANewStep) {
    PageDocument document;
    twoItems(document);
    document.startTypingRun();
    typeInto(document, 2, {"B-2X", "B-2"});
    document.history().undo(); // "B-2X" again
    typeInto(document, 2, {"B-2XY"});
    ASSERT_EQ(document.history().count(), 2);
    document.history().undo();
    EXPECT_EQ(document.model().items().at(2).symbol.text, QStringLiteral("B-2X"))
        << "the typing after the undo is taken back alone";

    document.history().redo(); // "B-2XY"
    document.startTypingRun(); // the box opened again
    typeInto(document, 2, {"B-2XYZ"});
    EXPECT_EQ(document.history().count(), 3) << "a new opening merges with nothing before it";
}

TEST(PageHistory, KeepsTheLast200StepsAndEachHoldsOnlyWhatItChanged) {
    PageDocument document;
    twoItems(document);
    for (int i = 0; i < 250; ++i)
        document.placeItem(2, QRectF(600 + 60 * (i % 2), 2400, 3600, 900), false, 0);
    EXPECT_EQ(document.history().count(), PageDocument::historyLimit);
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(document.history().canUndo()) << i;
}

TEST(PageHistory, NothingToTakeBackWhenTheEditChangesNothing) {
    PageDocument document;
    twoItems(document);
    typeInto(document, 2, {"b-2"});
    document.setItemLook(2, ItemLook::of(document.model().items().at(2)));
    document.choosePaper(PaperSize::A4);
    document.replaceCaptions(QStringLiteral("none"), QStringLiteral("x"));
    EXPECT_EQ(document.history().count(), 0);
}

// The model tells its views what changed, so that none is redrawn by hand.
TEST(PageModelNotices, EveryOperationAnnouncesWhatItChanged) {
    PageModel model;
    QSignalSpy inserted(&model, &PageModel::itemsInserted);
    QSignalSpy removed(&model, &PageModel::itemsRemoved);
    QSignalSpy changed(&model, &PageModel::itemChanged);
    QSignalSpy tags(&model, &PageModel::tagInserted);
    test::putItem(model, 3, labelled({600, 600}, QStringLiteral("X")));
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(inserted[0][0].value<QList<int>>(), QList<int>{3});

    model.setItemRect(3, QRectF(660, 600, 3600, 900));
    model.setItemText(3, QStringLiteral("Y"));
    ItemLook look = ItemLook::of(model.items().at(3));
    look.border = 1;
    model.setItemLook(3, look);
    ASSERT_EQ(changed.size(), 3);
    EXPECT_EQ(changed[0][1].value<ItemAspects>(), ItemAspects(ItemAspect::Position));
    EXPECT_EQ(changed[1][1].value<ItemAspects>(), ItemAspects(ItemAspect::Symbol));
    EXPECT_EQ(changed[2][1].value<ItemAspects>(), ItemAspects(ItemAspect::Frame));

    test::addTag(model, 3, TextLabelItem::added(60, 60));
    EXPECT_EQ(tags.size(), 1);
    model.removeItems({3, 4});
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed[0][0].value<QList<int>>(), QList<int>{3}) << "only what was there";
    EXPECT_EQ(model.tags().find(3), nullptr);
}

TEST(PageModelNotices, ABarWidthOf0IsKeptAs2) {
    PageModel model;
    BarcodeItem item = labelled({0, 0}, QStringLiteral("Z"));
    item.symbol.barWidth = 0;
    test::putItem(model, 1, item);
    EXPECT_EQ(model.items().at(1).symbol.barWidth, 2);
}

} // namespace

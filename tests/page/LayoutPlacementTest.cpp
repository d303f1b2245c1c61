// Taking a stored layout onto the page model, as the layout panel's take does, without widgets.
#include "page/LayoutPlacement.h"
#include "page/PageModel.h"

#include "support/PageModelEdits.h"

#include <gtest/gtest.h>

using namespace brevmark;

namespace {

FormatRecord record(const QStringList& fields) {
    FormatRecord r;
    for (int f = 0; f < fields.size() && f < FormatRecord::fieldCount; ++f)
        r[f] = fields[f];
    return r;
}

LayoutItem item(QPointF at, const QString& text, const QString& labelSize = QString()) {
    LayoutItem stored;
    stored.position = at;
    stored.records << record({"1", "300 600", "條碼", "3000", "800", text, "255", "1",
                              "100 100 400", "False False False 1 10", "2 0 0 0"});
    if (!labelSize.isEmpty())
        stored.records << record({"1", "300 600", "標籤", "價格", "60", "60", "0", labelSize,
                                  "新細明體", "True False False"});
    stored.records << record({"1", "300 600", "圖片", "logo.bmp", "2000", "60", "600", "600"});
    return stored;
}

} // namespace

TEST(LayoutPlacement, ItemsGoIntoFreeIndexesAtTheirPlacesWithExactLabelSizes) {
    PageModel model;
    test::putItem(model, 1, BarcodeItem::blank({0, 0}, false));
    Layout layout;
    layout.items << item({600, 300}, "A-1", "11.25") << item({4200, 300}, "B-2");
    layout.items << LayoutItem{std::nullopt, item({}, "C-3").records};
    QStringList asked;
    const QList<int> placed = LayoutPlacement::place(model, layout, [&](const QString& file) {
        asked << file;
        return file == QLatin1String("logo.bmp");
    });
    EXPECT_EQ(placed, (QList<int>{2, 3, 4}));
    EXPECT_TRUE(model.items().exists(1)) << "the page's items stay";
    const BarcodeItem& a = model.items().at(2);
    EXPECT_EQ(QPointF(a.left, a.top), QPointF(600, 300));
    EXPECT_EQ(a.width, 3000);
    EXPECT_EQ(a.symbol.text, QStringLiteral("A-1"));
    EXPECT_EQ(a.border, 1);
    EXPECT_TRUE(a.category.isEmpty());
    EXPECT_TRUE(a.name.isEmpty());
    ASSERT_TRUE(model.tags().label(2, 1));
    EXPECT_EQ(model.tags().label(2, 1)->fontSize, 11.25f);
    EXPECT_TRUE(model.tags().label(2, 1)->bold);
    ASSERT_TRUE(model.tags().image(2, 1));
    EXPECT_EQ(model.tags().image(2, 1)->file, QStringLiteral("logo.bmp"));
    const BarcodeItem& c = model.items().at(4);
    EXPECT_EQ(QPointF(c.left, c.top), QPointF(0, 0)) << "no stored place: the page's corner";
    EXPECT_EQ(asked, QStringList(3, QStringLiteral("logo.bmp")));
}

TEST(LayoutPlacement, StopsWhenThePageIsFull) {
    PageModel model;
    for (int k : ItemTable::pageIndexes())
        if (k < 250)
            test::putItem(model, k, BarcodeItem::blank({0, 0}, false));
    Layout layout;
    layout.items << item({0, 0}, "A") << item({0, 0}, "B");
    EXPECT_EQ(LayoutPlacement::place(model, layout, nullptr), QList<int>{250});
    EXPECT_EQ(model.items().at(250).symbol.text, QStringLiteral("A"));
}

#pragma once

#include "page/FormatMemory.h"
#include "page/PlacedItem.h"
#include "records/LayoutFile.h"

#include <QList>

namespace brevmark {

class ItemTable;
class PageModel;

// Taking a stored layout onto the page: each of its items goes into the next free index at its
// stored place, filled from its format records. The items already on the page stay; placing
// stops when the page is full.
class LayoutPlacement {
public:
    struct Options {
        // The layout panel's take names each item by its group and position texts (the records'
        // first two fields), as a format applied from them does; the page kept between runs and
        // brevmark-batch leave category and name empty.
        bool namedByGroup = false;
        // The kept page keeps each label's exact font size (11.25 points for every new label);
        // the take rounds it to a whole point size, as a format applied does.
        bool exactFontSizes = true;
        // Where an item without a stored place goes (page twips).
        QPointF origin;
    };

    // The items the layout puts on the page, in the layout's order, without changing the page.
    // `pictureUsable` says which picture files the images may show (FormatMemory::apply).
    static QList<PlacedItem> plan(const ItemTable& items, const Layout& layout,
                                  const Options& options,
                                  const FormatMemory::PictureCheck& pictureUsable);
    // Puts the layout's items on the page as the kept page does; the indexes filled, in order.
    static QList<int> place(PageModel& model, const Layout& layout,
                            const FormatMemory::PictureCheck& pictureUsable);
};

} // namespace brevmark

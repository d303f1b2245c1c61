#pragma once

#include "page/FormatMemory.h"
#include "records/LayoutFile.h"

#include <QList>

namespace brevmark {

struct PageModel;

// Taking a stored layout onto the page model: each of its items goes into the next free index at
// its stored place (the page's corner when it has none), filled from its format records with the
// labels' exact font sizes, and without category or name. The items already on the page stay;
// placing stops when the page is full.
class LayoutPlacement {
public:
    // The indexes filled, in the layout's order. `pictureUsable` says which picture files the
    // images may show (FormatMemory::apply).
    static QList<int> place(PageModel& model, const Layout& layout,
                            const FormatMemory::PictureCheck& pictureUsable);
};

} // namespace brevmark

#pragma once

#include "page/PaperTable.h"

namespace brevmark {

class DrawingSurface;

// The label page as the alignment guides draw on it: its overlay, and the paper background that
// erases whatever the overlay showed.
class GuidePage {
public:
    virtual ~GuidePage() = default;
    // Paints the paper background `紙張` over the whole page.
    virtual void repaintPaper() = 0;
    virtual DrawingSurface& overlay() = 0;
    // Puts the page on this paper (laying it out anew, which erases the overlay) unless it is
    // on it already.
    virtual void usePaper(PaperSize paper, bool landscape) = 0;
};

} // namespace brevmark

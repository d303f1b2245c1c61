#pragma once

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
};

} // namespace brevmark

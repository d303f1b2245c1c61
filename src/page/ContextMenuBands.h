#pragma once

namespace brevmark {

// The five hover bands of the context menu `功能選項`, by the pointer's y (twips) inside the
// menu: open intervals 45–465, 435–855, 825–1245, 1215–1635 and 1605–2025; where two overlap the
// higher-numbered one wins. Band 2 (copy the format) exists in the professional layout only.
class ContextMenuBands {
public:
    static constexpr int count = 5;
    // The band holding y, or -1.
    static int at(double y, bool professional);
    static double top(int band) { return 45 + 390 * band; }
    static double bottom(int band) { return top(band) + 420; }
};

} // namespace brevmark

#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace brevmark {

// A whole Code 39 symbol as modules, ready for any drawing (screen, printer, preview): the start
// character, one cell per character of the text, the stop character. Every cell is exactly
// cellLength() modules, the length of the start pattern; a shorter pattern is padded with space
// and a character the tables do not hold becomes a cell of space. No quiet zone is added.
// Texts of any length are assembled whole.
class Code39Symbol {
public:
    Code39Symbol() = default;
    // An empty text, or a width ratio other than 0 to 3 (cell length 0), gives no modules.
    static Code39Symbol assemble(const QString& text, int widthRatio);

    const QString& text() const { return text_; }
    // Modules per cell, L: 16, 15, 14 or 13 for ratios 0 to 3; 0 for an empty symbol.
    int cellLength() const { return cellLength_; }
    // Start, the characters and stop: text length + 2, or 0 for an empty text.
    int cellCount() const { return cellCount_; }
    int moduleCount() const { return int(modules_.size()); }
    bool isEmpty() const { return modules_.empty(); }

    // Module `index` (0-based, left to right over the whole symbol) is a bar.
    bool isBar(int index) const { return modules_[std::size_t(index)] != 0; }
    // Module `module` (0-based) of cell `cell` (0 = start) is a bar.
    bool isBar(int cell, int module) const { return isBar(cell * cellLength_ + module); }
    // The modules as "1" and "0", for tests and diagnostics.
    QString moduleText() const;

    bool operator==(const Code39Symbol&) const = default;

private:
    QString text_;
    int cellLength_ = 0;
    int cellCount_ = 0;
    std::vector<std::uint8_t> modules_;
};

} // namespace brevmark

#include "symbology/Code39Symbol.h"

#include "symbology/Code39.h"

#include <algorithm>

namespace brevmark {

namespace {
void appendCell(std::vector<std::uint8_t>& modules, std::string_view pattern, int cellLength) {
    const std::size_t used = std::min(pattern.size(), std::size_t(cellLength));
    for (std::size_t i = 0; i < used; ++i)
        modules.push_back(pattern[i] == '1' ? 1 : 0);
    modules.insert(modules.end(), std::size_t(cellLength) - used, 0);
}
} // namespace

Code39Symbol Code39Symbol::assemble(const QString& text, int widthRatio) {
    Code39Symbol symbol;
    symbol.text_ = text;
    if (text.isEmpty())
        return symbol;
    symbol.cellCount_ = int(text.size()) + 2;
    if (widthRatio < 0 || widthRatio >= code39::widthRatioCount)
        return symbol;
    const int table = widthRatio;
    const std::string_view startStop = code39::patternOf(u'*', table);
    const int cellLength = int(startStop.size());
    symbol.cellLength_ = cellLength;
    symbol.modules_.reserve(std::size_t(symbol.cellCount_) * std::size_t(cellLength));
    appendCell(symbol.modules_, startStop, cellLength);
    for (const QChar c : text)
        appendCell(symbol.modules_, code39::patternOf(c.unicode(), table), cellLength);
    appendCell(symbol.modules_, startStop, cellLength);
    return symbol;
}

QString Code39Symbol::moduleText() const {
    QString result;
    result.reserve(qsizetype(modules_.size()));
    for (const std::uint8_t m : modules_)
        result.append(m ? QLatin1Char('1') : QLatin1Char('0'));
    return result;
}

} // namespace brevmark

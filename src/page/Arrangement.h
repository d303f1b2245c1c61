#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace brevmark {

class ItemTable;

// The four arrangement boxes of `自動排列窗` as texts, in units of 15 twips, and what they give.
struct ArrangementSettings {
    QString horizontalGap = QStringLiteral("2"); // `左右間距`
    QString verticalGap = QStringLiteral("2");   // `上下間距`
    QString startLeft = QStringLiteral("20");    // `起始左`
    QString startTop = QStringLiteral("20");     // `起始上`

    // A box's value in twips: its leading number × 15 as a 16-bit whole number.
    static std::int16_t twipsOf(const QString& text);
    // The value of settings key `列印排列`: the four texts joined by single spaces.
    QString settingText() const;
    // The stored value back into the boxes: only a value of exactly four parts is used, each part
    // passed through its number and back into text. False when the value is not used.
    bool restore(const QStringList& parts);
    bool restore(const QString& settingText);
};

// The three automatic arrangements of all barcode items on the page. Items are visited in index
// order 1 to 250; only their places change. Running positions are 16-bit whole numbers, clamped
// to that range rather than wrapped.
class Arrangement {
public:
    enum class Outcome { Done, Overflow };

    // Mode 0 one column, 1 two columns, 2 rows from left to right. Overflow when the running
    // height passed the page height; the items not yet visited keep their places.
    static Outcome arrange(int mode, ItemTable& items, const ArrangementSettings& settings,
                           double pageWidth, double pageHeight);

    static Outcome singleColumn(ItemTable& items, const ArrangementSettings& s, double pageHeight);
    static Outcome twoColumns(ItemTable& items, const ArrangementSettings& s, double pageHeight);
    static Outcome rows(ItemTable& items, const ArrangementSettings& s, double pageWidth,
                        double pageHeight);

    static QString overflowTitle() { return QStringLiteral("列印超出"); }
    static QString overflowText() { return QStringLiteral("條碼排列 高度 超出列印範圍"); }
};

} // namespace brevmark

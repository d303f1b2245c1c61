#pragma once

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>

namespace brevmark {

// Where "add copies" puts its copies: the first at the add-barcode panel's corner, each next one
// 60 twips below the last, and a new column 60 twips to the right when the next copy would not
// fit above the page's bottom edge.
class CopyPlacement {
public:
    enum class Stop { CountReached, Overflow, NoFreeIndex };
    struct Result {
        int made = 0;
        Stop stop = Stop::CountReached;
    };
    // Makes one copy with its top-left corner at a page point and gives its size, or nothing when
    // no index is free.
    using MakeCopy = std::function<std::optional<QSizeF>(QPointF topLeft)>;

    // `copyCount` is read afresh after every copy, as the box may change meanwhile.
    static Result run(QPointF origin, const std::function<int()>& copyCount,
                      const MakeCopy& makeCopy, double pageWidth, double pageHeight);

    static QString overflowTitle() { return QStringLiteral("超出提示"); }
    static QString overflowText() {
        return QStringLiteral("產生數量 依照排列 超出寬度 無法在產生");
    }
};

} // namespace brevmark

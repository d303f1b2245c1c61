#pragma once

#include "page/PageValueCommand.h"

#include <QRectF>

namespace brevmark {

// Moves or resizes items: one item by a drag (every step of the drag merges into one), or every
// item of the page by the arrangement. A drag that ends where it began leaves no step.
class ItemPlacementCommand : public PageValueCommand<int, QRectF> {
public:
    using PageValueCommand::PageValueCommand;
    int id() const override { return PlacementStep; }

protected:
    void set(const int& index, const QRectF& rect) override;
    bool changesNothing(const Change& change) const override {
        return change.after == change.before;
    }
};

} // namespace brevmark

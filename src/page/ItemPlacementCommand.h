#pragma once

#include "page/PageCommand.h"

#include <QList>
#include <QRectF>

namespace brevmark {

// Moves or resizes items: one item by a drag (every step of the drag merges into one), or every
// item of the page by the arrangement.
class ItemPlacementCommand : public PageCommand {
public:
    struct Change {
        int index;
        QRectF before;
        QRectF after;
    };

    ItemPlacementCommand(PageModel& model, QList<Change> changes, const QString& text,
                         std::uint64_t mergeKey = 0);
    int id() const override { return PlacementStep; }
    bool mergeWith(const QUndoCommand* other) override;
    void redo() override;
    void undo() override;

private:
    QList<Change> changes_;
};

} // namespace brevmark

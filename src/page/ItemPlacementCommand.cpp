#include "page/ItemPlacementCommand.h"

#include "page/PageModel.h"

namespace brevmark {

ItemPlacementCommand::ItemPlacementCommand(PageModel& model, QList<Change> changes,
                                           const QString& text, std::uint64_t mergeKey)
    : PageCommand(model, text, mergeKey), changes_(std::move(changes)) {}

bool ItemPlacementCommand::mergeWith(const QUndoCommand* other) {
    if (!continues(other))
        return false;
    const auto* next = static_cast<const ItemPlacementCommand*>(other);
    if (next->changes_.size() != 1 || changes_.size() != 1 ||
        next->changes_[0].index != changes_[0].index)
        return false;
    changes_[0].after = next->changes_[0].after;
    // A drag that ends where it began changed nothing.
    setObsolete(changes_[0].after == changes_[0].before);
    return true;
}

void ItemPlacementCommand::redo() {
    for (const Change& c : std::as_const(changes_))
        model_.setItemRect(c.index, c.after);
}

void ItemPlacementCommand::undo() {
    for (const Change& c : std::as_const(changes_))
        model_.setItemRect(c.index, c.before);
}

} // namespace brevmark

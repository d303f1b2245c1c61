#include "page/TagChangeCommand.h"

#include "page/PageModel.h"

namespace brevmark {

TagChangeCommand::TagChangeCommand(PageModel& model, QList<Change> changes, const QString& text,
                                   std::uint64_t mergeKey)
    : PageCommand(model, text, mergeKey), changes_(std::move(changes)) {}

bool TagChangeCommand::mergeWith(const QUndoCommand* other) {
    if (!continues(other))
        return false;
    const auto* next = static_cast<const TagChangeCommand*>(other);
    if (next->changes_.size() != 1 || changes_.size() != 1 ||
        !(next->changes_[0].tag == changes_[0].tag))
        return false;
    changes_[0].after = next->changes_[0].after;
    return true;
}

void TagChangeCommand::redo() {
    for (const Change& c : std::as_const(changes_))
        model_.setTag(c.tag, c.after);
}

void TagChangeCommand::undo() {
    for (const Change& c : std::as_const(changes_))
        model_.setTag(c.tag, c.before);
}

} // namespace brevmark

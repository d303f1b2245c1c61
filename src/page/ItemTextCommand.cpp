#include "page/ItemTextCommand.h"

#include "page/PageModel.h"

namespace brevmark {

ItemTextCommand::ItemTextCommand(PageModel& model, int index, QString before, QString after,
                                 const QString& text, std::uint64_t typingRun)
    : PageCommand(model, text, typingRun), index_(index), before_(std::move(before)),
      after_(std::move(after)) {}

bool ItemTextCommand::mergeWith(const QUndoCommand* other) {
    if (!continues(other))
        return false;
    const auto* next = static_cast<const ItemTextCommand*>(other);
    if (next->index_ != index_ || next->grows() != grows())
        return false;
    after_ = next->after_;
    setObsolete(after_ == before_);
    return true;
}

void ItemTextCommand::redo() {
    model_.setItemText(index_, after_);
}

void ItemTextCommand::undo() {
    model_.setItemText(index_, before_);
}

} // namespace brevmark

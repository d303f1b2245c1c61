#include "page/ItemLookCommand.h"

#include "page/PageModel.h"

namespace brevmark {

ItemLookCommand::ItemLookCommand(PageModel& model, int index, ItemLook before, ItemLook after,
                                 const QString& text, std::uint64_t mergeKey)
    : PageCommand(model, text, mergeKey), index_(index), before_(std::move(before)),
      after_(std::move(after)) {}

bool ItemLookCommand::mergeWith(const QUndoCommand* other) {
    if (!continues(other))
        return false;
    const auto* next = static_cast<const ItemLookCommand*>(other);
    if (next->index_ != index_)
        return false;
    after_ = next->after_;
    setObsolete(!after_.symbolDiffers(before_) && !after_.frameDiffers(before_));
    return true;
}

void ItemLookCommand::redo() {
    model_.setItemLook(index_, after_);
}

void ItemLookCommand::undo() {
    model_.setItemLook(index_, before_);
}

} // namespace brevmark

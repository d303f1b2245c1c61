#include "page/ReplaceItemCommand.h"

#include "page/PageModel.h"

namespace brevmark {

ReplaceItemCommand::ReplaceItemCommand(PageModel& model, PlacedItem after, const QString& text)
    : PageCommand(model, text), before_(model.placedItem(after.index)), after_(std::move(after)) {}

void ReplaceItemCommand::redo() {
    model_.replaceItem(after_);
}

void ReplaceItemCommand::undo() {
    model_.replaceItem(before_);
}

} // namespace brevmark

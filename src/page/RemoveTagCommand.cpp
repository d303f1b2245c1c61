#include "page/RemoveTagCommand.h"

#include "page/PageModel.h"

namespace brevmark {

RemoveTagCommand::RemoveTagCommand(PageModel& model, TagAddress tag, const QString& text)
    : PageCommand(model, text), tag_(tag), removed_(model.tag(tag)) {}

void RemoveTagCommand::redo() {
    model_.removeTag(tag_);
}

void RemoveTagCommand::undo() {
    if (removed_)
        model_.insertTag(tag_, *removed_);
}

} // namespace brevmark

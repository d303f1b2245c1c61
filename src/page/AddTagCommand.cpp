#include "page/AddTagCommand.h"

#include "page/PageModel.h"

namespace brevmark {

AddTagCommand::AddTagCommand(PageModel& model, TagAddress tag, TagValue value, const QString& text)
    : PageCommand(model, text), tag_(tag), value_(std::move(value)) {}

void AddTagCommand::redo() {
    model_.insertTag(tag_, value_);
}

void AddTagCommand::undo() {
    model_.removeTag(tag_);
}

} // namespace brevmark

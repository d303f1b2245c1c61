#pragma once

#include "page/PageCommand.h"
#include "page/PlacedItem.h"

#include <optional>

namespace brevmark {

// Deletes a text label or an image (its delete-tag button); undone, it comes back as it was.
class RemoveTagCommand : public PageCommand {
public:
    RemoveTagCommand(PageModel& model, TagAddress tag, const QString& text);
    void redo() override;
    void undo() override;

private:
    TagAddress tag_;
    std::optional<TagValue> removed_;
};

} // namespace brevmark

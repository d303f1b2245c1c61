#pragma once

#include "page/PageCommand.h"
#include "page/PlacedItem.h"

namespace brevmark {

// Adds a text label or an image to an item (its context menu); undone, it leaves again.
class AddTagCommand : public PageCommand {
public:
    AddTagCommand(PageModel& model, TagAddress tag, TagValue value, const QString& text);
    void redo() override;
    void undo() override;

private:
    TagAddress tag_;
    TagValue value_;
};

} // namespace brevmark

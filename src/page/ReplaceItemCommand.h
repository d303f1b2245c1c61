#pragma once

#include "page/PageCommand.h"
#include "page/PlacedItem.h"

namespace brevmark {

// Replaces an item's fields, text labels and images as a whole: a stored format applied to it.
class ReplaceItemCommand : public PageCommand {
public:
    ReplaceItemCommand(PageModel& model, PlacedItem after, const QString& text);
    void redo() override;
    void undo() override;

private:
    PlacedItem before_;
    PlacedItem after_;
};

} // namespace brevmark

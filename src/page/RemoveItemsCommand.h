#pragma once

#include "page/PageCommand.h"
#include "page/PlacedItem.h"

namespace brevmark {

// Takes items off the page (one item's delete button, clearing the page); undone, each comes back
// at its index with its text labels and images.
class RemoveItemsCommand : public PageCommand {
public:
    RemoveItemsCommand(PageModel& model, const QList<int>& indexes, const QString& text);
    void redo() override;
    void undo() override;

private:
    QList<PlacedItem> removed_;
};

} // namespace brevmark

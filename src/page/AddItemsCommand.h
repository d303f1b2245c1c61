#pragma once

#include "page/PageCommand.h"
#include "page/PlacedItem.h"

namespace brevmark {

// Puts items on the page (a blank item, copies, a stored format's items, a layout); undone, they
// leave again.
class AddItemsCommand : public PageCommand {
public:
    AddItemsCommand(PageModel& model, QList<PlacedItem> items, const QString& text);
    void redo() override;
    void undo() override;

private:
    QList<PlacedItem> items_;
};

} // namespace brevmark

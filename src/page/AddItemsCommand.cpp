#include "page/AddItemsCommand.h"

#include "page/PageModel.h"

namespace brevmark {

AddItemsCommand::AddItemsCommand(PageModel& model, QList<PlacedItem> items, const QString& text)
    : PageCommand(model, text), items_(std::move(items)) {}

void AddItemsCommand::redo() {
    model_.insertItems(items_);
}

void AddItemsCommand::undo() {
    QList<int> indexes;
    for (const PlacedItem& placed : std::as_const(items_))
        indexes.append(placed.index);
    model_.removeItems(indexes);
}

} // namespace brevmark

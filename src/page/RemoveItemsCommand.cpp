#include "page/RemoveItemsCommand.h"

#include "page/PageModel.h"

namespace brevmark {

RemoveItemsCommand::RemoveItemsCommand(PageModel& model, const QList<int>& indexes,
                                       const QString& text)
    : PageCommand(model, text) {
    for (int k : indexes)
        if (model.items().exists(k))
            removed_.append(model.placedItem(k));
}

void RemoveItemsCommand::redo() {
    QList<int> indexes;
    for (const PlacedItem& placed : std::as_const(removed_))
        indexes.append(placed.index);
    model_.removeItems(indexes);
}

void RemoveItemsCommand::undo() {
    model_.insertItems(removed_);
}

} // namespace brevmark

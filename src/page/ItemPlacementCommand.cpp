#include "page/ItemPlacementCommand.h"

#include "page/PageModel.h"

namespace brevmark {

void ItemPlacementCommand::set(const int& index, const QRectF& rect) {
    model_.setItemRect(index, rect);
}

} // namespace brevmark

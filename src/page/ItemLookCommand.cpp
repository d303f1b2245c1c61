#include "page/ItemLookCommand.h"

#include "page/PageModel.h"

namespace brevmark {

void ItemLookCommand::set(const int& index, const ItemLook& look) {
    model_.setItemLook(index, look);
}

} // namespace brevmark

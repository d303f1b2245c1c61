#include "page/ItemTextCommand.h"

#include "page/PageModel.h"

namespace brevmark {

void ItemTextCommand::set(const int& index, const QString& text) {
    model_.setItemText(index, text);
}

} // namespace brevmark

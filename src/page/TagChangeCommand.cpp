#include "page/TagChangeCommand.h"

#include "page/PageModel.h"

namespace brevmark {

void TagChangeCommand::set(const TagAddress& tag, const TagValue& value) {
    model_.setTag(tag, value);
}

} // namespace brevmark

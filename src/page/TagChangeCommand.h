#pragma once

#include "page/PageValueCommand.h"
#include "page/PlacedItem.h"

namespace brevmark {

// Changes text labels or images in place: a drag or a resize (every step of one gesture merges
// into one), an edit of the text label panel (a typing run merges), or the replace-all of every
// matching caption on the page.
class TagChangeCommand : public PageValueCommand<TagAddress, TagValue> {
public:
    using PageValueCommand::PageValueCommand;
    int id() const override { return TagStep; }

protected:
    void set(const TagAddress& tag, const TagValue& value) override;
};

} // namespace brevmark

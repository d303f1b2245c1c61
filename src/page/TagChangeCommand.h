#pragma once

#include "page/PageCommand.h"
#include "page/PlacedItem.h"

#include <QList>

namespace brevmark {

// Changes text labels or images in place: a drag or a resize (every step of one gesture merges
// into one), an edit of the text label panel (a typing run merges), or the replace-all of every
// matching caption on the page.
class TagChangeCommand : public PageCommand {
public:
    struct Change {
        TagAddress tag;
        TagValue before;
        TagValue after;
    };

    TagChangeCommand(PageModel& model, QList<Change> changes, const QString& text,
                     std::uint64_t mergeKey = 0);
    int id() const override { return TagStep; }
    bool mergeWith(const QUndoCommand* other) override;
    void redo() override;
    void undo() override;

private:
    QList<Change> changes_;
};

} // namespace brevmark

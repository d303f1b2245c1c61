#pragma once

#include "page/ItemLook.h"
#include "page/PageCommand.h"

namespace brevmark {

// Changes how an item looks: a button of the barcode edit panel, or a drag of its symbol handle
// (every step of the drag merges into one).
class ItemLookCommand : public PageCommand {
public:
    ItemLookCommand(PageModel& model, int index, ItemLook before, ItemLook after,
                    const QString& text, std::uint64_t mergeKey = 0);
    int id() const override { return LookStep; }
    bool mergeWith(const QUndoCommand* other) override;
    void redo() override;
    void undo() override;

private:
    int index_;
    ItemLook before_;
    ItemLook after_;
};

} // namespace brevmark

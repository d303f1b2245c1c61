#pragma once

#include "page/ItemLook.h"
#include "page/PageValueCommand.h"

namespace brevmark {

// Changes how an item looks: a button of the barcode edit panel, or a drag of its symbol handle
// (every step of the drag merges into one; a drag back to where it began leaves no step).
class ItemLookCommand : public PageValueCommand<int, ItemLook> {
public:
    using PageValueCommand::PageValueCommand;
    int id() const override { return LookStep; }

protected:
    void set(const int& index, const ItemLook& look) override;
    bool changesNothing(const Change& change) const override {
        return !change.after.symbolDiffers(change.before) &&
               !change.after.frameDiffers(change.before);
    }
};

} // namespace brevmark

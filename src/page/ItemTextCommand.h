#pragma once

#include "page/PageValueCommand.h"

#include <QString>

namespace brevmark {

// Sets an item's barcode text. The keys of one typing run merge into one step while they keep
// adding, or keep taking away, characters; a serial step or a picked record is a step of its own.
class ItemTextCommand : public PageValueCommand<int, QString> {
public:
    using PageValueCommand::PageValueCommand;
    int id() const override { return TextStep; }

protected:
    void set(const int& index, const QString& text) override;
    bool belongTogether(const Change& first, const Change& next) const override {
        return grows(first) == grows(next);
    }
    bool changesNothing(const Change& change) const override {
        return change.after == change.before;
    }

private:
    static bool grows(const Change& change) { return change.after.size() > change.before.size(); }
};

} // namespace brevmark

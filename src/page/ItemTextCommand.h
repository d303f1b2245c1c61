#pragma once

#include "page/PageCommand.h"

#include <QString>

namespace brevmark {

// Sets an item's barcode text. The keys of one typing run merge into one step while they keep
// adding, or keep taking away, characters; a serial step or a picked record is a step of its own.
class ItemTextCommand : public PageCommand {
public:
    ItemTextCommand(PageModel& model, int index, QString before, QString after, const QString& text,
                    std::uint64_t typingRun = 0);
    int id() const override { return TextStep; }
    bool mergeWith(const QUndoCommand* other) override;
    void redo() override;
    void undo() override;

private:
    bool grows() const { return after_.size() > before_.size(); }

    int index_;
    QString before_;
    QString after_;
};

} // namespace brevmark

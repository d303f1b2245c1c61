#pragma once

#include <QUndoCommand>
#include <cstdint>

namespace brevmark {

class PageModel;

// A step of the page history: one change of the page model that knows how to take itself back.
// Steps of one gesture (the moves of one drag, the keys of one typing run) share a merge key and
// become one step; a merge key of 0 never merges.
class PageCommand : public QUndoCommand {
public:
    // The kinds of step that merge; every other kind keeps the default id -1.
    enum Kind { PlacementStep = 1, TextStep, LookStep, TagStep };

    PageCommand(PageModel& model, const QString& text, std::uint64_t mergeKey = 0)
        : QUndoCommand(text), model_(model), mergeKey_(mergeKey) {}

protected:
    // Whether `other` continues this command's gesture.
    bool continues(const QUndoCommand* other) const {
        const auto* next = static_cast<const PageCommand*>(other);
        return mergeKey_ != 0 && next->id() == id() && next->mergeKey_ == mergeKey_;
    }

    PageModel& model_;

private:
    std::uint64_t mergeKey_;
};

} // namespace brevmark

#pragma once

#include "page/PageCommand.h"

#include <QList>

namespace brevmark {

// A step that sets one part of the page, at one place or at several at once, from the values it
// held to new ones, as Tiled's ChangeValue does. The steps of one gesture at one single place merge
// into one step: the first step's values before, the last one's after. Each kind of step says how
// the model sets its part, and may say when two of its steps belong together and when a merged
// step changed nothing in the end.
template <typename Place, typename Value> class PageValueCommand : public PageCommand {
public:
    struct Change {
        Place place;
        Value before;
        Value after;
    };

    PageValueCommand(PageModel& model, QList<Change> changes, const QString& text,
                     std::uint64_t mergeKey = 0)
        : PageCommand(model, text, mergeKey), changes_(std::move(changes)) {}

    bool mergeWith(const QUndoCommand* other) override {
        if (!continues(other))
            return false;
        // Same id, so the same kind of step.
        const QList<Change>& next = static_cast<const PageValueCommand*>(other)->changes_;
        if (changes_.size() != 1 || next.size() != 1 || !(next[0].place == changes_[0].place) ||
            !belongTogether(changes_[0], next[0]))
            return false;
        changes_[0].after = next[0].after;
        setObsolete(changesNothing(changes_[0]));
        return true;
    }
    void redo() override {
        for (const Change& c : std::as_const(changes_))
            set(c.place, c.after);
    }
    void undo() override {
        for (const Change& c : std::as_const(changes_))
            set(c.place, c.before);
    }

protected:
    virtual void set(const Place& place, const Value& value) = 0;
    // Whether `next`, at the same place in the same gesture, goes on with `first`.
    virtual bool belongTogether(const Change& first, const Change& next) const {
        Q_UNUSED(first);
        Q_UNUSED(next);
        return true;
    }
    // Whether a merged change leaves its place as it was, so that the step goes.
    virtual bool changesNothing(const Change& change) const {
        Q_UNUSED(change);
        return false;
    }

private:
    QList<Change> changes_;
};

} // namespace brevmark

#pragma once

#include <cstddef>
#include <future>
#include <memory>
#include <vector>

#include "document/history_step.h"

// The steps of a session since the field was opened, and where the document stands among
// them: position p means the first p steps are done, the rest are ahead.
//
// The data of old steps gives way to a budget, oldest first; their text stays, so the
// session can still be written out whole. Data is dropped only up to a commit, and never
// past the commit at the position: Undo returns to that commit through the steps after it.
class FieldHistory {
public:
    FieldHistory() = default;
    FieldHistory(const FieldHistory&) = delete;
    FieldHistory& operator=(const FieldHistory&) = delete;
    ~FieldHistory() { Settle(); }

    // A new history: no steps, position 0.
    void Clear();
    // At most this many bytes of data are kept, the steps since the commit aside.
    void SetBudget(size_t bytes);
    size_t budget() const { return budget_; }

    // A new step at the position, dropping the steps ahead. Its working image's change may
    // still be worked out on another thread; it joins the step's changes when settled, or
    // becomes its field before when the step changed the field's size.
    void Add(HistoryStep step, std::future<std::shared_ptr<const RowDelta>> pendingChange = {},
             bool pendingFieldBefore = false);
    // The steps done so far can no longer be stepped back over (memory ran out to record
    // the last); their text stays.
    void LoseWayBack();
    // Waits for the change being worked out, if any, then keeps to the budget.
    void Settle();

    int position() const { return position_; }
    int size() const { return int(steps_.size()); }
    // The earliest position a step back can reach.
    int reach() const { return reach_; }
    bool CanStepBack() const { return position_ > reach_; }
    bool CanStepForward() const { return position_ < size(); }
    // Step i leads from position i to position i + 1.
    const HistoryStep& StepAt(int i) const { return steps_[size_t(i)]; }
    void MoveTo(int position) { position_ = position; }

    // The position of the last commit at or before this one; 0 (the open) when none.
    int CommitPointAt(int position) const;
    // The data kept, each piece counted once however many steps share it.
    size_t bytes() const;

private:
    void KeepToBudget();
    void Drop(int step);

    std::vector<HistoryStep> steps_;
    int position_ = 0;
    int reach_ = 0;
    size_t budget_ = 0;
    int pendingStep_ = -1;
    bool pendingFieldBefore_ = false;
    std::future<std::shared_ptr<const RowDelta>> pending_;
};

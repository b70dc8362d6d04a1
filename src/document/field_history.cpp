#include "document/field_history.h"

#include <algorithm>
#include <set>

std::string StepText::Name() const {
    std::string name;
    for (const std::string& line : lines) {
        if (line.rfind("--seed ", 0) == 0) continue;
        if (!name.empty()) name += ' ';
        name += line;
    }
    return name;
}

bool SelectionSnapshot::operator==(const SelectionSnapshot& other) const {
    return state == other.state && std::equal(points.begin(), points.end(), other.points.begin(), other.points.end(),
                                              [](const vPoint& a, const vPoint& b) { return a.x == b.x && a.y == b.y; });
}

void FieldHistory::Clear() {
    Settle();
    steps_.clear();
    position_ = 0;
    reach_ = 0;
}

void FieldHistory::SetBudget(size_t bytes) {
    budget_ = bytes;
    KeepToBudget();
}

void FieldHistory::Add(HistoryStep step, std::future<std::shared_ptr<const RowDelta>> pendingChange,
                       bool pendingFieldBefore) {
    Settle();
    steps_.resize(size_t(position_));
    steps_.push_back(std::move(step));
    position_ = size();
    if (pendingChange.valid()) {
        pendingStep_ = position_ - 1;
        pendingFieldBefore_ = pendingFieldBefore;
        pending_ = std::move(pendingChange);
        return;
    }
    KeepToBudget();
}

void FieldHistory::LoseWayBack() {
    Settle();
    for (int i = reach_; i < position_; ++i) Drop(i);
    reach_ = position_;
}

// A change that could not be worked out (memory ran out) leaves no way back past its step.
void FieldHistory::Settle() {
    if (!pending_.valid()) return;
    try {
        std::shared_ptr<const RowDelta> change = pending_.get();
        HistoryStep& step = steps_[size_t(pendingStep_)];
        if (pendingFieldBefore_) {
            step.fieldBefore = std::move(change);
        } else {
            step.changes.push_back({std::move(change), StepDirection::Forward});
        }
    } catch (const std::bad_alloc&) {
        for (int i = reach_; i <= pendingStep_; ++i) Drop(i);
        reach_ = std::max(reach_, pendingStep_ + 1);
    }
    pendingStep_ = -1;
    KeepToBudget();
}

int FieldHistory::CommitPointAt(int position) const {
    for (int p = position; p > 0; --p) {
        if (steps_[size_t(p - 1)].commits) return p;
    }
    return 0;
}

size_t FieldHistory::bytes() const {
    std::set<const RowDelta*> counted;
    size_t total = 0;
    auto count = [&](const std::shared_ptr<const RowDelta>& delta) {
        if (delta && counted.insert(delta.get()).second) total += delta->bytes();
    };
    for (int i = reach_; i < size(); ++i) {
        for (const DeltaUse& use : steps_[size_t(i)].changes) count(use.delta);
        count(steps_[size_t(i)].fieldBefore);
    }
    return total;
}

// The reach moves from commit to commit, so that Undo at every position still reachable
// finds the steps since its commit.
void FieldHistory::KeepToBudget() {
    if (pending_.valid()) return;
    const int pinned = CommitPointAt(position_);
    while (bytes() > budget_) {
        int next = reach_ + 1;
        while (next <= pinned && !steps_[size_t(next - 1)].commits) ++next;
        if (next > pinned) return;
        for (int i = reach_; i < next; ++i) Drop(i);
        reach_ = next;
    }
}

void FieldHistory::Drop(int step) {
    HistoryStep& dropped = steps_[size_t(step)];
    dropped.changes.clear();
    dropped.fieldBefore.reset();
    dropped.reachable = false;
}

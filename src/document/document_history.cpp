#include <future>
#include <utility>

#include "document/background_work.h"
#include "document/batch_text.h"
#include "document/field_document.h"
#include "document/step_recording.h"

// Stepping back and forward through the history, and what a step leaves behind.

namespace {

StepDirection Opposite(StepDirection direction) {
    return direction == StepDirection::Back ? StepDirection::Forward : StepDirection::Back;
}

}  // namespace

void FieldDocument::KeepHistory(HistoryBudget budget) {
    history_ = std::make_unique<FieldHistory>();
    previous_ = std::make_shared<PreviousImage>();
    budget_ = budget;
    // The history is the way back: no undo copy of the field, no image dropped by a zoom.
    field_.SnapshotField();
    field_.KeepNoUndo();
    field_.KeepReplacedImages();
    StartHistory();
}

void FieldDocument::SetBudget(HistoryBudget budget) {
    budget_ = budget;
    if (history_) history_->SetBudget(budget_.BytesFor(field_.width(), field_.height()));
}

std::vector<StepText> FieldDocument::StepsDone() const {
    std::vector<StepText> steps;
    for (int i = 0; history_ && i < history_->position(); ++i) steps.push_back(history_->StepAt(i).text);
    return steps;
}

void FieldDocument::SettleHistory() {
    if (catchingUp_.valid()) catchingUp_.get();
    if (history_) history_->Settle();
}

void FieldDocument::StopCatchingUp() {
    if (stopCatchingUp_) stopCatchingUp_->store(true);
    SettleHistory();
}

// One task does both, so the previous image never catches up before the record was
// worked out from it. A record that fails (memory ran out) reaches the history as its
// error; the catching up is then left to the rows' first writes.
std::future<std::shared_ptr<const RowDelta>> FieldDocument::CatchUpAfter(RecordWork work) {
    previous_->Stop(field_);
    auto record = std::make_shared<std::promise<std::shared_ptr<const RowDelta>>>();
    std::future<std::shared_ptr<const RowDelta>> recorded = record->get_future();
    stopCatchingUp_ = std::make_shared<std::atomic<bool>>(false);
    catchingUp_ = WorkOut([previous = previous_, &image = std::as_const(field_).working(), work, record,
                           stop = stopCatchingUp_] {
        try {
            record->set_value(work ? work() : nullptr);
        } catch (...) {
            record->set_exception(std::current_exception());
            return;
        }
        previous->CatchUp(image, *stop);
    });
    return recorded;
}

void FieldDocument::StartHistory() {
    start_.palette = palette_;
    startState_ = State();
    if (!history_) return;
    history_->Clear();
    SetBudget(budget_);
    previous_->Forget();
    CatchUpLater();
    if (log_) log_->Started(start_);
}

DocumentState FieldDocument::State() const {
    return {field_.width(), field_.height(), field_.kind(), field_.revision(), palette_, SelectionSnapshot::Of(selection_),
            source_};
}

const DocumentState& FieldDocument::StateAtPosition() const {
    const int position = history_->position();
    return position == 0 ? startState_ : history_->StepAt(position - 1).after;
}

bool FieldDocument::HasChangesSinceCommit() const {
    if (!history_) return field_.HasUndoImage();
    const int position = history_->position();
    for (int i = history_->CommitPointAt(position); i < position; ++i) {
        for (const DeltaUse& use : history_->StepAt(i).changes) {
            if (!use.delta->empty()) return true;
        }
    }
    return false;
}

void FieldDocument::RestoreSelection(const SelectionSnapshot& selection) {
    if (SelectionSnapshot::Of(selection_) == selection) return;
    selection_.Restore(selection.state, selection.points, field_);
}

void FieldDocument::SetState(const DocumentState& state) {
    field_.ReturnTo(state.revision);
    field_.SetKind(state.kind);
    palette_ = state.palette;
    field_.SetPalette(palette_);
    source_ = state.source;
    RestoreSelection(state.selection);
}

// An outline being drawn is no step: it goes back to the selection of the position.
bool FieldDocument::DropOutline() {
    const SelectionSnapshot& settled = StateAtPosition().selection;
    if (SelectionSnapshot::Of(selection_) == settled) return false;
    RestoreSelection(settled);
    field_.painter().RefreshView();
    return true;
}

// The whole field before a step that changed its size, made again; false when memory
// runs out for it.
bool FieldDocument::RestoreWholeField(const RowDelta& image) {
    if (!field_.BeginLoad(image.width(), image.height(), field_.kind())) return false;
    image.Restore([this](int y) { return field_.LoadRow(y); });
    field_.EndLoad(image.height());
    field_.TakeReplacedImage();
    return true;
}

bool FieldDocument::StepOver(const HistoryStep& step, StepDirection direction) {
    if (direction == StepDirection::Back) {
        if (step.fieldBefore) {
            if (!RestoreWholeField(*step.fieldBefore)) return false;
        } else {
            for (auto use = step.changes.rbegin(); use != step.changes.rend(); ++use) {
                use->delta->Apply(field_, Opposite(use->forward));
            }
        }
        SetState(step.before);
    } else {
        if (step.zoom) {
            if (::Zoom(field_, *step.zoom, &selection_) != ZoomOutcome::kDone) return false;
            field_.TakeReplacedImage();
        } else {
            for (const DeltaUse& use : step.changes) use.delta->Apply(field_, use.forward);
        }
        SetState(step.after);
    }
    field_.painter().RefreshView();
    return true;
}

bool FieldDocument::StepBack() {
    if (!history_) return false;
    StopCatchingUp();
    if (DropOutline()) return true;
    return GoTo(history_->position() - 1);
}

bool FieldDocument::StepForward() {
    if (!history_) return false;
    StopCatchingUp();
    DropOutline();
    return GoTo(history_->position() + 1);
}

// The rows each step writes are heard, so the previous image catches up with them after.
bool FieldDocument::GoTo(int position) {
    if (!history_ || position < history_->reach() || position > history_->size()) return false;
    StopCatchingUp();
    DropOutline();
    if (position == history_->position()) return true;
    if (!previous_->Listen(field_, false)) previous_->Forget();
    bool moved = true;
    while (moved && history_->position() > position) {
        const int at = history_->position();
        moved = StepOver(history_->StepAt(at - 1), StepDirection::Back);
        if (moved) MovedTo(at - 1);
    }
    while (moved && history_->position() < position) {
        const int at = history_->position();
        moved = StepOver(history_->StepAt(at), StepDirection::Forward);
        if (moved) MovedTo(at + 1);
    }
    CatchUpLater();
    return moved;
}

void FieldDocument::MovedTo(int position) {
    history_->MoveTo(position);
    SetBudget(budget_);
    if (log_) log_->MovedTo(position);
}

// ---- Steps ---------------------------------------------------------------------------------

void FieldDocument::Keep() {
    StepRecording step(*this);
    field_.SnapshotField();
    step.End({{"--keep"}}, true);
}

void FieldDocument::Commit() {
    if (!history_) {
        field_.SnapshotField();
        return;
    }
    history_->Settle();
    if (HasChangesSinceCommit()) Keep();
}

// Without a copy of the field, Undo takes back the steps since the commit, newest first.
bool FieldDocument::Undo() {
    if (!history_) {
        field_.RestoreField();
        DropSelection();
        return true;
    }
    StepRecording step(*this);
    const int position = history_->position();
    const int commit = history_->CommitPointAt(position);
    if (commit < history_->reach()) return false;
    std::vector<DeltaUse> changes;
    for (int i = position - 1; i >= commit; --i) {
        const std::vector<DeltaUse>& done = history_->StepAt(i).changes;
        for (auto use = done.rbegin(); use != done.rend(); ++use) changes.push_back({use->delta, Opposite(use->forward)});
    }
    for (const DeltaUse& use : changes) use.delta->Apply(field_, use.forward);
    field_.ReturnTo(commit == 0 ? startState_.revision : history_->StepAt(commit - 1).after.revision);
    DropSelection();
    step.End({{"--undo"}}, true, std::move(changes));
    return true;
}

void FieldDocument::BeginSelection() {
    Commit();
    selection_.Begin();
}

void FieldDocument::EndSelection() {
    const bool chosen = selection_.state() == FieldSelection::kChosen;
    StepRecording step(*this);
    const bool uncommitted = HasChangesSinceCommit();
    field_.SnapshotField();
    DropSelection();
    StepText text;
    if (uncommitted) text.lines.push_back("--keep");
    if (chosen) text.lines.push_back("--deselect");
    if (text.lines.empty()) return;
    step.End(std::move(text), true);
}

bool FieldDocument::CloseSelection() {
    StepRecording step(*this);
    if (!selection_.Close(field_)) {
        // Fewer than three vertices start over from the commit Select made. With a
        // history nothing can have changed since: no edit runs while outlining.
        if (!history_) field_.RestoreField();
        return false;
    }
    step.End({{"--select " + PolygonText(selection_)}}, false);
    return true;
}

DriverReport FieldDocument::Run(Operation operation, const OperationInputs& inputs) {
    StepRecording step(*this);
    if (!step.HearsWrites()) return {false, NoMemoryMessage(field_.width(), field_.height()), true};
    DriverReport report = RunOperation(operation, field_, inputs);
    if (report.ran) step.End(OperationText(operation, inputs), false);
    return report;
}

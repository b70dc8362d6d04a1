#include "document/step_recording.h"

#include <utility>


StepRecording::StepRecording(FieldDocument& document) : document_(document) {
    if (!document_.history_) return;
    document_.SettleHistory();
    recording_ = true;
    hears_ = document_.previous_->Listen(document_.field_);
    // An outline being drawn is no step: the step starts from the selection of the position.
    before_ = document_.State();
    before_.selection = document_.StateAtPosition().selection;
}

// A step that did not end wrote nothing worth keeping, but the image to compare with
// still catches up with whatever it wrote.
StepRecording::~StepRecording() {
    if (recording_) document_.CatchUpLater();
}

void StepRecording::End(StepText text, bool commits, std::vector<DeltaUse> changes) {
    if (!recording_) return;
    recording_ = false;
    HistoryStep step = NewStep(std::move(text), commits);
    const bool worksOut = changes.empty() && hears_;
    step.changes = std::move(changes);
    if (!worksOut) {
        document_.CatchUpLater();
        Add(std::move(step), {}, false);
        return;
    }
    std::shared_ptr<PreviousImage> previous = document_.previous_;
    const TarnMemoryDC& image = std::as_const(document_.field_).working();
    Add(std::move(step), document_.CatchUpAfter([previous, &image] {
            std::vector<int> rows = previous->WrittenRows();
            return RowDelta::Between(image, rows, [&previous](int y) { return previous->Row(y); });
        }), false);
}

void StepRecording::EndZoom(StepText text, ZoomMode mode) {
    if (!recording_) return;
    recording_ = false;
    HistoryStep step = NewStep(std::move(text), true);
    step.zoom = mode;
    std::shared_ptr<const TarnMemoryDC> replaced = document_.field_.TakeReplacedImage();
    Add(std::move(step), document_.CatchUpAfter([replaced] { return RowDelta::OfImage(*replaced); }), true);
}

HistoryStep StepRecording::NewStep(StepText text, bool commits) {
    HistoryStep step;
    step.text = std::move(text);
    step.before = std::move(before_);
    step.after = document_.State();
    step.commits = commits;
    return step;
}

void StepRecording::Add(HistoryStep step, std::future<std::shared_ptr<const RowDelta>> pending, bool fieldBefore) {
    FieldHistory& history = *document_.history_;
    history.Add(std::move(step), std::move(pending), fieldBefore);
    document_.SetBudget(document_.budget_);
    if (document_.log_) document_.log_->StepEnded(history.StepAt(history.position() - 1));
}

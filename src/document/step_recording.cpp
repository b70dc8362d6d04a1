#include "document/step_recording.h"

#include <system_error>
#include <utility>

namespace {

// Another thread works the change out while the user looks at the result; without one,
// it is worked out when first needed.
template <class Work>
std::future<std::shared_ptr<const RowDelta>> WorkOut(Work work) {
    try {
        return std::async(std::launch::async, std::move(work));
    } catch (const std::system_error&) {
        return std::async(std::launch::deferred, std::move(work));
    }
}

}  // namespace

StepRecording::StepRecording(FieldDocument& document) : document_(document) {
    if (!document_.history_) return;
    document_.history_->Settle();
    // An outline being drawn is no step: the step starts from the selection of the position.
    before_ = document_.State();
    before_.selection = document_.StateAtPosition().selection;
}

StepRecording::~StepRecording() {
    if (capture_) capture_->End(document_.field_);
}

bool StepRecording::HearWrites() {
    if (!document_.history_) return true;
    auto capture = std::make_shared<RowCapture>();
    if (!capture->Begin(document_.field_)) return false;
    capture_ = std::move(capture);
    return true;
}

void StepRecording::End(StepText text, bool commits, std::vector<DeltaUse> changes) {
    if (!document_.history_) return;
    HistoryStep step = NewStep(std::move(text), commits);
    step.changes = std::move(changes);
    std::future<std::shared_ptr<const RowDelta>> pending;
    if (capture_) {
        capture_->End(document_.field_);
        pending = WorkOut([capture = std::move(capture_), &image = std::as_const(document_.field_).working()] {
            std::vector<int> rows = capture->Rows();
            return RowDelta::Between(image, rows, [&capture](int y) { return capture->Row(y); });
        });
    }
    Add(std::move(step), std::move(pending));
}

void StepRecording::EndZoom(StepText text, ZoomMode mode) {
    if (!document_.history_) return;
    HistoryStep step = NewStep(std::move(text), true);
    step.zoom = mode;
    std::shared_ptr<const TarnMemoryDC> replaced = document_.field_.TakeReplacedImage();
    Add(std::move(step), WorkOut([replaced] { return RowDelta::OfImage(*replaced); }));
}

HistoryStep StepRecording::NewStep(StepText text, bool commits) {
    HistoryStep step;
    step.text = std::move(text);
    step.before = std::move(before_);
    step.after = document_.State();
    step.commits = commits;
    return step;
}

void StepRecording::Add(HistoryStep step, std::future<std::shared_ptr<const RowDelta>> pending) {
    FieldHistory& history = *document_.history_;
    const bool wholeField = step.zoom.has_value();
    history.Add(std::move(step), std::move(pending), wholeField);
    document_.SetBudget(document_.budget_);
    if (document_.log_) document_.log_->StepEnded(history.StepAt(history.position() - 1));
}

#pragma once

#include <future>
#include <memory>
#include <vector>

#include "document/field_document.h"
#include "document/row_capture.h"

// One step of a document while it happens: the state before it, the rows its edit
// writes, and at its end the step added to the history and told to the log. A step
// that does not end leaves no trace. Without a history it records nothing.
class StepRecording {
public:
    explicit StepRecording(FieldDocument& document);
    ~StepRecording();
    StepRecording(const StepRecording&) = delete;
    StepRecording& operator=(const StepRecording&) = delete;

    // Keeps each row the field's edits write from now on; false when memory runs out
    // for them, and the edit must not run.
    bool HearWrites();
    // The step as done: what the working image's rows heard changed is worked out on
    // another thread; changes already known come along.
    void End(StepText text, bool commits, std::vector<DeltaUse> changes = {});
    // A step that changed the field's size: the image it replaced is kept, and a step
    // forward zooms again.
    void EndZoom(StepText text, ZoomMode mode);

private:
    HistoryStep NewStep(StepText text, bool commits);
    void Add(HistoryStep step, std::future<std::shared_ptr<const RowDelta>> pending);

    FieldDocument& document_;
    DocumentState before_;
    std::shared_ptr<RowCapture> capture_;
};

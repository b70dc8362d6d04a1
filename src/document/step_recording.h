#pragma once

#include <future>
#include <memory>
#include <vector>

#include "document/field_document.h"

// One step of a document while it happens: the state before it, the rows it writes,
// and at its end the step added to the history and told to the log. A step that does
// not end leaves no trace. Without a history it records nothing.
class StepRecording {
public:
    explicit StepRecording(FieldDocument& document);
    ~StepRecording();
    StepRecording(const StepRecording&) = delete;
    StepRecording& operator=(const StepRecording&) = delete;

    // Whether the rows the step writes are heard; false when memory ran out for the
    // image to compare them with, and an edit must not run.
    bool HearsWrites() const { return hears_; }
    // The step as done. Without changes given, what its writes changed is worked out on
    // another thread.
    void End(StepText text, bool commits, std::vector<DeltaUse> changes = {});
    // A step that changed the field's size: the image it replaced is kept, and a step
    // forward zooms again.
    void EndZoom(StepText text, ZoomMode mode);

private:
    HistoryStep NewStep(StepText text, bool commits);
    void Add(HistoryStep step, std::future<std::shared_ptr<const RowDelta>> pending, bool fieldBefore);

    FieldDocument& document_;
    bool recording_ = false;
    bool hears_ = true;
    DocumentState before_;
};

#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/palette.h"
#include "document/row_delta.h"
#include "interchange/height_source.h"
#include "ops/selection.h"
#include "ops/zoom.h"

// One step as the batch tool's steps that repeat it, each "--name" or "--name argument",
// in the order they run.
struct StepText {
    std::vector<std::string> lines;

    // The lines joined by blanks, a roughen's seed left out: what a list of steps shows.
    std::string Name() const;
    bool operator==(const StepText&) const = default;
};

// A chosen or half-drawn polygon as the selection holds it.
struct SelectionSnapshot {
    FieldSelection::State state = FieldSelection::kIdle;
    std::vector<vPoint> points;

    static SelectionSnapshot Of(const FieldSelection& selection) { return {selection.state(), selection.points()}; }
    bool operator==(const SelectionSnapshot& other) const;
};

// What a step back or forward sets besides the pixels.
struct DocumentState {
    int width = 0;
    int height = 0;
    int kind = 0;
    // The field's number for what it holds: a state stepped back to is not a change.
    uint64_t revision = 0;
    Palette palette{};
    SelectionSnapshot selection;
    // What the heights stand for, from an elevation raster: zooms and conversions change it.
    std::optional<HeightSource> source;
};

// A change of the working image, made in the direction given when stepping forward.
struct DeltaUse {
    std::shared_ptr<const RowDelta> delta;
    StepDirection forward = StepDirection::Forward;
};

// One step of a session: its text, the document's state around it, and what it did to
// the working image. A step that left its data to the budget keeps its text only.
struct HistoryStep {
    StepText text;
    DocumentState before;
    DocumentState after;
    // The step ends in a commit: Undo returns to what it left.
    bool commits = false;
    // Same-size changes, in order when stepping forward, in reverse order back.
    std::vector<DeltaUse> changes;
    // A step that changed the size keeps the whole field before it, and steps forward by
    // zooming again.
    std::shared_ptr<const RowDelta> fieldBefore;
    std::optional<ZoomMode> zoom;
    bool reachable = true;
};

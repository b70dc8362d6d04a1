#pragma once

#include <memory>

#include "core/height_field.h"

// The field's colours as they were when long work began, for work that writes rows for
// the view before it has finished: its result is stored against them, and stopping goes
// back to them. When the last commit or the field's write listener (the editor's
// history) holds them already, nothing is copied.
class FieldBefore {
public:
    // Made before the work's first write, after the undo copy that write needs.
    explicit FieldBefore(HeightField& field);

    // False when memory ran out for the copy; the work must then not show rows early.
    bool made() const { return source_ != Source::kCopy || copy_ != nullptr; }
    const uint32_t* Row(int y);
    // The field as it was, its commit included, every row shown again.
    void Restore();

private:
    enum class Source { kCommit, kListener, kCopy };
    static Source SourceOf(HeightField& field);

    HeightField& field_;
    Source source_;
    std::unique_ptr<TarnMemoryDC> copy_;
};

// Whether the undo image holds exactly what the working image holds.
bool UndoEqualsWorking(HeightField& field);

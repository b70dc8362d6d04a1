#include "ops/field_before.h"

#include <algorithm>
#include <cstring>
#include <utility>

bool UndoEqualsWorking(HeightField& field) {
    if (!field.HasUndoImage()) return false;
    const TarnMemoryDC& working = std::as_const(field).working();
    const TarnMemoryDC& undo = field.undo();
    const size_t rowBytes = size_t(field.width()) * sizeof(uint32_t);
    for (int y = 0; y < field.height(); ++y) {
        if (std::memcmp(working.RowPixels(y), undo.RowPixels(y), rowBytes) != 0) return false;
    }
    return true;
}

FieldBefore::Source FieldBefore::SourceOf(HeightField& field) {
    if (UndoEqualsWorking(field)) return Source::kCommit;
    return field.KeepsRowsBeforeWrites() ? Source::kListener : Source::kCopy;
}

FieldBefore::FieldBefore(HeightField& field) : field_(field), source_(SourceOf(field)) {
    if (source_ != Source::kCopy) return;
    copy_ = std::make_unique<TarnMemoryDC>(field.width(), field.height());
    if (copy_->valid()) {
        copy_->CopyImageFrom(std::as_const(field).working());
    } else {
        copy_.reset();
    }
}

const uint32_t* FieldBefore::Row(int y) {
    switch (source_) {
        case Source::kCommit: return field_.undo().RowPixels(y);
        case Source::kListener: return field_.RowBeforeWrites(y);
        case Source::kCopy: break;
    }
    return copy_->RowPixels(y);
}

// Going back to the commit takes its revision too, so the field counts as unchanged.
void FieldBefore::Restore() {
    if (source_ == Source::kCommit) {
        field_.RestoreField();
    } else {
        TarnMemoryDC& working = field_.working();
        const size_t width = size_t(field_.width());
        for (int y = 0; y < field_.height(); ++y) {
            // A row not written yet is its own row before.
            const uint32_t* before = Row(y);
            if (before != working.RowPixels(y)) std::copy_n(before, width, working.MutableRowPixels(y));
            field_.painter().RowChanged(y);
        }
    }
    field_.painter().RefreshView();
}

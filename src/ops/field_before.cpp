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

FieldBefore::FieldBefore(HeightField& field) : field_(field), isCommit_(UndoEqualsWorking(field)) {
    if (isCommit_) return;
    copy_ = std::make_unique<TarnMemoryDC>(field.width(), field.height());
    if (copy_->valid()) {
        copy_->CopyImageFrom(std::as_const(field).working());
    } else {
        copy_.reset();
    }
}

const uint32_t* FieldBefore::Row(int y) {
    return isCommit_ ? field_.undo().RowPixels(y) : copy_->RowPixels(y);
}

// Going back to the commit takes its revision too, so the field counts as unchanged.
void FieldBefore::Restore() {
    if (isCommit_) {
        field_.RestoreField();
    } else {
        TarnMemoryDC& working = field_.working();
        const size_t width = size_t(field_.width());
        for (int y = 0; y < field_.height(); ++y) {
            std::copy_n(copy_->RowPixels(y), width, working.MutableRowPixels(y));
            field_.painter().RowChanged(y);
        }
    }
    field_.painter().RefreshView();
}

#include "core/height_field.h"

#include <utility>

namespace {

std::unique_ptr<TarnMemoryDC> WhiteImage(int width, int height) {
    auto image = std::make_unique<TarnMemoryDC>(width, height);
    image->Erase();
    return image;
}

}  // namespace

HeightField::HeightField() : working_(WhiteImage(kInitialSize, kInitialSize)) {
    SetSize(kInitialSize, kInitialSize);
}

TarnMemoryDC& HeightField::undo() {
    // Without memory for the copy the working image still reads as the commit.
    if (!undo_) MakeUndoCopy();
    return undo_ ? *undo_ : *working_;
}

bool HeightField::MakeUndoCopy() {
    auto copy = std::make_unique<TarnMemoryDC>(width_, height_);
    if (!copy->valid()) return false;
    copy->CopyImageFrom(*working_);
    undo_ = std::move(copy);
    undoState_ = UndoState::kOwn;
    return true;
}

TarnMemoryDC& HeightField::mask() {
    if (!mask_) mask_ = WhiteImage(width_, height_);
    return *mask_;
}

// The first write after a commit passes here, so this is where the field changes.
bool HeightField::ReadyToWrite() {
    if (undoState_ != UndoState::kEqual) return true;
    if (!undoKept_) {
        undoState_ = UndoState::kNone;
    } else if (!MakeUndoCopy()) {
        return false;
    }
    Changed();
    return true;
}

// A writer that skipped ReadyToWrite loses the last commit if memory runs out for the
// copy: Undo then leaves the field as it is.
void HeightField::SeparateUndo() {
    if (ReadyToWrite()) return;
    undoState_ = UndoState::kNone;
    Changed();
}

void HeightField::SnapshotField() {
    undo_.reset();
    undoState_ = UndoState::kEqual;
    committedRevision_ = revision_;
}

// An undo equal to the working image has nothing to restore. Otherwise every row may
// differ from what the painter last saw.
void HeightField::RestoreField() {
    if (undoState_ != UndoState::kOwn) return;
    working_.swap(undo_);
    revision_ = committedRevision_;
    SnapshotField();
    for (int y = 0; y < height_; ++y) painter_->RowChanged(y);
}

void HeightField::ClearMask() { mask_.reset(); }

void HeightField::BeginCommittedChange() {
    undo_.reset();
    undoState_ = UndoState::kNone;
    Changed();
}

bool HeightField::AcceptableSize(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           width * height <= kMaxPositions;
}

bool HeightField::ReplaceField(int width, int height) {
    if (!AcceptableSize(width, height)) return false;
    if (width != width_ || height != height_) {
        auto working = std::make_unique<TarnMemoryDC>(width, height);
        if (!working->valid()) return false;
        working_ = std::move(working);
    }
    SetSize(width, height);
    working_->Erase();
    Changed();
    SnapshotField();
    painter_->ClearSurface();
    return true;
}

bool HeightField::BeginLoad(int width, int height) {
    if (!AcceptableSize(width, height)) return false;
    incoming_ = std::make_unique<TarnMemoryDC>(width, height);
    if (incoming_->valid()) return true;
    incoming_.reset();
    return false;
}

void HeightField::EndLoad(int rowsRead) {
    working_ = std::move(incoming_);
    SetSize(working_->width(), working_->height());
    Changed();
    SnapshotField();
    if (rowsRead < height_) {
        working_->EraseArea(0, rowsRead, width_, height_ - rowsRead);
        undo_ = WhiteImage(width_, height_);
        undoState_ = UndoState::kOwn;
    }
    painter_->ClearSurface();
}

bool HeightField::ReshapeWithin(int width, int height) {
    if (!AcceptableSize(width, height) || int64_t(width) * height > int64_t(width_) * height_) return false;
    BeginCommittedChange();
    working_->Reshape(width, height);
    SetSize(width, height);
    painter_->ClearSurface();
    return true;
}

void HeightField::TakeImagesOf(HeightField& loaded) {
    std::swap(width_, loaded.width_);
    std::swap(height_, loaded.height_);
    std::swap(working_, loaded.working_);
    std::swap(undo_, loaded.undo_);
    std::swap(undoState_, loaded.undoState_);
    std::swap(mask_, loaded.mask_);
    std::swap(whiteRow_, loaded.whiteRow_);
    // The images come with a commit of their own, new to this field.
    Changed();
    committedRevision_ = undoState_ == UndoState::kEqual ? revision_ : ++lastRevision_;
    painter_->ClearSurface();
}

void HeightField::SetSize(int width, int height) {
    width_ = width;
    height_ = height;
    whiteRow_.assign(std::size_t(width), kNoValuePixel);
    mask_.reset();
}

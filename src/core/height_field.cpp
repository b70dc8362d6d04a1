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

void HeightField::ListenToWrites(RowWriteListener* listener) {
    listener_ = listener;
    heard_.assign(listener ? size_t(height_) : 0, 0);
}

void HeightField::HearAllRows() {
    for (int y = 0; y < height_; ++y) HearRow(y);
}

void HeightField::WriteRow(int y, const vColor* row) {
    WritableRow(y);
    working_->PaintPixelStrip(0, y, width_, row);
}

void HeightField::SnapshotField() {
    undo_.reset();
    undoState_ = UndoState::kEqual;
    committedRevision_ = revision_;
}

void HeightField::ReturnTo(uint64_t revision) {
    revision_ = revision;
    SnapshotField();
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

bool HeightField::BeginLoad(int width, int height, int kind) {
    if (!AcceptableSize(width, height)) return false;
    incoming_ = std::make_unique<TarnMemoryDC>(width, height);
    if (!incoming_->valid()) {
        incoming_.reset();
        return false;
    }
    if (!holdNextLoad_) return true;
    // The field as it is goes aside whole; the new image shows from its first row.
    held_ = std::make_unique<HeldField>();
    SwapHeld(*held_);
    working_ = std::move(incoming_);
    SetSize(width, height);
    kind_ = kind;
    undoState_ = UndoState::kEqual;
    rowsStored_ = 0;
    painter_->ClearSurface();
    return true;
}

void HeightField::RowLoaded(int y) {
    if (rowsStored_ < 0) return;
    rowsStored_ = y + 1;
    painter_->DrawRow(y);
    painter_->Progress(y + 1, height_);
}

void HeightField::EndLoad(int rowsRead) {
    if (held_ && rowsRead < height_) {
        AbandonLoad();
        return;
    }
    if (!held_) {
        if (keepReplaced_) replaced_ = std::move(working_);
        working_ = std::move(incoming_);
    }
    held_.reset();
    holdNextLoad_ = false;
    rowsStored_ = -1;
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

void HeightField::AbandonLoad() {
    incoming_.reset();
    DropLoadHold();
}

void HeightField::DropLoadHold() {
    holdNextLoad_ = false;
    if (!held_) return;
    SwapHeld(*held_);
    held_.reset();
    rowsStored_ = -1;
    painter_->ClearSurface();
    painter_->RefreshView();
}

bool HeightField::ReshapeWithin(int width, int height) {
    if (!AcceptableSize(width, height) || int64_t(width) * height > int64_t(width_) * height_) return false;
    BeginCommittedChange();
    working_->Reshape(width, height);
    SetSize(width, height);
    painter_->ClearSurface();
    return true;
}

void HeightField::SwapHeld(HeldField& held) {
    std::swap(width_, held.width);
    std::swap(height_, held.height);
    std::swap(kind_, held.kind);
    std::swap(working_, held.working);
    std::swap(undo_, held.undo);
    std::swap(mask_, held.mask);
    std::swap(undoState_, held.undoState);
    std::swap(whiteRow_, held.whiteRow);
}

void HeightField::SetSize(int width, int height) {
    // A listener hears of rows of one image; a new one ends it.
    if (listener_) listener_->ImageReplaced();
    listener_ = nullptr;
    heard_.clear();
    width_ = width;
    height_ = height;
    whiteRow_.assign(std::size_t(width), kNoValuePixel);
    mask_.reset();
}

#include "core/height_field.h"

#include <utility>

namespace {

std::unique_ptr<TarnMemoryDC> WhiteImage(int width, int height) {
    auto image = std::make_unique<TarnMemoryDC>(width, height);
    image->Erase();
    return image;
}

}  // namespace

HeightField::HeightField()
    : working_(WhiteImage(kInitialSize, kInitialSize)),
      undo_(WhiteImage(kInitialSize, kInitialSize)),
      mask_(WhiteImage(kInitialSize, kInitialSize)) {}

void HeightField::SnapshotField() { undo_->CopyImageFrom(*working_); }

// Every row may differ from what the painter last saw.
void HeightField::RestoreField() {
    working_->CopyImageFrom(*undo_);
    for (int y = 0; y < height_; ++y) painter_->RowChanged(y);
}

void HeightField::ClearMask() { mask_->Erase(); }

bool HeightField::AcceptableSize(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           width * height <= kMaxPositions;
}

bool HeightField::ReplaceField(int width, int height) {
    if (!TakeSize(width, height)) return false;
    working_->Erase();
    undo_->Erase();
    return true;
}

bool HeightField::BeginLoad(int width, int height) { return TakeSize(width, height); }

void HeightField::EndLoad(int rowsRead) {
    if (rowsRead >= height_) return;
    working_->EraseArea(0, rowsRead, width_, height_ - rowsRead);
    undo_->Erase();
}

bool HeightField::ReshapeWithin(int width, int height) {
    if (!AcceptableSize(width, height) || int64_t(width) * height > int64_t(width_) * height_) return false;
    working_->Reshape(width, height);
    undo_->Reshape(width, height);
    mask_->Reshape(width, height);
    width_ = width;
    height_ = height;
    mask_->Erase();
    painter_->ClearSurface();
    return true;
}

void HeightField::TakeImagesOf(HeightField& loaded) {
    std::swap(width_, loaded.width_);
    std::swap(height_, loaded.height_);
    std::swap(working_, loaded.working_);
    std::swap(undo_, loaded.undo_);
    std::swap(mask_, loaded.mask_);
    painter_->ClearSurface();
}

bool HeightField::TakeSize(int width, int height) {
    if (!AcceptableSize(width, height)) return false;
    if (width != width_ || height != height_) {
        auto working = std::make_unique<TarnMemoryDC>(width, height);
        auto undo = std::make_unique<TarnMemoryDC>(width, height);
        auto mask = std::make_unique<TarnMemoryDC>(width, height);
        if (!working->valid() || !undo->valid() || !mask->valid()) return false;
        working_ = std::move(working);
        undo_ = std::move(undo);
        mask_ = std::move(mask);
        width_ = width;
        height_ = height;
    }
    mask_->Erase();
    painter_->ClearSurface();
    return true;
}

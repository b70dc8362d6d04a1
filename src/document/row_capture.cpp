#include "document/row_capture.h"

#include <algorithm>
#include <new>

bool RowCapture::Begin(HeightField& field) {
    width_ = field.width();
    // Left uninitialised, so the pages of rows never written are never made.
    pixels_.reset(new (std::nothrow) uint32_t[size_t(field.width()) * size_t(field.height())]);
    if (!pixels_) return false;
    kept_.assign(size_t(field.height()), 0);
    field.ListenToWrites(this);
    return true;
}

void RowCapture::BeforeFirstWrite(int y, const uint32_t* pixels) {
    std::copy_n(pixels, width_, pixels_.get() + size_t(y) * size_t(width_));
    kept_[size_t(y)] = 1;
}

std::vector<int> RowCapture::Rows() const {
    std::vector<int> rows;
    for (size_t y = 0; y < kept_.size(); ++y) {
        if (kept_[y]) rows.push_back(int(y));
    }
    return rows;
}

#include "framework/controls/layout.h"

#include <algorithm>

namespace {

constexpr int kSpacing = 2;

int FrameSpacing(const vControlPlace& frame) { return (frame.attributes & AttrNoSpace) ? 0 : kSpacing; }

}  // namespace

// The newest placement with that id wins, as in a list kept newest first.
vControlPlace* vDialogLayout::Find(int id, size_t before) const {
    if (id == 0) return nullptr;
    for (size_t i = std::min(before, placed_.size()); i-- > 0;) {
        if (placed_[i]->id == id) return placed_[i];
    }
    return nullptr;
}

void vDialogLayout::PlaceInFrame(vControlPlace& frame, const CommandObject& record, int& x,
                                 int& y) const {
    int s = FrameSpacing(frame);
    int nudge = s == 0 ? 1 : 0;
    x = record.rightOf ? s : frame.x + s + nudge;
    y = record.below ? s : frame.y + s + nudge;
}

void vDialogLayout::AddReferences(const CommandObject& record, int& x, int& y) const {
    if (const vControlPlace* left = Find(record.rightOf, placed_.size())) x += left->x + left->width;
    if (const vControlPlace* above = Find(record.below, placed_.size())) y += above->y + above->height;
}

void vDialogLayout::Place(vControlPlace& place, const CommandObject& record, const vControlSize& size) {
    place.id = record.id;
    place.type = record.type;
    place.attributes = record.attributes;
    place.frame = record.frame;

    place.order = static_cast<int>(placed_.size());
    vControlPlace* frame = Find(record.frame, placed_.size());
    if (frame && !frame->IsFrame()) frame = nullptr;
    int x = kSpacing, y = kSpacing;
    if (frame) {
        PlaceInFrame(*frame, record, x, y);
        AddReferences(record, x, y);
    } else if (parentKind_ == vParentDialog) {
        AddReferences(record, x, y);
    } else {
        x = kSpacing + right_;
        y = parentKind_ == vParentStatusBar ? 3 : 2;
    }

    place.x = x;
    place.y = y + size.drawnOffset;
    place.width = size.width;
    place.height = size.drawnHeight;
    GrowExtents(x + size.width, y + size.layoutHeight);
    if (frame) {
        int s = FrameSpacing(*frame);
        int margin = s == 0 ? 1 : s;
        GrowFrame(*frame, x + size.width + margin, y + size.layoutHeight + margin);
    }
    placed_.push_back(&place);
}

void vDialogLayout::GrowFrame(vControlPlace& frame, int right, int bottom) {
    frame.width = std::max(frame.width, right - frame.x);
    frame.height = std::max(frame.height, bottom - frame.y);
    GrowExtents(frame.x + frame.width, frame.y + frame.height);
    vControlPlace* outer = Find(frame.frame, static_cast<size_t>(frame.order));
    if (outer && outer->IsFrame()) {
        GrowFrame(*outer, frame.x + frame.width + kSpacing, frame.y + frame.height + kSpacing);
    }
}

void vDialogLayout::GrowExtents(int right, int bottom) {
    right_ = std::max(right_, right);
    bottom_ = std::max(bottom_, bottom);
}

#pragma once

#include <vector>

#include "framework/controls/command_object.h"
#include "framework/controls/control_size.h"

// Where a control stands, in dialog units. For labels and check boxes this is the
// drawn box, which lies a little below the place the layout gave them.
struct vControlPlace {
    int id = 0;
    int type = ctEnd;
    int attributes = 0;
    int frame = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int order = -1;  // position in placement order

    bool IsFrame() const { return type == ctFrame || type == ctToggleFrame; }
};

// Places controls one after another, in table order. Each placement may name the
// controls placed before it (rightOf, below, frame); frames grow around what they hold.
class vDialogLayout {
public:
    explicit vDialogLayout(int parentKind) : parentKind_(parentKind) {}

    // Fills place's position from the record and size and remembers it; place must
    // stay alive (and at the same address) as long as the layout does.
    void Place(vControlPlace& place, const CommandObject& record, const vControlSize& size);

    int RightExtent() const { return right_; }
    int LowestExtent() const { return bottom_; }
    // A dialog's client area keeps a 2-unit margin past everything placed.
    int ClientWidth() const { return right_ + 2; }
    int ClientHeight() const { return bottom_ + 2; }

private:
    // Only placements made before position `before` count.
    vControlPlace* Find(int id, size_t before) const;
    void PlaceInFrame(vControlPlace& frame, const CommandObject& record, int& x, int& y) const;
    void AddReferences(const CommandObject& record, int& x, int& y) const;
    void GrowFrame(vControlPlace& frame, int right, int bottom);
    void GrowExtents(int right, int bottom);

    int parentKind_;
    int right_ = 0;
    int bottom_ = 0;
    std::vector<vControlPlace*> placed_;
};

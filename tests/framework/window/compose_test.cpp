#include <gtest/gtest.h>

#include "framework/window/view.h"

// Composition copies a view's own pixels only where its children leave them showing;
// the result must be what painting the views one over the other would give.

namespace {

class Plain : public vView {
public:
    Plain(vColor color, int x, int y, int w, int h) : color_(color) {
        SetBounds(x, y, w, h);
        Surface().Fill(color_.Pixel());
    }
    // Painting the tree the simple way: this view, then its children over it.
    void PaintInto(Raster& raster, const vRect& clip) const {
        if (!IsShown()) return;
        vRect area = vIntersect(clip, Bounds());
        for (int y = area.y; y < area.y + area.h && HasSurface(); ++y) {
            for (int x = area.x; x < area.x + area.w; ++x) raster.Set(x, y, color_.Pixel());
        }
        for (const vView* child : Children()) static_cast<const Plain*>(child)->PaintInto(raster, area);
    }

private:
    vColor color_;
};

}  // namespace

TEST(ViewComposition, GivesWhatPaintingEachViewOverItsParentGives) {
    Plain window(vColor(255, 0, 0), 10, 10, 120, 90);
    Plain canvas(vColor(0, 255, 0), 10, 10, 100, 70);
    Plain hBar(vColor(0, 0, 255), 10, 80, 100, 20);
    Plain vBar(vColor(0, 0, 128), 110, 10, 20, 70);
    Plain overlapping(vColor(9, 9, 9), 60, 40, 90, 30);
    Plain hidden(vColor(255, 255, 0), 112, 82, 15, 15);
    Plain container(vColor(1, 1, 1), 0, 60, 60, 50);
    Plain inContainer(vColor(200, 200, 200), 30, 70, 10, 10);
    hidden.SetShown(false);
    container.SetHasSurface(false);
    container.AddChild(&inContainer);
    for (Plain* child : {&canvas, &hBar, &vBar, &overlapping, &hidden, &container}) window.AddChild(child);

    Raster composed(160, 120), painted(160, 120);
    composed.Fill(0x123456);
    painted.Fill(0x123456);
    vRect all{0, 0, 160, 120};
    window.ComposeInto(composed, all);
    window.PaintInto(painted, all);
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 160; ++x) ASSERT_EQ(composed.At(x, y), painted.At(x, y)) << x << "," << y;
    }
    EXPECT_EQ(composed.At(120, 90), vColor(255, 0, 0).Pixel());  // the corner between the bars
}
